// Settings of the saved column widths and of column stretching (TColumnSize):
// whether and where the widths are kept (registry key or initialisation file,
// key and section), which rows automatic sizing looks at, and the stretched
// column.
#pragma once

#include <QString>

#include "platform/rtl/object.h"

class TGridSettingsHost;
class TMemIniFile;

enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TColumnSizeLocation { clRegistry, clIniFile };

class TColumnSize : public TPersistent {
public:
  explicit TColumnSize(TGridSettingsHost* AOwner) : owner_(AOwner) {}

  void Assign(const TPersistent* Source) override;  // every property

  TAutoSizeRows Rows = arAll;
  bool Save = false;
  QString Key;
  QString Section;
  int StretchColumn = -1;
  bool SynchWithGrid = false;
  bool SynchNormalCellsOnly = false;
  TColumnSizeLocation Location = clRegistry;

  bool Stretch() const { return stretch_; }
  // Stores; when the grid is placed on a form, the stretch column fills the
  // grid's client width at once.
  void SetStretch(bool value);

private:
  TGridSettingsHost* owner_;
  bool stretch_ = false;
};

// The settings store ColumnSize names: its initialisation file, or the file that
// keeps the current user's registry key; empty without a key and a section (or
// when the key names nothing).
QString ColumnStoreFile(const TColumnSize& Size);
// Writes the store back whole; a registry key's folder is made when missing.
void WriteColumnStore(const TMemIniFile& Ini, const TColumnSize& Size);
