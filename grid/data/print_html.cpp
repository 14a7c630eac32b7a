// Mini-HTML on a printed page: the renderer lays the text out in the device's
// pixels (a page canvas maps 0.1 mm per call, the renderer works in pixels),
// with the page font at the device's size, the grid's images, pictures and link
// colour; sizes come back in page units. A page that only measures lays the text
// out on a scratch bitmap with the same pixel font.
#include <algorithm>
#include <cmath>

#include "grid/base/html_render.h"
#include "grid/data/print_routines.h"
#include "grid/view/ex_string_grid.h"
#include "platform/print/page_canvas.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

TSize PrintHtmlText(TExStringGrid& Grid, TPageCanvas& Page, const TRect& R, const QString& Html, bool Draw) {
  const TRect device = Page.ToDevice(R);
  TBitmap scratch(1, 1);
  const bool drawing = Draw && Page.Drawing();
  TCanvas* c = drawing ? Page.DeviceCanvas() : scratch.Canvas();
  TFont keptFont;
  keptFont.Assign(*c->Font());
  const TBrushStyle keptBrush = c->Brush()->Style();
  c->Font()->Assign(*Page.Font());
  const int units = std::abs(Page.Font()->Height());
  c->Font()->SetHeight(-std::max(1, static_cast<int>(std::lround(units * Page.DpiY() / 254.0))));
  c->Brush()->SetStyle(bsClear);
  THtmlDrawInput in;
  in.Images = Grid.GetGridImages();
  in.PictureContainer = Grid.Container;
  in.PictureCache = Grid.ImageCache();
  in.UrlColor = Grid.URLColor;
  in.PrintMode = true;
  in.ImageScale = Page.DpiX() / 96.0;
  in.MeasureOnly = !drawing;
  THtmlDrawOutput out;
  DrawHtmlCellText(c, Html, device, in, out);
  c->Font()->Assign(keptFont);
  c->Brush()->SetStyle(keptBrush);
  return {static_cast<int>(std::lround(out.TextExtentX * 254.0 / Page.DpiX())),
          static_cast<int>(std::lround(out.TextExtentY * 254.0 / Page.DpiY()))};
}
