// The grid and the office files of its users: worksheets of .xlsx workbooks read
// and written (writing into an existing workbook keeps its other sheets and
// cells), worksheets of legacy .xls workbooks read, a grid table written into a
// .docx document, and the rows of a database query. The files are handled here
// (grid/data/office_files) instead of by the office programs. Formats that can
// only be read here (.xls, .doc) refuse to be written with the error the grid
// gives when the office program is missing. A file is read and checked whole
// before the grid changes; a workbook that cannot be saved raises.
#include <QFileInfo>

#include "grid/base/line_breaks.h"
#include "grid/data/file_limits.h"
#include "grid/data/office_files.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/database.h"
#include "platform/os/files.h"
#include "platform/ui/application.h"

namespace {

class THourGlass {
public:
  THourGlass() : kept_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~THourGlass() { Screen->SetCursor(kept_); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

private:
  TCursor kept_;
};

bool hasSuffix(const QString& file, const char* suffix) {
  return QFileInfo(file).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// The worksheet of a workbook file, by what the file holds.
TWorkbookSheet readSheet(const QString& FileName, const QString& SheetName) {
  const QByteArray bytes = ReadFileWhole(FileName, kMaxGridFileSize);
  switch (WorkbookKind(bytes.left(8))) {
    case wkXlsx: return ReadXlsxSheet(bytes, SheetName);
    case wkXls: return ReadXlsSheet(FileName, SheetName);
    default: throw Exception(QStringLiteral("Incorrect XLS file"));
  }
}

}  // namespace

std::unique_ptr<TStringList> TExStringGrid::GetXLSSheets(const QString& FileName) {
  THourGlass hourglass;
  const QByteArray bytes = ReadFileWhole(FileName, kMaxGridFileSize);
  QStringList names;
  switch (WorkbookKind(bytes.left(8))) {
    case wkXlsx: names = XlsxSheetNames(bytes); break;
    case wkXls: names = XlsSheetNames(FileName); break;
    default: throw Exception(QStringLiteral("Incorrect XLS file"));
  }
  auto list = std::make_unique<TStringList>();
  for (const QString& n : names) list->Add(n);
  return list;
}

void TExStringGrid::LoadFromXLS(const QString& FileName) { ImportXLS(FileName, QString()); }

void TExStringGrid::LoadFromXLSSheet(const QString& FileName, const QString& SheetName) {
  ImportXLS(FileName, SheetName);
}

void TExStringGrid::ImportXLS(const QString& FileName, const QString& SheetName) {
  THourGlass hourglass;
  const TWorkbookSheet sheet = readSheet(FileName, SheetName);
  const TUsedRange range = ParseUsedRange(sheet.UsedRange);
  if (!range.Valid) throw Exception(QStringLiteral("Incorrect XLS file"));
  const int colOffset = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
  const int rowOffset = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
  const int64_t cols = int64_t(range.EndCol) - range.StartCol + 1 + colOffset;
  const int64_t rows = int64_t(range.EndRow) - range.StartRow + 1 + rowOffset;
  if (cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
    throw EExGridError(QStringLiteral("The worksheet has %1 columns and %2 rows, more than a grid takes").arg(cols).arg(rows));

  TUpdateBatch batch(*this);
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  SetColCount(static_cast<int>(cols));
  SetRowCount(static_cast<int>(rows));
  if (fixedCols < ColCount()) SetFixedCols(fixedCols);
  if (fixedRows < RowCount()) SetFixedRows(fixedRows);
  if (range.Single) {
    LoadCellText(DisplToRealCol(colOffset), rowOffset, sheet.Value(range.StartRow, range.StartCol));
  } else {
    for (int r = 1; r <= RowCount() - rowOffset; ++r)
      for (int c = 1; c <= ColCount() - colOffset; ++c) {
        const std::pair<int, int> at{range.StartRow + r - 1, range.StartCol + c - 1};
        if (sheet.Errors.contains(at)) continue;
        LoadCellText(DisplToRealCol(c + colOffset - 1), r + rowOffset - 1, sheet.Values.value(at));
      }
  }
  CellsChangedHook(Rect(0, 0, ColCount(), RowCount()));
  RecalcAllFooters();
}

void TExStringGrid::SaveToXLS(const QString& FileName, bool CreateNewSheet) {
  ExportXLS(FileName, QString(), CreateNewSheet);
}

void TExStringGrid::SaveToXLSSheet(const QString& FileName, const QString& SheetName) {
  ExportXLS(FileName, SheetName, true);
}

void TExStringGrid::ExportXLS(const QString& FileName, const QString& SheetName, bool CreateNewSheet) {
  THourGlass hourglass;
  if (hasSuffix(FileName, "xls")) throw EExGridError(QStringLiteral("Excel OLE server not found"));
  TSheetWrite write;
  write.SheetName = SheetName;
  // Into the file's own workbook when there is one: with a sheet name always,
  // without one (the active sheet at its active cell's row) unless a new
  // workbook is asked for.
  const bool useFile = FileExists(FileName) && (!SheetName.isEmpty() || !CreateNewSheet);
  write.UseActiveSheet = SheetName.isEmpty() && useFile;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    QStringList row;
    for (int c = SaveStartCol(); c < ColCount(); ++c) row.append(RemoveCarriageReturns(SaveCellText(DisplToRealCol(c), r)));
    write.Rows.push_back(row);
  }
  ExportNotification(esExportDone, -1);
  const QByteArray existing = useFile ? ReadFileWhole(FileName, kMaxGridFileSize) : QByteArray();
  if (useFile && WorkbookKind(existing.left(8)) != wkXlsx) throw Exception(QStringLiteral("Incorrect XLS file"));
  WriteFileWhole(FileName, WriteXlsxSheet(existing, write));
}

void TExStringGrid::SaveToDOC(const QString& FileName, bool CreateNewDocument) {
  ExportDoc(FileName, QString(), false, CreateNewDocument);
}

void TExStringGrid::AppendToDoc(const QString& FileName, const QString& Bookmark) {
  ExportDoc(FileName, Bookmark, true, false);
}

void TExStringGrid::ExportDoc(const QString& FileName, const QString& Bookmark, bool Append, bool CreateNewDocument) {
  THourGlass hourglass;
  if (hasSuffix(FileName, "doc")) throw EExGridError(QStringLiteral("Word OLE server not found"));
  TDocTable table;
  table.Text = Text();
  ExportNotification(esExportStart, 0);
  for (int d = 1; d <= RowCount(); ++d) {
    ExportNotification(esExportNextRow, d);
    QStringList row;
    std::vector<int> align;
    for (int g = 1; g <= ColCount(); ++g) {
      const int rc = DisplToRealCol(g - 1);
      row.append(SaveCellText(rc, d - 1));
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      GetCellAlignment(rc, d - 1, ha, va);
      align.push_back(ha == taRightJustify ? 2 : ha == taCenter ? 1 : 0);
    }
    table.Rows.push_back(row);
    table.Alignment.push_back(align);
  }
  ExportNotification(esExportDone, -1);
  // Appending opens the document; so does saving without a new document into
  // a file that exists (the table then goes to its start).
  const bool useFile = Append || (!CreateNewDocument && FileExists(FileName));
  const QByteArray existing = useFile ? ReadFileWhole(FileName, kMaxGridFileSize) : QByteArray();
  WriteFileWhole(FileName, WriteDocxTable(existing, table, Append, Bookmark));
}

void TExStringGrid::LoadFromMDBTable(const QString& FileName, const QString& Table) {
  LoadFromMDBSQL(FileName, QStringLiteral("SELECT * FROM ") + Table);
}

void TExStringGrid::LoadFromMDBSQL(const QString& FileName, const QString& SQL) {
  std::unique_ptr<TRecordSource> source = NewRecordSource();
  source->Open(FileName, SQL);
  const int n = source->FieldCount();
  if (n + FixedCols() + NumHiddenColumns() > kMaxFileColumns) {
    source->Close();
    throw EExGridError(QStringLiteral("The query has %1 fields, more than a grid takes").arg(n));
  }
  TUpdateBatch batch(*this);
  SetColCount(n + FixedCols());
  if (FixedRows() > 0)
    for (int i = 0; i < n; ++i) SetCellEx(DisplToRealCol(FixedCols() + i), FixedRows() - 1, source->FieldName(i));
  const int count = source->RecordCount();
  if (count > 0) SetRowCount(static_cast<int>(std::min<int64_t>(int64_t(FixedRows()) + count, kMaxFileRows)));
  int row = FixedRows();
  while (!source->Eof() && row < kMaxFileRows) {
    if (row >= RowCount()) SetRowCount(row + 1);
    for (int i = 0; i < n; ++i)
      LoadCellText(DisplToRealCol(FixedCols() + i), row, source->ActualSize(i) > 0 ? source->Value(i) : QString());
    source->MoveNext();
    ++row;
  }
  source->Close();
}
