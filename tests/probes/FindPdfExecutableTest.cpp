#include "probes/QorAdobeReaderVersion.h"

#include "support/QorSystemUtils.h"
#include "tests/probes/ProbeTest.h"
#include "vcl/Files.h"
#include "vcl/Streams.h"

using namespace probe_test;
using namespace testing_support;

namespace {

const std::string Reader = FixturePath("reader-11.0.23.18\\AcroRd32.exe");

class FindPdfExecutableTest : public ProbeRegistryTest {
protected:
  static std::string TempFile() { return GetTempFolder("") + "~Tmp~pdf.pdf"; }

private:
  TKeyBackup ProgId_{HKEY_LOCAL_MACHINE, PdfProgIdKey};
};

bool SamePath(const std::string& A, const std::string& B) {
  return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) == CSTR_EQUAL;
}

void WriteFile(const std::string& Name, const std::string& Content) {
  HANDLE H = ::CreateFileA(Name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(H, INVALID_HANDLE_VALUE);
  DWORD Written = 0;
  ::WriteFile(H, Content.data(), static_cast<DWORD>(Content.size()), &Written, nullptr);
  ::CloseHandle(H);
}

}  // namespace

TEST_F(FindPdfExecutableTest, AnswersWithTheAssociatedProgramAndLeavesNoFile) {
  struct Case {
    const char* Name;
    bool Associated;
    const char* Leftover;  // a "~Tmp~pdf.pdf" left by an earlier call, or none
  };
  const Case Cases[] = {
      {"associated", true, nullptr},
      {"associated, empty leftover", true, ""},
      {"associated, leftover with content", true, "%PDF-1.4"},
      {"no association", false, nullptr},
      {"no association, leftover", false, "x"},
  };
  for (const Case& C : Cases) {
    DeleteKey(HKEY_LOCAL_MACHINE, PdfClassKey);
    if (C.Associated) AssociatePdf(Reader);
    if (C.Leftover) WriteFile(TempFile(), C.Leftover);

    const std::string Found = FindPdfExecutable();
    if (C.Associated)
      EXPECT_TRUE(SamePath(Found, Reader)) << C.Name << ": " << Found;
    else
      EXPECT_EQ(Found, "") << C.Name;
    EXPECT_FALSE(vcl::FileExists(TempFile())) << C.Name;
  }
}

TEST_F(FindPdfExecutableTest, AProgIdWithoutCommandIsNoAssociation) {
  SetValue(HKEY_LOCAL_MACHINE, PdfClassKey, "", Sz("RurerididuTest.PdfFile"));
  CreateKey(HKEY_LOCAL_MACHINE, PdfProgIdKey);
  EXPECT_EQ(FindPdfExecutable(), "");
}

TEST_F(FindPdfExecutableTest, TheReaderProbeFallsBackOnTheAssociation) {
  AssociatePdf(Reader);
  EXPECT_EQ(GetAdobeReaderVersion(), "11.0.23.18");

  // Only a missing "Path" leads to the association: one that names no
  // program does not.
  SetValue(HKEY_LOCAL_MACHINE, ReaderKey, "Path", Sz(TScratchFolder().Path()));
  EXPECT_EQ(GetAdobeReaderVersion(), "");

  // A program that is not the Reader is reported all the same.
  DeleteKey(HKEY_LOCAL_MACHINE, ReaderKey);
  AssociatePdf(FixturePath("version-65535.65535.65535.65535.exe"));
  EXPECT_EQ(GetAdobeReaderVersion(), "65535.65535.65535.65535");
}

TEST_F(FindPdfExecutableTest, AFileHeldByAnotherRaisesTheCreationError) {
  AssociatePdf(Reader);
  const std::string Name = TempFile();
  HANDLE Held = ::CreateFileA(Name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(Held, INVALID_HANDLE_VALUE);
  for (auto* Probe : {&FindPdfExecutable, &GetAdobeReaderVersion}) {
    try {
      Probe();
      ADD_FAILURE() << "no error while the file is held";
    } catch (const vcl::EFCreateError& E) {
      EXPECT_EQ(E.Message, "Cannot create file \"" + Name + "\". " +
                               vcl::SysErrorMessage(ERROR_SHARING_VIOLATION));
    }
  }
  ::CloseHandle(Held);
  // The holder's file is not touched; the next call reuses and removes it.
  EXPECT_TRUE(vcl::FileExists(Name));
  EXPECT_TRUE(SamePath(FindPdfExecutable(), Reader));
  EXPECT_FALSE(vcl::FileExists(Name));
}

TEST_F(FindPdfExecutableTest, AVanishedTemporaryFolderRaisesTheCreationError) {
  AssociatePdf(Reader);
  std::string Folder;
  {
    TScratchFolder Scratch;
    Folder = Scratch.Path();
    SetTempFilePath(Folder);
    EXPECT_TRUE(SamePath(FindPdfExecutable(), Reader));
  }
  EXPECT_THROW(FindPdfExecutable(), vcl::EFCreateError);
  RemoveTempFilePath();
}
