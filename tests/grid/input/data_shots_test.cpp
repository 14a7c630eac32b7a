// Pictures of the grid's data features for a look by eye: with GRID_SHOTS set
// to a folder, a sorted and filtered grid with its totals strip, a grid with
// the search footer showing a text that matches nothing, and a grouped grid
// are written there as PNG files. Without the variable the test is skipped.
#include <gtest/gtest.h>

#include <QDir>

#include "grid/data/floating_footer.h"
#include "grid/data/search_panel.h"
#include "grid/data/sort_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

const char* kNames[] = {"Pump", "Valve", "Motor", "Sensor", "Drive", "Relay", "Heater", "Fan"};
const char* kAreas[] = {"North", "South", "North", "East", "South", "East", "North", "South"};

struct ShotGrid : InputGrid {
  ShotGrid() : InputGrid(4, 10) {
    g->SetCells(1, 0, "Name");
    g->SetCells(2, 0, "Area");
    g->SetCells(3, 0, "Count");
    for (int r = 1; r <= 8; ++r) {
      g->SetCells(0, r, QString::number(r));
      g->SetCells(1, r, kNames[r - 1]);
      g->SetCells(2, r, kAreas[r - 1]);
      g->SetCells(3, r, QString::number((r * 37) % 23));
    }
    g->SetColWidths(1, 120);
    g->SetColWidths(2, 120);
    g->SetColWidths(3, 90);
  }
  void Save(const QString& folder, const QString& name) {
    ProcessEvents();
    TBitmap picture(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(picture.Canvas(), 0, 0);
    picture.SaveToFile(QDir(folder).filePath(name));
  }
};

TEST(DataShots, PicturesForTheEye) {
  const QString folder = qEnvironmentVariable("GRID_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "GRID_SHOTS names no folder";
  QDir().mkpath(folder);
  {
    // Sorted by a click on "Count" (twice: descending), the filter buttons in
    // the header, the area column filtered to one value, totals at the bottom.
    ShotGrid t;
    t.g->SortSettings()->SetShow(true);
    t.g->FilterDropDownAuto = true;
    // The column grid shows a filter button where a column has filter lines.
    for (const char* area : {"North", "South", "East"}) t.g->Columns()->Items(2)->Filter()->Add(area);
    t.g->FloatingFooter()->SetVisible(true);
    t.g->FloatingFooter()->SetColumnCalc(3, acSUM);
    t.g->FloatingFooter()->SetColumnCalc(1, acCOUNT);
    for (int i = 0; i < 2; ++i) {
      const TRect r = t.g->CellRect(3, 0);
      MouseClick(t.g, r.Left + 20, (r.Top + r.Bottom) / 2);
      ProcessEvents();
    }
    TFilterData* f = t.g->Filter()->Add();
    f->Column = 2;
    f->Condition = "North|South";
    t.g->SetFilterActive(true);
    t.Save(folder, "data_sorted_filtered.png");
  }
  {
    ShotGrid t;
    t.g->SearchFooter()->SetFindNextCaption("Find &next");
    t.g->SearchFooter()->SetFindPrevCaption("Find &previous");
    t.g->SearchFooter()->SetHighLightCaption("Highlight");
    t.g->SearchFooter()->SetMatchCaseCaption("Match case");
    t.g->SearchFooter()->SetVisible(true);
    ProcessEvents();
    t.Key(Qt::Key_F, Qt::ControlModifier);
    t.g->SearchPanel()->EditControl->SetText("Mot");
    ProcessEvents();
    t.Save(folder, "data_search_found.png");
    t.g->SearchPanel()->EditControl->SetText("Motx");
    t.Save(folder, "data_search_red.png");
  }
  {
    ShotGrid t;
    t.g->SetRowCount(9);
    t.g->Group(2);
    t.g->ContractNode(1);
    t.Save(folder, "data_grouped.png");
  }
}

}  // namespace
