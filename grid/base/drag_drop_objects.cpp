#include "grid/base/drag_drop_objects.h"

#include <QUrl>
#include <QtEndian>
#include <algorithm>


namespace {

bool g_acceptRtf = false;

constexpr int kCellsHeader = 8;

// The addresses of a uri-list: one per line, "#" lines are comments.
QList<QUrl> UriList(const QByteArray& data) {
  QList<QUrl> urls;
  for (const QByteArray& raw : data.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QUrl url(QString::fromUtf8(line), QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty()) urls.append(url);
  }
  return urls;
}

}  // namespace

QString TextMimeType() { return QStringLiteral("text/plain"); }
QString RichTextMimeType() { return QStringLiteral("text/rtf"); }
QString UriListMimeType() { return QStringLiteral("text/uri-list"); }
QString GridColumnMimeType() { return QStringLiteral("application/x-exstringgrid-column"); }
QString HtmlMimeType() { return QStringLiteral("text/html"); }
QString GridCellsMimeType() { return QStringLiteral("application/x-exstringgrid-cells"); }

void SetAcceptRtfDrop(bool Value) { g_acceptRtf = Value; }
bool AcceptRtfDrop() { return g_acceptRtf; }

int DropEffectRule(int KeyState, int AllowedEffects) {
  if (KeyState & MK_CONTROL) return DROPEFFECT_COPY;
  if (AllowedEffects & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
  return DROPEFFECT_COPY;
}

// ----- payloads -----

QByteArray EncodeGridCells(const QByteArray& Stream) {
  QByteArray block(kCellsHeader, '\0');
  qToLittleEndian<qint32>(static_cast<qint32>(Stream.size()), block.data());
  return block + Stream;
}

std::optional<QByteArray> DecodeGridCells(const QByteArray& Block) {
  if (Block.size() < kCellsHeader) return std::nullopt;
  const qint32 n = qFromLittleEndian<qint32>(Block.constData());
  if (n < 0 || n > Block.size() - kCellsHeader) return std::nullopt;
  return Block.mid(kCellsHeader, n);
}

QByteArray EncodeColumn(int Col) {
  QByteArray block(4, '\0');
  qToLittleEndian<qint32>(Col, block.data());
  return block;
}

int DecodeColumn(const QByteArray& Block) {
  if (Block.size() < 4) return -1;
  return qFromLittleEndian<qint32>(Block.constData());
}

QString DecodeRichText(const QByteArray& Block) {
  const qsizetype end = Block.indexOf('\0');
  return QString::fromLatin1(end < 0 ? Block : Block.left(end));
}

QString DecodeText(const QString& Text) {
  const qsizetype end = Text.indexOf(QChar(0));
  return end < 0 ? Text : Text.left(end);
}

// ----- TSourceDataObject -----

TSourceDataObject::TSourceDataObject(const QString& Text, const QString& RichText, int Col, const QByteArray* Stream)
    : FText(Text), FRichText(RichText), FCol(Col), FHasStream(Stream != nullptr) {
  if (Stream) FStream = *Stream;
}

bool TSourceDataObject::QueryGetData(const QString& Format) const {
  if (!FText.isEmpty()) {
    if (Format == TextMimeType()) return true;
    if (Format == RichTextMimeType() && g_acceptRtf) return true;
  }
  if (FHasStream && Format == GridCellsMimeType()) return true;
  if (FCol != -1 && Format == GridColumnMimeType()) return true;
  return false;
}

QByteArray TSourceDataObject::GetData(const QString& Format) const {
  if (!QueryGetData(Format)) return {};
  if (Format == TextMimeType()) return FText.toUtf8();
  if (Format == RichTextMimeType()) return FRichText.toLatin1();
  if (Format == GridCellsMimeType()) return EncodeGridCells(FStream);
  return EncodeColumn(FCol);
}

QStringList TSourceDataObject::EnumFormats() const {
  QStringList formats{TextMimeType(), RichTextMimeType()};
  if (FCol != -1) formats << GridColumnMimeType();
  if (FHasStream) formats << GridCellsMimeType();
  return formats;
}

QMimeData* TSourceDataObject::CreateMimeData() const {
  auto* data = new QMimeData;
  for (const QString& f : EnumFormats())
    if (QueryGetData(f)) data->setData(f, GetData(f));
  return data;
}

// ----- TSourceEnumFormatEtc -----

bool TSourceEnumFormatEtc::Next(int n, QStringList& Out, int* Fetched) {
  int filled = 0;
  while (filled < n && FPos < FFormats.size()) {
    Out << FFormats[FPos++];
    ++filled;
  }
  if (Fetched) *Fetched = filled;
  return filled == n;
}

bool TSourceEnumFormatEtc::Skip(int n) {
  const int size = static_cast<int>(FFormats.size());
  if (n > size - FPos) {
    FPos = size;
    return false;
  }
  FPos += n;
  return true;
}

// ----- TEnumFormats -----

TEnumFormats::TEnumFormats(const QMimeData* DataObject) { SetDataObject(DataObject); }

void TEnumFormats::SetDataObject(const QMimeData* Value) {
  FData = Value;
  FFormats = FData ? FData->formats() : QStringList();
  Reset();
}

bool TEnumFormats::Reset() {
  FValid = false;
  FCount = 0;
  FIndex = 0;
  return FData != nullptr;
}

bool TEnumFormats::Next() {
  ++FCount;
  FValid = FIndex < FFormats.size();
  if (FValid) FFormat = FFormats[FIndex++];
  return FValid;
}

bool TEnumFormats::HasFormat(const QString& Format) {
  if (!Reset()) return false;
  while (Next())
    if (FFormat == Format) return true;
  return false;
}

bool TEnumFormats::HasText() { return HasFormat(TextMimeType()); }
bool TEnumFormats::HasRTF() { return HasFormat(RichTextMimeType()); }
bool TEnumFormats::HasCol() { return HasFormat(GridColumnMimeType()); }
bool TEnumFormats::HasGridCells() { return HasFormat(GridCellsMimeType()); }

bool TEnumFormats::HasFile() {
  if (!HasFormat(UriListMimeType())) return false;
  const QList<QUrl> urls = UriList(RawData(UriListMimeType()));
  return std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); });
}

