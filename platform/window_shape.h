#pragma once
// Window shapes: the skinned windows cut their rounded corners out of their X window (drawing and
// input alike), and a window painted with per-pixel alpha is cut to its visible pixels where no
// compositor blends it.

#include <gdk/gdk.h>

#include <vector>

#include "platform/handles.h"
#include "rules/ui/skin_geometry.h"

namespace ylcs {

// The rectangle (0, 0, width, height) without the given pixels.
CairoRegionPtr RegionWithoutPixels(int width, int height, const std::vector<Point>& pixels);

// The pixels of an ARGB32 image whose alpha is at least `min_alpha`.
CairoRegionPtr RegionFromAlpha(cairo_surface_t* image, int min_alpha);

// Makes `region` the window's shape for drawing and for input; null removes the shape.
void ApplyWindowShape(GdkWindow* window, const cairo_region_t* region);

// Whether a compositor blends windows with per-pixel alpha on this screen.
bool IsCompositing(GdkScreen* screen);

}  // namespace ylcs
