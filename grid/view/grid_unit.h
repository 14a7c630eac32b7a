// Process-wide values of the grid control's unit: the registered clipboard
// format and window messages, the pointer shown over links, the grid whose focus
// frame follows its window, the hint font name, the common-controls fact the
// date editors test, and the version numbers of the grid and the column grid.
#pragma once

#include <QString>

#include "grid/base/drag_drop_objects.h"
#include "platform/ui/control.h"

class TExStringGrid;

// The private clipboard format of grid cells: its registered name; the MIME
// type the clipboard and drags carry it under is GridCellsMimeType().
inline constexpr const char16_t* kGridCellsFormatName = u"TExStringGrid Cells";

// The window messages the grid registers at start-up (the same number for the
// same name in the whole program).
unsigned GridEditDoneMessage();   // "GridEditDone"
unsigned DTPShiftFocusMessage();  // "DTPShiftFocus"

// The date and date-time editors need common controls of version 4.70 or later;
// the platform's own editors always qualify.
inline constexpr bool ComCtl32V470 = true;

// The pointer over links: 8009 until a grid is made, then the hand pointer.
extern TCursor LinkCursor;
// The grid whose focus frame is shown (it moves with the grid's window).
extern TExStringGrid* FocusFrameGrid;
// The font name the hint window uses for wide-text hints.
extern QString HintFontName;

// The unit's version numbers: one byte each, major first.
inline constexpr int kGridVersionNr = (6 << 24) | (2 << 16) | (1 << 8) | 3;
inline constexpr int kColumnGridVersionNr = (3 << 24) | (1 << 16) | (3 << 8) | 1;  // 50397953
// The four bytes of a version number in decimal joined by ".", major first.
QString VersionNrToString(int nr);
