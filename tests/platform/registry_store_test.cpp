#include <gtest/gtest.h>

#include "platform/registry_store.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr const char* kKey = "Software\\Kelvo\\ViviVador\\YlcsKelvo";

TEST(RegistryStore, TypedValuesRoundTripAndKeysDeleteWithTheirSubkeys) {
  testing::TempHome home;
  EXPECT_TRUE(CanOpenRegistryKey(Hive::LocalMachine));
  EXPECT_FALSE(ReadRegistryBinary(Hive::LocalMachine, kKey, "UpdTime").has_value());

  const Bytes days = {1, 3, 5, 0};
  ASSERT_TRUE(WriteRegistryBinary(Hive::LocalMachine, kKey, "DisableDays", days));
  ASSERT_TRUE(WriteRegistryDword(Hive::LocalMachine, "Software\\Other", "CacheLimit", 0x5000));
  ASSERT_TRUE(WriteRegistryBinary(Hive::LocalMachine, std::string(kKey) + "\\Sub", "X", Bytes{}));
  EXPECT_EQ(ReadRegistryBinary(Hive::LocalMachine, kKey, "DisableDays"), days);
  EXPECT_EQ(ReadRegistryBinary(Hive::LocalMachine, "software\\kelvo\\vivivador\\ylcskelvo", "disabledays"),
            days);
  EXPECT_EQ(ReadRegistryDword(Hive::LocalMachine, "Software\\Other", "CacheLimit"), 0x5000u);
  // A value of the other type reads as missing.
  EXPECT_FALSE(ReadRegistryDword(Hive::LocalMachine, kKey, "DisableDays").has_value());
  EXPECT_FALSE(ReadRegistryBinary(Hive::CurrentUser, kKey, "DisableDays").has_value());

  ASSERT_TRUE(DeleteRegistryKeyTree(Hive::LocalMachine, kKey));
  EXPECT_FALSE(ReadRegistryBinary(Hive::LocalMachine, kKey, "DisableDays").has_value());
  EXPECT_FALSE(ReadRegistryBinary(Hive::LocalMachine, std::string(kKey) + "\\Sub", "X").has_value());
  EXPECT_EQ(ReadRegistryDword(Hive::LocalMachine, "Software\\Other", "CacheLimit"), 0x5000u);
}

TEST(RegistryStore, MalformedBinaryTextReadsAsMissing) {
  EXPECT_EQ(ParseRegistryBinary("hex:01,ff,0A"), (Bytes{1, 255, 10}));
  EXPECT_EQ(ParseRegistryBinary("hex:"), Bytes{});
  for (const char* bad : {"01,02", "hex:1,2", "hex:01;02", "hex:0g", "hex:01,", "dword:00000001"}) {
    EXPECT_FALSE(ParseRegistryBinary(bad).has_value()) << bad;
  }
  EXPECT_EQ(FormatRegistryBinary(Bytes{0, 3, 0xab}), "hex:00,03,ab");
}

}  // namespace
}  // namespace ylcs
