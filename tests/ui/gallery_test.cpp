// The skinned widgets as a player sees them: the gallery program runs on a virtual display of the
// test's own, xdotool moves and presses the pointer, and screenshots are checked at known pixels
// against the skin pictures the widgets must show. Screenshots are kept in the build folder
// (tests/ui/screenshots) for a look.

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/handles.h"
#include "platform/skin_image.h"

extern char** environ;

namespace ylcs {
namespace {

using namespace std::chrono_literals;

struct Pixel {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};
std::ostream& operator<<(std::ostream& os, const Pixel& p) {
  return os << "rgb(" << p.r << "," << p.g << "," << p.b << ")";
}

// A child process with its stdout read line by line.
class Process {
 public:
  Process(const std::vector<std::string>& argv, const std::string& display) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<std::string> env_strings;
    for (char** e = environ; *e; ++e) {
      if (std::string(*e).rfind("DISPLAY=", 0) != 0) env_strings.emplace_back(*e);
    }
    env_strings.push_back("DISPLAY=" + display);
    std::vector<char*> env;
    for (auto& s : env_strings) env.push_back(s.data());
    env.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> cargs;
    for (auto& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    if (posix_spawn(&pid_, cargs[0], &actions, nullptr, cargs.data(), env.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The first line not yet taken that starts with `prefix`, waiting up to `timeout` for it.
  std::optional<std::string> WaitFor(const std::string& prefix, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
      for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (it->rfind(prefix, 0) == 0) {
          std::string line = *it;
          lines_.erase(it);
          return line;
        }
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return std::nullopt;
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
      char chunk[512];
      const ssize_t n = read(out_, chunk, sizeof chunk);
      if (n <= 0) return std::nullopt;
      buffer_.append(chunk, static_cast<std::size_t>(n));
      for (std::size_t nl; (nl = buffer_.find('\n')) != std::string::npos;) {
        lines_.push_back(buffer_.substr(0, nl));
        buffer_.erase(0, nl + 1);
      }
    }
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string buffer_;
  std::vector<std::string> lines_;
};

std::vector<int> Numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<int> numbers;
  std::string word;
  while (in >> word) {
    if (!word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) || word[0] == '-')) {
      numbers.push_back(std::stoi(word));
    }
  }
  return numbers;
}

class Screenshot {
 public:
  explicit Screenshot(GObjectPtr<GdkPixbuf> pixbuf) : pixbuf_(std::move(pixbuf)) {}
  bool ok() const { return static_cast<bool>(pixbuf_); }
  Pixel At(int x, int y) const {
    const guint8* p = gdk_pixbuf_read_pixels(pixbuf_.get()) + y * gdk_pixbuf_get_rowstride(pixbuf_.get()) +
                      x * gdk_pixbuf_get_n_channels(pixbuf_.get());
    return {p[0], p[1], p[2]};
  }

