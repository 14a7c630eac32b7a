// Column grid streaming: every column setting survives a save and load, the
// omission rules hold, any broken stream raises and changes nothing, and the
// column positions kept in an initialisation file put the columns back only
// when the file names every column's place exactly once.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include <QBuffer>
#include <QTemporaryDir>

#include "grid/data/column_size.h"
#include "grid/input/edit_link.h"
#include "grid/view/column_grid.h"
#include "platform/os/ini_file.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/menus.h"

namespace {

QByteArray Saved(TExColumnGrid& g) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  g.SaveColumnsToStream(buffer);
  return buffer.data();
}

void Load(TExColumnGrid& g, const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  g.LoadColumnsFromStream(buffer);
}

// Every streamed setting of an item as one text, for comparing items.
QString Settings(const TGridColumnItem& c) {
  auto font = [](const TFont& f) {
    return QStringLiteral("%1/%2/%3/%4").arg(f.Name()).arg(f.Height()).arg(f.Color()).arg(f.Style().Bits());
  };
  auto pen = [](const TPen& p) {
    return QStringLiteral("%1/%2/%3/%4").arg(p.Color()).arg(p.Width()).arg(p.Style()).arg(p.Mode());
  };
  QStringList s;
  s << QString::number(c.AutoMinSize) << QString::number(c.AutoMaxSize) << QString::number(c.Alignment())
    << QString::number(c.Borders().Bits()) << pen(*c.BorderPen()) << c.CheckFalse << c.CheckTrue
    << QString::number(c.Color()) << (c.ColumnPopup ? c.ColumnPopup->Name() : QStringLiteral("-"))
    << QString::number(c.ColumnPopupType) << c.ComboItems()->Text() << QString::number(c.DropDownCount)
    << QString::number(c.EditLength) << (c.EditLink ? c.EditLink->Name() : QStringLiteral("-")) << c.EditMask
    << QString::number(c.Editor()) << c.Filter()->Text()
    << QString::number(c.FilterCaseSensitive) << QString::number(c.Fixed()) << c.FloatFormat() << font(*c.Font())
    << c.Header() << QString::number(c.HeaderAlignment()) << font(*c.HeaderFont()) << QString::number(c.MinSize)
    << QString::number(c.MaxSize) << c.Name << QString::number(c.Password()) << QString::number(c.PrintBorderCustom)
    << QString::number(c.PrintBorders.Bits()) << pen(*c.PrintBorderPen()) << QString::number(c.PrintColor)
    << QString::number(c.PrintFontCustom) << font(*c.PrintFont()) << QString::number(c.ReadOnly)
    << QString::number(c.ShowBands()) << QString::number(c.SortStyle) << c.SortPrefix << c.SortSuffix
    << QString::number(c.SpinMax) << QString::number(c.SpinMin) << QString::number(c.SpinStep)
    << QString::number(c.Tag) << QString::number(c.Width());
  return s.join(u'|');
}

// A form with a popup menu and a column grid of four columns whose second
// column has every setting away from its default.
struct TStreamForm {
  TComponent form{nullptr};
  TPopupMenu* menu = new TPopupMenu(&form);
  TEditLink* link = new TEditLink(&form);
  TExColumnGrid* g = new TExColumnGrid(&form);

  TStreamForm() {
    menu->SetName("ColumnMenu");
    link->SetName("PriceEditor");
    g->SetColCount(4);
    TGridColumnItem& c = *g->Columns()->Items(1);
    c.AutoMinSize = 3;
    c.AutoMaxSize = 300;
    c.SetAlignment(taCenter);
    c.SetBorders({cbTop, cbBottom});
    c.BorderPen()->SetColor(clRed);
    c.BorderPen()->SetWidth(2);
    c.BorderPen()->SetStyle(psDot);
    c.CheckFalse = "no";
    c.CheckTrue = QStringLiteral("ja ✓");
    c.SetColor(0x123456);
    c.ColumnPopup = menu;
    c.ColumnPopupType = cpAllCellsLClick;
    c.ComboItems()->Add("one");
    c.ComboItems()->Add(QStringLiteral("twö"));
    c.DropDownCount = 12;
    c.EditLength = 40;
    c.EditLink = link;
    c.EditMask = "999";
    c.SetEditor(edMaskEditBtn);
    TStringList filter;
    filter.Add("> 3");
    c.SetFilter(&filter);
    c.FilterCaseSensitive = true;
    c.SetFixed(true);
    c.SetFloatFormat("%.2f");
    c.Font()->SetName("Courier");
    c.Font()->SetHeight(-17);
    c.Font()->SetStyle({fsBold, fsItalic});
    c.SetHeader("Price");
    c.SetHeaderAlignment(taRightJustify);
    c.HeaderFont()->SetColor(clBlue);
    c.MinSize = 5;
    c.MaxSize = 500;
    c.Name = "price";
    c.SetPassword(true);
    c.PrintBorderCustom = false;
    c.PrintBorders = {cbLeft};
    c.PrintBorderPen()->SetMode(pmXor);
    c.PrintColor = clYellow;
    c.PrintFontCustom = false;
    c.PrintFont()->SetStyle({fsUnderline});
    c.ReadOnly = true;
    c.SetShowBands(true);
    c.SortStyle = ssAlphaNumericNoCase;
    c.SortPrefix = "EUR ";
    c.SortSuffix = QString(400, u'x');
    c.SpinMax = 100000;
    c.SpinMin = -70000;
    c.SpinStep = 5;
    c.Tag = -1;
    c.SetWidth(88);
  }
};

