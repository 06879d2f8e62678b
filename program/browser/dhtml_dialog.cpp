#include "program/browser/dhtml_dialog.h"

#include "platform/keys.h"

namespace ylcs {

CDHtmDlgEx::CDHtmDlgEx(DialogTemplate dialog_template, CWnd* parent, WebViewOptions options)
    : CDialog(std::move(dialog_template), parent), options_(options) {}

CDHtmDlgEx::~CDHtmDlgEx() {
  // The view's callbacks point at this window: it goes first.
  web_.reset();
}

bool CDHtmDlgEx::OnInitDialog() {
  CDialog::OnInitDialog();
  WebViewCallbacks callbacks;
  callbacks.navigation_rule = [this](const std::string& url) { return OnBeforeNavigate(url); };
  callbacks.on_load_finished = [this](const std::string& uri) { OnNavigateComplete(uri); };
  callbacks.on_drag = [this](double x, double y) { OnDragRequest(x, y); };
  web_ = std::make_unique<WebView>(options_, std::move(callbacks));
  AddChildWidget(web_->widget(), GetClientRect());
  gtk_widget_show(web_->widget());
  // Keys typed into the window go to the page.
  gtk_widget_set_can_focus(web_->widget(), TRUE);
  gtk_widget_grab_focus(web_->widget());
  return true;
}

void CDHtmDlgEx::Navigate(const std::string& url) {
  if (web_) web_->Load(url);
}

void CDHtmDlgEx::OnSize(int width, int height) {
  CDialog::OnSize(width, height);
  if (web_) MoveChildWidget(web_->widget(), {0, 0, width, height});
}

NavigationVerdict CDHtmDlgEx::OnBeforeNavigate(const std::string& url) { return HostNavigationRule(url); }

void CDHtmDlgEx::OnNavigateComplete(const std::string&) {}

void CDHtmDlgEx::OnDragRequest(double x, double y) {
  // The page reports the press a moment later: a click already over must not start a drag.
  if (!IsLeftButtonDown()) return;
  BeginDragFor(HitCode::Caption, {static_cast<int>(x), static_cast<int>(y)});
}

}  // namespace ylcs
