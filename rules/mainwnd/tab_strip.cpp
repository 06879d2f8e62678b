#include "rules/mainwnd/tab_strip.h"

namespace ylcs {

TabRect TabBounds(int index) { return {120 + 189 * index, 3, 309 + 189 * index, 25}; }
TabRect CloseBoxBounds(int index) { return {296 + 189 * index, 3, 309 + 189 * index, 16}; }
TabRect CaptionBounds(int index) { return {136 + 189 * index, 8, 296 + 189 * index, 22}; }
TabRect StripBounds(int tab_count) { return {120, 3, 120 + 189 * tab_count, 25}; }

std::optional<int> TabAtPoint(int x, int y, int tab_count) {
  if (y < 3 || y > 24 || x <= kTabStripLeft || x >= kTabStripLeft + kTabWidth * tab_count)
    return std::nullopt;
  return (x - kTabStripLeft) / kTabWidth;
}

bool IsOnCloseBox(int x, int y, int tab) { return x >= 296 + 189 * tab && x < 309 + 189 * tab && y < 16; }

std::optional<int> CloseBoxTabAtPoint(int x, int y, int tab_count) {
  const std::optional<int> tab = TabAtPoint(x, y, tab_count);
  if (tab && IsOnCloseBox(x, y, *tab)) return tab;
  return std::nullopt;
}

int TabImageIndex(int tab, int current, int hot) {
  if (tab == current) return 2;
  return tab == hot ? 1 : 0;
}

StripEffects TabStripState::HitTest(int x, int y, int tab_count, bool left_button_down, bool caption_hit) {
  const std::optional<int> tab = TabAtPoint(x, y, tab_count);
  if (!tab) return Unhover();
  const int e = *tab;
  StripEffects effects;
  CloseBoxState state = CloseBoxState::Normal;
  if (!tooltip_active_) {
    tooltip_active_ = true;
    effects.tooltip = TooltipAction::Show;
    effects.tooltip_tab = e;
  } else if (e != hot_) {
    // Hidden once when moving to another tab; the next movement shows the new caption.
    tooltip_active_ = false;
    effects.tooltip = TooltipAction::Hide;
  }
  if (IsOnCloseBox(x, y, e)) {
    state = left_button_down ? CloseBoxState::Pressed : CloseBoxState::Hover;
    tooltip_active_ = false;
    effects.tooltip = TooltipAction::Hide;
  }
  if (e != hot_ || state != close_box_) {
    const int old_hot = hot_;
    if (old_hot != -1) effects.invalidate.push_back(old_hot == e ? CloseBoxBounds(e) : TabBounds(old_hot));
    hot_ = e;
    close_box_ = state;
    if (old_hot != e) effects.invalidate.push_back(TabBounds(e));
  }
  if (!leave_tracking_ && !caption_hit) {
    leave_tracking_ = true;
    effects.request_leave_tracking = true;
  }
  return effects;
}

StripEffects TabStripState::Unhover() {
  StripEffects effects;
  if (hot_ != -1) effects.invalidate.push_back(TabBounds(hot_));
  effects.tooltip = TooltipAction::Hide;
  tooltip_active_ = false;
  hot_ = -1;
  close_box_ = CloseBoxState::Off;
  return effects;
}

StripEffects TabStripState::MouseLeave() {
  StripEffects effects;
  if (hot_ != -1) effects.invalidate.push_back(TabBounds(hot_));
  hot_ = -1;
  close_box_ = CloseBoxState::Off;
  return effects;
}

StripEffects TabStripState::PressCloseBox(int tab) {
  hot_ = tab;
  close_box_ = CloseBoxState::Pressed;
  return {{CloseBoxBounds(tab)}, TooltipAction::Keep, -1, false};
}

void TabStripState::Reset() {
  hot_ = -1;
  close_box_ = CloseBoxState::Off;
}

}  // namespace ylcs
