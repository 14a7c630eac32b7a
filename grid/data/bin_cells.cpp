// The grid's binary cell stream: a rectangle of cells with their texts, cell
// properties (looks, merges, editor, read-only state, node level) and graphics
// with their pictures and lists, written to and read from streams and files.
// The layout itself is grid/data/cell_stream.
//
// Display columns of the rectangle are mapped to the store's real columns, so
// hidden columns are neither written as visible data nor shifted on reading.
// A stream is read and checked whole, its pictures decoded and its file
// pictures found, before the first cell changes: a broken stream raises and
// leaves the grid as it was. The cell object slot travels as an opaque number.
#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <limits>
#include <memory>

#include "grid/base/enum_names.h"
#include "grid/base/file_picture.h"
#include "grid/data/cell_stream.h"
#include "grid/data/file_limits.h"
#include "grid/data/file_progress.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/image_data.h"
#include "platform/ui/shapes.h"

static_assert(kAlignmentNames.size() == taCenter + 1);
static_assert(kVAlignmentNames.size() == vtaBottom + 1);
static_assert(kBrushStyleNames.size() == bsDiagCross + 1);
static_assert(kGradientDirectionNames.size() == GradientHorizontal + 1);
static_assert(kCheckBoxStateNames.size() == cbGrayed + 1);
static_assert(kEditorNames.size() == edMaskEditBtn + 1);
static_assert(kCellTypeNames.size() == ctExpand + 1);
static_assert(kCellVAlignNames.size() == vaFull + 1);
static_assert(kCellHAlignNames.size() == haFull + 1);
static_assert(kFontStyleNames.size() == fsStrikeOut + 1);

namespace {

quint32 LittleEndian(const QByteArray& b, qsizetype at, int size) {
  quint32 v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | quint8(b[at + i]);
  return v;
}

// Clears the bits of an icon file's transparency masks that lie right of the
// pictures: the image writer leaves them as it found the memory, so the same
// grid saved twice would give different bytes.
void ClearIconMaskPadding(QByteArray& ico) {
  if (ico.size() < 6 || LittleEndian(ico, 0, 2) != 0 || LittleEndian(ico, 2, 2) != 1) return;
  const int count = int(LittleEndian(ico, 4, 2));
  for (int i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
    const qsizetype at = LittleEndian(ico, 6 + 16 * i + 12, 4);
    if (at + 40 > ico.size() || LittleEndian(ico, at, 4) != 40) continue;  // not a bitmap header
    const int width = int(LittleEndian(ico, at + 4, 4)), height = int(LittleEndian(ico, at + 8, 4)) / 2;
    const int bits = int(LittleEndian(ico, at + 14, 2));
    if (width <= 0 || height <= 0 || bits <= 8) continue;  // palette pictures: not written here
    const qsizetype colorRow = (qsizetype(width) * bits + 31) / 32 * 4, maskRow = (qsizetype(width) + 31) / 32 * 4;
    const qsizetype mask = at + 40 + colorRow * height;
    if (mask + maskRow * height > ico.size()) continue;
    for (int y = 0; y < height; ++y)
      for (int x = width; x < maskRow * 8; ++x) ico[mask + maskRow * y + x / 8] &= char(~(0x80 >> (x % 8)));
  }
}

QByteArray imageFile(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  if (qstrcmp(format, "ICO") == 0) ClearIconMaskPadding(bytes);
  return bytes;
}

// The image of a picture's stored data by its graphic's class; a null image when
// the data do not hold one.
QImage pictureImage(const QString& cls, const QByteArray& data) {
  const char* format = cls == QLatin1String("TBitmap")       ? "BMP"
                       : cls == QLatin1String("TJPEGImage")  ? "JPG"
                       : cls == QLatin1String("TIcon")       ? "ICO"
                       : cls == QLatin1String("TPngImage") || cls == QLatin1String("TPNGObject") ? "PNG"
                       : cls == QLatin1String("TGIFImage")   ? "GIF"
                                                             : nullptr;
  QImage image;
  image.loadFromData(data, format);
  return image;
}

QImage decoded(const QByteArray& data, const char* format, const char* what) {
  QImage image;
  if (!data.isEmpty() && !image.loadFromData(data, format))
    throw EReadError(QStringLiteral("%1 image is not valid").arg(QLatin1String(what)));
  return image;
}

// What a cell's graphic brings along, made before the grid changes.
struct TPreparedCell {
  int Col = -1;  // real column of the target (-1: outside the grid)
  int Row = -1;
  QImage Image;
  std::unique_ptr<TFilePicture> FilePicture;
};

TBitmap* newBitmap(const QImage& image) {
  auto* b = new TBitmap();
  if (!image.isNull()) b->SetImage(image.convertToFormat(QImage::Format_RGB32));
  return b;
}

}  // namespace

