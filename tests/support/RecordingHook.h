#pragma once
// A message hook that records what it sees and can change the outcome.

#include "support/QORMessagesUnit.h"

#include <string>
#include <vector>

namespace testing_support {

class TRecordingHook : public IQORMessageHook {
public:
  struct TCall {
    TQORMsgKind Kind;
    int MsgNo;
    std::string Text, Details, Extra;
    bool AllowDontShowAgain, DontShow, Continue;
  };

  void HookMsg(TQORMsgKind& Kind, int MsgNo, std::string& Text, std::string& Details,
               std::string& Extra, bool AllowDontShowAgain, bool& DontShow, bool& Continue) override {
    Calls.push_back({Kind, MsgNo, Text, Details, Extra, AllowDontShowAgain, DontShow, Continue});
    if (!NewText.empty()) Text = NewText;
    if (StopIt) Continue = false;
    if (ResumeIt) Continue = true;
    if (SetDontShow) DontShow = true;
    if (ClearDontShow) DontShow = false;
  }

  std::vector<TCall> Calls;
  bool StopIt = false;
  bool ResumeIt = false;
  bool SetDontShow = false;
  bool ClearDontShow = false;
  std::string NewText;
};

}  // namespace testing_support
