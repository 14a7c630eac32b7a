// The look presets, the looks' names, the link display, zoom within its bounds
// and the setters of the view.
#include <gtest/gtest.h>

#include "grid/base/focus_window.h"
#include "grid/base/url_text.h"
#include "grid/view/ex_string_grid.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

TEST(LookPresets, ColoursByLook) {
  struct Case {
    TGridLook look;
    TColor selection, selectionText, activeCell, fixedFrom, fixedTo, searchColor;
    TGridSelectionStyle selectionStyle;
  } cases[] = {
      {glStandard, clHighlight, clHighlightText, clGray, ColorToRGB(clBtnFace), clNone, clBtnFace, ssDefault},
      {glSoft, clHighlight, clHighlightText, clGray, ColorToRGB(clBtnFace), clNone, clBtnFace, ssDefault},
      {glClassic, clHighlight, clHighlightText, clGray, ColorToRGB(clBtnFace), clNone, clBtnFace, ssDefault},
      {glVOD, 0xEACAB6, clBlack, 0xEACAB6, clWhite, clSilver, clWhite, ssDefault},
      {glListView, clHighlight, clHighlightText, clGray, clWhite, clBtnFace, clBtnFace, ssDefault},
  };
  for (const Case& c : cases) {
    TExStringGrid g(nullptr);
    g.SetLook(glCustom);  // from another look, so that every look applies
    g.SetSelectionColor(clRed);
    g.SetLook(c.look);
    EXPECT_EQ(g.Look(), c.look);
    EXPECT_EQ(g.SelectionColor(), c.selection) << c.look;
    EXPECT_EQ(g.SelectionTextColor(), c.selectionText) << c.look;
    EXPECT_EQ(g.ActiveCellColor(), c.activeCell) << c.look;
    EXPECT_EQ(g.VODGradientFrom, c.fixedFrom) << c.look;
    EXPECT_EQ(g.ControlLook()->FixedGradientTo, c.fixedTo) << c.look;
    EXPECT_EQ(g.SearchFooter()->Color(), c.searchColor) << c.look;
    EXPECT_EQ(g.SelectionStyle(), c.selectionStyle) << c.look;
    EXPECT_EQ(g.GridLineColor(), clSilver) << c.look;
    EXPECT_EQ(g.GridFixedLineColor(), clGray) << c.look;
    EXPECT_EQ(g.BorderColor(), 0xB99D7F);
    EXPECT_EQ(g.ScrollType, ssNormal);
  }
  // The styled looks take a suite style and a selection style of their own.
  struct Styled {
    TGridLook look;
    TSuiteStyle style;
    TGridSelectionStyle selection;
  } styled[] = {{glVista, tsWindowsVista, ssVista}, {glWin7, tsWindows7, ssWin7}, {glOffice2007, tsOffice2007Luna, ssOffice2007}};
  for (const Styled& s : styled) {
    TExStringGrid g(nullptr);
    g.SetLook(s.look);
    EXPECT_EQ(g.Look(), s.look);
    EXPECT_EQ(g.ComponentStyle, s.style);
    EXPECT_EQ(g.SelectionStyle(), s.selection);
  }
}

TEST(LookPresets, SameLookChangesNothingAndCustomKeepsTheColours) {
  TExStringGrid g(nullptr);  // glXP after construction
  g.SetBorderColor(clRed);
  g.BorderStyle = bsNone;
  g.SetLook(glXP);
  EXPECT_EQ(g.BorderColor(), clRed);
  EXPECT_EQ(g.BorderStyle, bsNone);

  g.SetSelectionColor(clLime);
  g.SetGridLineColor(clMaroon);
  g.SetScrollType(ssMetro);
  g.SetLook(glCustom);
  EXPECT_EQ(g.SelectionColor(), clLime);
  EXPECT_EQ(g.GridLineColor(), clMaroon);
  EXPECT_EQ(g.ScrollType, ssNormal);
  EXPECT_EQ(g.BorderStyle, bsSingle);
  EXPECT_EQ(g.BorderColor(), 0xB99D7F);
}

TEST(LookPresets, WhileLoadingOnlyTheBorderAndStyleApply) {
  TExStringGrid g(nullptr);
  g.BeginLoading();
  g.SetSelectionColor(clLime);
  g.SetLook(glStandard);
  EXPECT_EQ(g.SelectionColor(), clLime);
  EXPECT_EQ(g.BorderColor(), 0xB99D7F);
  g.EndLoading();
}

