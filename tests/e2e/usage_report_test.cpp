// A start from the desktop shortcut reports itself to the client service, whatever the service
// does: the stand-in service records the report, a dead port or a silent peer does not hold the
// start up.

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_ops.h"
#include "platform/ini_file.h"
#include "platform/registry_store.h"
#include "raw_http_server.h"
#include "rules/app/update_days.h"
#include "stand_in_service.h"
#include "temp_home.h"

namespace ylcs {
namespace {

struct Outcome {
  int exit_code = -1;
  std::string errors;
};

// Runs the program to its end and collects what it wrote to stderr.
Outcome RunToEnd(const std::vector<std::string>& args) {
  int err[2];
  if (pipe2(err, O_CLOEXEC) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(err[1], STDERR_FILENO);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(err[1]);
  Outcome outcome;
  char buffer[512];
  ssize_t got = 0;
  while ((got = read(err[0], buffer, sizeof buffer)) > 0)
    outcome.errors.append(buffer, static_cast<std::size_t>(got));
  close(err[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::vector<std::string> LinesWith(const std::string& text, const std::string& part) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.find(part) != std::string::npos) lines.push_back(line);
  }
  return lines;
}

int UnusedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t size = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  close(fd);
  return ntohs(address.sin_port);
}

class ShortcutStart : public ::testing::Test {
 protected:
  void SetUp() override {
    g_unsetenv("DISPLAY");
    folder_ = home_.path() + "/.local/share/Kelvo/ViviVador";
    std::filesystem::create_directories(folder_);
    program_ = folder_ + "/ylcskelvo";
    ASSERT_TRUE(CopyFileReplacing(YLCSKELVO, program_, 0755));
    // An update today: the daily update check is not due, so the start asks nothing but the report.
    const auto today = SystemTimeFromUnixMillis(g_get_real_time() / 1000);
    const auto bytes = EncodeSystemTime(today);
    ASSERT_TRUE(WriteRegistryBinary(Hive::LocalMachine, kRegistryKeyPath, kUpdTimeValue, bytes));
  }

  Outcome StartFromShortcut(const std::string& service_host) {
    g_setenv("YLCS_SERVICE_HOST", service_host.c_str(), TRUE);
    return RunToEnd({program_, "/YlcsKelvoD"});
  }

  std::optional<std::string> GameCounter() const {
    return FindIniValue(folder_ + "/Statistic.ini", "YlcsKelvo", "Game");
  }

  testing::TempHome home_;
  std::string folder_;
  std::string program_;
};

TEST_F(ShortcutStart, ReportsTheStartToTheClientService) {
  const std::string log = home_.path() + "/requests.log";
  testing::StandInService service({"--requests-log", log});
  ASSERT_NE(service.port(), 0);

  EXPECT_EQ(StartFromShortcut(service.host()).exit_code, 0);
  EXPECT_EQ(GameCounter(), "1");
  const auto reports = LinesWith(testing::ReadWholeFile(log), "\"path\":\"/active.htm\"");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("\"target\":\"/active.htm?tag=ylcskelvo&ver=3.0.0.1&count=1\""),
            std::string::npos)
      << reports[0];
  EXPECT_NE(reports[0].find("\"User-Agent\":\"RUD\""), std::string::npos) << reports[0];
  EXPECT_NE(reports[0].find("\"Content-Type\":\"application/x-www-form-urlencoded\""), std::string::npos)
      << reports[0];

  // The stored count goes on: 41 becomes 42, stored and sent.
  ASSERT_TRUE(WriteIniValue(folder_ + "/Statistic.ini", "YlcsKelvo", "Game", "41"));
  EXPECT_EQ(StartFromShortcut(service.host()).exit_code, 0);
  EXPECT_EQ(GameCounter(), "42");
  const auto more = LinesWith(testing::ReadWholeFile(log), "\"path\":\"/active.htm\"");
  ASSERT_EQ(more.size(), 2u);
  EXPECT_NE(more[1].find("\"query\":\"tag=ylcskelvo&ver=3.0.0.1&count=42\""), std::string::npos) << more[1];
  EXPECT_EQ(service.Stop(), 0);
}

TEST_F(ShortcutStart, GoesOnWhenTheServiceIsDown) {
  const Outcome outcome = StartFromShortcut("127.0.0.1:" + std::to_string(UnusedPort()));
  EXPECT_EQ(outcome.exit_code, 0) << outcome.errors;
  EXPECT_EQ(GameCounter(), "1");
}

TEST_F(ShortcutStart, DoesNotWaitForTheAnswer) {
  // A peer that takes the request and never answers; it notes whether the program let go.
  std::promise<bool> closed_by_program;
  testing::RawHttpServer silent([&](int fd, const std::string&) {
    pollfd p{fd, POLLIN, 0};
    bool by_peer = false;
    while (poll(&p, 1, 30000) > 0) {
      char c = 0;
      const ssize_t got = recv(fd, &c, 1, 0);
      by_peer = got == 0;
      if (got <= 0) break;
    }
    closed_by_program.set_value(by_peer);
  });

  // The process ends although its report was never answered: the start went on without it.
  const Outcome outcome = StartFromShortcut(silent.host());
  EXPECT_EQ(outcome.exit_code, 0) << outcome.errors;
  EXPECT_EQ(GameCounter(), "1");
  ASSERT_EQ(silent.requests().size(), 1u);
  EXPECT_EQ(silent.requests()[0].rfind("GET /active.htm?tag=ylcskelvo&ver=3.0.0.1&count=1 HTTP/1.1\r\n", 0),
            0u);
  auto closed = closed_by_program.get_future();
  ASSERT_EQ(closed.wait_for(std::chrono::seconds(30)), std::future_status::ready);
  EXPECT_TRUE(closed.get());
}

}  // namespace
}  // namespace ylcs
