// The combo box's notifications: a user's choice, typing and changes in code are
// told apart, the parent sees each as WM_COMMAND before the combo handles it, and
// the list's opening and closing frame its life.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QWidget>

#include "platform/ui/form.h"
#include "platform/ui/list_controls.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class TNotifiedPanel : public TCustomControl {
public:
  explicit TNotifiedPanel(TComponent* owner) : TCustomControl(owner) {}
  std::vector<int> codes;

protected:
  void WMCommand(TMessage& m) override {
    codes.push_back(NotifyCode(m.WParam));
    TCustomControl::WMCommand(m);
  }
};

struct ComboFixture : ::testing::Test {
  ComboFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 200);
    panel = new TNotifiedPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 300, 200);
    combo = new TComboBox(form);
    combo->SetParent(panel);
    for (const char* s : {"Bool", "Int8", "Int16"}) combo->Items()->AddObject(s, &tags[combo->Items()->Count()]);
    combo->OnChange = [this](TObject*) { log.push_back("change " + combo->Text()); };
    combo->OnSelect = [this](TObject*) { log.push_back("select " + combo->Text()); };
    combo->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    combo->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
  }
  ~ComboFixture() override { delete form; }
  void Wheel(int delta) {
    QWheelEvent e(QPointF(5, 5), combo->Widget()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo->Widget(), &e);
  }
  TObject tags[3];
  TForm* form;
  TNotifiedPanel* panel;
  TComboBox* combo;
  std::vector<QString> log;
};

TEST_F(ComboFixture, CodeChangesRaiseNothing) {
  combo->SetItemIndex(1);
  combo->SetText("Int16");
  combo->Items()->Add("UInt8");
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(panel->codes.empty());
  EXPECT_EQ(combo->Items()->Objects(1), &tags[1]);
}

TEST_F(ComboFixture, ListStyleUserChoiceByKeysAndWheel) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  PressKey(combo, Qt::Key_Down);
  Wheel(-120);  // towards the user: the next item
  Wheel(-120);  // past the last: nothing
  Wheel(120);
  EXPECT_EQ(log, (std::vector<QString>{"select Int8", "select Int16", "select Int8"}));
  EXPECT_EQ(panel->codes, (std::vector<int>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, WithoutOnSelectAChoiceRaisesOnChange) {
  combo->OnSelect = nullptr;
  int clicks = 0;
  combo->OnClick = [&](TObject*) { ++clicks; };
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  PressKey(combo, Qt::Key_Down);
  EXPECT_EQ(log, std::vector<QString>{"change Int8"});
  EXPECT_EQ(clicks, 1);
}

TEST_F(ComboFixture, TypingIsAnEditChangeAndLeavesNoItemChosen) {
  combo->SetItemIndex(1);
  combo->SetSelStart(4);
  PressKey(combo, Qt::Key_X);
  EXPECT_EQ(log, std::vector<QString>{"change Int8x"});
  EXPECT_EQ(panel->codes, std::vector<int>{CBN_EDITCHANGE});
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "Int8x");
  EXPECT_EQ(combo->CaretPos(), 5);
  combo->SetSelStart(1);
  combo->SetSelLength(3);
  EXPECT_EQ(combo->SelText(), "nt8");
  PressKey(combo, Qt::Key_Down);  // a choice from the closed list starts at the first item
  EXPECT_EQ(log.back(), "select Bool");
  EXPECT_EQ(panel->codes.back(), CBN_SELCHANGE);
}

TEST_F(ComboFixture, KeysTypedIntoTheEditPartGoThroughTheCombo) {
  QLineEdit* part = static_cast<QComboBox*>(combo->Widget())->lineEdit();
  combo->OnKeyPress = [](TObject*, QChar& key) {
    if (key == u'a') key = u'b';
  };
  int keyDowns = 0;
  combo->OnKeyDown = [&](TObject*, int&, TShiftState) { ++keyDowns; };
  combo->SetText("");
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(part, &press);
  EXPECT_EQ(combo->Text(), "b");
  EXPECT_EQ(keyDowns, 1);
  EXPECT_EQ(log, std::vector<QString>{"change b"});
}

TEST_F(ComboFixture, OpeningAndClosingTheList) {
  form->Show();
  combo->SetDroppedWidth(200);
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->DroppedDown());
  combo->SetDroppedDown(false);
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(log, (std::vector<QString>{"dropdown", "closeup"}));
  EXPECT_EQ(panel->codes, (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP}));
  form->Hide();
}

}  // namespace
