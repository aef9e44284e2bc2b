#include "support/QORMessagesUnit.h"

#include "support/QORSettingsUnit.h"
#include "support/QorSupportState.h"
#include "support/QorSystemStrings.h"

#include "vcl/Dialogs.h"
#include "vcl/SysUtils.h"

namespace {

const char* const DontAgainSection = "DontAgain";

int ReadDontAgainValue(int MsgNo) {
  return TQORSettings::GetInstance().ReadInteger(DontAgainSection, vcl::IntToStr(MsgNo), -1, false);
}

bool IsAnswer(int Value) { return static_cast<unsigned>(Value) < 4; }

vcl::TMsgDlgButtons ButtonsOf(TQORAnswerSet AnswerSet) {
  switch (AnswerSet) {
    case asYesNo:
      return {vcl::mbYes, vcl::mbNo};
    case asYesNoCancel:
      return {vcl::mbYes, vcl::mbNo, vcl::mbCancel};
    case asOkCancel:
      return {vcl::mbOK, vcl::mbCancel};
    case asOk:
      break;
  }
  return {vcl::mbOK};
}

vcl::TMsgDlgType DialogTypeOf(TQORMsgKind Kind) {
  switch (Kind) {
    case mkWarning:
      return vcl::mtWarning;
    case mkInformation:
      return vcl::mtInformation;
    case mkError:
      break;
  }
  return vcl::mtError;
}

TQORMsgAnswer ExecuteMsgDialog(int MsgNo, const std::string& Text, const std::string& Details,
                               vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                               bool AllowDontShowAgain) {
  if (AllowDontShowAgain && TQORMessages::HasDontAgainValue(MsgNo))
    return TQORMessages::GetDontAgainValue(MsgNo);
  const std::string Message = Details.empty() ? Text : Text + "\r\n\r\n" + Details;
  std::unique_ptr<vcl::TMessageForm> Dialog = vcl::CreateMessageDialog(Message, DlgType, Buttons);
  Dialog->PopupMode = vcl::pmAuto;
  Dialog->Caption = Dialog->Caption + " " + vcl::IntToStr(MsgNo);
  vcl::TCheckBox* DontAsk = nullptr;
  if (AllowDontShowAgain) {
    DontAsk = &Dialog->AddCheckBox();
    DontAsk->Caption = SQorDontAskAgain;
    DontAsk->Top = Dialog->Height();
    DontAsk->Left = 20;
    DontAsk->Width = Dialog->ClientWidth() - DontAsk->Left;
    DontAsk->Checked = false;
    Dialog->SetHeight(Dialog->Height() + 3 * DontAsk->Height);
  }
  Dialog->Position = vcl::poOwnerFormCenter;
  TQORMsgAnswer Answer;
  switch (int Result = Dialog->ShowModal()) {
    case vcl::mrOk:
      Answer = maOk;
      break;
    case vcl::mrCancel:
      Answer = maCancel;
      break;
    case vcl::mrYes:
      Answer = maYes;
      break;
    case vcl::mrNo:
      Answer = maNo;
      break;
    default:
      throw vcl::Exception(vcl::Format("Unexpected result in TQORMessagesDefault.AskMsg (%d)", {Result}));
  }
  if (DontAsk && DontAsk->Checked) TQORMessages::SetDontAgainValue(MsgNo, Message, Answer);
  return Answer;
}

}  // namespace

void TQORMessages::ShowMsg(TQORMsgKind Kind, int MsgNo, std::string Text, std::string Details,
                           std::string Extra, bool AllowDontShowAgain) {
  bool Continue = true;
  bool DontShow = false;
  if (AllowDontShowAgain && HasDontAgainValue(MsgNo)) DontShow = GetDontAgainValue(MsgNo) == maOk;
  // The count is read once; an entry gone since then is skipped.
  const std::size_t Count = MessageHooks.Count();
  for (std::size_t I = 0; I < Count; ++I)
    if (std::shared_ptr<IQORMessageHook> Hook = MessageHooks.Get(I))
      Hook->HookMsg(Kind, MsgNo, Text, Details, Extra, AllowDontShowAgain, DontShow, Continue);
  if (!Continue || (AllowDontShowAgain && DontShow)) return;
  GetDefaultMessages()->ShowMsg(Kind, MsgNo, Text, Details, Extra, AllowDontShowAgain, DontShow);
  // A handler that reports "don't show again" through DontShow gets it kept.
  if (AllowDontShowAgain && DontShow) SetDontAgainValue(MsgNo, Text, maOk);
}

bool TQORMessages::HasDontAgainValue(int MsgNo) { return IsAnswer(ReadDontAgainValue(MsgNo)); }

TQORMsgAnswer TQORMessages::GetDontAgainValue(int MsgNo) {
  int Value = ReadDontAgainValue(MsgNo);
  if (!IsAnswer(Value)) throw vcl::Exception("TQORMessages.GetDontAgainValue");
  return static_cast<TQORMsgAnswer>(Value);
}

void TQORMessages::SetDontAgainValue(int MsgNo, const std::string& Text, TQORMsgAnswer Answer) {
  TQORSettings::GetInstance().WriteInteger(DontAgainSection, vcl::IntToStr(MsgNo), Answer, false);
  TQORSettings::GetInstance().WriteString(DontAgainSection, vcl::Format("s%d", {MsgNo}), Text, false);
}

std::shared_ptr<IQORMessages> TQORMessages::GetDefaultMessages() {
  if (!DefaultMessages) DefaultMessages = std::make_shared<TQORMessagesDefault>();
  return DefaultMessages;
}

void TQORMessagesDefault::ShowMsg(TQORMsgKind Kind, int MsgNo, const std::string& Text,
                                  const std::string& Details, const std::string&, bool AllowDontShowAgain,
                                  bool&) {
  ExecuteMsgDialog(MsgNo, Text, Details, DialogTypeOf(Kind), {vcl::mbOK}, AllowDontShowAgain);
}

TQORMsgAnswer TQORMessagesDefault::AskMsg(int MsgNo, const std::string& Text,
                                          const std::string& Details, TQORAnswerSet AnswerSet,
                                          bool AllowDontShowAgain) {
  return ExecuteMsgDialog(MsgNo, Text, Details, vcl::mtConfirmation, ButtonsOf(AnswerSet),
                          AllowDontShowAgain);
}
