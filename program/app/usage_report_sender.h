#pragma once
// Sending a usage report from a short-lived worker thread: the requester returns as soon as the
// worker has its own copy of the address; roles that must not end before the request was made
// wait for the finished signal, which is given whether or not the request succeeded.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/http.h"
#include "rules/app/usage_reports.h"

namespace ylcs {

class ReportEvents {
 public:
  ReportEvents() = default;
  ReportEvents(const ReportEvents&) = delete;
  ReportEvents& operator=(const ReportEvents&) = delete;
  // Abandons a report still under way and waits for its thread.
  ~ReportEvents();

  void SetStarted();
  void WaitStartedAndReset();
  void SetFinished();
  void WaitFinished();

  // Starts the report thread: it copies the address, sets report-started, sends the request and
  // sets report-finished. The thread is kept so it can be joined before the process ends.
  void StartReportThread(std::string address);

  // At the end of the process: a report still under way gets `grace` to be sent, then its request
  // is abandoned and its connection closed. When this returns every report thread has ended, so
  // the process can end without pulling the network library from under one of them.
  void SettleBeforeExit(std::chrono::milliseconds grace);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool started_ = false;
  bool finished_ = false;
  int under_way_ = 0;
  TransferHandles transfer_;
  std::vector<std::thread> threads_;
};

// Increments the report's counter, builds its address and starts the request. Returns the count.
std::uint32_t SendUsageReport(UsageReport report, const std::shared_ptr<ReportEvents>& events);

}  // namespace ylcs