 private:
  GObjectPtr<GdkPixbuf> pixbuf_;
};

// The colour a skin picture puts on the screen at (x, y).
Pixel SkinPixel(int id, int x, int y) {
  const SkinImage skin = LoadSkinImage(id);
  cairo_surface_flush(skin.surface());
  const auto* row = reinterpret_cast<const std::uint32_t*>(
      cairo_image_surface_get_data(skin.surface()) + y * cairo_image_surface_get_stride(skin.surface()));
  const std::uint32_t argb = row[x];
  return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
          static_cast<int>(argb & 0xFF)};
}

const Pixel kBackdrop{0, 200, 0};

class GalleryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A display of our own, so no other test moves this pointer.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string fd = std::to_string(fds[1]);
    std::vector<std::string> args = {"/usr/bin/Xvfb", "-displayfd", fd,   "-screen", "0",
                                     "1024x768x24",   "-nolisten",  "tcp"};
    std::vector<char*> cargs;
    for (auto& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    ASSERT_EQ(posix_spawn(&xvfb_, cargs[0], nullptr, nullptr, cargs.data(), environ), 0);
    close(fds[1]);
    char number[16] = {};
    pollfd p{fds[0], POLLIN, 0};
    ASSERT_GT(poll(&p, 1, 10000), 0) << "Xvfb did not start";
    ASSERT_GT(read(fds[0], number, sizeof number - 1), 0);
    close(fds[0]);
    display_ = ":" + std::to_string(std::atoi(number));
    std::filesystem::create_directories(ShotFolder());
  }
  static void TearDownTestSuite() {
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      waitpid(xvfb_, nullptr, 0);
    }
  }

  static std::filesystem::path ShotFolder() {
    return std::filesystem::path(YLCS_TEST_OUTPUT) / "screenshots";
  }

  static void Xdo(const std::string& args) {
    const std::string command = "DISPLAY=" + display_ + " xdotool " + args;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  static void Pause(std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }

  static Screenshot Shoot(const std::string& name) {
    const std::string path = (ShotFolder() / (name + ".png")).string();
    const std::string command = "DISPLAY=" + display_ + " import -window root " + path;
    EXPECT_EQ(std::system(command.c_str()), 0);
    GError* error = nullptr;
    auto pixbuf = GObjectPtr<GdkPixbuf>::Adopt(gdk_pixbuf_new_from_file(path.c_str(), &error));
    GErrorPtr owned(error);
    return Screenshot(std::move(pixbuf));
  }

  static std::unique_ptr<Process> Gallery(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {YLCS_GALLERY};
    argv.insert(argv.end(), args.begin(), args.end());
    return std::make_unique<Process>(argv, display_);
  }

  static inline pid_t xvfb_ = -1;
  static inline std::string display_;
};

// The widget window of the gallery: 459 x 330 at (100, 80), dialog font 9 points.
struct WidgetWindow {
  int x = 100, y = 80, w = 459, h = 330;
  // Template controls in pixels (dialog base units 7 x 15).
  int ok_x = 25, buttons_y = 281;
  int cancel_x = 109;
  int label_x = 25, label_y = 56;
  int detail_x = 210, detail_y = 90;
  int bar_x = 25, bar_y = 206;
};

TEST_F(GalleryTest, SkinCornersTextAndProgress) {
  auto gallery = Gallery({"widgets"});
  const auto ready = gallery->WaitFor("READY widgets", 15s);
  ASSERT_TRUE(ready);
  EXPECT_EQ(Numbers(*ready), (std::vector<int>{100, 80, 459, 330}));
  const auto wrap = gallery->WaitFor("WRAP", 5s);
  ASSERT_TRUE(wrap);
  const WidgetWindow win;
  const Screenshot shot = Shoot("widgets");
  ASSERT_TRUE(shot.ok());

  // Rounded top corners show what lies under the window; the bottom corners are square.
  EXPECT_EQ(shot.At(win.x, win.y), kBackdrop);
  EXPECT_EQ(shot.At(win.x + win.w - 1, win.y), kBackdrop);
  EXPECT_NE(shot.At(win.x + 3, win.y + 3), kBackdrop);
  EXPECT_EQ(shot.At(win.x, win.y + win.h - 1), SkinPixel(131, 0, 50));
  EXPECT_EQ(shot.At(win.x + win.w - 1, win.y + win.h - 1), SkinPixel(131, 29, 50));
  // The 9-grid: caption band stretched across, client area in the middle.
  EXPECT_EQ(shot.At(win.x + 200, win.y + 4), SkinPixel(131, 15, 4));
  EXPECT_EQ(shot.At(win.x + 230, win.y + 150), SkinPixel(131, 15, 40));
  EXPECT_EQ(shot.At(win.x + 230, win.y + 300), SkinPixel(131, 15, 40));

  // Progress at 37 of 100 on 390 pixels: 144 filled, both rounded ends kept.
  EXPECT_EQ(shot.At(win.x + win.bar_x + 20, win.y + win.bar_y + 10), SkinPixel(153, 20, 10));
  EXPECT_EQ(shot.At(win.x + win.bar_x + 143, win.y + win.bar_y + 10), SkinPixel(153, 389, 10));
  EXPECT_EQ(shot.At(win.x + win.bar_x + 300, win.y + win.bar_y + 10), SkinPixel(152, 300, 10));

  // Twenty Chinese characters wrapped in a 100-pixel label: every reported line carries ink,
  // the gaps between lines none, and the label grew to hold them.
  const std::vector<int> w = Numbers(*wrap);
  ASSERT_EQ(w.size(), 2u);
  const int lines = w[0];
  const int needed = w[1];
  EXPECT_GE(lines, 3);
  const int line_height = (needed - (lines - 1) * 3) / lines;
  const Pixel client = SkinPixel(131, 15, 40);
  auto ink_in_rows = [&](int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 100; ++x)
        ink += shot.At(win.x + win.label_x + x, win.y + win.label_y + y) != client;
    }
    return ink;
  };
  for (int i = 0; i < lines; ++i) {
    const int top = i * (line_height + 3);
    EXPECT_GT(ink_in_rows(top, top + line_height), 20) << "line " << i;
  }
  EXPECT_EQ(ink_in_rows(needed + 1, needed + 12), 0);
  // Nothing is drawn right of the label's 100 pixels.
  int beyond = 0;
  for (int y = 0; y < needed; ++y)
    beyond += shot.At(win.x + win.label_x + 101, win.y + win.label_y + y) != client;
  EXPECT_EQ(beyond, 0);
}

