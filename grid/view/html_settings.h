// Settings of the grid's HTML export (THTMLSettings). Plain stored values, read
// by the HTML writer; ColWidths holds the widths the export writes per column.
#pragma once

#include <QString>
#include <memory>

#include "grid/base/int_list.h"
#include "platform/rtl/object.h"

class THTMLSettings : public TPersistent {
public:
  THTMLSettings();
  ~THTMLSettings() override;

  // Copies every published property except ExportImages.
  void Assign(const TPersistent* Source) override;

  bool AutoPreview = false;
  int BorderSize = 1;
  int CellSpacing = 0;
  int CellPadding = 0;
  bool ConvertSpecialChars = false;
  bool ExportImages = true;
  QString FooterFile;
  QString HeaderFile;
  bool NonBreakingText = false;
  QString PrefixTag;
  QString SuffixTag;
  QString Summary;
  QString TableStyle;
  bool SaveColor = true;
  bool SaveFonts = true;
  int Width = 100;
  bool XHTML = false;

  TIntList* ColWidths() const { return colWidths_.get(); }

private:
  std::unique_ptr<TIntList> colWidths_;
};
