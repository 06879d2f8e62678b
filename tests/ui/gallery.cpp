// ylcs_gallery: shows the skinned toolkit's widgets for the eye and for the GUI tests.
//
//   ylcs_gallery widgets             a resizable skinned window with every widget kind
//   ylcs_gallery msgbox <type> <text> [title]   one message box; prints "RESULT <code>"
//   ylcs_gallery login               the login background, a window with per-pixel alpha
//   ylcs_gallery previews            the later windows' skins: new-tab prompt, notice, progress
//
// Windows are placed at fixed spots over a plain backdrop (so see-through pixels are known) and
// the program prints what a test needs on stdout, one line each:
//   READY <name> <x> <y> <w> <h>        a window is shown at that screen rectangle
//   COMMAND <id> <code>                  a command reached the widget window
//   WRAP <lines> <height>                the wrapped label's lines and its needed height

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
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

// The new-tab prompt's skin: a fixed-size picture with its caption band, two push buttons and a
// question of three lines.
const DialogTemplate kPromptTemplate{
    161,
    0,
    0,
    189,
    92,
    WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
    WS_EX_TOOLWINDOW,
    8,
    "",
    {{1, ControlKind::Button, "是", 95, 71, 42, 14},
     {2, ControlKind::Button, "否", 141, 71, 42, 14},
     {1023, ControlKind::Static,
      "在当前窗口新增标签页？\r\n点击\"是\"，在当前窗口登录(支持3个标签页)；\r\n点击\"否\"，"
      "在新窗口中登录。",
      14, 31, 160, 30}}};

class CPromptPreview : public CDlgEx {
 public:
  CPromptPreview() : CDlgEx(kPromptTemplate, nullptr) {}

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    dx.Control(1023, question_);
    dx.Control(1, yes_);
    dx.Control(2, no_);
  }
  bool OnInitDialog() override {
    CDlgEx::OnInitDialog();
    SetTitle("登录其他账号");
    m_nCaptionHeight = 30;
    SetSkin({}, LoadSkinImage(162), true, false);
    strip_ = LoadSkinImage(133);
    yes_.SetImage(strip_, true);
    no_.SetImage(strip_, true);
    question_.m_nLineSpacing = 5;
    SetWindowPosition(620, 40);
    return true;
  }

 private:
  SkinImage strip_;
  CStaticEx question_;
  CBtnEx yes_, no_;
};

// The notice pop-up's text-only skin.
const DialogTemplate kNoticeTemplate{160,
                                     0,
                                     0,
                                     167,
                                     111,
                                     WS_POPUP | DS_SETFONT | DS_FIXEDSYS,
                                     WS_EX_TOOLWINDOW,
                                     9,
                                     "",
                                     {{1020, ControlKind::Static, "Title", 0, 0, 10, 10},
                                      {1021, ControlKind::Static, "Content", 0, 0, 10, 10},
                                      {1022, ControlKind::Static, "详细>>", 0, 0, 10, 10}}};

class CNoticePreview : public CDlgEx {
 public:
  CNoticePreview() : CDlgEx(kNoticeTemplate, nullptr) {}

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    dx.Control(1020, title_);
    dx.Control(1021, text_);
    dx.Control(1022, link_);
  }
  bool OnInitDialog() override {
    CDlgEx::OnInitDialog();
    m_nCaptionHeight = 0;
    m_nBorder = 3;
    m_nBtnRightMargin = 3;
    m_nBtnTop = 3;
    m_bShowTitle = false;
    close_ = LoadSkinImage(144);
    SetSkin(close_, LoadSkinImage(147), true, false);
    const int w = GetClientRect().width();
    title_.MoveWindow({0, 45, w, 60});
    title_.m_strText = "新服“云岭之巅”今日开启";
    title_.m_clrText = {19, 43, 67};
    title_.m_nFontWeight = 700;
    title_.ModifyStyle(0, SS_NOTIFY | SS_CENTER);
    text_.MoveWindow({18, 65, w - 16, 78});
    text_.m_strText = "新服开启当天登录即送坐骑礼包，更有冲级活动等你来参加，详情请查看官网公告...";
    text_.m_clrText = {30, 39, 46};
    text_.m_bLink = true;
    text_.ModifyStyle(0, SS_NOTIFY);
    link_.MoveWindow({195, 145, 195 + 42, 145 + 13});
    link_.m_clrText = {30, 39, 46};
    link_.m_clrHover = {22, 122, 235};
    link_.m_bHoverColor = true;
    link_.m_bLink = true;
    link_.ModifyStyle(0, SS_NOTIFY);
    SetWindowPosition(620, 230);
    return true;
  }

 private:
  SkinImage close_;
  CStaticEx title_, text_, link_;
};

// The update progress dialog's skin: the message box background with a progress bar.
const DialogTemplate kProgressTemplate{156, 0,
                                       0,   281,
                                       71,  WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
                                       0,   8,
                                       "",  {{1000, ControlKind::Progress, "", 11, 36, 258, 12}}};

class CProgressPreview : public CDlgEx {
 public:
  CProgressPreview() : CDlgEx(kProgressTemplate, nullptr) {}

 protected:
  void DoDataExchange(CDataExchange& dx) override { dx.Control(1000, progress_); }
  bool OnInitDialog() override {
    CDlgEx::OnInitDialog();
    m_nCaptionHeight = 30;
    m_nBorder = 4;
    m_nBtnRightMargin = 0;
    m_nBtnTop = 0;
    SetTitle("版本更新中...");
    SetSkin(LoadSkinImage(132), LoadSkinImage(131), false, true);
    progress_.SetImages(LoadSkinImage(152), LoadSkinImage(153));
    progress_.SetPos(62);
    SetWindowPosition(100, 480);
    return true;
  }

 private:
  CImgProgress progress_;
};

int RunPreviews() {
  ShowBackdrop();
  CPromptPreview prompt;
  CNoticePreview notice;
  CProgressPreview progress;
  for (CDialog* d : std::initializer_list<CDialog*>{&prompt, &notice, &progress}) {
    if (!d->Create()) return 1;
    d->ShowWindow(true);
  }
  AnnounceWhenDrawn(progress, "previews");
  gtk_main();
  return 0;
}

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
  if (mode == "previews") return ylcs::RunPreviews();
  return ylcs::RunWidgets();
}
