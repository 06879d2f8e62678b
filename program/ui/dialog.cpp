#include "program/ui/dialog.h"

#include <gdk/gdkx.h>

#include <utility>

#include "platform/skin_image.h"
#include "platform/window_shape.h"
#include "program/ui/btn_ex.h"
#include "program/ui/controls.h"
#include "program/ui/img_progress.h"
#include "program/ui/static_ex.h"
#include "rules/hotkeys/virtual_keys.h"

namespace ylcs {

namespace {

constexpr int kVkMenu = 18;                        // the Alt key
constexpr const char* kDialogKey = "ylcs-dialog";  // a GtkWindow's CDialog

GdkWindowEdge EdgeFor(HitCode hit) {
  switch (hit) {
    case HitCode::Left: return GDK_WINDOW_EDGE_WEST;
    case HitCode::Right: return GDK_WINDOW_EDGE_EAST;
    case HitCode::Top: return GDK_WINDOW_EDGE_NORTH;
    case HitCode::TopLeft: return GDK_WINDOW_EDGE_NORTH_WEST;
    case HitCode::TopRight: return GDK_WINDOW_EDGE_NORTH_EAST;
    case HitCode::Bottom: return GDK_WINDOW_EDGE_SOUTH;
    case HitCode::BottomLeft: return GDK_WINDOW_EDGE_SOUTH_WEST;
    default: return GDK_WINDOW_EDGE_SOUTH_EAST;
  }
}

const char* CursorNameFor(HitCode hit) {
  switch (hit) {
    case HitCode::Left:
    case HitCode::Right: return "ew-resize";
    case HitCode::Top:
    case HitCode::Bottom: return "ns-resize";
    case HitCode::TopLeft:
    case HitCode::BottomRight: return "nwse-resize";
    case HitCode::TopRight:
    case HitCode::BottomLeft: return "nesw-resize";
    default: return nullptr;
  }
}

std::unique_ptr<CWnd> MakeControl(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return std::make_unique<CBtnEx>();
    case ControlKind::Static: return std::make_unique<CStaticEx>();
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::GroupBox: return std::make_unique<CGroupBox>();
    case ControlKind::Progress: return std::make_unique<CImgProgress>();
  }
  return nullptr;
}

// The GDK window of an X11 window id: ours when it belongs to this process, else a foreign one.
GObjectPtr<GdkWindow> WindowForXid(std::uint32_t xid) {
  GdkDisplay* display = gdk_display_get_default();
  if (!display || !GDK_IS_X11_DISPLAY(display) || xid == 0) return {};
  if (GdkWindow* own = gdk_x11_window_lookup_for_display(display, xid))
    return GObjectPtr<GdkWindow>::Ref(own);
  gdk_x11_display_error_trap_push(display);
  GdkWindow* foreign = gdk_x11_window_foreign_new_for_display(display, xid);
  gdk_x11_display_error_trap_pop_ignored(display);
  return GObjectPtr<GdkWindow>::Adopt(foreign);
}

}  // namespace

CWnd* CDataExchange::Find(int id) const {
  for (const Binding& b : bindings_) {
    if (b.id == id) return b.control;
  }
  return nullptr;
}

CDialog::CDialog(DialogTemplate dialog_template, CWnd* parent)
    : template_(std::move(dialog_template)), owner_(parent) {}

CDialog::~CDialog() {
  if (loop_ && g_main_loop_is_running(loop_.get())) g_main_loop_quit(loop_.get());
  // The controls go before the window that holds their widgets.
  owned_controls_.clear();
}

Rect CDialog::MapDialogRect(int x, int y, int cx, int cy) const {
  return DialogUnitsToPixels(x, y, cx, cy, base_units_.x, base_units_.y);
}