TEST(LookPresets, IdentifiersAndDisplayNames) {
  struct Case {
    TGridLook look;
    const char* id;
    const char* name;
  } cases[] = {
      {glStandard, "glStandard", "Standard"}, {glSoft, "glSoft", "Soft"},
      {glClassic, "glClassic", "Classic"},    {glVOD, "glVOD", "VOD"},
      {glXP, "glXP", "Windows XP"},           {glListView, "glListView", "ListView"},
      {glVista, "glVista", "Windows Vista"},  {glWin7, "glWin7", "Windows 7"},
      {glOffice2007, "glOffice2007", "Office2007"},
  };
  for (const Case& c : cases) {
    QString id, name;
    GridLookToString(c.look, id);
    GridLookDisplayName(c.look, name);
    EXPECT_EQ(id, c.id);
    EXPECT_EQ(name, c.name);
  }
  QString kept = "kept";
  GridLookToString(glCustom, kept);
  GridLookDisplayName(glCustom, kept);
  EXPECT_EQ(kept, "kept");
}

TEST(LinkDisplay, AddressesInsideTextsBecomeAnchors) {
  struct Case {
    const char* text;
    const char* shown;
  } cases[] = {
      {"see www.example.org, now", "see <a href=\"www.example.org\">www.example.org</a>, now"},
      {"Mail MAILTO:a@b.org?x", "Mail <a href=\"MAILTO:a@b.org\">MAILTO:a@b.org</a>?x"},
      {"<b> http://x.org/a=1", "&lt;b&gt; <a href=\"http://x.org/a\">http://x.org/a</a>=1"},
      {"Https://X.org b", "<a href=\"Https://X.org\">Https://X.org</a> b"},
      {"no address here", "no address here"},
  };
  for (const Case& c : cases) {
    TExStringGrid g(nullptr);
    g.SetCells(1, 1, c.text);
    EXPECT_EQ(g.GetCellEx(1, 1), c.text);  // without the option: unchanged
    g.SetURLShowInText(true);
    EXPECT_EQ(g.GetCellEx(1, 1), c.shown) << c.text;
  }
  QString result = "untouched";
  EXPECT_FALSE(AutoLinkUrl("plain", "HTTP://", result));
  EXPECT_EQ(result, "untouched");
}

TEST(Zoom, StepsStayWithinTenAndSizesAboveZero) {
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetColWidths(1, 2);
  const int w0 = g.ColWidths(0), h0 = g.RowHeights(0);
  g.Zoom(3);
  g.Zoom(3);
  g.Zoom(3);
  EXPECT_EQ(g.ZoomFactor, 9);
  g.Zoom(3);  // would pass 10
  EXPECT_EQ(g.ZoomFactor, 9);
  EXPECT_EQ(g.ColWidths(0), w0 + 9);
  EXPECT_EQ(g.RowHeights(0), h0 + 9);
  EXPECT_EQ(g.ColWidths(1), 11);
  g.Zoom(-9);
  EXPECT_EQ(g.ZoomFactor, 0);
  g.Zoom(-2);  // column 1 (width 2) would reach 0 and stays
  EXPECT_EQ(g.ColWidths(1), 2);
  EXPECT_EQ(g.ColWidths(0), w0 - 2);
  TExStringGrid h(nullptr);
  h.Zoom(-20);
  EXPECT_EQ(h.ZoomFactor, 0);
  h.Zoom(-10);
  EXPECT_EQ(h.ZoomFactor, -10);
}

TEST(ViewSetters, FocusHelperFixedFontAndIntegralHeight) {
  TExStringGrid g(nullptr);
  EXPECT_FALSE(g.FocusHelper()->Enabled);
  TFocusHelper on;
  on.Enabled = true;
  g.SetFocusHelper(&on);
  EXPECT_TRUE(g.FocusHelper()->Enabled);
  TExStringGrid copy(nullptr);
  copy.Assign(&g);
  EXPECT_TRUE(copy.FocusHelper()->Enabled);

  TFont f;
  f.SetName("DejaVu Sans Mono");
  g.SetFixedFont(&f);
  EXPECT_EQ(g.FixedFont()->Name(), "DejaVu Sans Mono");

  g.SetBounds(0, 0, 300, 250);
  g.SetIntegralHeight(true);
  EXPECT_TRUE(g.IntegralHeight);
  EXPECT_NE(g.Height(), 250);  // fitted to whole rows
}
