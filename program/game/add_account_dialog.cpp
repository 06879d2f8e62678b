#include "program/game/add_account_dialog.h"

#include "rules/app/window_messages.h"

namespace ylcs {

namespace {

constexpr const char* kQuestion =
    "在当前窗口新增标签页？\r\n点击\"是\"，在当前窗口登录(支持3个标签页)；\r\n点击\"否\"，在新窗口中登录。";

DialogTemplate AddAccountTemplate() {
  DialogTemplate t;
  t.id = 161;
  t.cx = 189;
  t.cy = 92;
  t.font_points = 8;
  t.style = WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
  t.controls = {
      {1, ControlKind::Button, "是", 95, 71, 42, 14},
      {2, ControlKind::Button, "否", 141, 71, 42, 14},
      {1023, ControlKind::Static, kQuestion, 14, 31, 160, 30},
  };
  return t;
}

}  // namespace

CAddAccDlg::CAddAccDlg(CWnd* parent) : CDlgEx(AddAccountTemplate(), parent), main_window_(parent) {}

void CAddAccDlg::DoDataExchange(CDataExchange& dx) {
  dx.Control(1023, m_stcQuestion);
  dx.Control(1, m_btnYes);
  dx.Control(2, m_btnNo);
}

bool CAddAccDlg::OnInitDialog() {
  CDlgEx::OnInitDialog();
  SetTitle("登录其他账号");
  m_nCaptionHeight = 30;
  m_nBorder = 3;
  m_nBtnRightMargin = 5;
  m_nBtnTop = 1;
  m_nBtnSpacing = 0;
  SetSkin({}, LoadSkinImage(162), true, false);
  button_strip_ = LoadSkinImage(133);
  m_btnYes.SetImage(button_strip_, true);
  m_btnNo.SetImage(button_strip_, true);
  m_stcQuestion.m_nLineSpacing = 5;
  return true;
}

bool CAddAccDlg::OnCommand(int id, unsigned code) {
  // Enter and Escape arrive as the same ids as the two buttons.
  if (id == IDOK || id == IDCANCEL) {
    Answer(id == IDOK);
    return true;
  }
  return CDlgEx::OnCommand(id, code);
}

void CAddAccDlg::Answer(bool new_tab) {
  if (main_window_) main_window_->PostMessage(WM_ADD_ACCOUNT, new_tab ? 1 : 0, 0);
  ShowWindow(false);
}

void CAddAccDlg::OnActivate(bool active) {
  CDlgEx::OnActivate(active);
  // Clicking elsewhere dismisses the prompt without an answer.
  if (!active) ShowWindow(false);
}

}  // namespace ylcs
