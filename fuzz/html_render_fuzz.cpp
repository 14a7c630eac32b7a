// The mini-HTML renderer on cell texts: measuring, hit testing and drawing the
// text with the real fonts into a bitmap, with a named picture and an image
// list to show. The first two bytes place the hit-test point, the third picks
// the switches (word wrap, selected, hover underline, blink); the rest is the
// text.
// Invariants: the extents are not negative and a text measures at least one line
// high; measuring alone never counts more links than drawing lays out on the
// rectangle; the canvas's font, brush and pen come back as they were.
#include "fuzz/fuzz_gui.h"
#include "fuzz/fuzz_support.h"
#include "grid/base/html_picture.h"
#include "grid/base/html_render.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"

#include <QBuffer>
#include <QImage>

namespace {

struct Pictures {
  Pictures() : container(nullptr), images(nullptr) {
    // A named picture "pic" and two list pictures.
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    container.AddPicture(QStringLiteral("pic"))->LoadFromStream(&bytes);
    TBitmap b(16, 16);
    images.Add(&b);
    images.Add(&b);
  }
  TPictureContainer container;
  TImageList images;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Gui();
  static Pictures pictures;
  if (size < 3) return 0;
  const QString text = Fuzz_Text(data + 3, size - 3);
  THtmlDrawInput in;
  in.X = data[0];
  in.Y = data[1] / 2;
  in.WordWrap = data[2] & 1;
  in.Selected = data[2] & 2;
  in.HoverUnderlineOnly = data[2] & 4;
  in.BlinkOn = data[2] & 8;
  in.FocusLink = (data[2] >> 4) & 3;
  in.HoverLink = 1;
  in.PictureContainer = &pictures.container;
  in.Images = &pictures.images;
  const TRect r{0, 0, 160, 120};

  TBitmap b(160, 120);
  TCanvas* c = b.Canvas();
  c->Font()->SetSize(9);
  c->Font()->SetColor(clNavy);
  c->Brush()->SetColor(clWhite);
  c->Pen()->SetColor(clMaroon);

  THtmlDrawInput measure = in;
  measure.MeasureOnly = true;
  THtmlDrawOutput m;
  DrawHtmlCellText(c, text, r, measure, m);
  Fuzz_Require(m.TextExtentX >= 0 && m.TextExtentY > 0, "negative or empty extents");

  THtmlDrawInput hit = in;
  hit.HitTestOnly = true;
  THtmlDrawOutput h;
  DrawHtmlCellText(c, text, r, hit, h);

  THtmlDrawOutput d;
  DrawHtmlCellText(c, text, r, in, d);
  Fuzz_Require(d.TextExtentY > 0, "a drawn text without height");
  Fuzz_Require(d.LinkCount <= m.LinkCount, "drawing laid out more links than measuring found");
  Fuzz_Require(c->Font()->Size() == 9 && c->Font()->Color() == clNavy && c->Font()->Style().Empty(),
               "the canvas font was not given back");
  Fuzz_Require(c->Brush()->Color() == clWhite && c->Pen()->Color() == clMaroon,
               "the canvas brush or pen was not given back");
  return 0;
}
