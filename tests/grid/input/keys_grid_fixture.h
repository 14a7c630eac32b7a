// A grid on a shown form for key, mouse and window-message tests: 6 columns and
// 8 rows with one fixed row and column, default sizes, focused; an event log.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

#include "grid/view/column_grid.h"
#include "platform/ui/form.h"
#include "platform/ui/messages.h"
#include "tests/support/ui_input.h"

// Readable texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct InputGrid {
  TForm* form = nullptr;
  TExColumnGrid* g = nullptr;
  QStringList log;
  int keyDowns = 0;

  explicit InputGrid(int cols = 6, int rows = 8) {
    SetKeyboardState({});
    form = new TForm(nullptr);
    form->SetClientSize(700, 500);
    g = new TExColumnGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 680, 480);
    g->SetColCount(cols);
    g->SetRowCount(rows);
    g->OnKeyDown = [this](TObject*, int&, TShiftState) { ++keyDowns; };
    form->Show();
    g->SetFocus();
    ProcessEvents();
  }
  ~InputGrid() {
    delete form;
    SetKeyboardState({});
  }
  InputGrid(const InputGrid&) = delete;
  InputGrid& operator=(const InputGrid&) = delete;

  void Go(int c, int r) {
    g->SetRow(r);
    g->SetCol(c);
  }
  void Key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    PressKey(g, qtKey, mods);
    ProcessEvents();
  }
  QString Cell() const { return QStringLiteral("%1,%2").arg(g->Col()).arg(g->Row()); }
  // The centre of a cell in client pixels.
  TPoint Centre(int c, int r) const {
    const TRect rc = g->CellRect(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
  }
};
