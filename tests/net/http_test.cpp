// The HTTP requests against real peers on loopback.

#include "platform/http.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
#include <mutex>

#include "platform/server_config.h"
#include "raw_http_server.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using testing::HttpAnswer;
using testing::HttpAnswerWithLength;
using testing::RawHttpServer;
using testing::ReadWholeFile;
using testing::SendAll;

// A server that gives every request the same answer.
RawHttpServer::Answer Always(std::string answer) {
  return [answer = std::move(answer)](int fd, const std::string&) { SendAll(fd, answer); };
}

std::string ExpectedRequest(const std::string& target, const std::string& host) {
  return "GET " + target + " HTTP/1.1\r\nHost: " + host +
         "\r\nUser-Agent: RUD\r\n"
         "Accept-Language: zh-cn \r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n"
         "\r\n";
}

TEST(Http, SendsTheRecipeRequestToTheSplitHostPortAndPath) {
  RawHttpServer server(Always(HttpAnswerWithLength(200, "ok")));
  const std::string port = std::to_string(server.port());

  EXPECT_EQ(HttpGetText(server.Url("/a/b.txt"), UrlCheck::Any), "ok");
  // No "/" after the host asks for the root.
  EXPECT_EQ(HttpGetText("http://127.0.0.1:" + port, UrlCheck::Any), "ok");
  // The port is read like _wtoi and cut to 16 bits.
  EXPECT_EQ(HttpGetText("http://127.0.0.1:" + port + "junk/c", UrlCheck::Any), "ok");
  EXPECT_EQ(HttpGetText("http://127.0.0.1:" + std::to_string(server.port() + 65536) + "/d", UrlCheck::Any),
            "ok");
  // Text that may not stand on a request line is escaped, never sent raw.
  EXPECT_EQ(HttpGetText(server.Url("/e f\r\nX: y"), UrlCheck::Any), "ok");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 5u);
  const std::string host = "127.0.0.1:" + port;
  EXPECT_EQ(requests[0], ExpectedRequest("/a/b.txt", host));
  EXPECT_EQ(requests[1], ExpectedRequest("/", host));
  EXPECT_EQ(requests[2], ExpectedRequest("/c", host));
  EXPECT_EQ(requests[3], ExpectedRequest("/d", host));
  EXPECT_EQ(requests[4], ExpectedRequest("/e%20f%0D%0AX:%20y", host));
}

TEST(Http, PingChecksTheSchemeAndDoesNotNeedABody) {
  RawHttpServer server(Always(HttpAnswer("HTTP/1.1 404 Not Found", "Transfer-Encoding: chunked\r\n", "")));
  const std::string rest = server.host() + "/active.htm?tag=t&count=1";

  EXPECT_TRUE(HttpPing("HTTP://" + rest));
  EXPECT_TRUE(HttpPing("http://" + rest));
  EXPECT_EQ(server.connections(), 2);
  EXPECT_EQ(server.requests()[0], ExpectedRequest("/active.htm?tag=t&count=1", server.host()));

  // Other schemes fail before any connection is made.
  EXPECT_FALSE(HttpPing("https://" + rest));
  EXPECT_FALSE(HttpPing("ftp://" + rest));
  EXPECT_FALSE(HttpPing(rest));
  EXPECT_EQ(server.connections(), 2);
}

TEST(Http, PingFailsWithoutAnAnswer) {
  // A peer that reads the request and closes without a word.
  RawHttpServer silent([](int, const std::string&) {});
  EXPECT_FALSE(HttpPing(silent.Url("/x")));
  EXPECT_EQ(silent.connections(), 1);

  const int closed_port = [] {
    RawHttpServer gone(Always(""));
    return gone.port();
  }();
  EXPECT_FALSE(HttpPing("http://127.0.0.1:" + std::to_string(closed_port) + "/x"));
}

struct FileCase {
  const char* name;
  std::string answer;
  bool result;
  std::string file;  // the file's content afterwards
};