void TExStringGrid::SaveRectToBinStream(TRect Rect, QIODevice& Stream) {
  QByteArray out;
  TCellStreamWriter writer(out);
  TCellStreamHeader h;
  h.ColCount = Rect.Right - Rect.Left + 1;
  h.RowCount = Rect.Bottom - Rect.Top + 1;
  QStringList widths, heights;
  for (int c = Rect.Left; c <= Rect.Right; ++c) widths.append(QString::number(ColWidths(c)));
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) heights.append(QString::number(RowHeights(r)));
  h.ColWidths = widths.join(u',');
  h.RowHeights = heights.join(u',');
  h.FullGrid = SaveFixedCells ? h.RowCount == RowCount() && h.ColCount == ColCount()
                              : h.RowCount == RowCount() - FixedRows() && h.ColCount == ColCount() - FixedCols();
  h.ID = GridID();
  writer.WriteHeader(h);

  TFileProgress progress(OnFileProgress, this);
  ExportNotification(esExportStart, Rect.Top);
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = Rect.Left; c <= Rect.Right; ++c) {
      const int rc = DisplToRealCol(c);
      TStreamedCell cell;
      cell.Col = c;
      cell.Row = r;
      cell.Text = GetCellEx(rc, r);
      cell.HasProp = CellHasProperties(rc, r);
      if (cell.HasProp) {
        const TCellProperties* p = GetCellProperties(rc, r);
        TStreamedProps& s = cell.Props;
        s.IsBaseCell = p->IsBaseCell;
        s.CellSpanX = p->CellSpanX;
        s.CellSpanY = p->CellSpanY;
        s.Alignment = p->Alignment();
        s.BorderColor = p->BorderColor;
        s.BorderWidth = p->BorderWidth;
        s.BrushColor = p->BrushColor();
        s.BrushStyle = p->BrushStyle;
        // The application's tag travels as a number; a value beyond 32 bits is
        // no tag but an address, meaningless elsewhere, and travels as 0.
        s.CellObject = p->CellObject <= uintptr_t(std::numeric_limits<int>::max()) ? static_cast<int>(p->CellObject) : 0;
        s.FontColor = p->FontColor;
        s.FontName = p->FontName;
        s.FontSize = p->FontSize;
        for (int i = fsBold; i <= fsStrikeOut; ++i)
          if (p->FontStyle.Contains(static_cast<TFontStyle>(i))) s.FontStyle |= 1u << i;
        s.Editor = p->Editor;
        s.ReadOnly = p->ReadOnly;
        s.VAlignment = p->VAlignment();
        s.WordWrap = p->WordWrap();
        s.NodeLevel = p->NodeLevel;
        if (p->Control) s.Control = p->Control->Name();

        TCellGraphic* g = GetCellGraphic(rc, r);
        const TCellType type = GetCellType(rc, r);
        if (!g || type == ctEmpty) cell.HasGraphic = false;
        else if (TCellTypes{ctBitmap, ctIcon, ctRadio, ctImages, ctPicture, ctFilePicture, ctBitButton}.Contains(type))
          cell.HasGraphic = g->CellCreated;
        else cell.HasGraphic = true;
        if (cell.HasGraphic) {
          TStreamedGraphic& sg = cell.Graphic;
          sg.CellType = g->CellType;
          sg.CellVAlign = g->CellVAlign;
          sg.CellHAlign = g->CellHAlign;
          sg.CellIndex = g->CellIndex;
          sg.CellTransparent = g->CellTransparent;
          sg.CellCreated = g->CellCreated;
          sg.CellBoolean = g->CellBoolean;
          sg.CellAngle = g->CellAngle;
          sg.CellValue = g->CellValue;
          sg.CellErrFrom = g->CellErrFrom;
          sg.CellErrLen = g->CellErrLen;
          sg.CellText = g->CellText;
          switch (g->CellType) {
            case ctBitmap:
            case ctBitButton:
              if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap); b && !b->Empty())
                cell.Bitmap = imageFile(b->Image(), "BMP");
              break;
            case ctIcon:
              if (auto* icon = dynamic_cast<TIcon*>(g->CellIcon); icon && !icon->Empty())
                cell.Icon = imageFile(icon->Data().Image(), "ICO");
              break;
            case ctRadio:
              if (const TStringList* items = g->Strings())
                for (int i = 0; i < items->Count(); ++i) cell.Strings.append((*items)[i]);
              break;
            case ctImages:
              if (auto* list = dynamic_cast<TIntList*>(g->CellBitmap))
                for (int i = 0; i < list->Count(); ++i) cell.Strings.append(QString::number((*list)[i]));
              break;
            case ctPicture:
              if (auto* pic = dynamic_cast<TPicture*>(g->CellBitmap); pic && !pic->Bitmap()->Empty()) {
                cell.PictureClass = QStringLiteral("TBitmap");
                cell.Picture = imageFile(pic->Bitmap()->Image(), "BMP");
              }
              break;
            case ctFilePicture:
              if (auto* fp = dynamic_cast<TFilePicture*>(g->CellBitmap)) cell.FileName = fp->Filename();
              break;
            default:
              break;
          }
        }
      }
      writer.WriteCell(cell);
    }
    progress.Report(r - Rect.Top, Rect.Bottom - Rect.Top);
  }
  ExportNotification(esExportDone, -1);
  if (Stream.write(out) != out.size()) throw EFileError(QStringLiteral("Stream write error"));
}

