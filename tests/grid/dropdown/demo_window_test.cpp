// A window with the drop-down controls (track bar, memo, plain, calculator,
// time, multi-column, grid, colour, detail and image) for looking at them on a
// real display. Skipped unless DROPDOWN_DEMO_SECONDS is set; then the window
// stays up for that many seconds (for screenshots and scripted input). With
// DROPDOWN_SHOTS set to a folder, each drop-down is opened by a click on its
// button and the window with the open pop-up is written there as a PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <QThread>
#include <vector>

#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/detail_drop_down.h"
#include "grid/dropdown/drop_down_button.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "grid/dropdown/memo_drop_down.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/dropdown/time_picker_drop_down.h"
#include "grid/dropdown/track_bar_drop_down.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shapes.h"
#include "tests/support/ui_input.h"

namespace {

// Fills the form with one drop-down of each kind; returns them in order.
std::vector<TExCustomDropDown*> BuildDemo(TForm& form) {
  std::vector<TExCustomDropDown*> all;
  form.SetCaption(QStringLiteral("Drop-down controls"));
  form.SetBounds(40, 40, 640, 440);

  auto* track = new TExTrackBarDropDown(&form);
  track->SetParent(&form);
  track->SetBounds(140, 30, 200, 21);
  track->SetLabelCaption(QStringLiteral("Track bar:"));
  track->SetLabelPosition(lpLeftCenter);
  track->SetLabelMargin(6);

  auto* memo = new TExMemoDropDown(&form);
  memo->SetParent(&form);
  memo->SetBounds(140, 80, 200, 21);
  memo->SetEditorEnabled(false);
  TStringList lines;
  lines.SetText(QStringLiteral("First line of the memo\nSecond line"));
  memo->SetMemoText(lines);
  memo->SetLabelCaption(QStringLiteral("Memo:"));
  memo->SetLabelPosition(lpLeftCenter);
  memo->SetLabelMargin(6);

  auto* plain = new TExCustomDropDown(&form);
  plain->SetParent(&form);
  plain->SetBounds(140, 130, 200, 21);
  plain->SetEditType(etMoney);
  plain->SetPrecision(2);
  plain->SetPrefix(QStringLiteral("$"));
  plain->SetFloatValue(1234.5);
  plain->SetDropDownWidth(240);
  plain->SetDropDownHeight(90);
  plain->DropDownHeader()->Caption = QStringLiteral("Plain drop-down");
  plain->DropDownHeader()->Buttons()->Add()->SetCaption(QStringLiteral("Help"));
  plain->DropDownFooter()->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
  plain->DropDownFooter()->Buttons()->Items(0)->ModalResult = 1;
  plain->DropDownFooter()->Caption = QStringLiteral("Footer");
  plain->SetLabelCaption(QStringLiteral("Money:"));
  plain->SetLabelPosition(lpLeftCenter);
  plain->SetLabelMargin(6);

  auto* calc = new TExCalculatorDropdown(&form);
  calc->SetParent(&form);
  calc->SetBounds(140, 180, 200, 21);
  calc->SetLabelCaption(QStringLiteral("Calculator:"));
  calc->SetLabelPosition(lpLeftCenter);
  calc->SetLabelMargin(6);

  auto* time = new TExTimePickerDropDown(&form);
  time->SetParent(&form);
  time->SetBounds(140, 230, 200, 21);
  time->SetTime(EncodeTime(10, 10, 30, 0));
  time->SetLabelCaption(QStringLiteral("Time:"));
  time->SetLabelPosition(lpLeftCenter);
  time->SetLabelMargin(6);

  auto* multi = new TExMultiColumnDropDown(&form);
  multi->SetParent(&form);
  multi->SetBounds(140, 280, 200, 21);
  const char* headers[] = {"Name", "Code", "Note"};
  for (const char* h : headers) multi->Columns()->Add()->Header = QString::fromLatin1(h);
  multi->Columns()->Items(2)->Wordwrap = true;
  const char* rows[][3] = {{"Alpha", "A1", "first"}, {"Beta", "B2", "second item, with a longer note"},
                           {"Bravo", "B3", "third"}, {"Charlie", "C4", "fourth"}, {"Delta", "D5", "fifth"}};
  multi->BeginUpdate();
  for (const auto& r : rows) {
    TDropDownItem* item = multi->Items()->Add();
    for (const char* t : r) item->Text().Add(QString::fromLatin1(t));
  }
  multi->EndUpdate();
  multi->SetItemIndex(1);
  multi->SetLabelCaption(QStringLiteral("Columns:"));
  multi->SetLabelPosition(lpLeftCenter);
  multi->SetLabelMargin(6);

  const TColorSelectionStyle styles[] = {csList, csDiscrete, csColorCube, csSpectrum};
  const char* names[] = {"Colour list:", "Palette:", "Cube:", "Spectrum:"};
  for (int i = 0; i < 4; ++i) {
    auto* color = new TExColorPickerDropDown(&form);
    color->SetParent(&form);
    color->SetBounds(140 + (i % 2) * 300, 330 + (i / 2) * 50, 160, 21);
    color->AddDefaultColors();
    color->SetColorSelectionStyle(styles[i]);
    color->ColorValueText = cvtHTML;
    color->SetSelectedColor(0x0000FF);
    color->SetLabelCaption(QString::fromLatin1(names[i]));
    color->SetLabelPosition(lpLeftCenter);
    color->SetLabelMargin(6);
  }

  auto* detail = new TExDetailDropDown(&form);
  detail->SetParent(&form);
  detail->SetBounds(440, 230, 160, 21);
  auto* images = new TExImagePickerDropDown(&form);
  images->SetParent(&form);
  images->SetBounds(440, 280, 160, 21);
  const TColor swatches[] = {0x0000FF, 0x00A000, 0xFF0000, 0x00C0FF};
  const char* fruit[] = {"Apple", "Pear", "Plum", "Orange"};
  for (int i = 0; i < 4; ++i) {
    // A round swatch on a white ground: the lists draw a bitmap with automatic
    // transparency (its corner colour is see-through), so a one-colour square
    // would not show at all.
    TPicture p;
    p.Bitmap()->SetSize(16, 16);
    TCanvas* c = p.Bitmap()->Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 16, 16));
    c->Brush()->SetColor(swatches[i]);
    c->Pen()->SetColor(clBlack);
    c->Ellipse(1, 1, 15, 15);
    c->ReleasePainter();
    TDetailItem* d = detail->Items()->Add();
    d->SetCaption(QString::fromLatin1(fruit[i]));
    d->SetImage(&p);
    d->Notes = QStringLiteral("A note on <b>%1</b>").arg(QString::fromLatin1(fruit[i]));
    TImageItem* im = images->Items()->Add();
    im->SetCaption(QString::fromLatin1(fruit[i]));
    im->SetImage(&p);
  }
  detail->SetItemIndex(1);
  images->SetItemIndex(2);
  detail->SetLabelCaption(QStringLiteral("Detail:"));
  detail->SetLabelPosition(lpLeftCenter);
  detail->SetLabelMargin(6);
  images->SetLabelCaption(QStringLiteral("Image:"));
  images->SetLabelPosition(lpLeftCenter);
  images->SetLabelMargin(6);

  auto* grid = new grid_drop_down::TCustomExGridDropDown(&form);
  grid->SetParent(&form);
  grid->SetBounds(440, 180, 160, 21);
  for (const char* h : headers) grid->Columns()->Add()->Header = QString::fromLatin1(h);
  grid->Sorting = grid_drop_down::gsSingleColumn;
  grid->Bands()->SetActive(true);
  grid->BeginUpdate();
  for (const auto& r : rows) {
    TDropDownItem* item = grid->Items()->Add();
    for (const char* t : r) item->Text().Add(QString::fromLatin1(t));
  }
  grid->EndUpdate();
  grid->SetItemIndex(2);
  grid->SetLabelCaption(QStringLiteral("Grid:"));
  grid->SetLabelPosition(lpLeftCenter);
  grid->SetLabelMargin(6);

  for (int i = 0; i < form.ControlCount(); ++i)
    if (auto* d = dynamic_cast<TExCustomDropDown*>(form.Controls(i))) all.push_back(d);
  return all;
}

}  // namespace

