// The measures of the page being printed, which the page loop fixes before it
// draws a page and the page frame (header and footer texts, frame lines) reads.
// All lengths are in 0.1 mm on the page canvas (y upward, the page's top edge at
// y = 0).
#pragma once

#include <vector>

class TPageCanvas;

struct TPrintLayout {
  TPageCanvas* Canvas = nullptr;  // the page drawn on (nullptr: nothing is drawn)
  // 0 draws a preview page, 1 printed pages; 2 and 3 count pages without drawing.
  int Mode = 1;
  bool Drawing() const { return Mode == 0 || Mode == 1; }

  int Width = 0;        // W: the page width
  int Bottom = 0;       // B: the y of the page bottom (negative)
  int HeaderText = 0;   // Hh: height of "gh" in the header font
  int FooterText = 0;   // Fh: height of "gh" in the footer font
  int Unit = 0;         // U: one eighth of the height of "gh" in the cell font
  int HeaderReserve = 0;  // E
  int FooterReserve = 0;  // G
  double Scale = 1.0;   // the fit-to-page scale of the job

  int Page = 0;         // P: the 0-based index of the page being laid out
  int PageCount = 0;    // the page count handed to the page loop
  int Band = 1;         // the 1-based column band of the page
  int PagesInBand = 0;  // pages of the band finished before this one
  bool SeveralBands = false;  // the printed columns need more than one band
  bool RepeatFixedCols = false;  // the fixed columns are repeated on this band

  // Indents[j]: the x of the left edge of display column j on this page
  // (Indents[j + 1] is its right edge).
  std::vector<int> Indents;
  int Indent(int Col) const { return Col >= 0 && Col < static_cast<int>(Indents.size()) ? Indents[Col] : 0; }
};
