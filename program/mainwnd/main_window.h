#pragma once
// The main window: a skinned window holding up to three game tabs, each the game frame of a
// login child process adopted through XEmbed. It starts the login children, receives every
// message between the program's windows, draws the tab strip in its caption band and relays
// keys, mute state and hotkey changes to the frames.

#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/process.h"
#include "platform/window_messages.h"
#include "program/ui/btn_ex.h"
#include "program/ui/dlg_ex.h"
#include "program/ui/static_ex.h"
#include "program/ui/tooltip.h"
#include "rules/app/settings_values.h"
#include "rules/mainwnd/game_tabs.h"
#include "rules/mainwnd/tab_strip.h"

namespace ylcs {

class CKestrun3App;
class CAddAccDlg;

class CKestrun3Dlg : public CDlgEx {
 public:
  explicit CKestrun3Dlg(CKestrun3App& app);
  ~CKestrun3Dlg() override;

  int tab_count() const { return tabs_.count(); }

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override;
  bool PreTranslateMessage(const Msg& msg) override;
  bool OnCommand(int id, unsigned code) override;
  std::intptr_t WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
  void OnTimer(int id) override;
  void OnSize(int width, int height) override;
  bool OnEraseBkgnd(cairo_t* cr) override;
  HitCode OnNcHitTest(Point point) override;
  void OnNcLButtonDown(HitCode hit, Point point) override;
  void OnNcLButtonUp(HitCode hit, Point point) override;
  void OnNcLButtonDblClk(HitCode hit, Point point) override;
  void OnNcMButtonUp(HitCode hit, Point point) override;
  void OnLButtonDown(Point point) override;
  void OnLButtonUp(Point point) override;
  void OnLButtonDblClk(Point point) override;
  void OnMButtonUp(Point point) override;
  void OnMouseLeave() override;

 private:
  struct Frame {
    GtkWidget* socket = nullptr;  // ours; holds the other process's window
  };

  // Messages of other processes.
  void OnWindowMessage(const WindowMessage& message);
  bool OnCopyData(const CopyDataRequest& request);
  void OnGameFrameReady(WindowId frame, bool hall, pid_t child);
  void OnAddAccount(std::uintptr_t new_tab);

  void StartLogin();
  void ShowTab(WindowId frame);
  void ShowNextTab();
  void CloseTab(int index);
  void ShowAddAccountPrompt();
  void HideOrRestore();
  void ToggleMute();
  void LoadHotkeys();
  void Shutdown();

  // Frames and their sockets.
  GtkWidget* AdoptFrame(WindowId frame);
  void PlaceFrame(GtkWidget* socket);
  bool IsHallVisible() const;
  void ApplyStripEffects(const StripEffects& effects);
  void InvalidateTab(const TabRect& rect);
  void PressOnStrip(Point point);
  bool ReleaseOnStrip(Point point);
  bool MiddleReleaseOnStrip(Point point);
  void ApplyMinimumSize();
  void UpdateSoundButton();

  CKestrun3App& app_;
  std::unique_ptr<MessageReceiver> receiver_;
  CBtnEx m_btnHide;
  CBtnEx m_btnSound;
  CBtnEx m_btnSystem;
  CStaticEx m_lnkAddAccount;
  SkinImage close_strip_;
  SkinImage minimize_strip_;
  SkinImage hide_image_;
  SkinImage sound_on_image_;
  SkinImage sound_off_image_;
  SkinImage system_image_;
  SkinImage link_image_;
  SkinImage tab_images_;        // PNG 140: normal, hot, current
  SkinImage close_box_images_;  // PNG 141: normal, hover, pressed

  int mute_ = 0;
  int shown_mute_ = 1;  // the sound button's picture last shown for this flag
  WindowId hall_frame_ = 0;
  GtkWidget* hall_socket_ = nullptr;
  std::optional<ChildProcess> login_process_;
  GameTabs tabs_;
  std::unordered_map<WindowId, Frame> frames_;
  int current_ = 0;
  TabStripState strip_;
  CToolTip tooltip_{500};
  std::unique_ptr<CAddAccDlg> add_account_;
  HotKey boss_key_{-1, -1};
  HotKey window_switch_key_{-1, -1};
  HotKey sound_key_{-1, -1};
  int last_width_ = 0;
  bool shut_down_ = false;
};

// Runs the main window modally until it ends.
void RunMainWindow(CKestrun3App& app);

}  // namespace ylcs
