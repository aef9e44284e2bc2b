#include "probes/QorJreVersion.h"

#include "vcl/Files.h"
#include "vcl/Registry.h"

bool IsJreInstalled() {
  vcl::TRegistry Reg(HKEY_LOCAL_MACHINE);
  // A missing "JrePath" reads as the empty text, which names no file.
  return Reg.OpenKey("SOFTWARE\\Sorvendal\\IBM JRE\\1.3.0", false) &&
         vcl::FileExists(Reg.ReadString("JrePath"));
}
