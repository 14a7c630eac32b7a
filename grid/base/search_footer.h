// TSearchFooter: the settings of the search bar under the grid. Setters of the
// look raise OnChange (the grid updates its search panel), some only when the
// value changes; the search options are plain fields. Assign copies a fixed set of
// fields without notifying.
#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

#include <QString>

enum TSearchDirection { sdTopBottom, sdLeftRight };

class TSearchFooter : public TPersistent {
public:
  // InitDesign fills in the English captions and hints (a grid made in the form
  // designer); at run time they stay empty until streamed or set.
  TSearchFooter(TObject* AOwner, bool InitDesign);

  void Assign(const TPersistent* Source) override;

  // Notify when the value changes.
  bool ShowFindPrev() const { return showFindPrev_; }
  void SetShowFindPrev(bool v);
  bool ShowFindNext() const { return showFindNext_; }
  void SetShowFindNext(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool ShowHighLight() const { return showHighLight_; }
  void SetShowHighLight(bool v);
  bool ShowMatchCase() const { return showMatchCase_; }
  void SetShowMatchCase(bool v);

  // Notify on every assignment.
  QString FindNextCaption() const { return findNextCaption_; }
  void SetFindNextCaption(const QString& v);
  QString FindPrevCaption() const { return findPrevCaption_; }
  void SetFindPrevCaption(const QString& v);
  QString MatchCaseCaption() const { return matchCaseCaption_; }
  void SetMatchCaseCaption(const QString& v);
  QString HighLightCaption() const { return highLightCaption_; }
  void SetHighLightCaption(const QString& v);
  QString HintClose() const { return hintClose_; }
  void SetHintClose(const QString& v);
  QString HintFindPrev() const { return hintFindPrev_; }
  void SetHintFindPrev(const QString& v);
  QString HintFindNext() const { return hintFindNext_; }
  void SetHintFindNext(const QString& v);
  QString HintHighlight() const { return hintHighlight_; }
  void SetHintHighlight(const QString& v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor v);
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool v);
  bool ShowClose() const { return showClose_; }
  void SetShowClose(bool v);
  // The owned font; setting copies the given font into it.
  const TFont& Font() const { return font_; }
  TFont& Font() { return font_; }
  void SetFont(const TFont& v);

  // Plain fields.
  bool AutoSearch = true;
  QString LastSearch;
  int SearchColumn = -1;  // -1: all columns
  bool SearchActiveColumnOnly = false;
  bool SearchMatchStart = false;
  bool SearchFixedCells = false;
  bool SearchHiddenRows = false;
  bool AlwaysHighLight = false;
  TSearchDirection SearchDirection = sdTopBottom;

  TNotifyEvent OnChange;

private:
  void Changed();

  bool showFindPrev_ = true;
  bool showFindNext_ = true;
  bool visible_ = false;
  bool showHighLight_ = true;
  bool showMatchCase_ = true;
  QString findNextCaption_;
  QString findPrevCaption_;
  QString matchCaseCaption_;
  QString highLightCaption_;
  QString hintClose_;
  QString hintFindPrev_;
  QString hintFindNext_;
  QString hintHighlight_;
  TColor color_ = 0xFFFFFF;
  TColor colorTo_ = clBtnFace;
  bool autoThemeAdapt_ = false;
  bool showClose_ = true;
  TFont font_;
};
