#include <gtest/gtest.h>

#include <string>

#include "rules/ui/dialog_results.h"
#include "rules/ui/widget_geometry.h"

namespace ylcs {
namespace {

TEST(ButtonFrame, ChoiceAndLatchedPress) {
  ButtonState s;
  EXPECT_EQ(ChooseButtonFrame(s), ButtonFrame::Normal);
  s.hover = true;
  EXPECT_EQ(ChooseButtonFrame(s), ButtonFrame::Hover);
  s.selected = true;
  EXPECT_EQ(ChooseButtonFrame(s), ButtonFrame::Pressed);
  EXPECT_TRUE(s.pressed);
  // Dragged off the button with the mouse button held: no longer selected, still pressed.
  s.selected = false;
  s.hover = false;
  EXPECT_EQ(ChooseButtonFrame(s), ButtonFrame::Pressed);
  s.pressed = false;  // the release clears the latch
  EXPECT_EQ(ChooseButtonFrame(s), ButtonFrame::Normal);
  // Disabled wins over hover and press.
  ButtonState disabled{true, true, true, true};
  EXPECT_EQ(ChooseButtonFrame(disabled), ButtonFrame::Disabled);
}

// Every character (ASCII or not) is 12 pixels wide.
int Monospace12(std::string_view utf8) {
  int chars = 0;
  for (char c : utf8) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return chars * 12;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(WrapText, TwentyChineseCharactersInOneHundredPixels) {
  const std::string text = Repeat("汉", 20);
  const WrappedText w = WrapText(text, 100, 16, 12, 3, Monospace12);
  ASSERT_EQ(w.lines.size(), 3u);
  EXPECT_EQ(w.lines[0], Repeat("汉", 8));
  EXPECT_EQ(w.lines[1], Repeat("汉", 8));
  EXPECT_EQ(w.lines[2], Repeat("汉", 4));
  EXPECT_EQ(w.needed_height, 3 * 16 + 2 * 3);
}

TEST(WrapText, LineBreaksAndCarriageReturns) {
  const WrappedText w = WrapText("第一行\r\n第二行", 200, 16, 12, 5, Monospace12);
  ASSERT_EQ(w.lines.size(), 2u);
  EXPECT_EQ(w.lines[0], "第一行");
  EXPECT_EQ(w.lines[1], "第二行");
  EXPECT_EQ(w.needed_height, 16 + 21);
  EXPECT_EQ(WrapText("a\n\nb", 200, 10, 6, 0, Monospace12).lines.size(), 3u);
}

TEST(WrapText, NoCharacterLostOrDoubled) {
  const std::string text = "云岭传说abc测试用汉字来获取宽度xyz";
  const WrappedText w = WrapText(text, 40, 16, 12, 3, Monospace12);
  std::string joined;
  for (const auto& line : w.lines) {
    EXPECT_LE(Monospace12(line), 40);
    joined += line;
  }
  EXPECT_EQ(joined, text);
}

TEST(WrapText, NarrowLabelsAndWideCharacters) {
  EXPECT_TRUE(WrapText("汉字", 11, 16, 12, 3, Monospace12).lines.empty());
  // A character wider than the whole width still advances the walk, alone on its line.
  const WrappedText w =
      WrapText("ab", 12, 16, 12, 3, [](std::string_view s) { return 20 * static_cast<int>(s.size()); });
  EXPECT_EQ(w.lines, (std::vector<std::string>{"a", "b"}));
  const WrappedText empty = WrapText("", 100, 16, 12, 3, Monospace12);
  EXPECT_EQ(empty.lines.size(), 1u);
  EXPECT_EQ(empty.needed_height, 16);
}

TEST(ProgressFill, PositionThirtySevenOnThreeHundredNinetyPixels) {
  const ProgressFill f = ComputeProgressFill(390, 21, 0, 100, 37);
  EXPECT_EQ(f.filled, 144);
  EXPECT_EQ(f.left_piece, (Blit{{0, 0, 72, 21}, {0, 0, 72, 21}}));
  EXPECT_EQ(f.right_piece, (Blit{{318, 0, 390, 21}, {72, 0, 144, 21}}));
  EXPECT_EQ(f.percent, 37);
}

TEST(ProgressFill, EndsOddWidthsAndEmptyRange) {
  EXPECT_EQ(ComputeProgressFill(390, 21, 0, 100, 0).filled, 0);
  const ProgressFill full = ComputeProgressFill(390, 21, 0, 100, 100);
  EXPECT_EQ(full.left_piece.source, (Rect{0, 0, 195, 21}));
  EXPECT_EQ(full.right_piece.source, (Rect{195, 0, 390, 21}));
  EXPECT_EQ(full.right_piece.target, (Rect{195, 0, 390, 21}));
  const ProgressFill odd = ComputeProgressFill(390, 21, 0, 390, 7);
  EXPECT_EQ(odd.left, 3);
  EXPECT_EQ(odd.right, 4);  // the extra column goes to the right-hand part
  const ProgressFill empty = ComputeProgressFill(390, 21, 50, 50, 50);
  EXPECT_EQ(empty.filled, 0);
  EXPECT_EQ(empty.percent, 0);
  EXPECT_EQ(ComputeProgressFill(390, 21, 0, 100, 250).filled, 390);  // never beyond the image
  EXPECT_EQ(CentreBar(390, 21, 390, 21), (Rect{0, 0, 390, 21}));
  EXPECT_EQ(CentreBar(400, 30, 390, 21), (Rect{5, 4, 395, 25}));
}

TEST(MessageBoxLayout, WidthFromTextAndButtons) {
  EXPECT_EQ(LayoutMessageBox(300, 12, 1, 57, 23, MB_OK).width, 360);
  EXPECT_EQ(LayoutMessageBox(100, 12, 1, 57, 23, MB_OK).width, 174);
  EXPECT_EQ(LayoutMessageBox(114, 12, 1, 57, 23, MB_OK).width, 174);
  // A text a little narrower than the buttons' width plus margins keeps its margins.
  EXPECT_EQ(LayoutMessageBox(165, 12, 1, 57, 23, MB_OK).width, 225);
}

TEST(MessageBoxLayout, HeightFromLinesAndButtonPlaces) {
  const MessageBoxLayout two = LayoutMessageBox(100, 36, 3, 57, 23, MB_YESNO);
  EXPECT_EQ(two.height, 158);
  EXPECT_EQ(two.button1, (Rect{20, 105, 77, 128}));   // right edge W / 2 - 10, bottom H - 30
  EXPECT_EQ(two.button2, (Rect{97, 105, 154, 128}));  // left edge W / 2 + 10
  const MessageBoxLayout one = LayoutMessageBox(100, 12, 1, 57, 23, 3);
  EXPECT_EQ(one.height, 128);
  EXPECT_EQ(one.button1, (Rect{58, 75, 115, 98}));
  EXPECT_EQ(one.button2, Rect{});
  EXPECT_EQ(CountMessageLines("a\r\nb\nc"), 3);
  EXPECT_EQ(CountMessageLines(""), 1);
}

TEST(MessageBoxLayout, CaptionsAndResults) {
  EXPECT_STREQ(MessageBoxButtonCaptions(MB_YESNO).first, "是");
  EXPECT_STREQ(MessageBoxButtonCaptions(MB_YESNO).second, "否");
  EXPECT_STREQ(MessageBoxButtonCaptions(MB_OKCANCEL).second, "取消");
  EXPECT_STREQ(MessageBoxButtonCaptions(7).first, "确定");
  EXPECT_STREQ(MessageBoxButtonCaptions(7).second, "");
  EXPECT_EQ(MessageBoxResult(MB_YESNO, 5000), IDYES);
  EXPECT_EQ(MessageBoxResult(MB_YESNO, 5001), IDNO);
  EXPECT_EQ(MessageBoxResult(MB_OKCANCEL, 5000), IDOK);
  EXPECT_EQ(MessageBoxResult(MB_OKCANCEL, 5001), IDCANCEL);
  EXPECT_EQ(MessageBoxResult(9, 5000), IDOK);
}

}  // namespace
}  // namespace ylcs
