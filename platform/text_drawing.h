#pragma once
// Text in the program's fonts, measured and drawn with Pango. Sizes follow the traditional font
// height: a negative or positive `height` is the character height in pixels (as a dialog font of
// 9 points on a 96-dpi screen is 12 pixels).

#include <pango/pangocairo.h>

#include <string>
#include <string_view>

#include "platform/handles.h"
#include "rules/ui/skin_geometry.h"

namespace ylcs {

// The face "微软雅黑" and its stand-ins, in order of preference.
inline constexpr const char* kUiFontFamilies =
    "Microsoft YaHei,WenQuanYi Micro Hei,Noto Sans CJK SC,sans-serif";

struct FontSpec {
  int height = -12;  // character height in pixels (the sign is ignored)
  int weight = 400;  // 100 to 900; 700 is bold
  bool underline = false;
  int width = 0;  // average character width; 0 keeps the font's own proportions
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The dialog font of a template of `points` points (96 dots per inch): its character height.
int FontHeightForPoints(int points);

// A Pango layout for one font, reusable for many texts; owns its description.
class TextLayout {
 public:
  explicit TextLayout(const FontSpec& font);
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;
  ~TextLayout();

  const FontSpec& font() const { return font_; }
  // Size of the text laid out on one line per line feed (no wrapping).
  Point Measure(std::string_view text) const;
  // Width of one line.
  int LineWidth(std::string_view text) const;
  // Height of one line of this font.
  int LineHeight() const { return line_height_; }

  enum class Align { Left, Center, Right };
  enum class Ellipsis { None, End, Middle };
  struct Format {
    Align align = Align::Left;
    bool vcenter = false;  // centred vertically in the rectangle, else at its top
    Ellipsis ellipsis = Ellipsis::None;
  };
  // Draws the text in `rect` with the current source colour (clipped to the rectangle).
  void Draw(cairo_t* cr, std::string_view text, const Rect& rect, const Format& format) const;

 private:
  void SetText(std::string_view text) const;
  FontSpec font_;
  GObjectPtr<PangoLayout> layout_;
  int line_height_ = 0;
};

// The dialog base units of a font: average character width of the Latin alphabet and the line
// height, the scale of dialog units.
Point DialogBaseUnits(const FontSpec& font);

void SetSourceRgb(cairo_t* cr, Rgb colour);

}  // namespace ylcs
