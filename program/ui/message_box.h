#pragma once
// The one way a message reaches the player: a skinned message box (CMessageBox, a CDlgEx) with a
// title, a multi-line text and one or two image buttons, sized to its text and centred on its
// owner. Types MB_OK, MB_OKCANCEL, MB_YESNO; answers IDOK, IDCANCEL, IDYES, IDNO. Enter and Escape
// do nothing; the close box answers IDCANCEL whatever the type.

#include <cstdint>
#include <string>

#include "platform/skin_image.h"
#include "program/ui/dlg_ex.h"
#include "rules/ui/dialog_results.h"
#include "rules/ui/widget_geometry.h"

namespace ylcs {

class CMessageBox : public CDlgEx {
 public:
  explicit CMessageBox(CWnd* parent);

  void Setup(int type, const std::string& text, const std::string& title, SkinImage background,
             SkinImage close_image, SkinImage button1_image, SkinImage button2_image);

  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  void OnClose() override { EndDialog(IDCANCEL); }
  bool OnCommand(int id, unsigned code) override;
  void OnPaint(cairo_t* cr) override;

  SkinImage m_hBackground;
  SkinImage m_hCloseImage;
  SkinImage m_hButton1Image;
  SkinImage m_hButton2Image;
  std::string m_strText;
  std::string m_strTitle;
  int m_nType = MB_OK;
  int m_nLines = 1;
  Rgb m_clrText{0, 0, 0};
  CBtnEx m_btn1;
  CBtnEx m_btn2;
};

// The dialog template of the message box (130).
const DialogTemplate& MessageBoxTemplate();

// Shows the box with the standard images; `owner` is the X11 window to centre on and stay above
// (of this process or another), 0 for none. Without a display the text goes to stderr and the
// answer is the one of the close box (IDCANCEL).
int ShowMessageBox(std::uint32_t owner, const std::string& text, const std::string& title, int type);

// The same with images of the caller's choice.
int DoMessageBox(std::uint32_t owner, const std::string& text, const std::string& title, int type,
                 SkinImage background, SkinImage close_image, SkinImage button1_image,
                 SkinImage button2_image);

}  // namespace ylcs
