// The character rules of the grid's in-place text editor, without its window:
// what becomes of one typed character (WM_CHAR) in each plain editor kind, and
// what becomes of a pasted text. The editor reads the inputs from itself and its
// grid and applies the answer; the events around a paste stay with the editor.
#pragma once

#include <QChar>
#include <QString>

#include "grid/base/editor_type.h"

struct TInplaceCharInput {
  TEditorType Kind = edNormal;
  QChar Key;
  bool Ctrl = false;       // Ctrl held
  bool KeypadKey = false;  // the key came from the numeric keypad
  QString Text;            // the editor's text
  int SelStart = 0;        // caret, from 0
  int SelLength = 0;
  int LengthLimit = 0;  // 0 or less: none
  bool ExcelStyleDecimalSeparator = false;
  bool AllowCtrlEnter = false;
  bool MultiLine = false;  // the grid's WordWrap or Multilinecells
  bool LineFeedOnEnter = false;
  QString ValidChars;
  QString ValidCharSet;  // used when ValidChars is empty (codes up to 255)
  QChar DecimalSeparator = u'.';
  QChar ThousandSeparator = u',';
};

enum class TInplaceCharAction {
  HandOn,     // to the key-press chain and the window
  Drop,       // silently
  Beep,       // dropped with the default beep
  Consume,    // Ctrl+A, Ctrl+Enter: cleared, message result 1
  LineBreak,  // Enter straight to the window's own processing
};

struct TInplaceCharResult {
  TInplaceCharAction Action = TInplaceCharAction::Drop;
  QChar Key;                  // the character handed on (possibly replaced)
  bool MixedCase = false;     // rewrite the whole text mixed-case afterwards
  bool CheckAdvance = false;  // run the auto-advance test afterwards
};

TInplaceCharResult InplaceCharRule(const TInplaceCharInput& In);

struct TInplacePasteInput {
  TEditorType Kind = edNormal;
  QString Text;
  int SelStart = 0;
  int SelLength = 0;
  QString Pasted;
  int LengthLimit = 0;
  QString ValidChars;
};

struct TInplacePasteResult {
  bool Ended = false;      // too long: nothing more happens
  bool Accepted = false;   // the kind took the new text
  QString Text;            // the editor's text afterwards
  int SelStart = 0;        // caret and selection to apply afterwards
  int SelLength = 0;
};

TInplacePasteResult InplacePasteRule(const TInplacePasteInput& In);
