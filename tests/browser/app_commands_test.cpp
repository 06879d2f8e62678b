#include "rules/browser/app_commands.h"

#include <gtest/gtest.h>

#include "rules/base/text_buffer.h"

namespace ylcs {
namespace {

using Kind = LoginCommandKind;

TEST(AppCommands, HostNavigationRule) {
  EXPECT_EQ(HostNavigationRule("app://exitgame"), NavigationVerdict::Cancel);
  EXPECT_EQ(HostNavigationRule("app:--loadgame|a|b"), NavigationVerdict::Cancel);
  EXPECT_EQ(HostNavigationRule("APP://exitgame"), NavigationVerdict::BrowserDecides);
  EXPECT_EQ(HostNavigationRule("javascript:void(0)"), NavigationVerdict::Allow);
  EXPECT_EQ(HostNavigationRule("JavaScript:void(0)"), NavigationVerdict::BrowserDecides);
  EXPECT_EQ(HostNavigationRule("http://127.0.0.1/client_login.html"), NavigationVerdict::BrowserDecides);
  EXPECT_EQ(HostNavigationRule(""), NavigationVerdict::BrowserDecides);
}

TEST(AppCommands, LoginCommands) {
  const struct {
    const char* url;
    Kind kind;
    const char* caption;
    const char* address;
  } cases[] = {
      {"app://loadgame|S3服-《云岭传说》一区-alice|g.html", Kind::LoadGame, "3服-一区-alice", "g.html"},
      // The form WebKit accepts as a URL, non-ASCII escaped on the way.
      {"app:--loadgame|S3%E6%9C%8D-%E3%80%8A%E4%BA%91%E5%B2%AD%E4%BC%A0%E8%AF%B4%E3%80%8B%E4%B8%80%E5%8C%BA-"
       "alice|"
       "http://h/game.html?account=alice",
       Kind::LoadGame, "3服-一区-alice", "http://h/game.html?account=alice"},
      {"app://loadgame|S3%E6%9C%8D-a-b|x", Kind::LoadGame, "3服-a-b", "x"},
      {"app://loadgame|alice-x|g", Kind::LoadGame, "服-lice-x", "g"},
      {"app://loadgame|S3服-alice|g", Kind::LoadGame, "3服--S3服-alice", "g"},
      {"app://loadgame|", Kind::LoadGame, "服--", ""},
      {"app://loadgame|no-second-bar", Kind::LoadGame, "服--", ""},
      {"app://loadgame", Kind::LoadGame, "服--", ""},
      {"app:中中loadgame|S12服-《云岭传说》双线一区一二-someone|a|b", Kind::LoadGame, "12服-双线一区-someone",
       "a|b"},
      {"app://exitgame", Kind::ExitGame, "", ""},
      {"app://exitgame-now", Kind::ExitGame, "", ""},
      {"app://minimize", Kind::Minimize, "", ""},
      {"app://exit", Kind::Unknown, "", ""},
      {"app:", Kind::Unknown, "", ""},
      {"APP://exitgame", Kind::NotACommand, "", ""},
      {"javascript:void(0)", Kind::NotACommand, "", ""},
  };
  for (const auto& c : cases) {
    const LoginCommand command = ParseLoginCommand(c.url);
    EXPECT_EQ(command.kind, c.kind) << c.url;
    EXPECT_EQ(command.parts.caption, c.caption) << c.url;
    EXPECT_EQ(command.game_address, c.address) << c.url;
  }
  const LoginCommand full = ParseLoginCommand("app://loadgame|S3服-《云岭传说》一区-alice|g.html");
  EXPECT_EQ(full.parts.server, "3");
  EXPECT_EQ(full.parts.server_name, "一区");
  EXPECT_EQ(full.parts.account, "alice");
  EXPECT_EQ(full.login_text, "S3服-《云岭传说》一区-alice");
}

TEST(AppCommands, LoginTextDecodingLimitsAndMalformedEscapes) {
  std::string out;
  const struct {
    std::string in;
    bool ok;
    std::string decoded;
  } cases[] = {
      {"plain text, no escapes", true, "plain text, no escapes"},
      {"100%", true, "100%"},
      {"%zz%4", true, "%zz%4"},
      {"%41%42c", true, "ABc"},
      {"%E6%9C", true, "\xEF\xBF\xBD\xEF\xBF\xBD"},  // each byte of a character cut short is replaced
      {"%FF%FEa", true,
       "\xEF\xBF\xBD\xEF\xBF\xBD"
       "a"},
      {"%00end", true, std::string("\0end", 4)},
      {std::string(255, 'a') + "", true, std::string(255, 'a')},
      {"%" + std::string(254, 'x'), true, "%" + std::string(254, 'x')},
      {"%" + std::string(255, 'x'), false, ""},  // does not fit the 256-byte buffers
  };
  for (const auto& c : cases) {
    out.clear();
    EXPECT_EQ(DecodeLoginText(c.in, out), c.ok) << c.in;
    if (c.ok) {
      EXPECT_EQ(out, c.decoded) << c.in;
    }
  }
  // A loadgame whose escaped text is too long is refused whole, with no game address.
  const LoginCommand refused = ParseLoginCommand("app://loadgame|%41" + std::string(300, 'x') + "|g.html");
  EXPECT_EQ(refused.kind, Kind::Refused);
  EXPECT_EQ(refused.game_address, "");
  // The same length without any escape is used as it stands.
  EXPECT_EQ(ParseLoginCommand("app://loadgame|" + std::string(300, 'x') + "|g").kind, Kind::LoadGame);
}

TEST(AppCommands, EnterGame) {
  const struct {
    const char* url;
    bool recognized;
    const char* launcher;
    const char* fallback;
  } cases[] = {
      {"app://entergame|sgKelvo.exe|http://h/dl", true, "SgKelvo.exe", "http://h/dl"},
      {"app://entergame|sg/Kelvo.exe", true, "SgKelvo.exe", "http://hall/"},
      {"app://entergame|SgKelvo.exe", true, "SgKelvo.exe", "http://hall/"},
      // Only a lower-case letter is raised: other first characters stay what they are.
      {"app://entergame|.exe|x", true, ".exe", "x"},
      {"app://entergame|N", true, "N", "http://hall/"},
      {"app://entergame|", true, "", "http://hall/"},
      {"app://entergame|中文|x", true, "中文", "x"},
      {"app://entergame", false, "", ""},
      {"app://loadgame|a|b", false, "", ""},
  };
  for (const auto& c : cases) {
    const EnterGameCommand command = ParseEnterGameCommand(c.url, "http://hall/");
    EXPECT_EQ(command.recognized, c.recognized) << c.url;
    EXPECT_EQ(command.launcher, c.launcher) << c.url;
    EXPECT_EQ(command.fallback_address, c.fallback) << c.url;
  }
}

TEST(TextBuffer, Utf16RoundTripAndInvalidInput) {
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a云\xF0\x9F\x98\x80")), "a云\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToUtf16("云").size(), 1u);
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80").size(), 2u);
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xC0\xAF\xED\xA0\x80x")), "\xEF\xBF\xBD\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace ylcs
