#pragma once
// CDlgEx: the skinned dialog, base of every skinned window of the program (main window, message
// box, progress and download dialogs, settings, new-tab prompt, notice pop-up).
//
// The system frame is replaced by a skin: the background is painted from a skin image (stretched
// as a 9-grid or at its natural size), the title and icon are drawn in the caption band, close /
// maximise / minimise are image buttons (CBtnEx) at the top right, the caption band drags the
// window, the borders resize it when m_bResizable is set, and maximising is an emulation that
// fills the work area (at most m_nMaxWidth x m_nMaxHeight). The rounded corners come from the
// skin's key-colour corner pixels, cut out of the window's shape.
//
// A derived dialog calls CDlgEx::OnInitDialog first, then sets the layout members, then calls
// SetTitle and SetSkin:
//   m_nCaptionHeight = 30; m_nBorder = 4; m_nBtnRightMargin = 0; m_nBtnTop = 0;
//   SetTitle("版本更新中...");
//   SetSkin(LoadSkinImage(132), LoadSkinImage(131), false, true);
//
// The close and minimise buttons post WM_SYSCOMMAND (SC_CLOSE, SC_MINIMIZE) to the window, so the
// command passes PreTranslateMessage before it becomes WM_CLOSE -> OnClose -> OnCancel.

#include <string>

#include "platform/skin_image.h"
#include "program/ui/btn_ex.h"
#include "program/ui/dialog.h"

namespace ylcs {

inline constexpr int kCaptionCloseId = 50000;
inline constexpr int kCaptionMinimizeId = 50001;
inline constexpr int kCaptionMaximizeId = 50002;

class CDlgEx : public CDialog {
 public:
  CDlgEx(DialogTemplate dialog_template, CWnd* parent);
  ~CDlgEx() override;

  // Skin and caption buttons. Any strip may be empty: that button is not made. The close and
  // minimise strips stay the caller's (the buttons keep references); the background and the
  // maximise and restore strips are the dialog's. Calling it again replaces skin and buttons.
  bool SetSkin(const SkinImage& close, SkinImage background, bool resize_to_background,
               bool stretch_background, const SkinImage& minimize = {}, SkinImage maximize = {},
               SkinImage restore = {});
  // Sets the window text and repaints the title.
  void SetTitle(const std::string& title);

  virtual void OnCaptionClose();
  virtual void OnCaptionMinimize();
  virtual void ToggleMaximize();
  virtual void ShowMaximizeState(bool maximized);

  // Where the title text starts (x, y) with the current settings.
  Point TitlePosition() const;

  bool m_bShowTitle = true;
  bool m_bShowIcon = true;
  int m_nCaptionHeight = -1;
  int m_nBtnRightMargin = 5;
  int m_nBtnTop = 1;
  int m_nBtnSpacing = 0;
  int m_nBorder = 3;
  Rgb m_clrTitle{255, 255, 255};
  int m_nTitleWeight = 400;
  SkinImage m_bmpBackground;
  CBtnEx m_btnClose;
  CBtnEx m_btnMin;
  CBtnEx m_btnMax;
  int m_nMaxWidth = 1440;
  int m_nMaxHeight = 900;
  Rect m_rcRestore;
  bool m_bMaximized = false;
  bool m_bResizable = false;
  bool m_bStretchBackground = false;
  SkinImage m_bmpMaximize;
  SkinImage m_bmpRestore;

  bool OnInitDialog() override;
  bool OnEraseBkgnd(cairo_t* cr) override;
  HitCode OnNcHitTest(Point point) override;
  void OnNcLButtonDown(HitCode hit, Point point) override;
  void OnNcLButtonDblClk(HitCode hit, Point point) override;
  void OnLButtonDblClk(Point point) override;
  bool OnCommand(int id, unsigned code) override;

 protected:
  void OnSize(int width, int height) override;
  void OnMove(int x, int y) override;

 private:
  void CreateCaptionButton(int right, CBtnEx& button, const SkinImage& strip, int top, int id);
  void LayoutCaptionButtons();
  int TitleFontHeight() const;
  bool icon_drawn() const { return m_bShowIcon && GetSmallIcon(); }
};

}  // namespace ylcs
