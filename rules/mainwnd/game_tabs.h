#pragma once
// The game tabs of a main window. A login child reports its caption first and its frame later;
// both are kept per child process, so a caption always labels the frame of the same child even
// when two logins finish in another order, or a child dies between its two messages.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ylcs {

struct GameTab {
  pid_t child = 0;
  std::uint32_t frame = 0;  // X11 window id of the child's game frame
  std::string caption;
};

class GameTabs {
 public:
  // A child's login succeeded with this caption: false when a tab or a pending login already
  // shows exactly this caption (same account on the same server).
  bool AddCaption(pid_t child, const std::string& caption);
  // A child's frame arrived: it becomes the last tab, labelled with the child's caption.
  // Returns the new tab's index.
  int AddFrame(pid_t child, std::uint32_t frame);
  // Forgets a caption whose frame will never come (its child has ended).
  void DropPending(pid_t child);
  // Children whose caption arrived but whose frame has not.
  std::vector<pid_t> PendingChildren() const;

  void Remove(int index);
  int count() const { return static_cast<int>(tabs_.size()); }
  const GameTab& at(int index) const { return tabs_.at(static_cast<std::size_t>(index)); }
  const std::vector<GameTab>& tabs() const { return tabs_; }
  std::optional<int> IndexOfFrame(std::uint32_t frame) const;

 private:
  std::vector<GameTab> tabs_;
  std::vector<GameTab> pending_;
};

}  // namespace ylcs
