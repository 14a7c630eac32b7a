// Per settings object: which setters notify, and which fields Assign copies or
// leaves. Every Assign must raise nothing.
#include "grid/base/bands.h"
#include "grid/base/mouse_actions.h"
#include "grid/base/navigation.h"
#include "grid/base/search_footer.h"
#include "grid/base/sync_grid.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One row of a "setter notifies?" table: the action on a fresh object and how many
// notifications it must raise.
template <typename T>
struct NotifyRow {
  const char* setter;
  std::function<void(T&)> act;
  int notifications;
};

template <typename T>
void expectNotifications(const std::vector<NotifyRow<T>>& rows, const std::function<T*()>& make,
                         const std::function<void(T&, TNotifyEvent)>& hook) {
  for (const auto& row : rows) {
    std::unique_ptr<T> object(make());
    int count = 0;
    hook(*object, [&](TObject* sender) {
      EXPECT_EQ(sender, object.get()) << row.setter;
      ++count;
    });
    row.act(*object);
    EXPECT_EQ(count, row.notifications) << row.setter;
  }
}

// One row of an "Assign copies / leaves" table: a change that makes the source
// differ from a fresh object, and a comparison of the field.
template <typename T>
struct AssignRow {
  const char* field;
  std::function<void(T&)> change;
  std::function<bool(const T&, const T&)> same;
  bool copied;
};

template <typename T, typename V>
AssignRow<T> fieldRow(const char* name, V T::*member, V changed, bool copied) {
  return {name, [member, changed](T& t) { t.*member = changed; },
          [member](const T& a, const T& b) { return a.*member == b.*member; }, copied};
}

template <typename T, typename V>
AssignRow<T> propertyRow(const char* name, V (T::*getter)() const, void (T::*setter)(V), V changed, bool copied) {
  return {name, [setter, changed](T& t) { (t.*setter)(changed); },
          [getter](const T& a, const T& b) { return (a.*getter)() == (b.*getter)(); }, copied};
}

template <typename T, typename V>
AssignRow<T> propertyRow(const char* name, V (T::*getter)() const, void (T::*setter)(const V&), V changed,
                         bool copied) {
  return {name, [setter, changed](T& t) { (t.*setter)(changed); },
          [getter](const T& a, const T& b) { return (a.*getter)() == (b.*getter)(); }, copied};
}

template <typename T>
void expectAssign(const std::vector<AssignRow<T>>& rows, const std::function<T*()>& make,
                  const std::function<void(T&, TNotifyEvent)>& hook) {
  for (const auto& row : rows) {
    std::unique_ptr<T> fresh(make()), source(make()), target(make());
    row.change(*source);
    ASSERT_FALSE(row.same(*source, *fresh)) << row.field << ": the change must differ from the default";
    int notifications = 0;
    hook(*target, [&](TObject*) { ++notifications; });
    target->Assign(source.get());
    EXPECT_EQ(notifications, 0) << row.field;
    if (row.copied) EXPECT_TRUE(row.same(*target, *source)) << row.field << " should be copied";
    else EXPECT_TRUE(row.same(*target, *fresh)) << row.field << " should be left";
  }
}

// ---------------------------------------------------------------- TSearchFooter

using SF = TSearchFooter;
const std::function<SF*()> makeFooter = [] { return new SF(nullptr, false); };
const std::function<void(SF&, TNotifyEvent)> hookFooter = [](SF& f, TNotifyEvent e) { f.OnChange = std::move(e); };

