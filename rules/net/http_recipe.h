#pragma once
// The fixed parts of every request the program makes and the checks its answers must pass.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ylcs {

inline constexpr std::string_view kHttpUserAgent = "RUD";
// Sent after the standard headers, exactly so: note the blank before the first CR LF.
inline constexpr std::string_view kHttpExtraHeaders =
    "Accept-Language: zh-cn \r\nContent-Type: application/x-www-form-urlencoded\r\n";

// The header block as single header lines, without their CR LF.
std::vector<std::string> ExtraHeaderLines();

// Only "not found" is refused: every other status, errors included, brings a usable body.
inline bool IsStatusAccepted(long status) { return status != 404; }

// A text answer must be shorter than this.
inline constexpr std::uint64_t kTextBodyLimit = 1024;
// The text is read into a buffer of this many characters.
inline constexpr std::size_t kTextBufferChars = 1024;

// Percentage of the body received so far: 100 for an empty body, never above 100.
int TransferPercent(std::uint64_t received, std::uint64_t length);

// Tells the percentage only when it differs from the last one told, so a window is not flooded
// with the same value after every chunk.
class PercentChanges {
 public:
  explicit PercentChanges(std::uint64_t length) : length_(length) {}
  std::optional<int> After(std::uint64_t received);

 private:
  std::uint64_t length_;
  std::optional<int> last_;
};

// Cuts a body that arrives in pieces of any size into chunks of a fixed size, in order: full
// chunks as soon as they are complete, the rest when the body ends.
class ChunkCutter {
 public:
  using Sink = std::function<bool(std::string_view chunk)>;
  ChunkCutter(std::size_t chunk_size, Sink sink);
  // False as soon as the sink refuses a chunk.
  bool Add(std::string_view data);
  bool Finish();

 private:
  std::size_t chunk_size_;
  Sink sink_;
  std::string pending_;
};

}  // namespace ylcs
