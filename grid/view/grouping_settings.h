// Settings of the grouping of rows (TGrouping): header and summary row colours,
// their lines and the merge and count options. Plain stored values.
#pragma once

#include <QString>

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TGrouping : public TPersistent {
public:
  // Copies the count format, the header and summary colours, HeaderUnderline,
  // the merge options, ShowGroupCount, SummaryLine, AutoCheckGroup and
  // AutoSelectGroup; leaves Summary and the four line colour and width values.
  void Assign(const TPersistent* Source) override;

  TColor HeaderColor = clNone;
  TColor HeaderColorTo = clNone;
  TColor HeaderTextColor = clNone;
  bool HeaderUnderline = false;
  TColor HeaderLineColor = clBlue;
  int HeaderLineWidth = 2;
  TColor SummaryColor = clNone;
  TColor SummaryColorTo = clNone;
  TColor SummaryTextColor = clNone;
  bool SummaryLine = false;
  TColor SummaryLineColor = clBlue;
  int SummaryLineWidth = 2;
  bool MergeHeader = false;
  bool MergeSummary = false;
  bool Summary = false;
  bool ShowGroupCount = false;
  bool AutoSelectGroup = false;
  bool AutoCheckGroup = false;
  QString GroupCountFormat;
};
