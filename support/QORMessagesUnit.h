#pragma once
// The message service: numbered messages pass the registered hooks and are
// then shown by the default handler as the standard dialog. Answers given
// with "Don't ask me again." ticked are kept in the settings store, section
// "DontAgain", and returned from then on without a dialog.

#include "vcl/Classes.h"

#include <cstdint>
#include <memory>
#include <string>

// The values are stored in the settings store: never renumber them.
enum TQORMsgKind : std::uint8_t { mkError = 0, mkWarning = 1, mkInformation = 2 };
enum TQORMsgAnswer : std::uint8_t { maYes = 0, maNo = 1, maOk = 2, maCancel = 3 };
enum TQORAnswerSet : std::uint8_t { asYesNo = 0, asYesNoCancel = 1, asOkCancel = 2, asOk = 3 };

class IQORMessages {
public:
  virtual ~IQORMessages() = default;
  virtual void ShowMsg(TQORMsgKind Kind, int MsgNo, const std::string& Text,
                       const std::string& Details, const std::string& Extra,
                       bool AllowDontShowAgain, bool& DontShow) = 0;
  virtual TQORMsgAnswer AskMsg(int MsgNo, const std::string& Text, const std::string& Details,
                               TQORAnswerSet AnswerSet, bool AllowDontShowAgain) = 0;
};

// A hook sees every message before it is shown and may change it, clear
// Continue to stop it, or set DontShow.
class IQORMessageHook {
public:
  virtual ~IQORMessageHook() = default;
  virtual void HookMsg(TQORMsgKind& Kind, int MsgNo, std::string& Text, std::string& Details,
                       std::string& Extra, bool AllowDontShowAgain, bool& DontShow,
                       bool& Continue) = 0;
};

// The registered hooks, in the order they are called. Hooks are added and
// removed through the list's own operations.
extern vcl::TInterfaceList<IQORMessageHook> MessageHooks;

class TQORMessages {
public:
  TQORMessages() = delete;

  static void ShowMsg(TQORMsgKind Kind, int MsgNo, std::string Text, std::string Details,
                      std::string Extra, bool AllowDontShowAgain = false);
  static bool HasDontAgainValue(int MsgNo);
  // Raises Exception for a stored value outside 0 to 3.
  static TQORMsgAnswer GetDontAgainValue(int MsgNo);
  static void SetDontAgainValue(int MsgNo, const std::string& Text, TQORMsgAnswer Answer);
  // The process's one default handler, created on first use.
  static std::shared_ptr<IQORMessages> GetDefaultMessages();
};

// The standard dialog, with the message number in its caption.
class TQORMessagesDefault final : public IQORMessages {
public:
  // Shows the message with an OK button; Extra and DontShow are not used.
  void ShowMsg(TQORMsgKind Kind, int MsgNo, const std::string& Text, const std::string& Details,
               const std::string& Extra, bool AllowDontShowAgain, bool& DontShow) override;
  TQORMsgAnswer AskMsg(int MsgNo, const std::string& Text, const std::string& Details,
                       TQORAnswerSet AnswerSet, bool AllowDontShowAgain) override;
};
