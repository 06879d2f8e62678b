#pragma once
// The login of a new tab: the portal's login page shown over a layered background picture, owned
// by the main window of another process. The page reports a successful login with "loadgame";
// the tab caption goes to the main window, which may refuse it (same account on the same
// server), and the game address becomes the address the game frame opens.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/handles.h"
#include "platform/window_messages.h"
#include "program/browser/dhtml_dialog.h"
#include "program/ui/dialog.h"

namespace ylcs {

class CKestrun3App;
class CLoginBkDlg;

// The page, over the background at (353, 87); its pixels of RGB(254, 254, 254) are see-through.
class CLoginDlg : public CDHtmDlgEx {
 public:
  CLoginDlg(CKestrun3App& app, CLoginBkDlg& background, std::string login_url);

 protected:
  bool OnInitDialog() override;
  bool PreTranslateMessage(const Msg& msg) override;
  void OnSize(int width, int height) override;
  NavigationVerdict OnBeforeNavigate(const std::string& url) override;
  void OnNavigateComplete(const std::string& uri) override;
  void OnDragRequest(double x, double y) override;

 private:
  void UpdateShape();
  void LoadGame(const std::string& url);
  void Minimize();

  CKestrun3App& app_;
  CLoginBkDlg& background_;
  std::string login_url_;
  GSourceId reshape_;
};

// The background: the login picture with its per-pixel alpha, at the owner's client origin.
class CLoginBkDlg : public CDialog {
 public:
  explicit CLoginBkDlg(CKestrun3App& app);
  ~CLoginBkDlg() override;

  // Starts the system's move loop as for a press at (x, y) of the background.
  void DragFrom(int x, int y) { BeginDragFor(HitCode::Caption, {x, y}); }

 protected:
  bool OnInitDialog() override;
  bool PreTranslateMessage(const Msg& msg) override;
  void OnLButtonDown(Point point) override;
  void OnMove(int x, int y) override;
  void OnTimer(int id) override;

 private:
  void PlacePage();

  CKestrun3App& app_;
  OwnerWatch owner_;
  CairoSurfacePtr picture_;
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<CLoginDlg> page_;
};

// Runs the login modally; IDOK once a game address was accepted, IDCANCEL otherwise.
int RunLoginDialog(CKestrun3App& app);

// Tells the owner window that this login was given up (a close request marked as synthesised).
void PostCancelledLogin(std::uint32_t owner_window);

// Whether the system asks before running programs with raised rights: never on this desktop.
bool IsUacEnabled();

}  // namespace ylcs
