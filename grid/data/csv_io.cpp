// CSV export and import of the grid: save, append, load from the save range's
// top-left cell and insert after the last row. The dialects and the delimiter
// guess are grid/data/csv_format. A file is read and split whole, and its size
// checked against the grid's limits, before the first cell changes.
#include <QIODevice>

#include "grid/base/oem_text.h"
#include "grid/data/csv_format.h"
#include "grid/data/file_limits.h"
#include "grid/data/file_progress.h"
#include "grid/data/text_file.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode) { WriteCSV(FileName, false, Unicode); }

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode) { WriteCSV(FileName, true, Unicode); }

void TExStringGrid::WriteCSV(const QString& FileName, bool Append, bool Unicode) {
  const int H = SaveHiddenCells ? NumHiddenColumns() : 0;
  TCsvDialect dialect;
  dialect.Delimiter = Delimiter.isNull() ? QChar(u',') : Delimiter;
  dialect.JavaCSV = JavaCSV;
  dialect.AlwaysQuotes = AlwaysQuotes;
  dialect.QuoteEmptyCells = QuoteEmptyCells;

  QStringList lines;
  if (Append) lines = ReadTextFileLines(FileName);  // the file must exist
  TFileProgress progress(OnFileProgress, this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    QString line;
    for (int c = SaveStartCol(); c <= SaveEndCol() + H; ++c) {
      if (c > SaveStartCol()) line += dialect.Delimiter;
      QString field = CsvField(SaveCellText(SaveHiddenCells ? c : DisplToRealCol(c), r), dialect);
      if (OemConvert) StringToOem(field);
      line += field;
    }
    lines.append(line);
    progress.Report(r, RowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  WriteFileWhole(FileName, EncodeTextLines(lines, Unicode ? teUtf8Bom : teAnsi));
}

void TExStringGrid::LoadFromCSV(const QString& FileName, int MaxRows) { ReadCSVFile(FileName, false, MaxRows); }

void TExStringGrid::InsertFromCSV(const QString& FileName, int MaxRows) { ReadCSVFile(FileName, true, MaxRows); }

void TExStringGrid::LoadFromCSVStream(QIODevice& AStream, int MaxRows) { ReadCSV(AStream, false, MaxRows); }

void TExStringGrid::ReadCSVFile(const QString& FileName, bool Insert, int MaxRows) {
  const QByteArray bytes = ReadFileWhole(FileName, kMaxGridFileSize);
  if (!bytes.isEmpty()) ReadCSVText(DecodeTextFile(bytes), Insert, MaxRows);
}

void TExStringGrid::ReadCSV(QIODevice& Stream, bool Insert, int MaxRows) {
  ReadCSVText(DecodeTextFile(Stream.read(kMaxGridFileSize)), Insert, MaxRows);
}

void TExStringGrid::ReadCSVText(const QString& Text, bool Insert, int MaxRows) {
  QStringList lines = SplitTextLines(Text);
  if (lines.isEmpty()) throw Exception(QStringLiteral("File is empty"));

  // Everything is split and measured before the grid changes.
  if (OemConvert)
    for (QString& line : lines) OemToString(line);
  const QChar delimiter = Delimiter.isNull() ? DetectCsvDelimiter(lines[0], lines.size() > 1 ? lines[1] : QString())
                                             : Delimiter;
  const qsizetype first = LoadFirstRow ? 0 : 1;
  qsizetype count = std::max<qsizetype>(0, lines.size() - first);
  if (MaxRows > 0) count = std::min<qsizetype>(count, MaxRows);
  std::vector<QStringList> records;
  records.reserve(count);
  qsizetype widest = 0;
  for (qsizetype i = 0; i < count; ++i) {
    records.push_back(SplitCsvLine(lines[first + i], delimiter, JavaCSV));
    widest = std::max(widest, records.back().size());
  }
  lines.clear();

  const bool footer = FFloatingFooter->Visible();
  const int H = SaveHiddenCells ? NumHiddenColumns() : 0;
  const int startCol = SaveStartCol();
  int startRow = Insert ? RowCount() : SaveStartRow();
  if (Insert && footer) startRow = RowCount() - 1;
  const qsizetype cols = std::max<qsizetype>(ColCount(), startCol + widest - H);
  const qsizetype rows = std::max<qsizetype>(RowCount(), startRow + count + FixedFooters());
  if (cols + NumHiddenColumns() > kMaxFileColumns)
    throw EExGridError(QStringLiteral("The file has %1 columns; a grid holds at most %2").arg(cols).arg(kMaxFileColumns));
  if (rows > kMaxFileRows)
    throw EExGridError(QStringLiteral("The file has %1 rows; a grid holds at most %2").arg(rows).arg(kMaxFileRows));

  TUpdateBatch batch(*this);
  QStringList keptFooter;
  if (footer) {
    const int last = RowCount() - 1;
    if (Insert)
      for (int c = 0; c < AllColCount(); ++c) keptFooter.append(GetGridCell(c, last));
    if (Insert) ResetRowCells(last);
  }
  TFileProgress progress(OnFileProgress, this);
  if (progress.Active())
    SetRowCount(Insert ? RowCount() + static_cast<int>(count) : startRow + static_cast<int>(count) + FixedFooters());

  int row = startRow;
  for (qsizetype i = 0; i < count; ++i) {
    if (row >= RowCount() - FixedFooters()) SetRowCount(row + 1000);
    const QStringList& fields = records[i];
    int column = startCol;
    for (const QString& field : fields) {
      if (column + 1 - H > ColCount()) SetColCount(column + 1 - H);
      LoadCellText(SaveHiddenCells ? column : DisplToRealCol(column), row, field);
      ++column;
    }
    ++row;
    progress.Report(static_cast<double>(i + 1), static_cast<double>(count));
  }
  if (count == 0) progress.Report(1, 1);
  SetRowCount(row + FixedFooters());
  SetMaxRowCount(RowCount());
  if (footer) {
    const int last = RowCount() - 1;
    for (int c = 0; c < AllColCount(); ++c) SetGridCell(c, last, c < keptFooter.size() ? keptFooter[c] : QString());
  }
  CellsChangedHook(Rect(0, 0, ColCount(), RowCount()));
  RecalcAllFooters();
}
