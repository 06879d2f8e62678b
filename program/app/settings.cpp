#include "program/app/settings.h"

#include <glib.h>

#include "platform/folders.h"
#include "platform/ini_file.h"
#include "platform/registry_store.h"
#include "rules/app/update_days.h"

namespace ylcs {

namespace {

HotKey ReadHotKey(std::string_view key, std::string_view default_value) {
  return ParseHotKeyValue(ReadIniValue(ProgramFolderSettingsFile(), kSettingsSection, key, default_value,
                                       kNumberValueBufferChars));
}

SystemTime NowUtc() { return SystemTimeFromUnixMillis(g_get_real_time() / 1000); }

}  // namespace

std::string DataFolderSettingsFile() { return InstallFolder() + "/" + std::string(kSettingsFileName); }

std::string ProgramFolderSettingsFile() { return ProgramFolder() + std::string(kSettingsFileName); }

std::uint32_t IncrementCounter(Counter counter) {
  const std::string file = DataFolderSettingsFile();
  const std::string_view key = CounterKey(counter);
  const std::uint32_t next =
      NextCounterValue(ReadIniValue(file, kSettingsSection, key, "0", kNumberValueBufferChars));
  MakeFolders(InstallFolder());
  WriteIniValue(file, kSettingsSection, key, FormatCounter(next));
  return next;
}

HotKey ReadBossKey() { return ReadHotKey(kBossKey, kBossKeyDefault); }
HotKey ReadWindowSwitchKey() { return ReadHotKey(kWindowSwitchKey, kWindowSwitchKeyDefault); }
HotKey ReadSoundKey() { return ReadHotKey(kSoundKey, kSoundKeyDefault); }

bool WriteHotKey(std::string_view key, HotKey value) {
  return WriteIniValue(ProgramFolderSettingsFile(), kSettingsSection, key, FormatHotKeyValue(value));
}

bool IsUpdateCheckDueNow() {
  const bool readable = CanOpenRegistryKey(Hive::LocalMachine);
  return IsUpdateCheckDue(
      readable,
      readable ? ReadRegistryBinary(Hive::LocalMachine, kRegistryKeyPath, kUpdTimeValue) : std::nullopt,
      readable ? ReadRegistryBinary(Hive::LocalMachine, kRegistryKeyPath, kDisableDaysValue) : std::nullopt,
      NowUtc());
}

bool RecordUpdateDate() {
  const auto bytes = EncodeSystemTime(NowUtc());
  return WriteRegistryBinary(Hive::LocalMachine, kRegistryKeyPath, kUpdTimeValue, bytes);
}

bool WriteDisableDays() {
  // The installing thread's first two calls of the run-time generator: a fresh one per draw.
  MsvcRand rand;
  const auto bytes = EncodeDisableDays(DrawDisableDays(NowUtc().milliseconds, rand));
  return WriteRegistryBinary(Hive::LocalMachine, kRegistryKeyPath, kDisableDaysValue, bytes);
}

}  // namespace ylcs
