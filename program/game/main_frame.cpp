#include "program/game/main_frame.h"

#include <gdk/gdkx.h>
#include <gtk/gtkx.h>

#include "platform/server_config.h"
#include "program/app/kestrun3_app.h"
#include "program/app/not_built.h"
#include "program/app/settings.h"
#include "rules/app/window_messages.h"
#include "rules/hotkeys/virtual_keys.h"
#include "rules/ui/dialog_results.h"

namespace ylcs {

namespace {

constexpr guint kOwnerWatchMs = 800;
constexpr guint kRaiseOwnerMs = 10;
constexpr int kCtrlDScanCode = 0x20;
constexpr std::uint32_t kCtrlDCharacter = 4;

bool IsPlainF5(HotKey key) { return key.virtual_key == VK_F5 && key.modifiers == 0; }

}  // namespace

CMainFrame::CMainFrame(CKestrun3App& app) : app_(app), owner_(app.owner_window()) {
  plug_ = gtk_plug_new(0);
  gtk_window_set_title(GTK_WINDOW(plug_), kMessageTitle);
  gtk_window_set_default_size(GTK_WINDOW(plug_), 10, 10);
  g_signal_connect(plug_, "key-press-event", G_CALLBACK(&CMainFrame::OnKeyPress), this);
  // Taken out of its tab (or closed by the desktop): the frame has nothing left to show.
  g_signal_connect(plug_, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) -> gboolean {
                     static_cast<CMainFrame*>(self)->Close();
                     return TRUE;
                   }),
                   this);

  const bool game_list = app_.game_start_address == app_.GameListAddress();
  view_ = std::make_unique<CGmWndView>(
      game_list, app_.owner_window(),
      CGmWndView::Events{[this](const std::string& uri) { OnNavigateComplete(uri); },
                         [this](const std::string& title) { app_.game_page_title = title; }});
  gtk_container_add(GTK_CONTAINER(plug_), view_->widget());
  gtk_widget_show(view_->widget());
  g_signal_connect(view_->widget(), "button-press-event", G_CALLBACK(&CMainFrame::OnButtonPress), this);

  receiver_ = std::make_unique<MessageReceiver>(plug_, [this](const WindowMessage& m) { OnMessage(m); });
  if (IsWindow(app_.owner_window())) {
    PostWindowMessage(app_.owner_window(), WM_GAMEFRAME_READY, receiver_->id(), game_list ? 1 : 0);
  }
  LoadHotkeys();
  owner_watch_.reset(g_timeout_add(
      kOwnerWatchMs,
      +[](gpointer self) -> gboolean {
        static_cast<CMainFrame*>(self)->CheckOwner();
        return G_SOURCE_CONTINUE;
      },
      this));
  view_->web().Load(app_.game_start_address);
}

CMainFrame::~CMainFrame() {
  owner_watch_.reset();
  raise_owner_.reset();
  receiver_.reset();
  if (plug_) gtk_widget_destroy(plug_);
}

WindowId CMainFrame::id() const { return receiver_->id(); }

void CMainFrame::OnNavigateComplete(const std::string& uri) {
  app_.game_page_address = uri;
  // The owner's socket decides where the frame lies; the frame only shows itself once it has a page.
  gtk_widget_show(plug_);
}

void CMainFrame::LoadHotkeys() {
  boss_key_ = ReadBossKey();
  window_switch_key_ = ReadWindowSwitchKey();
  sound_key_ = ReadSoundKey();
}

void CMainFrame::CheckOwner() {
  if (!owner_.IsAlive()) Close();
}

void CMainFrame::Close() {
  owner_watch_.reset();
  gtk_main_quit();
}

void CMainFrame::RaiseOwner() {
  raise_owner_.forget();
  GdkDisplay* display = gdk_display_get_default();
  GdkWindow* owner = gdk_x11_window_foreign_new_for_display(display, app_.owner_window());
  if (owner == nullptr) return;
  gdk_window_raise(owner);
  g_object_unref(owner);
}

gboolean CMainFrame::OnButtonPress(GtkWidget*, GdkEventButton*, gpointer data) {
  auto* self = static_cast<CMainFrame*>(data);
  // Bring the main window to the front without taking the click away from the page.
  self->raise_owner_.reset(g_timeout_add(
      kRaiseOwnerMs,
      +[](gpointer frame) -> gboolean {
        static_cast<CMainFrame*>(frame)->RaiseOwner();
        return G_SOURCE_REMOVE;
      },
      self));
  return FALSE;
}

gboolean CMainFrame::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  auto* self = static_cast<CMainFrame*>(data);
  const KeyStroke key = KeyStrokeOf(event);
  // Ctrl+D types character 4; only the D key itself (scan code 0x20) opens the favourites.
  if ((key.modifiers & kModCtrl) && !(key.modifiers & kModAlt) && key.scan_code == kCtrlDScanCode &&
      (key.keysym == 'd' || key.keysym == 'D')) {
    self->OpenFavorites();
    return TRUE;
  }
  return self->PreTranslateKey(key, (key.modifiers & kModAlt) != 0) ? TRUE : FALSE;
}

bool CMainFrame::PreTranslateKey(const KeyStroke& key, bool alt_key_message) {
  if (MatchesHotKey(window_switch_key_, key.virtual_key, key.modifiers)) {
    PostWindowMessage(app_.owner_window(), alt_key_message ? WM_SYSKEYDOWN : WM_KEYDOWN,
                      static_cast<std::uint32_t>(key.virtual_key), key.lparam);
    return true;
  }
  if (key.virtual_key == VK_F5) {
    ReloadForF5(false);
    return true;
  }
  return false;
}

void CMainFrame::ReloadForF5(bool synthesized) {
  // When F5 is also the boss or sound key, only the main window's own F5 reloads.
  if ((IsPlainF5(boss_key_) || IsPlainF5(sound_key_)) && !synthesized) return;
  view_->web().Reload();
}

void CMainFrame::OpenFavorites() { ReportNotBuilt("the favourites dialog"); }

void CMainFrame::OnMessage(const WindowMessage& m) {
  switch (m.message) {
    case WM_SET_MUTE:
      if (!mute_known_ || m.wparam != last_mute_) {
        mute_known_ = true;
        last_mute_ = m.wparam;
        view_->web().SetMuted(m.wparam != 0);
      }
      break;
    case WM_RELOAD_HOTKEYS: LoadHotkeys(); break;
    case WM_SYSCOMMAND:
      if (m.wparam == SC_CLOSE) {
        // A page's alert box still open must not hold up the close.
        view_->web().DismissScriptDialog();
        Close();
      }
      break;
    case WM_KEYDOWN:
      if (m.wparam == static_cast<std::uint32_t>(VK_F5)) ReloadForF5(m.lparam == kSynthesizedMarker);
      break;
    case WM_CHAR:
      if (m.wparam == kCtrlDCharacter && ((static_cast<std::uint32_t>(m.lparam) >> 16) == kCtrlDScanCode)) {
        OpenFavorites();
      }
      break;
    default: break;
  }
}

std::unique_ptr<CMainFrame> CreateGameFrame(CKestrun3App& app) { return std::make_unique<CMainFrame>(app); }

}  // namespace ylcs
