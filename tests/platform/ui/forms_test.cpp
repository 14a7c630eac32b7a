// Forms: modal loop, modal result, close box, Escape, focus moves and dialog keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class TFProbe : public TForm {
public:
  explicit TFProbe(TComponent* owner, std::vector<QString>* log) : TForm(owner) {
    SetCaption("Probe");
    SetClientSize(300, 200);
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    E_First = new TEdit(this);
    E_First->SetParent(this);
    E_Second = new TEdit(this);
    E_Second->SetParent(this);
    E_Second->SetTop(30);
    OnCreate = [log](TObject*) { log->push_back("create"); };
    OnShow = [log](TObject*) { log->push_back("show"); };
    OnClose = [log](TObject*, TCloseAction&) { log->push_back("close"); };
    E_First->OnEnter = [log](TObject*) { log->push_back("enter first"); };
    E_First->OnExit = [log](TObject*) { log->push_back("exit first"); };
    E_Second->OnEnter = [log](TObject*) { log->push_back("enter second"); };
  }
  TEdit* E_First;
  TEdit* E_Second;
};

struct FormFixture : ::testing::Test {
  FormFixture() : form(Create<TFProbe>(nullptr, &log)) {}
  ~FormFixture() override { delete form; }
  std::vector<QString> log;
  TFProbe* form;
  ScriptedUi ui;
};

TEST_F(FormFixture, ShowModalReturnsTheModalResultAfterOnClose) {
  EXPECT_EQ(log, (std::vector<QString>{"create"}));
  ui.ExpectModal("TFProbe", [&](TForm* f) {
    EXPECT_TRUE(f->Widget()->isVisible());
    EXPECT_TRUE(f->FormState().Contains(fsModal));
    log.push_back("act");
    f->SetModalResult(mrYes);
  });
  EXPECT_EQ(form->ShowModal(), mrYes);
  EXPECT_EQ(log, (std::vector<QString>{"create", "show", "enter first", "act", "close"}));
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->Widget()->isVisible());
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->Widget()->windowTitle(), "Probe");
}

TEST_F(FormFixture, TheCloseBoxGivesCancelAndEscapeDoesNothing) {
  ui.ExpectModal("TFProbe", [&](TForm* f) {
    PressKey(form->E_First, Qt::Key_Escape);
    PressKey(f, Qt::Key_Escape);
    EXPECT_EQ(f->ModalResult(), mrNone);
    QCloseEvent close;
    QApplication::sendEvent(f->Widget(), &close);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FormFixture, AVisibleFormCannotBecomeModal) {
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  form->Hide();
}

TEST_F(FormFixture, TabMovesTheFocusWithExitAndEnter) {
  form->Show();
  EXPECT_EQ(form->ActiveControl(), form->E_First);
  EXPECT_TRUE(form->E_First->Focused());
  log.clear();
  PressKey(form->E_First, Qt::Key_Tab);
  EXPECT_EQ(form->ActiveControl(), form->E_Second);
  EXPECT_EQ(log, (std::vector<QString>{"exit first", "enter second"}));
  PressKey(form->E_Second, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(form->ActiveControl(), form->E_First);
  form->Hide();
}

TEST_F(FormFixture, AWindowActivatedBehindAModalFormTakesNeitherItsFocusNorItsSelection) {
  // The window system may activate the caller's window once more after the modal
  // form opened over it (a late activation from the click that opened it), and
  // then the modal form again.
  std::vector<QString> callerLog;
  std::unique_ptr<TFProbe> caller(Create<TFProbe>(nullptr, &callerLog));
  caller->Show();
  ProcessEvents();
  form->E_First->SetText("192");
  ui.ExpectModal("TFProbe", [&](TForm*) {
    ProcessEvents();
    ASSERT_TRUE(form->E_First->Focused());
    ASSERT_EQ(form->E_First->SelText(), "192");
    log.clear();
    QApplication::setActiveWindow(caller->Widget());
    ProcessEvents();
    QApplication::setActiveWindow(form->Widget());
    ProcessEvents();
    EXPECT_TRUE(form->E_First->Focused());
    EXPECT_EQ(form->E_First->SelText(), "192");  // typing still replaces the text
    EXPECT_EQ(log, std::vector<QString>{});  // no exit and enter again
    form->SetModalResult(mrOk);
  });
  form->ShowModal();
  caller->Hide();
}

class TFMain;
TFMain* FMain = nullptr;

class TFMain : public TForm {
public:
  explicit TFMain(TComponent* owner) : TForm(owner) { sawItselfInConstructor = FMain == this; }
  bool sawItselfInConstructor = false;
};

TEST(Application, CreateFormNamesTheFormBeforeItsConstructorRuns) {
  Application->CreateForm(FMain);
  ASSERT_NE(FMain, nullptr);
  EXPECT_TRUE(FMain->sawItselfInConstructor);
  EXPECT_EQ(Application->MainForm(), FMain);
  EXPECT_EQ(FMain->Owner(), Application);
  Application->DestroyComponents();
  EXPECT_EQ(Application->MainForm(), nullptr);
  FMain = nullptr;
}

TEST(FormModalLoop, CloseQueryCanKeepTheFormOpen) {
  SetUserInterface(nullptr);  // the real event loop
  TForm form(nullptr);
  int asked = 0;
  form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
  QTimer::singleShot(0, [&] { form.SetModalResult(mrOk); });
  QTimer::singleShot(20, [&] {
    EXPECT_EQ(form.ModalResult(), mrNone);  // refused the first time
    form.SetModalResult(mrNo);
  });
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_EQ(asked, 2);
}

}  // namespace
