#pragma once
// The web view of the program's HTML windows (login page, game page, game list page), on
// WebKitGTK. Every view of every process of the program shares one data and cache location, so
// the portal's cookies are shared like a browser's. The view shows no context menu and no error
// page; pages talk to the program through "app:" commands, which reach the owner through the
// navigation rule whether the page used a link, a form or a script navigation.

#include <webkit2/webkit2.h>

#include <functional>
#include <string>

#include "platform/handles.h"
#include "rules/browser/app_commands.h"

namespace ylcs {

struct WebViewOptions {
  // Elements of class "button" act as picture buttons (three-frame background strips).
  bool picture_buttons = false;
  // A left press on the bare background of body, td and div elements asks for a window drag.
  bool window_drag = false;
  // The page never shows scroll bars (a game page fills its tab exactly).
  bool hide_scroll_bars = false;
  // Media may start playing by itself (a game's music and sounds).
  bool autoplay = false;
};

struct WebViewCallbacks {
  // Decides every navigation of every frame, and every "app:" command a link or form issued.
  // Without it, the host's rule applies: "app:" cancelled, "javascript" allowed.
  std::function<NavigationVerdict(const std::string& url)> navigation_rule;
  // A left press asked for a window drag, at this point of the view (CSS pixels).
  std::function<void(double x, double y)> on_drag;
  // A navigation of the main frame completed.
  std::function<void(const std::string& uri)> on_load_finished;
  std::function<void(const std::string& title)> on_title_changed;
};

class WebView {
 public:
  WebView(const WebViewOptions& options, WebViewCallbacks callbacks);
  WebView(const WebView&) = delete;
  WebView& operator=(const WebView&) = delete;
  ~WebView();

  GtkWidget* widget() const { return GTK_WIDGET(view_.get()); }
  WebKitWebView* view() const { return view_.get(); }

  void Load(const std::string& url);
  void Reload();
  void SetMuted(bool muted);
  std::string uri() const;
  std::string title() const;
  // Closes a page's alert or confirmation box that is still open; false when there is none.
  bool DismissScriptDialog();
  // The pixels of the page as it shows now, delivered to `done` (null when none could be taken).
  void Snapshot(std::function<void(cairo_surface_t*)> done);

  // Where the program's web data and cache live (shared by all its processes).
  static std::string DataFolder();
  static std::string CacheFolder();

 private:
  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType, gpointer);
  static void OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult*, gpointer);
  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent, gpointer);
  static void OnTitleChanged(GObject*, GParamSpec*, gpointer);
  static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer);
  static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction*, gpointer);

  NavigationVerdict Decide(const std::string& url) const;

  WebViewCallbacks callbacks_;
  GObjectPtr<GCancellable> cancellable_;  // pending requests of this view
  GObjectPtr<WebKitUserContentManager> content_;
  GObjectPtr<WebKitWebView> view_;
  WebKitScriptDialog* open_dialog_ = nullptr;
};

}  // namespace ylcs
