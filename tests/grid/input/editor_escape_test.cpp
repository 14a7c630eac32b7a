// Escape after typing leaves the cell exactly as it was, for every editor kind
// a column can ask for: the text kinds, the combos and spins, the date, time
// and date-time pickers (a cell that holds no date never gets today's date),
// the edit-button and unit editors (the unit is never doubled), the custom
// editor link, the drop-down editors and the rich edit.
#include <gtest/gtest.h>

#include "grid/input/edit_link.h"
#include "grid/input/grid_edit_btn.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

// A link whose control is a plain edit in the cell.
class TEditBoxLink : public TEditLink {
public:
  using TEditLink::TEditLink;
  TEdit* Box = nullptr;
  TWinControl* GetEditControl() override { return Box; }
  void CreateEditor(TWinControl* AParent) override {
    if (Box) return;
    Box = new TEdit(AParent);
    Box->SetParent(AParent);
    Box->OnKeyDown = [this](TObject* Sender, int& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
  }
  QString GetEditorValue() override { return Box ? Box->Text() : QString(); }
  void SetEditorValue(const QString& Value) override {
    if (Box) Box->SetText(Value);
  }
};

TEST(EditorEscape, EveryKindLeavesTheCellAsItWas) {
  struct Case {
    TEditorType kind;
    const char* initial;
  } cases[] = {
      {edNormal, "abc"},         {edNumeric, "5"},           {edFloat, "1.5"},           {edUpperCase, "AB"},
      {edPassword, "pw"},        {edComboEdit, "x"},         {edComboList, "not listed"}, {edSpinEdit, ""},
      {edFloatSpinEdit, "n/a"},  {edTimeSpinEdit, "10:00"},  {edDateSpinEdit, "not a date"},
      {edEditBtn, "e"},          {edNumericEditBtn, "3"},    {edFloatEditBtn, "2.5"},     {edMaskEditBtn, "12"},
      {edUnitEditBtn, "12mm"},   {edNumericUnitEditBtn, "12m"}, {edFloatUnitEditBtn, "1.5mm"},
      {edDateEdit, "not a date"}, {edDateEditUpDown, ""},    {edTimeEdit, "later"},      {edDateTimeEdit, "soon"},
      {edCustom, "linked"},      {edTrackbarDropDown, "4"},  {edMemoDropDown, "memo"},   {edCalculatorDropDown, "8"},
      {edTimePickerDropDown, "noon"}, {edDetailDropDown, "d"}, {edGridDropDown, "g"},   {edColorPickerDropDown, "blue"},
      {edImagePickerDropDown, "pic"}, {edExGridDropDown, "eg"}, {edRichEdit, "rich"},
      {edRichEdit, "{\\rtf1 H\\dn4 2\\dn0 O}"},
  };
  EditGridFixture f;
  TEditBoxLink link(f.form);
  f.grid->EditLink = &link;
  f.grid->AddComboString("listed");
  f.grid->UnitEditor()->Units()->Add("m");
  f.grid->UnitEditor()->Units()->Add("mm");
  TEditorType kind = edNormal;
  f.grid->OnGetEditorType = [&](TObject*, int, int, TEditorType& e) { e = kind; };
  std::vector<QString> written;
  f.grid->OnCellValidate = [&](TObject*, int, int, QString& v, bool&) { written.push_back(v); };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    kind = c.kind;
    if (kind == edCustom) f.grid->EditLink = &link;  // a column grid would take the column's link
    f.grid->SetCells(2, 2, c.initial);
    f.OpenAt(2, 2);
    ProcessEvents();
    TWinControl* active = f.form->ActiveControl();
    ASSERT_NE(active, nullptr);
    ASSERT_NE(active, f.grid) << "no editor opened";
    f.Type(active, "12");
    PressKey(active, Qt::Key_Escape);
    ProcessEvents();
    EXPECT_EQ(f.grid->Cells(2, 2), c.initial);
    EXPECT_FALSE(f.grid->EditMode);
    f.grid->SetFocus();
    ProcessEvents();
  }
}

}  // namespace
