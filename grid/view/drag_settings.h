// Settings of dragging in the grid: OLE drag and drop (TDragDropSettings) and the
// automatic scrolling while dragging (TDragScrollOptions with its delays and
// margins).
#pragma once

#include "platform/rtl/object.h"

class TGridSettingsHost;

class TDragDropSettings : public TPersistent {
public:
  explicit TDragDropSettings(TGridSettingsHost* AOwner) : owner_(AOwner) {}

  // Copies every property as a plain value (no drop-target registration).
  void Assign(const TPersistent* Source) override;

  bool OleAcceptFiles = true;
  bool OleAcceptText = true;
  bool OleAcceptURLs = true;
  bool OleDropSource = false;
  bool OleEntireRows = false;
  bool OleInsertRows = false;
  bool OleRemoveRows = false;
  bool OleAppendRows = false;
  bool OleCopyAlways = false;
  bool OleColumnDragDrop = false;
  bool OleColumnReorder = false;
  bool OleColumnsOnly = false;
  bool ShowCells = true;

  // Stores; outside design time, true registers the grid's window as a drop
  // target and false revokes a registration that succeeded.
  bool OleDropTarget() const { return oleDropTarget_; }
  void SetOleDropTarget(bool value);
  // Whether the last registration succeeded (the grid's drop-target flag).
  bool DropTargetRegistered() const { return registered_; }
  bool OleDropRTF() const { return oleDropRTF_; }
  // Switches the drag-and-drop objects' rich-text format and stores.
  void SetOleDropRTF(bool value);

private:
  TGridSettingsHost* owner_;
  bool oleDropTarget_ = false;
  bool oleDropRTF_ = false;
  bool registered_ = false;
};

struct TDragScrollDelays : public TPersistent {
  void Assign(const TPersistent* Source) override;
  int InitialDelay = 1000;  // ms
  int RepeatDelay = 250;    // ms
};

struct TDragScrollMargins : public TPersistent {
  void Assign(const TPersistent* Source) override;
  int TopMargin = 50;
  int BottomMargin = 50;
  int LeftMargin = 50;
  int RightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
  // Copies the margins and the delays, then Active.
  void Assign(const TPersistent* Source) override;

  bool Active = false;
  TDragScrollDelays Delays;
  TDragScrollMargins Margins;
};
