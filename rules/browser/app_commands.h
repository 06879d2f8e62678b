#pragma once
// The private "app:" scheme through which the program's pages talk to it: the host's navigation
// rule, the login window's commands with the login text and tab caption, and the game list's
// "entergame" command. Positions are counted in UTF-16 characters, as the page's script sees them.

#include <string>
#include <string_view>

namespace ylcs {

// What the host does with a navigation before the page's own owner looks at it.
enum class NavigationVerdict { Cancel, Allow, BrowserDecides };
// "app:" (exact case) is cancelled; "javascript" runs; anything else is the browser's.
NavigationVerdict HostNavigationRule(std::string_view url);

enum class LoginCommandKind {
  NotACommand,  // not an "app:" URL
  Unknown,      // an "app:" URL with no known command: cancelled, nothing else
  LoadGame,
  ExitGame,
  Minimize,
  Refused,  // "loadgame" whose login text cannot be decoded within its limits
};

struct LoginText {
  std::string server;       // digits of "S12服-", without the capital S
  std::string server_name;  // e.g. 双线一区
  std::string account;
  std::string caption;  // server + "服-" + server name + "-" + account
};

struct LoginCommand {
  LoginCommandKind kind = LoginCommandKind::NotACommand;
  std::string login_text;    // decoded
  std::string game_address;  // as sent
  LoginText parts;           // LoadGame only
};

LoginCommand ParseLoginCommand(std::string_view url);

// Percent-escaped UTF-8 through the 256-byte buffers of the login: a text with "%" is unescaped
// and read as UTF-8 (invalid sequences become U+FFFD). False when the text is 256 bytes or more.
bool DecodeLoginText(std::string_view text, std::string& decoded);

// Server, server name and account of a login text like "S12服-《云岭传说》双线一区-someone".
LoginText SplitLoginText(std::string_view text);

struct EnterGameCommand {
  bool recognized = false;
  std::string launcher;          // file name of the other game's launcher
  std::string fallback_address;  // where to get it when it is not installed
};

// "app://entergame|<launcher>[|<fallback>]"; without a fallback, the game-hall home page.
EnterGameCommand ParseEnterGameCommand(std::string_view url, std::string_view gamehall_home);

}  // namespace ylcs
