#include "platform/print/printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() { Abort(); }

TPrinterOrientation TPrinter::Orientation() const {
  return printer_->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  if (Printing()) return;
  printer_->setPageOrientation(Value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::SetOutputFileName(const QString& Value) {
  if (Printing()) return;
  fileName_ = Value;
  if (Value.isEmpty()) {
    printer_->setOutputFormat(QPrinter::NativeFormat);
  } else {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setOutputFileName(Value);
  }
}

int TPrinter::PageWidth() const { return printer_->pageLayout().paintRectPixels(printer_->resolution()).width(); }
int TPrinter::PageHeight() const { return printer_->pageLayout().paintRectPixels(printer_->resolution()).height(); }
int TPrinter::XResolution() const { return printer_->resolution(); }
int TPrinter::YResolution() const { return printer_->resolution(); }

void TPrinter::BeginDoc() {
  if (Printing()) return;
  printer_->setDocName(Title);
  auto painter = std::make_unique<QPainter>();
  if (!printer_->isValid() || !painter->begin(printer_.get())) throw EPrinter(QStringLiteral("Printer selected is not valid"));
  painter_ = std::move(painter);
  pages_ = 1;
}

void TPrinter::NewPage() {
  if (!Printing()) return;
  printer_->newPage();
  ++pages_;
}

void TPrinter::EndDoc() {
  if (!Printing()) return;
  painter_->end();
  painter_.reset();
}

void TPrinter::Abort() {
  if (!Printing()) return;
  printer_->abort();
  painter_->end();
  painter_.reset();
}

TPrinter* Printer() {
  // Made on first use and kept to the end (a printer must not outlive the application object's teardown order).
  static TPrinter* printer = new TPrinter;
  return printer;
}
