// TControlList: the controls that the grid places in cells, one TControlItem per
// control with the cell's column (X) and real row (Y). The list owns its items,
// not their controls.
#pragma once

#include <memory>
#include <vector>

class QWidget;
class TControl;

struct TControlItem {
  TControlItem(int AX, int AY, TControl* AObject) : X(AX), Y(AY), Control(AObject) {}
  int X;
  int Y;
  TControl* Control;
};

class TControlList {
public:
  TControlList() = default;
  TControlList(const TControlList&) = delete;
  TControlList& operator=(const TControlList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  void AddControl(int X, int Y, TControl* AObject);
  // Index of the first item at column X and row Y, -1 when none.
  int ControlIndex(int X, int Y) const;
  // Item i; a bad index raises EListError.
  TControlItem* Controls(int i) const;
  TControlItem* GetControl(int i) const { return Controls(i); }
  // True when the control of some item is a windowed control whose window is Handle.
  bool HasHandle(const QWidget* Handle) const;
  // Frees item i (not its control) and removes it.
  void RemoveControl(int i);
  void Clear() { items_.clear(); }

private:
  std::vector<std::unique_ptr<TControlItem>> items_;
};
