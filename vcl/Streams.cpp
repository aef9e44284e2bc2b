#include "vcl/Streams.h"

#include "vcl/Files.h"

namespace vcl {

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) {
  switch (Mode) {
    case TFileMode::fmCreate:
      if (FitsAnsiFileApi(FileName))
        Handle_.Reset(::CreateFileA(FileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!Handle_)
        throw EFCreateError(Format("Cannot create file \"%s\". %s",
                                   {FileName, SysErrorMessage(::GetLastError())}));
      break;
  }
}

std::string SysErrorMessage(DWORD ErrorCode) {
  char* Buffer = nullptr;
  DWORD Length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
          FORMAT_MESSAGE_ARGUMENT_ARRAY,
      nullptr, ErrorCode, 0, reinterpret_cast<char*>(&Buffer), 0, nullptr);
  std::string Text(Buffer ? Buffer : "", Length);
  ::LocalFree(Buffer);
  // The text ends in a line break and often a full stop; the caller adds its own.
  while (!Text.empty() && (static_cast<unsigned char>(Text.back()) <= ' ' || Text.back() == '.'))
    Text.pop_back();
  return Text;
}

}  // namespace vcl
