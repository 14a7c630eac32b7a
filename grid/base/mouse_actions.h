// TMouseActions: the grid's mouse behaviour. Mostly plain fields; WheelAction
// notifies when it changes, the three disjunct-selection flags exclude each other
// only in the form designer, HotmailRowSelect switches two flags on and always asks
// for a repaint, EditOnDblClickOnly asks the grid to stop editing. Assign copies a
// fixed set of fields without notifying.
#pragma once

#include "platform/rtl/object.h"
#include "platform/rtl/string_list.h"

#include <functional>

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

class TMouseActions : public TPersistent {
public:
  explicit TMouseActions(TObject* AOwner = nullptr) {}

  void Assign(const TPersistent* Source) override;

  // Store; when switched on in the designer (OnIsDesigning answers true) the other
  // two of the three go off.
  bool DisjunctRowSelect() const { return disjunctRowSelect_; }
  void SetDisjunctRowSelect(bool v);
  bool DisjunctColSelect() const { return disjunctColSelect_; }
  void SetDisjunctColSelect(bool v);
  bool DisjunctCellSelect() const { return disjunctCellSelect_; }
  void SetDisjunctCellSelect(bool v);
  // The DisjunctRowSelect field without the designer rule.
  bool DisjunctRowSelectDirect() const { return disjunctRowSelect_; }
  void SetDisjunctRowSelectDirect(bool v) { disjunctRowSelect_ = v; }

  // Store; on also switches DisjunctRowSelect and CheckAllCheck on; then raises
  // OnInvalidate whether or not the value changed.
  bool HotmailRowSelect() const { return hotmailRowSelect_; }
  void SetHotmailRowSelect(bool v);
  // Store; on raises OnDisableEdit.
  bool EditOnDblClickOnly() const { return editOnDblClickOnly_; }
  void SetEditOnDblClickOnly(bool v);
  // Notifies when it changes.
  TWheelAction WheelAction() const { return wheelAction_; }
  void SetWheelAction(TWheelAction v);
  // The owned list; setting copies the given texts into it.
  const TStringList& FixedComboValues() const { return fixedComboValues_; }
  TStringList& FixedComboValues() { return fixedComboValues_; }
  void SetFixedComboValues(const TStringList& v) { fixedComboValues_ = v; }

  bool ColSelect = false;
  bool RowSelect = false;
  bool AllSelect = false;
  bool DirectEdit = false;
  bool DirectComboDrop = false;
  bool DirectComboClose = false;
  bool DirectDateClose = false;
  bool DirectDateDrop = false;
  bool AllColumnSize = false;
  bool AllRowSize = false;
  bool CaretPositioning = false;
  bool SizeFixedCol = false;
  bool SizeFixedRow = false;
  TGridFixedCellEdit FixedRowsEdit = fceNone;
  TGridFixedCellEdit FixedColsEdit = fceNone;
  TGridFixedCellEditor FixedRowsEditor = fceEdit;
  TGridFixedCellEditor FixedColsEditor = fceEdit;
  bool RangeSelectAndEdit = false;
  bool NoAutoRangeScroll = false;
  bool PreciseCheckBoxCheck = false;
  bool PreciseNodeClick = true;
  bool CheckAllCheck = false;
  bool NodeAllExpandContract = false;
  bool MoveRowOnNodeClick = false;
  bool RowSelectPersistent = false;
  bool SelectOnRightClick = false;
  bool NoScrollOnPartialRow = false;
  int WheelIncrement = 0;
  bool AutoSizeColOnDblClick = true;
  bool DisjunctRowSelectNoCtrl = false;

  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnDisableEdit;

private:
  bool designing();
  void setDisjunct(bool& flag, bool v, bool& other1, bool& other2);

  bool disjunctRowSelect_ = false;
  bool disjunctColSelect_ = false;
  bool disjunctCellSelect_ = false;
  bool hotmailRowSelect_ = false;
  bool editOnDblClickOnly_ = false;
  TWheelAction wheelAction_ = waMoveSelection;
  TStringList fixedComboValues_;
};