bool CDialog::CreateWindowFromTemplate(CWnd* parent) {
  if (IsWindow()) return false;
  if (parent) owner_ = parent;
  if (!gdk_display_get_default()) return false;
  ended_ = false;
  result_ = IDCANCEL;

  SetFont(FontSpec{-FontHeightForPoints(template_.font_points), 400, false, 0});
  base_units_ = DialogBaseUnits(GetFont());

  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  AttachWidget(window);
  g_object_set_data(G_OBJECT(window), kDialogKey, this);
  SetStyles(template_.style, template_.ex_style);
  SetWindowText(template_.caption);
  gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
  gtk_widget_set_app_paintable(window, TRUE);
  GdkScreen* screen = gtk_widget_get_screen(window);
  if ((template_.ex_style & WS_EX_LAYERED) && IsCompositing(screen)) {
    if (GdkVisual* rgba = gdk_screen_get_rgba_visual(screen)) {
      gtk_widget_set_visual(window, rgba);
      alpha_visual_ = true;
    }
  }
  const bool owned = owner_ || foreign_owner_;
  gtk_window_set_skip_taskbar_hint(
      GTK_WINDOW(window),
      (template_.ex_style & WS_EX_TOOLWINDOW) || (owned && !(template_.ex_style & WS_EX_APPWINDOW)));
  gtk_window_set_keep_above(GTK_WINDOW(window), (template_.ex_style & WS_EX_TOPMOST) != 0);
  gtk_widget_add_events(window, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                    GDK_LEAVE_NOTIFY_MASK | GDK_KEY_PRESS_MASK | GDK_STRUCTURE_MASK |
                                    GDK_FOCUS_CHANGE_MASK);
  g_signal_connect(window, "configure-event", G_CALLBACK(ConfigureCb), this);
  g_signal_connect(window, "button-press-event", G_CALLBACK(ButtonPressCb), this);
  g_signal_connect(window, "button-release-event", G_CALLBACK(ButtonReleaseCb), this);
  g_signal_connect(window, "motion-notify-event", G_CALLBACK(MotionCb), this);
  g_signal_connect(window, "leave-notify-event", G_CALLBACK(LeaveCb), this);
  g_signal_connect(window, "key-press-event", G_CALLBACK(KeyPressCb), this);
  g_signal_connect(window, "delete-event", G_CALLBACK(DeleteCb), this);
  g_signal_connect(window, "notify::is-active", G_CALLBACK(ActiveCb), this);

  GtkWidget* canvas = CreateCanvas();
  gtk_container_add(GTK_CONTAINER(window), canvas);
  gtk_widget_show(canvas);
  SetCanvas(canvas);

  if (GtkWindow* owner_window = OwnerGtkWindow())
    gtk_window_set_transient_for(GTK_WINDOW(window), owner_window);

  // The template's place is relative to the owner's client area.
  const Rect size = MapDialogRect(template_.x, template_.y, template_.cx, template_.cy);
  const Rect origin = OwnerRect().value_or(Rect{});
  CDialog::MoveWindow(
      {origin.left + size.left, origin.top + size.top, origin.left + size.right, origin.top + size.bottom},
      false);
  gtk_widget_realize(window);
  if (foreign_owner_ && !OwnerGtkWindow()) {
    if (GObjectPtr<GdkWindow> foreign = WindowForXid(foreign_owner_)) {
      gdk_window_set_transient_for(gtk_widget_get_window(window), foreign.get());
    }
  }

  CDataExchange dx;
  DoDataExchange(dx);
  for (const ControlTemplate& c : template_.controls) {
    CWnd* control = dx.Find(c.id);
    if (!control) {
      owned_controls_.push_back(MakeControl(c.kind));
      control = owned_controls_.back().get();
    }
    control->CreateControl(c.text, c.style, MapDialogRect(c.x, c.y, c.cx, c.cy), this, c.id);
    controls_.push_back(control);
  }

  const Rect before = GetWindowRect();
  user_moved_ = false;
  OnInitDialog();
  // A hidden popup that did not move itself is centred on its owner (resizing is no move).
  const Rect after = GetWindowRect();
  const bool moved = after.left != before.left || after.top != before.top;
  if (!ended_ && !moved && !keep_placement_ && (template_.style & WS_POPUP) &&
      !(template_.style & WS_VISIBLE)) {
    CenterWindow();
  }
  return true;
}

