// Settings of printing and print preview (TPrintSettings): the page texts and
// their places, fonts, borders, margins and spacings in 0.1 mm, fixed sizes,
// scaling and orientation. Setting a font or the title lines copies the given
// object into the owned one.
#pragma once

#include <QString>
#include <memory>

#include "platform/rtl/object.h"
#include "platform/print/printer.h"
#include "platform/rtl/string_list.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

class TGridSettingsHost;

// Where a page text is printed: 1 to 3 in the header, 4 to 6 in the footer.
enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
  pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

class TPrintSettings : public TPersistent {
public:
  explicit TPrintSettings(TGridSettingsHost* AOwner);
  ~TPrintSettings() override;

  // Copies every published property (fonts and title lines by value), not
  // FixedCellsAlways. A source of another class raises EInvalidCast.
  void Assign(const TPersistent* Source) override;

  TPrintPosition Time = ppNone;
  TPrintPosition Date = ppNone;
  TPrintPosition PageNr = ppNone;
  QString PageNumSep = QStringLiteral("/");
  QString DateFormat = QStringLiteral("dd/mm/yyyy");
  TPrintPosition Title = ppNone;
  TPrintBorders Borders = pbSingle;
  TPenStyle BorderStyle = psSolid;
  QString TitleText;
  bool Centered = true;
  bool RepeatFixedRows = false;
  bool RepeatFixedCols = false;
  int FooterSize = 0;
  int HeaderSize = 0;
  int LeftSize = 0;
  int RightSize = 0;
  int ColumnSpacing = 0;
  int RowSpacing = 0;
  int TitleSpacing = 0;
  TPrinterOrientation Orientation = poPortrait;
  QString PagePrefix;
  QString PageSuffix;
  int FixedHeight = 0;
  bool UseFixedHeight = false;
  int FixedWidth = 0;
  bool UseFixedWidth = false;
  TFitToPage FitToPage = fpNever;
  bool NoAutoSize = false;
  bool PrintGraphics = false;
  QString JobName;
  bool NoAutoSizeRow = false;
  int PageNumberOffset = 0;
  int MaxPagesOffset = 0;
  bool UseDisplayFont = true;
  bool UseDefaultOrientation = false;
  TColor BorderColor = clBlack;
  bool FixedCellsAlways = false;  // public, not copied by Assign

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value);
  TFont* FixedFont() const { return fixedFont_.get(); }
  void SetFixedFont(const TFont* value);
  TFont* HeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(const TFont* value);
  TFont* FooterFont() const { return footerFont_.get(); }
  void SetFooterFont(const TFont* value);
  TStringList* TitleLines() const { return titleLines_.get(); }
  void SetTitleLines(const TStringList* value);

private:
  TGridSettingsHost* owner_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TFont> fixedFont_;
  std::unique_ptr<TFont> headerFont_;
  std::unique_ptr<TFont> footerFont_;
  std::unique_ptr<TStringList> titleLines_;
};
