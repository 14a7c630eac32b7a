// The editors the grid lays over a fixed (header) cell: a borderless edit
// (TGridTransEdit) and a combo (TGridTransCombo). Leaving one ends the edit
// (Enter is swallowed): OnCellValidate checks the text, and an accepted text (as the
// handler left it) is written into the header cell after OnEditingDone; a
// refused one keeps the editor open and the header unchanged.
#pragma once

#include "platform/ui/edit.h"
#include "platform/ui/list_controls.h"

class TExStringGrid;

class TGridTransEdit : public TEdit {
public:
  explicit TGridTransEdit(TExStringGrid* AGrid);
  int Row = -1;
  int Col = -1;  // real column
  // Validates and stores; false when the validation refused (the editor keeps the focus).
  bool StopEdit();

protected:
  void DoExit() override;
  void KeyPress(QChar& Key) override;

private:
  TExStringGrid* FGrid;
};

class TGridTransCombo : public TComboBox {
public:
  explicit TGridTransCombo(TExStringGrid* AGrid);
  int Row = -1;
  int Col = -1;  // real column
  bool StopEdit();

protected:
  void DoExit() override;
  void KeyPress(QChar& Key) override;

private:
  TExStringGrid* FGrid;
};

// The stop-edit both fixed-cell editors share: validate Value for (Col, Row),
// then store it. False when refused.
bool StopFixedCellEdit(TExStringGrid* Grid, TWinControl* Editor, int Col, int Row, const QString& Value);
