#pragma once
// Names of the files the program keeps beside itself and the command lines it starts itself with.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ylcs {

// The crash report lies beside the program under its name with the extension ".dmp": the file
// name's extension is replaced, or ".dmp" appended when it has none. Dots in folder names and
// a leading dot of the file name do not start an extension.
std::string CrashReportPathFor(std::string_view program_path);

// The folder part of a path, with its trailing "/" ("" when there is none).
std::string FolderOf(std::string_view path);
// The file name part of a path.
std::string FileNameOf(std::string_view path);

// Argument vectors (program path first) of the starts the program makes of itself.
std::vector<std::string> NewTabArguments(std::string_view program_path, std::uint32_t owner_window,
                                         int tab_count);
std::vector<std::string> UpdateArguments(std::string_view program_path);
std::vector<std::string> PlainArguments(std::string_view program_path);

}  // namespace ylcs
