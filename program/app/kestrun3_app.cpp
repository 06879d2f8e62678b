#include "program/app/kestrun3_app.h"

#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>

#include "platform/crash_handler.h"
#include "platform/file_ops.h"
#include "platform/folders.h"
#include "platform/process.h"
#include "platform/server_config.h"
#include "program/app/settings.h"
#include "program/app/shortcuts.h"
#include "program/app/uninstall.h"
#include "program/browser/login_dialog.h"
#include "program/game/cache_cleanup.h"
#include "program/game/main_frame.h"
#include "program/mainwnd/main_window.h"
#include "program/net/update.h"
#include "program/ui/message_box.h"
#include "program/ui/toolkit.h"
#include "rules/app/program_files.h"
#include "rules/ui/dialog_results.h"

namespace ylcs {

namespace {

CKestrun3App* g_app = nullptr;  // the process's one application object

constexpr const char* kUninstallQuestion = "确定要移除 kelvo云岭传说dodaz吗？";
constexpr const char* kOleFailedMessage = "初始化OLE库失败";
constexpr std::chrono::milliseconds kReportGraceAtExit{2000};

}  // namespace

CKestrun3App::CKestrun3App(int argc, char** argv)
    : game_start_address(GameListAddress()), argc_(argc), argv_(argv), args_(argv, argv + argc) {
  g_app = this;
}

CKestrun3App::~CKestrun3App() {
  game_frame_.reset();
  g_app = nullptr;
}

std::string CKestrun3App::GameListAddress() const { return GetServerConfig().ServiceUrl("/webgame.htm"); }

CKestrun3App* CKestrun3App::Get() { return g_app; }

Classification CKestrun3App::ClassifyCommandLine() const {
  return ylcs::ClassifyCommandLine(args_, ProgramPath(), CanonicalPath(InstallFolder()));
}

bool CKestrun3App::InitInstance() {
  InstallCrashHandler(CrashReportPathFor(ProgramPath()));
  InitToolkit(&argc_, &argv_);
  classification_ = ClassifyCommandLine();
  report_events_ = std::make_shared<ReportEvents>();

  switch (classification_.mode) {
    case LaunchMode::Uninstall:
      if (ShowMessageBox(0, kUninstallQuestion, kMessageTitle, MB_YESNO) == IDYES) {
        RunUninstall(report_events_);
        report_events_->WaitFinished();
      }
      return false;
    case LaunchMode::Update:
      CheckForUpdate(*this, /*forced=*/true);
      if (FinishUpdate()) return false;
      break;
    case LaunchMode::Install:
    case LaunchMode::Shortcut:
      if (CheckForUpdate(*this, /*forced=*/false) && FinishUpdate()) return false;
      break;
    default: break;
  }

  switch (classification_.mode) {
    case LaunchMode::Install:
      RunInstallation();
      WriteDisableDays();
      SendUsageReport(UsageReport::Install, report_events_);
      report_events_->WaitFinished();
      return false;
    case LaunchMode::ChannelShortcut:
      OpenWithDefaultHandler(GetServerConfig().gamehall_url);
      SendUsageReport(UsageReport::ChannelActive, report_events_);
      report_events_->WaitFinished();
      return false;
    case LaunchMode::Shortcut:
    case LaunchMode::Installed: SendUsageReport(UsageReport::Active, report_events_); break;
    default: break;
  }

  SetCacheLimit();

  if (classification_.mode == LaunchMode::NewTab || classification_.mode == LaunchMode::GameHall) {
    if (!HasToolkit()) {
      ShowMessageBox(0, kOleFailedMessage, kMessageTitle, MB_OK);
      return false;
    }
    if (classification_.mode == LaunchMode::NewTab && RunLoginDialog(*this) != IDOK) {
      // The owner learns that this login was given up (and closes itself if it has no tab).
      PostCancelledLogin(classification_.owner_window);
      return false;
    }
    game_frame_ = CreateGameFrame(*this);
    return game_frame_ != nullptr;
  }

  if (!HasToolkit()) {
    // Nowhere to show the window: say so instead of failing inside the toolkit.
    std::fprintf(stderr, "ylcskelvo: no display to show the main window on\n");
    return false;
  }
  RunMainWindow(*this);
  return false;
}

void CKestrun3App::Run() { gtk_main(); }

int CKestrun3App::ExitInstance() {
  game_frame_.reset();
  // A process may end while its report is still under way (the main-window roles do not wait
  // for it); give the report a moment, then abandon it rather than end beneath its thread.
  if (report_events_) report_events_->SettleBeforeExit(kReportGraceAtExit);
  report_events_.reset();
  return 0;
}

bool CKestrun3App::FinishUpdate() {
  if (!ReplaceExecutable(*this)) return false;
  StartDetached(PlainArguments(ProgramPath()));
  RecordUpdateDate();
  return true;
}

void CKestrun3App::RunInstallation() {
  const std::string folder = InstallFolder();
  MakeFolders(folder);
  const std::string program = ProgramPath();
  const std::string target = folder + "/" + FileNameOf(program);
  // Copy failures are not fatal: the shortcuts and the start are still attempted.
  if (!IsSameFile(program, target)) CopyFileReplacing(program, target, 0755);
  CreateShortcuts(target);
  StartDetached(PlainArguments(target));
}

}  // namespace ylcs
