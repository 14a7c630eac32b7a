// The optional graphic of one cell (TCellGraphic): its kind (check box, radio
// group, button, picture, progress bar, comment ...) and the general-purpose
// fields whose meaning the kind decides. The cell's properties hold it and free
// it with themselves; what the graphic itself frees depends on its kind.
#pragma once

#include <QString>
#include <cstdint>

#include "grid/base/cell_properties.h"
#include "grid/base/int_list.h"
#include "grid/view/grid_types.h"
#include "platform/ui/graphics.h"

#include "platform/rtl/string_list.h"

class TBitmap;
class TPicture;
class TIcon;
class TFilePicture;

// A string list a cell graphic owns: a balloon's title and text, the items of
// a radio group the grid made.
class TCellStrings : public TObject, public TStringList {};

enum TCellType : uint8_t {
  ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
  ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
  ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
  ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
using TCellTypes = TSet<TCellType>;
// How a picture fills its cell.
enum TStretchMode { noStretch, Stretch, Shrink, StretchWithAspectRatio, ShrinkWithAspectRatio };

class TCellGraphic : public TStoreOwnedGraphic {
public:
  TCellGraphic() = default;
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;

  // Copies the kind, placements, index, transparency, value, angle, Boolean,
  // error range, text and the created flag; not the objects, the chosen radio
  // index nor the tri-state.
  void Assign(const TPersistent* Source) override;

  TCellType CellType = ctNone;
  // The kind's main object (owned when CellCreated, see the destructor), or a
  // colour for the colour-carrying kinds.
  TObject* CellBitmap = nullptr;
  TColor CellBitmapColor = 0;
  TObject* CellIcon = nullptr;
  TColor CellIconColor = 0;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  QString CellText;
  int CellVar = 0;  // the index last chosen in a radio group
  // A radio group's items given by the caller (not owned); the grid's own
  // lists are TCellStrings in CellBitmap.
  TStringList* CellStrings = nullptr;
  // The item or text list of the graphic (its own or the caller's); nullptr when none.
  TStringList* Strings() const;
  TCheckBoxState CellCheckBoxState = cbUnchecked;

  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int bw, int bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                  TCellVAlign val);
  void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                      TCellHAlign hal, TCellVAlign val);
  // Kind ctImages: a new owned index list for cell (Col, Row) whose changes go
  // to Notifier; dir 0 lays the images side by side.
  void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
  // Kind ctRotated; the angle brought into 0..360.
  void SetAngle(int16_t AAngle);

  // The size a picture kind takes in a space of cw by rh pixels (less the
  // padding, by the stretch mode); other kinds give (0, 0).
  TPoint GetPictureSize(int cw, int rh, bool hastext) const;
  // The fitting rule itself for a picture of w by h.
  static TPoint FitPictureSize(int w, int h, int cw, int rh, int padding, TStretchMode mode);

private:
  void FreeOwned();
};

// The graphic's vertical placement for a grid's vertical text alignment.
TCellVAlign CellVAlignOf(TVAlignment a);
