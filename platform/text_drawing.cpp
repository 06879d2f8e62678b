#include "platform/text_drawing.h"

#include <cstdlib>

namespace ylcs {

namespace {

// One Pango context for measuring and laying out text in this process (the default font map's).
PangoContext* SharedContext() {
  static PangoContext* context = [] {
    PangoContext* c = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    pango_cairo_context_set_font_options(c, options);
    cairo_font_options_destroy(options);
    return c;
  }();
  return context;
}

}  // namespace

int FontHeightForPoints(int points) { return (points * 96 + 36) / 72; }

TextLayout::TextLayout(const FontSpec& font)
    : font_(font), layout_(GObjectPtr<PangoLayout>::Adopt(pango_layout_new(SharedContext()))) {
  PangoFontDescription* description = pango_font_description_from_string(kUiFontFamilies);
  pango_font_description_set_absolute_size(description,
                                           std::abs(font.height == 0 ? 12 : font.height) * PANGO_SCALE);
  pango_font_description_set_weight(description, static_cast<PangoWeight>(font.weight));
  pango_layout_set_font_description(layout_.get(), description);
  pango_font_description_free(description);
  if (font.underline) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout_.get(), attributes);
    pango_attr_list_unref(attributes);
  }
  line_height_ = Measure("Ag").y;
}

TextLayout::~TextLayout() = default;

void TextLayout::SetText(std::string_view text) const {
  pango_layout_set_text(layout_.get(), text.data(), static_cast<int>(text.size()));
}

Point TextLayout::Measure(std::string_view text) const {
  pango_layout_set_width(layout_.get(), -1);
  pango_layout_set_ellipsize(layout_.get(), PANGO_ELLIPSIZE_NONE);
  SetText(text);
  Point size;
  pango_layout_get_pixel_size(layout_.get(), &size.x, &size.y);
  return size;
}

int TextLayout::LineWidth(std::string_view text) const { return Measure(text).x; }

void TextLayout::Draw(cairo_t* cr, std::string_view text, const Rect& rect, const Format& format) const {
  SetText(text);
  pango_layout_set_width(layout_.get(), format.ellipsis == Ellipsis::None ? -1 : rect.width() * PANGO_SCALE);
  pango_layout_set_ellipsize(layout_.get(), format.ellipsis == Ellipsis::End      ? PANGO_ELLIPSIZE_END
                                            : format.ellipsis == Ellipsis::Middle ? PANGO_ELLIPSIZE_MIDDLE
                                                                                  : PANGO_ELLIPSIZE_NONE);
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout_.get(), &w, &h);
  int x = rect.left;
  if (format.align == Align::Center) x = rect.left + (rect.width() - w) / 2;
  if (format.align == Align::Right) x = rect.right - w;
  const int y = format.vcenter ? rect.top + (rect.height() - h) / 2 : rect.top;
  cairo_save(cr);
  cairo_rectangle(cr, rect.left, rect.top, rect.width(), rect.height());
  cairo_clip(cr);
  cairo_move_to(cr, x, y);
  pango_cairo_update_layout(cr, layout_.get());
  pango_cairo_show_layout(cr, layout_.get());
  cairo_restore(cr);
}

Point DialogBaseUnits(const FontSpec& font) {
  const TextLayout layout(font);
  const int alphabet = layout.LineWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(alphabet / 26 + 1) / 2, layout.LineHeight()};
}

void SetSourceRgb(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

}  // namespace ylcs
