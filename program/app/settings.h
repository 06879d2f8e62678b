#pragma once
// The program's persistent values: the settings file "Statistic.ini" (counters in the data-folder
// copy, hotkeys and notice values in the program-folder copy) and the registry key with the update
// date and the weekdays without an automatic update check. Nothing is cached: every call reads or
// writes the store at that moment.

#include <cstdint>
#include <string>

#include "rules/app/settings_values.h"

namespace ylcs {

// Install folder + "/Statistic.ini": the four usage counters.
std::string DataFolderSettingsFile();
// Program folder + "Statistic.ini": hotkeys and notice values.
std::string ProgramFolderSettingsFile();

// Reads the counter (default "0"), writes and returns the old value + 1.
std::uint32_t IncrementCounter(Counter counter);

HotKey ReadBossKey();
HotKey ReadWindowSwitchKey();
HotKey ReadSoundKey();
bool WriteHotKey(std::string_view key, HotKey value);

// Whether the daily update check may run now (UTC).
bool IsUpdateCheckDueNow();
// Stores the current UTC time as the last successful update.
bool RecordUpdateDate();
// Draws and stores the weekdays without an automatic update check (at installation).
bool WriteDisableDays();

}  // namespace ylcs
