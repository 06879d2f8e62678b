// The stand-in client service, run as its own program and asked through the launcher's own
// requests: every path and format the launcher depends on, staging by options and folder, the
// request record, loopback only, a clean stop.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/http.h"
#include "platform/ini_file.h"
#include "stand_in_service.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using testing::ReadWholeFile;
using testing::StandInService;
using testing::WriteWholeFile;

class ServiceTest : public ::testing::Test {
 protected:
  // The body of any size through the launcher's file transfer, or nothing.
  std::optional<std::string> Fetch(const std::string& url) {
    const std::string file = home_.path() + "/fetched";
    if (!HttpGetFile(url, file, FileFetch{})) return std::nullopt;
    return ReadWholeFile(file);
  }

  // Width and height of a PNG picture, from its header.
  static std::pair<int, int> PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    const auto word = [&](std::size_t at) {
      return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
             (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    return {word(16), word(20)};
  }

  std::string IniValue(const std::string& text, const char* key) {
    const std::string file = home_.path() + "/config.ini";
    WriteWholeFile(file, text);
    return FindIniValue(file, "VerKey", key).value_or("<missing>");
  }

  testing::TempHome home_;
};

TEST_F(ServiceTest, ServesTheLoginPageForTheLayeredLoginWindow) {
  StandInService service;
  ASSERT_NE(service.port(), 0);
  const auto page = Fetch(service.Url("/client_login.html"));
  ASSERT_TRUE(page.has_value());
  for (const char* part :
       {"id=\"server\"", "id=\"account\"", "type=\"password\"", "class=\"button\" id=\"login\"",
        "class=\"button\" id=\"register\" disabled=\"disabled\"", "class=\"button\" id=\"minimize\"",
        "class=\"button\" id=\"close\"", "login.js", "login.css"}) {
    EXPECT_NE(page->find(part), std::string::npos) << part;
  }
  const auto style = Fetch(service.Url("/login/login.css"));
  ASSERT_TRUE(style.has_value());
  EXPECT_NE(style->find("width: 888px"), std::string::npos);
  EXPECT_NE(style->find("height: 518px"), std::string::npos);
  EXPECT_NE(style->find("background: #fefefe"), std::string::npos);
  // The caption buttons lie in the no-drag box, x 480 to 528 and y 0 to 30.
  EXPECT_NE(style->find("left: 480px;\n  top: 5px;\n  width: 20px;\n  height: 20px"), std::string::npos);
  EXPECT_NE(style->find("left: 502px;\n  top: 5px;\n  width: 20px;\n  height: 20px"), std::string::npos);

  // Every picture button is a strip of three frames as wide as the button.
  const struct {
    const char* picture;
    int width;
    int height;
  } strips[] = {{"/login/button-login.png", 120, 38},
                {"/login/button-register.png", 120, 38},
                {"/login/button-minimize.png", 20, 20},
                {"/login/button-close.png", 20, 20}};
  for (const auto& strip : strips) {
    const auto png = Fetch(service.Url(strip.picture));
    ASSERT_TRUE(png.has_value()) << strip.picture;
    EXPECT_EQ(PngSize(*png), std::make_pair(3 * strip.width, strip.height)) << strip.picture;
  }

  const auto script = Fetch(service.Url("/login/login.js"));
  ASSERT_TRUE(script.has_value());
  for (const char* part :
       {"'app://' + command", "'loadgame|'", "'minimize'", "'exitgame'", "'/game/play.html?server='"}) {
    EXPECT_NE(script->find(part), std::string::npos) << part;
  }
}

TEST_F(ServiceTest, ServesTheGameAndTheGameList) {
  StandInService service;
  const auto game = Fetch(service.Url("/game/play.html?server=3&account=alice"));
  ASSERT_TRUE(game.has_value());
  EXPECT_NE(game->find("<canvas"), std::string::npos);
  EXPECT_NE(game->find("id=\"notify\""), std::string::npos);
  const auto script = Fetch(service.Url("/game/game.js"));
  ASSERT_TRUE(script.has_value());
  EXPECT_NE(script->find("alert("), std::string::npos);
  EXPECT_NE(script->find("createOscillator"), std::string::npos);

  const auto list = Fetch(service.Url("/webgame.htm"));
  ASSERT_TRUE(list.has_value());
  // One launcher with a fallback page on this service, one without.
  EXPECT_NE(list->find("href=\"app://entergame|fengyun|http://" + service.host() + "/games/fengyun.htm\""),
            std::string::npos);
  EXPECT_NE(list->find("href=\"app://entergame|tianhe\""), std::string::npos);
  EXPECT_TRUE(Fetch(service.Url("/games/fengyun.htm")).has_value());
  EXPECT_TRUE(Fetch(service.Url("/")).has_value());
  EXPECT_FALSE(Fetch(service.Url("/no/such/page.htm")).has_value());
}

TEST_F(ServiceTest, PublishesTheReleaseWithItsVersionKey) {
  const std::string release = home_.path() + "/release";
  WriteWholeFile(release, std::string(100000, 'r'));
  // md5 of 100000 "r": its first 28 digits, then the version digits 3001.
  gchar* digest = g_compute_checksum_for_string(G_CHECKSUM_MD5, std::string(100000, 'r').c_str(), -1);
  const std::string key = std::string(digest).substr(0, 28) + "3001";
  g_free(digest);

  StandInService service({"--release", release});
  const auto config = Fetch(service.Url("/update/ConfigYlcsKelvo.htm"));
  ASSERT_TRUE(config.has_value());
  EXPECT_EQ(IniValue(*config, "YlcsKelvo"), key);
  EXPECT_EQ(IniValue(*config, "UpdAddr"), service.Url("/download/ylcskelvo"));
  EXPECT_EQ(Fetch(IniValue(*config, "UpdAddr")), std::string(100000, 'r'));

  StandInService staged({"--release", release, "--release-key", "FFFF"});
  EXPECT_EQ(IniValue(Fetch(staged.Url("/update/ConfigYlcsKelvo.htm")).value_or(""), "YlcsKelvo"), "FFFF");

  // Nothing published: an empty key, which offers no update.
  StandInService bare;
  const auto none = Fetch(bare.Url("/update/ConfigYlcsKelvo.htm"));
  ASSERT_TRUE(none.has_value());
  EXPECT_EQ(IniValue(*none, "YlcsKelvo"), "");
  EXPECT_EQ(IniValue(*none, "UpdAddr"), "");
  EXPECT_FALSE(Fetch(bare.Url("/download/ylcskelvo")).has_value());
}

TEST_F(ServiceTest, GameInstallerPutsALauncherInPlace) {
  StandInService service;
  EXPECT_FALSE(Fetch(service.Url("/update/ConfigNoSuchGame.htm")).has_value());
  const auto config = Fetch(service.Url("/update/ConfigTianhe.htm"));
  ASSERT_TRUE(config.has_value());
  const std::string address = IniValue(*config, "UpdAddr");
  EXPECT_EQ(address, service.Url("/download/Tianhe.exe"));

  // Downloaded as the launcher downloads it (game code + ".exe" in the temporary folder), then run.
  const std::string installer = home_.path() + "/Tianhe.exe";
  FileFetch fetch;
  fetch.chunk_size = 1024;
  fetch.url_check = UrlCheck::PortalHostsOnly;
  ASSERT_TRUE(HttpGetFile(address, installer, fetch));
  ASSERT_EQ(chmod(installer.c_str(), 0755), 0);
  g_unsetenv("DISPLAY");
  const auto run = [](const std::string& program) {
    const std::string command = "'" + program + "'";
    return std::system(command.c_str());
  };
  ASSERT_EQ(run(installer), 0);
  const std::string launcher = home_.path() + "/.local/share/Kelvo/ViviVador/Tianhe.exe";
  ASSERT_TRUE(std::filesystem::exists(launcher));
  ASSERT_EQ(run(launcher), 0);
  EXPECT_EQ(ReadWholeFile(home_.path() + "/.local/share/Kelvo/ViviVador/Tianhe.starts").size(), 20u);
}

TEST_F(ServiceTest, PublishesTheNoticeAndItsPicture) {
  StandInService service;
  const auto notice = HttpGetText(service.Url("/notice/ylcskelvo.txt"), UrlCheck::PortalHostsOnly);
  ASSERT_TRUE(notice.has_value());
  // Seven fields; the picture lies on this service.
  std::vector<std::string> fields;
  gchar** parts = g_strsplit(notice->c_str(), "|", -1);
  for (gchar** p = parts; *p; ++p) fields.emplace_back(*p);
  g_strfreev(parts);
  ASSERT_EQ(fields.size(), 7u);
  EXPECT_EQ(fields[5], service.Url("/notice/ylcskelvo.jpg"));
  const auto picture = Fetch(fields[5]);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->substr(0, 3), "\xFF\xD8\xFF");

