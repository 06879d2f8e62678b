#include "rules/ui/widget_geometry.h"

#include <algorithm>
#include <utility>

#include "rules/ui/dialog_results.h"

namespace ylcs {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (invalid bytes stand alone).
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

ButtonFrame ChooseButtonFrame(ButtonState& state) {
  if (state.disabled) return ButtonFrame::Disabled;
  if (state.selected || state.pressed) {
    state.pressed = true;
    return ButtonFrame::Pressed;
  }
  return state.hover ? ButtonFrame::Hover : ButtonFrame::Normal;
}

WrappedText WrapText(std::string_view text, int width, int line_height, int char_width, int line_spacing,
                     const MeasureLine& measure) {
  WrappedText out;
  out.line_height = line_height;
  if (width < char_width) return out;

  std::string line;
  auto finish_line = [&] { out.lines.push_back(std::exchange(line, {})); };
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = std::min(Utf8SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    const std::string_view ch = text.substr(i, n);
    i += n;
    if (ch == "\r") continue;
    if (ch == "\n") {
      finish_line();
      continue;
    }
    const std::size_t before = line.size();
    line.append(ch);
    if (before > 0 && measure(line) > width) {
      // The character does not fit: the line ends before it and it begins the next one.
      line.resize(before);
      finish_line();
      line.append(ch);
    }
  }
  finish_line();
  const int count = static_cast<int>(out.lines.size());
  out.needed_height = line_height + (count - 1) * (line_height + line_spacing);
  return out;
}

ProgressFill ComputeProgressFill(int bar_width, int bar_height, int lower, int upper, int pos) {
  ProgressFill fill;
  const int range = upper - lower;
  if (range != 0) {
    const double exact = static_cast<double>(bar_width) / range * pos;
    fill.filled = std::clamp(static_cast<int>(exact), 0, std::max(bar_width, 0));
    fill.percent = pos * 100 / range;
  }
  fill.left = fill.filled / 2;
  fill.right = fill.filled - fill.left;
  fill.left_piece = {{0, 0, fill.left, bar_height}, {0, 0, fill.left, bar_height}};
  fill.right_piece = {{bar_width - fill.right, 0, bar_width, bar_height},
                      {fill.left, 0, fill.left + fill.right, bar_height}};
  return fill;
}

Rect CentreBar(int control_width, int control_height, int bar_width, int bar_height) {
  const int left = (control_width - bar_width) / 2;
  const int top = (control_height - bar_height) / 2;
  return {left, top, left + bar_width, top + bar_height};
}

int CountMessageLines(std::string_view text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

MessageBoxLayout LayoutMessageBox(int tw, int th, int lines, int fw, int fh, int type) {
  MessageBoxLayout layout;
  // The text keeps a 30-pixel margin on both sides, and there is room for two buttons. (Taking
  // the buttons' width whenever the text is narrower than 2 x fw + 60 would let a text between
  // 2 x fw and 2 x fw + 60 pixels run into the frame.)
  layout.width = std::max(tw, 2 * fw) + 60;
  layout.height = 3 * lines + 90 + th + fh;
  const int bottom = layout.height - 30;
  const int top = bottom - fh;
  if (type == MB_YESNO || type == MB_OKCANCEL) {
    const int right1 = layout.width / 2 - 10;
    const int left2 = layout.width / 2 + 10;
    layout.button1 = {right1 - fw, top, right1, bottom};
    layout.button2 = {left2, top, left2 + fw, bottom};
  } else {
    const int left = (layout.width - fw) / 2;
    layout.button1 = {left, top, left + fw, bottom};
  }
  return layout;
}

MessageBoxCaptions MessageBoxButtonCaptions(int type) {
  if (type == MB_YESNO) return {"是", "否"};
  if (type == MB_OKCANCEL) return {"确定", "取消"};
  return {"确定", ""};
}

int MessageBoxResult(int type, int button_id) {
  if (button_id == kMessageBoxButton1) return type == MB_YESNO ? IDYES : IDOK;
  return type == MB_YESNO ? IDNO : IDCANCEL;
}

}  // namespace ylcs
