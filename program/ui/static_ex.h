#pragma once
// CStaticEx: the text and link label of the skinned windows. It shows its parent's skin under
// it, an optional picture (or 16 x 16 icon) at its left or right, and its text in the UI font,
// wrapped character by character so that Chinese text without spaces breaks at the label's width;
// the label grows downwards when the text needs more lines than fit.
//
// Mouse: only a label with SS_NOTIFY takes the mouse (ModifyStyle(0, SS_NOTIFY) at run time);
// without it the mouse goes to the parent. With SS_NOTIFY a press sends WM_COMMAND (id,
// STN_CLICKED) to the parent, m_bLink shows the hand cursor, and m_bHoverColor switches the text
// to m_clrHover 10 ms after the pointer enters, back when it leaves.
//
// The owner sets the public settings before the label is first painted: the font is made once,
// on the first paint, so later changes of the font settings have no effect. Changing the text:
// assign m_strText and Invalidate().

#include <memory>
#include <optional>
#include <string>

#include "platform/handles.h"
#include "platform/skin_image.h"
#include "platform/text_drawing.h"
#include "program/ui/wnd.h"
#include "rules/ui/widget_geometry.h"

namespace ylcs {

class CStaticEx : public CWnd {
 public:
  CStaticEx() = default;
  ~CStaticEx() override;

  bool Create(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent, int id) {
    return CreateControl(text, style, rect, parent, id);
  }
  bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                     int id) override;

  // The picture (a skin image; the caller keeps it too). False for an empty image.
  bool SetImage(const SkinImage& picture);
  // The label font, made on the first call from the window's font and the overrides.
  const TextLayout& GetTextFont();
  // Draws the text into `cr` and grows the label when the text needs it.
  virtual void DrawWrappedText(cairo_t* cr);
  // The lines the last paint drew.
  const WrappedText& last_wrap() const { return last_wrap_; }

  std::string m_strText;
  int m_nFontWidth = 0;
  int m_nFontWeight = -1;
  int m_nFontHeight = 0;
  bool m_bLink = false;
  bool m_bUnderline = false;
  Rgb m_clrText{0, 0, 0};
  Rgb m_clrHover{0, 0, 0};
  int m_nLineSpacing = 3;
  bool m_bHoverColor = false;
  bool m_bHover = false;
  bool m_bTracking = false;
  GObjectPtr<GdkPixbuf> m_hIcon;  // 16 x 16 icon drawn when there is no picture
  int m_nImageWidth = 0;
  int m_nImageHeight = 0;
  bool m_bImageRight = false;

 protected:
  void OnPaint(cairo_t* cr) override;
  void OnStyleChanged() override;

 private:
  static gboolean EnterCb(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean PressCb(GtkWidget*, GdkEventButton* event, gpointer self);
  void ApplyMouseStyle();

  SkinImage picture_;
  std::unique_ptr<TextLayout> font_;
  WrappedText last_wrap_;
  GSourceId hover_timer_;
  GSourceId grow_;
};

}  // namespace ylcs
