// Draws the program's skin pictures and icons with cairo and Pango and writes them as PNG files:
//   ylcs_artwork <skin folder> <icon folder>
// Every picture has the size and frame layout its window expects. All skins but the login
// background, the progress bar and the icons get a hard alpha (0 or 255): the toolkit blends
// partly transparent pixels over white, which would put pale fringes on dark edges.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The generator stands apart from the program (the program's build needs its output), so it
// keeps its own owning handles.
struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using CairoPtr = std::unique_ptr<cairo_t, ContextDeleter>;

struct Colour {
  double r, g, b, a = 1.0;
};
constexpr Colour Hex(unsigned rgb, double a = 1.0) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, a};
}

// The palette: a night-blue frame with a bright blue accent, light client areas for forms.
constexpr Colour kCaptionTop = Hex(0x2C5488);
constexpr Colour kCaptionBottom = Hex(0x173056);
constexpr Colour kCaptionHighlight = Hex(0x4F7FBF);
constexpr Colour kFrameDark = Hex(0x0E1E36);
constexpr Colour kFrameBlue = Hex(0x1D3C66);
constexpr Colour kClientLight = Hex(0xE7F1F7);
constexpr Colour kClientDark = Hex(0x0C1626);
constexpr Colour kAccent = Hex(0x2F8CFF);
constexpr Colour kGlyph = Hex(0xF2F7FF);
constexpr Colour kCloseRed = Hex(0xE0464B);
constexpr Colour kCloseRedDark = Hex(0xA8282D);
constexpr const char* kFont = "WenQuanYi Micro Hei";

std::string g_skin_dir;
std::string g_icon_dir;

void Set(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r, bool top = true,
                 bool bottom = true) {
  const double rt = top ? r : 0, rb = bottom ? r : 0;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - rt, y + rt, rt, -M_PI / 2, 0);
  cairo_arc(cr, x + w - rb, y + h - rb, rb, 0, M_PI / 2);
  cairo_arc(cr, x + rb, y + h - rb, rb, M_PI / 2, M_PI);
  cairo_arc(cr, x + rt, y + rt, rt, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Colour from, Colour to) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, from.r, from.g, from.b, from.a);
  cairo_pattern_add_color_stop_rgba(p, 1, to.r, to.g, to.b, to.a);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

constexpr Colour kOutline = Hex(0x0A1628);

// The caption band shared by every skin with a caption, so caption buttons match all of them:
// a gradient under a dark outline row and a highlight row.
void PaintCaptionBand(cairo_t* cr, double x, double w, double h) {
  VerticalGradient(cr, 0, h, kCaptionTop, kCaptionBottom);
  cairo_rectangle(cr, x, 0, w, h);
  cairo_fill(cr);
  Set(cr, kOutline);
  cairo_rectangle(cr, x, 0, w, 1);
  cairo_fill(cr);
  Set(cr, kCaptionHighlight);
  cairo_rectangle(cr, x, 1, w, 1);
  cairo_fill(cr);
}

void Text(cairo_t* cr, const std::string& text, double px, int weight, Colour c, double cx, double cy) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string(kFont);
  pango_font_description_set_absolute_size(font, px * PANGO_SCALE);
  pango_font_description_set_weight(font, static_cast<PangoWeight>(weight));
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, text.c_str(), -1);
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  Set(cr, c);
  cairo_move_to(cr, std::round(cx - w / 2.0), std::round(cy - h / 2.0));
  pango_cairo_show_layout(cr, layout);
  pango_font_description_free(font);
  g_object_unref(layout);
}

