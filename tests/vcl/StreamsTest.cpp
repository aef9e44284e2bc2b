#include "vcl/Streams.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

std::string TempFile(const char* Name) {
  char Temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, Temp);
  return std::string(Temp) + Name;
}

DWORD FileSize(const std::string& FileName) {
  WIN32_FILE_ATTRIBUTE_DATA Data;
  if (!::GetFileAttributesExA(FileName.c_str(), GetFileExInfoStandard, &Data)) return MAXDWORD;
  return Data.nFileSizeLow;
}

}  // namespace

TEST(FileStream, CreateTruncatesAndHoldsTheFileUnshared) {
  const std::string Name = TempFile("RurerididuStream.txt");
  {
    HANDLE H = ::CreateFileA(Name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD Written = 0;
    ::WriteFile(H, "leftover", 8, &Written, nullptr);
    ::CloseHandle(H);
  }
  {
    TFileStream Stream(Name, TFileMode::fmCreate);
    EXPECT_EQ(FileSize(Name), 0u);
    // Nobody else may open it, not even for reading.
    HANDLE Other = ::CreateFileA(Name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(::DeleteFileA(Name.c_str()));
  }
  EXPECT_TRUE(::DeleteFileA(Name.c_str()));  // closed with the stream
}

TEST(FileStream, FailureRaisesCreateErrorWithPathAndSystemText) {
  struct Case {
    std::string FileName;
    DWORD Error;
  };
  const std::string Held = TempFile("RurerididuHeld.txt");
  HANDLE H = ::CreateFileA(Held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(H, INVALID_HANDLE_VALUE);
  const Case Cases[] = {
      {TempFile("RurerididuNoSuchFolder\\file.pdf"), ERROR_PATH_NOT_FOUND},
      {Held, ERROR_SHARING_VIOLATION},
  };
  for (const Case& C : Cases) {
    try {
      TFileStream Stream(C.FileName, TFileMode::fmCreate);
      ADD_FAILURE() << "created " << C.FileName;
    } catch (const EFCreateError& E) {
      EXPECT_EQ(E.Message, "Cannot create file \"" + C.FileName + "\". " + SysErrorMessage(C.Error));
      EXPECT_FALSE(SysErrorMessage(C.Error).empty());
    }
  }
  ::CloseHandle(H);
  ::DeleteFileA(Held.c_str());
}
