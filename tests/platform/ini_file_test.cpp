#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/ini_file.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using testing::ReadWholeFile;
using testing::TempHome;
using testing::WriteWholeFile;

TEST(IniFile, MissingFileSectionOrKeyGivesTheDefault) {
  TempHome home;
  const std::string file = home.path() + "/Statistic.ini";
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "0");
  WriteWholeFile(file, "[Other]\nGame=5\n");
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "0");
  WriteWholeFile(file, "[ylcskelvo]\ngame=5\n");
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "5");  // names ignore case
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Inst", "0", 32), "0");
  EXPECT_FALSE(FindIniValue(file, "YlcsKelvo", "Inst").has_value());
}

TEST(IniFile, WritesKeepOtherValuesAndReadsAreCutToTheBuffer) {
  TempHome home;
  const std::string file = home.path() + "/Statistic.ini";
  ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "Game", "3"));
  ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "ShortKey", "0,121"));
  ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "Game", "4"));
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "4");
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "ShortKey", "", 32), "0,121");
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "ShortKey", "", 4), "0,1");
  EXPECT_EQ(ReadWholeFile(file), "[YlcsKelvo]\nGame=4\nShortKey=0,121\n");
}

TEST(IniFile, AnyTextReadsBackAsWrittenOrIsRefused) {
  TempHome home;
  const std::string file = home.path() + "/Statistic.ini";
  ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "Game", "7"));
  const char* faithful[] = {
      "a notice\n[YlcsKelvo]\nGame=999",  // a line break that would inject a key
      "  surrounding blanks  ",          "x=y;z # not a comment", "系统公告：今晚维护\n第二行", "",
  };
  for (const char* text : faithful) {
    ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "PopInfo", text)) << text;
    EXPECT_EQ(FindIniValue(file, "YlcsKelvo", "PopInfo").value_or("<missing>"), text);
    EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "7");
  }
  const std::string before = ReadWholeFile(file);
  const std::string refused[] = {
      "line\nEND_OF_TEXT\nGame=999",  // would end the multi-line value early
      "first\r\nsecond",              // multi-line values are read back with plain line feeds
      std::string("nul\0byte", 8),
      "\xff\xfe not UTF-8",
  };
  for (const std::string& text : refused) EXPECT_FALSE(WriteIniValue(file, "YlcsKelvo", "PopInfo", text));
  EXPECT_EQ(ReadWholeFile(file), before);
}

TEST(IniFile, FailedWriteLeavesTheOldFileWhole) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  TempHome home;
  const std::string dir = home.path() + "/locked";
  ASSERT_EQ(g_mkdir(dir.c_str(), 0755), 0);
  const std::string file = dir + "/Statistic.ini";
  ASSERT_TRUE(WriteIniValue(file, "YlcsKelvo", "Game", "1"));
  chmod(dir.c_str(), 0555);
  EXPECT_FALSE(WriteIniValue(file, "YlcsKelvo", "Game", "2"));
  chmod(dir.c_str(), 0755);
  EXPECT_EQ(ReadWholeFile(file), "[YlcsKelvo]\nGame=1\n");
}

TEST(IniFile, UnreadableFileIsNeverOverwritten) {
  TempHome home;
  // A folder where the file should be: it exists but cannot be read as a file.
  const std::string file = home.path() + "/Statistic.ini";
  ASSERT_EQ(g_mkdir(file.c_str(), 0755), 0);
  EXPECT_FALSE(IsIniFileUsable(file));
  EXPECT_EQ(ReadIniValue(file, "YlcsKelvo", "Game", "0", 32), "0");
  EXPECT_FALSE(WriteIniValue(file, "YlcsKelvo", "Game", "1"));
}

}  // namespace
}  // namespace ylcs