TEST(SearchFooter, SetterNotifies) {
  const QString text = QStringLiteral("x");
  TFont bigFont;
  bigFont.SetSize(20);
  expectNotifications<SF>(
      {
          {"ShowFindPrev same", [](SF& f) { f.SetShowFindPrev(true); }, 0},
          {"ShowFindPrev changed", [](SF& f) { f.SetShowFindPrev(false); }, 1},
          {"ShowFindNext same", [](SF& f) { f.SetShowFindNext(true); }, 0},
          {"ShowFindNext changed", [](SF& f) { f.SetShowFindNext(false); }, 1},
          {"Visible same", [](SF& f) { f.SetVisible(false); }, 0},
          {"Visible changed", [](SF& f) { f.SetVisible(true); }, 1},
          {"ShowHighLight same", [](SF& f) { f.SetShowHighLight(true); }, 0},
          {"ShowHighLight changed", [](SF& f) { f.SetShowHighLight(false); }, 1},
          {"ShowMatchCase same", [](SF& f) { f.SetShowMatchCase(true); }, 0},
          {"ShowMatchCase changed", [](SF& f) { f.SetShowMatchCase(false); }, 1},
          {"Color same", [](SF& f) { f.SetColor(0xFFFFFF); }, 1},
          {"ColorTo same", [](SF& f) { f.SetColorTo(clBtnFace); }, 1},
          {"ShowClose same", [](SF& f) { f.SetShowClose(true); }, 1},
          {"AutoThemeAdapt same", [](SF& f) { f.SetAutoThemeAdapt(false); }, 1},
          {"FindNextCaption", [&](SF& f) { f.SetFindNextCaption(text); }, 1},
          {"FindPrevCaption", [&](SF& f) { f.SetFindPrevCaption(text); }, 1},
          {"MatchCaseCaption", [&](SF& f) { f.SetMatchCaseCaption(text); }, 1},
          {"HighLightCaption", [&](SF& f) { f.SetHighLightCaption(text); }, 1},
          {"HintClose", [&](SF& f) { f.SetHintClose(text); }, 1},
          {"HintFindPrev", [&](SF& f) { f.SetHintFindPrev(text); }, 1},
          {"HintFindNext", [&](SF& f) { f.SetHintFindNext(text); }, 1},
          {"HintHighlight", [&](SF& f) { f.SetHintHighlight(text); }, 1},
          {"Font", [&](SF& f) { f.SetFont(bigFont); }, 1},
          {"AutoSearch", [](SF& f) { f.AutoSearch = false; }, 0},
          {"SearchColumn", [](SF& f) { f.SearchColumn = 3; }, 0},
          {"SearchDirection", [](SF& f) { f.SearchDirection = sdLeftRight; }, 0},
      },
      makeFooter, hookFooter);
}

