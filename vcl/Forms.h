#pragma once
// Forms, the application object and the screen object.

#include "vcl/Controls.h"
#include "vcl/SysUtils.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vcl {

// The frames and placements that this program's forms use.
enum TFormBorderStyle {
  bsDialog,  // fixed dialog frame, a title bar with the close box only
};
enum TPosition {
  poScreenCenter,  // centred on the screen
};

struct TFormParams {
  std::string Caption = {};
  int ClientWidth = 0;
  int ClientHeight = 0;
  TFormBorderStyle BorderStyle = bsDialog;
  TPosition Position = poScreenCenter;
  TColor Color = clWhite;
  TFontDesc Font = {};
};

// A top-level window. Sizes are pixels as given: forms are not scaled for
// the screen's resolution.
class TForm : public TCustomControl {
public:
  explicit TForm(const TFormParams& Params);
  ~TForm() override;

  const std::string& Caption() const { return Caption_; }

  void Show();
  // The main form's close ends the application; any other form hides.
  void Close();

  // Raised once all components exist (see MakeForm).
  TNotifyEvent OnCreate;
  // Raised when the form becomes the application's focused form; not when
  // the user comes back from another program, nor when a dialog of this
  // program closes and hands the focus back.
  TNotifyEvent OnActivate;

protected:
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

private:
  template <class T, class... Args>
  friend std::unique_ptr<T> MakeForm(Args&&... A);

  void AfterConstruction();
  void Activated();

  std::string Caption_;
};

// Makes a form; once the form's constructor has built every component, its
// OnCreate runs.
template <class T, class... Args>
std::unique_ptr<T> MakeForm(Args&&... A) {
  auto Form = std::make_unique<T>(std::forward<Args>(A)...);
  static_cast<TForm&>(*Form).AfterConstruction();
  return Form;
}

class TApplication {
public:
  TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  ~TApplication();

  // Common controls and the icon "MAINICON".
  void Initialize();

  // Makes a form the application owns and sets Reference to it; the first
  // one becomes the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    std::unique_ptr<T> Form = MakeForm<T>();
    Reference = Form.get();
    if (!MainForm_) MainForm_ = Reference;
    Forms_.push_back(std::move(Form));
  }

  // Shows the main form, then handles messages until Terminate.
  void Run();
  void Terminate();

  TForm* MainForm() const { return MainForm_; }
  // The program file's name up to its first ".", every character after the
  // first in lower case.
  const std::string& Title() const { return Title_; }
  HICON Icon(bool Small) const { return Small ? SmallIcon_ : Icon_; }

  // The default handling of an exception that escaped a handler: nothing for
  // EAbort, else the error box.
  void HandleException(std::exception_ptr Error) noexcept;
  // The error box: the message, with a full stop added when it is not empty
  // and its last character sorts after "."; the title as its caption.
  void ShowException(const std::string& Message) const;

private:
  std::string Title_;
  HICON Icon_ = nullptr;
  HICON SmallIcon_ = nullptr;
  std::vector<std::unique_ptr<TForm>> Forms_;
  TForm* MainForm_ = nullptr;
};

class TScreen {
public:
  // The installed font families, sorted, asked of the system on each call.
  std::vector<std::string> Fonts() const;

  TForm* ActiveForm() const { return ActiveForm_; }

private:
  friend class TForm;

  TForm* ActiveForm_ = nullptr;
};

extern TApplication* const Application;
extern TScreen* const Screen;

}  // namespace vcl
