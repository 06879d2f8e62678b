// ylcs_gallery: shows the skinned toolkit's widgets for the eye and for the GUI tests.
//
//   ylcs_gallery widgets             a resizable skinned window with every widget kind
//   ylcs_gallery msgbox <type> <text> [title]   one message box; prints "RESULT <code>"
//   ylcs_gallery login               the login background, a window with per-pixel alpha
//
// Windows are placed at fixed spots over a plain backdrop (so see-through pixels are known) and
// the program prints what a test needs on stdout, one line each:
//   READY <name> <x> <y> <w> <h>        a window is shown at that screen rectangle
//   COMMAND <id> <code>                  a command reached the widget window
//   WRAP <lines> <height>                the wrapped label's lines and its needed height

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/skin_image.h"
#include "program/ui/dlg_ex.h"
#include "program/ui/img_progress.h"
#include "program/ui/message_box.h"
#include "program/ui/skin_window.h"
#include "program/ui/static_ex.h"
#include "program/ui/toolkit.h"

namespace ylcs {
namespace {

constexpr Rgb kBackdrop{0, 200, 0};

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// A plain window under everything, of a known colour.
GtkWidget* ShowBackdrop() {
  GtkWidget* backdrop = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_decorated(GTK_WINDOW(backdrop), FALSE);
  gtk_widget_set_app_paintable(backdrop, TRUE);
  g_signal_connect(backdrop, "draw", G_CALLBACK(+[](GtkWidget*, cairo_t* cr, gpointer) -> gboolean {
                     SetSourceRgb(cr, kBackdrop);
                     cairo_paint(cr);
                     return TRUE;
                   }),
                   nullptr);
  gtk_window_move(GTK_WINDOW(backdrop), 0, 0);
  gtk_window_resize(GTK_WINDOW(backdrop), 1000, 700);
  gtk_widget_show(backdrop);
  return backdrop;
}

// Announces a window once it is on the screen and painted.
void AnnounceWhenDrawn(CDialog& dialog, const std::string& name) {
  struct Announce {
    CDialog* dialog;
    std::string name;
  };
  g_timeout_add_full(
      G_PRIORITY_DEFAULT, 400,
      [](gpointer data) -> gboolean {
        const auto* a = static_cast<Announce*>(data);
        const Rect r = a->dialog->GetWindowRect();
        Say("READY " + a->name + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
            std::to_string(r.width()) + " " + std::to_string(r.height()));
        return G_SOURCE_REMOVE;
      },
      new Announce{&dialog, name}, [](gpointer data) { delete static_cast<Announce*>(data); });
}

const DialogTemplate kWidgetsTemplate{
    900,
    0,
    0,
    262,
    176,
    WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
    WS_EX_APPWINDOW,
    9,
    "",
    {
        {1001, ControlKind::Button, "确定", 14, 150, 42, 14},
        {1002, ControlKind::Button, "取消", 62, 150, 42, 14, WS_CHILD | WS_VISIBLE | WS_DISABLED},
        {1003, ControlKind::Button, "系统", 110, 150, 30, 14},
        {1010, ControlKind::Static, "", 14, 30, 67, 20},
        {1011, ControlKind::Static, "登录其他账号", 120, 30, 70, 10},
        {1012, ControlKind::Static, "详细>>", 120, 48, 40, 10},
        {1020, ControlKind::Progress, "", 14, 110, 258, 12},
    }};

// Twenty Chinese characters for a label 100 pixels wide.
constexpr const char* kWrapText = "云岭传说登录器已经为您准备好了游戏请稍候";

class CGalleryDlg : public CDlgEx {
 public:
  CGalleryDlg() : CDlgEx(kWidgetsTemplate, nullptr) {}

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    dx.Control(1001, ok_);
    dx.Control(1002, cancel_);
    dx.Control(1003, system_);
    dx.Control(1010, wrapped_);
    dx.Control(1011, link_);
    dx.Control(1012, detail_);
    dx.Control(1020, progress_);
  }

