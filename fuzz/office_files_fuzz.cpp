// The readers of office files users bring: .xlsx workbooks (sheet names, a
// sheet's values, and writing into the workbook), legacy .xls workbooks, and
// .docx documents a table is appended to. The first byte picks the reader.
// Invariant: a workbook written into reads again, with the written texts.
#include "fuzz/fuzz_support.h"
#include "grid/data/office_files.h"
#include "platform/rtl/exceptions.h"

namespace {

void Xlsx(const QByteArray& bytes) {
  try {
    const QStringList names = XlsxSheetNames(bytes);
    (void)ReadXlsxSheet(bytes, QString());
    if (!names.isEmpty()) (void)ReadXlsxSheet(bytes, names.last());
  } catch (const Exception&) {
    return;
  }
  TSheetWrite write;
  write.UseActiveSheet = true;
  write.Rows = {{QStringLiteral("fuzz"), QStringLiteral("1")}};
  QByteArray written;
  try {
    written = WriteXlsxSheet(bytes, write);
  } catch (const Exception&) {
    return;
  }
  const TWorkbookSheet sheet = ReadXlsxSheet(written, QString());
  bool found = false;
  for (auto it = sheet.Values.cbegin(); it != sheet.Values.cend(); ++it) found = found || it.value() == QLatin1String("fuzz");
  Fuzz_Require(found, "a text written into a workbook does not read back");
}

void Xls(const QByteArray& bytes) {
  const QString file = Fuzz_Write_File(QStringLiteral("book.xls"), bytes);
  try {
    for (const QString& name : XlsSheetNames(file)) (void)ReadXlsSheet(file, name);
  } catch (const Exception&) {
  }
}

void Docx(const QByteArray& bytes) {
  TDocTable table;
  table.Rows = {{QStringLiteral("a"), QStringLiteral("b")}};
  try {
    (void)WriteDocxTable(bytes, table, true, QStringLiteral("Mark"));
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const QByteArray bytes = Fuzz_Bytes(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: Xlsx(bytes); break;
    case 1: Xls(bytes); break;
    default: Docx(bytes); break;
  }
  return 0;
}
