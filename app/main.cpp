// Rurerididu: shows which system components are installed.

#include "app/MainFormUnit.h"
#include "vcl/Forms.h"

#include <windows.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    vcl::Application->Initialize();
    vcl::Application->CreateForm(SystemComponentsMainForm);
    vcl::Application->Run();
  } catch (...) {
    // The window could not be made: say why, then stop.
    vcl::Application->HandleException(std::current_exception());
    return 1;
  }
  return 0;
}
