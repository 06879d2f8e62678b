#pragma once
// The application object: classifies the command line and runs the role it names.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "program/app/usage_report_sender.h"
#include "rules/app/launch_mode.h"

namespace ylcs {

class CMainFrame;

class CKestrun3App {
 public:
  CKestrun3App(int argc, char** argv);
  CKestrun3App(const CKestrun3App&) = delete;
  CKestrun3App& operator=(const CKestrun3App&) = delete;
  ~CKestrun3App();

  // The running application of this process (set while it exists).
  static CKestrun3App* Get();

  // Runs the start-up of the role; true when the role continues in the main loop (child roles).
  bool InitInstance();
  // The main loop of the child roles.
  void Run();
  // Releases what the start-up acquired; the process's exit code.
  int ExitInstance();

  // Classification of this process's command line (also asked by the update check).
  Classification ClassifyCommandLine() const;
  LaunchMode mode() const { return classification_.mode; }

  // Process-wide values of a child process, from its command line.
  std::uint32_t owner_window() const { return classification_.owner_window; }
  std::int32_t tabs_at_start() const { return classification_.tabs_at_start; }

  const std::shared_ptr<ReportEvents>& report_events() const { return report_events_; }

  // The game list page on the client service: where a child's game frame starts.
  std::string GameListAddress() const;
  // What the game frame opens: the game list page, or the game address a login accepted.
  std::string game_start_address;

  // Address of the new executable, filled by the update configuration fetch.
  std::string update_address;
  // Last title and address of the game page, written by the game view.
  std::string game_page_title;
  std::string game_page_address;

 private:
  void RunInstallation();
  bool FinishUpdate();

  int argc_;
  char** argv_;
  std::vector<std::string> args_;
  Classification classification_;
  std::shared_ptr<ReportEvents> report_events_;
  std::unique_ptr<CMainFrame> game_frame_;
};

}  // namespace ylcs