int CDialog::DoModal() {
  modal_ = true;
  if (!CreateWindowFromTemplate(owner_)) {
    modal_ = false;
    return -1;
  }
  if (!ended_) {
    gtk_window_set_modal(gtk_window(), TRUE);
    ShowWindow(true);
    gtk_window_present(gtk_window());
    loop_.reset(g_main_loop_new(nullptr, FALSE));
    g_main_loop_run(loop_.get());
    loop_.reset();
  }
  const int result = result_;
  modal_ = false;
  DestroyWindow();
  return result;
}

bool CDialog::Create(CWnd* parent) {
  modal_ = false;
  if (!CreateWindowFromTemplate(parent)) return false;
  // A modeless window takes input while a modal one of the process runs (the main window itself
  // runs modally): a window group of its own keeps it out of the modal window's grab.
  GtkWindowGroup* group = gtk_window_group_new();
  gtk_window_group_add_window(group, gtk_window());
  g_object_unref(group);
  if ((template_.style & WS_VISIBLE) && !ended_) ShowWindow(true);
  return true;
}

void CDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (modal_) {
    if (loop_ && g_main_loop_is_running(loop_.get())) g_main_loop_quit(loop_.get());
  } else {
    ShowWindow(false);
  }
}

void CDialog::DestroyWindow() {
  owned_controls_.clear();
  controls_.clear();
  DetachWidget();
}

CWnd* CDialog::GetDlgItem(int id) const {
  for (CWnd* c : controls_) {
    if (c->GetDlgCtrlID() == id) return c;
  }
  return nullptr;
}

void CDialog::MoveWindow(const Rect& rect, bool repaint) {
  user_moved_ = false;
  const Rect old = GetWindowRect();
  if (GtkWindow* window = gtk_window()) {
    gtk_window_move(window, rect.left, rect.top);
    if (rect.width() > 0 && rect.height() > 0) gtk_window_resize(window, rect.width(), rect.height());
  }
  CWnd::MoveWindow(rect, repaint);
  if (old.left != rect.left || old.top != rect.top) OnMove(rect.left, rect.top);
}

void CDialog::ShowWindow(bool show) {
  CWnd::ShowWindow(show);
  // Hidden and shown again, a window keeps the place the program gave it.
  if (show && gtk_window()) gtk_window_move(gtk_window(), GetWindowRect().left, GetWindowRect().top);
}

GtkWindow* CDialog::OwnerGtkWindow() const {
  if (owner_ && owner_->widget()) {
    GtkWidget* top = gtk_widget_get_toplevel(owner_->widget());
    if (GTK_IS_WINDOW(top)) return GTK_WINDOW(top);
  }
  if (foreign_owner_) {
    // An id of this process's own window: its GTK window.
    GObjectPtr<GdkWindow> gdk_window = WindowForXid(foreign_owner_);
    gpointer user_data = nullptr;
    if (gdk_window) gdk_window_get_user_data(gdk_window.get(), &user_data);
    if (user_data && GTK_IS_WINDOW(user_data)) return GTK_WINDOW(user_data);
  }
  return nullptr;
}

std::optional<Rect> CDialog::OwnerRect() const {
  GObjectPtr<GdkWindow> window;
  if (GtkWindow* own = OwnerGtkWindow()) {
    if (!gtk_widget_get_visible(GTK_WIDGET(own))) return std::nullopt;
    // A dialog of ours knows its rectangle before the window system has applied it.
    if (auto* dialog = static_cast<CDialog*>(g_object_get_data(G_OBJECT(own), kDialogKey))) {
      const Rect r = dialog->GetWindowRect();
      if (r.width() <= 1 || r.height() <= 1) return std::nullopt;
      return r;
    }
    window = GObjectPtr<GdkWindow>::Ref(gtk_widget_get_window(GTK_WIDGET(own)));
  } else if (foreign_owner_) {
    window = WindowForXid(foreign_owner_);
  }
  if (!window) return std::nullopt;
  GdkDisplay* display = gdk_window_get_display(window.get());
  gdk_x11_display_error_trap_push(display);
  int x = 0, y = 0;
  gdk_window_get_origin(window.get(), &x, &y);
  const int w = gdk_window_get_width(window.get());
  const int h = gdk_window_get_height(window.get());
  const bool failed = gdk_x11_display_error_trap_pop(display) != 0;
  if (failed || w <= 1 || h <= 1) return std::nullopt;  // gone, or hidden away as one pixel
  return Rect{x, y, x + w, y + h};
}

