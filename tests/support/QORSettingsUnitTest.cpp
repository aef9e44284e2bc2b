#include "support/QORSettingNames.h"
#include "support/QORSettingsUnit.h"

#include "tests/common/Fixtures.h"
#include "tests/common/RegistryFixture.h"

#include "vcl/IniFiles.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const char* const TestKey = "Software\\RurerididuTest\\Settings";
const std::string BasePath = std::string(TestKey) + "\\";

// A store over an INI file of the test's own and a key of the test's own
// under HKEY_CURRENT_USER.
class SettingsTest : public ::testing::Test {
protected:
  void SetUp() override { DeleteKey(HKEY_CURRENT_USER, TestKey); }
  void TearDown() override {
    TQORSettings::Done();
    DeleteKey(HKEY_CURRENT_USER, TestKey);
  }

  TQORSettings& Store(bool UseIniFile, bool CacheEnabled) {
    TQORSettings::Init(IniFile(), HKEY_CURRENT_USER, BasePath, UseIniFile, CacheEnabled);
    return TQORSettings::GetInstance();
  }
  std::string IniFile() const { return Folder.Path() + "settings.ini"; }
  void SetIni(const std::string& Section, const std::string& Name, const std::string& Value) {
    vcl::TIniFile(IniFile()).WriteString(Section, Name, Value);
  }
  void SetReg(const std::string& Section, const std::string& Name, const TRawValue& Value) {
    SetValue(HKEY_CURRENT_USER, BasePath + Section, Name, Value, 0);
  }
  // The registry value as stored, or "" when it is missing.
  std::string RegText(const std::string& Section, const std::string& Name) {
    char Buffer[256] = {};
    DWORD Size = sizeof(Buffer);
    if (::RegGetValueA(HKEY_CURRENT_USER, (BasePath + Section).c_str(), Name.c_str(), RRF_RT_REG_SZ,
                       nullptr, Buffer, &Size) != ERROR_SUCCESS)
      return "";
    return Buffer;
  }

  TScratchFolder Folder;
};

}  // namespace

TEST(EscapeSettingName, DoublesHashesThenReplacesBackslashes) {
  struct Case {
    const char* Name;
    const char* Escaped;
  };
  const Case Cases[] = {
      {"a#b\\c", "a##b#0c"}, {"##", "####"}, {"\\\\", "#0#0"}, {"#0", "##0"},
      {"plain", "plain"},    {"", ""},       {"\\#\\", "#0###0"},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(EscapeSettingName(C.Name, true), C.Escaped) << C.Name;
    EXPECT_EQ(EscapeSettingName(C.Name, false), C.Name) << C.Name;
  }
}

TEST_F(SettingsTest, GetInstanceBeforeInitRaises) {
  TQORSettings::Done();
  try {
    TQORSettings::GetInstance();
    FAIL() << "no error";
  } catch (const EQORSettingsException& E) {
    EXPECT_EQ(E.Message, "TQORSettings.GetInstance called before TQORSettings.Init");
  }
}

TEST_F(SettingsTest, IniModeReadsIntegersByTheConversionRule) {
  TQORSettings& S = Store(true, true);
  struct Case {
    const char* Text;
    int Expected;
  };
  const Case Cases[] = {
      {"0x1A", 26}, {"0X1a", 26}, {"$1a", 26},       {"x1A", 26},  {"-12", -12},
      {"0x", -99},  {"12abc", -99}, {"$FFFFFFFF", -1}, {"", -99},    {"2147483648", -99},
      {"-2147483648", -2147483647 - 1}, {"$", -99},    {"+", -99},   {"0x80000000", -2147483647 - 1},
  };
  int I = 0;
  for (const Case& C : Cases) {
    const std::string Name = vcl::Format("n%d", {I++});
    SetIni("Numbers", Name, C.Text);
    EXPECT_EQ(S.ReadInteger("Numbers", Name, -99, false), C.Expected) << '"' << C.Text << '"';
  }
  EXPECT_EQ(S.ReadInteger("Numbers", "missing", 7, false), 7);
  EXPECT_EQ(S.ReadInteger("No section", "n0", 7, false), 7);
}