TEST(SearchFooter, AssignCopiesAndLeaves) {
  const QString t = QStringLiteral("t");
  expectAssign<SF>(
      {
          fieldRow<SF>("AlwaysHighLight", &SF::AlwaysHighLight, true, true),
          propertyRow<SF, TColor>("Color", &SF::Color, &SF::SetColor, clRed, true),
          propertyRow<SF, TColor>("ColorTo", &SF::ColorTo, &SF::SetColorTo, clRed, true),
          propertyRow<SF, QString>("FindNextCaption", &SF::FindNextCaption, &SF::SetFindNextCaption, t, true),
          propertyRow<SF, QString>("FindPrevCaption", &SF::FindPrevCaption, &SF::SetFindPrevCaption, t, true),
          propertyRow<SF, QString>("HighLightCaption", &SF::HighLightCaption, &SF::SetHighLightCaption, t, true),
          propertyRow<SF, QString>("HintClose", &SF::HintClose, &SF::SetHintClose, t, true),
          propertyRow<SF, QString>("HintFindNext", &SF::HintFindNext, &SF::SetHintFindNext, t, true),
          propertyRow<SF, QString>("HintFindPrev", &SF::HintFindPrev, &SF::SetHintFindPrev, t, true),
          propertyRow<SF, QString>("HintHighlight", &SF::HintHighlight, &SF::SetHintHighlight, t, true),
          propertyRow<SF, QString>("MatchCaseCaption", &SF::MatchCaseCaption, &SF::SetMatchCaseCaption, t, true),
          propertyRow<SF, bool>("ShowClose", &SF::ShowClose, &SF::SetShowClose, false, true),
          propertyRow<SF, bool>("ShowFindNext", &SF::ShowFindNext, &SF::SetShowFindNext, false, true),
          propertyRow<SF, bool>("ShowFindPrev", &SF::ShowFindPrev, &SF::SetShowFindPrev, false, true),
          propertyRow<SF, bool>("ShowHighLight", &SF::ShowHighLight, &SF::SetShowHighLight, false, true),
          propertyRow<SF, bool>("ShowMatchCase", &SF::ShowMatchCase, &SF::SetShowMatchCase, false, true),
          fieldRow<SF>("SearchActiveColumnOnly", &SF::SearchActiveColumnOnly, true, true),
          fieldRow<SF>("SearchMatchStart", &SF::SearchMatchStart, true, true),
          fieldRow<SF>("SearchColumn", &SF::SearchColumn, 4, true),
          fieldRow<SF>("SearchDirection", &SF::SearchDirection, sdLeftRight, true),
          fieldRow<SF>("SearchHiddenRows", &SF::SearchHiddenRows, true, true),
          propertyRow<SF, bool>("Visible", &SF::Visible, &SF::SetVisible, true, true),
          {"Font", [](SF& f) { f.Font().SetSize(21); },
           [](const SF& a, const SF& b) { return a.Font().SameAs(b.Font()); }, true},
          fieldRow<SF>("AutoSearch", &SF::AutoSearch, false, false),
          propertyRow<SF, bool>("AutoThemeAdapt", &SF::AutoThemeAdapt, &SF::SetAutoThemeAdapt, true, false),
          fieldRow<SF>("SearchFixedCells", &SF::SearchFixedCells, true, false),
          fieldRow<SF>("LastSearch", &SF::LastSearch, t, false),
      },
      makeFooter, hookFooter);
}

TEST(SearchFooter, DefaultsAtRunTimeAndInTheDesigner) {
  const SF runTime(nullptr, false);
  EXPECT_EQ(runTime.FindNextCaption(), QString());
  EXPECT_EQ(runTime.HintHighlight(), QString());
  EXPECT_EQ(runTime.Color(), 0xFFFFFF);
  EXPECT_EQ(runTime.ColorTo(), clBtnFace);
  EXPECT_EQ(runTime.SearchColumn, -1);
  EXPECT_TRUE(runTime.AutoSearch);
  EXPECT_FALSE(runTime.Visible());

  const SF designed(nullptr, true);
  const struct {
    QString value;
    const char* expected;
  } texts[] = {
      {designed.FindNextCaption(), "Find &next"},          {designed.FindPrevCaption(), "Find &previous"},
      {designed.MatchCaseCaption(), "Match case"},         {designed.HighLightCaption(), "Highlight"},
      {designed.HintClose(), "Close"},                     {designed.HintFindNext(), "Find next occurrence"},
      {designed.HintFindPrev(), "Find previous occurrence"}, {designed.HintHighlight(), "Highlight occurrences"},
  };
  for (const auto& t : texts) EXPECT_EQ(t.value, QString::fromUtf8(t.expected));
}

TEST(SearchFooter, AssignFromAnotherClassDoesNothing) {
  SF footer(nullptr, true);
  TBands bands;
  footer.Assign(&bands);
  EXPECT_EQ(footer.FindNextCaption(), QStringLiteral("Find &next"));
}

// ---------------------------------------------------------------- TNavigation

using NV = TNavigation;
const std::function<NV*()> makeNavigation = [] { return new NV; };
const std::function<void(NV&, TNotifyEvent)> hookNavigation = [](NV& n, TNotifyEvent e) { n.OnChange = std::move(e); };

