#pragma once
// File operations that never leave a half-written file behind.

#include <string>

namespace ylcs {

// Copies `from` over `to` through a temporary file in the target's folder and a rename, so the
// target is either the old file or the whole new one. `mode` is the new file's permission bits.
bool CopyFileReplacing(const std::string& from, const std::string& to, unsigned mode);

// Whether two paths name the same existing file (same device and inode).
bool IsSameFile(const std::string& a, const std::string& b);

// Opens a URL with the user's default handler; false when none could be started.
bool OpenWithDefaultHandler(const std::string& url);

}  // namespace ylcs