  // A notice staged from a file is published byte for byte.
  const std::string staged = home_.path() + "/notice.txt";
  WriteWholeFile(staged, std::string(1023, 'n'));
  StandInService other({"--notice", staged});
  EXPECT_EQ(HttpGetText(other.Url("/notice/ylcskelvo.txt"), UrlCheck::Any), std::string(1023, 'n'));
}

TEST_F(ServiceTest, StagingFolderAndMissingPaths) {
  const std::string folder = home_.path() + "/stage";
  std::filesystem::create_directories(folder + "/update");
  WriteWholeFile(folder + "/webgame.htm", "<a href=\"app://entergame|x|http://{{host}}/\">x</a>");
  WriteWholeFile(folder + "/update/ConfigYlcsKelvo.htm", "[VerKey]\r\nYlcsKelvo=abc\r\n");
  WriteWholeFile(folder + "/big.bin", std::string(3 << 20, 'b'));
  WriteWholeFile(home_.path() + "/secret", "secret");

  StandInService service({"--content", folder, "--missing", "/notice/ylcskelvo.txt"});
  EXPECT_EQ(Fetch(service.Url("/webgame.htm")),
            "<a href=\"app://entergame|x|http://" + service.host() + "/\">x</a>");
  EXPECT_EQ(Fetch(service.Url("/update/ConfigYlcsKelvo.htm")), "[VerKey]\r\nYlcsKelvo=abc\r\n");
  EXPECT_EQ(Fetch(service.Url("/big.bin")), std::string(3 << 20, 'b'));
  // What the folder does not hold still comes from the built-in content.
  EXPECT_TRUE(Fetch(service.Url("/client_login.html")).has_value());
  EXPECT_FALSE(HttpGetText(service.Url("/notice/ylcskelvo.txt"), UrlCheck::Any).has_value());
  // No way out of the folder.
  for (const char* path : {"/../secret", "/%2e%2e/secret", "/update/../../secret", "//secret"}) {
    EXPECT_FALSE(Fetch(service.Url(path)).has_value()) << path;
  }
}

