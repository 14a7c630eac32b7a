// Persistence: the column states line and its refused forms, column widths and
// positions in an initialisation file and in the current user's store, the
// visual properties file and the print settings section.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/os/ini_file.h"
#include "platform/os/user_registry.h"
#include "platform/rtl/exceptions.h"

namespace {

QStringList Headers(TExStringGrid& g) {
  QStringList s;
  for (int c = 0; c < g.ColCount(); ++c) s.append(g.GetCellEx(g.DisplToRealCol(c), 0));
  return s;
}

// What a refused load must leave as it was.
QString State(TExStringGrid& g) {
  QStringList s{QString::number(g.ColCount()), g.ColumnOrder()->StrValue()};
  for (int c = 0; c < g.AllColCount(); ++c) s.append(QString::number(g.AllColWidths(c)) + (g.IsHiddenColumn(c) ? "h" : ""));
  return s.join(u'|') + u'|' + Headers(g).join(u',');
}

void Letters(TExStringGrid& g, int n) {
  g.SetColCount(n);
  for (int c = 0; c < n; ++c) g.SetCellEx(c, 0, QString(QChar(u'A' + c)));
  g.SetColumnOrder();
}

TEST(ColumnStates, TextRoundTripRestoresWidthsOrderAndHiddenColumns) {
  TExStringGrid plain(nullptr);
  plain.SetColCount(3);
  for (int c = 0; c < 3; ++c) plain.SetColWidths(c, 64);
  EXPECT_EQ(plain.ColumnStatesToString(), "3#64,64,64#0,1,2#1,1,1");

  TExStringGrid g(nullptr);
  Letters(g, 4);
  for (int c = 0; c < 4; ++c) g.SetColWidths(c, 40 + 10 * c);
  g.MoveColumn(0, 2);  // B C A D
  g.HideColumn(1);     // B A D shown
  const QString states = g.ColumnStatesToString();

  TExStringGrid h(nullptr);
  Letters(h, 4);
  h.StringToColumnStates(states);
  EXPECT_EQ(Headers(h), Headers(g));
  EXPECT_EQ(h.ColumnOrder()->StrValue(), g.ColumnOrder()->StrValue());
  EXPECT_EQ(h.NumHiddenColumns(), 1);
  for (int c = 0; c < h.ColCount(); ++c) EXPECT_EQ(h.ColWidths(c), g.ColWidths(c)) << c;
  EXPECT_EQ(h.ColumnStatesToString(), states);
}

TEST(ColumnStates, BadTextsAreRefusedWithoutAChange) {
  TExStringGrid g(nullptr);
  Letters(g, 3);
  g.MoveColumn(0, 1);
  const QString before = State(g);
  const char* bad[] = {
      "3#64,64#0,1,2#1,1,1",        // too few widths
      "3#64,x,64#0,1,2#1,1,1",      // a width that is no number
      "3#64,64,64#0,1,1#1,1,1",     // an order naming a column twice
      "3#64,64,64#0,1,7#1,1,1",     // an order naming no column
      "3#64,64,64#0,1,2#1,2,1",     // a visibility that is neither 0 nor 1
      "3#64,64,64#0,1,2#1,1",       // too few visibility flags
      "1000000#64#0#1",             // more columns than a grid holds
      "x#64#0#1",
  };
  for (const char* text : bad) {
    EXPECT_ANY_THROW(g.StringToColumnStates(text)) << text;
    EXPECT_EQ(State(g), before) << text;
  }
  g.StringToColumnStates("no separators");  // nothing to apply
  EXPECT_EQ(State(g), before);
}

class ColumnStore : public ::testing::Test {
protected:
  void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
  void TearDown() override { QStandardPaths::setTestModeEnabled(false); }
  QTemporaryDir dir_;
};

TEST_F(ColumnStore, WidthsAndPositionsInAnIniFile) {
  const QString ini = dir_.filePath("cols.ini");
  TExStringGrid g(nullptr);
  Letters(g, 4);
  g.ColumnSize()->Location = clIniFile;
  g.ColumnSize()->Key = ini;
  g.SaveColSizes();  // no section: nothing written
  EXPECT_FALSE(QFile::exists(ini));
  g.ColumnSize()->Section = "Grid";
  g.SetColWidths(2, 123);
  g.MoveColumn(3, 0);  // D A B C
  g.SaveColSizes();
  g.SaveColPositions();
  TMemIniFile file(ini);
  EXPECT_EQ(file.ReadInteger("Grid", "Col3", 0), 123);
  EXPECT_EQ(file.ReadString("Grid", "Pos0", ""), "3");

  TExStringGrid h(nullptr);
  Letters(h, 4);
  h.HideColumn(3);
  h.ColumnSize()->Location = clIniFile;
  h.ColumnSize()->Key = ini;
  h.ColumnSize()->Section = "Grid";
  h.LoadColPositions();
  h.UnHideColumnsAll();
  EXPECT_EQ(Headers(h), QStringList({"D", "A", "B", "C"}));
  EXPECT_EQ(h.ColumnOrder()->StrValue(), "3,0,1,2");
  h.LoadColSizes();
  EXPECT_EQ(h.ColWidths(3), 123);

  // Without "Pos0" nothing happens, even when "Pos1" is there; an order that
  // does not name each column once is refused.
  TMemIniFile edit(ini);
  edit.DeleteKey("Grid", "Pos0");
  edit.UpdateFile();
  TExStringGrid k(nullptr);
  Letters(k, 4);
  k.ColumnSize()->Location = clIniFile;
  k.ColumnSize()->Key = ini;
  k.ColumnSize()->Section = "Grid";
  const QString before = State(k);
  k.LoadColPositions();
  EXPECT_EQ(State(k), before);
  edit.WriteInteger("Grid", "Pos0", 1);  // 1, 0, 1, 2
  edit.UpdateFile();
  EXPECT_NO_THROW(k.LoadColPositions());
  EXPECT_EQ(State(k), before);
}

TEST_F(ColumnStore, TheCurrentUsersStoreAndTheWidthsKeptByTheGrid) {
  const QString file = UserRegistryFile("Software\\Maker\\..\\Program");
  EXPECT_TRUE(file.endsWith("/registry/Software/Maker/Program.ini")) << file.toStdString();
  QFile::remove(file);
  {
    TExStringGrid g(nullptr);
    g.ColumnSize()->Key = "Software\\Maker\\Program";
    g.ColumnSize()->Section = "Grid";
    g.ColumnSize()->Save = true;
    g.SetColWidths(1, 77);
  }  // the grid writes its widths when it goes
  EXPECT_EQ(TMemIniFile(file).ReadInteger("Grid", "Col1", 0), 77);
  TExStringGrid h(nullptr);
  h.ColumnSize()->Key = "Software\\Maker\\Program";
  h.ColumnSize()->Section = "Grid";
  h.LoadColSizes();
  EXPECT_EQ(h.ColWidths(1), 77);
  QFile::remove(file);
}

TEST(VisualProps, FileRoundTripAndItsReadingRules) {
  QTemporaryDir dir;
  const QString file = dir.filePath("look.txt");
  TExStringGrid g(nullptr);
  g.SetSelectionColor(clRed);
  g.SetURLShow(true);
  g.Font()->SetStyle(TFontStyles{fsBold, fsItalic});
  g.Font()->SetSize(12);
  g.Balloon()->Transparency = 40;
  g.ControlLook()->SetControlStyle(csFlat);
  g.SetGridLineColor(0x123456);
  g.BackGround()->SetDisplay(bdGradientVert);
  g.SaveVisualProps(file);
  const QString text = QString::fromLatin1(ReadFileWhole(file));
  EXPECT_TRUE(text.startsWith("Color="));
  EXPECT_TRUE(text.contains("\r\nSelectionColor=clRed\r\n"));
  EXPECT_TRUE(text.contains("\r\nURLShow=true\r\n"));
  EXPECT_TRUE(text.contains("\r\nFont.Style=fsBold,fsItalic\r\nFont.Size=12\r\n"));
  EXPECT_TRUE(text.contains("\r\nControlLook.ControlStyle=csFlat\r\n"));
  EXPECT_TRUE(text.contains("\r\nGridLineColor=$00123456\r\n"));
  EXPECT_TRUE(text.endsWith("BackGround.ColorTo=clBtnFace\r\n"));

  TExStringGrid h(nullptr);
  h.LoadVisualProps(file);
  EXPECT_EQ(h.SelectionColor(), clRed);
  EXPECT_TRUE(h.URLShow);
  EXPECT_EQ(h.Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(h.Font()->Size(), 12);
  EXPECT_EQ(h.Balloon()->Transparency, 40);
  EXPECT_EQ(h.ControlLook()->ControlStyle, csFlat);
  EXPECT_EQ(h.GridLineColor(), 0x123456);
  EXPECT_EQ(h.BackGround()->Display(), bdGradientVert);

  // Keys without regard to case; a missing colour is no colour; an unknown look
  // name leaves the look; a value that is no number changes nothing.
  QString edited = text;
  edited.replace("Balloon.BackgroundColor=", "Balloon.BackGroundColor=");
  edited.replace("\r\nGridLineColor=$00123456", "");
  edited.replace("\r\nLook=glXP", "\r\nLook=glNoSuchLook");
  WriteFileWhole(file, edited.toLatin1());
  h.SetLook(glSoft);
  h.LoadVisualProps(file);
  EXPECT_EQ(h.GridLineColor(), clNone);
  EXPECT_EQ(h.Look(), glSoft);
  edited.replace("ControlLook.CheckSize=", "ControlLook.CheckSize=abc");
  edited.replace("SelectionColor=clRed", "SelectionColor=clBlue");
  WriteFileWhole(file, edited.toLatin1());
  EXPECT_ANY_THROW(h.LoadVisualProps(file));
  EXPECT_EQ(h.SelectionColor(), clRed);

  try {
    h.LoadVisualProps(dir.filePath("none.txt"));
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Cannot open file " + dir.filePath("none.txt"));
  }
}

TEST(PrintSettingsFile, RoundTripDefaultsAndStyles) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("print.ini");
  TExStringGrid g(nullptr);
  TPrintSettings* ps = g.PrintSettings();
  ps->ColumnSpacing = 7;
  ps->Centered = false;
  ps->Borders = pbAround;
  ps->Date = ppBottomLeft;
  ps->TitleText = "Title";
  ps->LeftSize = 150;
  ps->HeaderFont()->SetName("Courier New");
  ps->HeaderFont()->SetStyle(TFontStyles{fsItalic});
  ps->Orientation = poLandscape;
  TStringList lines;
  lines.Add("one");
  lines.Add("two");
  ps->SetTitleLines(&lines);
  g.SavePrintSettings(ini, "Print");
  const TMemIniFile file(ini);
  EXPECT_EQ(file.ReadString("Print", "Centered", ""), "N");
  EXPECT_EQ(file.ReadString("Print", "TitleLines", ""), "one\\ntwo\\n");
  EXPECT_EQ(file.ReadSection("Print").first(), "ColumnSpacing");
  EXPECT_EQ(file.ReadSection("Print").last(), "PrintGraphics");

  TExStringGrid h(nullptr);
  h.PrintSettings()->HeaderFont()->SetStyle(TFontStyles{fsBold});  // not kept: the stored style is the style
  h.LoadPrintSettings(ini, "Print");
  const TPrintSettings* q = h.PrintSettings();
  EXPECT_EQ(q->ColumnSpacing, 7);
  EXPECT_FALSE(q->Centered);
  EXPECT_EQ(q->Borders, pbAround);
  EXPECT_EQ(q->Date, ppBottomLeft);
  EXPECT_EQ(q->TitleText, "Title");
  EXPECT_EQ(q->LeftSize, 150);
  EXPECT_EQ(q->HeaderFont()->Name(), "Courier New");
  EXPECT_EQ(q->HeaderFont()->Style(), (TFontStyles{fsItalic}));
  EXPECT_EQ(q->Orientation, poLandscape);
  EXPECT_EQ(q->TitleLines()->Count(), 2);
  EXPECT_EQ((*q->TitleLines())[1], "two");

  // An empty section gives the defaults.
  h.LoadPrintSettings(ini, "Empty");
  EXPECT_EQ(q->ColumnSpacing, 20);
  EXPECT_EQ(q->RowSpacing, 20);
  EXPECT_EQ(q->TitleSpacing, 20);
  EXPECT_EQ(q->FooterSize, 100);
  EXPECT_EQ(q->LeftSize, 100);
  EXPECT_EQ(q->Font()->Name(), "Arial");
  EXPECT_EQ(q->Font()->Size(), 10);
  EXPECT_TRUE(q->Centered);
  EXPECT_EQ(q->Date, ppNone);

  // Ordinals outside their range.
  TMemIniFile edit(ini);
  edit.WriteInteger("Odd", "Borders", 42);
  edit.WriteInteger("Odd", "Date", 9);
  edit.UpdateFile();
  h.PrintSettings()->Borders = pbDouble;
  h.LoadPrintSettings(ini, "Odd");
  EXPECT_EQ(q->Borders, pbDouble);
  EXPECT_EQ(q->Date, ppNone);
}

}  // namespace
