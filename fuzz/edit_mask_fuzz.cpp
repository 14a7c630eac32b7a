// Edit masks as cell texts and column settings bring them (the PROP of a MASK
// control, a column's edit mask), taken apart for the line edit: the input is
// the mask, a byte 0x01, and a shown text. Invariants: the line edit's mask has
// exactly one position for each position the translation reports (its own mask
// ends at the first ';'); the text of a shown text is never longer than it.
#include "fuzz/fuzz_support.h"
#include "platform/ui/edit_mask_text.h"

namespace {

// Positions of a mask in the line edit's syntax, read as the line edit reads it.
size_t QtMaskPositions(const QString& mask) {
  const qsizetype end = mask.indexOf(u';');
  const QString m = end < 0 ? mask : mask.left(end);
  size_t n = 0;
  bool escaped = false;
  for (QChar c : m) {
    if (escaped) {
      ++n;
      escaped = false;
    } else if (c == u'\\') {
      escaped = true;
    } else if (c != u'<' && c != u'>' && c != u'!' && c != u'[' && c != u']' && c != u'{' && c != u'}') {
      ++n;
    }
  }
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString input = Fuzz_Text(data, size);
  const qsizetype cut = input.indexOf(QChar(1));
  const QString mask = cut < 0 ? input : input.left(cut);
  const QString shown = cut < 0 ? QString() : input.mid(cut + 1);
  const TEditMaskParts parts = TranslateEditMask(mask);
  Fuzz_Require(QtMaskPositions(parts.QtMask) == parts.LiteralAt.size(),
               "the line edit's mask and the translation count different positions");
  Fuzz_Require(TextOfMaskedDisplay(parts, shown).size() <= shown.size(), "the masked text grew");
  return 0;
}
