#pragma once
// Owning handles for X11 resources: displays and memory returned by Xlib.

#include <X11/Xlib.h>

#include <memory>

namespace ylcs {

struct XDisplayCloser {
  void operator()(Display* d) const {
    if (d) XCloseDisplay(d);
  }
};
using XDisplayPtr = std::unique_ptr<Display, XDisplayCloser>;

struct XFreeDeleter {
  void operator()(void* p) const {
    if (p) XFree(p);
  }
};
template <typename T>
using XMemoryPtr = std::unique_ptr<T, XFreeDeleter>;

}  // namespace ylcs