TEST(Navigation, SetterNotifies) {
  expectNotifications<NV>(
      {
          {"AdvanceDirection same", [](NV& n) { n.SetAdvanceDirection(adLeftRight); }, 0},
          {"AdvanceDirection changed", [](NV& n) { n.SetAdvanceDirection(adTopBottom); }, 1},
          {"AdvanceInsert same", [](NV& n) { n.SetAdvanceInsert(false); }, 0},
          {"AdvanceInsert changed", [](NV& n) { n.SetAdvanceInsert(true); }, 1},
          {"AdvanceAuto changed", [](NV& n) { n.SetAdvanceAuto(true); }, 0},
          {"AllowInsertRow", [](NV& n) { n.AllowInsertRow = true; }, 0},
      },
      makeNavigation, hookNavigation);
}

TEST(Navigation, AdvanceAutoSwitchesAdvanceOnEnterOn) {
  NV n;
  n.SetAdvanceAuto(true);
  EXPECT_TRUE(n.AdvanceAuto());
  EXPECT_TRUE(n.AdvanceOnEnter);
  n.SetAdvanceAuto(false);
  EXPECT_TRUE(n.AdvanceOnEnter);
}

TEST(Navigation, AssignCopiesEverythingButKeepScrollOnSort) {
  expectAssign<NV>(
      {
          fieldRow<NV>("AllowInsertRow", &NV::AllowInsertRow, true, true),
          fieldRow<NV>("AllowDeleteRow", &NV::AllowDeleteRow, true, true),
          fieldRow<NV>("AdvanceOnEnter", &NV::AdvanceOnEnter, true, true),
          propertyRow<NV, bool>("AdvanceInsert", &NV::AdvanceInsert, &NV::SetAdvanceInsert, true, true),
          fieldRow<NV>("AutoGotoWhenSorted", &NV::AutoGotoWhenSorted, true, true),
          fieldRow<NV>("AutoGotoIncremental", &NV::AutoGotoIncremental, true, true),
          fieldRow<NV>("AutoComboDropSize", &NV::AutoComboDropSize, true, true),
          fieldRow<NV>("AllowClipboardShortCuts", &NV::AllowClipboardShortCuts, true, true),
          fieldRow<NV>("AllowRTFClipboard", &NV::AllowRTFClipboard, true, true),
          fieldRow<NV>("AllowSmartClipboard", &NV::AllowSmartClipboard, true, true),
          fieldRow<NV>("AllowClipboardAlways", &NV::AllowClipboardAlways, true, true),
          fieldRow<NV>("AllowClipboardColGrow", &NV::AllowClipboardColGrow, false, true),
          fieldRow<NV>("AllowClipboardRowGrow", &NV::AllowClipboardRowGrow, false, true),
          fieldRow<NV>("ClipboardPasteAction", &NV::ClipboardPasteAction, paInsert, true),
          fieldRow<NV>("CopyHTMLTagsToClipboard", &NV::CopyHTMLTagsToClipboard, false, true),
          propertyRow<NV, TAdvanceDirection>("AdvanceDirection", &NV::AdvanceDirection, &NV::SetAdvanceDirection,
                                             adTopBottomInCol, true),
          propertyRow<NV, bool>("AdvanceAuto", &NV::AdvanceAuto, &NV::SetAdvanceAuto, true, true),
          fieldRow<NV>("AdvanceAutoEdit", &NV::AdvanceAutoEdit, false, true),
          fieldRow<NV>("CursorWalkEditor", &NV::CursorWalkEditor, true, true),
          fieldRow<NV>("CursorWalkAlwaysEdit", &NV::CursorWalkAlwaysEdit, false, true),
          fieldRow<NV>("MoveRowOnSort", &NV::MoveRowOnSort, true, true),
          fieldRow<NV>("ImproveMaskSel", &NV::ImproveMaskSel, true, true),
          fieldRow<NV>("AlwaysEdit", &NV::AlwaysEdit, true, true),
          fieldRow<NV>("InsertPosition", &NV::InsertPosition, pInsertAfter, true),
          fieldRow<NV>("LineFeedOnEnter", &NV::LineFeedOnEnter, true, true),
          fieldRow<NV>("HomeEndKey", &NV::HomeEndKey, heFirstLastCell, true),
          fieldRow<NV>("KeepHorizScroll", &NV::KeepHorizScroll, true, true),
          fieldRow<NV>("AllowFmtClipboard", &NV::AllowFmtClipboard, true, true),
          fieldRow<NV>("TabToNextAtEnd", &NV::TabToNextAtEnd, true, true),
          fieldRow<NV>("EditSelectAll", &NV::EditSelectAll, false, true),
          fieldRow<NV>("TabAdvanceDirection", &NV::TabAdvanceDirection, adTopBottom, true),
          fieldRow<NV>("SkipFixedCells", &NV::SkipFixedCells, false, true),
          fieldRow<NV>("SkipDisabledRows", &NV::SkipDisabledRows, false, true),
          fieldRow<NV>("AllowCtrlEnter", &NV::AllowCtrlEnter, false, true),
          fieldRow<NV>("AppendOnArrowDown", &NV::AppendOnArrowDown, true, true),
          fieldRow<NV>("LeftRightRowSelect", &NV::LeftRightRowSelect, false, true),
          fieldRow<NV>("MoveScrollOnly", &NV::MoveScrollOnly, true, true),
          fieldRow<NV>("ComboGetUpDown", &NV::ComboGetUpDown, false, true),
          fieldRow<NV>("AdvanceOnEnterLoop", &NV::AdvanceOnEnterLoop, false, true),
          fieldRow<NV>("CursorAdvance", &NV::CursorAdvance, caSnake, true),
          fieldRow<NV>("AdvanceSkipReadOnlyCells", &NV::AdvanceSkipReadOnlyCells, false, true),
          fieldRow<NV>("CursorMoveRows", &NV::CursorMoveRows, true, true),
          fieldRow<NV>("KeepScrollOnSort", &NV::KeepScrollOnSort, true, false),
      },
      makeNavigation, hookNavigation);
}

