#include "grid/base/html_picture.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/ui/resource_data.h"

// --- GIF frames ---

namespace gif_frames {

bool IsGIF(const QByteArray& data) { return data.size() >= 5 && data.startsWith("GIF8"); }

int Word(const QByteArray& data, int at) {
  if (at < 0 || at + 1 >= data.size()) return 0;
  return static_cast<uint8_t>(data[at]) | (static_cast<uint8_t>(data[at + 1]) << 8);
}

std::vector<int> FramePositions(const QByteArray& data) {
  std::vector<int> out;
  if (!IsGIF(data)) return out;
  const auto* b = reinterpret_cast<const uint8_t*>(data.constData());
  for (int p = 0; p + 9 < data.size(); ++p)
    if (b[p] == 0x21 && b[p + 1] == 0xF9 && b[p + 2] == 0x04 && b[p + 8] == 0x2C) out.push_back(p);
  return out;
}

}  // namespace gif_frames

using gif_frames::Word;

namespace {
// The largest picture file read (a cell's picture is far smaller).
constexpr qint64 kMaxPictureFileBytes = 32 * 1024 * 1024;
}  // namespace

// --- picture ---

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Changed() {
  if (OnChange) OnChange(this);
}

void THTMLPicture::SetBytes(const QByteArray& Bytes, bool Notify) {
  FDatastream = Bytes;
  FFrameCount = -1;
  FIsEmpty = false;
  DecodeData();
  if (Notify) Changed();
}

void THTMLPicture::LoadFromFile(const QString& FileName) {
  try {
    // Only a plain file of a picture's size: a cell text may name any path.
    const QFileInfo info(FileName);
    QFile f(FileName);
    if (!info.isFile() || info.size() > kMaxPictureFileBytes || !f.open(QIODevice::ReadOnly))
      throw EFileError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    SetBytes(f.read(kMaxPictureFileBytes), true);
  } catch (const Exception&) {
    FIsEmpty = true;
    FPicture.Clear();
  }
}

void THTMLPicture::LoadFromStream(const QByteArray* Stream) {
  if (!Stream) return;
  SetBytes(*Stream, true);
}

void THTMLPicture::ReadData(const QByteArray& Data) { SetBytes(Data, false); }

void THTMLPicture::LoadFromResourceName(const QString& ResName) {
  QByteArray bytes;
  if (!ReadResourceData(ResName, bytes)) return;
  SetBytes(bytes, true);
}

void THTMLPicture::LoadFromResourceID(int ResID) { LoadFromResourceName(QString::number(ResID)); }

void THTMLPicture::LoadFromURL(const QString& url) {
  const QString up = url.toUpper();
  if (up.startsWith(QStringLiteral("RES://"))) {
    ID = url;
    LoadFromResourceName(url.mid(6));
    return;
  }
  if (up.startsWith(QStringLiteral("FILE://"))) {
    ID = url;
    LoadFromFile(url.mid(7));
    return;
  }
  if (!Asynch) {
    FURL = url;
    ID = url;
    return;
  }
  // Pictures by network address are not downloaded: the download ends at once.
  if (FBusy) return;
  FURL = url;
  FBusy = true;
}

void THTMLPicture::Assign(const TPersistent* Source) {
  FIsEmpty = true;
  FPicture.Clear();
  FFrameCount = FNextCount = FTimerCount = -1;
  FFrame = 1;
  if (!Source) {
    FDatastream.clear();
    return;
  }
  auto* p = dynamic_cast<const THTMLPicture*>(Source);
  if (!p) return;
  SetBytes(p->FDatastream, true);
}

// --- decoding ---

void THTMLPicture::DecodeData() {
  FPicture.Clear();
  FFrameXPos = FFrameYPos = FFrameWidth = FFrameHeight = 0;
  FMaxWidth = FMaxHeight = 0;
  QByteArray bytes = FDatastream;
  bool frame = false;
  if (IsGIF() && FrameCount() > 0) {
    FMaxWidth = Word(FDatastream, 6);
    FMaxHeight = Word(FDatastream, 8);
    const std::vector<int> at = gif_frames::FramePositions(FDatastream);
    FFrame = std::clamp(FFrame, 1, static_cast<int>(at.size()));
    const int p = at[FFrame - 1];
    FFrameXPos = Word(FDatastream, p + 9);
    FFrameYPos = Word(FDatastream, p + 11);
    FFrameWidth = Word(FDatastream, p + 13);
    FFrameHeight = Word(FDatastream, p + 15);
    // The bytes before the first frame, then the file from the selected frame on.
    bytes = FDatastream.left(at.front()) + FDatastream.mid(p);
    frame = true;
  }
  if (IsMetafileData(bytes)) {
    FIsEmpty = true;  // no reader draws metafiles here
    return;
  }
  if (!FPicture.Decode(bytes)) {
    FIsEmpty = true;
    throw Exception(QStringLiteral("Could not load image. Invalid format"));
  }
  // The decoder lays the frame out on the animation's whole screen: keep the frame.
  if (frame && FFrameWidth > 0 && FFrameHeight > 0 && FPicture.Width() == FMaxWidth &&
      FPicture.Height() == FMaxHeight && (FFrameWidth != FMaxWidth || FFrameHeight != FMaxHeight))
    FPicture.Crop(Bounds(FFrameXPos, FFrameYPos, FFrameWidth, FFrameHeight));
  // A frame that lies outside the animation's screen leaves nothing to show.
  if (FPicture.Empty()) FIsEmpty = true;
}

