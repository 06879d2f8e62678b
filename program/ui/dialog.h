#pragma once
// The dialog layer: every window of the program is a CDialog (or derives from CDlgEx, the skinned
// dialog, dlg_ex.h). It stands where the class library's dialog stood, on GTK 3.
//
// Writing a window
// ----------------
//   class CMyDlg : public CDlgEx {
//    public:
//     explicit CMyDlg(CWnd* parent) : CDlgEx(kMyTemplate, parent) {}
//    protected:
//     void DoDataExchange(CDataExchange& dx) override { dx.Control(1, m_btnOk); }
//     bool OnInitDialog() override {
//       CDlgEx::OnInitDialog();             // always first
//       SetTitle("设置");
//       SetSkin(LoadSkinImage(132), LoadSkinImage(131), false, true);
//       return true;
//     }
//     bool OnCommand(int id, unsigned code) override {
//       if (id == 1) { ...; EndDialog(IDOK); return true; }
//       return CDlgEx::OnCommand(id, code);  // IDOK -> OnOK, IDCANCEL -> OnCancel
//     }
//     CBtnEx m_btnOk;
//   };
//   int result = CMyDlg(nullptr).DoModal();
//
// Templates are tables in code (DialogTemplate): sizes and control rectangles in dialog units,
// converted to pixels with the base units of the template's font, as the dialog manager did.
// DoDataExchange binds template controls to members; a control without a member gets an object
// of the matching class owned by the dialog (GetDlgItem finds both).
//
// Life of a dialog
// ----------------
// DoModal (modal) or Create (modeless) builds the window: the GtkWindow (undecorated, painted
// entirely by the program) is realised at once, so GetSafeXid() is valid in OnInitDialog; then
// DoDataExchange, the controls, OnInitDialog. A popup that OnInitDialog did not move is then
// centred on its owner (or on the screen's work area without one). DoModal shows the window,
// makes it modal for the process, runs a nested main loop until EndDialog, destroys the window
// and returns the end code. A modeless dialog is shown when its template has WS_VISIBLE;
// EndDialog hides it, DestroyWindow destroys it.
//
// Keys reach PreTranslateMessage first (WM_KEYDOWN / WM_SYSKEYDOWN with the virtual-key code,
// then WM_CHAR for keys that type a character, Ctrl+letter included); returning true consumes
// them. Otherwise Enter sends IDOK and Escape IDCANCEL as WM_COMMAND, and other keys go to the
// focused control. Posted messages (CWnd::PostMessage) and timers pass PreTranslateMessage too.
//
// Mouse on the dialog's own surface (not on a control that takes the mouse): OnNcHitTest decides
// the hit code for a client point; codes other than Client go to the OnNc* handlers, Client to
// the others. The default OnNcLButtonDown drags the window on Caption and resizes it on the
// borders (gtk_window_begin_move_drag / begin_resize_drag with that edge). All points are in
// client coordinates of the dialog.
//
// The close box (WM_SYSCOMMAND SC_CLOSE) becomes WM_CLOSE -> OnClose -> OnCancel; SC_MINIMIZE
// iconifies. The defaults of OnOK and OnCancel end the dialog with IDOK and IDCANCEL.
//
// Other services (see wnd.h for the common ones)
// ---------------------------------------------
// - Messages of the program (WM_USER + n): override WindowProc, handle yours, pass the rest to
//   the base. PostMessage(message, wparam, lparam) queues one to a window, from any thread.
// - Timers: SetTimer(id, ms) / KillTimer(id), handled in OnTimer(id).
// - Painting: OnEraseBkgnd(cr) paints the background (CDlgEx: the skin, icon and title), OnPaint(cr)
//   what lies over it; controls are drawn on top. Invalidate() / InvalidateRect() repaint.
// - Geometry: MoveWindow / SetWindowSize / SetWindowPosition apply at once; OnSize(w, h) and
//   OnMove(x, y) report every change, also the user's drags. GetWorkArea() for placement.
// - Foreign widgets (a GtkSocket for a game tab, a web view): AddChildWidget / MoveChildWidget.
// - Cross-process: GetSafeXid() is the window id to hand to another process; SetForeignOwner(xid)
//   makes a dialog owned by another process's window (it stays above it and centres on it).
// - Per-pixel alpha: a template with WS_EX_LAYERED gets an RGBA visual where a compositor runs;
//   PaintLayeredImage (skin_window.h) shows a picture with its alpha, or cut to its shape.
// - Tooltips with a delay of your choice: CToolTip (tooltip.h).

