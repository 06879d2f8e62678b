#pragma once
// The HTML view of a game frame: shows the game page, or the game list page with its
// "entergame" command that starts the maker's launcher for another game or offers its download.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/web_view.h"

namespace ylcs {

class CGmWndView {
 public:
  struct Events {
    std::function<void(const std::string& uri)> navigate_complete;
    std::function<void(const std::string& title)> title_change;
  };

  // `game_list` selects the look of the game list page (border and scroll bars); a game page
  // has neither. `owner` is the main window the view's messages are shown over.
  CGmWndView(bool game_list, std::uint32_t owner, Events events);

  GtkWidget* widget() const { return web_.widget(); }
  WebView& web() { return web_; }

 private:
  NavigationVerdict OnBeforeNavigate(const std::string& url);

  std::uint32_t owner_;
  Events events_;
  WebView web_;
};

}  // namespace ylcs