bool TEnumFormats::HasURL() {
  if (!HasFormat(UriListMimeType())) return false;
  const QList<QUrl> urls = UriList(RawData(UriListMimeType()));
  return std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return !u.isLocalFile(); });
}

QByteArray TEnumFormats::RawData(const QString& Format) { return FData ? FData->data(Format) : QByteArray(); }

int TEnumFormats::Col() {
  if (!HasCol()) return -1;
  return DecodeColumn(RawData(GridColumnMimeType()));
}

std::optional<QByteArray> TEnumFormats::Stream() {
  if (!HasGridCells()) return std::nullopt;
  return DecodeGridCells(RawData(GridCellsMimeType()));
}

QString TEnumFormats::Text() {
  if (!HasText()) return {};
  return DecodeText(QString::fromUtf8(RawData(TextMimeType())));
}

QString TEnumFormats::RTF() {
  if (!HasRTF()) return {};
  return DecodeRichText(RawData(RichTextMimeType()));
}

bool TEnumFormats::ReadFiles() {
  FFiles.clear();
  if (!HasFormat(UriListMimeType())) return false;
  for (const QUrl& u : UriList(RawData(UriListMimeType())))
    if (u.isLocalFile() && !u.toLocalFile().isEmpty()) FFiles << u.toLocalFile();
  return !FFiles.isEmpty();
}

QString TEnumFormats::URL() {
  const QString text = Text();
  if (!text.isEmpty()) return text;
  if (!HasFormat(UriListMimeType())) return {};
  for (const QUrl& u : UriList(RawData(UriListMimeType())))
    if (!u.isLocalFile()) return u.toString();
  return {};
}

// ----- TESGDropTarget -----

TDropFormats TESGDropTarget::OfferedFormats(TEnumFormats& f) {
  TDropFormats formats;
  if (f.HasText()) formats += dfText;
  if (f.HasFile()) formats += dfFile;
  if (f.HasRTF()) formats += dfRTF;
  if (f.HasCol()) formats += dfCol;
  if (f.HasURL()) formats += dfURL;
  if (f.HasGridCells()) formats += dfGridCells;
  return formats;
}

int TESGDropTarget::DragEnter(const QMimeData* Data, int KeyState, TPoint, int& Effect) {
  TEnumFormats formats(Data);
  // 1. - 2.
  FDropFormats = OfferedFormats(formats);
  FOk = (FDropFormats.Contains(dfText) && AcceptText) || (FDropFormats.Contains(dfFile) && AcceptFiles) ||
        (FDropFormats.Contains(dfRTF) && g_acceptRtf && AcceptText) ||
        (FDropFormats.Contains(dfCol) && AcceptCols) || (FDropFormats.Contains(dfURL) && AcceptURLs) ||
        FDropFormats.Contains(dfGridCells);
  // 3.
  Effect = FOk ? DropEffectRule(KeyState, Effect) : DROPEFFECT_NONE;
  DragMouseEnter();
  return S_OK;
}

int TESGDropTarget::DragOver(int KeyState, TPoint Pt, int& Effect) {
  Effect = FOk ? DropEffectRule(KeyState, Effect) : DROPEFFECT_NONE;
  bool allow = Effect != DROPEFFECT_NONE;
  DragMouseMove(Pt, allow, FDropFormats);
  if (!allow) Effect = DROPEFFECT_NONE;
  return S_OK;
}

int TESGDropTarget::DragLeave() {
  DragMouseLeave();
  return S_OK;
}

int TESGDropTarget::Drop(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) {
  if (!FOk) {
    Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  TEnumFormats formats(Data);
  if (formats.HasCol()) {
    // 1. A column alone.
    DropCol(Pt, formats.Col());
  } else {
    // 2. Cells, else rich text, else text.
    if (formats.HasGridCells()) {
      if (std::optional<QByteArray> stream = formats.Stream()) DropStream(Pt, *stream);
    } else if (formats.HasRTF() && g_acceptRtf) {
      DropRTF(Pt, formats.RTF());
    } else if (formats.HasText()) {
      DropText(Pt, formats.Text());
    }
    // 3. Files and a link besides.
    if (formats.HasFile() && formats.ReadFiles()) DropFiles(Pt, formats.Files());
    if (formats.HasURL()) DropURL(Pt, formats.URL());
  }
  // 4.
  Effect = DropEffectRule(KeyState, Effect);
  return S_OK;
}

// ----- TESGDropSource -----

int TESGDropSource::QueryContinueDrag(bool EscapePressed, int KeyState) {
  QueryDrag();
  if (EscapePressed) {
    DragDropStop();
    return DRAGDROP_S_CANCEL;
  }
  if (!(KeyState & MK_LBUTTON)) {
    DragDropStop();
    return DRAGDROP_S_DROP;
  }
  return S_OK;
}

int TESGDropSource::GiveFeedback(int Effect) {
  NoAccept = Effect == DROPEFFECT_NONE;
  CurrentEffect(Effect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}
