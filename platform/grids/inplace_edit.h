// The class library's grid in-place editor protocol (stands for TInplaceEdit):
// the edit control a grid lays over its current cell. The grid asks the editor to
// load the cell (its text through the grid's GetEditText, edit mask and length
// limit), to show itself over a rectangle, to hide, and for its text, which the
// grid writes back through SetEditText. The editor control itself (an edit of the
// class library) implements the four control operations.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TStringGrid;

class TInplaceEdit {
public:
  virtual ~TInplaceEdit() = default;
  TStringGrid* Grid() const { return grid_; }

  // Places the control over the rectangle and shows it; gives it the focus when
  // `focus` is set.
  virtual void ShowAt(const TRect& r, bool focus) = 0;
  virtual void HideControl() = 0;
  virtual bool ControlVisible() const = 0;
  virtual QString EditText() const = 0;
  virtual void SetEditText(const QString& text) = 0;
  virtual void SetEditMask(const QString& mask) {}
  virtual void SetMaxLength(int length) {}
  virtual void Deselect() {}

  // Loads the grid's current cell: mask, length limit and text.
  virtual void UpdateContents();

protected:
  explicit TInplaceEdit(TStringGrid* grid) : grid_(grid) {}

private:
  TStringGrid* grid_;
};
