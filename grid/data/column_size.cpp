#include "grid/data/column_size.h"

#include <QFileInfo>

#include "grid/view/settings_host.h"
#include "platform/os/files.h"
#include "platform/os/ini_file.h"
#include "platform/os/user_registry.h"

void TColumnSize::SetStretch(bool value) {
  stretch_ = value;
  if (owner_ && owner_->HostHasParent()) owner_->HostStretchColumn();
}

void TColumnSize::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColumnSize*>(Source);
  if (!s) return;
  Rows = s->Rows;
  Save = s->Save;
  Key = s->Key;
  Section = s->Section;
  stretch_ = s->stretch_;
  StretchColumn = s->StretchColumn;
  SynchWithGrid = s->SynchWithGrid;
  SynchNormalCellsOnly = s->SynchNormalCellsOnly;
  Location = s->Location;
}

QString ColumnStoreFile(const TColumnSize& Size) {
  if (Size.Key.isEmpty() || Size.Section.isEmpty()) return QString();
  return Size.Location == clIniFile ? Size.Key : UserRegistryFile(Size.Key);
}

void WriteColumnStore(const TMemIniFile& Ini, const TColumnSize& Size) {
  if (Size.Location == clRegistry) ForceDirectories(QFileInfo(Ini.FileName()).absolutePath());
  Ini.UpdateFile();
}
