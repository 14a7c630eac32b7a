// A grid on a shown form, rendered into an offscreen bitmap for pixel probes.
#pragma once

#include <memory>

#include "grid/view/column_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"

template <typename TGrid = TExStringGrid>
struct TPaintFixture {
  TPaintFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(500, 300);
    grid = new TGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 400, 250);
  }
  ~TPaintFixture() { delete form; }
  // The grid as it paints now.
  TBitmap& Render() {
    bitmap.SetSize(grid->Width(), grid->Height());
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(Rect(0, 0, grid->Width(), grid->Height()));
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    return bitmap;
  }
  TColor Pixel(int x, int y) { return bitmap.Canvas()->Pixel(x, y); }
  TForm* form;
  TGrid* grid;
  TBitmap bitmap;
};
