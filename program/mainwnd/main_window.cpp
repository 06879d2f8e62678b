#include "program/mainwnd/main_window.h"

#include <signal.h>

#include <algorithm>

#include <cstdlib>

#include "platform/embedding.h"
#include "platform/folders.h"
#include "platform/keys.h"
#include "program/app/kestrun3_app.h"
#include "program/app/not_built.h"
#include "program/app/settings.h"
#include "program/game/add_account_dialog.h"
#include "program/ui/message_box.h"
#include "rules/app/program_files.h"
#include "rules/app/window_messages.h"
#include "rules/hotkeys/virtual_keys.h"

namespace ylcs {

namespace {

constexpr int kHideButtonId = 1001;
constexpr int kSoundButtonId = 1002;
constexpr int kSystemButtonId = 1003;
constexpr int kUnusedButtonId = 1004;
constexpr int kAddAccountLinkId = 1005;
constexpr int kMuteTimerId = 3;
constexpr unsigned kMuteTimerMs = 400;
constexpr int kMaxTabs = 3;
constexpr std::uintptr_t kCtrlDCharacter = 4;

constexpr const char* kCloseWindowQuestion = "窗口即将关闭，确定要退出游戏？";
constexpr const char* kCloseAccountQuestion = "确定要退出账号：";
constexpr const char* kTabLimitMessage = "当前窗体只支持3个游戏页";

DialogTemplate MainWindowTemplate() {
  DialogTemplate t;
  t.id = 102;
  t.cx = 389;
  t.cy = 246;
  t.font_points = 9;
  t.style = WS_POPUP | WS_VISIBLE | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
  t.ex_style = WS_EX_APPWINDOW;
  t.caption = kMessageTitle;
  t.controls = {
      {kHideButtonId, ControlKind::Button, "", 300, 0, 18, 18},
      {kSoundButtonId, ControlKind::Button, "", 280, 0, 18, 18},
      {kSystemButtonId, ControlKind::Button, "系统", 250, 0, 29, 18},
      {kUnusedButtonId, ControlKind::Button, "", 0, 0, 10, 10, WS_CHILD},
      {kAddAccountLinkId, ControlKind::Static, "登录其他账号", 180, 4, 61, 10},
  };
  return t;
}

// The program that runs a login child: this program, unless a test names a stand-in.
std::string LoginChildProgram() {
  const char* stand_in = std::getenv("YLCS_CHILD_PROGRAM");
  return (stand_in && *stand_in) ? stand_in : ProgramPath();
}

Rect ToRect(const TabRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

CKestrun3Dlg::CKestrun3Dlg(CKestrun3App& app) : CDlgEx(MainWindowTemplate(), nullptr), app_(app) {}

CKestrun3Dlg::~CKestrun3Dlg() = default;

void CKestrun3Dlg::DoDataExchange(CDataExchange& dx) {
  dx.Control(kHideButtonId, m_btnHide);
  dx.Control(kSystemButtonId, m_btnSystem);
  dx.Control(kSoundButtonId, m_btnSound);
  dx.Control(kAddAccountLinkId, m_lnkAddAccount);
}

bool CKestrun3Dlg::OnInitDialog() {
  CDlgEx::OnInitDialog();
  SetProgramIcon();

  ModifyStyle(0, WS_CLIPCHILDREN);
  SetTitle(kMessageTitle);
  m_nCaptionHeight = 30;
  m_nBorder = 4;
  m_nBtnRightMargin = 0;
  m_nBtnTop = 0;
  m_nBtnSpacing = 0;
  close_strip_ = LoadSkinImage(132);
  minimize_strip_ = LoadSkinImage(136);
  SetSkin(close_strip_, LoadSkinImage(134), false, true, minimize_strip_, LoadSkinImage(135),
          LoadSkinImage(137));
  m_bResizable = true;
  // Out of sight until the first game frame arrives.
  MoveWindow({0, 0, 1, 1});

  hide_image_ = LoadSkinImage(138);
  sound_on_image_ = LoadSkinImage(149);
  sound_off_image_ = LoadSkinImage(148);
  system_image_ = LoadSkinImage(139);
  link_image_ = LoadSkinImage(142);
  m_btnHide.SetImage(hide_image_, false);
  m_btnSound.SetImage(sound_on_image_, false);
  m_btnSystem.SetImage(system_image_, false);
  m_btnSystem.m_clrText = {255, 255, 255};
  m_lnkAddAccount.m_clrText = {255, 255, 255};
  m_lnkAddAccount.ModifyStyle(0, SS_NOTIFY);
  m_lnkAddAccount.m_bLink = true;
  m_lnkAddAccount.m_bUnderline = true;
  m_lnkAddAccount.SetImage(link_image_);
  tab_images_ = LoadSkinImage(140);
  close_box_images_ = LoadSkinImage(141);

  receiver_ = std::make_unique<MessageReceiver>(
      widget(), [this](const WindowMessage& m) { OnWindowMessage(m); },
      [this](const CopyDataRequest& request) { return OnCopyData(request); });

  StartLogin();
  LoadHotkeys();
  return true;
}

// --- Messages of other processes -----------------------------------------------------------

void CKestrun3Dlg::OnWindowMessage(const WindowMessage& m) {
  if (m.message == WM_GAMEFRAME_READY) {
    OnGameFrameReady(m.wparam, m.lparam != 0, m.sender_pid);
    return;
  }
  // A login given up will never bring its frame: its caption is free again.
  if (m.message == WM_SYSCOMMAND && m.wparam == SC_CLOSE && m.lparam == kSynthesizedMarker) {
    tabs_.DropPending(m.sender_pid);
  }
  // Everything else takes the way of a posted message: pre-translation, then the window.
  PostMessage(m.message, m.wparam, m.lparam);
}

bool CKestrun3Dlg::OnCopyData(const CopyDataRequest& request) {
  // Captions of logins whose process has ended since will never get their frame.
  for (const pid_t child : tabs_.PendingChildren()) {
    if (kill(child, 0) != 0) tabs_.DropPending(child);
  }
  return tabs_.AddCaption(request.sender_pid, request.text);
}

void CKestrun3Dlg::OnGameFrameReady(WindowId frame, bool hall, pid_t child) {
  if (shut_down_ || frame == 0) return;
  if (tabs_.count() == 0) {
    ToggleMaximize();
    SetTimer(kMuteTimerId, kMuteTimerMs);
  }
  if (hall) {
    hall_frame_ = frame;
    hall_socket_ = AdoptFrame(frame);
    PlaceFrame(hall_socket_);
    return;
  }
  for (auto& [id, f] : frames_) gtk_widget_hide(f.socket);
  if (hall_socket_) gtk_widget_hide(hall_socket_);
  frames_[frame].socket = AdoptFrame(frame);
  current_ = tabs_.AddFrame(child, frame);
  ShowTab(frame);
  login_process_.reset();
  ApplyMinimumSize();
  InvalidateRect(ToRect(StripBounds(tabs_.count())));
}

void CKestrun3Dlg::OnAddAccount(std::uintptr_t new_tab) {
  if (new_tab == 1) {
    if (tabs_.count() >= kMaxTabs) {
      ShowMessageBox(0, kTabLimitMessage, kMessageTitle, MB_OK);
    } else {
      StartLogin();
    }
  } else if (new_tab == 0) {
    StartDetached(PlainArguments(ProgramPath()));
  }
}

// --- Frames ------------------------------------------------------------------------------------

GtkWidget* CKestrun3Dlg::AdoptFrame(WindowId frame) {
  GtkWidget* socket = NewEmbeddingSocket();
  AddChildWidget(socket, {0, 0, 1, 1});
  gtk_widget_show(socket);
  EmbedWindow(socket, frame);
  return socket;
}

void CKestrun3Dlg::PlaceFrame(GtkWidget* socket) {
  const Rect client = GetClientRect();
  // Below the caption band, inside the border (never less than a pixel while the window is tiny).
  const int right = std::max(client.right - 4, client.left + 5);
  const int bottom = std::max(client.bottom - 4, client.top + 31);
  MoveChildWidget(socket, {client.left + 4, client.top + 30, right, bottom});
  gtk_widget_show(socket);
}

bool CKestrun3Dlg::IsHallVisible() const {
  return hall_socket_ != nullptr && gtk_widget_get_visible(hall_socket_);
}

void CKestrun3Dlg::ShowTab(WindowId frame) {
  for (auto& [id, f] : frames_) {
    if (id != frame) gtk_widget_hide(f.socket);
  }
  const auto shown = frames_.find(frame);
  if (shown != frames_.end()) {
    PlaceFrame(shown->second.socket);
    gtk_widget_grab_focus(shown->second.socket);
  }
  if (IsHallVisible()) gtk_widget_hide(hall_socket_);
}

void CKestrun3Dlg::ShowNextTab() {
  if (tabs_.count() == 0 || !IsWindowVisible()) return;
  GdkWindow* window = gtk_widget_get_window(widget());
  if (window && (gdk_window_get_state(window) & GDK_WINDOW_STATE_ICONIFIED)) return;
  if (tabs_.count() >= 2 && !IsHallVisible()) {
    InvalidateTab(TabBounds(current_));
    current_ = (current_ + 1) % tabs_.count();
    InvalidateTab(TabBounds(current_));
  }
  ShowTab(tabs_.at(current_).frame);
}

void CKestrun3Dlg::CloseTab(int index) {
  if (index < 0 || index >= tabs_.count()) return;
  if (tabs_.count() < 2) {
    strip_.Reset();
    InvalidateTab(CloseBoxBounds(index));
    OnCancel();
    return;
  }
  const std::string question = kCloseAccountQuestion + tabs_.at(index).caption + " ?";
  if (ShowMessageBox(0, question, kMessageTitle, MB_YESNO) != IDYES) {
    InvalidateTab(TabBounds(index));
    strip_.Reset();
    return;
  }
  const WindowId closed = tabs_.at(index).frame;
  tabs_.Remove(index);
  current_ = std::min(index, tabs_.count() - 1);
  ShowTab(tabs_.at(current_).frame);
  // Ask the frame to close, and give its window back to the desktop before the socket goes.
  PostWindowMessage(closed, WM_SYSCOMMAND, SC_CLOSE, 0);
  ReleaseEmbeddedWindow(closed);
  if (const auto f = frames_.find(closed); f != frames_.end()) {
    gtk_widget_destroy(f->second.socket);
    frames_.erase(f);
  }
  ApplyMinimumSize();
  InvalidateRect(ToRect(StripBounds(tabs_.count() + 1)));
  strip_.Reset();
}

void CKestrun3Dlg::StartLogin() {
  if (shut_down_) return;
  auto child = ChildProcess::Start(NewTabArguments(LoginChildProgram(), GetSafeXid(), tabs_.count()));
  if (child) login_process_ = std::move(child);
}

void CKestrun3Dlg::ShowAddAccountPrompt() {
  if (!add_account_) {
    add_account_ = std::make_unique<CAddAccDlg>(this);
    if (!add_account_->Create(this)) {
      add_account_.reset();
      return;
    }
  }
  // Right below the link, right-aligned with it.
  const Rect window = GetWindowRect();
  const Rect link = m_lnkAddAccount.GetWindowRect();
  const Rect prompt = add_account_->GetWindowRect();
  const int x = window.left + link.right - prompt.width();
  const int y = window.top + link.bottom;
  add_account_->MoveWindow({x, y, x + prompt.width(), y + prompt.height()});
  add_account_->ShowWindow(true);
}

void CKestrun3Dlg::HideOrRestore() {
  if (IsWindowVisible()) {
    ShowWindow(false);
    if (add_account_) add_account_->ShowWindow(false);
  } else {
    ShowWindow(true);
    gtk_window_deiconify(gtk_window());
    BringToTop();
  }
}

void CKestrun3Dlg::ToggleMute() { mute_ = mute_ == 0 ? 1 : 0; }

void CKestrun3Dlg::UpdateSoundButton() {
  if (mute_ == shown_mute_) return;
  shown_mute_ = mute_;
  m_btnSound.SetImage(mute_ ? sound_off_image_ : sound_on_image_, false);
  m_btnSound.Invalidate();
}

void CKestrun3Dlg::LoadHotkeys() {
  boss_key_ = ReadBossKey();
  window_switch_key_ = ReadWindowSwitchKey();
  for (const GameTab& tab : tabs_.tabs()) PostWindowMessage(tab.frame, WM_RELOAD_HOTKEYS, 0, 0);
  if (hall_frame_ != 0) PostWindowMessage(hall_frame_, WM_RELOAD_HOTKEYS, 0, 0);
  sound_key_ = ReadSoundKey();
}

void CKestrun3Dlg::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  if (login_process_) login_process_->TerminateAndReap();
  login_process_.reset();
  for (const GameTab& tab : tabs_.tabs()) {
    PostWindowMessage(tab.frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    ReleaseEmbeddedWindow(tab.frame);
  }
  // The hall frame ends by itself once this window is gone; it only must not go down with it.
  if (hall_frame_ != 0) ReleaseEmbeddedWindow(hall_frame_);
  KillTimer(kMuteTimerId);
  EndDialog(IDCANCEL);
}

void CKestrun3Dlg::OnCancel() {
  if (ShowMessageBox(0, kCloseWindowQuestion, kMessageTitle, MB_YESNO) == IDYES) Shutdown();
}

void CKestrun3Dlg::ApplyMinimumSize() {
  GdkGeometry hints{};
  hints.min_width = tabs_.count() > 0 ? kTabWidth * tabs_.count() + 483 : 1;
  hints.min_height = tabs_.count() > 0 ? 260 : 1;
  gtk_window_set_geometry_hints(gtk_window(), nullptr, &hints, GDK_HINT_MIN_SIZE);
}

// --- Window messages -------------------------------------------------------------------------

bool CKestrun3Dlg::PreTranslateMessage(const Msg& msg) {
  const bool key_down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (key_down && msg.lparam != kSynthesizedMarker) {
    const int modifiers = msg.key ? ModifierBitsOf(msg.key->state) : CurrentModifierBits();
    if (MatchesHotKey(window_switch_key_, static_cast<int>(msg.wparam), modifiers)) {
      ShowNextTab();
      return true;
    }
  }
  if (msg.message == WM_KEYDOWN && (msg.wparam == VK_ESCAPE || msg.wparam == VK_SPACE)) return true;
  if (msg.message == WM_SYSCOMMAND && msg.wparam == SC_CLOSE) {
    if (msg.lparam == kSynthesizedMarker) {
      if (tabs_.count() == 0) {
        Shutdown();
        return true;
      }
      if (login_process_) {
        login_process_.reset();
        return true;
      }
    } else if (msg.lparam == 0 && tabs_.count() == 0) {
      // Closed while only the first login is open: end it, no question.
      Shutdown();
      return true;
    }
  }
  if (tabs_.count() > 0) {
    const bool ctrl_d = msg.message == WM_CHAR && msg.wparam == kCtrlDCharacter &&
                        ((static_cast<std::uintptr_t>(msg.lparam) >> 16) & 0xFFFF) == 0x0020;
    const bool f5 = msg.message == WM_KEYDOWN && msg.wparam == VK_F5;
    if (ctrl_d || f5) {
      const WindowId current = tabs_.at(current_).frame;
      const auto f = frames_.find(current);
      if (f != frames_.end() && gtk_widget_get_visible(f->second.socket)) {
        PostWindowMessage(current, msg.message, static_cast<std::uint32_t>(msg.wparam),
                          static_cast<std::int32_t>(msg.lparam));
      } else if (IsHallVisible()) {
        PostWindowMessage(hall_frame_, msg.message, static_cast<std::uint32_t>(msg.wparam),
                          static_cast<std::int32_t>(msg.lparam));
      }
      return true;
    }
  }
  if (msg.message == WM_SYSCOMMAND && msg.wparam == SC_RESTORE && tabs_.count() == 0) {
    gtk_window_deiconify(gtk_window());
  }
  return CDlgEx::PreTranslateMessage(msg);
}

std::intptr_t CKestrun3Dlg::WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case WM_ADD_ACCOUNT: OnAddAccount(wparam); return 0;
    case WM_HOTKEYS_CHANGED: LoadHotkeys(); return 0;
    default: return CDlgEx::WindowProc(message, wparam, lparam);
  }
}

bool CKestrun3Dlg::OnCommand(int id, unsigned code) {
  switch (id) {
    case kHideButtonId: HideOrRestore(); return true;
    case kSoundButtonId: ToggleMute(); return true;
    case kSystemButtonId: ReportNotBuilt("the system menu"); return true;
    case kAddAccountLinkId: ShowAddAccountPrompt(); return true;
    default: return CDlgEx::OnCommand(id, code);
  }
}

void CKestrun3Dlg::OnTimer(int id) {
  if (id == kMuteTimerId) {
    for (const GameTab& tab : tabs_.tabs()) {
      PostWindowMessage(tab.frame, WM_SET_MUTE, static_cast<std::uint32_t>(mute_), 0);
    }
    UpdateSoundButton();
  }
  CDlgEx::OnTimer(id);
}

void CKestrun3Dlg::OnSize(int width, int height) {
  if (IsHallVisible()) {
    PlaceFrame(hall_socket_);
  } else if (tabs_.count() > 0) {
    const auto f = frames_.find(tabs_.at(current_).frame);
    if (f != frames_.end() && gtk_widget_get_visible(f->second.socket)) PlaceFrame(f->second.socket);
  }
  CDlgEx::OnSize(width, height);
  if (width != last_width_ && m_btnHide.IsWindow()) {
    m_btnHide.MoveWindow({width - 114, 0, width - 114 + 27, 27});
    m_btnSound.MoveWindow({width - 141, 0, width - 141 + 27, 27});
    m_btnSystem.MoveWindow({width - 185, 0, width - 185 + 44, 28});
    m_lnkAddAccount.MoveWindow({width - 285, 7, width - 285 + 92, 7 + 16});
  }
  last_width_ = width;
}

// --- Tab strip ---------------------------------------------------------------------------------

bool CKestrun3Dlg::OnEraseBkgnd(cairo_t* cr) {
  CDlgEx::OnEraseBkgnd(cr);
  TextLayout text(GetFont());
  for (int i = 0; i < tabs_.count(); ++i) {
    const int look = TabImageIndex(i, current_, strip_.hot());
    const TabRect tab = TabBounds(i);
    DrawSkinPiece(cr, tab_images_,
                  {{look * kTabWidth, 0, (look + 1) * kTabWidth, kTabHeight},
                   {tab.left, tab.top, tab.left + kTabWidth, tab.top + kTabHeight}});
    if (i == strip_.hot() && strip_.close_box() != CloseBoxState::Off) {
      const int state = static_cast<int>(strip_.close_box());
      const TabRect box = CloseBoxBounds(i);
      DrawSkinPiece(cr, close_box_images_,
                    {{state * kTabCloseBoxSize, 0, (state + 1) * kTabCloseBoxSize, kTabCloseBoxSize},
                     {box.left, box.top, box.left + kTabCloseBoxSize, box.top + kTabCloseBoxSize}});
    }
    SetSourceRgb(cr, {255, 255, 255});
    text.Draw(cr, tabs_.at(i).caption, ToRect(CaptionBounds(i)), {});
  }
  return true;
}

void CKestrun3Dlg::InvalidateTab(const TabRect& rect) { InvalidateRect(ToRect(rect)); }

void CKestrun3Dlg::ApplyStripEffects(const StripEffects& effects) {
  for (const TabRect& rect : effects.invalidate) InvalidateTab(rect);
  if (effects.tooltip == TooltipAction::Show && effects.tooltip_tab >= 0 &&
      effects.tooltip_tab < tabs_.count()) {
    tooltip_.SetText(tabs_.at(effects.tooltip_tab).caption);
    tooltip_.PointerRests();
  } else if (effects.tooltip == TooltipAction::Hide) {
    tooltip_.Hide();
  } else if (strip_.tooltip_active()) {
    tooltip_.PointerRests();
  }
}

HitCode CKestrun3Dlg::OnNcHitTest(Point point) {
  const HitCode base = CDlgEx::OnNcHitTest(point);
  ApplyStripEffects(
      strip_.HitTest(point.x, point.y, tabs_.count(), IsLeftButtonDown(), base == HitCode::Caption));
  return base;
}

void CKestrun3Dlg::OnMouseLeave() {
  ApplyStripEffects(strip_.MouseLeave());
  strip_.LeaveTrackingEnded();
  tooltip_.Hide();
  CDlgEx::OnMouseLeave();
}

void CKestrun3Dlg::PressOnStrip(Point point) {
  const auto tab = TabAtPoint(point.x, point.y, tabs_.count());
  if (!tab) return;
  const int b = *tab;
  if (b != current_) {
    const int old = current_;
    current_ = b;
    ShowTab(tabs_.at(b).frame);
    InvalidateTab(TabBounds(old));
    InvalidateTab(TabBounds(b));
  } else if (IsHallVisible()) {
    ShowTab(tabs_.at(b).frame);
  }
  if (IsOnCloseBox(point.x, point.y, b)) ApplyStripEffects(strip_.PressCloseBox(b));
}

bool CKestrun3Dlg::ReleaseOnStrip(Point point) {
  if (!TabAtPoint(point.x, point.y, tabs_.count())) return false;
  if (const auto tab = CloseBoxTabAtPoint(point.x, point.y, tabs_.count())) CloseTab(*tab);
  return true;
}

bool CKestrun3Dlg::MiddleReleaseOnStrip(Point point) {
  const auto tab = TabAtPoint(point.x, point.y, tabs_.count());
  if (!tab) return false;
  CloseTab(*tab);
  return true;
}

void CKestrun3Dlg::OnNcLButtonDown(HitCode hit, Point point) {
  if (TabAtPoint(point.x, point.y, tabs_.count())) {
    PressOnStrip(point);
    return;
  }
  CDlgEx::OnNcLButtonDown(hit, point);
}

void CKestrun3Dlg::OnLButtonDown(Point point) {
  PressOnStrip(point);
  CDlgEx::OnLButtonDown(point);
}

void CKestrun3Dlg::OnNcLButtonUp(HitCode hit, Point point) {
  if (!ReleaseOnStrip(point)) CDlgEx::OnNcLButtonUp(hit, point);
}

void CKestrun3Dlg::OnLButtonUp(Point point) {
  ReleaseOnStrip(point);
  CDlgEx::OnLButtonUp(point);
}

void CKestrun3Dlg::OnNcMButtonUp(HitCode hit, Point point) {
  if (!MiddleReleaseOnStrip(point)) CDlgEx::OnNcMButtonUp(hit, point);
}

void CKestrun3Dlg::OnMButtonUp(Point point) {
  if (!MiddleReleaseOnStrip(point)) CDlgEx::OnMButtonUp(point);
}

void CKestrun3Dlg::OnNcLButtonDblClk(HitCode hit, Point point) {
  // Double-clicks on the tabs neither maximise nor restore.
  if (!TabAtPoint(point.x, point.y, tabs_.count())) CDlgEx::OnNcLButtonDblClk(hit, point);
}

void CKestrun3Dlg::OnLButtonDblClk(Point point) {
  if (!TabAtPoint(point.x, point.y, tabs_.count())) CDlgEx::OnLButtonDblClk(point);
}

void RunMainWindow(CKestrun3App& app) {
  CKestrun3Dlg window(app);
  window.DoModal();
}

}  // namespace ylcs
