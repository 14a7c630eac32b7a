// The drag-and-drop objects the grid builds on: a drop target that sorts out
// what dragged data offers and hands each kind to an overridable operation, a
// drop source, the data a drag from the grid offers (with its format list), a
// reader of the formats of foreign data, the two routines that start a drag, and
// the formats themselves with their payloads.
//
// Formats: text "text/plain", rich text "text/rtf", files and links
// "text/uri-list" (local files are files, other addresses links), a dragged
// column and a block of grid cells in MIME types of the grid's own. Every
// reader bounds its reads by the real size of the data.
#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/rtl/sets.h"
#include "platform/ui/drag_drop.h"

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat>;

// The formats.
QString TextMimeType();        // "text/plain"
QString RichTextMimeType();    // "text/rtf"
QString UriListMimeType();     // "text/uri-list"
QString GridColumnMimeType();  // a dragged column: its index as a 32-bit integer
QString GridCellsMimeType();   // a block of cells: a 32-bit count n, 4 zero bytes, n bytes of cell stream
QString HtmlMimeType();        // "text/html" (clipboard only)

// The module's rich-text switch (off at start): rich text is offered and accepted
// only while it is on. The grid's drag-and-drop settings set it.
void SetAcceptRtfDrop(bool Value);
bool AcceptRtfDrop();

// Ctrl held: copy; else move when the source allows it; else copy.
int DropEffectRule(int KeyState, int AllowedEffects);

// Payloads.
QByteArray EncodeGridCells(const QByteArray& Stream);
// The stream of a grid-cells block; none when the block is shorter than its
// 8-byte header or its count is negative or larger than the bytes that follow.
std::optional<QByteArray> DecodeGridCells(const QByteArray& Block);
QByteArray EncodeColumn(int Col);
// The column index at the start of the block; -1 when the block is shorter than 4 bytes.
int DecodeColumn(const QByteArray& Block);
// 8-bit rich text up to its first zero byte (or the end), widened.
QString DecodeRichText(const QByteArray& Block);
// Text up to its first zero character (or the end).
QString DecodeText(const QString& Text);

// The data a drag from the grid offers: text, rich text, a column index (-1 for
// none) and a cell stream (not owned; nullptr for none).
class TSourceDataObject {
public:
  TSourceDataObject(const QString& Text, const QString& RichText, int Col, const QByteArray* Stream);
  // Whether the format can be fetched: text and rich text (with the switch on)
  // when the text is not empty, cells with a stream, the column with an index.
  bool QueryGetData(const QString& Format) const;
  // The bytes of an available format; empty when not available.
  QByteArray GetData(const QString& Format) const;
  // The format list: text, rich text, then the column and the cells when present.
  QStringList EnumFormats() const;
  // The data as the drag loop carries it (the caller owns it).
  QMimeData* CreateMimeData() const;

private:
  QString FText;
  QString FRichText;
  int FCol = -1;
  QByteArray FStream;
  bool FHasStream = false;
};

// A position in a list of formats, stepping forward.
class TSourceEnumFormatEtc {
public:
  explicit TSourceEnumFormatEtc(QStringList Formats) : FFormats(std::move(Formats)) {}
  // Fills up to n formats from the position; true when all n were filled.
  bool Next(int n, QStringList& Out, int* Fetched = nullptr);
  // Moves n on; false when that passes the end (the position stays at the end).
  bool Skip(int n);
  void Reset() { FPos = 0; }
  TSourceEnumFormatEtc Clone() const { return *this; }
  int Position() const { return FPos; }

private:
  QStringList FFormats;
  int FPos = 0;
};

// A reader of the formats foreign data offers; nothing it reads is trusted.
class TEnumFormats {
public:
  explicit TEnumFormats(const QMimeData* DataObject);
  const QMimeData* DataObject() const { return FData; }
  void SetDataObject(const QMimeData* Value);
  // The format walk: Reset, then Next until it answers false.
  bool Reset();
  bool Next();
  bool Valid() const { return FValid; }
  int Count() const { return FCount; }
  QString Format() const { return FValid ? FFormat : QString(); }
  bool HasFormat(const QString& Format);
  bool HasText();
  bool HasRTF();
  bool HasCol();
  bool HasFile();
  bool HasURL();
  bool HasGridCells();
  // -1 / none / empty when the format is missing or its data unusable.
  int Col();
  std::optional<QByteArray> Stream();
  QString Text();
  QString RTF();
  // The local files of the dropped list; true when at least one was read.
  bool ReadFiles();
  const QStringList& Files() const { return FFiles; }
  // The first address of the list that is not a local file, else the text.
  QString URL();

private:
  QByteArray RawData(const QString& Format);

  const QMimeData* FData = nullptr;
  QStringList FFormats;
  int FIndex = 0;
  QString FFormat;
  bool FValid = false;
  int FCount = 0;
  QStringList FFiles;
};

// A drop target: decides whether a drag can be dropped and hands each kind of
// dropped content to the Drop... operations, which do nothing here.
class TESGDropTarget : public TDropTargetHooks {
public:
  bool AcceptText = true;
  bool AcceptFiles = true;
  bool AcceptCols = false;
  bool AcceptURLs = true;
  TDropFormats DropFormats() const { return FDropFormats; }
  bool Acceptable() const { return FOk; }

  int DragEnter(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) override;
  int DragOver(int KeyState, TPoint Pt, int& Effect) override;
  int DragLeave() override;
  int Drop(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) override;

protected:
  virtual void DropText(TPoint pt, const QString& s) {}
  virtual void DropStream(TPoint pt, const QByteArray& Stream) {}
  virtual void DropCol(TPoint pt, int Col) {}
  virtual void DropRTF(TPoint pt, const QString& s) {}
  virtual void DropFiles(TPoint pt, const QStringList& Files) {}
  virtual void DropURL(TPoint pt, const QString& s) {}
  virtual void DragMouseMove(TPoint& pt, bool& Allow, TDropFormats DropFormats) {}
  virtual void DragMouseEnter() {}
  virtual void DragMouseLeave() {}

private:
  static TDropFormats OfferedFormats(TEnumFormats& Formats);
  TDropFormats FDropFormats;
  bool FOk = false;
};

// A drop source: ends the drag on Escape or when the button is released, and
// remembers whether the last feedback said nothing can be dropped.
class TESGDropSource : public TDropSourceHooks {
public:
  bool NoAccept = false;
  int QueryContinueDrag(bool EscapePressed, int KeyState) override;
  int GiveFeedback(int Effect) override;

protected:
  virtual void DragDropStop() {}
  virtual void CurrentEffect(int Effect) {}
  virtual void QueryDrag() {}
};

// Drags text (and rich text, and a cell stream when given); the effect chosen
// comes back in Effect. DRAGDROP_S_CANCEL when the last feedback accepted nothing.
int StartTextDrag(TESGDropSource* DropSource, const QString& Text, const QString& RichText, int& Effect,
                  int AllowedEffects, const QByteArray* Stream);
// Drags a column index.
int StartColumnDrag(TESGDropSource* DropSource, int Col, int AllowedEffects, int& Effect);