TEST_F(SettingsTest, IniModeUsesTheFileAloneAndReportsRefusedWrites) {
  TQORSettings& S = Store(true, true);
  SetReg("Main", "Name", Sz("from the registry"));
  EXPECT_EQ(S.ReadString("Main", "Name", "default", true), "default");
  S.WriteString("Main", "Name", "written", true);
  S.WriteInteger("Main", "Count", -42, true);
  EXPECT_EQ(vcl::TIniFile(IniFile()).ReadString("Main", "Name", ""), "written");
  EXPECT_EQ(vcl::TIniFile(IniFile()).ReadString("Main", "Count", ""), "-42");
  EXPECT_EQ(S.ReadInteger("Main", "Count", 0, false), -42);
  EXPECT_EQ(RegText("Main", "Name"), "from the registry") << "the registry is not written";
  SetIni("Main", "Blank", "   ");
  EXPECT_EQ(S.ReadString("Main", "Blank", "default", false), "default");
  const std::string Long(2047, 'L');
  SetIni("Main", "Long", Long + "beyond");
  EXPECT_EQ(S.ReadString("Main", "Long", "", false), Long);

  TQORSettings::Init(Folder.Path() + "missing\\settings.ini", HKEY_CURRENT_USER, BasePath, true, true);
  try {
    TQORSettings::GetInstance().WriteString("Main", "Name", "x", false);
    FAIL() << "no error";
  } catch (const vcl::Exception& E) {
    EXPECT_EQ(E.Message, "Unable to write to " + Folder.Path() + "missing\\settings.ini");
  }
}

TEST_F(SettingsTest, RegistryModeLetsTheRegistryOverrideTheIniFile) {
  TQORSettings& S = Store(false, false);
  SetIni("Main", "Both", "ini");
  SetReg("Main", "Both", Sz("registry"));
  SetIni("Main", "IniOnly", "ini");
  SetReg("Main", "Padded", Sz("  padded  "));
  SetReg("Main", "Spaces", Sz("   "));
  SetReg("Main", "Empty", Sz(""));
  SetIni("Main", "Number", "12");
  SetReg("Main", "Number", Dword(34));
  SetIni("Main", "TextForNumber", "56");
  SetReg("Main", "TextForNumber", Sz("78"));
  SetIni("Main", "NumberForText", "ini");
  SetReg("Main", "NumberForText", Dword(9));

  EXPECT_EQ(S.ReadString("Main", "Both", "d", false), "registry");
  EXPECT_EQ(S.ReadString("Main", "IniOnly", "d", false), "ini");
  EXPECT_EQ(S.ReadString("Main", "Padded", "d", false), "  padded  ");
  EXPECT_EQ(S.ReadString("Main", "Spaces", "d", false), "d");
  EXPECT_EQ(S.ReadString("Main", "Empty", "d", false), "d");
  EXPECT_EQ(S.ReadString("Main", "Missing", "d", false), "d");
  EXPECT_EQ(S.ReadString("No key", "Both", "d", false), "d");
  EXPECT_EQ(S.ReadInteger("Main", "Number", -1, false), 34);
  EXPECT_EQ(S.ReadInteger("Main", "TextForNumber", -1, false), 56) << "a text value is ignored";
  EXPECT_EQ(S.ReadString("Main", "NumberForText", "d", false), "ini") << "a number value is ignored";
}

TEST_F(SettingsTest, RegistryModeWritesTheRegistryAloneWithNamesEscapedOrNot) {
  TQORSettings& S = Store(false, false);
  S.WriteString("a#b\\c", "x\\y", "escaped", true);
  EXPECT_EQ(RegText("a##b#0c", "x#0y"), "escaped");
  S.WriteString("a#b\\c", "x\\y", "nested", false);
  EXPECT_EQ(RegText("a#b\\c", "x\\y"), "nested") << "a backslash opens nested keys";
  S.WriteInteger("DontAgain", "1715", 2, false);
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", -1, false), 2);
  EXPECT_EQ(S.ReadString("a#b\\c", "x\\y", "d", true), "escaped");
  EXPECT_EQ(vcl::TIniFile(IniFile()).ReadString("DontAgain", "1715", "none"), "none");
}