TEST(Http, FileTransferChecksStatusLengthAndCompleteness) {
  const std::string body(3000, 'b');
  const FileCase cases[] = {
      {"200 complete", HttpAnswerWithLength(200, body), true, body},
      {"500 with a complete body is used", HttpAnswerWithLength(500, "server error page"), true,
       "server error page"},
      {"redirect is not followed, its body is the file",
       HttpAnswer("HTTP/1.1 302 Found",
                  "Location: /elsewhere\r\nContent-Length: "
                  "5\r\n",
                  "moved"),
       true, "moved"},
      {"empty body", HttpAnswerWithLength(200, ""), true, ""},
      {"404 refused, file untouched", HttpAnswerWithLength(404, "not here"), false, "old"},
      {"chunked without length refused",
       HttpAnswer("HTTP/1.1 200 OK", "Transfer-Encoding: chunked\r\n", "5\r\nhello\r\n0\r\n\r\n"), false,
       "old"},
      {"no length, body until close, refused", HttpAnswer("HTTP/1.1 200 OK", "Connection: close\r\n", "abc"),
       false, "old"},
      {"short body leaves the partial file",
       HttpAnswer("HTTP/1.1 200 OK", "Content-Length: 1000\r\n", std::string(600, 's')), false,
       std::string(600, 's')},
  };
  testing::TempHome home;
  const std::string path = home.path() + "/file.bin";
  for (const auto& c : cases) {
    RawHttpServer server(Always(c.answer));
    testing::WriteWholeFile(path, "old");
    EXPECT_EQ(HttpGetFile(server.Url("/f"), path, FileFetch{}), c.result) << c.name;
    EXPECT_EQ(ReadWholeFile(path), c.file) << c.name;
    EXPECT_EQ(server.connections(), 1) << c.name;
  }
}

TEST(Http, FileTransferFailsWhenTheFileCannotBeOpened) {
  RawHttpServer server(Always(HttpAnswerWithLength(200, "x")));
  testing::TempHome home;
  EXPECT_FALSE(HttpGetFile(server.Url("/f"), home.path() + "/missing/folder/file", FileFetch{}));
}

TEST(Http, ProgressAfterEachChunkOnlyWhenThePercentageChanges) {
  const std::string body(5200, 'p');
  RawHttpServer server(Always(HttpAnswerWithLength(200, body)));
  testing::TempHome home;
  const std::string path = home.path() + "/file.bin";

  const auto percentages = [&](std::size_t chunk) {
    std::vector<int> told;
    FileFetch fetch;
    fetch.chunk_size = chunk;
    fetch.progress = [&](int percent) { told.push_back(percent); };
    EXPECT_TRUE(HttpGetFile(server.Url("/f"), path, fetch));
    EXPECT_EQ(ReadWholeFile(path), body);
    return told;
  };
  EXPECT_EQ(percentages(512), (std::vector<int>{9, 19, 29, 39, 49, 59, 68, 78, 88, 98, 100}));
  EXPECT_EQ(percentages(1024), (std::vector<int>{19, 39, 59, 78, 98, 100}));
  // 10400 chunks of one byte, yet each percentage once.
  const auto fine = percentages(1);
  ASSERT_EQ(fine.size(), 101u);
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(fine[static_cast<std::size_t>(i)], i);

  RawHttpServer empty(Always(HttpAnswerWithLength(200, "")));
  std::vector<int> told;
  FileFetch fetch;
  fetch.progress = [&](int percent) { told.push_back(percent); };
  EXPECT_TRUE(HttpGetFile(empty.Url("/f"), path, fetch));
  EXPECT_EQ(told, std::vector<int>{100});
}

TEST(Http, TextBodyMustBeShorterThan1024Bytes) {
  const std::string text1023(1023, 't');
  const struct {
    const char* name;
    std::string answer;
    std::optional<std::string> text;
  } cases[] = {
      {"1023 bytes", HttpAnswerWithLength(200, text1023), text1023},
      {"1024 bytes", HttpAnswerWithLength(200, text1023 + "t"), std::nullopt},
      {"utf-8", HttpAnswerWithLength(200, "1|2099-1-1|云岭传说|||"), "1|2099-1-1|云岭传说|||"},
      {"cut at a zero byte", HttpAnswerWithLength(200, std::string("ab\0cd", 5)), "ab"},
      {"500 is used", HttpAnswerWithLength(500, "oops"), "oops"},
      {"404", HttpAnswerWithLength(404, "nope"), std::nullopt},
      {"chunked", HttpAnswer("HTTP/1.1 200 OK", "Transfer-Encoding: chunked\r\n", "2\r\nhi\r\n0\r\n\r\n"),
       std::nullopt},
      {"short body gives what arrived", HttpAnswer("HTTP/1.1 200 OK", "Content-Length: 10\r\n", "abc"),
       "abc"},
  };
  for (const auto& c : cases) {
    RawHttpServer server(Always(c.answer));
    EXPECT_EQ(HttpGetText(server.Url("/notice/ylcskelvo.txt"), UrlCheck::Any), c.text) << c.name;
  }
}

