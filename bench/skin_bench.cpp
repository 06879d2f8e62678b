// Prints what a skinned window costs: the time to rebuild its corner region after a resize, and
// the time to repaint a 1920 x 1080 skinned window (9-grid background, icon-less caption title)
// compared with a plain cairo fill of the same size.
//   skin_bench [iterations]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/skin_image.h"
#include "platform/text_drawing.h"
#include "platform/window_shape.h"
#include "rules/ui/skin_geometry.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median-free but warm: one untimed run, then the mean of `n` runs, in microseconds.
double MeanMicros(int n, const std::function<void()>& run) {
  run();
  const auto start = Clock::now();
  for (int i = 0; i < n; ++i) run();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / n;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ylcs;
  const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  constexpr int kW = 1920, kH = 1080;

  const SkinImage dialog_skin = LoadSkinImage(131);
  const SkinImage main_skin = LoadSkinImage(134);
  if (!dialog_skin || !main_skin) {
    std::fprintf(stderr, "skin_bench: the skins could not be loaded\n");
    return 1;
  }

  const double region = MeanMicros(n * 10, [&] {
    const auto cut = CornerCutPixels(main_skin.width(), main_skin.height(), kW, kH,
                                     [&](int x, int y) { return main_skin.IsKey(x, y); });
    const CairoRegionPtr shape = RegionWithoutPixels(kW, kH, cut);
    if (cairo_region_num_rectangles(shape.get()) == 0) std::abort();
  });

  CairoSurfacePtr target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH));
  CairoPtr cr(cairo_create(target.get()));
  const TextLayout title(FontSpec{-12, 400, false, 0});
  const double skinned = MeanMicros(n, [&] {
    PaintSkinBackground(cr.get(), main_skin, kW, kH, 4, 30, true);
    SetSourceRgb(cr.get(), {255, 255, 255});
    title.Draw(cr.get(), "kelvo - 云岭传说", {9, 7, 200, 24}, {});
    cairo_surface_flush(target.get());
  });
  const double plain = MeanMicros(n, [&] {
    cairo_set_source_rgb(cr.get(), 0.05, 0.09, 0.15);
    cairo_paint(cr.get());
    cairo_surface_flush(target.get());
  });

  std::printf("corner region rebuild (skin 134, %dx%d window): %.1f us\n", kW, kH, region);
  std::printf("skinned repaint %dx%d: %.0f us\n", kW, kH, skinned);
  std::printf("plain cairo fill %dx%d: %.0f us\n", kW, kH, plain);
  std::printf("repaint ratio skinned / plain fill: %.2f\n", skinned / plain);
  return 0;
}
