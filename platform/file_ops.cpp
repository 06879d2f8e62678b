#include "platform/file_ops.h"

#include <fcntl.h>
#include <gio/gio.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/handles.h"

namespace ylcs {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool CopyContents(int from, int to) {
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const ssize_t n = read(from, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(n))) return false;
  }
}

}  // namespace

bool CopyFileReplacing(const std::string& from, const std::string& to, unsigned mode) {
  Fd source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (source.get() < 0) return false;
  std::string temp = to + ".XXXXXX";
  Fd target(g_mkstemp_full(temp.data(), O_WRONLY | O_CLOEXEC, 0600));
  if (target.get() < 0) return false;
  const bool written = CopyContents(source.get(), target.get()) &&
                       fchmod(target.get(), static_cast<mode_t>(mode)) == 0 && fsync(target.get()) == 0;
  if (!target.Close() || !written || rename(temp.c_str(), to.c_str()) != 0) {
    g_unlink(temp.c_str());
    return false;
  }
  return true;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

bool OpenWithDefaultHandler(const std::string& url) {
  GError* error = nullptr;
  const gboolean ok = g_app_info_launch_default_for_uri(url.c_str(), nullptr, &error);
  GErrorPtr owned(error);
  return ok != FALSE;
}

}  // namespace ylcs
