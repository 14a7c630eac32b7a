// A window with a grid that has one column per editor kind, for editing it on
// a real display as a user would (scripted input, screenshots). Skipped unless
// EDITORS_SESSION_SECONDS is set; then the window stays up for that many
// seconds; a file "request" put into the folder EDITORS_SESSION_SHOTS asks for
// a picture of the screen, saved there under the name the file holds; at the
// end the cell texts are written to EDITORS_SESSION_OUT when that names a file.
// A second test drives the same window with the toolkit's own input events and
// takes a picture of each editor open (EDITORS_SESSION_PICTURES).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/input/edit_link.h"
#include "grid/input/grid_drop_down_editors.h"
#include "grid/input/grid_edit_btn.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/date_time_picker.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
#include "tests/support/ui_input.h"

namespace {

class TSessionLink : public TEditLink {
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

// The grid the session edits: one column per editor kind, two rows of values,
// the CONTROL tags in row 3.
class TSessionGrid : public TExStringGrid {
public:
  using TExStringGrid::TExStringGrid;
  void MoveTo(int ACol, int ARow) { TStringGrid::FocusCell(ACol, ARow, true); }
  using TExStringGrid::EditMode;
  using TExStringGrid::ShowInplaceEdit;
};

struct SessionColumn {
  TEditorType kind;
  const char* title;
  const char* value;
};

const SessionColumn kColumns[] = {
    {edNormal, "text", "plain"},        {edComboList, "combo list", "one"},  {edSpinEdit, "spin", "5"},
    {edDateEdit, "date", "12/03/2024"}, {edTimeEdit, "time", "10:20:00"},   {edDateTimeEdit, "date time", ""},
    {edEditBtn, "edit button", "abc"},  {edUnitEditBtn, "unit", "12mm"},     {edCustom, "custom link", "linked"},
    {edTrackbarDropDown, "track bar", "3"}, {edMemoDropDown, "memo", "memo"}, {edCalculatorDropDown, "calculator", "2"},
    {edTimePickerDropDown, "time picker", "08:00:00"}, {edColorPickerDropDown, "colour", ""},
    {edExGridDropDown, "grid list", "two"}, {edRichEdit, "rich text", "{\\rtf1 H\\dn4 2\\dn0 O}"},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

struct SessionWindow {
  SessionWindow() : link(&form) {
    // Dates as the sample values write them, whatever the machine's locale.
    TFormatSettings fs = FormatSettings();
    fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    fs.DateSeparator = u'/';
    SetFormatSettings(fs);
    form.SetCaption(QStringLiteral("Editors"));
    form.SetBounds(20, 20, 1400, 300);
    grid = new TSessionGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 1400, 300);
    grid->SetColCount(kColumnCount + 1);
    grid->SetRowCount(4);
    grid->SetDefaultColWidth(84);
    grid->SetOptions(grid->Options() + goEditing);
    grid->MouseActions()->FixedRowsEdit = fceDblClick;
    grid->AddComboString("one");
    grid->AddComboString("two");
    grid->UnitEditor()->Units()->Add("m");
    grid->UnitEditor()->Units()->Add("mm");
    grid->OnEllipsClick = [](TObject*, int, int, QString& s) { s = s + "!"; };
    grid->EditLink = &link;
    grid->EnableHTML = true;
    grid_drop_down::TDropDownColumn* name = grid->ExGridDropDown()->Columns()->Add();
    name->Header = QStringLiteral("Name");
    name->Width = 120;
    grid_drop_down::TDropDownItems* rows = grid->ExGridDropDown()->Items();
    for (const char* s : {"one", "two", "three"}) {
      TStringList t;
      t.Add(s);
      rows->Add()->SetText(t);
    }
    grid->ExGridDropDown()->EndUpdate();
    grid->SetCells(0, 0, "kind");
    for (int c = 0; c < kColumnCount; ++c) {
      grid->SetCells(c + 1, 0, kColumns[c].title);
      for (int r = 1; r < 3; ++r) grid->SetCells(c + 1, r, kColumns[c].value);
    }
    grid->SetRowHeights(3, 40);
    grid->SetCells(1, 3, R"(<CONTROL TYPE="EDIT" ID="e" VALUE="ctl" WIDTH="70">)");
    grid->SetCells(2, 3, R"(<CONTROL TYPE="PASSWORD" ID="p" VALUE="" WIDTH="70">)");
    grid->OnGetEditorType = [](TObject*, int c, int r, TEditorType& e) {
      if (c >= 1 && c <= kColumnCount && r < 3) e = kColumns[c - 1].kind;
    };
  }
  ~SessionWindow() { SetFormatSettings(std::nullopt); }
  TForm form{nullptr};
  TSessionLink link;
  TSessionGrid* grid;
};

}  // namespace

TEST(EditorsSession, Window) {
  const int seconds = qEnvironmentVariableIntValue("EDITORS_SESSION_SECONDS");
  if (seconds <= 0) GTEST_SKIP() << "set EDITORS_SESSION_SECONDS to show the window";
  SessionWindow w;
  TForm& form = w.form;
  TSessionGrid* grid = w.grid;
  form.Show();
  grid->SetFocus();
  QElapsedTimer timer;
  timer.start();
  const QString shots = qEnvironmentVariable("EDITORS_SESSION_SHOTS");
  while (timer.elapsed() < seconds * 1000LL && form.Visible()) {
    Application->ProcessMessages();
    QFile request(QDir(shots).filePath(QStringLiteral("request")));
    if (shots.isEmpty() || !request.open(QIODevice::ReadOnly)) continue;
    const QString name = QString::fromUtf8(request.readAll()).trimmed();
    request.close();
    if (name.isEmpty()) continue;  // read while it was being written: taken next time
    request.remove();
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(shots).filePath(name + QStringLiteral(".png")));
  }
  const QString out = qEnvironmentVariable("EDITORS_SESSION_OUT");
  if (!out.isEmpty()) {
    QFile f(out);
    if (f.open(QIODevice::WriteOnly)) {
      for (int r = 0; r < grid->RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->ColCount(); ++c) cells << grid->Cells(c, r);
        f.write((cells.join(u'|') + u'\n').toUtf8());
      }
    }
  }
}

