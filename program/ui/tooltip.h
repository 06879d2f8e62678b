#pragma once
// A tooltip: a small popup with a line of text that appears below the pointer after the pointer
// has rested on its tool for the delay, and goes when the pointer leaves or presses. Drawn in the
// program's own look, with its own delay (GTK's tooltips have a fixed one).

#include <gtk/gtk.h>

#include <string>

#include "platform/handles.h"

namespace ylcs {

class CToolTip {
 public:
  explicit CToolTip(unsigned delay_ms = 660) : delay_ms_(delay_ms) {}
  CToolTip(const CToolTip&) = delete;
  CToolTip& operator=(const CToolTip&) = delete;
  ~CToolTip();

  void SetText(const std::string& text);
  const std::string& text() const { return text_; }
  void SetDelay(unsigned delay_ms) { delay_ms_ = delay_ms; }
  // The pointer entered or moved on the tool: (re)starts the delay unless the tip is shown.
  void PointerRests();
  // The pointer left or pressed: hides the tip and stops the delay.
  void Hide();
  bool IsShown() const;

 private:
  void Show();
  static gboolean DrawCb(GtkWidget* widget, cairo_t* cr, gpointer self);

  unsigned delay_ms_;
  std::string text_;
  GtkWidget* popup_ = nullptr;  // owned: destroyed with the tooltip
  GSourceId delay_;
  GSourceId auto_hide_;
};

}  // namespace ylcs
