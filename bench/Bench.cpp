// Prints the tool's benchmark figures as "name: value" lines: each ratio
// against its floor, measured side by side in this run, and beside it the
// medians in milliseconds, which hold for this machine only.
//
//   Bench.exe Rurerididu.exe BareWindow.exe RegQueries.bat [rounds]

#include "app/MainFormUnit.h"
#include "bench/Measure.h"
#include "bench/Processes.h"
#include "bench/RawCheckRun.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

using namespace bench;

// A hidden report list of seven rows and three columns, as the tool's.
HWND NewRawList() {
  HWND List = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 583, 151, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
  for (int Column = 0; Column < 3; ++Column) {
    LVCOLUMNA Col{};
    Col.mask = LVCF_WIDTH;
    Col.cx = 100;
    ::SendMessageA(List, LVM_INSERTCOLUMNA, Column, reinterpret_cast<LPARAM>(&Col));
  }
  for (int Row = 0; Row < 7; ++Row) {
    LVITEMA Item{};
    Item.mask = LVIF_TEXT;
    Item.iItem = Row;
    Item.pszText = const_cast<char*>("");
    ::SendMessageA(List, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Item));
  }
  return List;
}

void CheckRun(int Rounds) {
  auto Form = vcl::MakeForm<TSystemComponentsMainForm>();
  vcl::TListItem& Dac = Form->ListView->Item(1);
  const std::string DacCaption = Dac.Caption();
  HWND RawList = NewRawList();

  const auto Medians = PairedMedians(
      {[&] {
         Dac.SetCaption(DacCaption);  // the run marks a full install in it
         const double Begin = NowMs();
         Form->FormActivate(Form.get());
         return std::vector<double>{NowMs() - Begin};
       },
       [&] {
         const double Begin = NowMs();
         RawCheckRun(RawList);
         return std::vector<double>{NowMs() - Begin};
       }},
      Rounds);
  ::DestroyWindow(RawList);

  Print("check-run-ratio", Medians[0][0] / Medians[1][0], 2);
  Print("check-run-ms-this-machine", Medians[0][0], 2);
  Print("check-run-raw-win32-ms-this-machine", Medians[1][0], 2);
  // Every row filled, as on the prepared machine.
  for (int Row = 0; Row < Form->ListView->ItemCount(); ++Row)
    if (Form->ListView->Item(Row).SubItem(1) != "Godkänd version installerad")
      std::printf("warning: row %d is \"%s\", not approved: is the machine prepared?\n", Row,
                  Form->ListView->Item(Row).SubItem(1).c_str());
}

void ProcessRuns(const std::string& Tool, const std::string& BareWindow, const std::string& Batch,
                 int Rounds) {
  auto WindowRun = [](const std::string& Path) {
    return [Path] {
      TWindowRun Run = RunWindowProgram(Path);
      return std::vector<double>{Run.ToPaintedMs, Run.ToExitMs};
    };
  };
  const std::string BatchLine = "cmd.exe /c \"" + Batch + "\"";
  const auto Medians =
      PairedMedians({WindowRun(Tool), WindowRun(BareWindow), [&] { return std::vector<double>{RunCommand(BatchLine)}; }},
                    Rounds);

  Print("start-to-list-ratio", Medians[0][0] / Medians[1][0], 2);
  Print("start-to-list-ms-this-machine", Medians[0][0], 0);
  Print("bare-window-to-paint-ms-this-machine", Medians[1][0], 0);
  Print("vs-reg-query-ratio", Medians[0][1] / Medians[2][0], 2);
  Print("whole-run-ms-this-machine", Medians[0][1], 0);
  Print("bare-window-whole-run-ms-this-machine", Medians[1][1], 0);
  Print("reg-query-batch-ms-this-machine", Medians[2][0], 0);
}

}  // namespace

int main(int Argc, char** Argv) {
  if (Argc < 4) {
    std::fprintf(stderr, "usage: Bench.exe Rurerididu.exe BareWindow.exe RegQueries.bat [rounds]\n");
    return 2;
  }
  const int Rounds = Argc > 4 ? std::atoi(Argv[4]) : 20;
  try {
    ::InitCommonControls();
    CheckRun(Rounds * 20);
    ProcessRuns(Argv[1], Argv[2], Argv[3], Rounds);
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "Bench.exe: %s\n", Error.what());
    return 1;
  }
  return 0;
}
