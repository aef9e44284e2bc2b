#include "vcl/Registry.h"

#include "tests/common/RegistryFixture.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vcl;
using namespace testing_support;

namespace {

const char* const TestKey = "Software\\RurerididuTest\\Registry";

class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override { DeleteKey(HKEY_CURRENT_USER, TestKey); CreateKey(HKEY_CURRENT_USER, TestKey); }
  void TearDown() override { DeleteKey(HKEY_CURRENT_USER, TestKey); }
};

// What a read gave: the value, or the message of the registry error.
template <class F>
std::string Outcome(F Read) {
  try {
    return "value:" + Read();
  } catch (const ERegistryException& E) {
    return "error:" + E.Message;
  }
}

}  // namespace

TEST_F(RegistryTest, ReadStringOverEveryTypeAndShape) {
  struct Case {
    const char* Name;
    std::optional<TRawValue> Stored;
    std::string Expected;
  };
  const std::string Long(1 << 20, 'x');
  const Case Cases[] = {
      {"missing", std::nullopt, "value:"},
      {"sz", Sz("C:\\Program Files\\Reader"), "value:C:\\Program Files\\Reader"},
      {"sz-no-nul", SzNoNul("abc"), "value:abc"},
      {"sz-embedded-nul", Sz(std::string("ab\0cd", 5)), "value:ab"},
      {"sz-1mib", Sz(Long), "value:" + Long},
      {"expand-sz", ExpandSz("%ProgramFiles%\\x"), "value:%ProgramFiles%\\x"},
      {"empty-sz", Empty(REG_SZ), "value:"},
      {"empty-dword", Empty(REG_DWORD), "value:"},
      {"empty-binary", Empty(REG_BINARY), "value:"},
      {"dword", Dword(7), "error:Invalid data type for 'dword'"},
      {"qword", Qword(7), "error:Invalid data type for 'qword'"},
      {"multi-sz", MultiSz({"a", "b"}), "error:Invalid data type for 'multi-sz'"},
      {"binary", Binary({'a', 'b', 0}), "error:Invalid data type for 'binary'"},
      {"none", TRawValue{REG_NONE, {'a', 0}}, "error:Invalid data type for 'none'"},
  };
  for (const Case& C : Cases)
    if (C.Stored) SetValue(HKEY_CURRENT_USER, TestKey, C.Name, *C.Stored);

  TRegistry Reg(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reg.OpenKey(TestKey, false));
  for (const Case& C : Cases) {
    EXPECT_EQ(Outcome([&] { return Reg.ReadString(C.Name); }), C.Expected) << C.Name;
    EXPECT_EQ(Reg.ValueExists(C.Name), C.Stored.has_value()) << C.Name;
  }
}

TEST_F(RegistryTest, ReadIntegerOverEveryTypeAndShape) {
  struct Case {
    const char* Name;
    std::optional<TRawValue> Stored;
    std::string Expected;
  };
  const Case Cases[] = {
      {"dword", Dword(379893), "value:379893"},
      {"dword-high-bit", Dword(0x80000000u), "value:-2147483648"},
      {"dword-short", TRawValue{REG_DWORD, {0x01, 0x02}}, "value:513"},
      {"dword-empty", Empty(REG_DWORD), "value:0"},
      {"missing", std::nullopt, "error:Failed to get data for 'missing'"},
      {"qword", Qword(1), "error:Failed to get data for 'qword'"},
      {"dword-long", TRawValue{REG_DWORD, {1, 0, 0, 0, 0}}, "error:Failed to get data for 'dword-long'"},
      {"sz-long", Sz("379893"), "error:Failed to get data for 'sz-long'"},
      {"sz-short", Sz("12"), "error:Invalid data type for 'sz-short'"},
      {"binary-4", Binary({1, 0, 0, 0}), "error:Invalid data type for 'binary-4'"},
  };
  for (const Case& C : Cases)
    if (C.Stored) SetValue(HKEY_CURRENT_USER, TestKey, C.Name, *C.Stored);

  TRegistry Reg(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reg.OpenKey(TestKey, false));
  for (const Case& C : Cases)
    EXPECT_EQ(Outcome([&] { return std::to_string(Reg.ReadInteger(C.Name)); }), C.Expected) << C.Name;
}