  bool OnInitDialog() override {
    CDlgEx::OnInitDialog();
    SetProgramIcon();
    m_nCaptionHeight = 30;
    m_nBorder = 4;
    m_nBtnRightMargin = 0;
    m_nBtnTop = 0;
    m_nBtnSpacing = 0;
    SetTitle("kelvo - 云岭传说");
    SetSkin(LoadSkinImage(132), LoadSkinImage(131), false, true, LoadSkinImage(136), LoadSkinImage(135),
            LoadSkinImage(137));
    m_bResizable = true;

    button_strip_ = LoadSkinImage(133);
    ok_.SetImage(button_strip_, true);
    ok_.SetTooltip("确定提示");
    cancel_.SetImage(button_strip_, true);
    system_.SetImage(LoadSkinImage(139), true);
    system_.m_clrText = {255, 255, 255};
    // In the caption band, left of the caption buttons, as the main window has it.
    system_.MoveWindow({GetClientRect().width() - 185, 0, GetClientRect().width() - 141, 28});

    wrapped_.m_strText = kWrapText;
    wrapped_.m_clrText = {30, 39, 46};
    wrapped_.m_nFontHeight = -12;
    wrapped_.SetWindowSize(100, 20);

    link_.ModifyStyle(0, SS_NOTIFY);
    link_.m_bLink = true;
    link_.m_bUnderline = true;
    link_.m_clrText = {22, 122, 235};
    link_.SetImage(LoadSkinImage(142));
    link_.SetWindowSize(120, 18);

    detail_.ModifyStyle(0, SS_NOTIFY);
    detail_.m_bLink = true;
    detail_.m_clrText = {30, 39, 46};
    detail_.m_clrHover = {22, 122, 235};
    detail_.m_bHoverColor = true;

    progress_.SetImages(LoadSkinImage(152), LoadSkinImage(153));
    progress_.SetRange(0, 100);
    progress_.SetPos(37);
    progress_.m_bShowPercent = true;
    progress_.m_clrPercent = {30, 39, 46};

    SetWindowPosition(100, 80);
    return true;
  }

  bool OnCommand(int id, unsigned code) override {
    Say("COMMAND " + std::to_string(id) + " " + std::to_string(code));
    return CDlgEx::OnCommand(id, code);
  }

  void OnCancel() override { gtk_main_quit(); }

  void OnPaint(cairo_t* cr) override {
    CDlgEx::OnPaint(cr);
    const WrappedText& wrap = wrapped_.last_wrap();
    if (wrap.lines.size() != reported_lines_) {
      reported_lines_ = wrap.lines.size();
      Say("WRAP " + std::to_string(wrap.lines.size()) + " " + std::to_string(wrap.needed_height));
    }
  }

 private:
  SkinImage button_strip_;
  CBtnEx ok_, cancel_, system_;
  CStaticEx wrapped_, link_, detail_;
  CImgProgress progress_;
  std::size_t reported_lines_ = 0;
};

const DialogTemplate kLoginTemplate{157,
                                    0,
                                    0,
                                    586,
                                    407,
                                    WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
                                    WS_EX_LAYERED,
                                    8,
                                    "kelvo - 云岭传说",
                                    {}};

// The login background: the picture with its alpha, dragged by any press on it.
class CLayeredDlg : public CDialog {
 public:
  CLayeredDlg() : CDialog(kLoginTemplate, nullptr) {}

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    image_ = LoadPngResourceImage();
    SetWindowPosition(50, 50);
    PaintLayeredImage(*this, image_.get(), 888, 518);
    Say(std::string("ALPHA ") + (HasAlphaVisual() ? "1" : "0"));
    return false;
  }
  void OnLButtonDown(Point) override { BeginDragFor(HitCode::Caption, {}); }
  void OnCancel() override { gtk_main_quit(); }

 private:
  CairoSurfacePtr image_;
};

int RunLogin() {
  ShowBackdrop();
  CLayeredDlg dialog;
  if (!dialog.Create()) return 1;
  dialog.ShowWindow(true);
  AnnounceWhenDrawn(dialog, "login");
  gtk_main();
  return 0;
}

int RunWidgets() {
  ShowBackdrop();
  CGalleryDlg dialog;
  if (!dialog.Create()) return 1;
  dialog.ShowWindow(true);
  AnnounceWhenDrawn(dialog, "widgets");
  gtk_main();
  return 0;
}

int RunMessageBox(int type, const std::string& text, const std::string& title) {
  ShowBackdrop();
  // Announce the box: it is the newest top-level window once the modal loop runs.
  g_timeout_add(
      400,
      [](gpointer) -> gboolean {
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w; w = w->next) {
          GtkWindow* window = GTK_WINDOW(w->data);
          if (gtk_window_get_modal(window)) {
            int x = 0, y = 0;
            gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(window)), &x, &y);
            Say("READY msgbox " + std::to_string(x) + " " + std::to_string(y) + " " +
                std::to_string(gtk_widget_get_allocated_width(GTK_WIDGET(window))) + " " +
                std::to_string(gtk_widget_get_allocated_height(GTK_WIDGET(window))));
          }
        }
        g_list_free(windows);
        return G_SOURCE_REMOVE;
      },
      nullptr);
  const int result = ShowMessageBox(0, text, title, type);
  Say("RESULT " + std::to_string(result));
  return 0;
}

}  // namespace
}  // namespace ylcs

int main(int argc, char** argv) {
  if (!ylcs::InitToolkit(&argc, &argv)) {
    std::fprintf(stderr, "ylcs_gallery: no display\n");
    return 1;
  }
  const std::string mode = argc > 1 ? argv[1] : "widgets";
  if (mode == "msgbox" && argc > 3) {
    return ylcs::RunMessageBox(std::atoi(argv[2]), argv[3], argc > 4 ? argv[4] : ylcs::kMessageTitle);
  }
  if (mode == "login") return ylcs::RunLogin();
  return ylcs::RunWidgets();
}