TEST(Navigation, AssignKeepsItsOwnOnChange) {
  NV source, target;
  int sourceCalls = 0, targetCalls = 0;
  source.OnChange = [&](TObject*) { ++sourceCalls; };
  target.OnChange = [&](TObject*) { ++targetCalls; };
  target.Assign(&source);
  target.SetAdvanceInsert(true);
  EXPECT_EQ(targetCalls, 1);
  EXPECT_EQ(sourceCalls, 0);
}

// ---------------------------------------------------------------- TMouseActions

using MA = TMouseActions;
const std::function<MA*()> makeMouse = [] { return new MA(nullptr); };
const std::function<void(MA&, TNotifyEvent)> hookMouseChange = [](MA& m, TNotifyEvent e) { m.OnChange = std::move(e); };

TEST(MouseActions, SetterNotifies) {
  expectNotifications<MA>(
      {
          {"WheelAction same", [](MA& m) { m.SetWheelAction(waMoveSelection); }, 0},
          {"WheelAction changed", [](MA& m) { m.SetWheelAction(waScroll); }, 1},
          {"HotmailRowSelect", [](MA& m) { m.SetHotmailRowSelect(true); }, 0},
          {"DisjunctRowSelect", [](MA& m) { m.SetDisjunctRowSelect(true); }, 0},
          {"RowSelect", [](MA& m) { m.RowSelect = true; }, 0},
      },
      makeMouse, hookMouseChange);
  // OnInvalidate: HotmailRowSelect raises it on every assignment.
  expectNotifications<MA>(
      {
          {"HotmailRowSelect on", [](MA& m) { m.SetHotmailRowSelect(true); }, 1},
          {"HotmailRowSelect same (off)", [](MA& m) { m.SetHotmailRowSelect(false); }, 1},
          {"WheelAction changed", [](MA& m) { m.SetWheelAction(waScroll); }, 0},
      },
      makeMouse, [](MA& m, TNotifyEvent e) { m.OnInvalidate = std::move(e); });
  // OnDisableEdit: EditOnDblClickOnly switched on.
  expectNotifications<MA>(
      {
          {"EditOnDblClickOnly on", [](MA& m) { m.SetEditOnDblClickOnly(true); }, 1},
          {"EditOnDblClickOnly off", [](MA& m) { m.SetEditOnDblClickOnly(false); }, 0},
      },
      makeMouse, [](MA& m, TNotifyEvent e) { m.OnDisableEdit = std::move(e); });
}

