// Rich-text cells as the rich edit loads them (a cell's characters as bytes):
// RTF read without crashing, whatever its groups, control words and escapes;
// and what it read, written again, reads back as the same runs (less the
// control characters the writer leaves out).
#include "fuzz/fuzz_support.h"
#include "platform/ui/rich_text_rtf.h"

namespace {

TRichRuns Writable(const TRichRuns& Runs) {
  TRichRuns out;
  for (const TRichRun& r : Runs) {
    QString text;
    for (QChar ch : r.Text)
      if (ch == u'\n' || ch == u'\t' || (ch.unicode() >= 0x20 && ch.unicode() != 0x7F)) text += ch;
    out.push_back({text, r.Offset});
  }
  return NormalizeRichRuns(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  const TRichRuns runs = ReadRichText(bytes);
  qsizetype chars = 0;
  for (const TRichRun& r : runs) chars += r.Text.size();
  Fuzz_Require(chars <= bytes.size(), "more characters than bytes were read");
  const TRichRuns again = Writable(runs);
  Fuzz_Require(ReadRichText(WriteRichText(again, QStringLiteral("Arial"), 10)) == again,
               "written rich text reads back differently");
  return 0;
}
