#include "rules/ui/skin_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace ylcs {

namespace {

std::uint8_t BlendOverWhite(std::uint8_t channel, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((alpha * (channel - 255) + 65025) / 255);
}

constexpr int kCornerScan = 9;

}  // namespace

KeyedPixel ToKeyedPixel(Rgb colour, std::uint8_t alpha) {
  if (alpha == 255) return {colour, false};
  if (alpha == 0) return {kKeyColour, true};
  return {{BlendOverWhite(colour.r, alpha), BlendOverWhite(colour.g, alpha), BlendOverWhite(colour.b, alpha)},
          false};
}

std::vector<Point> CornerCutPixels(int skin_width, int skin_height, int window_width, int window_height,
                                   const IsKeyPixel& is_key) {
  std::set<std::pair<int, int>> cut;  // (y, x): sorted by rows, each pixel once
  const int columns = std::min(skin_width, kCornerScan);
  auto scan_row = [&](int skin_y, int window_y) {
    if (skin_y < 0 || skin_y >= skin_height) return;  // rows above a short skin do not exist
    for (int x = 0; x < columns; ++x) {
      if (is_key(x, skin_y)) cut.emplace(window_y, x);
      if (is_key(skin_width - 1 - x, skin_y)) cut.emplace(window_y, window_width - 1 - x);
    }
  };
  for (int y = 0; y < std::min(skin_height, kCornerScan); ++y) scan_row(y, y);
  for (int y = skin_height - kCornerScan; y < skin_height; ++y) scan_row(y, window_height - skin_height + y);

  std::vector<Point> pixels;
  pixels.reserve(cut.size());
  for (const auto& [y, x] : cut) {
    if (x >= 0 && x < window_width && y >= 0 && y < window_height) pixels.push_back({x, y});
  }
  return pixels;
}

std::vector<Blit> BackgroundPieces(int bw, int bh, int w, int h, int b, int caption, bool stretch) {
  const int t = caption == -1 ? b : caption;
  std::vector<Blit> pieces;
  auto add = [&](int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    pieces.push_back({{sx, sy, sx + sw, sy + sh}, {dx, dy, dx + dw, dy + dh}});
  };
  auto copy = [&](int sx, int sy, int sw, int sh, int dx, int dy) { add(sx, sy, sw, sh, dx, dy, sw, sh); };

  if (stretch) {
    copy(0, 0, b, t, 0, 0);
    add(b, 0, bw - 2 * b, t, b, 0, w - 2 * b, t);
    copy(bw - b, 0, b, t, w - b, 0);
    add(0, t, b, bh - t - b, 0, t, b, h - t - b);
    add(bw - b, t, b, bh - t - b, w - b, t, b, h - t - b);
    add(b, t, bw - 2 * b, bh - t - b, b, t, w - 2 * b, h - t - b);
  } else {
    // The skin at its natural size; what lies beyond the skin is not part of it.
    copy(0, 0, std::min(w, bw), std::min(h, bh), 0, 0);
    copy(bw - b, 0, b, t, w - b, 0);
    add(bw - b, t, b, bh - t - b, w - b, t, b, h - t - b);
  }
  copy(0, bh - b, b, b, 0, h - b);
  add(b, bh - b, bw - 2 * b, b, b, h - b, w - 2 * b, b);
  copy(bw - b, bh - b, b, b, w - b, h - b);
  return pieces;
}

int CaptionIconY(int caption) { return caption == -1 ? 6 : (caption - 15) / 2; }

int CaptionTitleY(int caption, int font_height) {
  int y = (caption - font_height + 1) / 2;
  if (y < 0) y = 6;
  return y - 2;
}

int CaptionTitleX(int border, bool icon_drawn) { return (icon_drawn ? 16 : 0) + border + 5; }

HitCode HitTest(const HitTestFrame& f, int x, int y) {
  if (f.maximized) return HitCode::Client;
  const int b = f.border;
  const int c = f.caption;
  if (!f.resizable) {
    if ((y >= 0 && y < c) || c == -1) return HitCode::Caption;
    return HitCode::Client;
  }
  const bool top_corner = y >= 0 && y < b;
  const bool bottom_corner = y >= f.height - b && y < f.height;
  if (x >= 0 && x < b) {
    if (top_corner) return HitCode::TopLeft;
    if (bottom_corner) return HitCode::BottomLeft;
    return HitCode::Left;
  }
  if (x >= f.width - b && x < f.width) {
    if (top_corner) return HitCode::TopRight;
    if (bottom_corner) return HitCode::BottomRight;
    return HitCode::Right;
  }
  if (y >= 0 && y < 3) return HitCode::Top;
  if (y >= 3 && y < c) return HitCode::Caption;
  if (c == -1) return HitCode::Caption;
  if (bottom_corner) return HitCode::Bottom;
  return HitCode::Client;
}

bool IsSizingBorder(HitCode code) { return SizeCommandForHit(code) != 0; }

int SizeCommandForHit(HitCode code) {
  constexpr int kScSize = 0xF000;
  switch (code) {
    case HitCode::Left: return kScSize + 1;
    case HitCode::Right: return kScSize + 2;
    case HitCode::Top: return kScSize + 3;
    case HitCode::TopLeft: return kScSize + 4;
    case HitCode::TopRight: return kScSize + 5;
    case HitCode::Bottom: return kScSize + 6;
    case HitCode::BottomLeft: return kScSize + 7;
    case HitCode::BottomRight: return kScSize + 8;
    default: return 0;
  }
}

Rect InitialRestoreRect(const Rect& work) {
  const int dx = work.width() / 8;
  const int dy = work.height() / 8;
  return {work.left + dx, work.top + dy, work.right - dx, work.bottom - dy};
}

Rect MaximizedRect(const Rect& work, int max_width, int max_height) {
  Rect r = work;
  if (r.width() > max_width) {
    const int in = (work.width() - max_width) / 2;
    r.left += in;
    r.right -= in;
  }
  if (r.height() > max_height) {
    const int in = (work.height() - max_height) / 2;
    r.top += in;
    r.bottom -= in;
  }
  return r;
}

CaptionButtonPlaces PlaceCaptionButtons(int client_width, int right_margin, int top, int spacing,
                                        Point close_size, Point maximize_size, Point minimize_size) {
  CaptionButtonPlaces places;
  int x = client_width - right_margin;
  int right_neighbour = 0;  // width of the button to the right of the next one
  auto place = [&](Point size, Rect& out) {
    if (size.x <= 0) return;
    if (right_neighbour > 0) x -= right_neighbour + spacing;
    out = {x - size.x, top, x, top + size.y};
    right_neighbour = size.x;
  };
  place(close_size, places.close);
  place(maximize_size, places.maximize);
  place(minimize_size, places.minimize);
  return places;
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
  return static_cast<int>(negative ? -magnitude : magnitude);
}

Rect DialogUnitsToPixels(int x, int y, int width, int height, int base_x, int base_y) {
  const int left = MulDiv(x, base_x, 4);
  const int top = MulDiv(y, base_y, 8);
  return {left, top, left + MulDiv(width, base_x, 4), top + MulDiv(height, base_y, 8)};
}

}  // namespace ylcs
