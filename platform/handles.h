#pragma once
// Owning handles for the C resources the program uses: GObjects, GLib memory and sources,
// cairo surfaces and contexts, curl handles, C file streams. Each is a unique_ptr (or a
// small move-only wrapper) with the library's own release call, so no resource outlives its scope.
// X11 handles are in x11_handles.h, apart, because Xlib's macros (None, Bool, Status) clash with
// much other code.

#include <cairo.h>
#include <curl/curl.h>
#include <glib-object.h>
#include <glib.h>

#include <cstdio>
#include <memory>
#include <utility>

namespace ylcs {

// --- GObject -------------------------------------------------------------------------------

struct GObjectUnref {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};

// Owns one reference. Use Adopt() for a reference you already own (a *_new() result) and
// Ref() to take an additional one.
template <typename T>
class GObjectPtr {
 public:
  GObjectPtr() = default;
  static GObjectPtr Adopt(T* object) { return GObjectPtr(object); }
  static GObjectPtr Ref(T* object) {
    if (object) g_object_ref(object);
    return GObjectPtr(object);
  }
  T* get() const { return ptr_.get(); }
  T* release() { return ptr_.release(); }
  void reset(T* adopted = nullptr) { ptr_.reset(adopted); }
  explicit operator bool() const { return static_cast<bool>(ptr_); }

 private:
  explicit GObjectPtr(T* object) : ptr_(object) {}
  std::unique_ptr<T, GObjectUnref> ptr_;
};

// --- GLib memory and sources ---------------------------------------------------------------

struct GFreeDeleter {
  void operator()(gpointer p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;

struct GStrvDeleter {
  void operator()(gchar** v) const { g_strfreev(v); }
};
using GStrvPtr = std::unique_ptr<gchar*, GStrvDeleter>;

struct GErrorDeleter {
  void operator()(GError* e) const {
    if (e) g_error_free(e);
  }
};
using GErrorPtr = std::unique_ptr<GError, GErrorDeleter>;

struct GMainLoopDeleter {
  void operator()(GMainLoop* l) const {
    if (l) g_main_loop_unref(l);
  }
};
using GMainLoopPtr = std::unique_ptr<GMainLoop, GMainLoopDeleter>;

// A GLib source id attached to the default context (a timer, an fd watch, an idle): removed when
// the owner goes away, so no callback ever runs on a destroyed object.
class GSourceId {
 public:
  GSourceId() = default;
  explicit GSourceId(guint id) : id_(id) {}
  GSourceId(const GSourceId&) = delete;
  GSourceId& operator=(const GSourceId&) = delete;
  GSourceId(GSourceId&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
  GSourceId& operator=(GSourceId&& other) noexcept {
    if (this != &other) {
      reset();
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  ~GSourceId() { reset(); }

  void reset(guint id = 0) {
    if (id_ != 0) g_source_remove(id_);
    id_ = id;
  }
  // Forget the id without removing it: for a callback that returned G_SOURCE_REMOVE itself.
  void forget() { id_ = 0; }
  guint get() const { return id_; }
  explicit operator bool() const { return id_ != 0; }

 private:
  guint id_ = 0;
};

// --- cairo ----------------------------------------------------------------------------------

struct CairoSurfaceDeleter {
  void operator()(cairo_surface_t* s) const {
    if (s) cairo_surface_destroy(s);
  }
};
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;

struct CairoDeleter {
  void operator()(cairo_t* c) const {
    if (c) cairo_destroy(c);
  }
};
using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;

struct CairoRegionDeleter {
  void operator()(cairo_region_t* r) const {
    if (r) cairo_region_destroy(r);
  }
};
using CairoRegionPtr = std::unique_ptr<cairo_region_t, CairoRegionDeleter>;

// --- curl -----------------------------------------------------------------------------------

struct CurlEasyDeleter {
  void operator()(CURL* c) const {
    if (c) curl_easy_cleanup(c);
  }
};
using CurlEasyPtr = std::unique_ptr<CURL, CurlEasyDeleter>;

struct CurlSlistDeleter {
  void operator()(curl_slist* l) const {
    if (l) curl_slist_free_all(l);
  }
};
using CurlSlistPtr = std::unique_ptr<curl_slist, CurlSlistDeleter>;

struct CurlMultiDeleter {
  void operator()(CURLM* m) const {
    if (m) curl_multi_cleanup(m);
  }
};
using CurlMultiPtr = std::unique_ptr<CURLM, CurlMultiDeleter>;

// --- C file streams -------------------------------------------------------------------------

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace ylcs
