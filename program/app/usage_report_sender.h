#pragma once
// Sending a usage report from a short-lived worker thread: the requester returns as soon as the
// worker has its own copy of the address; roles that must not end before the request was made
// wait for the finished signal, which is given whether or not the request succeeded.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/http.h"
#include "rules/app/usage_reports.h"

namespace ylcs {

class ReportEvents {
 public:
  void SetStarted();
  void WaitStartedAndReset();
  void SetFinished();
  void WaitFinished();

  // A report thread is under way from BeginReport until EndReport; its request goes through
  // transfer(), so it can be abandoned.
  void BeginReport();
  void EndReport();
  TransferHandles& transfer() { return transfer_; }

  // At the end of the process: a report still under way gets `grace` to be sent, then its request
  // is abandoned and its connection closed. When this returns no report thread uses the network,
  // so the process can end without pulling the network library from under it.
  void SettleBeforeExit(std::chrono::milliseconds grace);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool started_ = false;
  bool finished_ = false;
  int under_way_ = 0;
  TransferHandles transfer_;
};

// Increments the report's counter, builds its address and starts the request. Returns the count.
std::uint32_t SendUsageReport(UsageReport report, const std::shared_ptr<ReportEvents>& events);

}  // namespace ylcs