TEST_F(ServiceTest, RecordsEveryRequest) {
  const std::string log = home_.path() + "/requests.log";
  StandInService service({"--requests-log", log});
  EXPECT_TRUE(HttpPing(service.Url("/install.htm?tag=ylcskelvo&ver=3.0.0.1&count=1")));
  EXPECT_TRUE(HttpPing(service.Url("/uninstall.htm?tag=ylcskelvo&ver=3.0.0.1&count=2")));
  const std::string text = ReadWholeFile(log);
  EXPECT_NE(
      text.find("{\"method\":\"GET\",\"target\":\"/install.htm?tag=ylcskelvo&ver=3.0.0.1&count=1\","
                "\"path\":\"/install.htm\",\"query\":\"tag=ylcskelvo&ver=3.0.0.1&count=1\",\"headers\":{"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("\"path\":\"/uninstall.htm\",\"query\":\"tag=ylcskelvo&ver=3.0.0.1&count=2\""),
            std::string::npos);
  EXPECT_NE(text.find("\"Host\":\"" + service.host() + "\""), std::string::npos);
  EXPECT_NE(text.find("\"User-Agent\":\"RUD\""), std::string::npos);
  EXPECT_NE(text.find("\"Accept-Language\":\"zh-cn"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST_F(ServiceTest, ListensOnLoopbackOnlyAndStopsCleanly) {
  StandInService service;
  ASSERT_NE(service.port(), 0);
  EXPECT_TRUE(HttpPing(service.Url("/active.htm")));
  // 127.0.0.2 is this machine too, but not the address the service listens on.
  EXPECT_FALSE(HttpPing("http://127.0.0.2:" + std::to_string(service.port()) + "/active.htm"));
  EXPECT_EQ(service.Stop(), 0);
  EXPECT_FALSE(HttpPing(service.Url("/active.htm")));

  // A port that is taken is refused with a message, not served twice.
  StandInService first;
  StandInService second({"--port", std::to_string(first.port())});
  EXPECT_EQ(second.port(), 0);
}

}  // namespace
}  // namespace ylcs
