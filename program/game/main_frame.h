#pragma once
// The game frame of a child process: one game page (or the game list page) shown inside a main
// window of another process. The frame is an XEmbed plug: it announces its window id to the
// owner main window, which adopts it as a tab, and it ends its own process when the owner closes
// it or disappears.

#include <memory>
#include <string>

#include "platform/handles.h"
#include "platform/keys.h"
#include "platform/window_messages.h"
#include "program/game/game_view.h"
#include "rules/app/settings_values.h"

namespace ylcs {

class CKestrun3App;

class CMainFrame {
 public:
  explicit CMainFrame(CKestrun3App& app);
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;
  ~CMainFrame();

  WindowId id() const;

 private:
  static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnButtonPress(GtkWidget*, GdkEventButton*, gpointer self);
  void OnMessage(const WindowMessage& message);
  bool PreTranslateKey(const KeyStroke& key, bool alt_key_message);
  void ReloadForF5(bool synthesized);
  void OpenFavorites();
  void LoadHotkeys();
  void CheckOwner();
  void RaiseOwner();
  void Close();
  void OnNavigateComplete(const std::string& uri);

  CKestrun3App& app_;
  GtkWidget* plug_ = nullptr;
  std::unique_ptr<CGmWndView> view_;
  std::unique_ptr<MessageReceiver> receiver_;
  OwnerWatch owner_;
  GSourceId owner_watch_;  // timer 2
  GSourceId raise_owner_;  // timer 6
  HotKey boss_key_;
  HotKey window_switch_key_;
  HotKey sound_key_;
  bool mute_known_ = false;
  std::uint32_t last_mute_ = 0;
};

// Creates the hidden frame with its view and starts the game start address.
std::unique_ptr<CMainFrame> CreateGameFrame(CKestrun3App& app);

}  // namespace ylcs