TEST_F(GalleryTest, ButtonHoverPressLatchAndClick) {
  auto gallery = Gallery({"widgets"});
  ASSERT_TRUE(gallery->WaitFor("READY widgets", 15s));
  const WidgetWindow win;
  const int bx = win.x + win.ok_x, by = win.y + win.buttons_y;
  auto frame_pixel = [](int frame) { return SkinPixel(133, frame * 57 + 4, 4); };

  EXPECT_EQ(Shoot("button-normal").At(bx + 4, by + 4), frame_pixel(0));
  Xdo("mousemove " + std::to_string(bx + 28) + " " + std::to_string(by + 11));
  Pause(300ms);
  EXPECT_EQ(Shoot("button-hover").At(bx + 4, by + 4), frame_pixel(1));
  // The tooltip appears below the pointer after its delay.
  Pause(900ms);
  EXPECT_EQ(Shoot("button-tooltip").At(bx + 28 + 3, by + 11 + 22), (Pixel{0xF4, 0xF8, 0xFC}));

  Xdo("mousedown 1");
  Pause(200ms);
  EXPECT_EQ(Shoot("button-pressed").At(bx + 4, by + 4), frame_pixel(2));
  // Dragged off with the button held: still pressed; released there: no click.
  Xdo("mousemove " + std::to_string(win.x + 300) + " " + std::to_string(win.y + 150));
  Pause(200ms);
  EXPECT_EQ(Shoot("button-pressed-off").At(bx + 4, by + 4), frame_pixel(2));
  Xdo("mouseup 1");
  Pause(200ms);
  EXPECT_EQ(Shoot("button-released-off").At(bx + 4, by + 4), frame_pixel(0));
  EXPECT_FALSE(gallery->WaitFor("COMMAND 1001", 300ms));

  Xdo("mousemove " + std::to_string(bx + 28) + " " + std::to_string(by + 11) + " click 1");
  const auto command = gallery->WaitFor("COMMAND 1001", 3s);
  ASSERT_TRUE(command);
  EXPECT_EQ(*command, "COMMAND 1001 0");

  // The disabled button shows its fourth frame and ignores the pointer.
  const int cx = win.x + win.cancel_x;
  Xdo("mousemove " + std::to_string(cx + 28) + " " + std::to_string(by + 11) + " click 1");
  Pause(300ms);
  EXPECT_EQ(Shoot("button-disabled").At(cx + 4, by + 4), frame_pixel(3));
  EXPECT_FALSE(gallery->WaitFor("COMMAND 1002", 300ms));
}