void TExStringGrid::SaveToBinStream(QIODevice& Stream) {
  SaveRectToBinStream(Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

void TExStringGrid::SaveToBinFile(const QString& FileName) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SaveToBinStream(buffer);
  WriteFileWhole(FileName, bytes);
}

void TExStringGrid::LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream) {
  const TCellStreamContent content = ReadCellStream(Stream.readAll());
  const TCellStreamHeader& h = content.Header;

  // The grid's size after the load: a whole grid brings its counts, plus the
  // fixed rows and columns when they were not saved.
  int cols = ColCount(), rows = RowCount(), firstCol = 0, firstRow = 0;
  if (h.FullGrid) {
    firstCol = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    cols = firstCol + h.ColCount;
    rows = firstRow + h.RowCount;
    if (cols + NumHiddenColumns() > kMaxFileColumns || rows > kMaxFileRows)
      throw EReadError(QStringLiteral("Invalid stream format: %1 columns and %2 rows").arg(cols).arg(rows));
  }
  int64_t originCol = 0, originRow = 0;
  if (!h.FullGrid && !content.Cells.empty()) {
    originCol = content.Cells.front().Col;
    originRow = content.Cells.front().Row;
  }

  // Targets, decoded pictures and found file pictures, before anything changes.
  std::vector<TPreparedCell> prepared(content.Cells.size());
  for (size_t i = 0; i < content.Cells.size(); ++i) {
    const TStreamedCell& c = content.Cells[i];
    const int64_t tc = int64_t(Point.X) + c.Col - originCol, tr = int64_t(Point.Y) + c.Row - originRow;
    if (tc < 0 || tc >= cols || tr < 0 || tr >= rows) continue;
    TPreparedCell& p = prepared[i];
    p.Col = static_cast<int>(tc);
    p.Row = static_cast<int>(tr);
    if (!c.HasProp || !c.HasGraphic) continue;
    switch (StreamedDataOf(c.Graphic.CellType)) {
      case sdBitmap: p.Image = decoded(c.Bitmap, "BMP", "Bitmap"); break;
      case sdIcon: p.Image = decoded(c.Icon, "ICO", "Icon"); break;
      case sdPicture:
        if (!c.PictureClass.isEmpty()) {
          p.Image = pictureImage(c.PictureClass, c.Picture);
          if (p.Image.isNull()) throw EReadError(QStringLiteral("Picture image is not valid"));
        }
        break;
      case sdFilePicture:
        p.FilePicture = std::make_unique<TFilePicture>();
        if (!c.FileName.isEmpty()) p.FilePicture->SetFilename(c.FileName);
        break;
      default: break;
    }
  }

  TUpdateBatch batch(*this);
  if (h.FullGrid) {
    Clear();
    SetRowCount(rows);
    SetColCount(cols);
    std::vector<int> widths, heights;
    ParseSizeList(h.ColWidths, widths);
    ParseSizeList(h.RowHeights, heights);
    for (int i = 0; i < h.ColCount; ++i) SetColWidths(firstCol + i, widths[i]);
    for (int i = 0; i < h.RowCount; ++i) SetRowHeights(firstRow + i, heights[i]);
  }
  const int storeCols = AllColCount();
  TFileProgress progress(OnFileProgress, this);
  int lastRow = -1;
  for (size_t i = 0; i < content.Cells.size(); ++i) {
    const TStreamedCell& c = content.Cells[i];
    TPreparedCell& p = prepared[i];
    if (p.Col < 0) continue;
    const int rc = DisplToRealCol(p.Col), tr = p.Row;
    SetCellEx(rc, tr, c.Text);
    if (tr != lastRow) {
      lastRow = tr;
      progress.Report(tr, RowCount());
    }
    if (c.HasProp) {
      TCellProperties* props = GetCellProperties(rc, tr);
      const TStreamedProps& s = c.Props;
      using P = TStreamedProps;
      if (s.Present & P::pIsBaseCell) props->IsBaseCell = s.IsBaseCell;
      if (s.Present & P::pCellSpanX) props->CellSpanX = s.CellSpanX;
      if (s.Present & P::pCellSpanY) props->CellSpanY = s.CellSpanY;
      if (s.Present & P::pAlignment) props->SetAlignment(static_cast<TAlignment>(s.Alignment));
      if (s.Present & P::pBorderColor) props->BorderColor = s.BorderColor;
      if (s.Present & P::pBorderWidth) props->BorderWidth = std::clamp(s.BorderWidth, 0, 255);
      if (s.Present & P::pBrushColor) props->SetBrushColor(s.BrushColor);
      if (s.Present & P::pBrushStyle) props->BrushStyle = static_cast<TBrushStyle>(s.BrushStyle);
      if (s.Present & P::pCellObject) props->CellObject = static_cast<uintptr_t>(static_cast<unsigned>(s.CellObject));
      if (s.Present & P::pFontColor) props->FontColor = s.FontColor;
      if (s.Present & P::pFontName) props->FontName = s.FontName;
      if (s.Present & P::pFontSize) props->FontSize = std::clamp(s.FontSize, -1000, 1000);
      if (s.Present & P::pFontStyle) {
        TFontStyles styles;
        for (int b = fsBold; b <= fsStrikeOut; ++b)
          if (s.FontStyle & (1u << b)) styles.Include(static_cast<TFontStyle>(b));
        props->FontStyle = styles;
      }
      if (s.Present & P::pEditor) props->Editor = static_cast<TEditorType>(s.Editor);
      if (s.Present & P::pReadOnly) props->ReadOnly = s.ReadOnly;
      if (s.Present & P::pVAlignment) props->SetVAlignment(static_cast<TVAlignment>(s.VAlignment));
      if (s.Present & P::pWordWrap) props->SetWordWrap(s.WordWrap);
      if (s.Present & P::pNodeLevel) props->NodeLevel = std::clamp(s.NodeLevel, 0, 1000);
      if (s.Present & P::pControl) {
        TComponent* found = Owner() ? Owner()->FindComponent(s.Control) : nullptr;
        props->Control = dynamic_cast<TControl*>(found);
      }
      // A merge must stay inside the store: a base cell's extent is cut at the
      // grid's edge, a covered cell whose base lies outside becomes a plain cell.
      if (props->IsBaseCell) {
        if (props->CellSpanX != -1 || props->CellSpanY != -1) {
          props->CellSpanX = std::clamp(props->CellSpanX, 0, storeCols - 1 - rc);
          props->CellSpanY = std::clamp(props->CellSpanY, 0, RowCount() - 1 - tr);
        }
      } else if (props->CellSpanX != -1 || props->CellSpanY != -1) {
        const int64_t bc = int64_t(rc) - props->CellSpanX, br = int64_t(tr) - props->CellSpanY;
        if (props->CellSpanX < 0 || props->CellSpanY < 0 || bc < 0 || br < 0) {
          props->IsBaseCell = true;
          props->CellSpanX = props->CellSpanY = -1;
        }
      }
    }
    if (c.HasProp && c.HasGraphic) {
      TCellGraphic* g = CreateCellGraphic(rc, tr);
      if (!g) continue;
      const TStreamedGraphic& s = c.Graphic;
      g->CellType = static_cast<TCellType>(s.CellType);
      g->CellVAlign = static_cast<TCellVAlign>(s.CellVAlign);
      g->CellHAlign = static_cast<TCellHAlign>(s.CellHAlign);
      g->CellIndex = s.CellIndex;
      g->CellTransparent = s.CellTransparent;
      g->CellCreated = s.CellCreated;
      g->CellBoolean = s.CellBoolean;
      g->CellAngle = std::clamp(s.CellAngle, -32768, 32767);
      g->CellValue = s.CellValue;
      g->CellErrFrom = s.CellErrFrom;
      g->CellErrLen = s.CellErrLen;
      g->CellText = s.CellText;
      // The objects made here belong to the graphic.
      switch (g->CellType) {
        case ctBitmap:
        case ctBitButton:
          g->CellBitmap = newBitmap(p.Image);
          g->CellCreated = true;
          break;
        case ctIcon: {
          auto* icon = new TIcon();
          if (!p.Image.isNull()) icon->Data().SetImage(p.Image);
          g->CellIcon = icon;
          g->CellCreated = true;
          break;
        }
        case ctRadio: {
          auto* items = new TCellStrings();
          for (const QString& item : c.Strings) items->Add(item);
          g->CellBitmap = items;
          g->CellCreated = true;
          break;
        }
        case ctImages: {
          auto* list = new TIntList(rc, tr);
          list->SetStrValue(c.Strings.join(u','));
          list->OnChange = [this](TObject*, int col, int row) { MultiImageChanged(col, row); };
          g->CellBitmap = list;
          g->CellCreated = true;
          break;
        }
        case ctPicture: {
          auto* pic = new TPicture();
          if (!p.Image.isNull()) pic->Bitmap()->SetImage(p.Image.convertToFormat(QImage::Format_RGB32));
          g->CellBitmap = pic;
          g->CellCreated = true;
          break;
        }
        case ctFilePicture:
          g->CellBitmap = p.FilePicture.release();
          g->CellCreated = true;
          break;
        default:
          break;
      }
    }
  }
}

void TExStringGrid::LoadFromBinStream(QIODevice& Stream) {
  LoadAtPointFromBinStream({0, 0}, Stream);
  int nodes = 0;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (GetCellType(0, r) == ctNode) ++nodes;
  FNumNodes = nodes;
  if (nodes > 0) RepaintCol(0);
}

void TExStringGrid::LoadFromBinFile(const QString& FileName) {
  QByteArray bytes = ReadFileWhole(FileName, kMaxGridFileSize);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  LoadFromBinStream(buffer);
}
