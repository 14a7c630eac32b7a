#include "grid/view/html_settings.h"

THTMLSettings::THTMLSettings() : colWidths_(std::make_unique<TIntList>(0, 0)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const THTMLSettings*>(Source);
  if (!s) return;
  AutoPreview = s->AutoPreview;
  BorderSize = s->BorderSize;
  CellSpacing = s->CellSpacing;
  CellPadding = s->CellPadding;
  ConvertSpecialChars = s->ConvertSpecialChars;
  FooterFile = s->FooterFile;
  HeaderFile = s->HeaderFile;
  NonBreakingText = s->NonBreakingText;
  PrefixTag = s->PrefixTag;
  SuffixTag = s->SuffixTag;
  Summary = s->Summary;
  TableStyle = s->TableStyle;
  SaveColor = s->SaveColor;
  SaveFonts = s->SaveFonts;
  Width = s->Width;
  XHTML = s->XHTML;
}
