#pragma once
// Sending a usage report from a short-lived worker thread: the requester returns as soon as the
// worker has its own copy of the address; roles that must not end before the request was made
// wait for the finished signal, which is given whether or not the request succeeded.

#include <condition_variable>
#include <memory>
#include <mutex>

#include "rules/app/usage_reports.h"

namespace ylcs {

class ReportEvents {
 public:
  void SetStarted();
  void WaitStartedAndReset();
  void SetFinished();
  void WaitFinished();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool started_ = false;
  bool finished_ = false;
};

// Increments the report's counter, builds its address and starts the request. Returns the count.
std::uint32_t SendUsageReport(UsageReport report, const std::shared_ptr<ReportEvents>& events);

}  // namespace ylcs
