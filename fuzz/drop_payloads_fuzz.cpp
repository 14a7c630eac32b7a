// The readers of dropped data: the formats a drop offers (text, rich text, a list
// of files and addresses, a dragged column, a block of grid cells) read by the
// format reader and by a drop target. The input's first byte chooses which formats
// are offered (bits 0 to 4), the rich-text switch (bit 5), Ctrl held (bit 6) and a
// source that allows only copying (bit 7); the rest is cut at each byte 0x01 into
// the five payloads.
// Invariants: a cell block is read only when its stated size fits the data, and
// gives exactly that many bytes; payloads the grid writes read back unchanged;
// texts end before a zero character; only an accepted drag drops anything; the
// effect chosen is one the source allows; a cell block that passes the paste
// and drop check is no larger than its data and the grid's limits. The grid's readers of what lands: a
// dropped text's block size stays within its lines, and a dropped file is taken
// for a CSV or spreadsheet file only by its extension.
#include "fuzz/fuzz_support.h"
#include "grid/base/drag_drop_objects.h"
#include "grid/data/cell_stream.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/file_limits.h"
#include "platform/rtl/exceptions.h"

#include <QMimeData>
#include <algorithm>
#include <QtEndian>

namespace {

class Counting_Target : public TESGDropTarget {
public:
  int drops = 0;

protected:
  void DropText(TPoint, const QString& s) override { Check_Text(s); }
  void DropStream(TPoint, const QByteArray&) override { ++drops; }
  void DropCol(TPoint, int) override { ++drops; }
  void DropRTF(TPoint, const QString& s) override { Check_Text(s); }
  void DropFiles(TPoint, const QStringList& list) override {
    Fuzz_Require(!list.isEmpty(), "an empty file list was dropped");
    for (const QString& f : list) Fuzz_Require(!f.isEmpty(), "an empty file name was dropped");
    ++drops;
  }
  void DropURL(TPoint, const QString&) override { ++drops; }

private:
  void Check_Text(const QString& s) {
    Fuzz_Require(!s.contains(QChar(0)), "a dropped text holds a zero character");
    ++drops;
  }
};

void Payloads(const QList<QByteArray>& parts) {
  const QByteArray& cells = parts[4];
  if (const std::optional<QByteArray> stream = DecodeGridCells(cells)) {
    Fuzz_Require(cells.size() >= 8, "a cell block shorter than its header was read");
    const qint32 stated = qFromLittleEndian<qint32>(cells.constData());
    Fuzz_Require(stream->size() == stated && stated <= cells.size() - 8, "a cell block read other than its stated size");
    Fuzz_Require(DecodeGridCells(EncodeGridCells(*stream)) == *stream, "a cell block does not read back");
    // A block that passes the paste and drop check names each cell of its
    // rectangle once and stays within the grid's limits where it lands.
    try {
      const TCellStreamHeader h = CheckedCellsBlock(*stream, 3, 2);
      Fuzz_Require(h.ColCount > 0 && h.RowCount > 0 && h.ColCount + 3 <= kMaxFileColumns &&
                       h.RowCount + 2 <= kMaxFileRows && int64_t(h.ColCount) * h.RowCount <= stream->size(),
                   "a cell block larger than its data or the grid's limits passed the check");
    } catch (const Exception&) {
    }
  }
  const int col = DecodeColumn(parts[3]);
  Fuzz_Require(DecodeColumn(EncodeColumn(col)) == col, "a column does not read back");
  Fuzz_Require(!DecodeRichText(parts[1]).contains(QChar(0)), "rich text holds a zero character");
  Fuzz_Require(!DecodeText(QString::fromUtf8(parts[0])).contains(QChar(0)), "text holds a zero character");
}

// What the grid does with a dropped text and dropped file names.
void Grid_Readers(const QMimeData& mime) {
  TEnumFormats reader(&mime);
  const QString text = reader.Text();
  int cols = 0, rowsMinusOne = 0;
  MeasureTextBlock(text, cols, rowsMinusOne);
  Fuzz_Require(cols >= 1 && rowsMinusOne >= 0 && rowsMinusOne <= text.count(u'\r'),
               "a dropped text measures beyond its lines");
  if (!reader.ReadFiles()) return;
  for (const QString& f : reader.Files()) {
    const TDroppedFileKind kind = DroppedFileKind(f);
    const QString lower = f.toLower();
    const bool csv = lower.endsWith(QStringLiteral(".csv"));
    const bool sheet = lower.endsWith(QStringLiteral(".xls")) || lower.endsWith(QStringLiteral(".xlsx"));
    const qsizetype slash = std::max(f.lastIndexOf(u'/'), f.lastIndexOf(u'\\'));
    const bool nameOnly = f.lastIndexOf(u'.') > slash;
    Fuzz_Require((kind == dfkCsv) == (csv && nameOnly), "a dropped CSV file was told by more than its extension");
    Fuzz_Require((kind == dfkSpreadsheet) == (sheet && nameOnly),
                 "a dropped spreadsheet was told by more than its extension");
  }
}

void Format_Reader(const QMimeData& mime) {
  TEnumFormats reader(&mime);
  (void)reader.Col();
  (void)reader.Stream();
  Fuzz_Require(!reader.Text().contains(QChar(0)), "the text read holds a zero character");
  (void)reader.RTF();
  (void)reader.URL();
  if (reader.ReadFiles())
    for (const QString& f : reader.Files()) Fuzz_Require(!f.isEmpty(), "an empty file name was read");
  int formats = 0;
  if (reader.Reset())
    while (reader.Next()) ++formats;
  Fuzz_Require(formats == mime.formats().size(), "the format walk does not see every format");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data + 1, size - 1), '\x01', 5);
  const QString formats[] = {TextMimeType(), RichTextMimeType(), UriListMimeType(), GridColumnMimeType(),
                             GridCellsMimeType()};
  QMimeData mime;
  for (int i = 0; i < 5; ++i)
    if (mode & (1 << i)) mime.setData(formats[i], parts[i]);
  SetAcceptRtfDrop((mode & 0x20) != 0);
  const int keys = (mode & 0x40) ? MK_CONTROL | MK_LBUTTON : MK_LBUTTON;
  const int allowed = (mode & 0x80) ? DROPEFFECT_COPY : DROPEFFECT_COPY | DROPEFFECT_MOVE;

  Payloads(parts);
  Format_Reader(mime);
  Grid_Readers(mime);

  // A drop target that takes everything, then one that takes only grid cells.
  for (bool open : {true, false}) {
    Counting_Target target;
    target.AcceptText = target.AcceptFiles = target.AcceptCols = target.AcceptURLs = open;
    int effect = allowed;
    target.DragEnter(&mime, keys, {0, 0}, effect);
    Fuzz_Require(target.Acceptable() == (effect != DROPEFFECT_NONE), "the entry effect disagrees with acceptance");
    effect = allowed;
    target.DragOver(keys, {1, 1}, effect);
    effect = allowed;
    target.Drop(&mime, keys, {1, 1}, effect);
    if (!target.Acceptable()) Fuzz_Require(target.drops == 0, "a refused drag dropped something");
    Fuzz_Require(effect == DROPEFFECT_NONE || (effect & allowed) != 0,
                 "the drop chose an effect the source does not allow");
  }
  return 0;
}
