// A window with a grid that has one column per editor kind, for editing it on
// a real display as a user would (scripted input, screenshots). Skipped unless
// EDITORS_SESSION_SECONDS is set; then the window stays up for that many
// seconds; a file "request" put into the folder EDITORS_SESSION_SHOTS asks for
// a picture of the screen, saved there under the name the file holds; at the
// end the cell texts are written to EDITORS_SESSION_OUT when that names a file.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "grid/input/edit_link.h"
#include "grid/input/grid_edit_btn.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"

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

}  // namespace

TEST(EditorsSession, Window) {
  const int seconds = qEnvironmentVariableIntValue("EDITORS_SESSION_SECONDS");
  if (seconds <= 0) GTEST_SKIP() << "set EDITORS_SESSION_SECONDS to show the window";
  struct Column {
    TEditorType kind;
    const char* title;
    const char* value;
  } columns[] = {
      {edNormal, "text", "plain"},        {edComboList, "combo list", "one"},  {edSpinEdit, "spin", "5"},
      {edDateEdit, "date", "12/03/2024"}, {edTimeEdit, "time", "10:20:00"},   {edDateTimeEdit, "date time", ""},
      {edEditBtn, "edit button", "abc"},  {edUnitEditBtn, "unit", "12mm"},     {edCustom, "custom link", "linked"},
      {edTrackbarDropDown, "track bar", "3"}, {edMemoDropDown, "memo", "memo"}, {edCalculatorDropDown, "calculator", "2"},
      {edTimePickerDropDown, "time picker", "08:00:00"}, {edColorPickerDropDown, "colour", ""},
  };
  const int n = static_cast<int>(std::size(columns));
  TForm form(nullptr);
  form.SetCaption(QStringLiteral("Editors"));
  form.SetBounds(20, 20, 1200, 300);
  auto* grid = new TExStringGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 1200, 300);
  grid->SetColCount(n + 1);
  grid->SetRowCount(4);
  grid->SetDefaultColWidth(84);
  grid->SetOptions(grid->Options() + goEditing);
  grid->MouseActions()->FixedRowsEdit = fceDblClick;
  grid->AddComboString("one");
  grid->AddComboString("two");
  grid->UnitEditor()->Units()->Add("m");
  grid->UnitEditor()->Units()->Add("mm");
  grid->OnEllipsClick = [](TObject*, int, int, QString& s) { s = s + "!"; };
  TSessionLink link(&form);
  grid->EditLink = &link;
  grid->EnableHTML = true;
  grid->SetCells(0, 0, "kind");
  for (int c = 0; c < n; ++c) {
    grid->SetCells(c + 1, 0, columns[c].title);
    for (int r = 1; r < 3; ++r) grid->SetCells(c + 1, r, columns[c].value);
  }
  grid->SetRowHeights(3, 40);
  grid->SetCells(1, 3, R"(<CONTROL TYPE="EDIT" ID="e" VALUE="ctl" WIDTH="70">)");
  grid->SetCells(2, 3, R"(<CONTROL TYPE="PASSWORD" ID="p" VALUE="" WIDTH="70">)");
  grid->OnGetEditorType = [&](TObject*, int c, int r, TEditorType& e) {
    if (c >= 1 && c <= n && r < 3) e = columns[c - 1].kind;
  };
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
