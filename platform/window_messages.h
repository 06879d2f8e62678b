#pragma once
// Messages between windows of different processes of the program, addressed by X11 window id.
//
// A post is an X11 ClientMessage carrying message number, wParam, lParam and the sender's pid,
// dispatched on the receiver's UI thread by a GDK event filter. A copy-data request carries a
// text: the sender puts it in a property of a small window of its own, asks the receiver with a
// ClientMessage and waits, on an X connection of its own, for the receiver's yes/no answer, with
// a bound on the wait; a receiver that is gone, or never answers, counts as "no".
// Only windows that run a MessageReceiver are program windows: posts and requests to any other
// window are refused without being sent.

#include <gtk/gtk.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace ylcs {

using WindowId = std::uint32_t;

struct WindowMessage {
  std::uint32_t message = 0;
  std::uint32_t wparam = 0;
  std::int32_t lparam = 0;
  pid_t sender_pid = 0;  // the process that posted it
};

struct CopyDataRequest {
  std::uint32_t data_kind = 0;  // the request's dwData
  std::string text;             // valid UTF-8
  pid_t sender_pid = 0;
};

// Receives the messages addressed to one realized top-level window of this process. The
// handlers run on the UI thread; the receiver must outlive nothing it refers to (it removes its
// filter when destroyed).
class MessageReceiver {
 public:
  using PostHandler = std::function<void(const WindowMessage&)>;
  using CopyDataHandler = std::function<bool(const CopyDataRequest&)>;

  MessageReceiver(GtkWidget* window, PostHandler on_post, CopyDataHandler on_copy_data = {});
  MessageReceiver(const MessageReceiver&) = delete;
  MessageReceiver& operator=(const MessageReceiver&) = delete;
  ~MessageReceiver();

  WindowId id() const { return id_; }

 private:
  static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent* event, gpointer self);
  void AnswerCopyData(std::uint32_t reply_window, std::uint32_t kind, pid_t sender);

  GdkWindow* gdk_window_ = nullptr;
  WindowId id_ = 0;
  PostHandler on_post_;
  CopyDataHandler on_copy_data_;
};

// The X11 window id of a realized GTK widget's window (0 when it has none).
WindowId WindowIdOf(GtkWidget* widget);

// Posts a message; false when the target is no program window or cannot be reached.
bool PostWindowMessage(WindowId target, std::uint32_t message, std::uint32_t wparam, std::int32_t lparam);

// Sends a text and waits for the receiver's answer; false when refused, unanswered within
// `timeout`, or the receiver is gone.
bool SendCopyData(WindowId target, std::uint32_t data_kind, const std::string& text,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Whether the id names an existing window.
bool IsWindow(WindowId id);
// Whether the id names a window of this program (one with a MessageReceiver).
bool IsProgramWindow(WindowId id);
// The process of the program that owns the window, or 0 for no program window.
pid_t ProgramWindowProcess(WindowId id);

// Watches whether a program window of another process still stands. Window ids are handed out
// again once their X client has gone, so the window's process is part of what is watched.
class OwnerWatch {
 public:
  explicit OwnerWatch(WindowId owner) : owner_(owner), process_(ProgramWindowProcess(owner)) {}
  bool IsAlive() const { return process_ != 0 ? ProgramWindowProcess(owner_) == process_ : IsWindow(owner_); }

 private:
  WindowId owner_;
  pid_t process_;
};

}  // namespace ylcs
