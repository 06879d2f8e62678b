#include "rules/app/program_files.h"

namespace ylcs {

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string CrashReportPathFor(std::string_view program_path) {
  const std::string folder = FolderOf(program_path);
  std::string name = FileNameOf(program_path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return folder + name + ".dmp";
}

std::vector<std::string> NewTabArguments(std::string_view program_path, std::uint32_t owner_window,
                                         int tab_count) {
  // The owner travels as a signed decimal, as the child reads it back.
  return {std::string(program_path), "/newgm", "/" + std::to_string(static_cast<std::int32_t>(owner_window)),
          "/" + std::to_string(tab_count)};
}

std::vector<std::string> UpdateArguments(std::string_view program_path) {
  return {std::string(program_path), "/update"};
}

std::vector<std::string> PlainArguments(std::string_view program_path) { return {std::string(program_path)}; }

}  // namespace ylcs
