#include "program/game/game_view.h"

#include <glib.h>

#include "platform/file_ops.h"
#include "platform/folders.h"
#include "platform/process.h"
#include "platform/server_config.h"
#include "program/app/not_built.h"
#include "program/ui/message_box.h"
#include "rules/browser/app_commands.h"

namespace ylcs {

namespace {

constexpr const char* kDownloadTitle = "Kelvo雷鸣游戏大厅";
constexpr const char* kDownloadQuestion = "下载雷鸣登录器，玩游戏更加方便快捷，现在就去下载吧？";

WebViewCallbacks Callbacks(const CGmWndView::Events& events,
                           std::function<NavigationVerdict(const std::string&)> rule) {
  WebViewCallbacks callbacks;
  callbacks.navigation_rule = std::move(rule);
  callbacks.on_load_finished = events.navigate_complete;
  callbacks.on_title_changed = events.title_change;
  return callbacks;
}

}  // namespace

CGmWndView::CGmWndView(bool game_list, std::uint32_t owner, Events events)
    : owner_(owner),
      events_(std::move(events)),
      web_(WebViewOptions{.hide_scroll_bars = !game_list, .autoplay = true},
           Callbacks(events_, [this](const std::string& url) { return OnBeforeNavigate(url); })) {}

NavigationVerdict CGmWndView::OnBeforeNavigate(const std::string& url) {
  const EnterGameCommand command = ParseEnterGameCommand(url, GetServerConfig().gamehall_url);
  if (!command.recognized) return NavigationVerdict::BrowserDecides;
  // A command without a launcher name names nothing to start or to download.
  if (command.launcher.empty()) return NavigationVerdict::Cancel;
  const std::string launcher = InstallFolder() + "/" + command.launcher + ".exe";
  if (g_file_test(launcher.c_str(), G_FILE_TEST_EXISTS)) {
    StartDetached({launcher});
  } else if (ShowMessageBox(owner_, kDownloadQuestion, kDownloadTitle, MB_OKCANCEL) == IDOK) {
    ReportNotBuilt("the game client download");
  } else {
    OpenWithDefaultHandler(command.fallback_address);
  }
  return NavigationVerdict::Cancel;
}

}  // namespace ylcs
