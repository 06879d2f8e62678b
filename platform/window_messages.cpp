#include "platform/window_messages.h"

#include <X11/Xatom.h>
#include <gdk/gdkx.h>
#include <poll.h>
#include <unistd.h>

#include "platform/x11_handles.h"

namespace ylcs {

namespace {

constexpr const char* kPostAtom = "_YLCS_MESSAGE";
constexpr const char* kCopyDataAtom = "_YLCS_COPYDATA";
constexpr const char* kCopyDataReplyAtom = "_YLCS_COPYDATA_REPLY";
constexpr const char* kCopyDataTextAtom = "_YLCS_COPYDATA_TEXT";
constexpr const char* kReceiverAtom = "_YLCS_RECEIVER";
// Longer texts are refused rather than read in part.
constexpr long kMaxCopyDataBytes = 64L * 1024;

Display* GdkXDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return nullptr;
  return GDK_DISPLAY_XDISPLAY(display);
}

// Runs `call` with X errors trapped on GDK's connection; true when no error occurred.
template <typename Call>
bool WithoutXErrors(Call call) {
  GdkDisplay* display = gdk_display_get_default();
  gdk_x11_display_error_trap_push(display);
  call();
  return gdk_x11_display_error_trap_pop(display) == 0;
}

Atom InternAtom(Display* display, const char* name) { return XInternAtom(display, name, False); }

bool SendClientMessage(WindowId target, const char* type, const long (&data)[5]) {
  Display* display = GdkXDisplay();
  if (display == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = target;
  event.xclient.message_type = InternAtom(display, type);
  event.xclient.format = 32;
  for (int i = 0; i < 5; ++i) event.xclient.data.l[i] = data[i];
  return WithoutXErrors([&] {
    XSendEvent(display, target, False, NoEventMask, &event);
    XSync(display, False);
  });
}

// A ClientMessage's 32-bit items as they were sent (Xlib widens them to long).
std::uint32_t Item(const XClientMessageEvent& event, int index) {
  return static_cast<std::uint32_t>(event.data.l[index] & 0xFFFFFFFF);
}

}  // namespace

WindowId WindowIdOf(GtkWidget* widget) {
  GdkWindow* window = widget ? gtk_widget_get_window(widget) : nullptr;
  if (window == nullptr || !GDK_IS_X11_WINDOW(window)) return 0;
  return static_cast<WindowId>(gdk_x11_window_get_xid(window));
}

bool IsWindow(WindowId id) {
  Display* display = GdkXDisplay();
  if (display == nullptr || id == 0) return false;
  XWindowAttributes attributes{};
  Status status = 0;
  const bool ok = WithoutXErrors([&] { status = XGetWindowAttributes(display, id, &attributes); });
  return ok && status != 0;
}

bool IsProgramWindow(WindowId id) { return ProgramWindowProcess(id) != 0; }

pid_t ProgramWindowProcess(WindowId id) {
  Display* display = GdkXDisplay();
  if (display == nullptr || id == 0) return 0;
  Atom type = 0;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  int status = BadWindow;
  const bool ok = WithoutXErrors([&] {
    status = XGetWindowProperty(display, id, InternAtom(display, kReceiverAtom), 0, 1, False, XA_CARDINAL,
                                &type, &format, &items, &after, &data);
  });
  XMemoryPtr<unsigned char> owned(data);
  if (!ok || status != Success || type != XA_CARDINAL || items != 1 || format != 32 || data == nullptr)
    return 0;
  // Format-32 items come as longs.
  return static_cast<pid_t>(*reinterpret_cast<const unsigned long*>(data));
}

bool PostWindowMessage(WindowId target, std::uint32_t message, std::uint32_t wparam, std::int32_t lparam) {
  if (!IsProgramWindow(target)) return false;
  const long data[5] = {static_cast<long>(message), static_cast<long>(wparam), static_cast<long>(lparam),
                        static_cast<long>(getpid()), 0};
  return SendClientMessage(target, kPostAtom, data);
}

bool SendCopyData(WindowId target, std::uint32_t data_kind, const std::string& text,
                  std::chrono::milliseconds timeout) {
  if (text.size() > static_cast<std::size_t>(kMaxCopyDataBytes) || !IsProgramWindow(target)) return false;
  GdkDisplay* gdk_display = gdk_display_get_default();
  // The answer comes to a window on a connection of our own, so we can wait for it without
  // running GTK's loop.
  XDisplayPtr own(XOpenDisplay(gdk_display_get_name(gdk_display)));
  if (!own) return false;
  Display* x = own.get();
  const Window reply = XCreateSimpleWindow(x, DefaultRootWindow(x), -10, -10, 1, 1, 0, 0, 0);
  XChangeProperty(x, reply, InternAtom(x, kCopyDataTextAtom), InternAtom(x, "UTF8_STRING"), 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(text.data()),
                  static_cast<int>(text.size()));
  const Atom reply_type = InternAtom(x, kCopyDataReplyAtom);
  XSync(x, False);  // the text must be in place before the receiver is asked

  const long request[5] = {static_cast<long>(reply), static_cast<long>(data_kind),
                           static_cast<long>(getpid()), 0, 0};
  if (!SendClientMessage(target, kCopyDataAtom, request)) return false;

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    while (XPending(x) > 0) {
      XEvent event;
      XNextEvent(x, &event);
      if (event.type == ClientMessage && event.xclient.window == reply &&
          event.xclient.message_type == reply_type && event.xclient.format == 32) {
        return Item(event.xclient, 0) == reply && Item(event.xclient, 1) != 0;
      }
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    // A receiver that has gone will never answer.
    if (!IsWindow(target)) return false;
    pollfd fd{ConnectionNumber(x), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::min<long>(left.count(), 50)));
  }
}

