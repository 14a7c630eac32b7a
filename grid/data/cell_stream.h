// The grid's binary cell stream, as data: the records of a rectangle of cells in
// the class library's component-stream layout (each record "TPF0", a class name,
// an empty component name, its properties and two closing 0 bytes). One header
// record (TGridPropIO) is followed, per cell, by a cell record (TGridCellIO), a
// properties record (TGridCellPropIO) when the cell has properties, and a
// graphic record (TGridGraphicIO) with one data record by the graphic's kind
// when it has a graphic.
//
// This file knows the layout only; the grid fills and applies the structures
// (grid/data/bin_cells.cpp). Enumerations are carried as their ordinals (names
// in grid/base/enum_names.h), pictures as the bytes of their files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/ui/graphics.h"

struct TCellStreamHeader {
  int ColCount = 0;
  int RowCount = 0;
  QString ColWidths;   // pixel widths joined by ","
  QString RowHeights;  // pixel heights joined by ","
  bool FullGrid = false;
  int ID = 0;
};

// The cell properties a record carries; Present tells which ones it named.
struct TStreamedProps {
  enum : uint32_t {
    pIsBaseCell = 1u << 0, pCellSpanX = 1u << 1, pCellSpanY = 1u << 2, pAlignment = 1u << 3,
    pBorderColor = 1u << 4, pBorderWidth = 1u << 5, pBrushColor = 1u << 6, pBrushColorTo = 1u << 7,
    pBrushStyle = 1u << 8, pCellObject = 1u << 9, pFontColor = 1u << 10, pFontName = 1u << 11,
    pFontSize = 1u << 12, pFontStyle = 1u << 13, pEditor = 1u << 14, pGradientDirection = 1u << 15,
    pReadOnly = 1u << 16, pVAlignment = 1u << 17, pWordWrap = 1u << 18, pNodeLevel = 1u << 19,
    pControl = 1u << 20,
  };
  uint32_t Present = 0;
  bool IsBaseCell = true;
  int CellSpanX = -1;
  int CellSpanY = -1;
  int Alignment = 0;
  TColor BorderColor = 0;
  int BorderWidth = 0;
  TColor BrushColor = clNone;
  TColor BrushColorTo = clNone;
  int BrushStyle = 0;
  int CellObject = 0;  // an opaque tag of the application
  TColor FontColor = clNone;
  QString FontName;
  int FontSize = 0;
  unsigned FontStyle = 0;  // bit i: style i of kFontStyleNames
  int Editor = 0;
  int GradientDirection = 0;
  bool ReadOnly = false;
  int VAlignment = 0;
  bool WordWrap = false;
  int NodeLevel = 0;
  QString Control;  // the name of the control in the cell
};

struct TStreamedGraphic {
  int CellType = 2;  // ctNone
  int CellVAlign = 0;
  int CellHAlign = 0;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellCheckBoxState = 0;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  QString CellText;
};

// The kinds of data record that follow a graphic record.
enum TStreamedData { sdNone, sdBitmap, sdIcon, sdStrings, sdPicture, sdFilePicture };
// The data record of a graphic kind (ordinal of TCellType).
TStreamedData StreamedDataOf(int CellType);

struct TStreamedCell {
  int Col = 0;
  int Row = 0;
  QString Text;
  bool HasProp = false;
  TStreamedProps Props;
  bool HasGraphic = false;
  TStreamedGraphic Graphic;
  QByteArray Bitmap;  // a BMP file (bitmaps and bitmap buttons)
  QByteArray Icon;    // an ICO file
  QString PictureClass;  // a picture: its graphic's class ("TBitmap", "TJPEGImage" ...)
  QByteArray Picture;    // and that graphic's file bytes
  QStringList Strings;   // radio items; image indexes in decimal
  QString FileName;      // a file picture
};

struct TCellStreamContent {
  TCellStreamHeader Header;
  std::vector<TStreamedCell> Cells;
};

class TCellStreamWriter {
public:
  explicit TCellStreamWriter(QByteArray& Out) : out_(Out) {}
  void WriteHeader(const TCellStreamHeader& Header);
  // The cell's records: its cell record, then by HasProp and HasGraphic the
  // properties, graphic and data records.
  void WriteCell(const TStreamedCell& Cell);

private:
  QByteArray& out_;
};

// Reads a whole stream: the header, then cell records while at least two bytes
// remain. Everything is checked before the caller changes anything: a record
// without "TPF0" raises EReadError "Invalid stream format", a property the
// record's kind does not have, a value of the wrong kind, a cut-off record or
// an unknown enumeration name EReadError; a header asking for more than the
// grid's limits, or widths and heights that are no decimal numbers, EReadError.
TCellStreamContent ReadCellStream(const QByteArray& Bytes);

// A block of cells pasted or dropped with its top-left cell at (ACol, ARow),
// read and checked whole before the grid changes: besides ReadCellStream's
// checks, it must name each cell of its rectangle exactly once and fit the
// grid's limits where it lands, so that growing the grid for it never outgrows
// its data. EReadError otherwise; the header when it passes.
TCellStreamHeader CheckedCellsBlock(const QByteArray& Stream, int ACol, int ARow);

// A checked block as the cells it holds, placed where it lands: a block that
// held a whole grid loses that mark, so that pasting or dropping it never
// clears or resizes the grid it lands in (the whole-grid load stays with
// LoadFromBinStream).
QByteArray PlacedCellsBlock(const QByteArray& Stream);

// The comma-separated decimal numbers of a width or height list; false when an
// entry is no integer.
bool ParseSizeList(const QString& Text, std::vector<int>& Sizes);
