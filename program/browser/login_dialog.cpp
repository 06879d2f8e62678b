#include "program/browser/login_dialog.h"

#include <gdk/gdkx.h>

#include <cstdio>

#include "platform/colour_key.h"
#include "platform/keys.h"
#include "platform/server_config.h"
#include "platform/skin_image.h"
#include "platform/window_messages.h"
#include "platform/window_shape.h"
#include "program/app/kestrun3_app.h"
#include "program/ui/message_box.h"
#include "program/ui/skin_window.h"
#include "rules/app/window_messages.h"
#include "rules/browser/app_commands.h"
#include "rules/hotkeys/virtual_keys.h"
#include "rules/ui/dialog_results.h"

namespace ylcs {

namespace {

constexpr int kPageLeft = 353;
constexpr int kPageTop = 87;
constexpr Rgb kSeeThrough{254, 254, 254};
constexpr int kOwnerWatchTimerId = 2;
constexpr unsigned kOwnerWatchMs = 800;
constexpr guint kReshapeDelayMs = 300;

// Presses here fall on the minimise and close pictures of the background: no drag.
bool InNoDragBox(int x, int y) { return x >= 480 && x <= 528 && y >= 0 && y <= 30; }

DialogTemplate LoginTemplate() {
  DialogTemplate t;
  t.id = 157;
  t.cx = 586;
  t.cy = 407;
  t.font_points = 8;
  t.style = WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
  return t;
}

DialogTemplate BackgroundTemplate() {
  DialogTemplate t = LoginTemplate();
  t.ex_style = WS_EX_LAYERED;
  return t;
}

std::string DuplicateLoginMessage(const std::string& account, const std::string& server) {
  return "账号 " + account + " 已在 " + server + "服 登录，同一账号不能在一服重复登录";
}

// The owner's client area origin on the screen (the owner is a window of another process).
Point OwnerOrigin(std::uint32_t owner) {
  GdkDisplay* display = gdk_display_get_default();
  if (owner == 0 || display == nullptr || !IsWindow(owner)) return {0, 0};
  GdkWindow* window = gdk_x11_window_foreign_new_for_display(display, owner);
  if (window == nullptr) return {0, 0};
  int x = 0;
  int y = 0;
  gdk_window_get_origin(window, &x, &y);
  g_object_unref(window);
  return {x, y};
}

}  // namespace

// --- The page ----------------------------------------------------------------------------------

CLoginDlg::CLoginDlg(CKestrun3App& app, CLoginBkDlg& background, std::string login_url)
    : CDHtmDlgEx(LoginTemplate(), &background, WebViewOptions{.picture_buttons = false, .window_drag = true}),
      app_(app),
      background_(background),
      login_url_(std::move(login_url)) {}

bool CLoginDlg::OnInitDialog() {
  CDHtmDlgEx::OnInitDialog();
  SetWindowText(kMessageTitle);
  // No taskbar entry of its own: the background stands for the login.
  gtk_window_set_skip_taskbar_hint(gtk_window(), TRUE);
  ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
  KeepPlacement();
  Navigate(login_url_);
  return false;
}

bool CLoginDlg::PreTranslateMessage(const Msg& msg) {
  // No closing by Escape, no reload of the login page.
  if (msg.message == WM_KEYDOWN && (msg.wparam == VK_ESCAPE || msg.wparam == VK_F5)) return true;
  return CDHtmDlgEx::PreTranslateMessage(msg);
}

void CLoginDlg::OnSize(int width, int height) {
  CDHtmDlgEx::OnSize(width, height);
  UpdateShape();
}

void CLoginDlg::OnNavigateComplete(const std::string& uri) {
  CDHtmDlgEx::OnNavigateComplete(uri);
  ShowWindow(true);
  const Rect client = GetClientRect();
  MoveChildWidget(web()->widget(), client);
  UpdateShape();
  // Pictures and fonts may still change the page a moment after the load: shape it again then.
  reshape_.reset(g_timeout_add(
      kReshapeDelayMs,
      +[](gpointer self) -> gboolean {
        auto* page = static_cast<CLoginDlg*>(self);
        page->reshape_.forget();
        page->UpdateShape();
        return G_SOURCE_REMOVE;
      },
      this));
}

void CLoginDlg::UpdateShape() {
  if (!web() || !IsWindowVisible()) return;
  web()->Snapshot([this](cairo_surface_t* pixels) {
    if (pixels == nullptr || !widget()) return;
    CairoRegionPtr region = RegionWithoutColour(pixels, kSeeThrough);
    ApplyWindowShape(gtk_widget_get_window(widget()), region.get());
  });
}

void CLoginDlg::OnDragRequest(double x, double y) {
  const int px = static_cast<int>(x);
  const int py = static_cast<int>(y);
  // The page reports the press a moment later: a click already over must not start a drag.
  if (InNoDragBox(px, py) || !IsLeftButtonDown()) return;
  // The background moves; the page follows it.
  background_.DragFrom(px + kPageLeft, py + kPageTop);
}

NavigationVerdict CLoginDlg::OnBeforeNavigate(const std::string& url) {
  const LoginCommand command = ParseLoginCommand(url);
  switch (command.kind) {
    case LoginCommandKind::NotACommand: return NavigationVerdict::BrowserDecides;
    case LoginCommandKind::LoadGame: LoadGame(url); break;
    case LoginCommandKind::ExitGame: background_.EndDialog(IDCANCEL); break;
    case LoginCommandKind::Minimize: Minimize(); break;
    case LoginCommandKind::Unknown:
    case LoginCommandKind::Refused: break;
  }
  return NavigationVerdict::Cancel;
}

void CLoginDlg::LoadGame(const std::string& url) {
  const LoginCommand command = ParseLoginCommand(url);
  if (!SendCopyData(app_.owner_window(), 0, command.parts.caption)) {
    ShowMessageBox(0, DuplicateLoginMessage(command.parts.account, command.parts.server), kMessageTitle,
                   MB_OK);
    background_.EndDialog(IDCANCEL);
    return;
  }
  app_.game_start_address = command.game_address;
  background_.EndDialog(IDOK);
}

void CLoginDlg::Minimize() {
  if (app_.tabs_at_start() > 0) {
    background_.EndDialog(IDCANCEL);
    return;
  }
  if (IsUacEnabled()) {
    if (background_.gtk_window()) gtk_window_iconify(background_.gtk_window());
    return;
  }
  // The main window goes down, and the login it owns with it.
  GdkDisplay* display = gdk_display_get_default();
  if (GdkWindow* owner = gdk_x11_window_foreign_new_for_display(display, app_.owner_window())) {
    gdk_window_iconify(owner);
    g_object_unref(owner);
  }
  if (background_.gtk_window()) gtk_window_iconify(background_.gtk_window());
}

// --- The background ------------------------------------------------------------------------------

CLoginBkDlg::CLoginBkDlg(CKestrun3App& app)
    : CDialog(BackgroundTemplate(), nullptr), app_(app), owner_(app.owner_window()) {
  SetForeignOwner(app.owner_window());
}

CLoginBkDlg::~CLoginBkDlg() {
  // The page is owned by this window: it goes first.
  page_.reset();
}

bool CLoginBkDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(kMessageTitle);
  SetProgramIcon();
  picture_ = LoadPngResourceImage();
  if (!picture_) {
    EndDialog(IDCANCEL);
    return false;
  }
  width_ = cairo_image_surface_get_width(picture_.get());
  height_ = cairo_image_surface_get_height(picture_.get());
  // No centring: the background's corner lies at the owner's client origin.
  const Point origin = OwnerOrigin(app_.owner_window());
  MoveWindow({origin.x, origin.y, origin.x + width_, origin.y + height_});
  KeepPlacement();
  PaintLayeredImage(*this, picture_.get(), width_, height_);

