// The grid's settings objects: what each setter tells the grid (or raises), and
// what Assign copies and what it leaves, one table per question.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/data/column_size.h"
#include "grid/data/filter_settings.h"
#include "grid/data/floating_footer.h"
#include "grid/data/print_settings.h"
#include "grid/data/sort_settings.h"
#include "grid/view/background.h"
#include "grid/view/balloon_settings.h"
#include "grid/view/drag_settings.h"
#include "grid/view/grouping_settings.h"
#include "grid/view/html_settings.h"
#include "grid/view/progress_appearance.h"
#include "grid/view/settings_host.h"
#include "grid/view/show_modified.h"
#include "grid/view/tree_settings.h"
#include "platform/rtl/exceptions.h"

namespace {

// A grid stand-in that writes down every request as one word.
class HostLog : public TGridSettingsHost {
public:
  std::string log;
  int fixedRows = 1;
  bool hasParent = false;
  bool designing = false;
  bool registerSucceeds = true;

  void HostInvalidate() override { log += "invalidate;"; }
  void HostRepaintRow(int r) override { log += "row" + std::to_string(r) + ";"; }
  void HostRepaintCell(int c, int r) override { log += "cell" + std::to_string(c) + "," + std::to_string(r) + ";"; }
  int HostFixedRows() const override { return fixedRows; }
  bool HostHasParent() const override { return hasParent; }
  bool HostDesigning() const override { return designing; }
  bool HostLoading() const override { return false; }
  void HostStretchColumn() override { log += "stretch;"; }
  bool HostRegisterDropTarget() override {
    log += "register;";
    return registerSucceeds;
  }
  void HostRevokeDropTarget() override { log += "revoke;"; }
  void HostFloatingFooterLayout() override { log += "footer-layout;"; }
  void HostRepaintFooterPanel() override { log += "footer-paint;"; }
  TColumnCalcType HostColumnCalc(int) override { return calc; }
  void HostSetColumnCalc(int c, TColumnCalcType v) override {
    calc = v;
    log += "calc" + std::to_string(c) + ";";
  }
  TColumnCalcType calc = acNONE;
};

TEST(GridSettings, WhatSettersTellTheGrid) {
  HostLog host;
  TCellNode node(&host);
  TBackGround back(&host);
  TSortSettings sort(&host);
  TColumnSize size(&host);
  TFloatingFooter footer(&host);
  TFilter filter(&host);
  struct Case {
    const char* what;
    std::function<void()> act;
    const char* log;
  } cases[] = {
      {"node indent changed", [&] { node.SetNodeIndent(20); }, "invalidate;"},
      {"node indent unchanged", [&] { node.SetNodeIndent(20); }, ""},
      {"node type unchanged", [&] { node.SetNodeType(cnXP); }, ""},
      {"tree colour changed", [&] { node.SetTreeColor(clSilver); }, "invalidate;"},
      {"background top unchanged still repaints", [&] { back.SetTop(0); }, "invalidate;"},
      {"background colour", [&] { back.SetColor(clRed); }, "invalidate;"},
      {"sort show changed", [&] { sort.SetShow(true); }, "invalidate;"},
      {"sort show unchanged", [&] { sort.SetShow(true); }, ""},
      {"sort header colour repaints the last fixed row", [&] { sort.SetHeaderColor(clRed); }, "row0;"},
      {"sort header colour unchanged", [&] { sort.SetHeaderColor(clRed); }, ""},
      {"stretch without parent only stores", [&] { size.SetStretch(true); }, ""},
      {"stretch with parent stretches", [&] { host.hasParent = true; size.SetStretch(true); }, "stretch;"},
      {"footer visible lays out", [&] { footer.SetVisible(true); }, "footer-layout;"},
      {"footer height lays out", [&] { footer.SetHeight(22); }, "footer-layout;"},
      {"footer colour repaints the panel", [&] { footer.SetColor(clRed); }, "footer-paint;"},
      {"footer border colour unchanged", [&] { footer.SetBorderColor(clNone); }, ""},
      {"removing a column filter repaints its header cell", [&] { filter.RemoveColumnFilter(3); }, "cell3,0;"},
  };
  for (const auto& c : cases) {
    host.log.clear();
    c.act();
    EXPECT_EQ(host.log, c.log) << c.what;
  }
}

TEST(GridSettings, SortRowMustLieInTheFixedRows) {
  HostLog host;
  host.fixedRows = 2;
  TSortSettings sort(&host);
  sort.SetRow(1);
  try {
    sort.SetRow(2);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(sort.Row(), 1);
}

TEST(GridSettings, DropTargetRegistersAndRevokesOnlyAfterSuccess) {
  HostLog host;
  TDragDropSettings dd(&host);
  dd.SetOleDropTarget(true);
  EXPECT_TRUE(dd.DropTargetRegistered());
  dd.SetOleDropTarget(false);
  EXPECT_EQ(host.log, "register;revoke;");

  host.log.clear();
  host.registerSucceeds = false;
  dd.SetOleDropTarget(true);
  dd.SetOleDropTarget(false);
  EXPECT_EQ(host.log, "register;");  // a failed registration is never revoked
  EXPECT_FALSE(dd.DropTargetRegistered());

  host.log.clear();
  host.designing = true;
  dd.SetOleDropTarget(true);
  EXPECT_EQ(host.log, "");
  EXPECT_TRUE(dd.OleDropTarget());
}

TEST(GridSettings, OwnNotificationsOfTheEventCarryingObjects) {
  int changes = 0;
  auto count = [&](TObject*) { ++changes; };
  TGridProgressAppearance progress;
  progress.OnChange = count;
  TBalloonSettings balloon;
  balloon.OnEnableChange = count;
  TShowModified modified;
  modified.OnChange = count;
  TFilterDropDown drop;
  drop.OnChange = count;
  TBitmap glyph(4, 4);
  struct Case {
    const char* what;
    std::function<void()> act;
    int changes;
  } cases[] = {
      {"progress steps unchanged", [&] { progress.SetSteps(11); }, 0},
      {"progress steps changed", [&] { progress.SetSteps(12); }, 1},
      {"progress assign raises once", [&] { progress.Assign(&progress); }, 1},
      {"balloon enable unchanged still raises", [&] { balloon.SetEnable(false); }, 1},
      {"modified colour raises", [&] { modified.SetColor(clYellow); }, 1},
      {"modified enabled is plain", [&] { modified.Enabled = true; }, 0},
      {"filter glyph change raises", [&] { drop.SetGlyph(&glyph); }, 1},
  };
  for (const auto& c : cases) {
    changes = 0;
    c.act();
    EXPECT_EQ(changes, c.changes) << c.what;
  }
}

TEST(GridSettings, AssignCopiesAndLeaves) {
  struct Case {
    const char* what;
    std::function<bool()> copied;  // the copied value arrived
    std::function<bool()> left;    // the excluded value kept the target's own
  };
  THTMLSettings htmlSrc, htmlDst;
  htmlSrc.Width = 50;
  htmlSrc.ExportImages = false;
  htmlDst.Assign(&htmlSrc);

  TGrouping grpSrc, grpDst;
  grpSrc.HeaderColor = clRed;
  grpSrc.HeaderLineColor = clGreen;
  grpSrc.SummaryLineWidth = 7;
  grpSrc.Summary = true;
  grpDst.Assign(&grpSrc);

  TBalloonSettings balSrc, balDst;
  balSrc.InitialDelay = 5;
  balSrc.Transparency = 9;
  balDst.Assign(&balSrc);

  TSortSettings sortSrc(nullptr), sortDst(nullptr);
  sortSrc.Column = 3;
  sortSrc.IgnoreCase = true;
  sortSrc.SortOnVirtualCells = false;
  sortDst.Assign(&sortSrc);

  TPrintSettings prSrc(nullptr), prDst(nullptr);
  prSrc.PageNumSep = "-";
  prSrc.HeaderFont()->SetName("Arial");
  prSrc.TitleLines()->Add("one");
  prSrc.FixedCellsAlways = true;
  prDst.Assign(&prSrc);

  TFilterDropDown ddSrc, ddDst;
  ddSrc.Width = 99;
  ddSrc.AutoSize = true;
  ddDst.Assign(&ddSrc);

  TDragScrollOptions dsSrc, dsDst;
  dsSrc.Margins.LeftMargin = 3;
  dsSrc.Delays.RepeatDelay = 9;
  dsSrc.Active = true;
  dsDst.Assign(&dsSrc);

  const Case cases[] = {
      {"html: width / export images", [&] { return htmlDst.Width == 50; }, [&] { return htmlDst.ExportImages; }},
      {"grouping: header colour / line colour", [&] { return grpDst.HeaderColor == clRed; },
       [&] { return grpDst.HeaderLineColor == clBlue && grpDst.SummaryLineWidth == 2 && !grpDst.Summary; }},
      {"balloon: delay / transparency", [&] { return balDst.InitialDelay == 5; },
       [&] { return balDst.Transparency == 0; }},
      {"sort: column / case and virtual cells", [&] { return sortDst.Column == 3; },
       [&] { return !sortDst.IgnoreCase && sortDst.SortOnVirtualCells; }},
      {"print: texts, fonts and lines / fixed cells always",
       [&] { return prDst.PageNumSep == "-" && prDst.HeaderFont()->Name() == "Arial" && prDst.TitleLines()->Count() == 1; },
       [&] { return !prDst.FixedCellsAlways; }},
      {"filter drop-down: width / auto size", [&] { return ddDst.Width == 99; }, [&] { return !ddDst.AutoSize; }},
      {"drag scroll: margins, delays, active", [&] {
         return dsDst.Margins.LeftMargin == 3 && dsDst.Delays.RepeatDelay == 9 && dsDst.Active;
       }, [] { return true; }},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(c.copied()) << c.what;
    EXPECT_TRUE(c.left()) << c.what;
  }
}

TEST(GridSettings, AssignFromAnotherClass) {
  TPrintSettings print(nullptr);
  TGrouping other;
  EXPECT_THROW(print.Assign(&other), EInvalidCast);
  THTMLSettings html;
  html.Width = 7;
  html.Assign(&other);  // ignored
  EXPECT_EQ(html.Width, 7);
}

TEST(GridSettings, FilterConditionsJoinByAndAfterTheFirst) {
  TFilter filter(nullptr);
  TFilterData* first = filter.Add();
  TFilterData* second = filter.Add();
  TFilterData* plain = filter.Insert(0);
  EXPECT_EQ(first->Operation, foNONE);
  EXPECT_EQ(second->Operation, foAND);
  EXPECT_EQ(plain->Operation, foSHORT);
  EXPECT_EQ(filter.Items(2), plain);  // Insert appends

  second->Column = 4;
  EXPECT_EQ(filter.GetColFilter(4), second);
  TFilterData* added = filter.GetColFilter(6);
  EXPECT_EQ(added->Column, 6);
  EXPECT_EQ(filter.Count(), 4);
  EXPECT_TRUE(filter.HasFilter(6));
  filter.GetColFilter(6);
  filter.Add()->Column = 6;
  filter.RemoveColumnFilter(6);
  EXPECT_FALSE(filter.HasFilter(6));
  EXPECT_EQ(filter.Count(), 3);
}

TEST(GridSettings, FloatingFooterAssignShowsThroughTheSetter) {
  HostLog host;
  TFloatingFooter source(nullptr), target(&host);
  source.SetVisible(true);
  source.SetColor(clRed);
  source.EnableCalculation = false;
  target.Assign(&source);
  EXPECT_TRUE(target.Visible());
  EXPECT_EQ(target.Color(), clRed);
  EXPECT_TRUE(target.EnableCalculation);  // not copied
  EXPECT_EQ(host.log, "footer-layout;");
}

}  // namespace
