// What the grid's settings objects ask of the grid that owns them: repaints, a
// few of its counts and states, and the actions their setters set off (column
// stretching, the drop target, the floating footer's layout). The grid control
// implements it; a settings object without a host (a copy, or one made alone)
// only stores its values.
#pragma once

#include "grid/base/cell_properties.h"

class TGridSettingsHost {
public:
  virtual ~TGridSettingsHost() = default;

  virtual void HostInvalidate() = 0;
  virtual void HostRepaintRow(int ARow) = 0;
  virtual void HostRepaintCell(int ACol, int ARow) = 0;
  virtual int HostFixedRows() const = 0;
  // The grid's window has a parent (it is placed on a form).
  virtual bool HostHasParent() const = 0;
  virtual bool HostDesigning() const = 0;
  virtual bool HostLoading() const = 0;

  // Stretches the column named by the column-size settings to the client width.
  virtual void HostStretchColumn() = 0;
  // Registers the grid's window as a drop target; true when that succeeded.
  virtual bool HostRegisterDropTarget() = 0;
  virtual void HostRevokeDropTarget() = 0;
  // The floating footer's visibility, style or height changed: the grid fits its
  // footer panel, fixed footers and hidden last row to the footer and repaints.
  virtual void HostFloatingFooterLayout() = 0;
  // Repaints the floating footer's panel only.
  virtual void HostRepaintFooterPanel() = 0;
  // The calculation kind kept in column ACol's cell of the last row (acNONE
  // when that cell has no properties); setting it recalculates that footer.
  virtual TColumnCalcType HostColumnCalc(int ACol) = 0;
  virtual void HostSetColumnCalc(int ACol, TColumnCalcType Value) = 0;
};
