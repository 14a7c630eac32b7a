// The custom editor link: which keys end the edit (the Want* wishes), Escape,
// a refused value reopening the link, the pop-up style with a form of each
// link's own, the change notifiers told of the edited cell, the control's Tab
// routed through the grid with goTabs, and the wide validation of a cell that
// holds packed wide text when the link's value is settled.
#include <gtest/gtest.h>

#include "grid/input/edit_link.h"
#include "platform/ui/popup_form.h"
#include "platform/ui/window_proc_hook.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

class TBoxLink : public TEditLink {
public:
  using TEditLink::TEditLink;
  TEdit* Box = nullptr;
  std::vector<QString>* Log = nullptr;
  TWinControl* GetEditControl() override { return Box; }
  void CreateEditor(TWinControl* AParent) override {
    if (Box && Box->Parent() == AParent) return;
    delete Box;
    Box = new TEdit(AParent);
    Box->SetParent(AParent);
    Box->OnKeyDown = [this](TObject* Sender, int& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
  }
  // Called from inside the control's own key event: the control only hides.
  void DestroyEditor() override {
    if (Box) Box->SetVisible(false);
  }
  QString GetEditorValue() override { return Box ? Box->Text() : QString(); }
  void SetEditorValue(const QString& Value) override {
    if (Box) Box->SetText(Value);
  }
};

struct EditLinkTest : ::testing::Test, EditGridFixture {
  EditLinkTest() : link(form) {
    grid->DefaultEditor = edCustom;
    grid->EditLink = &link;
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = v != refuse;
    };
    for (int c = 1; c < 5; ++c)
      for (int r = 1; r < 6; ++r) grid->SetCells(c, r, QString("%1%2").arg(c).arg(r));
  }
  TBoxLink link;
  QString refuse = "never";
};

