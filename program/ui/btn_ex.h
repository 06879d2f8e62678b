#pragma once
// CBtnEx: the push button of every skinned window. It draws itself from a frame strip of four
// looks (normal, hover, pressed, disabled) over its parent's skin, which shows through the strip's
// key-colour pixels, with an optional centred line of text and an optional tooltip. A click
// reaches the parent as WM_COMMAND (id, BN_CLICKED), sent, as a button's click was.
//
// Looks: hover 10 ms after the pointer enters; pressed while the left button is held, latched
// until it is released even if the pointer leaves; disabled (EnableWindow(false)) overrides all,
// with grey text. Owners set m_strText and m_clrText directly, then Invalidate().

#include <memory>
#include <string>

#include "platform/handles.h"
#include "platform/skin_image.h"
#include "program/ui/tooltip.h"
#include "program/ui/wnd.h"
#include "rules/ui/widget_geometry.h"

namespace ylcs {

class CBtnEx : public CWnd {
 public:
  CBtnEx() = default;
  ~CBtnEx() override;

  bool Create(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent, int id) {
    return CreateControl(text, style, rect, parent, id);
  }
  bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                     int id) override;

  // Takes the strip's four frames (the strip stays the caller's: the button keeps a reference);
  // with `resize` the button becomes one frame's size.
  bool SetImage(const SkinImage& strip, bool resize);
  // Enables the tooltip with this text (660 ms delay); a second call only changes the text.
  void SetTooltip(const std::string& text);
  // The frame the button shows now.
  ButtonFrame CurrentFrame() const;

  bool m_bTracking = false;
  bool m_bHover = false;
  Rect m_rcWindow;
  std::string m_strText;
  Rgb m_clrText{0, 0, 0};
  bool m_bPressed = false;
  bool m_bTooltip = false;
  std::string m_strTooltip;

 protected:
  void OnPaint(cairo_t* cr) override;

 private:
  static gboolean EnterCb(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean MotionCb(GtkWidget*, GdkEventMotion* event, gpointer self);
  static gboolean PressCb(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean ReleaseCb(GtkWidget*, GdkEventButton* event, gpointer self);
  void TrackMouse();
  bool Inside(double x, double y) const;
  ButtonState State() const;

  SkinImage strip_;
  bool held_ = false;      // the left button went down on the button and is still down
  bool selected_ = false;  // held, and the pointer is over the button
  GSourceId hover_timer_;
  std::unique_ptr<CToolTip> tooltip_;
};

// The grey of disabled text.
inline constexpr Rgb kGrayText{109, 109, 109};

}  // namespace ylcs
