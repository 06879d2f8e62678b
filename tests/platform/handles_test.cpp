#include "platform/handles.h"

#include <gtest/gtest.h>

namespace ylcs {
namespace {

struct Finalized {
  static void Note(gpointer data, GObject*) { *static_cast<bool*>(data) = true; }
};

TEST(Handles, GObjectPtrOwnsExactlyItsReferences) {
  bool finalized = false;
  auto* object = static_cast<GObject*>(g_object_new(G_TYPE_OBJECT, nullptr));
  g_object_weak_ref(object, Finalized::Note, &finalized);
  {
    auto owner = GObjectPtr<GObject>::Adopt(object);
    {
      auto second = GObjectPtr<GObject>::Ref(object);
      EXPECT_EQ(object->ref_count, 2u);
    }
    EXPECT_FALSE(finalized);
    auto moved = std::move(owner);
    EXPECT_EQ(moved.get(), object);
  }
  EXPECT_TRUE(finalized);
}

TEST(Handles, SourceIdRemovesItsSourceWithTheOwner) {
  int fired = 0;
  auto count = +[](gpointer data) -> gboolean {
    ++*static_cast<int*>(data);
    return G_SOURCE_CONTINUE;
  };
  {
    GSourceId timer(g_idle_add(count, &fired));
    g_main_context_iteration(nullptr, FALSE);
    EXPECT_EQ(fired, 1);
    GSourceId moved(std::move(timer));
    EXPECT_FALSE(timer);
  }
  // Gone with its owner: a later iteration has nothing to run.
  EXPECT_FALSE(g_main_context_iteration(nullptr, FALSE));
  EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace ylcs
