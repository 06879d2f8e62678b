#pragma once
// The arithmetic of the skinned widgets: which frame an image button shows, how a label wraps its
// text character by character, what part of the progress bar is filled, and how large the message
// box makes itself.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/ui/skin_geometry.h"

namespace ylcs {

// --- Image button ------------------------------------------------------------------------------

// Frames of a button strip, left to right.
enum class ButtonFrame : int { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };
inline constexpr int kButtonFrames = 4;

struct ButtonState {
  bool disabled = false;
  bool selected = false;  // the left button is held down over the button
  bool pressed = false;   // the latched pressed look
  bool hover = false;
};

// The frame to draw; a pressed look latches `state.pressed` until the left button is released.
ButtonFrame ChooseButtonFrame(ButtonState& state);

// --- Label wrapping -----------------------------------------------------------------------------

// The probe text whose size gives a label's line height and average character width.
inline constexpr std::string_view kWidthProbeText = "测试用汉字来获取宽度";
// The probe is measured over its ten characters and its terminator.
inline constexpr int kWidthProbeChars = 11;

// Width in pixels of one line of text in the label's font.
using MeasureLine = std::function<int(std::string_view utf8)>;

struct WrappedText {
  std::vector<std::string> lines;  // lines as drawn, top to bottom
  int line_height = 0;             // L
  int needed_height = 0;           // L + (lines - 1) x (L + spacing)
};

// Breaks `text` into lines no wider than `width`: '\r' is dropped, '\n' ends a line, and a
// character that would make its line too wide starts the next one. A character wider than the
// whole width stands alone on its line. Nothing is drawn (no lines) when the width is below the
// average character width `char_width`.
WrappedText WrapText(std::string_view text, int width, int line_height, int char_width, int line_spacing,
                     const MeasureLine& measure);

// --- Progress bar --------------------------------------------------------------------------------

struct ProgressFill {
  int filled = 0;   // f: filled width
  int left = 0;     // h = f / 2 columns from the bar image's left end
  int right = 0;    // f - h columns from the bar image's right end
  int percent = 0;  // pos x 100 / (upper - lower); 0 for an empty range
  // The two copies, bar image columns to bar x (both bar_height high).
  Blit left_piece;
  Blit right_piece;
};

// The fill of a bar image `bar_width` x `bar_height` wide for position `pos` in lower..upper.
// Both rounded ends stay intact at every length. An empty range fills nothing.
ProgressFill ComputeProgressFill(int bar_width, int bar_height, int lower, int upper, int pos);

// The bar's area: the bar image centred in the control (integer division).
Rect CentreBar(int control_width, int control_height, int bar_width, int bar_height);

// --- Message box ---------------------------------------------------------------------------------

// Number of text lines: one plus the number of line feeds.
int CountMessageLines(std::string_view text);

struct MessageBoxLayout {
  int width = 0;
  int height = 0;
  Rect button1;  // 5000
  Rect button2;  // 5001; empty for the single-button type
};

// Size and button places of a message box for a text of tw x th pixels in `lines` lines, with push
// button frames of fw x fh, of type `type` (MB_YESNO and MB_OKCANCEL have two buttons): the width
// is the wider of text and two buttons plus 60, the height 3 x lines + 90 + th + fh, and the
// buttons stand 30 pixels above the bottom, 20 pixels apart around the centre line.
MessageBoxLayout LayoutMessageBox(int text_width, int text_height, int lines, int frame_width,
                                  int frame_height, int type);

// The captions of the two buttons for a type; the second is empty for a single button.
struct MessageBoxCaptions {
  const char* first;
  const char* second;
};
MessageBoxCaptions MessageBoxButtonCaptions(int type);

// The answer of button 5000 or 5001 for a type.
int MessageBoxResult(int type, int button_id);

inline constexpr int kMessageBoxButton1 = 5000;
inline constexpr int kMessageBoxButton2 = 5001;
// Top of the first text line, and the gap between lines.
inline constexpr int kMessageBoxTextTop = 55;
inline constexpr int kMessageBoxLineGap = 3;

}  // namespace ylcs
