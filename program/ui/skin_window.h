#pragma once
// Shaping skinned windows: the corner cut-outs of a skinned dialog, and the per-pixel alpha
// picture of a layered window.

#include "platform/handles.h"

namespace ylcs {

class CDialog;
class CDlgEx;

// Cuts the key-colour pixels of the background skin's four 9 x 9 corners out of the dialog's
// window (corners mapped to the window's corners). Without a background: no shape.
void BuildCornerRegion(CDlgEx& dialog);

// Makes the window show `image` (w x h, premultiplied alpha) with its per-pixel alpha: blended by
// the compositor when the window was made with WS_EX_LAYERED and a compositor runs, else cut to
// the image's visible pixels. The window takes the image's size at its current top-left.
bool PaintLayeredImage(CDialog& window, cairo_surface_t* image, int width, int height);

}  // namespace ylcs
