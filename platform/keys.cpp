#include "platform/keys.h"

#include "rules/app/settings_values.h"
#include "rules/hotkeys/virtual_keys.h"

namespace ylcs {

int ModifierBitsOf(guint state) {
  int bits = 0;
  if (state & GDK_CONTROL_MASK) bits |= kModCtrl;
  if (state & GDK_SHIFT_MASK) bits |= kModShift;
  if (state & GDK_MOD1_MASK) bits |= kModAlt;
  return bits;
}

int CurrentModifierBits() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return 0;
  return ModifierBitsOf(gdk_keymap_get_modifier_state(gdk_keymap_get_for_display(display)));
}

bool IsLeftButtonDown() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return false;
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
  GdkModifierType mask{};
  gdk_device_get_state(pointer, gdk_get_default_root_window(), nullptr, &mask);
  return (mask & GDK_BUTTON1_MASK) != 0;
}

KeyStroke KeyStrokeOf(const GdkEventKey* event) {
  KeyStroke press;
  press.modifiers = ModifierBitsOf(event->state);
  // The key's own symbol: what it gives with Num Lock as it is, but without Shift, Ctrl or Alt.
  guint keyval = event->keyval;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode,
                                      static_cast<GdkModifierType>(event->state & GDK_MOD2_MASK),
                                      event->group, &keyval, nullptr, nullptr, nullptr);
  press.keysym = keyval;
  press.virtual_key = VirtualKeyOfKeysym(keyval);
  // X key codes are the PC scan codes plus 8.
  press.scan_code = event->hardware_keycode >= 8 ? event->hardware_keycode - 8 : 0;
  press.lparam = static_cast<std::int32_t>(1u | (static_cast<unsigned>(press.scan_code & 0xFF) << 16) |
                                           ((press.modifiers & kModAlt) ? (1u << 29) : 0u));
  return press;
}

}  // namespace ylcs
