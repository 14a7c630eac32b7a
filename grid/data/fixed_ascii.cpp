// Column-aligned plain text: fixed-width export and import, and the aligned
// ASCII table (texts padded to their column's longest line, aligned like their
// cells, further lines of multi-line cells continued under their column).
// Display columns are mapped to real ones; with SaveHiddenCells the hidden
// columns are written too, in their real place.
#include <algorithm>

#include "grid/base/line_breaks.h"
#include "grid/data/file_limits.h"
#include "grid/data/text_file.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"
#include "platform/rtl/strings.h"
#include "platform/ui/application.h"

namespace {

// The screen cursor is the hourglass while an export runs.
class THourGlass {
public:
  THourGlass() : kept_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~THourGlass() { Screen->SetCursor(kept_); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

private:
  TCursor kept_;
};

// The real columns a fixed-width or ASCII export writes, from the first display
// column on.
std::vector<int> exportedColumns(TExStringGrid& g, int first) {
  std::vector<int> cols;
  if (g.SaveHiddenCells)
    for (int c = first; c < g.AllColCount(); ++c) cols.push_back(c);
  else
    for (int c = first; c < g.ColCount(); ++c) cols.push_back(g.DisplToRealCol(c));
  return cols;
}

// Aligns a text in a column of Width characters: right-aligned texts get blanks in
// front, centred ones a blank on each side per step (possibly one more than the
// width), left-aligned ones stay.
QString aligned(QString t, TAlignment a, int width) {
  if (a == taRightJustify) {
    if (t.size() < width) t.prepend(QString(width - t.size(), u' '));
  } else if (a == taCenter) {
    while (t.size() < width) t = u' ' + t + u' ';
  }
  return t;
}

}  // namespace

int TExStringGrid::MaxExportLineLength(int ACol) {
  qsizetype longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    QString text = SaveCellText(ACol, r);
    do {
      longest = std::max(longest, CutFirstLine(text, Multilinecells).size());
    } while (!text.isEmpty());
  }
  return static_cast<int>(longest);
}

void TExStringGrid::SaveToFixed(const QString& FileName, TIntList* Positions) {
  if (!Positions) return;
  const int last = SaveEndCol() + (SaveHiddenCells ? NumHiddenColumns() : 0);
  std::vector<int> cols;
  for (int c = SaveStartCol(); c <= last; ++c) cols.push_back(SaveHiddenCells ? c : DisplToRealCol(c));
  for (size_t k = static_cast<size_t>(Positions->Count()); k < cols.size(); ++k)
    Positions->Add(MaxExportLineLength(cols[k]) + 1);

  QStringList lines;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    QString line;
    for (size_t k = 0; k < cols.size(); ++k) {
      // A line break would end the record: the lines of a cell join with a blank.
      QString t = SaveCellText(cols[k], r).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
      t.replace(u'\r', u' ').replace(u'\n', u' ');
      const int w = std::max(0, (*Positions)[static_cast<int>(k)]);
      line += t.size() > w ? t.left(w) : t.leftJustified(w, u' ');
    }
    lines.append(line);
  }
  ExportNotification(esExportDone, -1);
  try {
    WriteFileWhole(FileName, EncodeTextLines(lines, teAnsi));
  } catch (const EFileError&) {
    throw EExGridError(QStringLiteral("Cannot Create file ") + FileName);
  }
}

void TExStringGrid::LoadFromFixed(const QString& FileName, TIntList* Positions, bool DoTrim, int MaxRows) {
  if (!Positions) return;
  QStringList lines;
  try {
    lines = ReadTextFileLines(FileName);
  } catch (const EFileError&) {
    throw EExGridError(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
  }
  const int fields = std::max(0, Positions->Count() - 1);
  const int cols = std::max(1, FixedCols() + Positions->Count() - 1);
  // At least one line; MaxRows lines at most unless MaxRows is -1.
  const qsizetype count = MaxRows == -1 ? lines.size() : std::min<qsizetype>(lines.size(), std::max(1, MaxRows));
  const int64_t rows = std::max<int64_t>(RowCount(), int64_t(SaveStartRow()) + count);
  if (cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
    throw EExGridError(QStringLiteral("File %1 holds more than a grid takes").arg(FileName));

  TUpdateBatch batch(*this);
  SetColCount(cols);
  Positions->Sort();
  std::vector<int> at;
  for (int k = 0; k < Positions->Count(); ++k) at.push_back((*Positions)[k]);
  int row = SaveStartRow();
  for (qsizetype i = 0; i < count; ++i) {
    const QStringList values = FixedWidthFields(lines[i], at, DoTrim);
    for (int k = 0; k < fields; ++k) {
      const int col = SaveStartCol() + k;
      if (col < ColCount()) LoadCellText(DisplToRealCol(col), row, values[k]);
    }
    if (i + 1 < count && row + 1 >= RowCount()) SetRowCount(row + 2);
    ++row;
  }
  CellsChangedHook(Rect(0, 0, ColCount(), RowCount()));
  RecalcAllFooters();
}

void TExStringGrid::SaveToASCII(const QString& FileName, bool Unicode) { WriteASCII(FileName, false, Unicode); }

void TExStringGrid::AppendToASCII(const QString& FileName, bool Unicode) { WriteASCII(FileName, true, Unicode); }

void TExStringGrid::WriteASCII(const QString& FileName, bool Append, bool Unicode) {
  THourGlass hourglass;
  QStringList lines;
  if (Append && FileExists(FileName)) lines = ReadTextFileLines(FileName);
  const int firstCol = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
  const int firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
  const std::vector<int> cols = exportedColumns(*this, firstCol);
  // Each column as wide as its longest line, and where it starts on a line.
  std::vector<int> widths, offsets;
  int offset = 0;
  for (int rc : cols) {
    widths.push_back(MaxExportLineLength(rc));
    offsets.push_back(offset);
    offset += widths.back() + 1;
  }

  ExportNotification(esExportStart, firstRow);
  for (int r = firstRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    QString main;
    QStringList more;  // continuation lines
    for (size_t k = 0; k < cols.size(); ++k) {
      QString t = SaveCellText(cols[k], r);
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      GetCellAlignment(cols[k], r, ha, va);
      const QString first = CutFirstLine(t, Multilinecells);
      for (int n = 0; Multilinecells && !t.isEmpty(); ++n) {
        const QString next = CutFirstLine(t, true);
        if (n >= more.size()) more.append(QString());
        QString& line = more[n];
        if (line.size() < offsets[k]) line += QString(offsets[k] - line.size(), u' ');
        line += aligned(next, ha, widths[k]);
      }
      const QString text = aligned(first, ha, widths[k]);
      main += text;
      if (widths[k] - text.size() + 1 >= 0) main += QString(widths[k] - text.size() + 1, u' ');
    }
    lines.append(main);
    lines.append(more);
  }
  ExportNotification(esExportDone, -1);
  WriteFileWhole(FileName, EncodeTextLines(lines, Unicode ? teUtf16Bom : teAnsi));
}
