#pragma once
// The row of game-tab captions the main window draws in its caption band: geometry, hit tests
// and the hover/press state, with the repaints each change needs.

#include <optional>
#include <vector>

namespace ylcs {

struct TabRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const TabRect&, const TabRect&) = default;
};

inline constexpr int kTabStripLeft = 120;
inline constexpr int kTabWidth = 189;
inline constexpr int kTabHeight = 22;
inline constexpr int kTabCloseBoxSize = 13;

TabRect TabBounds(int index);       // (120 + 189 i, 3, 309 + 189 i, 25)
TabRect CloseBoxBounds(int index);  // (296 + 189 i, 3, 309 + 189 i, 16)
TabRect CaptionBounds(int index);   // (136 + 189 i, 8, 296 + 189 i, 22)
// The strip as repainted after a change in the number of tabs.
TabRect StripBounds(int tab_count);

// The tab under a client point, if the point lies on the strip.
std::optional<int> TabAtPoint(int x, int y, int tab_count);
bool IsOnCloseBox(int x, int y, int tab);

// The tab a left-button release closes: the one whose close box is under the pointer, wherever
// the press was.
std::optional<int> CloseBoxTabAtPoint(int x, int y, int tab_count);

// Background image: 2 current, 1 hot, 0 normal.
int TabImageIndex(int tab, int current, int hot);

enum class CloseBoxState { Off = -1, Normal = 0, Hover = 1, Pressed = 2 };

enum class TooltipAction { Keep, Show, Hide };

// What a mouse event asks of the window.
struct StripEffects {
  std::vector<TabRect> invalidate;
  TooltipAction tooltip = TooltipAction::Keep;
  int tooltip_tab = -1;  // whose caption to show with TooltipAction::Show
  bool request_leave_tracking = false;
};

class TabStripState {
 public:
  int hot() const { return hot_; }
  CloseBoxState close_box() const { return close_box_; }
  bool tooltip_active() const { return tooltip_active_; }

  // Pointer movement over the window (every hit test). `caption_hit` tells whether the base
  // window answers "caption" here (then no leave tracking is requested).
  StripEffects HitTest(int x, int y, int tab_count, bool left_button_down, bool caption_hit);
  // The pointer left the window.
  StripEffects MouseLeave();
  void LeaveTrackingEnded() { leave_tracking_ = false; }
  // Left button pressed on the close box of `tab`.
  StripEffects PressCloseBox(int tab);
  // Forget hover and press (after a tab was closed or the close was declined).
  void Reset();

 private:
  StripEffects Unhover();

  int hot_ = -1;
  CloseBoxState close_box_ = CloseBoxState::Off;
  bool tooltip_active_ = false;
  bool leave_tracking_ = false;
};

}  // namespace ylcs
