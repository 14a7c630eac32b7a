// XML export and import of the grid (grid/data/xml_cells holds the format). The
// writer escapes "&" as the XML entity "&amp;" and writes the document in the
// encoding it declares (XMLEncoding); the reader still takes the "$amp;" of
// older files for an ampersand. A document is parsed and walked whole, and its
// size checked, before the grid changes.
#include "grid/data/file_limits.h"
#include "grid/data/file_progress.h"
#include "grid/data/xml_cells.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

void TExStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                              const TStringList* FieldDescr, bool ExportEmptyCells) {
  const QString q = QStringLiteral("\"");
  QString doc = QStringLiteral("<?xml version=") + q + QStringLiteral("1.0") + q + QStringLiteral(" encoding=") + q +
                XMLEncoding + q + QStringLiteral(" ?>\r\n");
  doc += u'<' + ListDescr + QStringLiteral(">\r\n");
  const int H = SaveHiddenCells ? NumHiddenColumns() : 0;
  TFileProgress progress(OnFileProgress, this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    doc += u'<' + RecordDescr + QStringLiteral(">\r\n");
    for (int c = SaveStartCol(); c <= SaveEndCol() + H; ++c) {
      const int rc = SaveHiddenCells ? c : DisplToRealCol(c);
      if (!IsBaseCell(rc, r)) continue;
      QString t = XmlEscape(SaveCellText(rc, r));
      if (t.isEmpty() && !ExportEmptyCells) continue;
      if (t.isEmpty() && QuoteEmptyCells) t = QStringLiteral("\"\"");  // the empty cell's mark, as it stands
      const int k = c - SaveStartCol();
      const QString field = FieldDescr && k < FieldDescr->Count() ? (*FieldDescr)[k] : QStringLiteral("FIELD%1").arg(k);
      doc += u'<' + field + u'>' + t + QStringLiteral("</") + field + QStringLiteral(">\r\n");
    }
    doc += QStringLiteral("</") + RecordDescr + QStringLiteral(">\r\n");
    progress.Report(r - SaveStartRow(), SaveEndRow() - SaveStartRow());
  }
  doc += QStringLiteral("</") + ListDescr + QStringLiteral(">\r\n");
  ExportNotification(esExportDone, -1);
  try {
    WriteFileWhole(FileName, EncodeXmlDocument(doc, XMLEncoding));
  } catch (const EFileError&) {
    throw EExGridError(QStringLiteral("Cannot Create file ") + FileName);
  }
}

void TExStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr) {
  if (!FileExists(FileName)) throw Exception(QStringLiteral("XML file not found"));
  TXmlReadOptions o;
  o.FirstCol = SaveStartCol();
  o.FirstRow = (!SaveFixedCells && !SaveFixedRows) || LoadFieldDescr ? FixedRows() : 0;
  o.LevelToRow = LevelToRow;
  o.LoadFieldDescr = LoadFieldDescr;
  o.HeaderNames = SaveFixedCells || SaveFixedRows;
  o.QuoteEmptyCells = QuoteEmptyCells;
  const TXmlCells cells = ReadXmlCells(ReadFileWhole(FileName, kMaxGridFileSize), o, [this](int col) {
    return col < AllColCount() && RowCount() > 0 ? GetCellEx(DisplToRealCol(col), 0) : QString();
  });
  int64_t cols = cells.MaxCol + 1, rows = cells.MaxRow + 1;
  for (const TXmlCell& c : cells.Cells) {
    cols = std::max<int64_t>(cols, c.Col + 1);
    rows = std::max<int64_t>(rows, c.Row + 1);
  }
  if (cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
    throw EExGridError(QStringLiteral("XML file %1 holds more than a grid takes").arg(FileName));

  TUpdateBatch batch(*this);
  // The grid grows as the walk reaches cells; every cell goes through OnLoadCell.
  for (const TXmlCell& c : cells.Cells) {
    if (c.Col >= ColCount()) SetColCount(c.Col + 1);
    if (c.Row >= RowCount()) SetRowCount(c.Row + 1);
    LoadCellText(DisplToRealCol(c.Col), c.Row, c.Text);
  }
  SetColCount(cells.MaxCol + 1);
  SetRowCount(cells.MaxRow + 1);
  RecalcAllFooters();
}
