#include "program/app/usage_report_sender.h"

#include <string>
#include <thread>

#include "platform/server_config.h"
#include "program/app/settings.h"

namespace ylcs {

void ReportEvents::SetStarted() {
  std::lock_guard lock(mutex_);
  started_ = true;
  changed_.notify_all();
}

void ReportEvents::WaitStartedAndReset() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return started_; });
  started_ = false;
}

void ReportEvents::SetFinished() {
  std::lock_guard lock(mutex_);
  finished_ = true;
  changed_.notify_all();
}

void ReportEvents::WaitFinished() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return finished_; });
}

void ReportEvents::BeginReport() {
  std::lock_guard lock(mutex_);
  ++under_way_;
}

void ReportEvents::EndReport() {
  std::lock_guard lock(mutex_);
  --under_way_;
  changed_.notify_all();
}

void ReportEvents::SettleBeforeExit(std::chrono::milliseconds grace) {
  std::unique_lock lock(mutex_);
  if (changed_.wait_for(lock, grace, [this] { return under_way_ == 0; })) return;
  lock.unlock();
  transfer_.Cancel();
  lock.lock();
  changed_.wait(lock, [this] { return under_way_ == 0; });
}

std::uint32_t SendUsageReport(UsageReport report, const std::shared_ptr<ReportEvents>& events) {
  const std::uint32_t count = IncrementCounter(UsageReportCounter(report));
  const std::string address = UsageReportAddress(GetServerConfig().service_host, report, count);
  events->BeginReport();
  // The worker owns a copy of the address and a share of the events, so it may outlive us.
  std::thread([address, events] {
    events->SetStarted();
    HttpPing(address, &events->transfer());
    events->SetFinished();
    events->EndReport();
  }).detach();
  events->WaitStartedAndReset();
  return count;
}

}  // namespace ylcs
