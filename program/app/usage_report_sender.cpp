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

ReportEvents::~ReportEvents() { SettleBeforeExit(std::chrono::milliseconds(0)); }

void ReportEvents::StartReportThread(std::string address) {
  std::lock_guard lock(mutex_);
  ++under_way_;
  threads_.emplace_back([this, address = std::move(address)] {
    SetStarted();
    HttpPing(address, &transfer_);
    SetFinished();
    std::lock_guard done(mutex_);
    --under_way_;
    changed_.notify_all();
  });
}

void ReportEvents::SettleBeforeExit(std::chrono::milliseconds grace) {
  std::vector<std::thread> threads;
  {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, grace, [this] { return under_way_ == 0; })) transfer_.Cancel();
    threads.swap(threads_);
  }
  for (std::thread& thread : threads) thread.join();
}

std::uint32_t SendUsageReport(UsageReport report, const std::shared_ptr<ReportEvents>& events) {
  const std::uint32_t count = IncrementCounter(UsageReportCounter(report));
  const std::string address = UsageReportAddress(GetServerConfig().service_host, report, count);
  events->StartReportThread(address);
  events->WaitStartedAndReset();
  return count;
}

}  // namespace ylcs
