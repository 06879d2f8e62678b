// The stand-in service's pages in the launcher's own web view, clicked with the real pointer: the
// login page issues its commands with the login text the launcher splits, paints its see-through
// areas in exactly the key colour, and the game list issues "entergame".

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/handles.h"
#include "platform/web_view.h"
#include "rules/browser/app_commands.h"
#include "stand_in_service.h"
#include "web_driver.h"

namespace ylcs {
namespace {

using namespace ylcs::testing;

class ServicePages : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
    ASSERT_NE(service_.port(), 0);
    home_ = g_dir_make_tmp("ylcs-pages-XXXXXX", nullptr);
    g_setenv("XDG_DATA_HOME", home_, TRUE);
    g_setenv("XDG_CACHE_HOME", home_, TRUE);

    WebViewCallbacks callbacks;
    callbacks.navigation_rule = [this](const std::string& url) {
      if (url.rfind("app:", 0) == 0) commands_.push_back(url);
      return HostNavigationRule(url);
    };
    callbacks.on_load_finished = [this](const std::string&) { loaded_ = true; };
    view_ = std::make_unique<WebView>(WebViewOptions{true, true, false}, std::move(callbacks));
    // The login page's window has the size of the login background.
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(window_), FALSE);
    gtk_window_move(GTK_WINDOW(window_), 0, 0);
    gtk_window_set_default_size(GTK_WINDOW(window_), 888, 518);
    gtk_container_add(GTK_CONTAINER(window_), view_->widget());
    gtk_widget_show_all(window_);
  }
  void TearDown() override {
    if (window_) gtk_widget_destroy(window_);
    view_.reset();
    if (home_) {
      // The web processes may still be writing their caches: what they leave is left.
      std::error_code ignored;
      std::filesystem::remove_all(home_, ignored);
      g_free(home_);
    }
  }

  void Open(const std::string& path) {
    loaded_ = false;
    view_->Load(service_.Url(path));
    ASSERT_TRUE(WaitFor([&] { return loaded_; }));
    SpinFor(std::chrono::milliseconds(300));
    commands_.clear();
  }

  std::string Eval(const std::string& script) { return EvaluateScript(view_->view(), script); }

  // The element's box in page coordinates: left, top, width, height.
  std::vector<double> Box(const std::string& id) { return ElementBox(view_->view(), id); }

  void Click(const std::string& id) {
    const auto box = Box(id);
    int ox = 0;
    int oy = 0;
    gdk_window_get_origin(gtk_widget_get_window(view_->widget()), &ox, &oy);
    // The pointer arrives first, then presses, as a hand would.
    XDo({"mousemove", std::to_string(ox + static_cast<int>(box[0] + box[2] / 2)),
         std::to_string(oy + static_cast<int>(box[1] + box[3] / 2))});
    XDo({"click", "1"});
  }

  testing::StandInService service_;
  gchar* home_ = nullptr;
  GtkWidget* window_ = nullptr;
  std::unique_ptr<WebView> view_;
  bool loaded_ = false;
  std::vector<std::string> commands_;
};

TEST_F(ServicePages, LoginPageSendsTheLoginCommands) {
  Open("/client_login.html");
  // Without an account nothing is sent and the page says why.
  Click("login");
  EXPECT_TRUE(WaitFor([&] { return !Eval("document.getElementById('message').textContent").empty(); }));
  EXPECT_TRUE(commands_.empty());

  Eval(
      "document.getElementById('server').value = '3';"
      "document.getElementById('account').value = 'alice';"
      "document.getElementById('password').value = 'secret'; 1");
  Click("login");
  ASSERT_TRUE(WaitFor([&] { return !commands_.empty(); }));
  const std::string game = service_.Url("/game/play.html?server=3&account=alice");
  EXPECT_EQ(commands_.back(), "app://loadgame|S3服-《云岭传说》网通三区-alice|" + game);
  const LoginCommand command = ParseLoginCommand(commands_.back());
  EXPECT_EQ(command.kind, LoginCommandKind::LoadGame);
  EXPECT_EQ(command.parts.caption, "3服-网通三区-alice");
  EXPECT_EQ(command.game_address, game);

  // The disabled button sends nothing; the caption buttons send their commands.
  commands_.clear();
  Click("register");
  Click("minimize");
  Click("close");
  ASSERT_TRUE(WaitFor([&] { return commands_.size() == 2; }));
  EXPECT_EQ(commands_[0], "app://minimize");
  EXPECT_EQ(commands_[1], "app://exitgame");
  EXPECT_NE(view_->uri().find("/client_login.html"), std::string::npos);

  // The game address opens the game of that account.
  Open(command.game_address.substr(command.game_address.find("/game/")));
  EXPECT_TRUE(WaitFor([&] { return view_->title() == "云岭传说 - 3服 alice"; })) << view_->title();
  EXPECT_EQ(Eval("document.querySelector('canvas').width"), "960");
}

