#include <gtest/gtest.h>

#include "platform/web_view.h"

#include "web_driver.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace ylcs {
namespace {

using namespace ylcs::testing;

class WebViewHost : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
    home_ = g_dir_make_tmp("ylcs-web-XXXXXX", nullptr);
    g_setenv("XDG_DATA_HOME", home_, TRUE);
    g_setenv("XDG_CACHE_HOME", home_, TRUE);

    WebViewCallbacks callbacks;
    callbacks.navigation_rule = [this](const std::string& url) {
      seen_.push_back(url);
      return HostNavigationRule(url);
    };
    callbacks.on_drag = [this](double x, double y) { drags_.push_back({x, y}); };
    callbacks.on_load_finished = [this](const std::string&) { loaded_ = true; };
    view_ = std::make_unique<WebView>(WebViewOptions{true, true}, std::move(callbacks));
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(window_), FALSE);
    gtk_window_move(GTK_WINDOW(window_), 0, 0);
    gtk_window_set_default_size(GTK_WINDOW(window_), 640, 400);
    gtk_container_add(GTK_CONTAINER(window_), view_->widget());
    gtk_widget_show_all(window_);
    view_->Load(std::string("file://") + TEST_PAGES + "/host.html");
    ASSERT_TRUE(WaitFor([&] { return loaded_; }));
    SpinFor(std::chrono::milliseconds(300));
    seen_.clear();
  }
  void TearDown() override {
    if (window_) gtk_widget_destroy(window_);
    view_.reset();
    if (home_) {
      const std::string command = std::string("rm -rf '") + home_ + "'";
      if (system(command.c_str()) != 0) ADD_FAILURE();
      g_free(home_);
    }
  }

  // Screen position of the centre of an element, or of an offset inside it.
  // Screen position of the centre of an element, or of an offset inside it.
  std::pair<int, int> Point(const char* id, double dx = -1, double dy = -1) {
    const std::vector<double> box = ElementBox(view_->view(), id);
    int ox = 0, oy = 0;
    gdk_window_get_origin(gtk_widget_get_window(view_->widget()), &ox, &oy);
    return {ox + static_cast<int>(box[0] + (dx < 0 ? box[2] / 2 : dx)),
            oy + static_cast<int>(box[1] + (dy < 0 ? box[3] / 2 : dy))};
  }

  std::string Eval(const std::string& script) { return EvaluateScript(view_->view(), script); }

  void ClickAt(std::pair<int, int> p, const char* button = "1") {
    XDo({"mousemove", std::to_string(p.first), std::to_string(p.second), "click", button});
  }

  gchar* home_ = nullptr;
  GtkWidget* window_ = nullptr;
  std::unique_ptr<WebView> view_;
  bool loaded_ = false;
  std::vector<std::string> seen_;
  std::vector<std::pair<double, double>> drags_;
};

TEST_F(WebViewHost, AppLinksAndFormsReachTheRuleAsTheyStandInThePage) {
  ClickAt(Point("load"));
  ASSERT_TRUE(WaitFor([&] { return !seen_.empty(); }));
  EXPECT_EQ(seen_.back(), "app://loadgame|S3服-《云岭传说》一区-alice|g.html");
  ClickAt(Point("exit"));
  ASSERT_TRUE(WaitFor([&] { return seen_.size() >= 2; }));
  EXPECT_EQ(seen_.back(), "app:--exitgame");
  ClickAt(Point("send"));
  ASSERT_TRUE(WaitFor([&] { return seen_.size() >= 3; }));
  EXPECT_EQ(seen_.back(), "app://minimize");
  // A script navigation to a valid app: URL goes through the same rule, and is cancelled.
  Eval("location.href = 'app:--loadgame|a|b'; 1");
  ASSERT_TRUE(WaitFor([&] { return seen_.size() >= 4; }));
  EXPECT_EQ(seen_.back(), "app:--loadgame|a|b");
  SpinFor(std::chrono::milliseconds(200));
  EXPECT_NE(view_->uri().find("host.html"), std::string::npos);
}

TEST_F(WebViewHost, PictureButtonsLightPressAndClickOnlyWhenReleasedOverThem) {
  const auto position = [&](const char* id) {
    return Eval(std::string("document.getElementById('") + id + "').style.backgroundPositionX");
  };
  XDo({"mousemove", std::to_string(Point("ok").first), std::to_string(Point("ok").second)});
  EXPECT_EQ(position("ok"), "-80px");  // hover
  XDo({"mousedown", "1"});
  EXPECT_EQ(position("ok"), "-160px");  // pressed
  // While pressed, other buttons do not light up; released off the button nothing is clicked.
  XDo({"mousemove", std::to_string(Point("off").first), std::to_string(Point("off").second)});
  XDo({"mousemove", "600", "380", "mouseup", "1"});
  EXPECT_EQ(position("ok"), "0px");
  EXPECT_EQ(view_->title(), "host test");
  // A right click clicks like a left one.
  ClickAt(Point("ok"), "3");
  EXPECT_TRUE(WaitFor([&] { return view_->title() == "clicked ok"; }));
  // A disabled button neither changes nor clicks, and does not drag the window.
  Eval("document.title = 'host test'; 1");
  ClickAt(Point("off"));
  EXPECT_EQ(position("off"), "");
  EXPECT_EQ(view_->title(), "host test");
  EXPECT_TRUE(drags_.empty());
}

TEST_F(WebViewHost, PressesOnBareBackgroundsAskForAWindowDrag) {
  ClickAt(Point("cell", 5, 5));
  ASSERT_TRUE(WaitFor([&] { return drags_.size() == 1; }));
  ClickAt({Point("cell").first + 200, Point("cell").second + 120});  // the body
  ASSERT_TRUE(WaitFor([&] { return drags_.size() == 2; }));
  ClickAt(Point("field"));
  ClickAt(Point("plain"));
  ClickAt(Point("ok"));
  SpinFor(std::chrono::milliseconds(200));
  EXPECT_EQ(drags_.size(), 2u);
}

}  // namespace
}  // namespace ylcs
