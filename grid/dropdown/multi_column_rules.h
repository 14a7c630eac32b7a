// The multi-column drop-down's rules, free of any window: type-ahead completion
// of the edit text from a list of entries, the incremental search of the list,
// the pop-up height that shows whole rows, and column widths scaled to the
// pop-up's width.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What type-ahead makes of the edit text with the caret at SelStart.
struct TTypeAhead {
  bool Matched = false;  // an entry completes the typed text
  int Index = -1;        // the entry
  QString Text;          // the new edit text
  int SelStart = 0;      // the caret (the typed characters)
  int SelEnd = 0;        // the end of the selected completion
  bool Changed = false;  // the text is to be rewritten (a completion, or the tail dropped)
};
// The first entry that starts with the characters before the caret (with or
// without case) completes them: typed characters as typed, then the entry's
// tail (at most 255 characters). Without a match the text is cut at the caret.
TTypeAhead TypeAheadComplete(const QStringList& Entries, const QString& Text, int SelStart, bool MatchCase);

// The index of the first entry that starts with Value (an empty Value matches
// nothing), compared with or without case; -1 when there is none.
int FindEntryStartingWith(const QStringList& Entries, const QString& Value, bool CaseSensitive);

// The pop-up height that shows whole rows: the header and footer heights HF,
// the list's header row, the rows below it and Extra pixels of frame (2 for
// the multi-column list, 6 for the grid drop-down's list).
int SnapDropDownHeight(int Height, int HF, int HeaderHeight, int RowHeight, int Extra = 2);

// Column widths scaled by Avail / (1 + the sum of the widths), rounded halves
// to even, with the rounding remainder carried to the next columns.
std::vector<int> ScaleColumnWidths(const std::vector<int>& Widths, int Avail);