// --- sizes and drawing ---

int THTMLPicture::Width() const { return FPicture.Width() * 96 / FLogPixX; }
int THTMLPicture::Height() const { return FPicture.Height() * 96 / FLogPixY; }
int THTMLPicture::MaxWidth() const {
  if (!HasPicture()) return 0;
  return FMaxWidth ? FMaxWidth : Width();
}
int THTMLPicture::MaxHeight() const {
  if (!HasPicture()) return 0;
  return FMaxHeight ? FMaxHeight : Height();
}

void THTMLPicture::Draw(TCanvas* Canvas, const TRect& Rect) const {
  if (FIsEmpty || !HasPicture()) return;
  if (Stretch) return FPicture.StretchDraw(Canvas, Rect);
  FPicture.DrawClipped(Canvas, Rect.Left, Rect.Top, Rect);
}

// --- frames ---

int THTMLPicture::FrameCount() {
  if (FFrameCount != -1) return FFrameCount;
  if (!IsGIF()) return -1;
  FFrameCount = static_cast<int>(gif_frames::FramePositions(FDatastream).size());
  return FFrameCount;
}

int THTMLPicture::GetFrameTime(int i) {
  if (!IsGIF()) return -1;
  const std::vector<int> at = gif_frames::FramePositions(FDatastream);
  if (i < 1 || i > static_cast<int>(at.size())) return -1;
  const int p = at[i - 1];
  const int packed = static_cast<uint8_t>(FDatastream[p + 3]);
  FFrameTransp = (packed & 1) != 0;
  FFrameDisposal = (packed >> 2) & 7;
  return Word(FDatastream, p + 4);
}

void THTMLPicture::SetFrame(int Value) {
  FFrame = std::clamp(Value, 1, std::max(1, FrameCount()));
  if (FDatastream.isEmpty()) return;
  DecodeData();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
  const int n = FrameCount();
  FFrame = FFrame >= n ? 1 : FFrame + 1;
}

void THTMLPicture::FramePrev() {
  const int n = FrameCount();
  FFrame = FFrame <= 1 ? std::max(1, n) : FFrame - 1;
}

bool THTMLPicture::Step() {
  // 1.
  if (FrameCount() < 2 || FIsEmpty) return false;
  bool changed = false;
  // 2. The time the current frame is due to change, looked up once.
  if (FNextCount == -1) FNextCount = std::max(0, GetFrameTime(FFrame));
  // 3.
  if (FTimerCount * 10 >= FNextCount) {
    FrameNext();
    try {
      DecodeData();
    } catch (const Exception&) {
      return false;  // a frame no reader takes leaves the picture empty
    }
    FNextCount += std::max(0, GetFrameTime(FFrame));
    changed = true;
  }
  // 4.
  ++FTimerCount;
  return changed;
}

// --- cache ---

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture() {
  FItems.push_back(new THTMLPicture());
  return FItems.back();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const {
  for (THTMLPicture* p : FItems)
    if (p->ID == ID) return p;
  return nullptr;
}

void THTMLPictureCache::ClearPictures() {
  for (THTMLPicture* p : FItems) delete p;
  FItems.clear();
}

THTMLPicture* THTMLPictureCache::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  return FItems[Index];
}

void THTMLPictureCache::SetItems(int Index, THTMLPicture* Value) {
  if (Index < 0 || Index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  if (FItems[Index] != Value) delete FItems[Index];
  FItems[Index] = Value;
}

bool THTMLPictureCache::Animate() {
  bool changed = false;
  for (THTMLPicture* p : FItems) changed = p->Step() || changed;
  return changed;
}

// --- container ---

namespace picture_container {

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>()) {}
TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const TPersistent* Source) {
  auto* item = dynamic_cast<const TPictureItem*>(Source);
  if (!item) return TCollectionItem::Assign(Source);
  Name = item->Name;
  Tag = item->Tag;
  FPicture->Assign(item->FPicture.get());
}

bool TPictureCollection::Animate() {
  bool changed = false;
  for (int i = 0; i < Count(); ++i) changed = Items(i)->Picture()->Step() || changed;
  return changed;
}

}  // namespace picture_container

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}
TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(const QString& Name) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->Name.compare(Name, Qt::CaseInsensitive) == 0) return FItems->Items(i)->Picture();
  return nullptr;
}

THTMLPicture* TPictureContainer::AddPicture(const QString& Name) {
  picture_container::TPictureItem* item = FItems->Add();
  item->Name = Name;
  return item->Picture();
}