TEST_F(RegistryTest, KeyPathsAreRelativeToTheCurrentKeyUnlessRooted) {
  CreateKey(HKEY_CURRENT_USER, std::string(TestKey) + "\\Sub\\Deeper");
  TRegistry Reg(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reg.OpenKey(TestKey, false));
  EXPECT_TRUE(Reg.KeyExists("Sub"));
  EXPECT_TRUE(Reg.OpenKey("Sub", false));        // from the current key
  EXPECT_TRUE(Reg.OpenKey("Deeper", false));
  EXPECT_FALSE(Reg.OpenKey("Sub", false));       // not below Deeper
  EXPECT_NE(Reg.CurrentKey(), nullptr);          // a failed open changes nothing
  EXPECT_TRUE(Reg.OpenKey(std::string("\\") + TestKey + "\\Sub", false));  // from the root
  Reg.CloseKey();
  EXPECT_EQ(Reg.CurrentKey(), nullptr);
}

TEST_F(RegistryTest, OpenWithoutCreatingNeverCreates) {
  const std::string Missing = std::string(TestKey) + "\\Missing";
  TRegistry Reg(HKEY_CURRENT_USER);
  EXPECT_FALSE(Reg.OpenKey(Missing, false));
  EXPECT_FALSE(Reg.OpenKeyReadOnly(Missing));
  EXPECT_FALSE(Reg.KeyExists(Missing));
  EXPECT_EQ(Reg.CurrentKey(), nullptr);
}

TEST_F(RegistryTest, KeyExistsLeavesCurrentKeyAndMaskAlone) {
  TRegistry Reg(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reg.OpenKey(TestKey, false));
  HKEY Before = Reg.CurrentKey();
  EXPECT_TRUE(Reg.KeyExists(std::string("\\") + TestKey));
  EXPECT_EQ(Reg.CurrentKey(), Before);
  EXPECT_EQ(Reg.Access(), REGSAM(KEY_READ));
}

TEST_F(RegistryTest, WritesReadBack) {
  TRegistry Reg(HKEY_CURRENT_USER, KEY_ALL_ACCESS);
  ASSERT_TRUE(Reg.OpenKey(std::string(TestKey) + "\\Created\\Nested", true));
  Reg.WriteString("Text", "Stäng");
  Reg.WriteInteger("Number", -1);
  Reg.CloseKey();

  TRegistry Reader(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reader.OpenKeyReadOnly(std::string(TestKey) + "\\Created\\Nested"));
  EXPECT_EQ(Reader.Access(), REGSAM(KEY_READ));
  EXPECT_EQ(Reader.ReadString("Text"), "Stäng");
  EXPECT_EQ(Reader.ReadInteger("Number"), -1);
}

TEST_F(RegistryTest, WriteWithoutKeyRaises) {
  TRegistry Reg(HKEY_CURRENT_USER, KEY_ALL_ACCESS);
  EXPECT_THROW(Reg.WriteString("x", "y"), ERegistryException);
  try {
    Reg.WriteInteger("n", 1);
  } catch (const ERegistryException& E) {
    EXPECT_EQ(E.Message, "Failed to set data for 'n'");
  }
}

// A 32-bit program reads Wow6432Node; the 64-bit view is reached only by
// asking for it, and the view bits survive every open.
TEST(RegistryView, ThirtyTwoBitViewUnlessTheMaskAsksOtherwise) {
  const char* Key = "SOFTWARE\\RurerididuTest\\View";
  DeleteKey(HKEY_LOCAL_MACHINE, Key, KEY_WOW64_32KEY);
  DeleteKey(HKEY_LOCAL_MACHINE, Key, KEY_WOW64_64KEY);
  SetValue(HKEY_LOCAL_MACHINE, Key, "Only64", Sz("x"), KEY_WOW64_64KEY);

  TRegistry Default(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(Default.KeyExists(Key));
  EXPECT_FALSE(Default.OpenKey(Key, false));

  TRegistry Wide(HKEY_LOCAL_MACHINE, KEY_READ | KEY_WOW64_64KEY);
  EXPECT_TRUE(Wide.KeyExists(Key));
  ASSERT_TRUE(Wide.OpenKeyReadOnly(Key));
  EXPECT_EQ(Wide.Access(), REGSAM(KEY_READ | KEY_WOW64_64KEY));
  EXPECT_EQ(Wide.ReadString("Only64"), "x");

  DeleteKey(HKEY_LOCAL_MACHINE, Key, KEY_WOW64_64KEY);
}
