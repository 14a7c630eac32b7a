// A window with the drop-down controls (track bar, memo, plain, calculator,
// time, multi-column, colour, detail and image) for looking at them on a real display. Skipped unless
// DROPDOWN_DEMO_SECONDS is set; then the window stays up for that many seconds
// (for screenshots and scripted input).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/detail_drop_down.h"
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

TEST(DropDownDemo, Window) {
  const int seconds = qEnvironmentVariableIntValue("DROPDOWN_DEMO_SECONDS");
  if (seconds <= 0) GTEST_SKIP() << "set DROPDOWN_DEMO_SECONDS to show the window";
  TForm form(nullptr);
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
    TPicture p;
    p.Bitmap()->SetSize(16, 16);
    p.Bitmap()->Canvas()->Brush()->SetColor(swatches[i]);
    p.Bitmap()->Canvas()->FillRect(Rect(0, 0, 16, 16));
    p.Bitmap()->Canvas()->ReleasePainter();
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

  form.Show();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < seconds * 1000LL) {
    Application->ProcessMessages();
    QThread::msleep(10);
  }
}
