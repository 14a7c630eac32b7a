// TExStringGridCheck: the base of pluggable cell-text checkers. A grid refers to
// one through its CellChecker property (it does not own it) and asks it to correct
// a cell's text or to mark the errors in it with the mini-HTML error tag. The base
// checks nothing: every text comes back unchanged. Descendants override the four
// operations.
#pragma once

#include "platform/ui/component.h"

#include <QString>

class TExStringGridCheck : public TComponent {
public:
  explicit TExStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

  // The text s of cell (ACol, ARow) with its errors marked; the base returns s.
  virtual QString MarkError(int ACol, int ARow, const QString& s);
  // The corrected text of cell (ACol, ARow); the base returns s.
  virtual QString Correct(int ACol, int ARow, const QString& s);
  // Called once before and once after the grid checks a range of cells.
  virtual void StartCheck();
  virtual void StopCheck();

  // Move the grid's cursor to each cell in turn while checking a range.
  bool GotoCell = false;
  // Correct / mark a cell's text when the user's edit of it is validated.
  bool AutoCorrect = false;
  bool AutoMarkError = false;
  // Correct / mark texts when the grid is asked to check cells.
  bool UseCorrect = false;
  bool UseMarkError = false;
};
