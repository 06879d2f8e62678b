#include "program/ui/dlg_ex.h"

#include <cstdlib>
#include <utility>

#include "program/ui/skin_window.h"

namespace ylcs {

namespace {
constexpr const char* kTipClose = "关闭";
constexpr const char* kTipMinimize = "最小化";
constexpr const char* kTipMaximize = "最大化";
constexpr const char* kTipRestore = "还原";
}  // namespace

CDlgEx::CDlgEx(DialogTemplate dialog_template, CWnd* parent) : CDialog(std::move(dialog_template), parent) {}

CDlgEx::~CDlgEx() = default;

bool CDlgEx::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyle(WS_CAPTION | DS_MODALFRAME, WS_MINIMIZEBOX);
  ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
  const Rect work = GetWorkArea();
  m_nMaxWidth = work.width();
  m_nMaxHeight = work.height();
  m_rcRestore = InitialRestoreRect(work);
  return true;
}

bool CDlgEx::SetSkin(const SkinImage& close, SkinImage background, bool resize_to_background,
                     bool stretch_background, const SkinImage& minimize, SkinImage maximize,
                     SkinImage restore) {
  m_bStretchBackground = stretch_background;
  m_bmpBackground = std::move(background);
  if (resize_to_background && m_bmpBackground)
    SetWindowSize(m_bmpBackground.width(), m_bmpBackground.height());
  BuildCornerRegion(*this);

  int x = GetClientRect().width() - m_nBtnRightMargin;
  if (close) {
    CreateCaptionButton(x, m_btnClose, close, m_nBtnTop, kCaptionCloseId);
    m_btnClose.SetTooltip(kTipClose);
  }
  if (maximize) {
    x -= m_btnClose.GetWindowRect().width() + m_nBtnSpacing;
    CreateCaptionButton(x, m_btnMax, maximize, m_nBtnTop, kCaptionMaximizeId);
    m_btnMax.SetTooltip(kTipMaximize);
    m_bmpMaximize = std::move(maximize);
    m_bmpRestore = std::move(restore);
  }
  if (minimize) {
    const CBtnEx& right_neighbour = m_btnMax.IsWindow() ? m_btnMax : m_btnClose;
    x -= right_neighbour.GetWindowRect().width() + m_nBtnSpacing;
    CreateCaptionButton(x, m_btnMin, minimize, m_nBtnTop, kCaptionMinimizeId);
    m_btnMin.SetTooltip(kTipMinimize);
  }
  Invalidate();
  return true;
}

void CDlgEx::CreateCaptionButton(int right, CBtnEx& button, const SkinImage& strip, int top, int id) {
  const int w = strip.width() / kButtonFrames;
  button.Create("", WS_CHILD | WS_VISIBLE, {right - w, top, right, top + strip.height()}, this, id);
  button.SetImage(strip, false);
}

int CDlgEx::TitleFontHeight() const { return std::abs(GetFont().height); }

Point CDlgEx::TitlePosition() const {
  return {CaptionTitleX(m_nBorder, icon_drawn()), CaptionTitleY(m_nCaptionHeight, TitleFontHeight())};
}

void CDlgEx::SetTitle(const std::string& title) {
  SetWindowText(title);
  FontSpec font = GetFont();
  font.weight = m_nTitleWeight;
  const TextLayout layout(font);
  const Point title_at = TitlePosition();
  InvalidateRect({title_at.x, title_at.y, GetClientRect().width(), title_at.y + layout.Measure(title).y});
}

