#pragma once
// The prompt under the main window's link "登录其他账号": log the next account in as a further
// tab of this window, or in a new window. It only reports the answer to the main window.

#include "program/ui/btn_ex.h"
#include "program/ui/dlg_ex.h"
#include "program/ui/static_ex.h"

namespace ylcs {

class CAddAccDlg : public CDlgEx {
 public:
  explicit CAddAccDlg(CWnd* parent);

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int id, unsigned code) override;
  void OnActivate(bool active) override;
  // The prompt cannot be dragged: everything is client area.
  HitCode OnNcHitTest(Point) override { return HitCode::Client; }

 private:
  void Answer(bool new_tab);

  CWnd* main_window_;  // receives the answer

  CStaticEx m_stcQuestion;
  CBtnEx m_btnYes;
  CBtnEx m_btnNo;
  SkinImage button_strip_;
};

}  // namespace ylcs