TEST(MouseActions, DisjunctFlagsExcludeEachOtherOnlyInTheDesigner) {
  struct Flag {
    const char* name;
    void (MA::*set)(bool);
    bool (MA::*get)() const;
  };
  const Flag flags[] = {{"Row", &MA::SetDisjunctRowSelect, &MA::DisjunctRowSelect},
                        {"Col", &MA::SetDisjunctColSelect, &MA::DisjunctColSelect},
                        {"Cell", &MA::SetDisjunctCellSelect, &MA::DisjunctCellSelect}};
  for (bool designing : {false, true}) {
    for (const Flag& on : flags) {
      // All three on at run time, then this one switched on again.
      MA m;
      for (const Flag& f : flags) (m.*f.set)(true);
      if (designing) m.OnIsDesigning = [](TObject*, bool& d) { d = true; };
      (m.*on.set)(true);
      for (const Flag& f : flags) {
        const bool expected = &f == &on || !designing;
        EXPECT_EQ((m.*f.get)(), expected) << on.name << " on, designing=" << designing << ": " << f.name;
      }
    }
  }
  // A designing handler answering false counts as run time.
  MA m;
  m.SetDisjunctRowSelect(true);
  m.OnIsDesigning = [](TObject*, bool& d) { d = false; };
  m.SetDisjunctColSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect());
}

TEST(MouseActions, HotmailRowSelectSetsTwoFlagsThatStay) {
  MA m;
  m.SetHotmailRowSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.CheckAllCheck);
  m.SetHotmailRowSelect(false);
  EXPECT_FALSE(m.HotmailRowSelect());
  EXPECT_TRUE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.CheckAllCheck);
}