// Alpha made hard: below half transparent, otherwise opaque (colour un-premultiplied).
void HardenAlpha(cairo_surface_t* s) {
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < cairo_image_surface_get_height(s); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < cairo_image_surface_get_width(s); ++x) {
      const std::uint32_t p = row[x];
      const unsigned a = p >> 24;
      if (a < 128) {
        row[x] = 0;
      } else if (a < 255) {
        auto un = [&](int shift) {
          return std::min(255u, (((p >> shift) & 0xFF) * 255 + a / 2) / a) << shift;
        };
        row[x] = 0xFF000000u | un(16) | un(8) | un(0);
      }
    }
  }
  cairo_surface_mark_dirty(s);
}

void Write(cairo_surface_t* s, const std::string& path) {
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

using Painter = std::function<void(cairo_t*)>;

void Skin(int id, int w, int h, const Painter& paint, bool hard = true) {
  CairoSurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  {
    CairoPtr cr(cairo_create(s.get()));
    paint(cr.get());
  }
  if (hard) HardenAlpha(s.get());
  Write(s.get(), g_skin_dir + "/" + std::to_string(id) + ".png");
}

// A strip of equal frames; `paint` draws frame `i` with the origin at the frame's top-left.
void Strip(int id, int frame_w, int h, int frames, const std::function<void(cairo_t*, int)>& paint) {
  Skin(id, frame_w * frames, h, [&](cairo_t* cr) {
    for (int i = 0; i < frames; ++i) {
      cairo_save(cr);
      cairo_rectangle(cr, i * frame_w, 0, frame_w, h);
      cairo_clip(cr);
      cairo_translate(cr, i * frame_w, 0);
      paint(cr, i);
      cairo_restore(cr);
    }
  });
}

// Cuts the outermost corner pixels of a frame (a 1-pixel rounding).
void CutFrameCorners(cairo_t* cr, int w, int h) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
    cairo_rectangle(cr, x, y, 1, 1);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

// --- Window skins ---------------------------------------------------------------------------

// A 9-grid window skin 30 x 51: caption band 30, frame 4, rounded top corners.
void WindowSkin(int id, Colour client) {
  Skin(id, 30, 51, [&](cairo_t* cr) {
    RoundedRect(cr, 0, 0, 30, 51, 6, true, false);
    cairo_clip(cr);
    Set(cr, kFrameDark);
    cairo_paint(cr);
    PaintCaptionBand(cr, 0, 30, 30);
    // The frame: a blue inner line around the client area.
    Set(cr, kFrameBlue);
    cairo_rectangle(cr, 1, 30, 28, 20);
    cairo_fill(cr);
    Set(cr, client);
    cairo_rectangle(cr, 4, 30, 22, 17);
    cairo_fill(cr);
    Set(cr, Hex(0x0A1628));
    cairo_set_line_width(cr, 1);
    RoundedRect(cr, 0.5, 0.5, 29, 50, 6, true, false);
    cairo_stroke(cr);
  });
}

// --- Caption buttons ------------------------------------------------------------------------

// The shared look of a caption button frame: the caption band, and for hover and pressed a soft
// rounded plate; `red` makes it the close button's.
void CaptionButtonPlate(cairo_t* cr, int w, int h, int frame, bool red) {
  PaintCaptionBand(cr, 0, w, h);
  if (frame == 1 || frame == 2) {
    const Colour plate = red ? (frame == 1 ? kCloseRed : kCloseRedDark)
                             : (frame == 1 ? Hex(0xFFFFFF, 0.18) : Hex(0x000000, 0.25));
    RoundedRect(cr, 2, 3, w - 4, h - 6, 4);
    Set(cr, plate);
    cairo_fill(cr);
  }
}

Colour GlyphColour(int frame) { return frame == 3 ? Hex(0x7D8DA3) : kGlyph; }

void Stroke(cairo_t* cr, Colour c, double width) {
  Set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void CaptionButton(int id, int frame_w, int h, bool red,
                   const std::function<void(cairo_t*, double, double)>& glyph) {
  Strip(id, frame_w, h, 4, [&](cairo_t* cr, int frame) {
    CaptionButtonPlate(cr, frame_w, h, frame, red);
    if (red) {
      // The close button stands at the window's right edge: it carries the frame's outline.
      Set(cr, kOutline);
      cairo_rectangle(cr, frame_w - 1, 0, 1, h);
      cairo_fill(cr);
    }
    const double shift = frame == 2 ? 1 : 0;
    cairo_save(cr);
    cairo_translate(cr, frame_w / 2.0 + shift, h / 2.0 + shift);
    glyph(cr, frame, shift);
    cairo_restore(cr);
    CutFrameCorners(cr, frame_w, h);
  });
}

void Cross(cairo_t* cr, double r, Colour c, double width) {
  cairo_move_to(cr, -r, -r);
  cairo_line_to(cr, r, r);
  cairo_move_to(cr, r, -r);
  cairo_line_to(cr, -r, r);
  Stroke(cr, c, width);
}

void Speaker(cairo_t* cr, Colour c) {
  cairo_move_to(cr, -7, -2.5);
  cairo_line_to(cr, -4, -2.5);
  cairo_line_to(cr, 0, -6.5);
  cairo_line_to(cr, 0, 6.5);
  cairo_line_to(cr, -4, 2.5);
  cairo_line_to(cr, -7, 2.5);
  cairo_close_path(cr);
  Set(cr, c);
  cairo_fill(cr);
}

// --- Push buttons and other strips -----------------------------------------------------------

// A light push button that black text reads well on; sits on a light client area.
void PushButtonFrame(cairo_t* cr, int w, int h, int frame) {
  Set(cr, kClientLight);
  cairo_paint(cr);
  struct Look {
    Colour top, bottom, border;
  };
  const Look looks[] = {
      {Hex(0xFFFFFF), Hex(0xD3E4F4), Hex(0x5F8FC6)},
      {Hex(0xF4FAFF), Hex(0xB9DAFF), Hex(0x2F7FE6)},
      {Hex(0xA9CBEE), Hex(0xD6E8FA), Hex(0x225FAE)},
      {Hex(0xF0F2F4), Hex(0xE0E4E8), Hex(0xB5BDC6)},
  };
  const Look& look = looks[frame];
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3.5);
  VerticalGradient(cr, 0, h, look.top, look.bottom);
  cairo_fill_preserve(cr);
  Set(cr, look.border);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (frame != 2 && frame != 3) {
    Set(cr, Hex(0xFFFFFF, 0.8));
    cairo_rectangle(cr, 3, 1.5, w - 6, 1);
    cairo_fill(cr);
  }
}

// A tab of the main window's caption band: normal, hot, current.
// Outside its rounded top the tab is see-through, so the caption band shows around it.
void TabFrame(cairo_t* cr, int w, int h, int frame) {
  const Colour tops[] = {Hex(0x24456F), Hex(0x2E5A91), Hex(0x3A8BF0)};
  const Colour bottoms[] = {Hex(0x1A3557), Hex(0x21456F), Hex(0x1C5DB8)};
  RoundedRect(cr, 1, 1, w - 2, h, 5, true, false);
  VerticalGradient(cr, 0, h, tops[frame], bottoms[frame]);
  cairo_fill_preserve(cr);
  Set(cr, frame == 2 ? Hex(0x7DB8FF) : Hex(0x3C6497));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (frame == 2) {
    Set(cr, Hex(0xBFDDFF));
    cairo_rectangle(cr, 6, 1, w - 12, 1);
    cairo_fill(cr);
  }
}

void Padlock(cairo_t* cr) {
  Set(cr, Hex(0xF5C542));
  cairo_set_line_width(cr, 2);
  cairo_arc(cr, 7, 6.5, 3.5, M_PI, 2 * M_PI);
  cairo_move_to(cr, 3.5, 6.5);
  cairo_line_to(cr, 3.5, 8);
  cairo_move_to(cr, 10.5, 6.5);
  cairo_line_to(cr, 10.5, 8);
  cairo_stroke(cr);
  RoundedRect(cr, 1.5, 7.5, 11, 8, 1.5);
  VerticalGradient(cr, 7.5, 15.5, Hex(0xFFE08A), Hex(0xD99A1E));
  cairo_fill(cr);
  Set(cr, Hex(0x6B4A0E));
  cairo_rectangle(cr, 6, 10, 2, 3.5);
  cairo_fill(cr);
}

// --- Notice pictures -------------------------------------------------------------------------

void NoticeBackground(int id, int w, int h, bool picture_frame) {
  Skin(id, w, h, [&](cairo_t* cr) {
    RoundedRect(cr, 0, 0, w, h, 6);
    cairo_clip(cr);
    Set(cr, Hex(0xF5F9FC));
    cairo_paint(cr);
    // Header band with the notice's heading.
    VerticalGradient(cr, 0, 38, kCaptionTop, kCaptionBottom);
    cairo_rectangle(cr, 0, 0, w, 38);
    cairo_fill(cr);
    Set(cr, kAccent);
    cairo_rectangle(cr, 0, 38, w, 2);
    cairo_fill(cr);
    Text(cr, "云岭传说 · 公告", 13, 700, kGlyph, 66, 20);
    if (picture_frame) {
      Set(cr, Hex(0xC9D9E8));
      cairo_rectangle(cr, 13.5, 65.5, 78, 83);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    // Footer line above the link.
    Set(cr, Hex(0xD5E2EE));
    cairo_rectangle(cr, 12, h - 30, w - 24, 1);
    cairo_fill(cr);
    Set(cr, Hex(0x0A1628));
    cairo_set_line_width(cr, 2);
    RoundedRect(cr, 0, 0, w, h, 6);
    cairo_stroke(cr);
  });
}

// --- Login background --------------------------------------------------------------------------

void Mountains(cairo_t* cr, double x0, double x1, double base, double amplitude, double phase, Colour c) {
  cairo_move_to(cr, x0, base + 200);
  for (double x = x0; x <= x1; x += 4) {
    const double y =
        base - amplitude * (0.55 * std::sin(x / 61.0 + phase) + 0.3 * std::sin(x / 23.0 + 2 * phase) +
                            0.15 * std::sin(x / 9.0 + phase));
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, x1, base + 200);
  cairo_close_path(cr);
  Set(cr, c);
  cairo_fill(cr);
}

// A flat-bottomed cloud, drawn as one shape so its puffs do not show through each other.
void Cloud(cairo_t* cr, double x, double y, double s, Colour c) {
  cairo_push_group(cr);
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
  for (auto [dx, dy, r] : {std::tuple{0.0, -0.35, 0.75},
                           {0.9, 0.0, 0.55},
                           {-0.9, 0.05, 0.5},
                           {1.6, 0.25, 0.35},
                           {-1.6, 0.3, 0.3}}) {
    cairo_arc(cr, x + dx * s * 10, y + dy * s * 10, r * s * 10, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - 1.6 * s * 10, y + 0.25 * s * 10, 3.2 * s * 10, 0.3 * s * 10);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_save(cr);
  cairo_rectangle(cr, x - 30 * s, y - 20 * s, 60 * s, 0.55 * s * 10 + 20 * s);
  cairo_clip(cr);
  cairo_paint_with_alpha(cr, c.a);
  cairo_restore(cr);
}

// A soft band of mist along a ridge.
void Mist(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx / ry, 1);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, ry);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.92, 1, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.92, 1, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, ry, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void LoginBackground() {
  constexpr int kW = 888, kH = 518, kShadow = 8;
  Skin(
      129, kW, kH,
      [&](cairo_t* cr) {
        // Drop shadow: layered translucent rounded rectangles, darker towards the card.
        for (int i = kShadow; i > 0; --i) {
          const double a = 0.22 * (1.0 - static_cast<double>(i) / kShadow);
          RoundedRect(cr, kShadow - i, kShadow - i + 3, kW - 2 * (kShadow - i), kH - 2 * (kShadow - i) - 3,
                      12 + i);
          Set(cr, Hex(0x000000, a * a * 2.2));
          cairo_fill(cr);
        }
        const double cx = kShadow, cy = kShadow, cw = kW - 2 * kShadow, ch = kH - 2 * kShadow;
        cairo_save(cr);
        RoundedRect(cr, cx, cy, cw, ch, 12);
        cairo_clip(cr);
        // Night sky over cloud ridges.
        VerticalGradient(cr, cy, cy + ch, Hex(0x0B1A33), Hex(0x1D4C86));
        cairo_paint(cr);
        cairo_pattern_t* moon = cairo_pattern_create_radial(210, 150, 4, 210, 150, 90);
        cairo_pattern_add_color_stop_rgba(moon, 0, 1, 0.97, 0.86, 0.9);
        cairo_pattern_add_color_stop_rgba(moon, 0.3, 0.9, 0.93, 1, 0.25);
        cairo_pattern_add_color_stop_rgba(moon, 1, 0.4, 0.6, 1, 0);
        cairo_set_source(cr, moon);
        cairo_paint(cr);
        cairo_pattern_destroy(moon);
        Set(cr, Hex(0xFFF6DA));
        cairo_arc(cr, 210, 150, 26, 0, 2 * M_PI);
        cairo_fill(cr);
        for (int i = 0; i < 60; ++i) {
          const double sx = cx + std::fmod(i * 137.5, cw), sy = cy + std::fmod(i * 71.3, 220.0);
          Set(cr, Hex(0xFFFFFF, 0.25 + 0.5 * std::fmod(i * 0.37, 1.0)));
          cairo_arc(cr, sx, sy, 0.6 + std::fmod(i * 0.23, 1.0), 0, 2 * M_PI);
          cairo_fill(cr);
        }
        Mountains(cr, cx, cx + cw, 300, 70, 0.3, Hex(0x24508A));
        Mist(cr, 150, 318, 220, 26, 0.28);
        Mountains(cr, cx, cx + cw, 360, 60, 1.7, Hex(0x17396A));
        Mist(cr, 260, 378, 260, 24, 0.22);
        Cloud(cr, 300, 200, 2.2, Hex(0xDDEBFF, 0.55));
        Cloud(cr, 80, 120, 1.4, Hex(0xDDEBFF, 0.4));
        Mountains(cr, cx, cx + cw, 420, 50, 2.9, Hex(0x0E2748));
        Mist(cr, 120, 440, 240, 22, 0.2);
        Mountains(cr, cx, cx + cw, 470, 30, 4.1, Hex(0x081A33));
        // Title over the landscape.
        Text(cr, "云岭传说", 52, 700, Hex(0x000000, 0.45), 184, 247);
        Text(cr, "云岭传说", 52, 700, Hex(0xFFF3CF), 182, 244);
        Text(cr, "KELVO  ·  登录器", 15, 400, Hex(0xBFD6F5), 182, 292);
        // The login panel under the portal's page, with its header band.
        RoundedRect(cr, 353, 87, 523, 411, 8);
        Set(cr, Hex(0x0A1830, 0.82));
        cairo_fill_preserve(cr);
        Set(cr, Hex(0x5A8FD0, 0.7));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_save(cr);
        RoundedRect(cr, 353, 87, 523, 32, 8, true, false);
        cairo_clip(cr);
        VerticalGradient(cr, 87, 119, kCaptionTop, kCaptionBottom);
        cairo_paint(cr);
        cairo_restore(cr);
        Text(cr, "账号登录", 14, 700, kGlyph, 400, 103);
        // Minimise and close pictures, inside the page's no-drag box (x 833-881, y 87-117).
        cairo_save(cr);
        cairo_translate(cr, 842, 102);
        cairo_move_to(cr, -5, 3);
        cairo_line_to(cr, 5, 3);
        Stroke(cr, kGlyph, 2);
        cairo_restore(cr);
        cairo_save(cr);
        RoundedRect(cr, 855, 92, 20, 20, 4);
        Set(cr, Hex(0xE0464B, 0.85));
        cairo_fill(cr);
        cairo_translate(cr, 865, 102);
        Cross(cr, 4.5, kGlyph, 2);
        cairo_restore(cr);
        cairo_restore(cr);
        // A fine highlight along the card's edge.
        RoundedRect(cr, cx + 0.5, cy + 0.5, cw - 1, ch - 1, 12);
        Set(cr, Hex(0x6FA3E6, 0.6));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      },
      /*hard=*/false);
}

// --- Program icon ------------------------------------------------------------------------------

void Icon(int size) {
  CairoSurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
  {
    CairoPtr c(cairo_create(s.get()));
    cairo_t* cr = c.get();
    cairo_scale(cr, size / 64.0, size / 64.0);
    RoundedRect(cr, 3, 3, 58, 58, 13);
    VerticalGradient(cr, 3, 61, Hex(0x3C8DF5), Hex(0x0F2D5C));
    cairo_fill_preserve(cr);
    Set(cr, Hex(0x0A1A33));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRect(cr, 4, 4, 56, 56, 12);
    cairo_clip(cr);
    Set(cr, Hex(0xFFF3CF));
    cairo_arc(cr, 44, 20, 7, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 64);
    cairo_line_to(cr, 0, 44);
    cairo_line_to(cr, 18, 24);
    cairo_line_to(cr, 28, 36);
    cairo_line_to(cr, 38, 26);
    cairo_line_to(cr, 64, 48);
    cairo_line_to(cr, 64, 64);
    cairo_close_path(cr);
    Set(cr, Hex(0x0B1F3F));
    cairo_fill(cr);
    cairo_move_to(cr, 18, 24);
    cairo_line_to(cr, 23, 30);
    cairo_line_to(cr, 18, 29);
    cairo_line_to(cr, 13, 30);
    cairo_close_path(cr);
    Set(cr, Hex(0xE8F2FF));
    cairo_fill(cr);
    Cloud(cr, 24, 50, 0.75, Hex(0xE8F2FF, 0.9));
    cairo_restore(cr);
  }
  Write(s.get(), g_icon_dir + "/ylcskelvo-" + std::to_string(size) + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <skin folder> <icon folder>\n", argv[0]);
    return 2;
  }
  g_skin_dir = argv[1];
  g_icon_dir = argv[2];

  LoginBackground();
  WindowSkin(131, kClientLight);
  WindowSkin(134, kClientDark);

  CaptionButton(132, 33, 28, true,
                [](cairo_t* cr, int frame, double) { Cross(cr, 4.5, GlyphColour(frame), 1.8); });
  CaptionButton(135, 27, 28, false, [](cairo_t* cr, int frame, double) {
    cairo_rectangle(cr, -5.5, -4.5, 11, 9);
    Stroke(cr, GlyphColour(frame), 1.6);
    cairo_rectangle(cr, -5.5, -4.5, 11, 2);
    Set(cr, GlyphColour(frame));
    cairo_fill(cr);
  });
  CaptionButton(136, 27, 28, false, [](cairo_t* cr, int frame, double) {
    cairo_move_to(cr, -5, 3.5);
    cairo_line_to(cr, 5, 3.5);
    Stroke(cr, GlyphColour(frame), 2);
  });
  CaptionButton(137, 27, 28, false, [](cairo_t* cr, int frame, double) {
    cairo_rectangle(cr, -5.5, -2.5, 8, 7);
    Stroke(cr, GlyphColour(frame), 1.5);
    cairo_move_to(cr, -2.5, -2.5);
    cairo_line_to(cr, -2.5, -5.5);
    cairo_line_to(cr, 5.5, -5.5);
    cairo_line_to(cr, 5.5, 1.5);
    cairo_line_to(cr, 2.5, 1.5);
    Stroke(cr, GlyphColour(frame), 1.5);
  });
  // Hide (boss key): an arrow down into a tray line.
  CaptionButton(138, 27, 27, false, [](cairo_t* cr, int frame, double) {
    cairo_move_to(cr, 0, -6);
    cairo_line_to(cr, 0, 2);
    cairo_move_to(cr, -4, -2);
    cairo_line_to(cr, 0, 2);
    cairo_line_to(cr, 4, -2);
    cairo_move_to(cr, -6, 6);
    cairo_line_to(cr, 6, 6);
    Stroke(cr, GlyphColour(frame), 1.8);
  });
  // "系统": the program writes the text; the picture gives it a plate and a menu arrow.
  Strip(139, 44, 28, 4, [](cairo_t* cr, int frame) {
    PaintCaptionBand(cr, 0, 44, 28);
    const Colour fills[] = {Hex(0xFFFFFF, 0.06), Hex(0xFFFFFF, 0.2), Hex(0x000000, 0.25),
                            Hex(0xFFFFFF, 0.03)};
    RoundedRect(cr, 2.5, 4.5, 39, 19, 4);
    Set(cr, fills[frame]);
    cairo_fill_preserve(cr);
    Set(cr, frame == 3 ? Hex(0x3A5478) : Hex(0x6F9AD4, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    CutFrameCorners(cr, 44, 28);
  });
  Strip(140, 189, 22, 3, [](cairo_t* cr, int frame) { TabFrame(cr, 189, 22, frame); });
  Strip(141, 13, 13, 3, [](cairo_t* cr, int frame) {
    // The close box sits on a tab; its own round plate makes it independent of the tab's colour.
    const Colour plates[] = {Hex(0x1C3A63), kCloseRed, kCloseRedDark};
    Set(cr, plates[frame]);
    cairo_arc(cr, 6.5, 6.5, 6.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_translate(cr, 6.5, 6.5);
    Cross(cr, 2.5, kGlyph, 1.5);
  });
  Skin(142, 14, 16, [](cairo_t* cr) { Padlock(cr); });
  NoticeBackground(143, 250, 191, true);
  // Notice close: a small cross on the header band.
  Strip(144, 36, 14, 4, [](cairo_t* cr, int frame) {
    VerticalGradient(cr, -3, 35, kCaptionTop, kCaptionBottom);
    cairo_paint(cr);
    if (frame == 1 || frame == 2) {
      RoundedRect(cr, 20, 0, 15, 14, 3);
      Set(cr, frame == 1 ? kCloseRed : kCloseRedDark);
      cairo_fill(cr);
    }
    cairo_translate(cr, 27.5 + (frame == 2 ? 1 : 0), 7);
    Cross(cr, 3, GlyphColour(frame), 1.5);
  });
  // Notice close tab with its text, for the picture-only layout.
  Strip(145, 54, 22, 4, [](cairo_t* cr, int frame) {
    const Colour tops[] = {kCaptionTop, Hex(0xE85A5F), kCloseRedDark, Hex(0x5B6B80)};
    const Colour bottoms[] = {kCaptionBottom, kCloseRed, Hex(0x8E1F24), Hex(0x45525F)};
    RoundedRect(cr, 0, 0, 54, 22, 5, true, false);
    VerticalGradient(cr, 0, 22, tops[frame], bottoms[frame]);
    cairo_fill(cr);
    Text(cr, "关闭", 12, 400, GlyphColour(frame), 21, 11);
    cairo_translate(cr, 43, 11);
    Cross(cr, 3, GlyphColour(frame), 1.5);
  });
  Skin(146, 160, 212, [](cairo_t* cr) {
    // The top 22 rows beside the close tab stay transparent.
    RoundedRect(cr, 0, 22, 160, 190, 5, false, true);
    Set(cr, kCaptionBottom);
    cairo_fill(cr);
    RoundedRect(cr, 106, 0, 54, 30, 5, true, false);
    cairo_fill(cr);
    Set(cr, Hex(0xF5F9FC));
    cairo_rectangle(cr, 3, 25, 154, 184);
    cairo_fill(cr);
  });
  NoticeBackground(147, 250, 167, false);
  CaptionButton(148, 27, 27, false, [](cairo_t* cr, int frame, double) {
    Speaker(cr, GlyphColour(frame));
    cairo_translate(cr, 5, 0);
    Cross(cr, 2.5, frame == 3 ? GlyphColour(frame) : Hex(0xFF7A7E), 1.6);
  });
  CaptionButton(149, 27, 27, false, [](cairo_t* cr, int frame, double) {
    Speaker(cr, GlyphColour(frame));
    cairo_arc(cr, 0, 0, 4, -M_PI / 4, M_PI / 4);
    Stroke(cr, GlyphColour(frame), 1.4);
    cairo_arc(cr, 0, 0, 7, -M_PI / 4, M_PI / 4);
    Stroke(cr, GlyphColour(frame), 1.4);
  });
  for (int id : {150, 151}) {
    Strip(id, 79, 28, 4, [id](cairo_t* cr, int frame) {
      PaintCaptionBand(cr, 0, 79, 28);
      const bool bright = id == 151 || frame == 1;
      RoundedRect(cr, 2.5, 3.5, 74, 21, 10.5);
      VerticalGradient(cr, 3, 25, bright ? Hex(0x4FA3FF) : Hex(0x2D6BC0),
                       frame == 2 ? Hex(0x123E7A) : Hex(0x1A4F9C));
      cairo_fill(cr);
      Text(cr, "游戏大厅", 12, 700, GlyphColour(frame), 39.5, 14);
      CutFrameCorners(cr, 79, 28);
    });
  }
  Skin(
      152, 390, 21,
      [](cairo_t* cr) {
        RoundedRect(cr, 0.5, 0.5, 389, 20, 10);
        VerticalGradient(cr, 0, 21, Hex(0xC5D3E0), Hex(0xE4ECF3));
        cairo_fill_preserve(cr);
        Set(cr, Hex(0x9FB3C7));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      },
      false);
  Skin(
      153, 390, 21,
      [](cairo_t* cr) {
        RoundedRect(cr, 0.5, 0.5, 389, 20, 10);
        VerticalGradient(cr, 0, 21, Hex(0x63B6FF), Hex(0x1766D6));
        cairo_fill_preserve(cr);
        Set(cr, Hex(0x1456B4));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        RoundedRect(cr, 6, 2, 378, 7, 3.5);
        Set(cr, Hex(0xFFFFFF, 0.35));
        cairo_fill(cr);
      },
      false);
  Strip(133, 57, 23, 4, [](cairo_t* cr, int frame) {
    PushButtonFrame(cr, 57, 23, frame);
    CutFrameCorners(cr, 57, 23);
  });
  // New-tab prompt: caption band, light client, fixed size.
  Skin(162, 284, 150, [](cairo_t* cr) {
    RoundedRect(cr, 0, 0, 284, 150, 6);
    cairo_clip(cr);
    Set(cr, kFrameBlue);
    cairo_paint(cr);
    PaintCaptionBand(cr, 0, 284, 30);
    Set(cr, kClientLight);
    cairo_rectangle(cr, 3, 30, 278, 117);
    cairo_fill(cr);
    Set(cr, Hex(0x0A1628));
    cairo_set_line_width(cr, 1);
    RoundedRect(cr, 0.5, 0.5, 283, 149, 6);
    cairo_stroke(cr);
  });

  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) Icon(size);
  return 0;
}
