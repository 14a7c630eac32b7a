// The class library's application object (stands for TApplication): creates the
// forms (the first becomes the main form), runs the event loop until the main
// form closes, and shows an error box for an exception that no handler caught.
#pragma once

#include "platform/ui/control.h"

#include <QString>
#include <new>

#include "platform/ui/component.h"

class TForm;

class TApplication : public TComponent {
public:
  TApplication();

  // Makes a form owned by the application. `Reference` points at the form already
  // while its constructor runs, as the class library's CreateForm does; the first
  // form made becomes the main form.
  template <typename T>
  void CreateForm(T*& Reference) {
    void* memory = ::operator new(sizeof(T));
    Reference = static_cast<T*>(memory);
    try {
      new (memory) T(this);
    } catch (...) {
      Reference = nullptr;
      ::operator delete(memory);
      throw;
    }
    if (!MainForm()) {
      main_form_ = Reference;
      main_component_ = Reference;
    }
    Reference->AfterConstruction();
  }

  // The first form made, while it lives.
  TForm* MainForm() const;
  // Shows the main form and handles events until Terminate; then frees the forms.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles the events waiting now (posted messages included).
  void ProcessMessages();
  // Shows the message of an exception no handler caught in an error box.
  void HandleException(const QString& message);

  // Hides the hint shown now, so that a new one can show.
  void CancelHint();

  QString Title() const { return title_; }
  void SetTitle(const QString& value) { title_ = value; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TForm* main_form_ = nullptr;
  const TComponent* main_component_ = nullptr;  // the same object, for the look-up
  bool terminated_ = false;
  QString title_;
};

extern TApplication* const Application;

// The screen's pointer shape: anything but crDefault shows that pointer over every
// window of the program (work going on), crDefault gives each control its own.
class TScreen {
public:
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

private:
  TCursor cursor_ = crDefault;
};

extern TScreen* const Screen;
