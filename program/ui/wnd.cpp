#include "program/ui/wnd.h"

#include <gdk/gdkx.h>

#include <mutex>
#include <utility>

#include "program/ui/dialog.h"

namespace ylcs {

// The part of a window that a posted message needs: shared with the queued messages, cleared
// when the window goes, so a message posted from a worker never reaches a destroyed window.
struct CWnd::PostTarget {
  std::mutex mutex;
  CWnd* window = nullptr;  // read and cleared on the UI thread only
};

struct CWnd::Timer {
  CWnd* owner;
  int id;
  GSourceId source;
};

namespace {

struct PostedMessage {
  std::shared_ptr<void> target;  // keeps the PostTarget alive
  unsigned message;
  std::uintptr_t wparam;
  std::intptr_t lparam;
};

// --- The canvas type: a GtkFixed without a size request -------------------------------------

void CanvasPreferredSize(GtkWidget*, gint* minimum, gint* natural) {
  *minimum = 0;
  *natural = 0;
}

void CanvasClassInit(gpointer klass, gpointer) {
  auto* widget_class = static_cast<GtkWidgetClass*>(klass);
  widget_class->get_preferred_width = CanvasPreferredSize;
  widget_class->get_preferred_height = CanvasPreferredSize;
}

GType CanvasType() {
  static const GType type = [] {
    GTypeQuery query;
    g_type_query(GTK_TYPE_FIXED, &query);
    return g_type_register_static_simple(GTK_TYPE_FIXED, "YlcsCanvas", query.class_size, CanvasClassInit,
                                         query.instance_size, nullptr, static_cast<GTypeFlags>(0));
  }();
  return type;
}

}  // namespace

GtkWidget* CreateCanvas() { return GTK_WIDGET(g_object_new(CanvasType(), nullptr)); }

FontSpec DefaultGuiFont() { return FontSpec{-12, 400, false, 0}; }

CWnd::CWnd() : post_target_(std::make_shared<PostTarget>()) { post_target_->window = this; }

CWnd::~CWnd() {
  {
    const std::lock_guard lock(post_target_->mutex);
    post_target_->window = nullptr;
  }
  timers_.clear();
  DetachWidget();
}

void CWnd::AttachWidget(GtkWidget* widget) {
  widget_ = widget;
  g_object_ref_sink(widget_);
  g_signal_connect(widget_, "draw", G_CALLBACK(DrawCb), this);
}

void CWnd::DetachWidget() {
  if (!widget_) return;
  GtkWidget* widget = std::exchange(widget_, nullptr);
  g_signal_handlers_disconnect_by_data(widget, this);
  gtk_widget_destroy(widget);
  g_object_unref(widget);
  canvas_ = nullptr;
}

CDialog* CWnd::GetTopLevelDialog() { return parent_ ? parent_->GetTopLevelDialog() : nullptr; }

std::uint32_t CWnd::GetSafeXid() const {
  if (!widget_) return 0;
  GtkWidget* top = gtk_widget_get_toplevel(widget_);
  GdkWindow* window = top ? gtk_widget_get_window(top) : nullptr;
  if (!window || !GDK_IS_X11_WINDOW(window)) return 0;
  return static_cast<std::uint32_t>(gdk_x11_window_get_xid(window));
}

void CWnd::CreateChild(GtkWidget* widget, CWnd* parent, int id, const Rect& rect, std::uint32_t style,
                       const std::string& text) {
  DetachWidget();  // a control made again (its dialog runs a second time) drops its old widget
  AttachWidget(widget);
  SetParentAndId(parent, id);
  style_ = style;
  text_ = text;
  rect_ = rect;
  if (parent && parent->canvas()) {
    gtk_widget_set_size_request(widget_, rect.width(), rect.height());
    gtk_fixed_put(GTK_FIXED(parent->canvas()), widget_, rect.left, rect.top);
    if (parent->HasFont()) SetFont(parent->GetFont());
  }
  gtk_widget_set_sensitive(widget_, (style & WS_DISABLED) == 0);
  if (style & WS_VISIBLE) gtk_widget_show(widget_);
}

bool CWnd::CreateControl(const std::string&, std::uint32_t, const Rect&, CWnd*, int) { return false; }

void CWnd::MoveWindow(const Rect& rect, bool repaint) {
  const bool resized = rect.width() != rect_.width() || rect.height() != rect_.height();
  rect_ = rect;
  if (widget_ && parent_ && parent_->canvas() && gtk_widget_get_parent(widget_) == parent_->canvas()) {
    gtk_widget_set_size_request(widget_, rect.width(), rect.height());
    gtk_fixed_move(GTK_FIXED(parent_->canvas()), widget_, rect.left, rect.top);
  }
  if (resized) OnSize(rect.width(), rect.height());
  if (repaint) Invalidate();
}

void CWnd::SetWindowSize(int width, int height) {
  MoveWindow({rect_.left, rect_.top, rect_.left + width, rect_.top + height});
}

void CWnd::SetWindowPosition(int x, int y) { MoveWindow({x, y, x + rect_.width(), y + rect_.height()}); }

void CWnd::UpdateRectFromSystem(const Rect& rect) {
  const bool resized = rect.width() != rect_.width() || rect.height() != rect_.height();
  rect_ = rect;
  if (resized) OnSize(rect.width(), rect.height());
}

void CWnd::OnSize(int, int) {}

void CWnd::ShowWindow(bool show) {
  if (!widget_) return;
  if (show) {
    style_ |= WS_VISIBLE;
    gtk_widget_show(widget_);
  } else {
    style_ &= ~WS_VISIBLE;
    gtk_widget_hide(widget_);
  }
}

bool CWnd::IsWindowVisible() const { return widget_ && gtk_widget_get_visible(widget_); }

void CWnd::EnableWindow(bool enable) {
  if (enable) {
    style_ &= ~WS_DISABLED;
  } else {
    style_ |= WS_DISABLED;
  }
  if (widget_) gtk_widget_set_sensitive(widget_, enable);
  Invalidate();
}

bool CWnd::IsWindowEnabled() const { return (style_ & WS_DISABLED) == 0; }

void CWnd::SetFocus() {
  if (widget_) gtk_widget_grab_focus(widget_);
}

bool CWnd::HasFocus() const { return widget_ && gtk_widget_has_focus(widget_); }

void CWnd::ModifyStyle(std::uint32_t remove, std::uint32_t add) {
  style_ = (style_ & ~remove) | add;
  OnStyleChanged();
}

void CWnd::ModifyStyleEx(std::uint32_t remove, std::uint32_t add) {
  ex_style_ = (ex_style_ & ~remove) | add;
  OnStyleChanged();
}

void CWnd::SetWindowText(const std::string& text) { text_ = text; }

void CWnd::Invalidate() {
  if (widget_) gtk_widget_queue_draw(widget_);
}

void CWnd::InvalidateRect(const Rect& rect) {
  if (widget_) gtk_widget_queue_draw_area(widget_, rect.left, rect.top, rect.width(), rect.height());
}

bool CWnd::OnEraseBkgnd(cairo_t*) { return false; }

void CWnd::OnPaint(cairo_t*) {}

void CWnd::PaintParentBackground(cairo_t* cr) {
  if (!parent_) return;
  cairo_save(cr);
  cairo_translate(cr, -rect_.left, -rect_.top);
  parent_->OnEraseBkgnd(cr);
  cairo_restore(cr);
}

gboolean CWnd::DrawCb(GtkWidget*, cairo_t* cr, gpointer self) {
  auto* wnd = static_cast<CWnd*>(self);
  wnd->OnEraseBkgnd(cr);
  wnd->OnPaint(cr);
  return FALSE;  // the children are drawn on top
}

std::intptr_t CWnd::SendMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  return WindowProc(message, wparam, lparam);
}

