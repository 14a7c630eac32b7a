// The office files the grid exchanges data with, read and written here without
// the office programs: spreadsheet workbooks (.xlsx, a zip of XML parts, read and
// written; legacy .xls read through libfreexl) and word-processor documents
// (.docx, a table written into a new document or after a bookmark of an existing
// one). Free of the grid: sheets come as texts by row and column.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Worksheet column letters: 1 is "A", 26 "Z", 27 "AA", 702 "ZZ", 703 "AAA"; up
// to three letters (16384 is "XFD"). 0 for letters that name no column.
QString ColumnLetters(int Col);
int LettersToColumn(const QString& Letters);

// A used-range address ("$A$1:$D$20", "$3:$7", "$B$2", "A1") read the way the
// spreadsheet program gives it: a range of columns and rows (1-based), or a
// single cell.
struct TUsedRange {
  bool Valid = false;
  bool Single = false;
  int StartCol = 0, StartRow = 0, EndCol = 0, EndRow = 0;
};
TUsedRange ParseUsedRange(const QString& Address);

// The files a workbook name stands for, by their first bytes.
enum TWorkbookKind { wkUnknown, wkXlsx, wkXls };
TWorkbookKind WorkbookKind(const QByteArray& Start);

// One worksheet read from a workbook: its used range as an address, and the
// values in it as texts; cells holding an error value are kept apart.
struct TWorkbookSheet {
  QString Name;
  QString UsedRange;
  QHash<std::pair<int, int>, QString> Values;  // (row, column), 1-based
  QHash<std::pair<int, int>, bool> Errors;
  QString Value(int Row, int Col) const { return Values.value({Row, Col}); }
};

// .xlsx workbooks held in memory. A part that is missing or broken raises
// Exception "Incorrect XLS file"; a sheet name that names no sheet raises
// EExGridError "Excel worksheet <name> not found". An empty name takes the
// active sheet.
QStringList XlsxSheetNames(const QByteArray& Workbook);
TWorkbookSheet ReadXlsxSheet(const QByteArray& Workbook, const QString& SheetName);
// .xls workbooks, read from their file.
QStringList XlsSheetNames(const QString& FileName);
TWorkbookSheet ReadXlsSheet(const QString& FileName, const QString& SheetName);

// Texts written into a worksheet, row by row from column A.
struct TSheetWrite {
  QString SheetName;        // the last sheet of that name, made when missing; empty: see UseActiveSheet
  bool UseActiveSheet = false;  // without a name: the active sheet at its active cell's row, else the first at row 1
  std::vector<QStringList> Rows;
};
// The workbook with the texts written in: into Existing (its other sheets and
// cells kept) or, when Existing is empty, into a new workbook. A text that is a
// number as the workbook would show it is written as a number, any other as text.
QByteArray WriteXlsxSheet(const QByteArray& Existing, const TSheetWrite& Write);

// A table written into a .docx document.
struct TDocTable {
  QString Text;  // a paragraph before the table (none when empty)
  std::vector<QStringList> Rows;
  std::vector<std::vector<int>> Alignment;  // per cell: 0 left, 1 centre, 2 right
};
// The document with the table: a new document when Existing is empty; else
// with Append the table goes after the paragraph holding the bookmark (at the end
// when there is none), without Append at the document's start.
QByteArray WriteDocxTable(const QByteArray& Existing, const TDocTable& Table, bool Append, const QString& Bookmark);