TEST(ColumnStreaming, EverySettingSurvivesTheRoundTrip) {
  TStreamForm source;
  const QByteArray bytes = Saved(*source.g);

  TStreamForm target;
  target.g->SetColCount(6);
  for (int i = 0; i < 6; ++i) target.g->Columns()->Items(i)->Name = "old";
  target.g->Columns()->Items(1)->ColumnPopup = nullptr;
  target.g->Columns()->Items(1)->EditLink = nullptr;
  Load(*target.g, bytes);
  ASSERT_EQ(target.g->ColCount(), 4);
  ASSERT_EQ(target.g->Columns()->Count(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Settings(*target.g->Columns()->Items(i)).toStdString(),
              Settings(*source.g->Columns()->Items(i)).toStdString())
        << i;
  EXPECT_EQ(target.g->Columns()->Items(1)->ColumnPopup, target.menu);  // found by name on the form
  EXPECT_EQ(target.g->Columns()->Items(1)->EditLink, target.link);
  EXPECT_EQ(target.g->ColWidths(1), 88);
  EXPECT_EQ(target.g->GetCellEx(1, 0), "Price");
  EXPECT_EQ(target.g->ColumnHeaders()->Strings(1), "Price");
}

TEST(ColumnStreaming, DefaultsAndEmptyTextsAreLeftOut) {
  TStreamForm form;
  const QByteArray bytes = Saved(*form.g);
  EXPECT_TRUE(bytes.startsWith("TPF0"));
  EXPECT_TRUE(bytes.contains("TExColumnGridIO"));
  // Only the second column sets the two flags away from their default (true).
  EXPECT_EQ(bytes.count("PrintBorderCustom"), 1);
  EXPECT_EQ(bytes.count("PrintFontCustom"), 1);
  // Empty texts and lists are left out, ordinal values always written.
  EXPECT_EQ(bytes.count("EditMask"), 1);
  EXPECT_EQ(bytes.count("\x08" "EditLink"), 1);  // a reference, by name
  EXPECT_EQ(bytes.count("PriceEditor"), 1);
  EXPECT_EQ(bytes.count("ComboItems.Strings"), 1);
  EXPECT_EQ(bytes.count("SpinStep"), 4);
  // The properties follow the fixed order (the first item's).
  const char* order[] = {"AutoMinSize", "Alignment", "BorderPen.Color", "Editor", "Font.Color", "MinSize",
                         "SortStyle", "Tag", "Width"};
  auto at = [&](const char* name) {  // a property name is a short string
    return bytes.indexOf(char(qstrlen(name)) + QByteArray(name));
  };
  for (size_t i = 1; i < std::size(order); ++i) EXPECT_LT(at(order[i - 1]), at(order[i])) << order[i];
}

TEST(ColumnStreaming, BrokenStreamsRaiseAndChangeNothing) {
  TStreamForm source;
  const QByteArray good = Saved(*source.g);
  auto replaced = [&](const QByteArray& from, const QByteArray& to) {
    QByteArray b = good;
    return b.replace(from, to);
  };
  QByteArray unknownProperty = replaced("\x07" "MinSize", "\x07" "MinSizX");
  QByteArray badEnum = replaced("taCenter", "taMiddle");
  QByteArray otherClass = replaced("TExColumnGridIO", "TExColumnGridIX");
  QByteArray hugeWidth = good;
  {
    // The last item's width (a one-byte integer) becomes a 32-bit 100000.
    const qsizetype at = hugeWidth.lastIndexOf("Width") + 5;
    hugeWidth.replace(at, 2, QByteArray::fromHex("04a0860100"));
  }
  std::vector<QByteArray> broken = {unknownProperty, badEnum, otherClass, hugeWidth, QByteArray("garbage")};
  for (qsizetype n = 0; n < good.size(); n += 7) broken.push_back(good.left(n));

  TStreamForm target;
  target.g->SetColCount(3);
  target.g->Columns()->Items(1)->Name = "kept";
  target.g->SetColWidths(2, 44);
  for (const QByteArray& bytes : broken) {
    EXPECT_THROW(Load(*target.g, bytes), EReadError) << bytes.size();
    EXPECT_EQ(target.g->ColCount(), 3);
    EXPECT_EQ(target.g->Columns()->Count(), 3);
    EXPECT_EQ(target.g->Columns()->Items(1)->Name, "kept");
    EXPECT_EQ(target.g->ColWidths(2), 44);
  }
}

// --- column positions ---

struct TPositionsGrid {
  QTemporaryDir dir;
  TExColumnGrid g{nullptr};
  QString path = dir.filePath("columns.ini");

  explicit TPositionsGrid(int columns = 4) {
    g.SetColCount(columns);
    for (int c = 0; c < columns; ++c) g.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
    g.ColumnSize()->Location = clIniFile;
    g.ColumnSize()->Key = path;
    g.ColumnSize()->Section = "Grid";
    g.Columns()->SetOrganization();
  }

  // The headers of the shown columns, left to right.
  QString Headers() {
    QStringList out;
    for (int c = 0; c < g.AllColCount(); ++c)
      if (!g.IsHiddenColumn(c)) out << g.AllCells(c, 0);
    return out.join(u' ');
  }

  void WriteFile(const QString& text) {
    TMemIniFile ini(path);
    ini.SetText(text);
    ini.UpdateFile();
  }
};

TEST(ColumnPositions, SavedRightAfterRecordingTheyCountUp) {
  TPositionsGrid p;
  p.g.SaveColPositions();
  const TMemIniFile ini(p.path);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ini.ReadInteger("Grid", QStringLiteral("CP%1").arg(i), -1), i);
}