TEST(MouseActions, AssignCopiesAndLeaves) {
  TStringList values;
  values.Add(QStringLiteral("a"));
  expectAssign<MA>(
      {
          fieldRow<MA>("AllColumnSize", &MA::AllColumnSize, true, true),
          fieldRow<MA>("AllRowSize", &MA::AllRowSize, true, true),
          fieldRow<MA>("AllSelect", &MA::AllSelect, true, true),
          fieldRow<MA>("AutoSizeColOnDblClick", &MA::AutoSizeColOnDblClick, false, true),
          fieldRow<MA>("CaretPositioning", &MA::CaretPositioning, true, true),
          fieldRow<MA>("CheckAllCheck", &MA::CheckAllCheck, true, true),
          fieldRow<MA>("ColSelect", &MA::ColSelect, true, true),
          fieldRow<MA>("DirectComboClose", &MA::DirectComboClose, true, true),
          fieldRow<MA>("DirectComboDrop", &MA::DirectComboDrop, true, true),
          fieldRow<MA>("DirectDateClose", &MA::DirectDateClose, true, true),
          fieldRow<MA>("DirectDateDrop", &MA::DirectDateDrop, true, true),
          fieldRow<MA>("DirectEdit", &MA::DirectEdit, true, true),
          propertyRow<MA, bool>("DisjunctRowSelect", &MA::DisjunctRowSelect, &MA::SetDisjunctRowSelect, true, true),
          propertyRow<MA, bool>("DisjunctColSelect", &MA::DisjunctColSelect, &MA::SetDisjunctColSelect, true, true),
          propertyRow<MA, bool>("DisjunctCellSelect", &MA::DisjunctCellSelect, &MA::SetDisjunctCellSelect, true, true),
          fieldRow<MA>("FixedRowsEdit", &MA::FixedRowsEdit, fceDblClick, true),
          fieldRow<MA>("FixedColsEdit", &MA::FixedColsEdit, fceRightClick, true),
          fieldRow<MA>("FixedColsEditor", &MA::FixedColsEditor, fceComboList, true),
          fieldRow<MA>("FixedRowsEditor", &MA::FixedRowsEditor, fceComboEdit, true),
          fieldRow<MA>("MoveRowOnNodeClick", &MA::MoveRowOnNodeClick, true, true),
          fieldRow<MA>("NoAutoRangeScroll", &MA::NoAutoRangeScroll, true, true),
          fieldRow<MA>("NodeAllExpandContract", &MA::NodeAllExpandContract, true, true),
          fieldRow<MA>("NoScrollOnPartialRow", &MA::NoScrollOnPartialRow, true, true),
          fieldRow<MA>("PreciseCheckBoxCheck", &MA::PreciseCheckBoxCheck, true, true),
          fieldRow<MA>("PreciseNodeClick", &MA::PreciseNodeClick, false, true),
          fieldRow<MA>("RangeSelectAndEdit", &MA::RangeSelectAndEdit, true, true),
          fieldRow<MA>("RowSelect", &MA::RowSelect, true, true),
          fieldRow<MA>("RowSelectPersistent", &MA::RowSelectPersistent, true, true),
          fieldRow<MA>("SelectOnRightClick", &MA::SelectOnRightClick, true, true),
          fieldRow<MA>("SizeFixedCol", &MA::SizeFixedCol, true, true),
          fieldRow<MA>("WheelIncrement", &MA::WheelIncrement, 3, true),
          propertyRow<MA, TWheelAction>("WheelAction", &MA::WheelAction, &MA::SetWheelAction, waScroll, true),
          fieldRow<MA>("DisjunctRowSelectNoCtrl", &MA::DisjunctRowSelectNoCtrl, true, true),
          fieldRow<MA>("SizeFixedRow", &MA::SizeFixedRow, true, false),
          {"HotmailRowSelect", [](MA& m) { m.SetHotmailRowSelect(true); },
           [](const MA& a, const MA& b) { return a.HotmailRowSelect() == b.HotmailRowSelect(); }, false},
          propertyRow<MA, bool>("EditOnDblClickOnly", &MA::EditOnDblClickOnly, &MA::SetEditOnDblClickOnly, true, false),
          {"FixedComboValues", [&](MA& m) { m.SetFixedComboValues(values); },
           [](const MA& a, const MA& b) { return a.FixedComboValues().Count() == b.FixedComboValues().Count(); },
           false},
      },
      makeMouse, hookMouseChange);
}

TEST(MouseActions, FixedComboValuesIsACopy) {
  TStringList values;
  values.Add(QStringLiteral("a"));
  MA m;
  m.SetFixedComboValues(values);
  values.Add(QStringLiteral("b"));
  EXPECT_EQ(m.FixedComboValues().Count(), 1);
}

// ---------------------------------------------------------------- TSyncGrid and TBands

TEST(SyncGrid, OwnerGridIsRefusedAndAssignCopiesEverything) {
  auto* owner = reinterpret_cast<TStringGrid*>(0x1000);
  auto* other = reinterpret_cast<TStringGrid*>(0x2000);
  TSyncGrid sync(owner);
  sync.SetGrid(owner);
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(other);
  EXPECT_EQ(sync.Grid(), other);

  TSyncGrid source(other);
  source.SetGrid(owner);
  source.ScrollHorizontal = source.ScrollVertical = source.SelectionRow = true;
  source.SelectionColumn = source.MoveRow = source.MoveColumn = true;
  TSyncGrid target(owner);
  target.Assign(&source);
  EXPECT_EQ(target.Grid(), nullptr);  // through the setter: its own owner is refused
  EXPECT_TRUE(target.ScrollHorizontal && target.ScrollVertical && target.SelectionRow && target.SelectionColumn &&
              target.MoveRow && target.MoveColumn);
  TSyncGrid third(nullptr);
  third.Assign(&source);
  EXPECT_EQ(third.Grid(), owner);
}

