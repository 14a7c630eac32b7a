#include "grid/data/sort_settings.h"

#include "grid/view/settings_host.h"
#include "platform/rtl/exceptions.h"

TSortSettings::TSortSettings(TGridSettingsHost* AOwner)
    : owner_(AOwner),
      upGlyph_(std::make_unique<TBitmap>()),
      downGlyph_(std::make_unique<TBitmap>()),
      indexUpGlyph_(std::make_unique<TBitmap>()),
      indexDownGlyph_(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool value) {
  if (show_ == value) return;
  show_ = value;
  if (owner_) owner_->HostInvalidate();
}

void TSortSettings::SetRow(int value) {
  if (owner_ && value >= owner_->HostFixedRows())
    throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
  row_ = value;
}

void TSortSettings::SetHeader(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  if (owner_ && owner_->HostFixedRows() > 0) owner_->HostRepaintRow(owner_->HostFixedRows() - 1);
}

void TSortSettings::SetHeaderColor(TColor value) { SetHeader(headerColor_, value); }
void TSortSettings::SetHeaderColorTo(TColor value) { SetHeader(headerColorTo_, value); }
void TSortSettings::SetHeaderMirrorColor(TColor value) { SetHeader(headerMirrorColor_, value); }
void TSortSettings::SetHeaderMirrorColorTo(TColor value) { SetHeader(headerMirrorColorTo_, value); }

void TSortSettings::SetUpGlyph(const TBitmap* value) {
  if (value) upGlyph_->Assign(*value);
}
void TSortSettings::SetDownGlyph(const TBitmap* value) {
  if (value) downGlyph_->Assign(*value);
}
void TSortSettings::SetIndexUpGlyph(const TBitmap* value) {
  if (value) indexUpGlyph_->Assign(*value);
}
void TSortSettings::SetIndexDownGlyph(const TBitmap* value) {
  if (value) indexDownGlyph_->Assign(*value);
}

void TSortSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TSortSettings*>(Source);
  if (!s || s == this) return;
  AutoSortForGrouping = s->AutoSortForGrouping;
  AutoColumnMerge = s->AutoColumnMerge;
  Column = s->Column;
  show_ = s->show_;
  IndexShow = s->IndexShow;
  IndexColor = s->IndexColor;
  Full = s->Full;
  SingleColumn = s->SingleColumn;
  IgnoreBlanks = s->IgnoreBlanks;
  BlankPos = s->BlankPos;
  AutoFormat = s->AutoFormat;
  Direction = s->Direction;
  upGlyph_->Assign(*s->upGlyph_);
  downGlyph_->Assign(*s->downGlyph_);
  indexUpGlyph_->Assign(*s->indexUpGlyph_);
  indexDownGlyph_->Assign(*s->indexDownGlyph_);
  IndexSortKey = s->IndexSortKey;
  InitSortDirection = s->InitSortDirection;
  FixedCols = s->FixedCols;
  NormalCellsOnly = s->NormalCellsOnly;
  row_ = s->row_;
  UndoSort = s->UndoSort;
  headerColor_ = s->headerColor_;
  headerColorTo_ = s->headerColorTo_;
  headerMirrorColor_ = s->headerMirrorColor_;
  headerMirrorColorTo_ = s->headerMirrorColorTo_;
}
