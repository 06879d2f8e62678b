#include "program/ui/img_progress.h"

#include <algorithm>
#include <utility>

namespace ylcs {

CImgProgress::~CImgProgress() { DetachWidget(); }

bool CImgProgress::CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                                 int id) {
  CreateChild(gtk_drawing_area_new(), parent, id, rect, style, text);
  return true;
}

bool CImgProgress::SetImages(SkinImage background, SkinImage bar) {
  m_hBackground = std::move(background);
  m_hBar = std::move(bar);
  SetWindowSize(m_hBackground.width(), m_hBackground.height());
  m_rcCtrl = {0, 0, m_hBackground.width(), m_hBackground.height()};
  m_rcBar = CentreBar(m_hBackground.width(), m_hBackground.height(), m_hBar.width(), m_hBar.height());
  Invalidate();
  return true;
}

void CImgProgress::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  pos_ = std::clamp(pos_, std::min(lower, upper), std::max(lower, upper));
  Invalidate();
}

int CImgProgress::SetPos(int pos) {
  const int previous = pos_;
  pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
  if (pos_ != previous) Invalidate();
  return previous;
}

ProgressFill CImgProgress::CurrentFill() const {
  return ComputeProgressFill(m_rcBar.width(), m_rcBar.height(), lower_, upper_, pos_);
}

std::intptr_t CImgProgress::WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case PBM_SETPOS: return SetPos(static_cast<int>(wparam));
    case PBM_GETPOS: return pos_;
    case PBM_SETRANGE32: SetRange(static_cast<int>(wparam), static_cast<int>(lparam)); return 0;
    default: return CWnd::WindowProc(message, wparam, lparam);
  }
}

void CImgProgress::OnPaint(cairo_t* cr) {
  DrawSkinPiece(cr, m_hBackground, {m_rcCtrl, m_rcCtrl});
  const ProgressFill fill = CurrentFill();
  auto shifted = [this](Blit piece) {
    piece.target.left += m_rcBar.left;
    piece.target.right += m_rcBar.left;
    piece.target.top += m_rcBar.top;
    piece.target.bottom += m_rcBar.top;
    return piece;
  };
  if (fill.left > 0) DrawSkinPiece(cr, m_hBar, shifted(fill.left_piece));
  if (fill.right > 0) DrawSkinPiece(cr, m_hBar, shifted(fill.right_piece));
  if (m_bShowPercent) {
    const TextLayout layout(HasFont() ? GetFont() : DefaultGuiFont());
    SetSourceRgb(cr, m_clrPercent);
    layout.Draw(cr, std::to_string(fill.percent) + "%", m_rcCtrl,
                {TextLayout::Align::Center, true, TextLayout::Ellipsis::None});
  }
}

}  // namespace ylcs
