// The printer (stands for the class library's Printer object): the job's title
// and the page orientation, the printable page in device pixels and the device's
// resolution, a document begun, new sheets, an aborted or ended document. With an
// output file name the pages go into a PDF file, so printing works without a
// printer; without one they go to the system's default printer.
#pragma once

#include <QString>
#include <memory>

#include "platform/rtl/exceptions.h"

class QPainter;
class QPrinter;

enum TPrinterOrientation { poPortrait, poLandscape };

// The printer cannot do what was asked (no device to print on).
class EPrinter : public Exception {
public:
  using Exception::Exception;
};

class TPrinter {
public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  QString Title;
  TPrinterOrientation Orientation() const;
  void SetOrientation(TPrinterOrientation Value);
  // A PDF file to print into (empty: the system printer).
  QString OutputFileName() const { return fileName_; }
  void SetOutputFileName(const QString& Value);

  // The printable area in device pixels and the device's dots per inch.
  int PageWidth() const;
  int PageHeight() const;
  int XResolution() const;
  int YResolution() const;

  // Starts the document; raises EPrinter when the device cannot be opened.
  void BeginDoc();
  // The next sheet of the document begun.
  void NewPage();
  // Ends the document (the file is written).
  void EndDoc();
  // Gives the document up: nothing more is printed.
  void Abort();
  bool Printing() const { return painter_ != nullptr; }
  // Sheets begun so far in the current or last document.
  int PageNumber() const { return pages_; }
  // The painter of the document begun; nullptr otherwise.
  QPainter* Painter() const { return painter_.get(); }

private:
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  QString fileName_;
  int pages_ = 0;
};

// The program's printer.
TPrinter* Printer();