// The same window driven by the toolkit's own input events: each editor opened
// on row 1 by F2 as a user opens it, its list or calendar dropped down where it
// has one, a picture of the screen taken with it open, then left with Escape.
// Skipped unless EDITORS_SESSION_PICTURES names a folder.
TEST(EditorsSession, EachEditorOpen) {
  const QString folder = qEnvironmentVariable("EDITORS_SESSION_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "EDITORS_SESSION_PICTURES names no folder";
  QDir().mkpath(folder);
  SessionWindow w;
  w.form.Show();
  w.grid->SetFocus();
  auto settle = [] {
    for (int i = 0; i < 5; ++i) ProcessEvents();
  };
  settle();
  for (int c = 0; c < kColumnCount; ++c) {
    SCOPED_TRACE(kColumns[c].title);
    w.grid->MoveTo(c + 1, 1);
    w.grid->SetFocus();
    settle();
    PressKey(w.grid, Qt::Key_F2);
    settle();
    TWinControl* editor = w.form.ActiveControl();
    EXPECT_NE(editor, w.grid) << "no editor opened";
    if (!editor || editor == w.grid) continue;
    const TEditorType kind = kColumns[c].kind;
    if (kind == edDateEdit) PressKey(editor, Qt::Key_F4);
    if (kind >= edTrackbarDropDown && kind <= edExGridDropDown) PressKey(editor, Qt::Key_Down, Qt::AltModifier);
    settle();
    const QString name = QStringLiteral("%1_%2.png").arg(c + 1, 2, 10, QChar(u'0')).arg(kColumns[c].title);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name));
    // The open list or calendar closes first, then Escape leaves the cell.
    if (auto* d = dynamic_cast<TExCustomDropDown*>(editor); d && d->DroppedDown()) d->HideDropDown(true);
    if (auto* p = dynamic_cast<TDateTimePicker*>(editor); p && p->DroppedDown()) p->SetDroppedDown(false);
    settle();
    if (w.grid->EditMode) PressKey(editor, Qt::Key_Escape);
    settle();
    EXPECT_EQ(w.grid->Cells(c + 1, 1), kColumns[c].value);
  }
}