void CWnd::PostMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  auto* posted = new PostedMessage{post_target_, message, wparam, lparam};
  g_idle_add_full(
      G_PRIORITY_DEFAULT,
      [](gpointer data) -> gboolean {
        const auto* m = static_cast<PostedMessage*>(data);
        CWnd* wnd = static_cast<PostTarget*>(m->target.get())->window;
        if (wnd) {
          CDialog* dialog = wnd->GetTopLevelDialog();
          const Msg msg{wnd, m->message, m->wparam, m->lparam, nullptr};
          if (!dialog || !dialog->PreTranslateMessage(msg)) wnd->WindowProc(m->message, m->wparam, m->lparam);
        }
        return G_SOURCE_REMOVE;
      },
      posted, [](gpointer data) { delete static_cast<PostedMessage*>(data); });
}

std::intptr_t CWnd::WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t) {
  switch (message) {
    case WM_COMMAND: return OnCommand(static_cast<int>(LowWord(wparam)), HighWord(wparam)) ? 0 : 1;
    case WM_TIMER: OnTimer(static_cast<int>(wparam)); return 0;
    default: return 0;
  }
}

bool CWnd::OnCommand(int, unsigned) { return false; }

gboolean CWnd::TimerCb(gpointer data) {
  auto* timer = static_cast<Timer*>(data);
  // WM_TIMER passes the message loop like any posted message.
  CWnd* wnd = timer->owner;
  CDialog* dialog = wnd->GetTopLevelDialog();
  const Msg msg{wnd, WM_TIMER, static_cast<std::uintptr_t>(timer->id), 0, nullptr};
  if (!dialog || !dialog->PreTranslateMessage(msg)) wnd->WindowProc(WM_TIMER, msg.wparam, 0);
  return G_SOURCE_CONTINUE;
}

void CWnd::SetTimer(int id, unsigned milliseconds) {
  auto timer = std::make_unique<Timer>(Timer{this, id, {}});
  timer->source.reset(g_timeout_add(milliseconds, TimerCb, timer.get()));
  timers_[id] = std::move(timer);  // replaces (and removes) a timer of the same id
}

// A timer may be set again or killed from its own callback: TimerCb touches its record no more
// once the window has handled the message, and GLib allows removing a source while it runs.
void CWnd::KillTimer(int id) { timers_.erase(id); }

void CWnd::OnTimer(int) {}

void CWnd::AddChildWidget(GtkWidget* child, const Rect& rect) {
  if (!canvas_) return;
  gtk_widget_set_size_request(child, rect.width(), rect.height());
  gtk_fixed_put(GTK_FIXED(canvas_), child, rect.left, rect.top);
}

void CWnd::MoveChildWidget(GtkWidget* child, const Rect& rect) {
  if (!canvas_) return;
  gtk_widget_set_size_request(child, rect.width(), rect.height());
  gtk_fixed_move(GTK_FIXED(canvas_), child, rect.left, rect.top);
}

}  // namespace ylcs
