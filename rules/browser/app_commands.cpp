#include "rules/browser/app_commands.h"

#include <algorithm>

#include "rules/base/text_buffer.h"

namespace ylcs {

namespace {

constexpr std::size_t kLoginBufferBytes = 256;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%XX" with two hex digits becomes that byte; anything else stays as it is.
std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::u16string Substr(const std::u16string& s, std::size_t from, std::size_t to) {
  if (from >= s.size() || to <= from) return {};
  return s.substr(from, std::min(to, s.size()) - from);
}

}  // namespace

NavigationVerdict HostNavigationRule(std::string_view url) {
  if (url.substr(0, 4) == "app:") return NavigationVerdict::Cancel;
  if (url.substr(0, 10) == "javascript") return NavigationVerdict::Allow;
  return NavigationVerdict::BrowserDecides;
}

bool DecodeLoginText(std::string_view text, std::string& decoded) {
  if (text.find('%') == std::string_view::npos) {
    decoded = std::string(text);
    return true;
  }
  if (text.size() >= kLoginBufferBytes) return false;
  decoded = Utf16ToUtf8(Utf8ToUtf16(Unescape(text)));
  return true;
}

LoginText SplitLoginText(std::string_view text_utf8) {
  const std::u16string text = Utf8ToUtf16(text_utf8);
  constexpr std::u16string_view kServerMark = u"服-";
  const std::size_t p = text.find(kServerMark);

  LoginText parts;
  std::u16string server = p == std::u16string::npos ? std::u16string() : text.substr(0, p);
  std::erase(server, u'S');
  // Without "服-" the search starts at the second character, as if the mark stood at -1.
  const std::size_t q = p == std::u16string::npos ? 1 : p + 2;
  const std::size_t r = q < text.size() ? text.find(u'-', q) : std::u16string::npos;

  std::u16string name = r == std::u16string::npos ? std::u16string() : Substr(text, q, r);
  if (const std::size_t mark = name.find(u'》'); mark != std::u16string::npos) {
    name = name.substr(mark + 1, 4);
  }
  const std::u16string account = r == std::u16string::npos ? text : text.substr(r + 1);

  parts.server = Utf16ToUtf8(server);
  parts.server_name = Utf16ToUtf8(name);
  parts.account = Utf16ToUtf8(account);
  parts.caption = parts.server + "服-" + parts.server_name + "-" + parts.account;
  return parts;
}

LoginCommand ParseLoginCommand(std::string_view url_utf8) {
  LoginCommand command;
  if (url_utf8.substr(0, 4) != "app:") return command;
  const std::u16string url = Utf8ToUtf16(url_utf8);
  const std::u16string word = Substr(url, 6, 14);
  if (word == u"exitgame") {
    command.kind = LoginCommandKind::ExitGame;
  } else if (word == u"minimize") {
    command.kind = LoginCommandKind::Minimize;
  } else if (word != u"loadgame") {
    command.kind = LoginCommandKind::Unknown;
  } else {
    // Position 14 holds the first bar; the second is searched from 15 on.
    const std::size_t bar = url.size() > 15 ? url.find(u'|', 15) : std::u16string::npos;
    std::u16string text;
    if (bar != std::u16string::npos) {
      text = Substr(url, 15, bar);
      command.game_address = Utf16ToUtf8(url.substr(bar + 1));
    }
    if (!DecodeLoginText(Utf16ToUtf8(text), command.login_text)) {
      command.kind = LoginCommandKind::Refused;
      command.game_address.clear();
      return command;
    }
    command.kind = LoginCommandKind::LoadGame;
    command.parts = SplitLoginText(command.login_text);
  }
  return command;
}

EnterGameCommand ParseEnterGameCommand(std::string_view url_utf8, std::string_view gamehall_home) {
  EnterGameCommand command;
  if (url_utf8.find("app://entergame|") == std::string_view::npos) return command;
  const std::u16string url = Utf8ToUtf16(url_utf8);
  const std::u16string args = url.size() > 16 ? url.substr(16) : std::u16string();
  const std::size_t bar = args.find(u'|');
  std::u16string launcher = args.substr(0, bar);
  command.fallback_address =
      bar == std::u16string::npos ? std::string(gamehall_home) : Utf16ToUtf8(args.substr(bar + 1));
  std::erase(launcher, u'/');
  // The page writes the launcher's name in lower case; its file name starts with a capital.
  if (!launcher.empty() && launcher[0] >= u'a' && launcher[0] <= u'z') {
    launcher[0] = static_cast<char16_t>(launcher[0] - 32);
  }
  command.recognized = true;
  command.launcher = Utf16ToUtf8(launcher);
  return command;
}

}  // namespace ylcs
