// The column stream reader: a column grid's column items read from a component
// stream (a stream file another program or an older version wrote).
// Invariants: a stream reads whole or raises EReadError and gives nothing; what
// it gives holds at most the grid's column count of items with widths in range,
// and writes back into a stream that reads as the same items.
#include "fuzz/fuzz_support.h"
#include "grid/base/column_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  // Defaults with empty texts and lists: what the writer leaves out reads back
  // as what it was.
  const TColumnStreamItem defaults;
  std::vector<TColumnStreamItem> items;
  try {
    items = ReadColumnStream(bytes, defaults);
  } catch (const EReadError&) {
    return 0;
  }
  Fuzz_Require(static_cast<int>(items.size()) <= kColumnStreamMaxItems, "more column items than the grid keeps");
  for (const TColumnStreamItem& item : items) {
    Fuzz_Require(item.Width >= 0 && item.Width <= kColumnStreamMaxWidth, "a column width out of range");
    Fuzz_Require(item.Alignment >= 0 && item.Alignment < kColumnStreamAlignments, "an alignment out of range");
    Fuzz_Require(item.SortStyle >= 0 && item.SortStyle < kColumnStreamSortStyles, "a sort style out of range");
    Fuzz_Require(item.Borders < (1u << kColumnStreamBorders), "a border out of range");
  }
  std::vector<TColumnStreamItem> again;
  try {
    again = ReadColumnStream(WriteColumnStream(items), defaults);
  } catch (const EReadError&) {
    Fuzz_Require(false, "a written column stream does not read");
  }
  Fuzz_Require(again == items, "a written column stream reads back other items");
  return 0;
}
