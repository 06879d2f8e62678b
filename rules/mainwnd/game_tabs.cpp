#include "rules/mainwnd/game_tabs.h"

#include <algorithm>

namespace ylcs {

bool GameTabs::AddCaption(pid_t child, const std::string& caption) {
  auto same = [&](const GameTab& tab) { return tab.caption == caption; };
  if (std::any_of(tabs_.begin(), tabs_.end(), same) || std::any_of(pending_.begin(), pending_.end(), same)) {
    return false;
  }
  DropPending(child);
  pending_.push_back({child, 0, caption});
  return true;
}

int GameTabs::AddFrame(pid_t child, std::uint32_t frame) {
  GameTab tab{child, frame, {}};
  const auto pending =
      std::find_if(pending_.begin(), pending_.end(), [&](const GameTab& t) { return t.child == child; });
  if (pending != pending_.end()) {
    tab.caption = pending->caption;
    pending_.erase(pending);
  }
  tabs_.push_back(std::move(tab));
  return count() - 1;
}

void GameTabs::DropPending(pid_t child) {
  std::erase_if(pending_, [&](const GameTab& t) { return t.child == child; });
}

std::vector<pid_t> GameTabs::PendingChildren() const {
  std::vector<pid_t> children;
  for (const GameTab& t : pending_) children.push_back(t.child);
  return children;
}

void GameTabs::Remove(int index) {
  if (index >= 0 && index < count()) tabs_.erase(tabs_.begin() + index);
}

std::optional<int> GameTabs::IndexOfFrame(std::uint32_t frame) const {
  for (int i = 0; i < count(); ++i) {
    if (at(i).frame == frame) return i;
  }
  return std::nullopt;
}

}  // namespace ylcs