Rect CDialog::GetWorkArea() const {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = nullptr;
  if (widget() && gtk_widget_get_window(widget())) {
    monitor = gdk_display_get_monitor_at_window(display, gtk_widget_get_window(widget()));
  }
  if (!monitor) monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  if (!monitor) return {0, 0, 1024, 768};
  GdkRectangle area;
  gdk_monitor_get_workarea(monitor, &area);
  return {area.x, area.y, area.x + area.width, area.y + area.height};
}

void CDialog::CenterWindow() {
  const Rect area = OwnerRect().value_or(GetWorkArea());
  const Rect r = GetWindowRect();
  const int x = area.left + (area.width() - r.width()) / 2;
  const int y = area.top + (area.height() - r.height()) / 2;
  MoveWindow({x, y, x + r.width(), y + r.height()}, false);
}

void CDialog::CenterOnScreen() {
  const Rect area = GetWorkArea();
  const Rect r = GetWindowRect();
  const int x = area.left + (area.width() - r.width()) / 2;
  const int y = area.top + (area.height() - r.height()) / 2;
  MoveWindow({x, y, x + r.width(), y + r.height()}, false);
}

void CDialog::SetTopMost(bool topmost) {
  ModifyStyleEx(topmost ? 0 : WS_EX_TOPMOST, topmost ? WS_EX_TOPMOST : 0);
  if (gtk_window()) gtk_window_set_keep_above(gtk_window(), topmost);
}

void CDialog::BringToTop() {
  if (GtkWindow* window = gtk_window()) {
    if (GdkWindow* gdk_window = gtk_widget_get_window(GTK_WIDGET(window))) gdk_window_raise(gdk_window);
    gtk_window_present(window);
  }
}

void CDialog::SetWindowText(const std::string& text) {
  CWnd::SetWindowText(text);
  if (gtk_window()) gtk_window_set_title(gtk_window(), text.c_str());
}

void CDialog::SetProgramIcon() {
  GList* icons = nullptr;
  for (int size : kProgramIconSizes) {
    if (GObjectPtr<GdkPixbuf> icon = LoadProgramIcon(size)) icons = g_list_append(icons, icon.release());
  }
  if (gtk_window()) gtk_window_set_icon_list(gtk_window(), icons);
  small_icon_ = LoadProgramIcon(16);
  g_list_free_full(icons, g_object_unref);
}

bool CDialog::OnInitDialog() { return true; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::OnClose() { OnCancel(); }
void CDialog::DoDataExchange(CDataExchange&) {}
void CDialog::OnActivate(bool) {}
void CDialog::OnMove(int, int) {}
bool CDialog::PreTranslateMessage(const Msg&) { return false; }

void CDialog::OnSysCommand(unsigned command, std::intptr_t) {
  switch (command & 0xFFF0u) {
    case SC_CLOSE: SendMessage(WM_CLOSE); break;
    case SC_MINIMIZE:
      if (gtk_window()) gtk_window_iconify(gtk_window());
      break;
    case SC_RESTORE:
      if (gtk_window()) {
        gtk_window_deiconify(gtk_window());
        gtk_window_present(gtk_window());
      }
      break;
    case SC_MOVE: BeginDragFor(HitCode::Caption, {}); break;
    case SC_SIZE: {
      static constexpr HitCode kEdges[] = {HitCode::Left,       HitCode::Right,      HitCode::Top,
                                           HitCode::TopLeft,    HitCode::TopRight,   HitCode::Bottom,
                                           HitCode::BottomLeft, HitCode::BottomRight};
      const unsigned edge = command & 0xFu;
      if (edge >= 1 && edge <= 8) BeginDragFor(kEdges[edge - 1], {});
      break;
    }
    default: break;
  }
}

std::intptr_t CDialog::WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = static_cast<int>(LowWord(wparam));
      if (OnCommand(id, HighWord(wparam))) return 0;
      if (id == IDOK) OnOK();
      if (id == IDCANCEL) OnCancel();
      return 0;
    }
    case WM_SYSCOMMAND: OnSysCommand(static_cast<unsigned>(wparam), lparam); return 0;
    case WM_CLOSE: OnClose(); return 0;
    default: return CWnd::WindowProc(message, wparam, lparam);
  }
}

