#include "grid/base/file_picture.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shapes.h"

void TFilePicture::SetFilename(const QString& Value) {
  FFilename = Value;
  TPicture picture;
  picture.LoadFromFile(Value);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) {
  if (FFilename.isEmpty()) return;
  TPicture picture;
  try {
    picture.LoadFromFile(FFilename);
  } catch (const EFileError&) {
    return;  // the file went away or was replaced by something unreadable: the cell stays empty
  }
  Canvas->StretchDraw(r, picture.Bitmap());
}

void TFilePicture::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TFilePicture*>(Source)) {
    FFilename = s->FFilename;
    FWidth = s->FWidth;
    FHeight = s->FHeight;
    return;
  }
  TPersistent::Assign(Source);
}
