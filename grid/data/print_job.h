// The values of one print job, preview or drawing while its pages are laid out:
// what the page loop fixes and the page frame and the cell printer read.
// Measures are in 0.1 mm on a page whose y grows upward from its top edge.
#pragma once

#include <vector>

#include "platform/grids/string_grid.h"
#include "platform/print/page_canvas.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

struct TPrintJob {
  TPageCanvas* Canvas = nullptr;
  int Mode = 0;          // 0 preview page, 1 printed pages, 2 count for printing, 3 count for a preview
  int PageCount = -1;    // the page count handed to the page loop (-1 while counting)
  bool SelectedOnly = false;
  TGridRect PrintRect{};   // display columns and rows
  TRect PreviewRect{};     // the page in 0.1 mm (printing) or the target in device pixels
  TRect PageExtent{};      // mode 1: the page in 0.1 mm (left, top, right, bottom; bottom negative)
  bool ToPrinter = false;  // mode 1 on the printer: a new page is a new sheet
  int W = 0, B = 0;        // page width and page bottom
  int P = 0;               // the current page, 0-based
  int Band = 0;            // the current column band, 1-based
  int PagesInBand = 0;     // pages closed in the current band
  bool SeveralBands = false;
  bool Stop = false;
  double K = 1.0;          // fit-to-page scale
  double Rs = 254.0 / 96;  // screen pixels to 0.1 mm
  double Rh = 1.0;         // device to screen resolution
  int U = 0, HC = 0, S = 0, Hh = 0, Fh = 0, Th = 0, E = 0, G = 0;
  bool RepeatCols = false;  // fixed columns repeated on the current band
  int FW = 0;               // their width
  int LastHeightRow = -1, LastHeight = 0;  // the row height asked last
  TPen PagePen;

  bool Drawing() const { return Mode == 0 || Mode == 1; }
};

class TExStringGrid;

// The selection filter of a job that prints the selected rows or columns only.
bool PrintRowPasses(TExStringGrid& Grid, int ARow, bool SelectedOnly);
bool PrintColPasses(TExStringGrid& Grid, int ACol, bool SelectedOnly);
