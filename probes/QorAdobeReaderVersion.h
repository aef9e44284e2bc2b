#pragma once

#include <string>

// The file version of the Reader executable that App Paths names or, when
// the registry names none, of the program that opens PDF files; or the
// empty text.
std::string GetAdobeReaderVersion();

// The full path of the program the shell opens PDF files with, or the empty
// text. Asks with an empty "~Tmp~pdf.pdf" in the temporary folder, which is
// gone again afterwards; raises vcl::EFCreateError when it cannot be made.
std::string FindPdfExecutable();
