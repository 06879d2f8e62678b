#pragma once
// CWnd: the base of every window of the program, top-level dialogs and controls alike.
//
// A CWnd wraps one GTK widget: a top-level GtkWindow for dialogs (see dialog.h), a widget inside
// its parent dialog's canvas for controls. It keeps the traditional window model on top of GTK:
//
// - geometry: rectangles in pixels; a control's window rectangle is in its parent's client
//   coordinates, a top-level's on the screen. MoveWindow applies at once and calls OnSize
//   synchronously when the size changed (as WM_SIZE is sent from within SetWindowPos).
// - messages: WindowProc(message, wParam, lParam) is the one entry point. SendMessage calls it
//   directly; PostMessage queues it on the UI thread's main loop and may be called from any
//   thread (a worker reports progress this way). A posted message reaches PreTranslateMessage of
//   the top-level window first, then WindowProc, exactly as posted messages passed the message
//   loop.
// - timers by id: SetTimer(id, ms) / KillTimer(id) call OnTimer(id) (WM_TIMER) on the UI thread.
// - styles: the traditional style bits (rules/ui/window_messages.h) that a window's behaviour
//   depends on; ModifyStyle changes them at run time (SS_NOTIFY on a label, for instance).
// - text: SetWindowText / GetWindowText. Skinned controls draw their own copy of the text
//   (m_strText), taken from the window text when they are created.
//
// All calls except PostMessage belong to the UI thread.

#include <gtk/gtk.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/handles.h"
#include "platform/text_drawing.h"
#include "rules/ui/skin_geometry.h"
#include "rules/ui/window_messages.h"

namespace ylcs {

class CDialog;

class CWnd {
 public:
  CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  // --- Identity -------------------------------------------------------------------------------
  GtkWidget* widget() const { return widget_; }
  bool IsWindow() const { return widget_ != nullptr; }
  int GetDlgCtrlID() const { return id_; }
  CWnd* GetParent() const { return parent_; }
  // The dialog this window belongs to (itself for a dialog).
  virtual CDialog* GetTopLevelDialog();
  // The X11 id of the top-level window (0 before it exists): the window handle that travels
  // between processes.
  std::uint32_t GetSafeXid() const;

  // Creates this window as a control of `parent` at `rect` (parent client pixels): the template
  // controls of a dialog and controls made in code alike. False for windows that are no control.
  virtual bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                             int id);

  // --- Geometry -------------------------------------------------------------------------------
  Rect GetWindowRect() const { return rect_; }
  Rect GetClientRect() const { return {0, 0, rect_.width(), rect_.height()}; }
  virtual void MoveWindow(const Rect& rect, bool repaint = true);
  void SetWindowSize(int width, int height);
  void SetWindowPosition(int x, int y);

  // --- State ----------------------------------------------------------------------------------
  virtual void ShowWindow(bool show);
  bool IsWindowVisible() const;
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  void SetFocus();
  bool HasFocus() const;
  std::uint32_t GetStyle() const { return style_; }
  std::uint32_t GetExStyle() const { return ex_style_; }
  virtual void ModifyStyle(std::uint32_t remove, std::uint32_t add);
  void ModifyStyleEx(std::uint32_t remove, std::uint32_t add);

  // --- Text and font --------------------------------------------------------------------------
  virtual void SetWindowText(const std::string& text);
  virtual std::string GetWindowText() const { return text_; }
  // The window's font (WM_GETFONT): the dialog font for template controls and dialogs; a
  // window created without one reports has_font false and draws with the default GUI font.
  void SetFont(const FontSpec& font) {
    font_ = font;
    has_font_ = true;
  }
  const FontSpec& GetFont() const { return font_; }
  bool HasFont() const { return has_font_; }

  // --- Painting -------------------------------------------------------------------------------
  void Invalidate();
  void InvalidateRect(const Rect& rect);
  // Paints the window's background into `cr` (WM_ERASEBKGND); true when it painted. A control
  // that shows its parent's skin under its own transparent pixels asks the parent for this.
  virtual bool OnEraseBkgnd(cairo_t* cr);
  // Paints the window's content (WM_PAINT), after the background.
  virtual void OnPaint(cairo_t* cr);
  // Paints the parent's background under this control into `cr` (origin at this control).
  void PaintParentBackground(cairo_t* cr);

  // --- Messages -------------------------------------------------------------------------------
  intptr_t SendMessage(unsigned message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
  // Thread-safe; dropped when the window is gone by the time the loop gets to it.
  void PostMessage(unsigned message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
  // The message dispatcher. Base handling: WM_COMMAND -> OnCommand, WM_TIMER -> OnTimer. Derived
  // windows handle their own messages and pass the rest on to their base class.
  virtual std::intptr_t WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
  // WM_COMMAND: `id` of the control (or menu command), `code` its notification.
  virtual bool OnCommand(int id, unsigned code);

  // --- Timers ---------------------------------------------------------------------------------
  void SetTimer(int id, unsigned milliseconds);
  void KillTimer(int id);
  virtual void OnTimer(int id);

  // --- Children -------------------------------------------------------------------------------
  // The canvas that holds child controls at pixel positions (dialogs only; null for controls).
  GtkWidget* canvas() const { return canvas_; }
  // Places a foreign widget (a socket, a web view) into this window's canvas at `rect`.
  void AddChildWidget(GtkWidget* child, const Rect& rect);
  void MoveChildWidget(GtkWidget* child, const Rect& rect);

 protected:
  // Called by the subclasses that create the widget.
  void AttachWidget(GtkWidget* widget);
  void DetachWidget();
  void SetParentAndId(CWnd* parent, int id) {
    parent_ = parent;
    id_ = id;
  }
  void SetCanvas(GtkWidget* canvas) { canvas_ = canvas; }
  void SetStyles(std::uint32_t style, std::uint32_t ex_style) {
    style_ = style;
    ex_style_ = ex_style;
  }
  // Records a rectangle that GTK reported (configure) without moving; calls OnSize on a change.
  void UpdateRectFromSystem(const Rect& rect);
  // A changed client size (WM_SIZE).
  virtual void OnSize(int width, int height);
  // Called for a style change so that a control can adapt (event masks, for instance).
  virtual void OnStyleChanged() {}

  // Creates a control widget as a child of `parent` at `rect` (in its client coordinates).
  void CreateChild(GtkWidget* widget, CWnd* parent, int id, const Rect& rect, std::uint32_t style,
                   const std::string& text);

 private:
  struct PostTarget;
  static gboolean DrawCb(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean TimerCb(gpointer data);

  GtkWidget* widget_ = nullptr;  // owned through the GTK widget tree; destroyed with this object
  GtkWidget* canvas_ = nullptr;
  CWnd* parent_ = nullptr;
  int id_ = 0;
  Rect rect_;
  std::uint32_t style_ = 0;
  std::uint32_t ex_style_ = 0;
  std::string text_;
  FontSpec font_;
  bool has_font_ = false;
  std::shared_ptr<PostTarget> post_target_;
  struct Timer;
  std::map<int, std::unique_ptr<Timer>> timers_;
};

// A GtkFixed that asks for no space of its own, so a window can be made smaller than the
// bounding box of its controls (the main window starts as one pixel).
GtkWidget* CreateCanvas();

// The default font of controls created without one.
FontSpec DefaultGuiFont();

}  // namespace ylcs