TEST_F(SettingsTest, RegistryModeWriteToAKeyThatCannotBeCreatedChangesNothing) {
  TQORSettings& S = Store(false, true);
  const std::string TooLong(300, 'k');  // longer than a key name may be
  SetIni(TooLong, "Name", "ini");
  EXPECT_NO_THROW(S.WriteString(TooLong, "Name", "written", false));
  EXPECT_NO_THROW(S.WriteInteger(TooLong, "Number", 5, false));
  EXPECT_EQ(S.ReadString(TooLong, "Name", "d", false), "ini") << "nothing was cached";
  EXPECT_EQ(S.ReadInteger(TooLong, "Number", -1, false), -1);
}

TEST_F(SettingsTest, CacheAnswersRepeatedReadsWithoutLookingAgain) {
  TQORSettings& S = Store(false, true);
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", 5, false), 5);
  SetIni("DontAgain", "1715", "1");
  SetReg("DontAgain", "1715", Dword(3));
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", 7, false), 5) << "the default was cached";
  EXPECT_EQ(S.ReadInteger("dontagain", "1715", 7, true), 5) << "letter case and escaping share an entry";

  SetReg("Main", "Ä", Sz("first"));
  EXPECT_EQ(S.ReadString("Main", "Ä", "d", false), "first");
  SetReg("Main", "Ä", Sz("second"));
  EXPECT_EQ(S.ReadString("MAIN", "ä", "d", false), "first") << "locale-aware upper-casing";

  S.WriteString("Main", "Written", "mine", false);
  SetReg("Main", "Written", Sz("theirs"));
  EXPECT_EQ(S.ReadString("Main", "Written", "d", false), "mine") << "a write updates the cache";
}

TEST_F(SettingsTest, CacheEntryOfOneTypeMissesForTheOther) {
  TQORSettings& S = Store(false, true);
  SetReg("Main", "Mixed", Sz("text"));
  SetIni("Main", "Mixed", "12");
  EXPECT_EQ(S.ReadString("Main", "Mixed", "d", false), "text");
  EXPECT_EQ(S.ReadInteger("Main", "Mixed", -1, false), 12) << "not 0 from the text entry";
  S.WriteInteger("Main", "Written", 8, false);
  SetIni("Main", "Written", "ini");
  EXPECT_EQ(S.ReadString("Main", "Written", "d", false), "ini") << "not the empty text";
  EXPECT_EQ(S.ReadInteger("Main", "Written", -1, false), 8);
}

TEST_F(SettingsTest, WithoutCacheEveryReadLooksAgain) {
  TQORSettings& S = Store(false, false);
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", 5, false), 5);
  SetIni("DontAgain", "1715", "1");
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", 7, false), 1);
  SetReg("DontAgain", "1715", Dword(3));
  EXPECT_EQ(S.ReadInteger("DontAgain", "1715", 7, false), 3);
  S.WriteString("Main", "Written", "mine", false);
  SetReg("Main", "Written", Sz("theirs"));
  EXPECT_EQ(S.ReadString("Main", "Written", "d", false), "theirs");
}

TEST_F(SettingsTest, ReadAppSettingStringReadsUnderTheApplicationKey) {
  const char* const Name = "RurerididuTestAppSetting";
  auto Remove = [Name] { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, Name); };
  Remove();
  ASSERT_TRUE(AppSettingsKey.empty());
  EXPECT_EQ(ReadAppSettingString(Name, "default", false), "default");
  SetValue(HKEY_CURRENT_USER, "", Name, Sz("D:\\Work\\Tmp"), 0);
  EXPECT_EQ(ReadAppSettingString(Name, "default", false), "D:\\Work\\Tmp") << "directly under HKCU";
  SetValue(HKEY_CURRENT_USER, "", Name, Sz(""), 0);
  EXPECT_EQ(ReadAppSettingString(Name, "default", false), "") << "no blank rule";
  SetValue(HKEY_CURRENT_USER, "", Name, Dword(1), 0);
  try {
    ReadAppSettingString(Name, "default", false);
    ADD_FAILURE() << "no error";
  } catch (const vcl::ERegistryException& E) {
    EXPECT_EQ(E.Message, std::string("Invalid data type for '") + Name + "'");
  }
  Remove();

  AppSettingsKey = TestKey;
  SetValue(HKEY_CURRENT_USER, TestKey, "a##b", Sz("escaped"), 0);
  EXPECT_EQ(ReadAppSettingString("a#b", "default", true), "escaped");
  EXPECT_EQ(ReadAppSettingString("a#b", "default", false), "default");
  AppSettingsKey.clear();
}
