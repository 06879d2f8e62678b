#include "program/ui/controls.h"

namespace ylcs {

CEdit::~CEdit() { DetachWidget(); }

bool CEdit::CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                          int id) {
  GtkWidget* entry = gtk_entry_new();
  gtk_entry_set_has_frame(GTK_ENTRY(entry), TRUE);
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  CreateChild(entry, parent, id, rect, style, text);
  gtk_entry_set_text(GTK_ENTRY(entry), text.c_str());
  return true;
}

void CEdit::SetWindowText(const std::string& text) {
  CWnd::SetWindowText(text);
  if (widget()) gtk_entry_set_text(GTK_ENTRY(widget()), text.c_str());
}

std::string CEdit::GetWindowText() const {
  return widget() ? gtk_entry_get_text(GTK_ENTRY(widget())) : CWnd::GetWindowText();
}

void CEdit::SetSel(int start, int end) {
  if (widget()) gtk_editable_select_region(GTK_EDITABLE(widget()), start, end);
}

CGroupBox::~CGroupBox() { DetachWidget(); }

bool CGroupBox::CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                              int id) {
  CreateChild(gtk_drawing_area_new(), parent, id, rect, style, text);
  return true;
}

void CGroupBox::OnPaint(cairo_t* cr) {
  const Rect r = GetClientRect();
  const TextLayout layout(HasFont() ? GetFont() : DefaultGuiFont());
  const std::string text = GetWindowText();
  const Point size = layout.Measure(text);
  if (m_clrBackground) {
    SetSourceRgb(cr, *m_clrBackground);
    cairo_paint(cr);
  }
  const int caption_middle = size.y / 2;
  const double top = caption_middle + 0.5;  // on pixel centres
  SetSourceRgb(cr, m_clrFrame);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 6, top);
  cairo_line_to(cr, 0.5, top);
  cairo_line_to(cr, 0.5, r.height() - 0.5);
  cairo_line_to(cr, r.width() - 0.5, r.height() - 0.5);
  cairo_line_to(cr, r.width() - 0.5, top);
  cairo_line_to(cr, 10 + size.x, top);
  cairo_stroke(cr);
  SetSourceRgb(cr, m_clrText);
  layout.Draw(cr, text, {8, 0, 8 + size.x, size.y}, {});
}

}  // namespace ylcs