TEST_F(GalleryTest, CaptionButtonsHoverLinkColourAndMaximise) {
  auto gallery = Gallery({"widgets"});
  ASSERT_TRUE(gallery->WaitFor("READY widgets", 15s));
  const WidgetWindow win;

  // The close button turns red under the pointer.
  const int close_x = win.x + win.w - 33;
  Xdo("mousemove " + std::to_string(close_x + 16) + " " + std::to_string(win.y + 14));
  Pause(300ms);
  EXPECT_EQ(Shoot("close-hover").At(close_x + 5, win.y + 8), SkinPixel(132, 33 + 5, 8));

  // The link's text takes its hover colour.
  auto blue_pixels = [&](const Screenshot& shot) {
    int blue = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 40; ++x) {
        const Pixel p = shot.At(win.x + win.detail_x + x, win.y + win.detail_y + y);
        blue += p.b > 200 && p.r < 120;
      }
    }
    return blue;
  };
  EXPECT_EQ(blue_pixels(Shoot("link-normal")), 0);
  Xdo("mousemove " + std::to_string(win.x + win.detail_x + 10) + " " +
      std::to_string(win.y + win.detail_y + 6));
  Pause(300ms);
  EXPECT_GT(blue_pixels(Shoot("link-hover")), 10);
  Xdo("click 1");
  EXPECT_TRUE(gallery->WaitFor("COMMAND 1012", 3s));

  // Maximise fills the work area (the whole screen without panels); restoring brings back the
  // centred three quarters.
  const int max_x = win.x + win.w - 33 - 27;
  Xdo("mousemove " + std::to_string(max_x + 13) + " " + std::to_string(win.y + 14) + " click 1");
  Pause(500ms);
  const Screenshot maximised = Shoot("maximised");
  EXPECT_EQ(maximised.At(0, 0), kBackdrop);  // a rounded corner at the screen's corner
  EXPECT_EQ(maximised.At(500, 4), SkinPixel(131, 15, 4));
  EXPECT_EQ(maximised.At(1023, 767), SkinPixel(131, 29, 50));
  // A double-click in the caption band of the maximised window restores it.
  Xdo("mousemove 500 14 click --repeat 2 --delay 60 1");
  Pause(500ms);
  const Screenshot restored = Shoot("restored");
  EXPECT_EQ(restored.At(500, 4), kBackdrop);
  EXPECT_EQ(restored.At(128 + 200, 96 + 4), SkinPixel(131, 15, 4));
  EXPECT_EQ(restored.At(128 + 767, 96 + 575), SkinPixel(131, 29, 50));
}

TEST_F(GalleryTest, CaptionDragMovesTheWindow) {
  auto gallery = Gallery({"widgets"});
  ASSERT_TRUE(gallery->WaitFor("READY widgets", 15s));
  const WidgetWindow win;
  Xdo("mousemove " + std::to_string(win.x + 250) + " " + std::to_string(win.y + 15) + " mousedown 1");
  Pause(100ms);
  for (int step = 1; step <= 5; ++step) {
    Xdo("mousemove " + std::to_string(win.x + 250 + step * 10) + " " + std::to_string(win.y + 15 + step * 8));
    Pause(50ms);
  }
  Xdo("mouseup 1");
  Pause(400ms);
  const Screenshot moved = Shoot("dragged");
  EXPECT_EQ(moved.At(win.x + 200, win.y + 4), kBackdrop);
  EXPECT_EQ(moved.At(win.x + 50 + 200, win.y + 40 + 4), SkinPixel(131, 15, 4));
}

// The login background without a compositor: cut to its visible pixels. With one: blended.
TEST_F(GalleryTest, LayeredWindowShowsItsAlpha) {
  const Pixel card = [] {
    const CairoSurfacePtr image = LoadPngResourceImage();
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        cairo_image_surface_get_data(image.get()) + 259 * cairo_image_surface_get_stride(image.get()));
    const std::uint32_t p = row[444];
    return Pixel{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                 static_cast<int>(p & 0xFF)};
  }();
  {
    auto gallery = Gallery({"login"});
    ASSERT_TRUE(gallery->WaitFor("ALPHA 0", 15s));
    const auto ready = gallery->WaitFor("READY login", 15s);
    ASSERT_TRUE(ready);
    EXPECT_EQ(Numbers(*ready), (std::vector<int>{50, 50, 888, 518}));
    const Screenshot shot = Shoot("login-shaped");
    EXPECT_EQ(shot.At(50 + 1, 50 + 1), kBackdrop);
    EXPECT_EQ(shot.At(50 + 444, 50 + 516), kBackdrop);  // the faint shadow is cut away
    EXPECT_EQ(shot.At(50 + 444, 50 + 259), card);
  }
  // A compositor on the display: the window gets an alpha visual and its shadow darkens what lies
  // under it.
  std::vector<std::string> args = {"/usr/bin/xcompmgr"};
  if (!std::filesystem::exists(args[0])) GTEST_SKIP() << "xcompmgr is not installed";
  Process compositor(args, display_);
  Pause(500ms);
  auto gallery = Gallery({"login"});
  ASSERT_TRUE(gallery->WaitFor("ALPHA 1", 15s));
  ASSERT_TRUE(gallery->WaitFor("READY login", 15s));
  Pause(300ms);
  const Screenshot shot = Shoot("login-composited");
  EXPECT_EQ(shot.At(50 + 1, 50 + 1), kBackdrop);
  const Pixel shadow = shot.At(50 + 444, 50 + 514);
  EXPECT_GT(shadow.g, 0);
  EXPECT_LT(shadow.g, kBackdrop.g);
  EXPECT_EQ(shot.At(50 + 444, 50 + 259), card);
}

