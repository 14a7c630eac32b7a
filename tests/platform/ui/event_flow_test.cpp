// The order in which keys, mouse actions and posted messages reach a control.
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const unsigned kProbeMessage = RegisterWindowMessage("ProbeMessage");

// A painted control that writes down what reaches it.
class Recorder : public TCustomControl {
public:
  Recorder(TComponent* owner, std::vector<QString>* log, QString name) : TCustomControl(owner), log_(log) {
    SetName(name);
    SetTabStop(true);
    SetBounds(10, 10, 40, 30);
  }
  int dialogCode = 0;
  int catchDialogKey = 0;  // the dialog key this control takes, like a default button
  bool clearKeyDown = false;

protected:
  void Note(const QString& s) { log_->push_back(s); }
  void KeyDown(int& key, TShiftState shift) override {
    Note(QString("%1 KeyDown %2%3").arg(Name()).arg(key).arg(shift.Contains(ssCtrl) ? " ctrl" : ""));
    if (clearKeyDown) key = 0;
  }
  void KeyPress(QChar& key) override { Note(QString("%1 KeyPress %2").arg(Name()).arg(key.unicode())); }
  void KeyUp(int& key, TShiftState) override { Note(QString("%1 KeyUp %2").arg(Name()).arg(key)); }
  void MouseDown(TMouseButton, TShiftState shift, int x, int y) override {
    Note(QString("%1 MouseDown %2,%3%4").arg(Name()).arg(x).arg(y).arg(shift.Contains(ssDouble) ? " double" : ""));
  }
  void MouseMove(TShiftState, int x, int y) override { Note(QString("%1 MouseMove %2,%3").arg(Name()).arg(x).arg(y)); }
  void MouseUp(TMouseButton, TShiftState, int x, int y) override {
    Note(QString("%1 MouseUp %2,%3").arg(Name()).arg(x).arg(y));
  }
  void Click() override {
    Note(Name() + " Click");
    TCustomControl::Click();
  }
  void DblClick() override { Note(Name() + " DblClick"); }
  void WMGetDlgCode(TMessage& m) override { m.Result = dialogCode; }
  void CMDialogKey(TMessage& m) override {
    if (catchDialogKey == 0 || m.CharCode() != catchDialogKey) return;
    Note(QString("%1 takes dialog key %2").arg(Name()).arg(m.CharCode()));
    m.Result = 1;
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbeMessage) Note(QString("%1 posted %2").arg(Name()).arg(m.WParam));
    TCustomControl::WndProc(m);
  }

private:
  std::vector<QString>* log_;
};

struct FlowFixture : ::testing::Test {
  FlowFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(200, 100);
    focused = new Recorder(form, &log, "r");
    focused->SetParent(form);
    other = new Recorder(form, &log, "o");
    other->SetParent(form);
    other->SetLeft(100);
  }
  ~FlowFixture() override { delete form; }
  std::vector<QString> log;
  TForm* form;
  Recorder* focused;
  Recorder* other;
};

TEST_F(FlowFixture, KeyDownThenCharacterThenKeyUp) {
  PressKey(focused, Qt::Key_A);
  EXPECT_EQ(log, (std::vector<QString>{"r KeyDown 65", "r KeyPress 97", "r KeyUp 65"}));

  // Characters are made for Ctrl+letter; a cleared key-down still gets its character.
  log.clear();
  focused->clearKeyDown = true;
  PressKey(focused, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(log, (std::vector<QString>{"r KeyDown 67 ctrl", "r KeyPress 3", "r KeyUp 67"}));
}

TEST_F(FlowFixture, DialogKeysGoToTheFormUnlessTheControlClaimsThem) {
  other->catchDialogKey = VK_RETURN;
  PressKey(focused, Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<QString>{"o takes dialog key 13", "r KeyUp 13"}));

  // Nobody takes Escape: the control gets it as an ordinary key.
  log.clear();
  PressKey(focused, Qt::Key_Escape);
  EXPECT_EQ(log, (std::vector<QString>{"r KeyDown 27", "r KeyPress 27", "r KeyUp 27"}));

  // A control that wants all keys keeps Enter.
  log.clear();
  focused->dialogCode = DLGC_WANTALLKEYS;
  PressKey(focused, Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<QString>{"r KeyDown 13", "r KeyPress 13", "r KeyUp 13"}));
}

TEST_F(FlowFixture, PressMoveReleaseAndClick) {
  MousePress(focused, 5, 6);
  MouseMoveTo(focused, 7, 8, Qt::LeftButton);
  MouseRelease(focused, 7, 8);
  EXPECT_EQ(log, (std::vector<QString>{"r MouseDown 5,6", "r MouseMove 7,8", "r Click", "r MouseUp 7,8"}));

  // Released outside the control: no click.
  log.clear();
  MousePress(focused, 5, 6);
  MouseMoveTo(focused, 90, 8, Qt::LeftButton);
  MouseRelease(focused, 90, 8);
  EXPECT_EQ(log, (std::vector<QString>{"r MouseDown 5,6", "r MouseMove 90,8", "r MouseUp 90,8"}));

  // Double click: press, release, double click, release.
  log.clear();
  MouseDoubleClick(focused, 3, 3);
  EXPECT_EQ(log, (std::vector<QString>{"r MouseDown 3,3", "r Click", "r MouseUp 3,3", "r DblClick",
                                       "r MouseDown 3,3 double", "r MouseUp 3,3"}));
}

TEST_F(FlowFixture, APostedMessageArrivesAfterTheHandlerReturns) {
  focused->OnClick = [&](TObject*) {
    PostMessage(focused, kProbeMessage, 7, 0);
    log.push_back("handler done");
  };
  MouseClick(focused, 5, 5);
  EXPECT_EQ(log, (std::vector<QString>{"r MouseDown 5,5", "r Click", "handler done", "r MouseUp 5,5"}));
  ProcessEvents();
  EXPECT_EQ(log.back(), "r posted 7");
  EXPECT_EQ(RegisterWindowMessage("probemessage"), kProbeMessage);
  EXPECT_GE(kProbeMessage, 0xC000u);
  EXPECT_NE(RegisterWindowMessage("GridEditDone"), kProbeMessage);

  // A message posted to a control freed before it arrives is dropped.
  PostMessage(other, kProbeMessage, 8, 0);
  delete other;
  ProcessEvents();
  EXPECT_EQ(log.back(), "r posted 7");
}

TEST_F(FlowFixture, SentMessagesRunTheHandlersAtOnce) {
  SendMessage(focused, kProbeMessage, 3, 0);
  EXPECT_EQ(log, (std::vector<QString>{"r posted 3"}));
}

TEST_F(FlowFixture, AnExceptionInAHandlerEndsInAnErrorBox) {
  ScriptedUi ui;
  ui.ExpectMessage("Broken row", mrOk, mtError);
  focused->OnClick = [](TObject*) { throw EConvertError("Broken row"); };
  MouseClick(focused, 5, 5);
  EXPECT_EQ(ui.Pending(), 0);
}

TEST(EditKeys, KeyPressDecidesWhatIsInserted) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->OnKeyPress = [](TObject*, QChar& key) {
    if (key == u'x') key = QChar();
    if (key == u'a') key = u'b';
  };
  for (int k : {Qt::Key_A, Qt::Key_X, Qt::Key_C}) PressKey(edit, k);
  EXPECT_EQ(edit->Text(), "bc");
  EXPECT_EQ(changes, 2);

  PressKey(edit, Qt::Key_Left);  // keys without a character act at key-down
  PressKey(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "c");

  edit->SetText("set in code");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(edit->Caption(), "set in code");
}

}  // namespace
