#pragma once
// Looking into a web view of this process from a test: run a script and read its answer, find an
// element's box in the page.

#include <webkit2/webkit2.h>

#include <cstdio>
#include <string>
#include <vector>

#include "desktop_driver.h"

namespace ylcs::testing {

// Runs `script` in the page and returns its value as text ("" when it gave none).
inline std::string EvaluateScript(WebKitWebView* view, const std::string& script) {
  struct Out {
    std::string text;
    bool done = false;
  } out;
  webkit_web_view_evaluate_javascript(
      view, script.c_str(), -1, nullptr, nullptr, nullptr,
      +[](GObject* source, GAsyncResult* result, gpointer data) {
        auto* o = static_cast<Out*>(data);
        JSCValue* value =
            webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, nullptr);
        if (value) {
          gchar* text = jsc_value_to_string(value);
          o->text = text;
          g_free(text);
          g_object_unref(value);
        }
        o->done = true;
      },
      &out);
  EXPECT_TRUE(WaitFor([&] { return out.done; }));
  return out.text;
}

// The box of the element with this id, in page coordinates: left, top, width, height.
inline std::vector<double> ElementBox(WebKitWebView* view, const std::string& id) {
  const std::string answer = EvaluateScript(
      view, "(function(){const r=document.getElementById('" + id +
                "').getBoundingClientRect();return [r.left,r.top,r.width,r.height].join(',');})()");
  std::vector<double> box(4, 0.0);
  std::sscanf(answer.c_str(), "%lf,%lf,%lf,%lf", &box[0], &box[1], &box[2], &box[3]);
  return box;
}

}  // namespace ylcs::testing
