#pragma once
// CImgProgress: the progress bar of the download dialogs, painted from two skin images with
// rounded ends, a background and a bar. The filled part is cut from both ends of the bar image,
// so the rounded caps stay intact at every length. It keeps the range and position of a progress
// control; a worker thread drives it by posting PBM_SETPOS (CWnd::PostMessage is thread-safe).

#include <string>

#include "platform/skin_image.h"
#include "program/ui/wnd.h"
#include "rules/ui/widget_geometry.h"

namespace ylcs {

class CImgProgress : public CWnd {
 public:
  CImgProgress() = default;
  ~CImgProgress() override;

  bool Create(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent, int id) {
    return CreateControl(text, style, rect, parent, id);
  }
  bool CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                     int id) override;

  // The background and the bar; the control takes them and takes the background's size.
  bool SetImages(SkinImage background, SkinImage bar);
  void SetRange(int lower, int upper);
  int SetPos(int pos);  // returns the previous position
  int GetPos() const { return pos_; }
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  // What the next paint fills.
  ProgressFill CurrentFill() const;

  std::intptr_t WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;

  SkinImage m_hBackground;
  SkinImage m_hBar;
  Rect m_rcCtrl;
  Rect m_rcBar;
  bool m_bShowPercent = false;
  Rgb m_clrPercent{255, 255, 255};

 protected:
  void OnPaint(cairo_t* cr) override;

 private:
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
};

}  // namespace ylcs
