#pragma once
// Browser cache limit and cleanup.

namespace ylcs {

// Limits the size of the browser cache; the result only tells whether the limit was set.
bool SetCacheLimit();

}  // namespace ylcs
