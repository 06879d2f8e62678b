#include "program/ui/message_box.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "program/ui/toolkit.h"

namespace ylcs {

namespace {

// A line as drawn: the carriage return before a line feed is not drawn.
std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

const DialogTemplate& MessageBoxTemplate() {
  static const DialogTemplate kTemplate{130, 0, 0,  187, 94, WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
                                        0,   8, "", {}};
  return kTemplate;
}

CMessageBox::CMessageBox(CWnd* parent) : CDlgEx(MessageBoxTemplate(), parent) {}

void CMessageBox::Setup(int type, const std::string& text, const std::string& title, SkinImage background,
                        SkinImage close_image, SkinImage button1_image, SkinImage button2_image) {
  m_nType = type;
  m_strText = text;
  m_strTitle = title;
  m_hBackground = std::move(background);
  m_hCloseImage = std::move(close_image);
  m_hButton1Image = std::move(button1_image);
  m_hButton2Image = std::move(button2_image);
  m_clrText = {0, 0, 0};
}

bool CMessageBox::OnInitDialog() {
  CDlgEx::OnInitDialog();
  m_nCaptionHeight = 30;
  m_nBorder = 4;
  m_nBtnRightMargin = 0;
  m_nBtnTop = 0;
  m_nBtnSpacing = 0;
  SetSkin(m_hCloseImage, m_hBackground, false, true);
  SetTitle(m_strTitle);
  m_nLines = CountMessageLines(m_strText);

  const TextLayout font(GetFont());
  const Point text = font.Measure(m_strText);
  const int fw = m_hButton1Image.width() / kButtonFrames;
  const int fh = m_hButton1Image.height();
  const MessageBoxLayout layout = LayoutMessageBox(text.x, text.y, m_nLines, fw, fh, m_nType);
  SetWindowSize(layout.width, layout.height);

  const MessageBoxCaptions captions = MessageBoxButtonCaptions(m_nType);
  m_btn1.Create(captions.first, WS_CHILD | WS_VISIBLE, layout.button1, this, kMessageBoxButton1);
  m_btn1.SetImage(m_hButton1Image, true);
  m_btn1.m_strText = captions.first;
  m_btn1.Invalidate();
  if (layout.button2.width() > 0) {
    m_btn2.Create(captions.second, WS_CHILD | WS_VISIBLE, layout.button2, this, kMessageBoxButton2);
    m_btn2.SetImage(m_hButton2Image, true);
    m_btn2.m_strText = captions.second;
    m_btn2.Invalidate();
  }
  return true;
}

bool CMessageBox::OnCommand(int id, unsigned code) {
  if (id == kMessageBoxButton1 || id == kMessageBoxButton2) {
    EndDialog(MessageBoxResult(m_nType, id));
    return true;
  }
  return CDlgEx::OnCommand(id, code);
}

void CMessageBox::OnPaint(cairo_t* cr) {
  const TextLayout font(GetFont());
  const Point text = font.Measure(m_strText);
  const int x = (GetClientRect().width() - text.x) / 2;
  const int line_height = text.y / m_nLines;
  SetSourceRgb(cr, m_clrText);
  int top = kMessageBoxTextTop;
  std::string_view rest = m_strText;
  while (true) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = WithoutCarriageReturn(rest.substr(0, end));
    font.Draw(cr, line, {x, top, x + text.x, top + line_height}, {});
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
    top += line_height + kMessageBoxLineGap;
  }
}

int DoMessageBox(std::uint32_t owner, const std::string& text, const std::string& title, int type,
                 SkinImage background, SkinImage close_image, SkinImage button1_image,
                 SkinImage button2_image) {
  CMessageBox box(nullptr);
  box.SetForeignOwner(owner);
  box.Setup(type, text, title, std::move(background), std::move(close_image), std::move(button1_image),
            std::move(button2_image));
  const int result = box.DoModal();
  return result == -1 ? IDCANCEL : result;
}

int ShowMessageBox(std::uint32_t owner, const std::string& text, const std::string& title, int type) {
  if (!HasToolkit()) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return IDCANCEL;
  }
  return DoMessageBox(owner, text, title, type, LoadSkinImage(131), LoadSkinImage(132), LoadSkinImage(133),
                      LoadSkinImage(133));
}

}  // namespace ylcs
