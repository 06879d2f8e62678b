#pragma once
// A window whose pixels of one colour are see-through: its shape is everything but that colour.

#include <cairo.h>

#include "platform/handles.h"
#include "rules/ui/skin_geometry.h"

namespace ylcs {

// The region of the image's pixels that are not exactly `key` (alpha ignored).
CairoRegionPtr RegionWithoutColour(cairo_surface_t* image, Rgb key);

}  // namespace ylcs