using BD = TBands;
const std::function<BD*()> makeBands = [] { return new BD; };
const std::function<void(BD&, TNotifyEvent)> hookBands = [](BD& b, TNotifyEvent e) { b.OnChange = std::move(e); };

TEST(Bands, SetterNotifies) {
  expectNotifications<BD>(
      {
          {"Active same", [](BD& b) { b.SetActive(false); }, 0},
          {"Active changed", [](BD& b) { b.SetActive(true); }, 1},
          {"PrimaryColor while inactive", [](BD& b) { b.SetPrimaryColor(clRed); }, 0},
          {"SecondaryColor while inactive", [](BD& b) { b.SetSecondaryColor(clRed); }, 0},
          {"PrimaryLength while inactive", [](BD& b) { b.SetPrimaryLength(3); }, 0},
          {"SecondaryLength while inactive", [](BD& b) { b.SetSecondaryLength(3); }, 0},
          {"PrimaryColor while active",
           [](BD& b) {
             b.SetActive(true);
             b.SetPrimaryColor(clRed);
           },
           2},
          {"PrimaryColor same while active",
           [](BD& b) {
             b.SetActive(true);
             b.SetPrimaryColor(clInfoBk);
           },
           1},
          {"SecondaryColor while active",
           [](BD& b) {
             b.SetActive(true);
             b.SetSecondaryColor(clRed);
           },
           2},
          {"PrimaryLength while active",
           [](BD& b) {
             b.SetActive(true);
             b.SetPrimaryLength(4);
           },
           2},
          {"SecondaryLength same while active",
           [](BD& b) {
             b.SetActive(true);
             b.SetSecondaryLength(1);
           },
           1},
          {"Print", [](BD& b) { b.Print = true; }, 0},
      },
      makeBands, hookBands);
}

TEST(Bands, ColourSetWhileInactiveNotifiesOnceWhenActivated) {
  BD b;
  int count = 0;
  b.OnChange = [&](TObject*) { ++count; };
  b.SetPrimaryColor(clYellow);
  EXPECT_EQ(b.PrimaryColor(), clYellow);
  EXPECT_EQ(count, 0);
  b.SetActive(true);
  EXPECT_EQ(count, 1);
}

TEST(Bands, TotalLengthFollowsTheLengthsAlsoAfterAssign) {
  BD b;
  EXPECT_EQ(b.TotalLength(), 2);
  b.SetPrimaryLength(3);
  b.SetSecondaryLength(2);
  EXPECT_EQ(b.TotalLength(), 5);
  BD copy;
  copy.Assign(&b);
  EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(Bands, AssignCopiesAndLeaves) {
  expectAssign<BD>(
      {
          propertyRow<BD, bool>("Active", &BD::Active, &BD::SetActive, true, true),
          propertyRow<BD, TColor>("PrimaryColor", &BD::PrimaryColor, &BD::SetPrimaryColor, clRed, true),
          propertyRow<BD, TColor>("SecondaryColor", &BD::SecondaryColor, &BD::SetSecondaryColor, clRed, true),
          propertyRow<BD, int>("PrimaryLength", &BD::PrimaryLength, &BD::SetPrimaryLength, 4, true),
          propertyRow<BD, int>("SecondaryLength", &BD::SecondaryLength, &BD::SetSecondaryLength, 4, true),
          fieldRow<BD>("Print", &BD::Print, true, true),
      },
      makeBands, hookBands);
}

}  // namespace