TEST_F(ServicePages, LoginPageIsSeeThroughOutsideItsSheetAndButtons) {
  Open("/client_login.html");
  // The fields stand where a hand (and the launcher's road tests) find them: account at (290, 181),
  // password at (290, 215).
  const auto covers = [](const std::vector<double>& b, double x, double y) {
    return x >= b[0] && x < b[0] + b[2] && y >= b[1] && y < b[1] + b[3];
  };
  EXPECT_TRUE(covers(Box("account"), 290, 181));
  EXPECT_TRUE(covers(Box("password"), 290, 215));
  // The caption buttons lie inside the no-drag box, page x 480 to 528 and y 0 to 30.
  for (const char* id : {"minimize", "close"}) {
    const auto box = Box(id);
    EXPECT_GE(box[0], 480);
    EXPECT_LE(box[0] + box[2], 529);
    EXPECT_GE(box[1], 0);
    EXPECT_LE(box[1] + box[3], 31);
  }

  CairoSurfacePtr shot;
  webkit_web_view_get_snapshot(
      view_->view(), WEBKIT_SNAPSHOT_REGION_VISIBLE, WEBKIT_SNAPSHOT_OPTIONS_NONE, nullptr,
      +[](GObject* source, GAsyncResult* result, gpointer out) {
        static_cast<CairoSurfacePtr*>(out)->reset(
            webkit_web_view_get_snapshot_finish(WEBKIT_WEB_VIEW(source), result, nullptr));
      },
      &shot);
  ASSERT_TRUE(WaitFor([&] { return shot != nullptr; }));
  cairo_surface_flush(shot.get());
  const int width = cairo_image_surface_get_width(shot.get());
  const int height = cairo_image_surface_get_height(shot.get());
  ASSERT_EQ(width, 888);
  ASSERT_EQ(height, 518);
  // What the page draws: the form sheet and the two caption buttons; the rest shows the background.
  const std::vector<std::vector<double>> drawn = {Box("sheet"), Box("minimize"), Box("close")};
  const auto is_drawn = [&](int x, int y) {
    for (const auto& b : drawn) {
      if (x >= b[0] && x < b[0] + b[2] && y >= b[1] && y < b[1] + b[3]) return true;
    }
    return false;
  };
  int drawn_pixels = 0;
  for (const auto& b : drawn) drawn_pixels += static_cast<int>(b[2] * b[3]);
  const unsigned char* data = cairo_image_surface_get_data(shot.get());
  const int stride = cairo_image_surface_get_stride(shot.get());
  int keyed_outside = 0;
  int keyed_inside = 0;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const bool key = (row[x] & 0xFFFFFFu) == 0xFEFEFEu;
      const bool inside = is_drawn(x, y);
      if (key && inside) {
        ++keyed_inside;
        ADD_FAILURE() << "key colour in what the page draws at " << x << "," << y;
      }
      if (key && !inside) ++keyed_outside;
    }
  }
  // Everything else is see-through, nothing of what the page draws is.
  EXPECT_EQ(keyed_outside, width * height - drawn_pixels);
  EXPECT_EQ(keyed_inside, 0);
}

TEST_F(ServicePages, GameListEntersInstalledOrMissingLaunchers) {
  Open("/webgame.htm");
  Click("enter-fengyun");
  Click("enter-tianhe");
  ASSERT_TRUE(WaitFor([&] { return commands_.size() == 2; }));
  const std::string home = service_.Url("/");
  const EnterGameCommand fengyun = ParseEnterGameCommand(commands_[0], home);
  EXPECT_TRUE(fengyun.recognized);
  EXPECT_EQ(fengyun.launcher, "Fengyun");
  EXPECT_EQ(fengyun.fallback_address, service_.Url("/games/fengyun.htm"));
  const EnterGameCommand tianhe = ParseEnterGameCommand(commands_[1], home);
  EXPECT_EQ(tianhe.launcher, "Tianhe");
  EXPECT_EQ(tianhe.fallback_address, home);
  EXPECT_NE(view_->uri().find("/webgame.htm"), std::string::npos);
}

}  // namespace
}  // namespace ylcs