TEST(DropDownDemo, Window) {
  const int seconds = qEnvironmentVariableIntValue("DROPDOWN_DEMO_SECONDS");
  if (seconds <= 0) GTEST_SKIP() << "set DROPDOWN_DEMO_SECONDS to show the window";
  TForm form(nullptr);
  BuildDemo(form);
  form.Show();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < seconds * 1000LL) {
    Application->ProcessMessages();
    QThread::msleep(10);
  }
}

TEST(DropDownDemo, EachOpened) {
  const QString folder = qEnvironmentVariable("DROPDOWN_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "DROPDOWN_SHOTS names no folder";
  QDir().mkpath(folder);
  TForm form(nullptr);
  const std::vector<TExCustomDropDown*> all = BuildDemo(form);
  form.Show();
  // Settled: the window's own activation on an X server comes a little later.
  auto settle = [] {
    for (int i = 0; i < 30; ++i) {
      ProcessEvents();
      QThread::msleep(10);
    }
  };
  settle();
  int n = 0;
  for (TExCustomDropDown* d : all) {
    d->SetFocus();
    // The click goes where a real one lands: on the button inside the
    // drop-down's button frame (the frame itself passes a click on to the edit).
    TExDropDownSpeedButton* b = d->Button()->InnerButton();
    MouseClick(b, b->Width() / 2, b->Height() / 2);
    settle();
    if (!d->DroppedDown()) {
      // Not open after the click: told, and opened directly for the picture.
      ADD_FAILURE() << d->LabelCaption().toStdString() << " did not stay open after a click on its button";
      d->ShowDropDown();
      ProcessEvents();
    }
    // The window under the pop-up, with the pop-up's own picture laid over it
    // where it stands (a bare X server has no window manager to stack them).
    QPixmap shot = form.Widget()->grab();
    if (TDropDownForm* f = d->DropDownForm(); f && f->Visible()) {
      const QPoint at = form.Widget()->mapFromGlobal(f->Widget()->mapToGlobal(QPoint(0, 0)));
      const QPixmap popup = f->Widget()->grab();
      QPixmap both(std::max(shot.width(), at.x() + popup.width()), std::max(shot.height(), at.y() + popup.height()));
      both.fill(Qt::darkGray);
      QPainter p(&both);
      p.drawPixmap(0, 0, shot);
      p.drawPixmap(at, popup);
      p.end();
      shot = both;
    }
    const QString name = QStringLiteral("%1-%2.png").arg(n++, 2, 10, QLatin1Char('0')).arg(d->LabelCaption().remove(u':'));
    shot.save(QDir(folder).filePath(name));
    d->HideDropDown(true);
    // Closing gives the activation back to the window; on an X server that
    // comes later, and a pop-up opened before it would lose the activation.
    settle();
  }
}
