// The grid's XML format, free of the grid: a flat document of records and
// fields written as text lines, and a reader that walks documents of any
// nesting and puts each element's text or attribute into a cell (the walk of
// the Windows XML DOM, here over pugixml: whitespace-only texts dropped, a
// node's text the text of all its descendants).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// Text of an element or attribute: "&", "<", ">" and the quotation mark as
// entities, a carriage return (which parsers would turn into a line feed) and
// other control characters as character references.
QString XmlEscape(const QString& Text);
// A document in the encoding its declaration names: UTF-8, UTF-16, ISO-8859-1 or
// Windows-1252 (characters the encoding lacks become character references);
// any other name gives 7-bit ASCII with character references, which every
// encoding reads alike.
QByteArray EncodeXmlDocument(const QString& Document, const QString& Encoding);

struct TXmlReadOptions {
  int FirstCol = 0;        // the save range's first column
  int FirstRow = 0;
  bool LevelToRow = false;
  bool LoadFieldDescr = false;
  bool HeaderNames = false;  // SaveFixedCells or SaveFixedRows: names go to row 0
  bool QuoteEmptyCells = true;
};

struct TXmlCell {
  int Col = 0;
  int Row = 0;
  QString Text;
};

struct TXmlCells {
  std::vector<TXmlCell> Cells;  // in the order the walk sets them
  int MaxCol = 0;
  int MaxRow = 0;
};

// Parses and walks a document. HeaderText gives the text the grid holds in row
// 0 of a column (cells the walk sets itself are seen too). A document that does
// not parse raises Exception "XMLDOM Parsing error <code> on line <line>"; one
// nested deeper than 256 elements raises as well.
TXmlCells ReadXmlCells(const QByteArray& Bytes, const TXmlReadOptions& Options,
                       const std::function<QString(int Col)>& HeaderText);