TEST_F(EditLinkTest, TheWishesKeepKeysInTheControl) {
  struct Case {
    int key;
    bool TEditLink::*wish;
    bool wished;
    bool ends;
    int col, row;  // the cursor afterwards
  } cases[] = {
      {Qt::Key_Up, &TEditLink::WantKeyUpDown, true, false, 2, 2},
      {Qt::Key_Up, &TEditLink::WantKeyUpDown, false, true, 2, 1},
      {Qt::Key_Left, &TEditLink::WantKeyLeftRight, false, true, 1, 2},
      {Qt::Key_Right, &TEditLink::WantKeyLeftRight, true, false, 2, 2},
      {Qt::Key_Home, &TEditLink::WantKeyHomeEnd, false, false, 2, 2},  // Home is never the grid's
      {Qt::Key_End, &TEditLink::WantKeyHomeEnd, true, false, 2, 2},
      {Qt::Key_End, &TEditLink::WantKeyHomeEnd, false, true, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    link.*c.wish = c.wished;
    OpenAt(2, 2);
    ProcessEvents();
    ASSERT_NE(link.Box, nullptr);
    ASSERT_TRUE(link.Box->Visible());
    PressKey(link.Box, c.key);
    ProcessEvents();
    EXPECT_EQ(!grid->EditMode, c.ends);
    EXPECT_EQ(grid->Col(), c.col);
    EXPECT_EQ(grid->Row(), c.row);
    link.*c.wish = false;
    if (grid->EditMode) PressKey(link.Box, Qt::Key_Escape);
    ProcessEvents();
  }
}

TEST_F(EditLinkTest, EnterStoresEscapeRestoresARefusalReopens) {
  OpenAt(2, 2);
  link.Box->SetText("typed");
  PressKey(link.Box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(grid->Cells(2, 2), "typed");
  EXPECT_FALSE(grid->EditMode);
  OpenAt(3, 3);
  link.Box->SetText("dropped");
  PressKey(link.Box, Qt::Key_Escape);
  ProcessEvents();
  EXPECT_EQ(grid->Cells(3, 3), "33");
  refuse = "bad";
  OpenAt(4, 4);
  link.Box->SetText("bad");
  PressKey(link.Box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(grid->EditMode);
  EXPECT_TRUE(link.Box->Visible());
  EXPECT_EQ(grid->Cells(4, 4), "44");
  EXPECT_EQ(grid->Col(), 4);
  EXPECT_EQ(grid->Row(), 4);
}

TEST_F(EditLinkTest, EveryPopupLinkOwnsItsFormAndTheFocusMarkIsCleared) {
  link.EditStyle = esPopup;
  link.AutoPopupWidth = true;
  link.PopupHeight = 60;
  TBoxLink second(form);
  second.EditStyle = esPopup;
  second.PopupWidth = 90;
  second.PopupHeight = 40;
  OpenAt(2, 2);
  ProcessEvents();
  ASSERT_NE(link.PopupForm(), nullptr);
  const TRect r = grid->CellRect(2, 2);
  EXPECT_EQ(link.PopupForm()->Width(), r.Right - r.Left);
  EXPECT_EQ(link.Box->Parent(), link.PopupForm());
  link.Box->SetText("first");
  PressKey(link.Box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(grid->Cells(2, 2), "first");
  grid->EditLink = &second;
  OpenAt(3, 3);
  ProcessEvents();
  ASSERT_NE(second.PopupForm(), nullptr);
  EXPECT_NE(second.PopupForm(), link.PopupForm());
  EXPECT_NE(link.PopupForm(), nullptr);  // the first link's form lives on
  // The pop-up losing the activation stores the value and marks the focus
  // change, which the grid's next focus gain clears.
  second.Box->SetText("second");
  static_cast<TPopupForm*>(second.PopupForm())->ActivationChanged(false, false);
  ProcessEvents();
  EXPECT_EQ(grid->Cells(3, 3), "second");
  grid->SetFocus();
  ProcessEvents();
  EXPECT_FALSE(grid->InvokedFocusChange);
}

class TLogNotifier : public TGridChangeNotifier {
public:
  TLogNotifier(TComponent* AOwner, QString AName, std::vector<QString>* ALog)
      : TGridChangeNotifier(AOwner), Name(std::move(AName)), Log(ALog) {}
  void GridCellsChanged(TRect R) override { Log->push_back(QString("%1 %2,%3").arg(Name).arg(R.Left).arg(R.Top)); }
  QString Name;
  std::vector<QString>* Log;
};

TEST_F(EditLinkTest, AnEditedCellIsToldToTheFormThenToEveryNotifierInOrder) {
  std::vector<QString> changes;
  TLogNotifier second(nullptr, "second", &changes), first(nullptr, "first", &changes);
  grid->RegisterNotifier(&second);
  grid->RegisterNotifier(&first);
  grid->RegisterNotifier(&second);  // once only
  grid->OnCellsChanged = [&](TObject*, TRect R) { changes.push_back(QString("form %1,%2").arg(R.Left).arg(R.Top)); };
  OpenAt(3, 2);
  link.Box->SetText("new");
  PressKey(link.Box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(changes, (std::vector<QString>{"form 3,2", "second 3,2", "first 3,2"}));
  grid->UnRegisterNotifier(&second);
  OpenAt(3, 3);
  link.Box->SetText("newer");
  PressKey(link.Box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(changes.back(), "first 3,3");
  grid->UnRegisterNotifier(&first);
}

// While it edits, the link's control passes its messages through the grid: with
// goTabs it claims Tab, so Tab reaches the link's key protocol (and ends the
// edit, storing the value) instead of moving the focus; WantTabs keeps that
// Tab in the control. The routing ends with the edit.
TEST_F(EditLinkTest, GoTabsRoutesTheControlsTabThroughTheLink) {
  OpenAt(2, 2);
  ProcessEvents();
  ASSERT_NE(link.Box, nullptr);
  PressKey(link.Box, Qt::Key_Escape);
  bool tabSeen = false;
  const TKeyEvent protocol = link.Box->OnKeyDown;
  link.Box->OnKeyDown = [&](TObject* Sender, int& Key, TShiftState Shift) {
    if (Key == VK_TAB) tabSeen = true;
    protocol(Sender, Key, Shift);
  };
  struct Case {
    const char* what;
    bool goTabs, wantTabs;
    bool seen, open;
  } cases[] = {
      {"without goTabs Tab stays the form's (the focus moves on)", false, false, false, true},
      {"goTabs: the protocol ends the edit", true, false, true, false},
      {"goTabs and WantTabs: Tab stays in the control", true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    grid->SetOptions(c.goTabs ? grid->Options() + goTabs : grid->Options() - goTabs);
    link.WantTabs = c.wantTabs;
    grid->MoveTo(1, 1);  // the edit below starts afresh on its cell
    grid->SetCells(2, 2, "22");
    log.clear();
    OpenAt(2, 2);
    ProcessEvents();
    ASSERT_TRUE(link.Box->Focused());
    EXPECT_TRUE(HasWindowProcHook(link.Box));
    link.Box->SetText("typed");
    tabSeen = false;
    PressKey(link.Box, Qt::Key_Tab);
    ProcessEvents();
    EXPECT_EQ(tabSeen, c.seen);
    EXPECT_EQ(grid->EditMode, c.open);
    if (!c.open) {
      EXPECT_EQ(grid->Cells(2, 2), "typed");
      EXPECT_EQ(log, (std::vector<QString>{"validate 2,2 typed"}));
      EXPECT_FALSE(HasWindowProcHook(link.Box));
    } else {
      EXPECT_EQ(grid->Cells(2, 2), "22");
      EXPECT_TRUE(log.empty());
    }
    grid->SetFocus();
    ProcessEvents();
  }
}

// Packed wide text: "|\" and two characters per wide character, high byte first.
QString Packed(const QString& Text) {
  QString s = QStringLiteral("|\\");
  for (QChar ch : Text) {
    s += QChar(ch.unicode() >> 8);
    s += QChar(ch.unicode() & 0xFF);
  }
  return s;
}

// A link's value is settled by the grid's cell selection; a cell that holds
// packed wide text is validated there by OnCellValidateWide (real column,
// never OnCellValidate), with the footer recalculated first, the value written
// as it stands, and a refusal putting back the old text or the handler's.
TEST_F(EditLinkTest, AWideCellIsValidatedByTheWideEvent) {
  grid->HideColumn(1);  // display column 2 is real column 3
  std::vector<QString> changed;
  bool refuseWide = false;
  QString correction;
  grid->OnCellValidateWide = [&](TObject*, int c, int r, QString& v, bool& valid) {
    log.push_back(QString("wide %1,%2 %3").arg(c).arg(r).arg(v));
    valid = !refuseWide;
    if (!correction.isEmpty()) v = correction;
  };
  grid->OnCellsChanged = [&](TObject*, TRect R) { changed.push_back(QString("%1,%2").arg(R.Left).arg(R.Top)); };
  const QString old = Packed(QString::fromUtf16(u"\u0410\u0411"));
  const QString typed = Packed(QString::fromUtf16(u"\u0412"));
  const QString corrected = Packed(QString::fromUtf16(u"\u0413"));
  struct Case {
    const char* what;
    QString value;
    bool refused;
    QString correction;
    QString cell;
    bool validated, announced;
  } cases[] = {
      {"accepted", typed, false, "", typed, true, true},
      {"refused: the old text is back", typed, true, "", old, true, false},
      {"refused with a corrected value", typed, true, corrected, corrected, true, false},
      {"unchanged: nothing to validate", old, false, "", old, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    grid->MoveTo(1, 2);  // the edit below starts afresh on its cell
    grid->SetCells(3, 1, old);
    log.clear();
    changed.clear();
    refuseWide = c.refused;
    correction = c.correction;
    OpenAt(2, 1);
    ProcessEvents();
    ASSERT_TRUE(link.Box->Visible());
    link.Box->SetText(c.value);
    PressKey(link.Box, Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(grid->Cells(3, 1), c.cell);
    EXPECT_EQ(log, c.validated ? std::vector<QString>{"wide 3,1 " + c.value} : std::vector<QString>{});
    EXPECT_EQ(changed, c.announced ? std::vector<QString>{"3,1"} : std::vector<QString>{});
    refuseWide = false;
    correction.clear();
    if (grid->EditMode) {
      link.Box->SetFocus();
      PressKey(link.Box, Qt::Key_Escape);
      ProcessEvents();
    }
    grid->SetFocus();
    ProcessEvents();
  }
  EXPECT_TRUE(grid->Modified());
}

}  // namespace