bool CDialog::OnEraseBkgnd(cairo_t* cr) {
  if (layered_image_) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (!alpha_visual_) {
      // Without a compositor the shape cuts the picture; what remains is drawn over black.
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_paint(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    cairo_set_source_surface(cr, layered_image_.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    return true;
  }
  // The plain dialog face.
  cairo_set_source_rgb(cr, 240 / 255.0, 240 / 255.0, 240 / 255.0);
  cairo_paint(cr);
  return true;
}

// --- Mouse ------------------------------------------------------------------------------------

Point CDialog::ClientPointOf(double x_root, double y_root) const {
  int ox = 0, oy = 0;
  if (widget() && gtk_widget_get_window(widget()))
    gdk_window_get_origin(gtk_widget_get_window(widget()), &ox, &oy);
  return {static_cast<int>(x_root) - ox, static_cast<int>(y_root) - oy};
}

HitCode CDialog::OnNcHitTest(Point) { return HitCode::Client; }

void CDialog::BeginDragFor(HitCode hit, Point) {
  GtkWindow* window = gtk_window();
  if (!window) return;
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window));
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
  int x = 0, y = 0;
  gdk_device_get_position(pointer, nullptr, &x, &y);
  const guint32 time = gtk_get_current_event_time();
  user_moved_ = true;
  if (hit == HitCode::Caption) {
    gtk_window_begin_move_drag(window, 1, x, y, time);
  } else if (IsSizingBorder(hit)) {
    gtk_window_begin_resize_drag(window, EdgeFor(hit), 1, x, y, time);
  }
}

void CDialog::OnNcLButtonDown(HitCode hit, Point point) {
  if (hit == HitCode::Caption || IsSizingBorder(hit)) BeginDragFor(hit, point);
}
void CDialog::OnNcLButtonUp(HitCode, Point) {}
void CDialog::OnNcLButtonDblClk(HitCode, Point) {}
void CDialog::OnNcMButtonUp(HitCode, Point) {}
void CDialog::OnNcMouseMove(HitCode, Point) {}
void CDialog::OnLButtonDown(Point) {}
void CDialog::OnLButtonUp(Point) {}
void CDialog::OnLButtonDblClk(Point) {}
void CDialog::OnMButtonUp(Point) {}
void CDialog::OnMouseMove(Point) {}
void CDialog::OnMouseLeave() {}

gboolean CDialog::ButtonPressCb(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* dlg = static_cast<CDialog*>(self);
  if (event->button != 1 || (event->type != GDK_BUTTON_PRESS && event->type != GDK_2BUTTON_PRESS))
    return FALSE;
  const Point p = dlg->ClientPointOf(event->x_root, event->y_root);
  const HitCode hit = dlg->OnNcHitTest(p);
  const bool twice = event->type == GDK_2BUTTON_PRESS;
  if (hit != HitCode::Client) {
    twice ? dlg->OnNcLButtonDblClk(hit, p) : dlg->OnNcLButtonDown(hit, p);
  } else {
    twice ? dlg->OnLButtonDblClk(p) : dlg->OnLButtonDown(p);
  }
  return TRUE;
}

gboolean CDialog::ButtonReleaseCb(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* dlg = static_cast<CDialog*>(self);
  const Point p = dlg->ClientPointOf(event->x_root, event->y_root);
  const HitCode hit = dlg->OnNcHitTest(p);
  if (event->button == 1) {
    hit != HitCode::Client ? dlg->OnNcLButtonUp(hit, p) : dlg->OnLButtonUp(p);
  } else if (event->button == 2) {
    hit != HitCode::Client ? dlg->OnNcMButtonUp(hit, p) : dlg->OnMButtonUp(p);
  }
  return TRUE;
}