TEST(ColumnPositions, ARearrangementComesBack) {
  TPositionsGrid saved;
  saved.g.MoveColumn(0, 3);
  saved.g.MoveColumn(0, 1);
  ASSERT_EQ(saved.Headers(), "c2 c1 c3 c0");
  saved.g.SaveColPositions();

  TPositionsGrid loaded;
  loaded.WriteFile(TMemIniFile(saved.path).Text().replace("CP", "cp"));  // keys without letter case
  loaded.g.HideColumn(1);
  loaded.g.LoadColPositions();
  EXPECT_EQ(loaded.g.NumHiddenColumns(), 0);
  EXPECT_EQ(loaded.Headers(), "c2 c1 c3 c0");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(loaded.g.Columns()->Items(i)->DefIdx, saved.g.Columns()->Items(i)->DefIdx);
}

TEST(ColumnPositions, FilesThatDoNotPlaceEveryColumnOnceChangeNothing) {
  const char* files[] = {
      "[Grid]\nCP0=2\nCP1=0\nCP2=1\n",                  // written for three columns
      "[Grid]\nCP0=1\nCP1=1\nCP2=0\nCP3=2\n",           // a column twice
      "[Grid]\nCP0=1\nCP1=4\nCP2=0\nCP3=2\n",           // a column that is not there
      "[Grid]\nCP0=1\nCP1=-3\nCP2=0\nCP3=2\n",
      "[Grid]\nCP0=1\nCP1=x\nCP2=0\nCP3=2\n",
      "[Other]\nCP0=3\nCP1=2\nCP2=1\nCP3=0\n",          // another section
      "",
  };
  for (const char* text : files) {
    SCOPED_TRACE(text);
    TPositionsGrid p;
    p.WriteFile(text);
    p.g.HideColumn(2);
    p.g.LoadColPositions();
    EXPECT_EQ(p.g.NumHiddenColumns(), 1);
    EXPECT_EQ(p.Headers(), "c0 c1 c3");
  }
  TPositionsGrid noFile;
  noFile.g.ColumnSize()->Key = noFile.dir.filePath("none.ini");
  noFile.g.LoadColPositions();
  EXPECT_EQ(noFile.Headers(), "c0 c1 c2 c3");
}

}  // namespace
