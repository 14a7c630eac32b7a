// Pictures of mini-HTML texts: THTMLPicture keeps the bytes of a picture file and
// shows them through the platform's picture decoder; for an animated GIF file it
// selects one frame at a time (frames are found by scanning the bytes) and steps
// through them by their display times. THTMLPictureCache holds pictures loaded
// by address (RES://, FILE://; network addresses are not downloaded), and
// TPictureContainer named pictures.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/collection.h"
#include "platform/ui/component.h"
#include "platform/ui/graphics.h"
#include "platform/ui/image_data.h"

class TCanvas;

// GIF frames as the picture finds them: a graphic control extension (0x21 0xF9
// 0x04) with an image descriptor (0x2C) 8 bytes after its start.
namespace gif_frames {
bool IsGIF(const QByteArray& data);
// Positions of the frames' 0x21 bytes, in file order.
std::vector<int> FramePositions(const QByteArray& data);
// The 16-bit little-endian value at `at`, 0 past the end.
int Word(const QByteArray& data, int at);
}  // namespace gif_frames

using TDownLoadProgressEvent = std::function<void(TObject* Sender, unsigned dwSize, unsigned dwTotSize)>;
using TDownLoadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownLoadErrorEvent = std::function<void(TObject* Sender, const QString& err)>;

class THTMLPicture : public TPersistent {
public:
  THTMLPicture();
  ~THTMLPicture() override;

  // Each load copies the bytes and decodes them. A file that cannot be read or
  // decoded leaves the picture empty without an error.
  void LoadFromFile(const QString& FileName);
  // A stream stands as the bytes it holds; nullptr does nothing. Bytes that no
  // reader takes raise "Could not load image. Invalid format" (the picture is
  // then empty); metafiles give an empty picture.
  void LoadFromStream(const QByteArray* Stream);
  void SaveToStream(QByteArray& Stream) const { Stream = FDatastream; }
  // A picture compiled into the program (":/pictures/<name>"); nothing when there is none.
  void LoadFromResourceName(const QString& ResName);
  void LoadFromResourceID(int ResID);
  // "RES://name", "FILE://path" (the prefix in any letter case, the rest as
  // written); other addresses are remembered and not loaded.
  void LoadFromURL(const QString& url);
  void Assign(const TPersistent* Source) override;
  // Reads the picture's bytes as the component file holds them (no OnChange).
  void ReadData(const QByteArray& Data);

  void Draw(TCanvas* Canvas, const TRect& Rect) const;
  int Width() const;
  int Height() const;
  void SetWidth(int) {}
  void SetHeight(int) {}
  bool Empty() const { return FIsEmpty; }
  // True when a decoded picture is there to draw.
  bool HasPicture() const { return !FPicture.Empty(); }

  bool IsGIF() const { return gif_frames::IsGIF(FDatastream); }
  // -1 for data that is not a GIF file.
  int FrameCount();
  // The display time of frame i in hundredths of a second; -1 when there is no
  // such frame. Also records the frame's transparency and disposal.
  int GetFrameTime(int i);
  int MaxWidth() const;
  int MaxHeight() const;
  int Frame() const { return FFrame; }
  // Clamped to 1..FrameCount; the picture is decoded again at that frame.
  void SetFrame(int Value);
  void FrameNext();
  void FramePrev();
  // One animation tick of 100 ms; true when the frame changed.
  bool Step();

  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  int FrameWidth() const { return FFrameWidth; }
  int FrameHeight() const { return FFrameHeight; }
  bool FrameTransparent() const { return FFrameTransp; }
  int FrameDisposal() const { return FFrameDisposal; }

  bool Stretch = false;
  QString ID;
  bool IsDB = false;
  bool Asynch = true;
  bool Busy() const { return FBusy; }

  TNotifyEvent OnChange;
  TNotifyEvent OnFrameChange;
  // Declared for the download of pictures by network address, which this
  // program never does; they are never raised.
  TDownLoadProgressEvent OnDownLoadProgress;
  TDownLoadCancelEvent OnDownLoadCancel;
  TNotifyEvent OnDownLoadComplete;
  TDownLoadErrorEvent OnDownLoadError;

private:
  void SetBytes(const QByteArray& Bytes, bool Notify);
  void DecodeData();
  void Changed();

  QByteArray FDatastream;
  bool FIsEmpty = true;
  TImageData FPicture;
  int FLogPixX = 96, FLogPixY = 96;
  QString FURL;
  bool FBusy = false;
  int FFrame = 1;
  int FFrameCount = -1;
  int FFrameXPos = 0, FFrameYPos = 0, FFrameWidth = 0, FFrameHeight = 0;
  bool FFrameTransp = false;
  int FFrameDisposal = 0;
  int FMaxWidth = 0, FMaxHeight = 0;
  int FNextCount = -1;
  int FTimerCount = -1;
};

// The pictures loaded by address, owned.
class THTMLPictureCache {
public:
  THTMLPictureCache() = default;
  ~THTMLPictureCache();
  THTMLPictureCache(const THTMLPictureCache&) = delete;
  THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

  THTMLPicture* AddPicture();
  // The first picture whose ID equals the text exactly.
  THTMLPicture* FindPicture(const QString& ID) const;
  void ClearPictures();
  int Count() const { return static_cast<int>(FItems.size()); }
  THTMLPicture* Items(int Index) const;
  void SetItems(int Index, THTMLPicture* Value);
  // Steps every picture; true when one changed its frame.
  bool Animate();

private:
  std::vector<THTMLPicture*> FItems;
};

// Named pictures. (The item class keeps its own namespace: the drop-down
// pickers have a picture item of the same name.)
namespace picture_container {

class TPictureItem : public TCollectionItem {
public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  QString Name;
  int Tag = 0;
  THTMLPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const THTMLPicture* Value) { FPicture->Assign(Value); }
  void Assign(const TPersistent* Source) override;

private:
  std::unique_ptr<THTMLPicture> FPicture;
};

class TPictureCollection : public TCollectionOf<TPictureItem> {
public:
  explicit TPictureCollection(TComponent* AOwner) : FOwner(AOwner) {}
  TPersistent* GetOwner() const override { return FOwner; }
  bool Animate();

private:
  TComponent* FOwner;
};

}  // namespace picture_container

using picture_container::TPictureCollection;

class TPictureContainer : public TComponent {
public:
  explicit TPictureContainer(TComponent* AOwner);
  ~TPictureContainer() override;
  TPictureCollection* Items() const { return FItems.get(); }
  // Copies the items of another collection (the container keeps its own).
  void SetItems(const TPictureCollection* Value) { FItems->Assign(Value); }
  // The picture of the first item whose name equals the text in any letter case.
  virtual THTMLPicture* FindPicture(const QString& Name) const;
  // A new item with that name; its picture is returned to be loaded.
  THTMLPicture* AddPicture(const QString& Name);

private:
  std::unique_ptr<TPictureCollection> FItems;
};
