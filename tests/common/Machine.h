#pragma once
// The machine as the tool reads it: the keys of the components it looks
// for, the shell's program for PDF files, and the temporary-folder setting.

#include <string>

namespace testing_support {

inline const char* const ReaderKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe";
inline const char* const DataAccessKey = "Software\\Microsoft\\DataAccess";
inline const char* const JreKey = "SOFTWARE\\Sorvendal\\IBM JRE\\1.3.0";
inline const char* const InternetExplorerKey = "Software\\Microsoft\\Internet Explorer";
inline const char* const DotNet2Key = "SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v2.0.50727";
inline const char* const DotNet4Key = "SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4";
inline const char* const DotNet4FullKey = "SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4\\Full";
// The shell's answer for PDF files, which the Reader probe falls back on,
// and a ProgID of the tests' own for it.
inline const char* const PdfClassKey = "Software\\Classes\\.pdf";
inline const char* const PdfProgIdKey = "Software\\Classes\\RurerididuTest.PdfFile";

// .pdf opens with Program, through the tests' ProgID.
void AssociatePdf(const std::string& Program);

// "TempFilePath" sits directly under HKEY_CURRENT_USER: the tool sets no
// application settings key.
void SetTempFilePath(const std::string& Folder);
void RemoveTempFilePath();

}  // namespace testing_support
