#include "vcl/IniFiles.h"

#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

using namespace vcl;
using testing_support::TScratchFolder;

TEST(TIniFile, ReadsWhatWasWrittenAndDefaultsForWhatIsMissing) {
  TScratchFolder Folder;
  TIniFile Ini(Folder.Path() + "settings.ini");
  EXPECT_EQ(Ini.ReadString("DontAgain", "1715", "none"), "none") << "no file yet";
  Ini.WriteString("DontAgain", "1715", "2");
  Ini.WriteString("DontAgain", "s1715", "Cannot create temp path");
  EXPECT_EQ(Ini.ReadString("DontAgain", "1715", "none"), "2");
  EXPECT_EQ(Ini.ReadString("dontagain", "S1715", "none"), "Cannot create temp path");
  EXPECT_EQ(Ini.ReadString("DontAgain", "1716", "none"), "none");
  EXPECT_EQ(Ini.ReadString("Other", "1715", ""), "");
}

TEST(TIniFile, CutsValuesAndDefaultsAt2047Characters) {
  TScratchFolder Folder;
  TIniFile Ini(Folder.Path() + "long.ini");
  const std::string Limit(2047, 'a'), Over(3000, 'b');
  Ini.WriteString("S", "limit", Limit);
  Ini.WriteString("S", "over", Over);
  EXPECT_EQ(Ini.ReadString("S", "limit", ""), Limit);
  EXPECT_EQ(Ini.ReadString("S", "over", ""), Over.substr(0, 2047));
  EXPECT_EQ(Ini.ReadString("S", "missing", Over), Over.substr(0, 2047));
}

TEST(TIniFile, ReportsAWriteThatIsRefused) {
  TScratchFolder Folder;
  const std::string Name = Folder.Path() + "no such folder\\settings.ini";
  try {
    TIniFile(Name).WriteString("S", "N", "V");
    FAIL() << "no error";
  } catch (const EIniFileException& E) {
    EXPECT_EQ(E.Message, "Unable to write to " + Name);
  }
}