TEST(Http, AllowListLooksAtTheHostOnly) {
  const auto& domains = GetServerConfig().portal_domains;
  ASSERT_NE(std::find(domains.begin(), domains.end(), "127.0.0.1"), domains.end());
  ASSERT_EQ(std::find(domains.begin(), domains.end(), "127.0.0.2"), domains.end());
  RawHttpServer portal(Always(HttpAnswerWithLength(200, "x")));
  RawHttpServer other(Always(HttpAnswerWithLength(200, "x")), "127.0.0.2");
  testing::TempHome home;
  const std::string path = home.path() + "/file.bin";
  FileFetch checked;
  checked.url_check = UrlCheck::PortalHostsOnly;

  EXPECT_TRUE(HttpGetFile(portal.Url("/a.exe"), path, checked));
  EXPECT_TRUE(HttpGetText(portal.Url("/t"), UrlCheck::PortalHostsOnly).has_value());
  // The portal domain in the path or query does not make another host a portal host.
  EXPECT_FALSE(HttpGetFile(other.Url("/127.0.0.1/a.exe"), path, checked));
  EXPECT_FALSE(HttpGetFile(other.Url("/a.exe?mirror=127.0.0.1"), path, checked));
  EXPECT_FALSE(HttpGetText(other.Url("/127.0.0.1/t"), UrlCheck::PortalHostsOnly).has_value());
  EXPECT_EQ(other.connections(), 0);
  // Without the check the same host is reached: the refusal came before the network.
  EXPECT_TRUE(HttpGetFile(other.Url("/127.0.0.1/a.exe"), path, FileFetch{}));
  EXPECT_EQ(other.connections(), 1);
}

// A peer that announces a huge body and keeps sending, or stalls after the first bytes; either way
// it notes when the client has closed the connection.
class EndlessBody {
 public:
  explicit EndlessBody(bool stall)
      : server_([this, stall](int fd, const std::string&) {
          SendAll(fd, HttpAnswer("HTTP/1.1 200 OK", "Content-Length: 4000000000\r\n", ""));
          const std::string block(65536, 'e');
          if (stall) {
            SendAll(fd, block);
            char c = 0;
            while (::recv(fd, &c, 1, 0) > 0) {
            }
          } else {
            while (SendAll(fd, block)) {
            }
          }
          closed_.set_value();
        }) {}
  std::string Url() const { return server_.Url("/big.exe"); }
  bool WaitUntilClientClosed() {
    return closed_.get_future().wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  }

 private:
  std::promise<void> closed_;
  testing::RawHttpServer server_;
};

void CancelInTheMiddle(bool stall) {
  EndlessBody peer(stall);
  testing::TempHome home;
  const std::string path = home.path() + "/big.exe";
  TransferHandles handles;
  std::promise<void> first_progress;
  bool held_during_transfer = false;
  bool first = true;
  FileFetch fetch;
  fetch.chunk_size = 1024;
  fetch.handles = &handles;
  fetch.progress = [&](int) {
    if (!first) return;
    first = false;
    held_during_transfer = handles.HoldsAny();
    first_progress.set_value();
  };
  auto transfer = std::async(std::launch::async, [&] { return HttpGetFile(peer.Url(), path, fetch); });
  const bool progressed =
      first_progress.get_future().wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  handles.Cancel();
  ASSERT_TRUE(progressed);

  // A hang here (the transfer never noticing the cancel) fails the test instead of blocking it.
  ASSERT_EQ(transfer.wait_for(std::chrono::seconds(20)), std::future_status::ready);
  EXPECT_FALSE(transfer.get());
  EXPECT_TRUE(held_during_transfer);
  EXPECT_FALSE(handles.HoldsAny());
  EXPECT_TRUE(peer.WaitUntilClientClosed());
  const auto size = std::filesystem::file_size(path);
  EXPECT_GE(size, 1024u);
  EXPECT_LT(size, 4000000000u);

  // The cancel holds for later transfers through the same handles.
  EXPECT_FALSE(HttpGetFile(peer.Url(), path, fetch));
}

TEST(Http, CancelEndsAFlowingTransfer) { CancelInTheMiddle(/*stall=*/false); }

TEST(Http, CancelEndsAStalledTransfer) { CancelInTheMiddle(/*stall=*/true); }

}  // namespace
}  // namespace ylcs
