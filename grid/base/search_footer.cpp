#include "grid/base/search_footer.h"

namespace {

template <typename T>
bool storeIfChanged(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

TSearchFooter::TSearchFooter(TObject* AOwner, bool InitDesign) {
  if (!InitDesign) return;
  findNextCaption_ = QStringLiteral("Find &next");
  findPrevCaption_ = QStringLiteral("Find &previous");
  matchCaseCaption_ = QStringLiteral("Match case");
  highLightCaption_ = QStringLiteral("Highlight");
  hintClose_ = QStringLiteral("Close");
  hintFindNext_ = QStringLiteral("Find next occurrence");
  hintFindPrev_ = QStringLiteral("Find previous occurrence");
  hintHighlight_ = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetShowFindPrev(bool v) {
  if (storeIfChanged(showFindPrev_, v)) Changed();
}
void TSearchFooter::SetShowFindNext(bool v) {
  if (storeIfChanged(showFindNext_, v)) Changed();
}
void TSearchFooter::SetVisible(bool v) {
  if (storeIfChanged(visible_, v)) Changed();
}
void TSearchFooter::SetShowHighLight(bool v) {
  if (storeIfChanged(showHighLight_, v)) Changed();
}
void TSearchFooter::SetShowMatchCase(bool v) {
  if (storeIfChanged(showMatchCase_, v)) Changed();
}

void TSearchFooter::SetFindNextCaption(const QString& v) {
  findNextCaption_ = v;
  Changed();
}
void TSearchFooter::SetFindPrevCaption(const QString& v) {
  findPrevCaption_ = v;
  Changed();
}
void TSearchFooter::SetMatchCaseCaption(const QString& v) {
  matchCaseCaption_ = v;
  Changed();
}
void TSearchFooter::SetHighLightCaption(const QString& v) {
  highLightCaption_ = v;
  Changed();
}
void TSearchFooter::SetHintClose(const QString& v) {
  hintClose_ = v;
  Changed();
}
void TSearchFooter::SetHintFindPrev(const QString& v) {
  hintFindPrev_ = v;
  Changed();
}
void TSearchFooter::SetHintFindNext(const QString& v) {
  hintFindNext_ = v;
  Changed();
}
void TSearchFooter::SetHintHighlight(const QString& v) {
  hintHighlight_ = v;
  Changed();
}
void TSearchFooter::SetColor(TColor v) {
  color_ = v;
  Changed();
}
void TSearchFooter::SetColorTo(TColor v) {
  colorTo_ = v;
  Changed();
}
void TSearchFooter::SetAutoThemeAdapt(bool v) {
  autoThemeAdapt_ = v;
  Changed();
}
void TSearchFooter::SetShowClose(bool v) {
  showClose_ = v;
  Changed();
}
void TSearchFooter::SetFont(const TFont& v) {
  font_.Assign(v);
  Changed();
}

void TSearchFooter::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TSearchFooter*>(Source);
  if (!s) return;
  AlwaysHighLight = s->AlwaysHighLight;
  color_ = s->color_;
  colorTo_ = s->colorTo_;
  findNextCaption_ = s->findNextCaption_;
  findPrevCaption_ = s->findPrevCaption_;
  highLightCaption_ = s->highLightCaption_;
  hintClose_ = s->hintClose_;
  hintFindNext_ = s->hintFindNext_;
  hintFindPrev_ = s->hintFindPrev_;
  hintHighlight_ = s->hintHighlight_;
  matchCaseCaption_ = s->matchCaseCaption_;
  showClose_ = s->showClose_;
  showFindNext_ = s->showFindNext_;
  showFindPrev_ = s->showFindPrev_;
  showHighLight_ = s->showHighLight_;
  showMatchCase_ = s->showMatchCase_;
  SearchActiveColumnOnly = s->SearchActiveColumnOnly;
  SearchMatchStart = s->SearchMatchStart;
  SearchColumn = s->SearchColumn;
  SearchDirection = s->SearchDirection;
  SearchHiddenRows = s->SearchHiddenRows;
  visible_ = s->visible_;
  font_.Assign(s->font_);
}
