#include "grid/data/filter_settings.h"

#include "grid/view/settings_host.h"

void TFilterData::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFilterData*>(Source);
  if (!s) return;
  Column = s->Column;
  Condition = s->Condition;
  CaseSensitive = s->CaseSensitive;
  Data = s->Data;
  Prefix = s->Prefix;
  Suffix = s->Suffix;
  Operation = s->Operation;
}

TFilterData* TFilter::Add() {
  TFilterData* item = TCollectionOf<TFilterData>::Add();
  item->Operation = Count() == 1 ? foNONE : foAND;
  return item;
}

TFilterData* TFilter::Insert(int) { return TCollectionOf<TFilterData>::Add(); }

TFilterData* TFilter::GetColFilter(int Col) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column == Col) return Items(i);
  TFilterData* item = Add();
  item->Column = static_cast<int16_t>(Col);
  return item;
}

bool TFilter::HasFilter(int Col) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column == Col) Delete(i);
  if (owner_) owner_->HostRepaintCell(Col, 0);
}

TFilterDropDown::TFilterDropDown()
    : font_(std::make_unique<TFont>()), glyph_(std::make_unique<TBitmap>()), glyphActive_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
  glyphActive_->OnChange = [this](TObject*) { GlyphChanged(); };
}

TFilterDropDown::~TFilterDropDown() {
  glyph_->OnChange = nullptr;
  glyphActive_->OnChange = nullptr;
}

void TFilterDropDown::GlyphChanged() {
  if (OnChange) OnChange(this);
}

void TFilterDropDown::SetFont(const TFont* value) {
  if (value) font_->Assign(*value);
}

void TFilterDropDown::SetGlyph(const TBitmap* value) {
  if (value) glyph_->Assign(*value);
}

void TFilterDropDown::SetGlyphActive(const TBitmap* value) {
  if (value) glyphActive_->Assign(*value);
}

void TFilterDropDown::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFilterDropDown*>(Source);
  if (!s || s == this) return;
  Color = s->Color;
  ColumnWidth = s->ColumnWidth;
  font_->Assign(*s->font_);
  Height = s->Height;
  Width = s->Width;
  glyph_->Assign(*s->glyph_);
  glyphActive_->Assign(*s->glyphActive_);
}
