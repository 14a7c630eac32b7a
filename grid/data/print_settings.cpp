#include "grid/data/print_settings.h"

#include "platform/rtl/exceptions.h"

TPrintSettings::TPrintSettings(TGridSettingsHost* AOwner)
    : owner_(AOwner),
      font_(std::make_unique<TFont>()),
      fixedFont_(std::make_unique<TFont>()),
      headerFont_(std::make_unique<TFont>()),
      footerFont_(std::make_unique<TFont>()),
      titleLines_(std::make_unique<TStringList>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetFont(const TFont* value) {
  if (value) font_->Assign(*value);
}

void TPrintSettings::SetFixedFont(const TFont* value) {
  if (value) fixedFont_->Assign(*value);
}

void TPrintSettings::SetHeaderFont(const TFont* value) {
  if (value) headerFont_->Assign(*value);
}

void TPrintSettings::SetFooterFont(const TFont* value) {
  if (value) footerFont_->Assign(*value);
}

void TPrintSettings::SetTitleLines(const TStringList* value) {
  if (value) *titleLines_ = *value;
}

void TPrintSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TPrintSettings*>(Source);
  if (!s) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
  if (s == this) return;
  Time = s->Time;
  Date = s->Date;
  PageNr = s->PageNr;
  PageNumSep = s->PageNumSep;
  DateFormat = s->DateFormat;
  Title = s->Title;
  Borders = s->Borders;
  BorderStyle = s->BorderStyle;
  TitleText = s->TitleText;
  Centered = s->Centered;
  RepeatFixedRows = s->RepeatFixedRows;
  RepeatFixedCols = s->RepeatFixedCols;
  FooterSize = s->FooterSize;
  HeaderSize = s->HeaderSize;
  LeftSize = s->LeftSize;
  RightSize = s->RightSize;
  ColumnSpacing = s->ColumnSpacing;
  RowSpacing = s->RowSpacing;
  TitleSpacing = s->TitleSpacing;
  Orientation = s->Orientation;
  PagePrefix = s->PagePrefix;
  PageSuffix = s->PageSuffix;
  FixedHeight = s->FixedHeight;
  UseFixedHeight = s->UseFixedHeight;
  FixedWidth = s->FixedWidth;
  UseFixedWidth = s->UseFixedWidth;
  FitToPage = s->FitToPage;
  NoAutoSize = s->NoAutoSize;
  PrintGraphics = s->PrintGraphics;
  JobName = s->JobName;
  NoAutoSizeRow = s->NoAutoSizeRow;
  PageNumberOffset = s->PageNumberOffset;
  MaxPagesOffset = s->MaxPagesOffset;
  UseDisplayFont = s->UseDisplayFont;
  UseDefaultOrientation = s->UseDefaultOrientation;
  BorderColor = s->BorderColor;
  font_->Assign(*s->font_);
  fixedFont_->Assign(*s->fixedFont_);
  headerFont_->Assign(*s->headerFont_);
  footerFont_->Assign(*s->footerFont_);
  *titleLines_ = *s->titleLines_;
}