  page_ = std::make_unique<CLoginDlg>(app_, *this, GetServerConfig().LoginPageUrl());
  page_->Create(this);
  PlacePage();
  ModifyStyle(0, WS_MINIMIZEBOX);
  // A login has no business once its main window is gone.
  SetTimer(kOwnerWatchTimerId, kOwnerWatchMs);
  return false;
}

bool CLoginBkDlg::PreTranslateMessage(const Msg& msg) {
  if (msg.message == WM_KEYDOWN && msg.wparam == VK_RETURN) return true;
  return CDialog::PreTranslateMessage(msg);
}

void CLoginBkDlg::OnLButtonDown(Point point) {
  CDialog::OnLButtonDown(point);
  BeginDragFor(HitCode::Caption, point);
}

void CLoginBkDlg::OnMove(int x, int y) {
  CDialog::OnMove(x, y);
  PlacePage();
}

void CLoginBkDlg::PlacePage() {
  if (!page_ || !page_->IsWindow()) return;
  const Rect r = GetWindowRect();
  page_->MoveWindow(
      {r.left + kPageLeft, r.top + kPageTop, r.left + kPageLeft + r.width(), r.top + kPageTop + r.height()});
}

void CLoginBkDlg::OnTimer(int id) {
  if (id == kOwnerWatchTimerId && !owner_.IsAlive()) {
    KillTimer(kOwnerWatchTimerId);
    EndDialog(IDCANCEL);
  }
  CDialog::OnTimer(id);
}

int RunLoginDialog(CKestrun3App& app) {
  CLoginBkDlg background(app);
  return background.DoModal();
}

void PostCancelledLogin(std::uint32_t owner_window) {
  PostWindowMessage(owner_window, WM_SYSCOMMAND, SC_CLOSE, kSynthesizedMarker);
}

bool IsUacEnabled() { return false; }

}  // namespace ylcs