struct BoxCase {
  int type;
  int first_answer;
  int second_answer;  // 0: a single button
};

class MessageBoxTest : public GalleryTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, ButtonsAnswerAndKeysDoNothing) {
  const BoxCase c = GetParam();
  const std::string text = "确定要退出账号：S3服-《云岭传说》一区-alice ?";
  for (int button = 1; button <= (c.second_answer ? 2 : 1); ++button) {
    auto gallery = Gallery({"msgbox", std::to_string(c.type), text});
    const auto ready = gallery->WaitFor("READY msgbox", 15s);
    ASSERT_TRUE(ready);
    const std::vector<int> r = Numbers(*ready);
    ASSERT_EQ(r.size(), 4u);
    const int x = r[0], y = r[1], w = r[2], h = r[3];
    // Centred on the screen (no owner), sized to the text, buttons 30 pixels above the bottom.
    EXPECT_NEAR(x + w / 2, 512, 1);
    EXPECT_NEAR(y + h / 2, 384, 1);
    const int top = y + h - 30 - 23;
    const int left1 = c.second_answer ? x + w / 2 - 10 - 57 : x + (w - 57) / 2;
    const int left2 = x + w / 2 + 10;
    const Screenshot shot = Shoot("msgbox-" + std::to_string(c.type));
    EXPECT_EQ(shot.At(left1 + 4, top + 4), SkinPixel(133, 4, 4));
    if (c.second_answer) {
      EXPECT_EQ(shot.At(left2 + 4, top + 4), SkinPixel(133, 4, 4));
    } else {
      EXPECT_EQ(shot.At(left2 + 40, top + 4), SkinPixel(131, 15, 40));  // no second button
    }
    EXPECT_EQ(shot.At(x, y), kBackdrop);  // rounded corner

    // Enter and Escape leave the box open.
    Xdo("mousemove " + std::to_string(x + w / 2) + " " + std::to_string(y + 45) + " key Return key Escape");
    EXPECT_FALSE(gallery->WaitFor("RESULT", 500ms));
    const int left = button == 1 ? left1 : left2;
    Xdo("mousemove " + std::to_string(left + 28) + " " + std::to_string(top + 11) + " click 1");
    const auto result = gallery->WaitFor("RESULT", 5s);
    ASSERT_TRUE(result);
    EXPECT_EQ(Numbers(*result), (std::vector<int>{button == 1 ? c.first_answer : c.second_answer}));
  }
  // The close box answers IDCANCEL whatever the type.
  auto gallery = Gallery({"msgbox", std::to_string(c.type), text});
  const auto ready = gallery->WaitFor("READY msgbox", 15s);
  ASSERT_TRUE(ready);
  const std::vector<int> r = Numbers(*ready);
  Xdo("mousemove " + std::to_string(r[0] + r[2] - 16) + " " + std::to_string(r[1] + 14) + " click 1");
  const auto result = gallery->WaitFor("RESULT", 5s);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, "RESULT 2");
}

INSTANTIATE_TEST_SUITE_P(Types, MessageBoxTest,
                         ::testing::Values(BoxCase{4, 6, 7}, BoxCase{1, 1, 2}, BoxCase{0, 1, 0},
                                           BoxCase{3, 1, 0}));

}  // namespace
}  // namespace ylcs