bool CDlgEx::OnEraseBkgnd(cairo_t* cr) {
  if (!m_bmpBackground) return CDialog::OnEraseBkgnd(cr);
  const Rect client = GetClientRect();
  PaintSkinBackground(cr, m_bmpBackground, client.width(), client.height(), m_nBorder, m_nCaptionHeight,
                      m_bStretchBackground);
  if (icon_drawn()) {
    GdkPixbuf* icon = GetSmallIcon();
    cairo_save(cr);
    cairo_translate(cr, m_nBorder, CaptionIconY(m_nCaptionHeight));
    cairo_scale(cr, 16.0 / gdk_pixbuf_get_width(icon), 16.0 / gdk_pixbuf_get_height(icon));
    gdk_cairo_set_source_pixbuf(cr, icon, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  if (m_bShowTitle) {
    FontSpec font = GetFont();
    font.weight = m_nTitleWeight;
    const TextLayout layout(font);
    const Point at = TitlePosition();
    const std::string title = GetWindowText();
    const Point size = layout.Measure(title);
    SetSourceRgb(cr, m_clrTitle);
    layout.Draw(cr, title, {at.x, at.y, at.x + size.x, at.y + size.y}, {});
  }
  return true;
}

HitCode CDlgEx::OnNcHitTest(Point p) {
  const Rect client = GetClientRect();
  return HitTest({client.width(), client.height(), m_nBorder, m_nCaptionHeight, m_bResizable, m_bMaximized},
                 p.x, p.y);
}

void CDlgEx::OnNcLButtonDown(HitCode hit, Point point) {
  // Caption presses drag, border presses resize; where the user leaves the window is the
  // rectangle a restore returns to (recorded as the window reports its moves, OnMove / OnSize).
  CDialog::OnNcLButtonDown(hit, point);
}

void CDlgEx::OnNcLButtonDblClk(HitCode hit, Point point) {
  if (hit == HitCode::Caption && m_bResizable) {
    ToggleMaximize();
    return;
  }
  CDialog::OnNcLButtonDblClk(hit, point);
}

void CDlgEx::OnLButtonDblClk(Point point) {
  if ((m_bMaximized && point.y >= 0 && point.y < m_nCaptionHeight) || m_nCaptionHeight == -1)
    ToggleMaximize();
  CDialog::OnLButtonDblClk(point);
}

bool CDlgEx::OnCommand(int id, unsigned code) {
  switch (id) {
    case kCaptionCloseId: OnCaptionClose(); return true;
    case kCaptionMinimizeId: OnCaptionMinimize(); return true;
    case kCaptionMaximizeId: ToggleMaximize(); return true;
    default: return CDialog::OnCommand(id, code);
  }
}

void CDlgEx::OnCaptionClose() { PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }

void CDlgEx::OnCaptionMinimize() { PostMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void CDlgEx::ToggleMaximize() {
  if (m_bMaximized) {
    MoveWindow(m_rcRestore, true);
    ShowMaximizeState(false);
  } else {
    MoveWindow(MaximizedRect(GetWorkArea(), m_nMaxWidth, m_nMaxHeight), true);
    ShowMaximizeState(true);
  }
  // The button moved away from under the pointer.
  m_btnMax.m_bHover = false;
  m_btnMax.m_bTracking = false;
  m_bMaximized = !m_bMaximized;
}

void CDlgEx::ShowMaximizeState(bool maximized) {
  if (!m_btnMax.IsWindow()) return;
  m_btnMax.SetImage(maximized ? m_bmpRestore : m_bmpMaximize, false);
  m_btnMax.SetTooltip(maximized ? kTipRestore : kTipMaximize);
}

void CDlgEx::OnSize(int width, int height) {
  CDialog::OnSize(width, height);
  if (!m_bmpBackground) return;
  BuildCornerRegion(*this);
  Invalidate();
  LayoutCaptionButtons();
  if (user_moved() && !m_bMaximized) m_rcRestore = GetWindowRect();
}

void CDlgEx::OnMove(int x, int y) {
  CDialog::OnMove(x, y);
  if (user_moved() && !m_bMaximized) m_rcRestore = GetWindowRect();
}

void CDlgEx::LayoutCaptionButtons() {
  int right = GetClientRect().width() - m_nBtnRightMargin;
  for (CBtnEx* button : {&m_btnClose, &m_btnMax, &m_btnMin}) {
    if (!button->IsWindow()) continue;
    const Rect r = button->GetWindowRect();
    button->MoveWindow({right - r.width(), r.top, right, r.bottom}, true);
    right -= r.width() + m_nBtnSpacing;
  }
}

}  // namespace ylcs
