// Clipboard: the text, rich-text, grid-cells and HTML formats written and read
// on the offscreen clipboard, a hostile cells block refused, multi-line cells copied from one grid and pasted into another, the
// paste options (growth, insert mode, read-only cells, check boxes), the smart
// fill of a larger selection (one value, integer, decimal and monthly date
// series, a repeated block), cutting, the keyboard shortcuts and the selection
// resized by its handle.
#include <gtest/gtest.h>

#include "tests/grid/base/scoped_format.h"
#include "tests/grid/input/keys_grid_fixture.h"

#include "grid/base/drag_drop_objects.h"
#include "grid/base/rtf_text.h"
#include "grid/base/undo_redo.h"
#include "grid/data/cell_stream.h"
#include "grid/data/clipboard_text.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/clipboard.h"

namespace {

// A 5 x 8 editing grid (one fixed row and column) whose cells are empty.
struct ClipGrid {
  TExStringGrid g{nullptr};
  ClipGrid() {
    g.SetColCount(5);
    g.SetRowCount(8);
    g.SetOptions(g.Options() + goEditing);
    Clipboard()->Clear();
  }
  QString Column(int c, int from, int to) {
    QStringList out;
    for (int r = from; r <= to; ++r) out << g.Cells(c, r);
    return out.join(u'|');
  }
};

TEST(ClipboardText, CellsOfARectangleAsTabAndLineBreakText) {
  ClipGrid t;
  t.g.SetCells(1, 1, "a");
  t.g.SetCells(2, 1, "b");
  t.g.SetCells(1, 2, "c");
  t.g.SetCells(2, 2, "x\r\ny");
  EXPECT_EQ(t.g.GetRectAsText({1, 1, 2, 1}, false), "a\tb");          // one row: no line break
  EXPECT_EQ(t.g.GetRectAsText({1, 1, 1, 2}, false), "a\r\nc\r\n");    // every row ends with one
  // A cell of two lines: one LF for its break, in double quotes.
  EXPECT_EQ(t.g.GetRectAsText({1, 1, 2, 2}, false), "a\tb\r\nc\t\"x\ny\"\r\n");
  // Tags go unless they are to be copied.
  t.g.SetCells(3, 1, "<B>bold");
  t.g.Navigation()->CopyHTMLTagsToClipboard = false;
  EXPECT_EQ(t.g.GetRectAsText({3, 1, 3, 1}, false), "bold");
  // Unselected columns of a disjunct column selection give nothing but keep the TAB before them.
  t.g.MouseActions()->SetDisjunctColSelect(true);
  t.g.SetColSelect(1, true);
  EXPECT_EQ(t.g.GetRectAsText({1, 1, 2, 1}, true), "a\t");
}

TEST(ClipboardText, PastedTextSplitsAndMeasures) {
  struct Case {
    const char* text;
    int cols, rowsMinusOne;
  } cases[] = {{"a", 1, 0}, {"a\tb\r\nc", 2, 1}, {"1\r\n2\r\n", 1, 1}, {"a\r\n\r\nb\r\n", 1, 1}, {"", 1, 0}};
  for (const Case& c : cases) {
    int cols = -1, rows = -1;
    MeasureTextBlock(QString::fromLatin1(c.text), cols, rows);
    EXPECT_EQ(cols, c.cols) << c.text;
    EXPECT_EQ(rows, c.rowsMinusOne) << c.text;
  }
  const std::vector<TPasteLine> lines = SplitPasteText("a\tb\r\nc\rd\n\te\r\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Fields, QStringList({"a", "b"}));
  EXPECT_EQ(lines[1].Fields, QStringList({"c"}));
  EXPECT_EQ(lines[2].Fields, QStringList({"d\n", "e"}));  // an LF alone ends no line
  EXPECT_TRUE(lines[2].EndsWithBreak);
  EXPECT_EQ(lines[3].Fields, QStringList({""}));
  EXPECT_FALSE(lines[3].EndsWithBreak);
  // Fields: a quoted field holding an LF is unquoted with its breaks back; a
  // field with U+000B but no LF stays as it is.
  EXPECT_EQ(PreparePastedField("\"x\ny\""), "x\r\ny");
  EXPECT_EQ(PreparePastedField("\"a\x0B" "b\""), "\"a\x0B" "b\"");
  EXPECT_EQ(PreparePastedField("p\nq\x0Br"), "p\nq\r\nr");
}

TEST(ClipboardText, DroppedFilesAreToldByTheirExtension) {
  EXPECT_EQ(DroppedFileKind("/tmp/a.csv"), dfkCsv);
  EXPECT_EQ(DroppedFileKind("A.CSV"), dfkCsv);
  EXPECT_EQ(DroppedFileKind("/tmp/x.csvbak"), dfkOther);
  EXPECT_EQ(DroppedFileKind("/tmp/b.XLSX"), dfkSpreadsheet);
  EXPECT_EQ(DroppedFileKind("c.csv.xls"), dfkSpreadsheet);
  EXPECT_EQ(DroppedFileKind("/data.csv/readme"), dfkOther);
  EXPECT_EQ(DroppedFileKind("csv"), dfkOther);
}

TEST(ClipboardFormats, TextAndRichTextAreWrittenAndReadOnTheClipboard) {
  ClipGrid t, other;  // (each empties the clipboard when made)
  t.g.Navigation()->AllowRTFClipboard = true;
  const QString rtf = QStringLiteral("{\\rtf1\\ansi caf\\'e9 \u20AC}");
  t.g.SetCells(1, 1, rtf);
  t.g.SetCells(2, 1, "plain");
  t.g.SetSelection({1, 1, 2, 1});
  t.g.CopySelectionToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("caf\u00E9 \u20AC\tplain"));
  ASSERT_TRUE(Clipboard()->HasFormat(RichTextMimeType()));
  const QByteArray bytes = Clipboard()->Data(RichTextMimeType());
  EXPECT_EQ(bytes, QByteArray("{\\rtf1\\ansi caf\\'e9 \\u8364?}"));  // 8-bit rich text
  EXPECT_EQ(t.g.ClipLastOp(), coCopy);

  // The rich text wins over the text: pasted into one cell.
  other.g.Navigation()->AllowRTFClipboard = true;
  other.g.SetSelection({2, 3, 2, 3});
  other.g.PasteSelectionFromClipboard();
  EXPECT_EQ(RtfToPlainText(other.g.Cells(2, 3)), QStringLiteral("caf\u00E9 \u20AC"));
  EXPECT_EQ(other.g.Cells(3, 3), "");
  // Without the rich-text option the text is pasted.
  other.g.Navigation()->AllowRTFClipboard = false;
  other.g.SetSelection({1, 5, 1, 5});
  other.g.PasteSelectionFromClipboard();
  EXPECT_EQ(other.g.Cells(2, 5), "plain");

  // Another program's rich text is read up to its first zero byte, never beyond.
  Clipboard()->SetAsText("x");
  Clipboard()->SetData(RichTextMimeType(), QByteArray("{\\rtf1 ab}\0garbage", 18));
  other.g.Navigation()->AllowRTFClipboard = true;
  other.g.SetSelection({1, 6, 1, 6});
  other.g.PasteSelectionFromClipboard();
  EXPECT_EQ(other.g.Cells(1, 6), "{\\rtf1 ab}");
}

TEST(ClipboardFormats, TheGridsOwnCellsTravelWithTheirLooksAndTheWholeGridAsHtml) {
  ClipGrid from, to;
  from.g.Navigation()->AllowFmtClipboard = true;
  from.g.SetCells(1, 1, "red");
  from.g.SetColors(1, 1, clRed);
  from.g.SetCells(2, 1, "two\r\nlines");
  from.g.SetCells(1, 2, "c");
  from.g.SetSelection({1, 1, 2, 2});
  from.g.CopySelectionToClipboard();
  // Text first, the cells beside it.
  EXPECT_EQ(Clipboard()->AsText(), "red\t\"two\nlines\"\r\nc\t\r\n");
  ASSERT_TRUE(Clipboard()->HasFormat(GridCellsMimeType()));

  // Another grid takes the cells (before the text), with their colour, and
  // grows to hold them with the growth options.
  to.g.Navigation()->AllowFmtClipboard = true;
  to.g.Navigation()->AllowClipboardColGrow = true;
  to.g.SetSelection({4, 6, 4, 6});
  to.g.PasteSelectionFromClipboard();
  EXPECT_EQ(to.g.ColCount(), 6);
  EXPECT_EQ(to.g.Cells(4, 6), "red");
  EXPECT_EQ(to.g.Colors(4, 6), clRed);
  EXPECT_EQ(to.g.Cells(5, 6), "two\r\nlines");
  EXPECT_EQ(to.g.Cells(4, 7), "c");
  // Without the option the grid reads the text.
  ClipGrid plain;
  plain.g.SetSelection({1, 1, 1, 1});
  from.g.CopySelectionToClipboard();
  plain.g.PasteSelectionFromClipboard();
  EXPECT_EQ(plain.g.Cells(1, 1), "red");
  EXPECT_EQ(plain.g.Cells(2, 1), "two\r\nlines");
  EXPECT_EQ(plain.g.Colors(1, 1), clNone);

  // The whole grid as HTML: the table as the document of the HTML format, and
  // the clipboard's HTML text (offsets first) as text.
  from.g.SetCells(3, 3, QStringLiteral("caf\u00E9 & co"));
  from.g.CopyToClipBoardAsHTML();
  ASSERT_TRUE(Clipboard()->HasFormat(HtmlMimeType()));
  const QByteArray html = Clipboard()->Data(HtmlMimeType());
  EXPECT_TRUE(html.startsWith("<!DOCTYPE HTML")) << html.left(40).toStdString();
  EXPECT_TRUE(html.toLower().contains("<table")) << html.toStdString();
  EXPECT_TRUE(html.contains("caf")) << html.toStdString();
  const QString text = Clipboard()->AsText();
  EXPECT_TRUE(text.startsWith("Version:1.0\r\nStartHTML:00000097")) << text.left(40).toStdString();
  EXPECT_EQ(text.mid(97).toLatin1(), html);
}

TEST(ClipboardFormats, AWholeGridCopiedLandsAsABlockAndClearsNothing) {
  // A grid without fixed cells copied whole: its block holds the whole grid.
  TExStringGrid from(nullptr);
  from.SetFixedRows(0);
  from.SetFixedCols(0);
  from.SetColCount(2);
  from.SetRowCount(2);
  from.SetCells(0, 0, "a");
  from.SetCells(1, 1, "d");
  from.Navigation()->AllowFmtClipboard = true;
  ClipGrid to;
  to.g.Navigation()->AllowFmtClipboard = true;
  to.g.SetCells(1, 1, "kept");
  from.SetSelection({0, 0, 1, 1});
  from.CopySelectionToClipboard();
  to.g.SetSelection({2, 3, 2, 3});
  to.g.PasteSelectionFromClipboard();
  EXPECT_EQ(to.g.Cells(2, 3), "a");
  EXPECT_EQ(to.g.Cells(3, 4), "d");
  EXPECT_EQ(to.g.Cells(1, 1), "kept");
  EXPECT_EQ(to.g.ColCount(), 5);
  EXPECT_EQ(to.g.RowCount(), 8);
}

TEST(ClipboardFormats, AHostileCellsBlockIsRefusedWithTheGridUnchanged) {
  ClipGrid t;
  t.g.Navigation()->AllowFmtClipboard = true;
  t.g.Navigation()->AllowClipboardColGrow = true;
  t.g.Navigation()->AllowClipboardRowGrow = true;
  t.g.Navigation()->ClipboardPasteAction = paInsert;
  t.g.SetCells(1, 1, "kept");
  // A genuine block of 2 x 1 cells, then the same block claiming a larger
  // rectangle than the cells it holds, and bytes that are no block.
  ClipGrid source;
  source.g.Navigation()->AllowFmtClipboard = true;
  source.g.SetCells(1, 1, "a");
  source.g.SetCells(2, 1, "b");
  source.g.SetSelection({1, 1, 2, 1});
  source.g.CopySelectionToClipboard();
  const std::optional<QByteArray> stream = DecodeGridCells(Clipboard()->Data(GridCellsMimeType()));
  ASSERT_TRUE(stream.has_value());
  TCellStreamContent content = ReadCellStream(*stream);
  QByteArray larger;
  {
    TCellStreamWriter w(larger);
    TCellStreamHeader h = content.Header;
    h.RowCount = 3;  // rows the block does not hold
    h.RowHeights = QStringLiteral("22,22,22");
    w.WriteHeader(h);
    for (const TStreamedCell& c : content.Cells) w.WriteCell(c);
  }
  QByteArray outside;
  {
    TCellStreamWriter w(outside);
    w.WriteHeader(content.Header);
    TStreamedCell far = content.Cells[1];
    far.Col += 40;  // a cell beyond the block's own rectangle
    w.WriteCell(content.Cells[0]);
    w.WriteCell(far);
  }
  const QByteArray blocks[] = {EncodeGridCells(larger), EncodeGridCells(outside),
                               EncodeGridCells("TPF0\x0bTGridPropIO\x00garbage")};
  for (const QByteArray& block : blocks) {
    Clipboard()->SetAsText("text");
    Clipboard()->SetData(GridCellsMimeType(), block);
    t.g.SetSelection({1, 1, 1, 1});
    EXPECT_THROW(t.g.PasteSelectionFromClipboard(), EReadError);
    EXPECT_EQ(t.g.ColCount(), 5);
    EXPECT_EQ(t.g.RowCount(), 8);
    EXPECT_EQ(t.g.Cells(1, 1), "kept");
  }
  // A block whose stated size runs past its bytes is no block: nothing is pasted.
  QByteArray cut = EncodeGridCells(*stream);
  cut.chop(3);
  Clipboard()->SetData(GridCellsMimeType(), cut);
  t.g.PasteSelectionFromClipboard();
  EXPECT_EQ(t.g.RowCount(), 8);
  EXPECT_EQ(t.g.Cells(1, 1), "kept");
}

TEST(ClipboardPaste, MultiLineCellsSurviveCopyThenPasteBetweenTwoGrids) {
  ClipGrid from, to;
  from.g.SetCells(1, 1, "first\r\nsecond");
  from.g.SetCells(2, 1, "one");
  from.g.SetCells(1, 2, "a\r\nb\r\nc");
  from.g.SetCells(2, 2, "");
  from.g.SetSelection({1, 1, 2, 2});
  from.g.CopySelectionToClipboard();
  to.g.SetSelection({2, 3, 2, 3});
  to.g.PasteSelectionFromClipboard();
  EXPECT_EQ(to.g.Cells(2, 3), "first\r\nsecond");
  EXPECT_EQ(to.g.Cells(3, 3), "one");
  EXPECT_EQ(to.g.Cells(2, 4), "a\r\nb\r\nc");
  EXPECT_EQ(to.g.Cells(3, 4), "");
  EXPECT_EQ(to.g.Cells(2, 5), "");  // nothing beyond the block
}

TEST(ClipboardPaste, GrowthInsertModeReadOnlyCellsAndCheckBoxes) {
  {
    // The grid grows to take every field and line.
    ClipGrid t;
    Clipboard()->SetAsText("1\t2\t3\t4\t5\r\nx\r\ny\r\n");
    t.g.SetSelection({3, 6, 3, 6});
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(t.g.ColCount(), 8);
    EXPECT_EQ(t.g.Cells(6, 6), "4");
    EXPECT_EQ(t.g.Cells(7, 6), "5");
    EXPECT_EQ(t.g.RowCount(), 9);
    EXPECT_EQ(t.g.Cells(3, 8), "y");
  }
  {
    // Without growth, what lies beyond the grid is left out.
    ClipGrid t;
    t.g.Navigation()->AllowClipboardRowGrow = false;
    t.g.Navigation()->AllowClipboardColGrow = false;
    Clipboard()->SetAsText("1\t2\t3\r\nx\r\ny\r\n");
    t.g.SetSelection({3, 6, 3, 6});
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(t.g.ColCount(), 5);
    EXPECT_EQ(t.g.RowCount(), 8);
    EXPECT_EQ(t.g.Cells(4, 6), "2");
    EXPECT_EQ(t.g.Cells(3, 7), "x");
  }
  {
    // Insert mode: a row before each non-empty line.
    ClipGrid t;
    for (int r = 1; r < 8; ++r) t.g.SetCells(1, r, QStringLiteral("r%1").arg(r));
    t.g.Navigation()->ClipboardPasteAction = paInsert;
    Clipboard()->SetAsText("a\r\nb\r\nc");
    t.g.SetSelection({1, 2, 1, 2});
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(t.g.RowCount(), 11);
    EXPECT_EQ(t.Column(1, 1, 6), "r1|a|b|c|r2|r3");
  }
  {
    // Read-only cells are skipped unless the clipboard may always write; a value
    // equal to the check-true text checks a check box.
    ClipGrid t;
    t.g.OnCanEditCell = [](TObject*, int ARow, int ACol, bool& Can) { Can = !(ACol == 2 && ARow == 1); };
    t.g.AddCheckBox(3, 1, false, false);
    Clipboard()->SetAsText("a\tb\tY");
    t.g.SetSelection({1, 1, 1, 1});
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(t.g.Cells(1, 1), "a");
    EXPECT_EQ(t.g.Cells(2, 1), "");
    EXPECT_TRUE(t.g.IsChecked(3, 1));
    EXPECT_EQ(t.g.Cells(3, 1), "");
    Clipboard()->SetAsText("a\tb\tN");
    t.g.Navigation()->AllowClipboardAlways = true;
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(t.g.Cells(2, 1), "b");
    EXPECT_FALSE(t.g.IsChecked(3, 1));
  }
}

TEST(ClipboardPaste, PasteEventsMayChangeOrRefuseAValue) {
  ClipGrid t;
  QStringList log;
  t.g.OnClipboardBeforePasteCell = [&](TObject*, int ACol, int ARow, QString& Value, bool& Allow) {
    log << QStringLiteral("before %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    Allow = Value != "no";
    Value = Value.toUpper();
  };
  t.g.OnClipboardAfterPasteCell = [&](TObject*, int ACol, int ARow, const QString& Value) {
    log << QStringLiteral("after %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
  };
  t.g.HideColumn(2);  // display column 2 is real column 3
  Clipboard()->SetAsText("a\tno\tc");
  t.g.SetSelection({1, 1, 1, 1});
  t.g.PasteSelectionFromClipboard();
  EXPECT_EQ(log.join(u'|'), "before 1,1 a|after 1,1 A|before 2,1 no|before 3,1 c|after 3,1 C");
  EXPECT_EQ(t.g.AllCells(1, 1), "A");
  EXPECT_EQ(t.g.AllCells(4, 1), "C");  // display column 3
  EXPECT_EQ(t.g.AllCells(2, 1), "");   // the hidden column is untouched
}

TEST(ClipboardSmartFill, SeriesSingleValuesAndRepeatedBlocks) {
  ScopedFormat uk(UkFormat());
  struct Case {
    const char* name;
    const char* clipboard;
    TGridRect selection;
    const char* expected;  // the selection's cells row by row
    std::function<void(TExStringGrid&)> setup;
  } cases[] = {
      {"integers 1, 2 to 1..5", "1\r\n2\r\n", {1, 1, 1, 5}, "1|2|3|4|5", nullptr},
      {"integers down by 5", "10\r\n5\r\n", {1, 1, 1, 4}, "10|5|0|-5", nullptr},
      {"decimals in the float format", "1.5\r\n2.0\r\n", {1, 1, 1, 4}, "1.50|2.00|2.50|3.00", nullptr},
      {"dates a month apart", "15/01/2024\r\n15/02/2024\r\n", {1, 1, 1, 5},
       "15/01/2024|15/02/2024|15/03/2024|15/04/2024|15/05/2024", nullptr},
      {"dates across a row, by days", "30/12/2023\t31/12/2023", {1, 2, 4, 2}, "30/12/2023|31/12/2023|01/01/2024|02/01/2024",
       nullptr},
      {"one value into 3 x 3", "v", {1, 1, 3, 3}, "v|v|v|v|v|v|v|v|v", nullptr},
      {"one value, read-only cell kept", "v", {1, 1, 2, 2}, "v|ro|v|v",
       [](TExStringGrid& g) {
         g.SetCells(2, 1, "ro");
         g.OnCanEditCell = [](TObject*, int ARow, int ACol, bool& Can) { Can = !(ACol == 2 && ARow == 1); };
       }},
      {"texts repeat as a block", "a\r\nb\r\n", {1, 1, 1, 5}, "a|b|a|b|a", nullptr},
      {"a row repeated over a wider selection", "p\tq\r\n", {1, 1, 2, 3}, "p|q|p|q|p|q", nullptr},
      {"an exact fit is not filled further", "1\r\n2\r\n3\r\n", {1, 1, 1, 3}, "1|2|3", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClipGrid t;
    t.g.Navigation()->AllowSmartClipboard = true;
    if (c.setup) c.setup(t.g);
    Clipboard()->SetAsText(QString::fromLatin1(c.clipboard));
    t.g.SetSelection(c.selection);
    t.g.PasteSelectionFromClipboard();
    QStringList cells;
    for (int r = c.selection.Top; r <= c.selection.Bottom; ++r)
      for (int col = c.selection.Left; col <= c.selection.Right; ++col) cells << t.g.Cells(col, r);
    EXPECT_EQ(cells.join(u'|'), QString::fromLatin1(c.expected));
  }
}

TEST(ClipboardSmartFill, CheckBoxValuesFillCheckBoxes) {
  ClipGrid t;
  t.g.Navigation()->AllowSmartClipboard = true;
  for (int r = 1; r <= 4; ++r) t.g.AddCheckBox(1, r, false, false);
  t.g.SetCells(2, 1, "Y");
  t.g.SetSelection({2, 1, 2, 1});
  t.g.CopySelectionToClipboard();
  t.g.SetSelection({1, 1, 1, 4});
  t.g.PasteSelectionFromClipboard();  // "Y" checks the first; the first's state fills the rest
  for (int r = 1; r <= 4; ++r) EXPECT_TRUE(t.g.IsChecked(1, r)) << r;
}

TEST(ClipboardCut, ClearedCellsLeaveWithTheirPropertiesReadOnlyOnesKeepTheirs) {
  ClipGrid t;
  t.g.Navigation()->AllowFmtClipboard = true;
  t.g.SetCells(1, 1, "a");
  t.g.SetCells(2, 1, "keep");
  t.g.SetColors(1, 1, clRed);
  t.g.SetColors(2, 1, clBlue);
  t.g.OnCanEditCell = [](TObject*, int, int ACol, bool& Can) { Can = ACol != 2; };
  TRect changed{};
  t.g.OnCellsChanged = [&](TObject*, TRect R) { changed = R; };
  t.g.SetSelection({1, 1, 2, 1});
  t.g.CutSelectionToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), "a\tkeep");
  EXPECT_EQ(t.g.Cells(1, 1), "");
  EXPECT_NE(t.g.Colors(1, 1), clRed);
  EXPECT_EQ(t.g.Cells(2, 1), "keep");
  EXPECT_EQ(t.g.Colors(2, 1), clBlue);
  EXPECT_EQ(t.g.ClipLastOp(), coCut);
  EXPECT_EQ(changed, (TRect{1, 1, 2, 1}));
  // The save range: the first normal column read-only keeps its texts but still copies them.
  t.g.SetCells(1, 3, "x");
  t.g.SetCells(2, 3, "y");
  t.g.OnCanEditCell = [](TObject*, int, int ACol, bool& Can) { Can = ACol != 1; };
  t.g.SaveFixedCells = false;
  t.g.CutToClipboard();
  EXPECT_TRUE(Clipboard()->AsText().contains("x\ty"));
  EXPECT_EQ(t.g.Cells(1, 3), "x");
  EXPECT_EQ(t.g.Cells(2, 3), "");
}

TEST(ClipboardUndo, APasteAndACutAreUndoneAsOneStepEach) {
  ClipGrid t;
  TExGridUndoRedo undo(nullptr);
  t.g.SetUndoRedo(&undo);
  t.g.HideColumn(1);  // display columns 1.. are real columns 2..
  t.g.SetCells(2, 1, "old");
  Clipboard()->SetAsText("a\tb\r\nc\td\r\n");
  t.g.SetSelection({1, 1, 1, 1});
  t.g.PasteSelectionFromClipboard();
  EXPECT_EQ(t.g.AllCells(2, 1), "a");
  EXPECT_EQ(t.g.AllCells(3, 2), "d");
  undo.Undo();
  EXPECT_EQ(t.g.AllCells(2, 1), "old");
  EXPECT_EQ(t.g.AllCells(3, 1), "");
  EXPECT_EQ(t.g.AllCells(3, 2), "");
  undo.Redo();
  EXPECT_EQ(t.g.AllCells(3, 2), "d");
  t.g.SetSelection({1, 1, 2, 2});
  t.g.CutSelectionToClipboard();
  EXPECT_EQ(t.g.AllCells(2, 1), "");
  undo.Undo();
  EXPECT_EQ(t.g.AllCells(2, 1), "a");
  EXPECT_EQ(t.g.AllCells(3, 2), "d");
  t.g.SetUndoRedo(nullptr);
}

// The smart fill belongs to the paste: one value or a series spread over the
// selection is undone, with the pasted cells, in one step (by real columns).
TEST(ClipboardUndo, ASmartFillIsUndoneWithItsPasteInOneStep) {
  struct Case {
    const char* what;
    const char* clip;
    const char* filled;  // real column 2 (display column 1), rows 1..4, after the paste
  } cases[] = {
      {"one value into every cell", "7", "7|7|7|7"},
      {"an integer series", "1\r\n2\r\n", "1|2|3|4"},
      {"a repeated block of texts", "a\r\nb\r\n", "a|b|a|b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClipGrid t;
    TExGridUndoRedo undo(nullptr);
    t.g.SetUndoRedo(&undo);
    t.g.HideColumn(1);  // display column 1 is real column 2
    t.g.SetAllCells(1, 1, "h");
    for (int r = 1; r <= 4; ++r) t.g.SetAllCells(2, r, QStringLiteral("o%1").arg(r));
    const auto real2 = [&] {
      QStringList out;
      for (int r = 1; r <= 4; ++r) out << t.g.AllCells(2, r);
      return out.join(u'|');
    };
    t.g.Navigation()->AllowSmartClipboard = true;
    Clipboard()->SetAsText(QString::fromUtf8(c.clip));
    t.g.SetSelection({1, 1, 1, 4});
    t.g.PasteSelectionFromClipboard();
    EXPECT_EQ(real2(), QString::fromUtf8(c.filled));
    undo.Undo();
    EXPECT_EQ(real2(), "o1|o2|o3|o4");
    EXPECT_EQ(t.g.AllCells(1, 1), "h");  // the hidden column untouched
    EXPECT_FALSE(undo.CanUndo());
    undo.Redo();
    EXPECT_EQ(real2(), QString::fromUtf8(c.filled));
    t.g.SetUndoRedo(nullptr);
  }
}

TEST(ClipboardKeys, ShortcutsCopyCutAndPasteWhenAllowed) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->SetCells(1, 1, "a");
  t.g->SetCells(2, 1, "b");
  t.g->SetSelection({1, 1, 2, 1});
  Clipboard()->SetAsText("before");
  t.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), "before");  // the shortcuts are off
  t.g->Navigation()->AllowClipboardShortCuts = true;
  bool allow = false;
  t.g->OnClipboardCopy = [&](TObject*, bool& Allow) { Allow = allow; };
  t.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), "before");  // refused
  allow = true;
  t.Key(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), "a\tb");
  t.g->SetSelection({1, 3, 1, 3});
  t.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(t.g->Cells(1, 3), "a");
  EXPECT_EQ(t.g->Cells(2, 3), "b");
  t.g->SetSelection({1, 3, 2, 3});
  t.Key(Qt::Key_Delete, Qt::ShiftModifier);  // cut
  EXPECT_EQ(t.g->Cells(1, 3), "");
  t.g->SetSelection({3, 5, 3, 5});
  t.Key(Qt::Key_Insert, Qt::ShiftModifier);  // paste
  EXPECT_EQ(t.g->Cells(4, 5), "b");
}

TEST(ClipboardSmartFill, DraggingTheSelectionHandleContinuesASeries) {
  InputGrid t;
  t.g->Navigation()->AllowSmartClipboard = true;
  t.g->SetSelectionResizer(true);
  t.g->SetSelectionRectangle(true);
  t.g->SetCells(2, 1, "1");
  t.g->SetCells(2, 2, "2");
  t.g->SetSelection({2, 1, 2, 2});
  const TRect last = t.g->CellRect(2, 2);
  MousePress(t.g, last.Right - 3, last.Bottom - 3);
  const TPoint to = t.Centre(2, 6);
  MouseMoveTo(t.g, to.X, to.Y, Qt::LeftButton);
  MouseRelease(t.g, to.X, to.Y);
  ProcessEvents();
  EXPECT_EQ((TGridRect{2, 1, 2, 6}), t.g->Selection());
  QStringList cells;
  for (int r = 1; r <= 6; ++r) cells << t.g->Cells(2, r);
  EXPECT_EQ(cells.join(u'|'), "1|2|3|4|5|6");
}

}  // namespace
