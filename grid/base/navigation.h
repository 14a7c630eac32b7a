// TNavigation: the grid's keyboard, editing and clipboard behaviour. Plain fields,
// except AdvanceDirection and AdvanceInsert (notify when changed) and AdvanceAuto
// (switching it on also switches AdvanceOnEnter on). Assign copies every setting
// but KeepScrollOnSort, without notifying.
#pragma once

#include "platform/rtl/object.h"

enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TCursorAdvance { caDefault, caSnake, caLoop };

class TNavigation : public TPersistent {
public:
  void Assign(const TPersistent* Source) override;

  TAdvanceDirection AdvanceDirection() const { return advanceDirection_; }
  void SetAdvanceDirection(TAdvanceDirection v);
  bool AdvanceInsert() const { return advanceInsert_; }
  void SetAdvanceInsert(bool v);
  bool AdvanceAuto() const { return advanceAuto_; }
  void SetAdvanceAuto(bool v);

  bool AllowInsertRow = false;
  bool AllowDeleteRow = false;
  bool AdvanceOnEnter = false;
  bool AutoGotoWhenSorted = false;
  bool AutoGotoIncremental = false;
  bool AutoComboDropSize = false;
  bool AllowClipboardShortCuts = false;
  bool AllowRTFClipboard = false;
  bool AllowSmartClipboard = false;
  bool AllowClipboardAlways = false;
  bool AllowClipboardColGrow = true;
  bool AllowClipboardRowGrow = true;
  TClipboardPasteAction ClipboardPasteAction = paReplace;
  bool CopyHTMLTagsToClipboard = true;
  bool AdvanceAutoEdit = true;
  bool CursorWalkEditor = false;
  bool CursorWalkAlwaysEdit = true;
  bool MoveRowOnSort = false;
  bool KeepScrollOnSort = false;
  bool ImproveMaskSel = false;
  bool AlwaysEdit = false;
  TInsertPosition InsertPosition = pInsertBefore;
  bool LineFeedOnEnter = false;
  THomeEndAction HomeEndKey = heFirstLastColumn;
  bool KeepHorizScroll = false;
  bool AllowFmtClipboard = false;
  bool TabToNextAtEnd = false;
  bool EditSelectAll = true;
  TAdvanceDirection TabAdvanceDirection = adLeftRight;
  bool SkipFixedCells = true;
  bool SkipDisabledRows = true;
  bool AllowCtrlEnter = true;
  bool AppendOnArrowDown = false;
  bool LeftRightRowSelect = true;
  bool MoveScrollOnly = false;
  bool ComboGetUpDown = true;
  bool AdvanceOnEnterLoop = true;
  TCursorAdvance CursorAdvance = caDefault;
  bool AdvanceSkipReadOnlyCells = true;
  bool CursorMoveRows = false;

  TNotifyEvent OnChange;

private:
  void Changed();

  TAdvanceDirection advanceDirection_ = adLeftRight;
  bool advanceInsert_ = false;
  bool advanceAuto_ = false;
};