#include <gtk/gtk.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "program/ui/wnd.h"
#include "rules/ui/dialog_results.h"
#include "rules/ui/skin_geometry.h"

namespace ylcs {

// The kinds of controls a template holds, each created as its class: Button -> CBtnEx,
// Static -> CStaticEx, Progress -> CImgProgress, Edit -> CEdit, GroupBox -> CGroupBox.
enum class ControlKind { Button, Static, Edit, GroupBox, Progress };

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::Static;
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::uint32_t style = WS_CHILD | WS_VISIBLE;
};

struct DialogTemplate {
  int id = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units; x, y relative to the owner's client area
  std::uint32_t style = WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
  std::uint32_t ex_style = 0;  // WS_EX_LAYERED: a window with per-pixel alpha (PaintLayeredImage)
  int font_points = 8;         // the dialog font ("MS Shell Dlg" stands for the UI font list)
  std::string caption;
  std::vector<ControlTemplate> controls;
};

// A message as the message loop hands it to PreTranslateMessage.
struct Msg {
  CWnd* window = nullptr;  // the window it is meant for
  unsigned message = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
  const GdkEventKey* key = nullptr;  // the GDK event of a key message
};

// Binds template controls to the dialog's members (DDX_Control).
class CDataExchange {
 public:
  void Control(int id, CWnd& control) { bindings_.push_back({id, &control}); }
  CWnd* Find(int id) const;

 private:
  struct Binding {
    int id;
    CWnd* control;
  };
  std::vector<Binding> bindings_;
};

class CDialog : public CWnd {
 public:
  // `parent` is the owner window of this process (may be null).
  explicit CDialog(DialogTemplate dialog_template, CWnd* parent = nullptr);
  ~CDialog() override;

  // An owner window of another process (its X11 id), for a dialog owned across processes.
  void SetForeignOwner(std::uint32_t xid) { foreign_owner_ = xid; }

  // Runs the dialog modally; the code given to EndDialog, or -1 when the window could not be made.
  int DoModal();
  // Creates the dialog modeless; false when the window could not be made.
  bool Create(CWnd* parent = nullptr);
  // Ends a modal run with `result` (the nested loop returns); hides a modeless dialog.
  void EndDialog(int result);
  void DestroyWindow();
  bool IsModal() const { return modal_; }

  CDialog* GetTopLevelDialog() override { return this; }
  GtkWindow* gtk_window() const { return widget() ? GTK_WINDOW(widget()) : nullptr; }
  CWnd* GetDlgItem(int id) const;
  const DialogTemplate& dialog_template() const { return template_; }
  // Dialog units of the template's font to pixels.
  Rect MapDialogRect(int x, int y, int cx, int cy) const;

  // --- Placement ------------------------------------------------------------------------------
  void MoveWindow(const Rect& rect, bool repaint = true) override;
  void ShowWindow(bool show) override;
  // Centres the window on its owner, or on the work area when it has none (or it is hidden).
  void CenterWindow();
  // Centres on the work area of the screen.
  void CenterOnScreen();
  void SetTopMost(bool topmost);
  void BringToTop();
  // The work area (screen minus panels) of the monitor the window is on.
  Rect GetWorkArea() const;
  // The window text is also the title the desktop shows.
  void SetWindowText(const std::string& text) override;

