// A cell picture referenced by its file name: the file is read when the name is
// set (for the size) and again each time the picture is drawn, so the cell always
// shows the file as it is on disk.
#pragma once

#include <QString>

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TCanvas;

class TFilePicture : public TPersistent {
public:
  QString Filename() const { return FFilename; }
  // Stores the name and takes the picture's size; a file that cannot be read
  // raises the picture-loading error (EFileError) after the name was stored.
  void SetFilename(const QString& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Reads the file and stretches it into r; nothing without a file name or
  // when the file cannot be read any more.
  void DrawPicture(TCanvas* Canvas, const TRect& r);
  // Copies name and size from another file picture without reading the file.
  void Assign(const TPersistent* Source) override;

private:
  QString FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
