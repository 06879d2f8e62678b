#pragma once
// The plain controls a template may hold besides the skinned ones: an edit field (a GtkEntry)
// and a group box (a frame with a caption).

#include <optional>
#include <string>

#include "program/ui/wnd.h"

namespace ylcs {

class CEdit : public CWnd {
 public:
  CEdit() = default;
  ~CEdit() override;
  bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                     int id) override;
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;
  // Selects characters start..end (end -1: to the end); start = end = length puts the caret last.
  void SetSel(int start, int end);
  void ScrollCaret() {}  // the entry keeps its caret in view by itself
};

class CGroupBox : public CWnd {
 public:
  CGroupBox() = default;
  ~CGroupBox() override;
  bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                     int id) override;

  Rgb m_clrText{0, 0, 0};
  std::optional<Rgb> m_clrBackground;  // fills the box when set
  Rgb m_clrFrame{0xA9, 0xBF, 0xD4};

 protected:
  void OnPaint(cairo_t* cr) override;
};

}  // namespace ylcs
