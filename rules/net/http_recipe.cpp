#include "rules/net/http_recipe.h"

#include <algorithm>
#include <utility>

namespace ylcs {

std::vector<std::string> ExtraHeaderLines() {
  std::vector<std::string> lines;
  std::string_view rest = kHttpExtraHeaders;
  while (!rest.empty()) {
    const std::size_t end = rest.find("\r\n");
    lines.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 2);
  }
  return lines;
}

int TransferPercent(std::uint64_t received, std::uint64_t length) {
  if (length == 0 || received >= length) return 100;
  // 64-bit arithmetic: received * 100 does not overflow for any real body.
  return static_cast<int>(received * 100 / length);
}

std::optional<int> PercentChanges::After(std::uint64_t received) {
  const int percent = TransferPercent(received, length_);
  if (last_ == percent) return std::nullopt;
  last_ = percent;
  return percent;
}

ChunkCutter::ChunkCutter(std::size_t chunk_size, Sink sink)
    : chunk_size_(std::max<std::size_t>(chunk_size, 1)), sink_(std::move(sink)) {}

bool ChunkCutter::Add(std::string_view data) {
  while (!data.empty()) {
    if (pending_.empty() && data.size() >= chunk_size_) {
      if (!sink_(data.substr(0, chunk_size_))) return false;
      data.remove_prefix(chunk_size_);
      continue;
    }
    const std::size_t take = std::min(chunk_size_ - pending_.size(), data.size());
    pending_.append(data.substr(0, take));
    data.remove_prefix(take);
    if (pending_.size() == chunk_size_) {
      if (!sink_(pending_)) return false;
      pending_.clear();
    }
  }
  return true;
}

bool ChunkCutter::Finish() {
  if (pending_.empty()) return true;
  const bool written = sink_(pending_);
  pending_.clear();
  return written;
}

}  // namespace ylcs
