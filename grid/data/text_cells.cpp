// The grid's text cell file and stream (grid/data/text_cells_format holds the
// layout) and the checked conversion of a cell text to a number. Display columns
// are mapped to the store's real columns (with SaveHiddenCells the hidden columns
// come along under their real index). A file or stream is read and checked whole
// before the grid changes; loading does not pump window messages.
#include <QIODevice>

#include "grid/base/line_breaks.h"
#include "grid/base/number_text.h"
#include "grid/data/file_limits.h"
#include "grid/data/file_progress.h"
#include "grid/data/text_cells_format.h"
#include "grid/data/text_file.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

void TExStringGrid::SaveToFile(const QString& FileName, bool Unicode) {
  const int H = SaveHiddenCells ? NumHiddenColumns() : 0;
  QStringList lines;
  lines.append(QStringLiteral("%1,%2").arg(SaveColCount() + H).arg(SaveRowCount()));
  for (int c = SaveStartCol(); c <= SaveEndCol() + H; ++c)
    lines.append(QStringLiteral("cw %1,%2").arg(c).arg(SaveHiddenCells ? AllColWidths(c) : ColWidths(c)));
  TFileProgress progress(OnFileProgress, this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= SaveEndCol() + H; ++c) {
      const QString text = SaveCellText(SaveHiddenCells ? c : DisplToRealCol(c), r);
      if (!text.isEmpty()) lines.append(QStringLiteral("%1,%2,").arg(c).arg(r) + EncodeCellLineBreaks(text));
    }
    progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  WriteFileWhole(FileName, EncodeTextLines(lines, Unicode ? teUtf16Bom : teAnsi));
}

void TExStringGrid::LoadFromFile(const QString& FileName) {
  const TTextCellsContent content = ParseTextCellFile(ReadTextFileLines(FileName));
  const int a = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
  const int b = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
  int64_t cols = ColCount(), rows = RowCount();
  if (content.HasSize) {
    cols = int64_t(a) + content.ColCount;
    rows = int64_t(b) + content.RowCount;
  }
  if (cols <= 0 || rows <= 0 || cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
    throw EExGridError(QStringLiteral("File contains no data or corrupt file ") + FileName);

  TUpdateBatch batch(*this);
  SetColCount(static_cast<int>(cols));
  SetRowCount(static_cast<int>(rows));
  const int colLimit = SaveHiddenCells ? AllColCount() : ColCount();
  for (const auto& [col, width] : content.Widths)
    if (col >= 0 && col < colLimit && width >= 0 && width <= 32767) {
      if (SaveHiddenCells) SetAllColWidths(col, width);
      else SetColWidths(col, width);
    }
  TFileProgress progress(OnFileProgress, this);
  for (const TTextCell& cell : content.Cells) {
    if (cell.Col >= 0 && cell.Col < colLimit && cell.Row >= 0 && cell.Row < RowCount())
      LoadCellText(SaveHiddenCells ? cell.Col : DisplToRealCol(cell.Col), cell.Row,
                   DecodeCellLineBreaks(cell.Text, Multilinecells));
    progress.Report(cell.Row, RowCount() - 1);
  }
  CellsChangedHook(Rect(0, 0, ColCount(), RowCount()));
  RecalcAllFooters();
}

void TExStringGrid::SaveToStream(QIODevice& Stream) {
  QStringList lines;
  lines.append(QStringLiteral("%1,%2").arg(SaveColCount()).arg(SaveRowCount()));
  for (int c = 0; c < ColCount(); ++c) lines.append(QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c)));
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
      const QString text = SaveCellText(DisplToRealCol(c), r);
      if (!text.isEmpty())
        lines.append(QStringLiteral("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) +
                     EncodeCellLineBreaks(text));
    }
  }
  ExportNotification(esExportDone, -1);
  const QByteArray bytes = EncodeTextCellStream(lines);
  if (Stream.write(bytes) != bytes.size()) throw EFileError(QStringLiteral("Stream write error"));
}

void TExStringGrid::LoadFromStream(QIODevice& Stream) {
  const qint64 start = Stream.pos();
  qsizetype used = 0;
  const TTextCellsContent content = ParseTextCellStream(Stream.read(kMaxGridFileSize), used);
  // The stream stays just before the first line that is not the grid's own.
  Stream.seek(start + used);

  int64_t cols = ColCount(), rows = RowCount();
  if (content.HasSize) {
    cols = int64_t(content.ColCount) + SaveStartCol();
    rows = int64_t(content.RowCount) + SaveStartRow();
    if (cols < 0 || rows < 0 || cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
      throw EExGridError(QStringLiteral("Stream holds %1 columns and %2 rows, more than a grid takes").arg(cols).arg(rows));
  }
  TUpdateBatch batch(*this);
  SetColCount(static_cast<int>(cols));
  SetRowCount(static_cast<int>(rows));
  for (const auto& [col, width] : content.Widths)
    if (col >= 0 && col < ColCount() && width >= 0 && width <= 32767) SetColWidths(col, width);
  for (const TTextCell& cell : content.Cells) {
    const int64_t c = int64_t(cell.Col) + SaveStartCol(), r = int64_t(cell.Row) + SaveStartRow();
    if (c >= 0 && c < ColCount() && r >= 0 && r < RowCount())
      LoadCellText(DisplToRealCol(static_cast<int>(c)), static_cast<int>(r),
                   DecodeCellLineBreaks(cell.Text, Multilinecells));
  }
  CellsChangedHook(Rect(0, 0, ColCount(), RowCount()));
  RecalcAllFooters();
}

double TExStringGrid::CellToReal(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) return 0;
  double value = 0;
  const int stop = ValFloat(ExtractNumberText(text), value);
  if (stop != 0)
    throw EExGridError(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(stop).arg(ACol).arg(ARow));
  return value;
}
