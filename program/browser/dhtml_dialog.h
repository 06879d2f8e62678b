#pragma once
// CDHtmDlgEx: a window of the program that shows one of its web pages, drawn to look like a native
// window: no border, no context menu, no error page; picture buttons of class "button" light up
// and press like native buttons, and presses on the page's bare background drag the window. The
// page talks back with "app:" commands, which reach OnBeforeNavigate.

#include <memory>
#include <string>

#include "platform/web_view.h"
#include "program/ui/dialog.h"

namespace ylcs {

class CDHtmDlgEx : public CDialog {
 public:
  CDHtmDlgEx(DialogTemplate dialog_template, CWnd* parent, WebViewOptions options);
  ~CDHtmDlgEx() override;

  void Navigate(const std::string& url);
  WebView* web() const { return web_.get(); }

 protected:
  // Creates the web view over the whole client area.
  bool OnInitDialog() override;
  // Enter never ends an HTML window.
  void OnOK() override {}
  void OnSize(int width, int height) override;
  // The page's forms take Enter.
  bool PassesEnterToFocus() const override { return true; }

  // The host's rule: "app:" cancelled, "javascript" allowed. A derived window acts on its commands.
  virtual NavigationVerdict OnBeforeNavigate(const std::string& url);
  virtual void OnNavigateComplete(const std::string& uri);
  // A press on the page's background at (x, y) of the page: drags this window.
  virtual void OnDragRequest(double x, double y);

 private:
  WebViewOptions options_;
  std::unique_ptr<WebView> web_;
};

}  // namespace ylcs
