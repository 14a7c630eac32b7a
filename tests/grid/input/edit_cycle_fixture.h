// A shown form with one editing grid, for the in-place editing tests: the grid
// has the focus, so that its editors open and take the focus as for a user.
#pragma once

#include <QString>
#include <vector>

#include "grid/input/grid_combo.h"
#include "grid/input/inplace_editor.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

// Opens the grid's editing operations and state to the tests.
class TEditTestGrid : public TExStringGrid {
public:
  using TExStringGrid::TExStringGrid;
  using TExStringGrid::CanEditShow;
  using TExStringGrid::EditMode;
  using TExStringGrid::FCellCache;
  using TExStringGrid::FEditing;
  using TExStringGrid::FValidating;
  using TExStringGrid::HideInplaceEdit;
  using TExStringGrid::IsFixed;
  using TExStringGrid::SelectCell;
  using TExStringGrid::ShowInplaceEdit;
  // The cursor moves as by a key or a click.
  void MoveTo(int ACol, int ARow) { TStringGrid::FocusCell(ACol, ARow, true); }
};

struct EditGridFixture {
  EditGridFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(500, 300);
    grid = new TEditTestGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 420, 250);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() + goEditing);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(430, 0, 60, 20);
    form->Show();
    grid->SetFocus();
    ProcessEvents();
  }
  ~EditGridFixture() { delete form; }

  // Opens the editor on a cell (the grid's cursor goes there first).
  void OpenAt(int ACol, int ARow) {
    grid->MoveTo(ACol, ARow);
    grid->SetFocus();
    grid->ShowInplaceEdit();
  }
  TExInplaceEdit* Editor() const { return grid->NormalEdit(); }
  void Type(TControl* c, const QString& text) {
    for (QChar ch : text) {
      if (ch.isDigit()) PressKey(c, Qt::Key_0 + ch.digitValue());
      else if (ch.isLetter() && ch.isUpper()) PressKey(c, Qt::Key_A + (ch.unicode() - 'A'), Qt::ShiftModifier);
      else if (ch.isLetter()) PressKey(c, Qt::Key_A + (ch.unicode() - 'a'));
      else if (ch == u'-') PressKey(c, Qt::Key_Minus);
      else if (ch == u'.') PressKey(c, Qt::Key_Period);
      else if (ch == u',') PressKey(c, Qt::Key_Comma);
    }
  }

  TForm* form;
  TEditTestGrid* grid;
  TEdit* other;
  std::vector<QString> log;
};