MessageReceiver::MessageReceiver(GtkWidget* window, PostHandler on_post, CopyDataHandler on_copy_data)
    : on_post_(std::move(on_post)), on_copy_data_(std::move(on_copy_data)) {
  gtk_widget_realize(window);
  gdk_window_ = GDK_WINDOW(g_object_ref(gtk_widget_get_window(window)));
  id_ = WindowIdOf(window);
  gdk_window_add_filter(gdk_window_, &MessageReceiver::Filter, this);
  // The mark that makes this window a program window for the senders.
  Display* display = GdkXDisplay();
  const unsigned long pid = static_cast<unsigned long>(getpid());
  WithoutXErrors([&] {
    XChangeProperty(display, id_, InternAtom(display, kReceiverAtom), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
  });
}

MessageReceiver::~MessageReceiver() {
  gdk_window_remove_filter(gdk_window_, &MessageReceiver::Filter, this);
  if (!gdk_window_is_destroyed(gdk_window_)) {
    Display* display = GdkXDisplay();
    WithoutXErrors([&] { XDeleteProperty(display, id_, InternAtom(display, kReceiverAtom)); });
  }
  g_object_unref(gdk_window_);
}

GdkFilterReturn MessageReceiver::Filter(GdkXEvent* xevent, GdkEvent*, gpointer data) {
  auto* self = static_cast<MessageReceiver*>(data);
  const auto* event = static_cast<const XEvent*>(xevent);
  if (event->type != ClientMessage || event->xclient.window != self->id_) return GDK_FILTER_CONTINUE;
  const XClientMessageEvent& message = event->xclient;
  Display* display = GdkXDisplay();
  if (message.message_type == InternAtom(display, kPostAtom)) {
    if (message.format == 32 && self->on_post_) {
      self->on_post_(WindowMessage{Item(message, 0), Item(message, 1),
                                   static_cast<std::int32_t>(Item(message, 2)),
                                   static_cast<pid_t>(Item(message, 3))});
    }
    return GDK_FILTER_REMOVE;
  }
  if (message.message_type == InternAtom(display, kCopyDataAtom)) {
    if (message.format == 32) {
      self->AnswerCopyData(Item(message, 0), Item(message, 1), static_cast<pid_t>(Item(message, 2)));
    }
    return GDK_FILTER_REMOVE;
  }
  return GDK_FILTER_CONTINUE;
}

void MessageReceiver::AnswerCopyData(std::uint32_t reply_window, std::uint32_t kind, pid_t sender) {
  Display* display = GdkXDisplay();
  Atom type = 0;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  int status = BadWindow;
  WithoutXErrors([&] {
    status = XGetWindowProperty(display, reply_window, InternAtom(display, kCopyDataTextAtom), 0,
                                kMaxCopyDataBytes / 4, False, AnyPropertyType, &type, &format, &items, &after,
                                &data);
  });
  XMemoryPtr<unsigned char> owned(data);
  bool accepted = false;
  // Only a whole, well-formed UTF-8 text reaches the handler; anything else is answered "no".
  if (status == Success && data != nullptr && type == InternAtom(display, "UTF8_STRING") && format == 8 &&
      after == 0) {
    std::string text(reinterpret_cast<const char*>(data), items);
    if (text.find('\0') == std::string::npos &&
        g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr) && on_copy_data_) {
      accepted = on_copy_data_(CopyDataRequest{kind, std::move(text), sender});
    }
  }
  const long answer[5] = {static_cast<long>(reply_window), accepted ? 1L : 0L, 0, 0, 0};
  SendClientMessage(reply_window, kCopyDataReplyAtom, answer);
}

}  // namespace ylcs
