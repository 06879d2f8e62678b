#pragma once
// Key presses of GTK as the program's key codes: virtual-key code, modifier bits and the key
// message parameter of a Windows key event (repeat count 1, scan code, context bit for Alt).

#include <gdk/gdk.h>

#include <cstdint>

namespace ylcs {

struct KeyStroke {
  int virtual_key = 0;
  int modifiers = 0;        // Alt 1, Ctrl 2, Shift 4
  std::int32_t lparam = 0;  // as a key message would carry it
  int scan_code = 0;
  std::uint32_t keysym = 0;  // the key's symbol without Shift, Ctrl and Alt
};

KeyStroke KeyStrokeOf(const GdkEventKey* event);

// Modifier bits from an X or GDK modifier state.
int ModifierBitsOf(guint state);
// Modifier bits of the keyboard as it is now.
int CurrentModifierBits();
// Whether the left mouse button is down now.
bool IsLeftButtonDown();

}  // namespace ylcs