gboolean CDialog::MotionCb(GtkWidget*, GdkEventMotion* event, gpointer self) {
  auto* dlg = static_cast<CDialog*>(self);
  const Point p = dlg->ClientPointOf(event->x_root, event->y_root);
  const HitCode hit = dlg->OnNcHitTest(p);
  if (hit != dlg->last_cursor_hit_) {
    // The resize borders show the resize cursors, as the system frame did.
    dlg->last_cursor_hit_ = hit;
    GdkWindow* window = gtk_widget_get_window(dlg->widget());
    const char* name = CursorNameFor(hit);
    GObjectPtr<GdkCursor> cursor;
    if (name)
      cursor = GObjectPtr<GdkCursor>::Adopt(gdk_cursor_new_from_name(gdk_window_get_display(window), name));
    gdk_window_set_cursor(window, cursor.get());
  }
  hit != HitCode::Client ? dlg->OnNcMouseMove(hit, p) : dlg->OnMouseMove(p);
  return FALSE;
}

gboolean CDialog::LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  if (event->detail != GDK_NOTIFY_INFERIOR) static_cast<CDialog*>(self)->OnMouseLeave();
  return FALSE;
}

// --- Window events ----------------------------------------------------------------------------

gboolean CDialog::ConfigureCb(GtkWidget* widget, GdkEventConfigure* event, gpointer self) {
  auto* dlg = static_cast<CDialog*>(self);
  int x = event->x, y = event->y;
  if (GdkWindow* window = gtk_widget_get_window(widget)) gdk_window_get_origin(window, &x, &y);
  const Rect old = dlg->GetWindowRect();
  const Rect now{x, y, x + event->width, y + event->height};
  if (now != old) {
    dlg->UpdateRectFromSystem(now);
    if (old.left != now.left || old.top != now.top) dlg->OnMove(now.left, now.top);
  }
  return FALSE;
}

gboolean CDialog::DeleteCb(GtkWidget*, GdkEvent*, gpointer self) {
  // The desktop's close request is the system close command.
  static_cast<CDialog*>(self)->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
  return TRUE;
}

void CDialog::ActiveCb(GObject* object, GParamSpec*, gpointer self) {
  static_cast<CDialog*>(self)->OnActivate(gtk_window_is_active(GTK_WINDOW(object)) != FALSE);
}

// --- Keys -------------------------------------------------------------------------------------

gboolean CDialog::KeyPressCb(GtkWidget*, GdkEventKey* event, gpointer self) {
  return static_cast<CDialog*>(self)->HandleKey(event) ? TRUE : FALSE;
}

bool CDialog::HandleKey(GdkEventKey* event) {
  // The key's own code, whatever the modifiers: the unshifted keysym of its first level.
  guint base = event->keyval;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, static_cast<GdkModifierType>(0),
                                      event->group, &base, nullptr, nullptr, nullptr);
  const int vk = VirtualKeyOfKeysym(base);
  const bool alt = (event->state & GDK_MOD1_MASK) != 0;
  const auto scan = static_cast<std::intptr_t>((event->hardware_keycode - 8u) & 0xFFu);
  const std::intptr_t lparam = 1 | (scan << 16) | (alt ? (1 << 29) : 0);
  const unsigned message = (alt || vk == VK_F10 || vk == kVkMenu) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  if (PreTranslateMessage({this, message, static_cast<std::uintptr_t>(vk), lparam, event})) return true;

  if (vk == VK_RETURN && message == WM_KEYDOWN) {
    SendMessage(WM_COMMAND, MakeWParam(IDOK, BN_CLICKED));
    return !PassesEnterToFocus();
  }
  if (vk == VK_ESCAPE) {
    SendMessage(WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED));
    return true;
  }
  // The character the key types, Ctrl+letter giving the control codes 1 to 26.
  std::uint32_t ch = gdk_keyval_to_unicode(event->keyval);
  if ((event->state & GDK_CONTROL_MASK) && vk >= 'A' && vk <= 'Z')
    ch = static_cast<std::uint32_t>(vk - 'A' + 1);
  if (ch != 0 && PreTranslateMessage({this, WM_CHAR, ch, lparam, event})) return true;
  return false;
}

}  // namespace ylcs
