#pragma once
// The arithmetic of the skinned windows: keyed skin pixels, the corner cut-outs that shape a
// window, the pieces of a stretched background, title placement, hit testing, the emulated
// maximise and the caption buttons' places. Pure integer geometry, shared by the windows and
// their tests.

#include <cstdint>
#include <functional>
#include <vector>

namespace ylcs {

// Rectangles keep the traditional edges: right and bottom lie just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The one transparency key of all skin artwork, RGB(255, 0, 255).
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kKeyColour{255, 0, 255};

// A skin pixel as the keyed bitmap holds it: opaque pixels keep their colour, fully transparent
// ones become the key colour, partly transparent ones are blended over white with
// (A x (c - 255) + 65025) / 255 in integer arithmetic.
struct KeyedPixel {
  Rgb colour;
  bool is_key = false;
  friend bool operator==(const KeyedPixel&, const KeyedPixel&) = default;
};
KeyedPixel ToKeyedPixel(Rgb colour, std::uint8_t alpha);

// --- Corner cut-outs -------------------------------------------------------------------------

// Window pixels to remove from a W x H window so that the skin's key-colour corners stay see-
// through. Only the four 9 x 9 corner squares of the skin are read; the corners map to the
// window's corners, so a stretched skin keeps its rounded corners. Each pixel is listed once.
using IsKeyPixel = std::function<bool(int x, int y)>;
std::vector<Point> CornerCutPixels(int skin_width, int skin_height, int window_width, int window_height,
                                   const IsKeyPixel& is_key);

// --- Background -------------------------------------------------------------------------------

// One copy or stretch of a skin rectangle onto the window: source and destination.
struct Blit {
  Rect source;
  Rect target;
  friend bool operator==(const Blit&, const Blit&) = default;
};

// The pieces of a skin of bw x bh drawn onto a window of w x h with frame width `border` and
// caption band `caption` (-1: the band is `border` high). Stretched: a 9-grid with fixed corners.
// Natural size: the skin as it stands (clipped to the skin), with the right edge and bottom row
// fitted to the window. Empty pieces are left out.
std::vector<Blit> BackgroundPieces(int skin_width, int skin_height, int window_width, int window_height,
                                   int border, int caption, bool stretch);

// Where the caption band's 16 x 16 icon and the title text go.
int CaptionIconY(int caption);
// `font_height` is the absolute character height of the dialog font.
int CaptionTitleY(int caption, int font_height);
// The title's x: after the icon when one is drawn.
int CaptionTitleX(int border, bool icon_drawn);

// --- Hit testing and sizing -------------------------------------------------------------------

// The traditional hit-test codes.
enum class HitCode : int {
  Nowhere = 0,
  Client = 1,
  Caption = 2,
  Left = 10,
  Right = 11,
  Top = 12,
  TopLeft = 13,
  TopRight = 14,
  Bottom = 15,
  BottomLeft = 16,
  BottomRight = 17,
};

struct HitTestFrame {
  int width = 0;     // client width W
  int height = 0;    // client height H
  int border = 3;    // B
  int caption = -1;  // C; -1: the whole window is caption
  bool resizable = false;
  bool maximized = false;
};

// The hit code of the client point (x, y). Maximised windows answer Client everywhere.
HitCode HitTest(const HitTestFrame& frame, int x, int y);

// Whether a code is one of the eight resize borders.
bool IsSizingBorder(HitCode code);
// The size command of the system (0xF001 to 0xF008) for a border code, 0 for any other.
int SizeCommandForHit(HitCode code);

// The centred three quarters of the work area that a window restores to before the user moved it.
Rect InitialRestoreRect(const Rect& work_area);
// The emulated maximise: the work area, narrowed to at most max_width x max_height, centred.
Rect MaximizedRect(const Rect& work_area, int max_width, int max_height);

// --- Caption buttons --------------------------------------------------------------------------

// Places of the close, maximise and minimise buttons from the right; a width of 0 means the button
// is absent (its rectangle is then empty).
struct CaptionButtonPlaces {
  Rect close;
  Rect maximize;
  Rect minimize;
};
CaptionButtonPlaces PlaceCaptionButtons(int client_width, int right_margin, int top, int spacing,
                                        Point close_size, Point maximize_size, Point minimize_size);

// --- Dialog units ------------------------------------------------------------------------------

// number x numerator / denominator rounded to nearest (halves away from zero); -1 for a zero
// denominator.
int MulDiv(int number, int numerator, int denominator);
// A template rectangle (x, y, width, height in dialog units) in pixels with the dialog font's base
// units: horizontal values x base_x / 4, vertical values x base_y / 8, each rounded by itself.
Rect DialogUnitsToPixels(int x, int y, int width, int height, int base_x, int base_y);

}  // namespace ylcs
