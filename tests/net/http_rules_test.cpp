#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/net/http_recipe.h"
#include "rules/net/http_url.h"

namespace ylcs {
namespace {

TEST(HttpUrl, SplitsHostPortAndPath) {
  const struct {
    const char* url;
    const char* host;
    std::uint16_t port;
    const char* path;
  } cases[] = {
      {"http://server:8080/a/b.txt", "server", 8080, "a/b.txt"},
      {"http://server", "server", 80, ""},
      {"http://server/", "server", 80, ""},
      {"HTTP://server/x?y=1&z=2", "server", 80, "x?y=1&z=2"},
      // The port reads like _wtoi: leading digits, nothing readable is 0, which means 80.
      {"http://server:81x/p", "server", 81, "p"},
      {"http://server:/p", "server", 80, "p"},
      {"http://server:abc/p", "server", 80, "p"},
      // Cut to 16 bits: 65536 + 8080 reaches 8080, -1 reaches 65535.
      {"http://server:73616/p", "server", 8080, "p"},
      {"http://server:-1/p", "server", 65535, "p"},
      // Only the first seven characters are skipped, whatever they are.
      {"xxxxxxxserver/p", "server", 80, "p"},
      {"http://a.b-c_d:1/p//q", "a.b-c_d", 1, "p//q"},
  };
  for (const auto& c : cases) {
    const auto target = SplitHttpUrl(c.url);
    ASSERT_TRUE(target.has_value()) << c.url;
    EXPECT_EQ(*target, (HttpTarget{c.host, c.port, c.path})) << c.url;
  }
}

TEST(HttpUrl, RefusesWhatCannotBeRequested) {
  for (const char* url :
       {"", "http://", "http:/", "http:///path", "http://:8080/p", "https://server/p", "http://user@server/p",
        "http://ser ver/p", "http://server?q/p", "http://[::1]:80/"}) {
    EXPECT_FALSE(SplitHttpUrl(url).has_value()) << url;
  }
  // The host part (port included) had 259 characters of room, the path 511.
  EXPECT_TRUE(SplitHttpUrl("http://" + std::string(259, 'h') + "/" + std::string(511, 'p')).has_value());
  EXPECT_FALSE(SplitHttpUrl("http://" + std::string(260, 'h') + "/p").has_value());
  EXPECT_FALSE(SplitHttpUrl("http://" + std::string(250, 'h') + ":123456789/p").has_value());
  EXPECT_FALSE(SplitHttpUrl("http://h/" + std::string(512, 'p')).has_value());
}

TEST(HttpUrl, SchemeCheckIgnoresCase) {
  EXPECT_TRUE(HasHttpScheme("http://x"));
  EXPECT_TRUE(HasHttpScheme("HTTP://x"));
  EXPECT_TRUE(HasHttpScheme("hTtP://"));
  EXPECT_FALSE(HasHttpScheme("https://x"));
  EXPECT_FALSE(HasHttpScheme("http:/x"));
  EXPECT_FALSE(HasHttpScheme(" http://x"));
}

TEST(HttpUrl, RequestTargetEscapesWhatCannotStandOnTheRequestLine) {
  EXPECT_EQ(RequestTarget(""), "/");
  EXPECT_EQ(RequestTarget("a/b.txt?x=1&y=%20"), "/a/b.txt?x=1&y=%20");
  EXPECT_EQ(RequestTarget("a b"), "/a%20b");
  EXPECT_EQ(RequestTarget("x\r\nHost: evil"), "/x%0D%0AHost:%20evil");
  EXPECT_EQ(RequestTarget("云"), "/%E4%BA%91");
}

TEST(HttpUrl, AllowsOnlyPortalHosts) {
  const std::vector<std::string> domains = {"kelvo.example", "127.0.0.1", "localhost"};
  for (const char* url :
       {"http://kelvo.example/a.exe", "http://dl.kelvo.example/a.exe", "http://a.b.kelvo.example:8080/a.exe",
        "HTTP://DL.Kelvo.Example/a.exe", "http://127.0.0.1:18731/download/x", "http://localhost"}) {
    EXPECT_TRUE(IsUrlOnDomains(url, domains)) << url;
  }
  for (const char* url : {// A portal domain in the path or the query is no portal host.
                          "http://evil.test/kelvo.example/a.exe", "http://evil.test/a.exe?from=kelvo.example",
                          "http://evil.test/x#dl.kelvo.example",
                          // Look-alike hosts.
                          "http://kelvo.example.evil.test/a.exe", "http://evilkelvo.example/a.exe",
                          "http://kelvo.example@evil.test/a.exe", "http://evil.test:80@kelvo.example/",
                          // Other schemes and broken URLs.
                          "https://kelvo.example/a.exe", "ftp://kelvo.example/a.exe", "kelvo.example", ""}) {
    EXPECT_FALSE(IsUrlOnDomains(url, domains)) << url;
  }
  EXPECT_FALSE(IsUrlOnDomains("http://kelvo.example/", {}));
  EXPECT_FALSE(IsUrlOnDomains("http://x/", {""}));
}

TEST(HttpRecipe, HeaderBlockKeepsItsBlankBeforeTheFirstLineEnd) {
  EXPECT_EQ(ExtraHeaderLines(),
            (std::vector<std::string>{"Accept-Language: zh-cn ",
                                      "Content-Type: application/x-www-form-urlencoded"}));
  EXPECT_TRUE(IsStatusAccepted(200));
  EXPECT_TRUE(IsStatusAccepted(500));
  EXPECT_TRUE(IsStatusAccepted(302));
  EXPECT_FALSE(IsStatusAccepted(404));
}

TEST(HttpRecipe, PercentIsIntegerDivisionAndToldOnlyWhenItChanges) {
  EXPECT_EQ(TransferPercent(0, 0), 100);
  EXPECT_EQ(TransferPercent(1, 3), 33);
  EXPECT_EQ(TransferPercent(2, 3), 66);
  EXPECT_EQ(TransferPercent(5, 3), 100);
  // Far beyond what 32 bits of received * 100 could hold.
  EXPECT_EQ(TransferPercent(std::uint64_t{3} << 32, std::uint64_t{4} << 32), 75);

  PercentChanges changes(1000);
  std::vector<int> told;
  for (std::uint64_t received = 0; received <= 1000; received += 4) {
    if (const auto p = changes.After(received)) told.push_back(*p);
  }
  ASSERT_EQ(told.size(), 101u);
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(told[static_cast<std::size_t>(i)], i);
  EXPECT_FALSE(changes.After(1000).has_value());
}

TEST(HttpRecipe, CutsTheBodyIntoChunksOfTheGivenSize) {
  std::vector<std::string> chunks;
  ChunkCutter cutter(4, [&](std::string_view chunk) {
    chunks.emplace_back(chunk);
    return true;
  });
  EXPECT_TRUE(cutter.Add("ab"));
  EXPECT_TRUE(cutter.Add("cdefghijk"));
  EXPECT_TRUE(cutter.Add(""));
  EXPECT_EQ(chunks, (std::vector<std::string>{"abcd", "efgh"}));
  EXPECT_TRUE(cutter.Finish());
  EXPECT_EQ(chunks, (std::vector<std::string>{"abcd", "efgh", "ijk"}));
  EXPECT_TRUE(cutter.Finish());
  EXPECT_EQ(chunks.size(), 3u);

  int calls = 0;
  ChunkCutter refusing(2, [&](std::string_view) { return ++calls < 2; });
  EXPECT_FALSE(refusing.Add("abcdef"));
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace ylcs