  // Window icon at every size of the program icon (taskbar, title, window list).
  void SetProgramIcon();
  // The small (16 x 16) icon, as drawn in a skinned caption; null when the window has none.
  GdkPixbuf* GetSmallIcon() const { return small_icon_.get(); }

  // --- Overridables ---------------------------------------------------------------------------
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnClose();
  virtual void OnSysCommand(unsigned command, std::intptr_t lparam);
  virtual bool PreTranslateMessage(const Msg& msg);
  virtual void DoDataExchange(CDataExchange& dx);
  // Activation of the window changed (WM_ACTIVATE).
  virtual void OnActivate(bool active);
  // The window's position on the screen changed (WM_MOVE / WM_WINDOWPOSCHANGED).
  virtual void OnMove(int x, int y);

  // Whether Enter also reaches the focused widget after its IDOK command (a web page's own
  // forms take Enter; a plain dialog's controls do not).
  virtual bool PassesEnterToFocus() const { return false; }

  virtual HitCode OnNcHitTest(Point point);
  virtual void OnNcLButtonDown(HitCode hit, Point point);
  virtual void OnNcLButtonUp(HitCode hit, Point point);
  virtual void OnNcLButtonDblClk(HitCode hit, Point point);
  virtual void OnNcMButtonUp(HitCode hit, Point point);
  virtual void OnNcMouseMove(HitCode hit, Point point);
  virtual void OnLButtonDown(Point point);
  virtual void OnLButtonUp(Point point);
  virtual void OnLButtonDblClk(Point point);
  virtual void OnMButtonUp(Point point);
  virtual void OnMouseMove(Point point);
  virtual void OnMouseLeave();

  std::intptr_t WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
  bool OnEraseBkgnd(cairo_t* cr) override;

  // The picture of a window with per-pixel alpha (see PaintLayeredImage in skin_window.h).
  void SetLayeredImage(CairoSurfacePtr image) { layered_image_ = std::move(image); }
  cairo_surface_t* layered_image() const { return layered_image_.get(); }
  bool HasAlphaVisual() const { return alpha_visual_; }

 protected:
  // Starts the system's move or resize loop for a caption or border press at `point`.
  void BeginDragFor(HitCode hit, Point point);
  // Called from OnInitDialog: the window stays where it was placed, even where that is where it
  // already was (no centring on the owner).
  void KeepPlacement() { keep_placement_ = true; }
  // Whether a user drag or resize started since the last programmatic move.
  bool user_moved() const { return user_moved_; }

 private:
  bool CreateWindowFromTemplate(CWnd* parent);
  void CreateControls();
  void FinishCreation();
  GtkWindow* OwnerGtkWindow() const;
  std::optional<Rect> OwnerRect() const;
  Point ClientPointOf(double x_root, double y_root) const;
  bool HandleKey(GdkEventKey* event);

  static gboolean ConfigureCb(GtkWidget*, GdkEventConfigure* event, gpointer self);
  static gboolean ButtonPressCb(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean ButtonReleaseCb(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean MotionCb(GtkWidget*, GdkEventMotion* event, gpointer self);
  static gboolean LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean KeyPressCb(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean DeleteCb(GtkWidget*, GdkEvent*, gpointer self);
  static void ActiveCb(GObject*, GParamSpec*, gpointer self);

  DialogTemplate template_;
  CWnd* owner_ = nullptr;
  std::uint32_t foreign_owner_ = 0;
  Point base_units_;
  std::vector<std::unique_ptr<CWnd>> owned_controls_;
  std::vector<CWnd*> controls_;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = IDCANCEL;
  GMainLoopPtr loop_;
  bool alpha_visual_ = false;
  bool user_moved_ = false;
  bool keep_placement_ = false;
  HitCode last_cursor_hit_ = HitCode::Client;
  CairoSurfacePtr layered_image_;
  GObjectPtr<GdkPixbuf> small_icon_;
};

}  // namespace ylcs
