#include "grid/data/cell_stream.h"

#include <functional>

#include "grid/base/enum_names.h"
#include "grid/base/stream_props.h"
#include "grid/data/file_limits.h"
#include "platform/rtl/component_stream.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/color_names.h"

namespace {

using W = TComponentWriter;
using R = TComponentReader;

const QString kProps = QStringLiteral("CellProperties.");
const QString kGraphic = QStringLiteral("CellGraphic.");
// Column widths and row heights a stream may set.
constexpr int kMaxCellSize = 32767;

using stream_props::InvalidValue;
using stream_props::ReadEnum;
using stream_props::WriteBool;
using stream_props::WriteEnum;
using stream_props::WriteInt;
using stream_props::WriteText;

// --- writing ---

void beginRecord(W& w, const char* className) {
  w.WriteSignature();
  w.WriteStr(QLatin1String(className));
  w.WriteStr(QString());
}

void endRecord(W& w) {
  w.WriteListEnd();  // the properties
  w.WriteListEnd();  // the owned components: none
}

void writeColor(W& w, const QString& name, TColor c) {
  w.WritePropName(name);
  QString ident;
  if (ColorToIdent(c, ident)) w.WriteIdent(ident);
  else w.WriteInteger(c);
}

// --- reading ---


TColor readColor(R& r) {
  if (r.NextValue() == vaIdent) {
    TColor c = 0;
    if (!IdentToColor(r.ReadIdent(), c)) InvalidValue();
    return c;
  }
  return r.ReadInteger();
}

// One record: the signature, class and component names (read, not checked),
// each property handed to ReadProperty by its path, then the two closing 0 bytes.
void readRecord(R& r, const std::function<bool(const QString&)>& ReadProperty) {
  r.ReadSignature();
  r.ReadStr();
  r.ReadStr();
  while (!r.EndOfList()) {
    const QString path = r.ReadStr();
    if (!ReadProperty(path)) throw EReadError(QStringLiteral("Property %1 does not exist").arg(path));
  }
  r.ReadListEnd();
  r.ReadListEnd();  // a carrier owns no components
}

bool readPropsProperty(R& r, const QString& path, TStreamedProps& p) {
  if (!path.startsWith(kProps)) return false;
  const QString n = path.mid(kProps.size());
  using P = TStreamedProps;
  if (n == QLatin1String("IsBaseCell")) p.IsBaseCell = r.ReadBoolean(), p.Present |= P::pIsBaseCell;
  else if (n == QLatin1String("CellSpanX")) p.CellSpanX = r.ReadInteger(), p.Present |= P::pCellSpanX;
  else if (n == QLatin1String("CellSpanY")) p.CellSpanY = r.ReadInteger(), p.Present |= P::pCellSpanY;
  else if (n == QLatin1String("Alignment")) p.Alignment = ReadEnum(r, kAlignmentNames), p.Present |= P::pAlignment;
  else if (n == QLatin1String("BorderColor")) p.BorderColor = readColor(r), p.Present |= P::pBorderColor;
  else if (n == QLatin1String("BorderWidth")) p.BorderWidth = r.ReadInteger(), p.Present |= P::pBorderWidth;
  else if (n == QLatin1String("BrushColor")) p.BrushColor = readColor(r), p.Present |= P::pBrushColor;
  else if (n == QLatin1String("BrushColorTo")) p.BrushColorTo = readColor(r), p.Present |= P::pBrushColorTo;
  else if (n == QLatin1String("BrushStyle")) p.BrushStyle = ReadEnum(r, kBrushStyleNames), p.Present |= P::pBrushStyle;
  else if (n == QLatin1String("CellObject")) p.CellObject = r.ReadInteger(), p.Present |= P::pCellObject;
  else if (n == QLatin1String("FontColor")) p.FontColor = readColor(r), p.Present |= P::pFontColor;
  else if (n == QLatin1String("FontName")) p.FontName = r.ReadString(), p.Present |= P::pFontName;
  else if (n == QLatin1String("FontSize")) p.FontSize = r.ReadInteger(), p.Present |= P::pFontSize;
  else if (n == QLatin1String("FontStyle")) {
    p.FontStyle = 0;
    for (const QString& m : r.ReadSet()) p.FontStyle |= 1u << stream_props::IdentIndex(kFontStyleNames, m);
    p.Present |= P::pFontStyle;
  } else if (n == QLatin1String("Editor")) p.Editor = ReadEnum(r, kEditorNames), p.Present |= P::pEditor;
  else if (n == QLatin1String("GradientDirection"))
    p.GradientDirection = ReadEnum(r, kGradientDirectionNames), p.Present |= P::pGradientDirection;
  else if (n == QLatin1String("ReadOnly")) p.ReadOnly = r.ReadBoolean(), p.Present |= P::pReadOnly;
  else if (n == QLatin1String("VAlignment")) p.VAlignment = ReadEnum(r, kVAlignmentNames), p.Present |= P::pVAlignment;
  else if (n == QLatin1String("WordWrap")) p.WordWrap = r.ReadBoolean(), p.Present |= P::pWordWrap;
  else if (n == QLatin1String("NodeLevel")) p.NodeLevel = r.ReadInteger(), p.Present |= P::pNodeLevel;
  else if (n == QLatin1String("Control")) p.Control = r.ReadIdent(), p.Present |= P::pControl;
  else return false;
  return true;
}

bool readGraphicProperty(R& r, const QString& path, TStreamedGraphic& g) {
  if (!path.startsWith(kGraphic)) return false;
  const QString n = path.mid(kGraphic.size());
  if (n == QLatin1String("CellType")) g.CellType = ReadEnum(r, kCellTypeNames);
  else if (n == QLatin1String("CellVAlign")) g.CellVAlign = ReadEnum(r, kCellVAlignNames);
  else if (n == QLatin1String("CellHAlign")) g.CellHAlign = ReadEnum(r, kCellHAlignNames);
  else if (n == QLatin1String("CellIndex")) g.CellIndex = r.ReadInteger();
  else if (n == QLatin1String("CellTransparent")) g.CellTransparent = r.ReadBoolean();
  else if (n == QLatin1String("CellCreated")) g.CellCreated = r.ReadBoolean();
  else if (n == QLatin1String("CellBoolean")) g.CellBoolean = r.ReadBoolean();
  else if (n == QLatin1String("CellCheckBoxState")) g.CellCheckBoxState = ReadEnum(r, kCheckBoxStateNames);
  else if (n == QLatin1String("CellAngle")) g.CellAngle = r.ReadInteger();
  else if (n == QLatin1String("CellValue")) g.CellValue = r.ReadFloat();
  else if (n == QLatin1String("CellErrFrom")) g.CellErrFrom = r.ReadInteger();
  else if (n == QLatin1String("CellErrLen")) g.CellErrLen = r.ReadInteger();
  else if (n == QLatin1String("CellText")) g.CellText = r.ReadString();
  else return false;
  return true;
}

// A bitmap's stored data: a 4-byte count, then the BMP file.
QByteArray bitmapPayload(const QByteArray& bmp) {
  QByteArray out;
  const uint32_t n = static_cast<uint32_t>(bmp.size());
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>(n >> (8 * i)));
  out.append(bmp);
  return out;
}

QByteArray bitmapFromPayload(const QByteArray& data) {
  if (data.size() < 4) throw EReadError(QStringLiteral("Bitmap image is not valid"));
  uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n |= uint32_t(static_cast<uint8_t>(data[i])) << (8 * i);
  if (n > static_cast<uint32_t>(data.size() - 4)) throw EReadError(QStringLiteral("Bitmap image is not valid"));
  return data.mid(4, n);
}

// Graphic classes whose data start with their byte count.
bool countedPicture(const QString& cls) {
  return cls == QLatin1String("TBitmap") || cls == QLatin1String("TJPEGImage");
}

}  // namespace

TStreamedData StreamedDataOf(int CellType) {
  const QLatin1String name(CellType >= 0 && CellType < static_cast<int>(kCellTypeNames.size())
                               ? kCellTypeNames[CellType]
                               : "");
  if (name == QLatin1String("ctBitmap") || name == QLatin1String("ctBitButton")) return sdBitmap;
  if (name == QLatin1String("ctIcon")) return sdIcon;
  if (name == QLatin1String("ctRadio") || name == QLatin1String("ctImages")) return sdStrings;
  if (name == QLatin1String("ctPicture")) return sdPicture;
  if (name == QLatin1String("ctFilePicture")) return sdFilePicture;
  return sdNone;
}

bool ParseSizeList(const QString& Text, std::vector<int>& Sizes) {
  Sizes.clear();
  if (Text.isEmpty()) return true;
  for (const QString& item : Text.split(u',')) {
    int32_t v = 0;
    if (!TryStrToInt(item, v)) return false;
    Sizes.push_back(v);
  }
  return true;
}

// --- the writer ---

void TCellStreamWriter::WriteHeader(const TCellStreamHeader& h) {
  W w(out_);
  beginRecord(w, "TGridPropIO");
  WriteInt(w, QStringLiteral("ColCount"), h.ColCount);
  WriteInt(w, QStringLiteral("RowCount"), h.RowCount);
  WriteText(w, QStringLiteral("ColWidths"), h.ColWidths);
  WriteText(w, QStringLiteral("RowHeights"), h.RowHeights);
  WriteBool(w, QStringLiteral("FullGrid"), h.FullGrid);
  WriteInt(w, QStringLiteral("ID"), h.ID);
  endRecord(w);
}

void TCellStreamWriter::WriteCell(const TStreamedCell& c) {
  W w(out_);
  beginRecord(w, "TGridCellIO");
  WriteInt(w, QStringLiteral("Col"), c.Col);
  WriteInt(w, QStringLiteral("Row"), c.Row);
  WriteText(w, QStringLiteral("Cell"), c.Text);
  WriteBool(w, QStringLiteral("HasProp"), c.HasProp);
  endRecord(w);
  if (!c.HasProp) return;

  const TStreamedProps& p = c.Props;
  beginRecord(w, "TGridCellPropIO");
  WriteBool(w, kProps + QStringLiteral("IsBaseCell"), p.IsBaseCell);
  WriteInt(w, kProps + QStringLiteral("CellSpanX"), p.CellSpanX);
  WriteInt(w, kProps + QStringLiteral("CellSpanY"), p.CellSpanY);
  WriteEnum(w, kProps + QStringLiteral("Alignment"), kAlignmentNames, p.Alignment);
  writeColor(w, kProps + QStringLiteral("BorderColor"), p.BorderColor);
  WriteInt(w, kProps + QStringLiteral("BorderWidth"), p.BorderWidth);
  writeColor(w, kProps + QStringLiteral("BrushColor"), p.BrushColor);
  writeColor(w, kProps + QStringLiteral("BrushColorTo"), p.BrushColorTo);
  WriteEnum(w, kProps + QStringLiteral("BrushStyle"), kBrushStyleNames, p.BrushStyle);
  WriteInt(w, kProps + QStringLiteral("CellObject"), p.CellObject);
  writeColor(w, kProps + QStringLiteral("FontColor"), p.FontColor);
  WriteText(w, kProps + QStringLiteral("FontName"), p.FontName);
  WriteInt(w, kProps + QStringLiteral("FontSize"), p.FontSize);
  QStringList styles;
  for (size_t i = 0; i < kFontStyleNames.size(); ++i)
    if (p.FontStyle & (1u << i)) styles.append(QLatin1String(kFontStyleNames[i]));
  w.WritePropName(kProps + QStringLiteral("FontStyle"));
  w.WriteSet(styles);
  WriteEnum(w, kProps + QStringLiteral("Editor"), kEditorNames, p.Editor);
  WriteEnum(w, kProps + QStringLiteral("GradientDirection"), kGradientDirectionNames, p.GradientDirection);
  WriteBool(w, kProps + QStringLiteral("ReadOnly"), p.ReadOnly);
  WriteEnum(w, kProps + QStringLiteral("VAlignment"), kVAlignmentNames, p.VAlignment);
  WriteBool(w, kProps + QStringLiteral("WordWrap"), p.WordWrap);
  WriteInt(w, kProps + QStringLiteral("NodeLevel"), p.NodeLevel);
  if (!p.Control.isEmpty()) {
    w.WritePropName(kProps + QStringLiteral("Control"));
    w.WriteIdent(p.Control);
  }
  WriteBool(w, QStringLiteral("HasGraphic"), c.HasGraphic);
  endRecord(w);
  if (!c.HasGraphic) return;

  const TStreamedGraphic& g = c.Graphic;
  beginRecord(w, "TGridGraphicIO");
  WriteEnum(w, kGraphic + QStringLiteral("CellType"), kCellTypeNames, g.CellType);
  WriteEnum(w, kGraphic + QStringLiteral("CellVAlign"), kCellVAlignNames, g.CellVAlign);
  WriteEnum(w, kGraphic + QStringLiteral("CellHAlign"), kCellHAlignNames, g.CellHAlign);
  WriteInt(w, kGraphic + QStringLiteral("CellIndex"), g.CellIndex);
  WriteBool(w, kGraphic + QStringLiteral("CellTransparent"), g.CellTransparent);
  WriteBool(w, kGraphic + QStringLiteral("CellCreated"), g.CellCreated);
  WriteBool(w, kGraphic + QStringLiteral("CellBoolean"), g.CellBoolean);
  WriteEnum(w, kGraphic + QStringLiteral("CellCheckBoxState"), kCheckBoxStateNames, g.CellCheckBoxState);
  WriteInt(w, kGraphic + QStringLiteral("CellAngle"), g.CellAngle);
  if (g.CellValue != 0) {
    w.WritePropName(kGraphic + QStringLiteral("CellValue"));
    w.WriteFloat(g.CellValue);
  }
  WriteInt(w, kGraphic + QStringLiteral("CellErrFrom"), g.CellErrFrom);
  WriteInt(w, kGraphic + QStringLiteral("CellErrLen"), g.CellErrLen);
  WriteText(w, kGraphic + QStringLiteral("CellText"), g.CellText);
  endRecord(w);

  switch (StreamedDataOf(g.CellType)) {
    case sdBitmap:
      beginRecord(w, "TGridBMPIO");
      if (!c.Bitmap.isEmpty()) {
        w.WritePropName(QStringLiteral("Bitmap.Data"));
        w.WriteBinary(bitmapPayload(c.Bitmap));
      }
      endRecord(w);
      break;
    case sdIcon:
      beginRecord(w, "TGridIconIO");
      if (!c.Icon.isEmpty()) {
        w.WritePropName(QStringLiteral("Icon.Data"));
        w.WriteBinary(c.Icon);
      }
      endRecord(w);
      break;
    case sdStrings:
      beginRecord(w, "TGridSLIO");
      if (!c.Strings.isEmpty()) {
        w.WritePropName(QStringLiteral("Strings.Strings"));
        w.WriteListBegin();
        for (const QString& s : c.Strings) w.WriteString(s);
        w.WriteListEnd();
      }
      endRecord(w);
      break;
    case sdPicture:
      beginRecord(w, "TGridPicIO");
      if (!c.PictureClass.isEmpty()) {
        QByteArray data;
        const QByteArray cls = c.PictureClass.toUtf8().left(255);
        data.append(static_cast<char>(cls.size()));
        data.append(cls);
        data.append(countedPicture(c.PictureClass) ? bitmapPayload(c.Picture) : c.Picture);
        w.WritePropName(QStringLiteral("Picture.Data"));
        w.WriteBinary(data);
      }
      endRecord(w);
      break;
    case sdFilePicture:
      beginRecord(w, "TGridFilePicIO");
      WriteText(w, QStringLiteral("Picture.Filename"), c.FileName);
      endRecord(w);
      break;
    case sdNone:
      break;
  }
}

// --- the reader ---

TCellStreamContent ReadCellStream(const QByteArray& Bytes) {
  TCellStreamContent content;
  R r(Bytes);
  TCellStreamHeader& h = content.Header;
  readRecord(r, [&](const QString& n) {
    if (n == QLatin1String("ColCount")) h.ColCount = r.ReadInteger();
    else if (n == QLatin1String("RowCount")) h.RowCount = r.ReadInteger();
    else if (n == QLatin1String("ColWidths")) h.ColWidths = r.ReadString();
    else if (n == QLatin1String("RowHeights")) h.RowHeights = r.ReadString();
    else if (n == QLatin1String("FullGrid")) h.FullGrid = r.ReadBoolean();
    else if (n == QLatin1String("ID")) h.ID = r.ReadInteger();
    else return false;
    return true;
  });
  if (h.ColCount < 0 || h.ColCount > kMaxFileColumns)
    throw EReadError(QStringLiteral("Invalid stream format: %1 columns (at most %2)").arg(h.ColCount).arg(kMaxFileColumns));
  if (h.RowCount < 0 || h.RowCount > kMaxFileRows)
    throw EReadError(QStringLiteral("Invalid stream format: %1 rows (at most %2)").arg(h.RowCount).arg(kMaxFileRows));
  if (h.FullGrid) {
    std::vector<int> widths, heights;
    const bool numbers = ParseSizeList(h.ColWidths, widths) && ParseSizeList(h.RowHeights, heights);
    auto inRange = [](const std::vector<int>& v) {
      for (int x : v)
        if (x < 0 || x > kMaxCellSize) return false;
      return true;
    };
    if (!numbers || static_cast<int>(widths.size()) < h.ColCount || static_cast<int>(heights.size()) < h.RowCount ||
        !inRange(widths) || !inRange(heights))
      throw EReadError(QStringLiteral("Invalid stream format: column widths or row heights"));
  }

  while (r.Remaining() >= 2) {
    TStreamedCell c;
    readRecord(r, [&](const QString& n) {
      if (n == QLatin1String("Col")) c.Col = r.ReadInteger();
      else if (n == QLatin1String("Row")) c.Row = r.ReadInteger();
      else if (n == QLatin1String("Cell")) c.Text = r.ReadString();
      else if (n == QLatin1String("HasProp")) c.HasProp = r.ReadBoolean();
      else return false;
      return true;
    });
    if (c.HasProp) {
      readRecord(r, [&](const QString& n) {
        if (n == QLatin1String("HasGraphic")) {
          c.HasGraphic = r.ReadBoolean();
          return true;
        }
        return readPropsProperty(r, n, c.Props);
      });
    }
    if (c.HasProp && c.HasGraphic) {
      readRecord(r, [&](const QString& n) { return readGraphicProperty(r, n, c.Graphic); });
      switch (StreamedDataOf(c.Graphic.CellType)) {
        case sdBitmap:
          readRecord(r, [&](const QString& n) {
            if (n != QLatin1String("Bitmap.Data")) return false;
            c.Bitmap = bitmapFromPayload(r.ReadBinary());
            return true;
          });
          break;
        case sdIcon:
          readRecord(r, [&](const QString& n) {
            if (n != QLatin1String("Icon.Data")) return false;
            c.Icon = r.ReadBinary();
            return true;
          });
          break;
        case sdStrings:
          readRecord(r, [&](const QString& n) {
            if (n != QLatin1String("Strings.Strings")) return false;
            c.Strings.clear();
            r.ReadListBegin();
            while (!r.EndOfList()) c.Strings.append(r.ReadString());
            r.ReadListEnd();
            // an image-index list holds numbers only
            if (c.Graphic.CellType == IdentOrdinal(kCellTypeNames, QStringLiteral("ctImages")))
              for (const QString& s : c.Strings) {
                int32_t v = 0;
                if (!TryStrToInt(s, v)) InvalidValue();
              }
            return true;
          });
          break;
        case sdPicture:
          readRecord(r, [&](const QString& n) {
            if (n != QLatin1String("Picture.Data")) return false;
            const QByteArray data = r.ReadBinary();
            const int len = data.isEmpty() ? 0 : static_cast<uint8_t>(data[0]);
            if (data.size() < 1 + len) throw EReadError(QStringLiteral("Invalid stream format: picture"));
            c.PictureClass = QString::fromUtf8(data.constData() + 1, len);
            const QByteArray rest = data.mid(1 + len);
            c.Picture = countedPicture(c.PictureClass) ? bitmapFromPayload(rest) : rest;
            return true;
          });
          break;
        case sdFilePicture:
          readRecord(r, [&](const QString& n) {
            if (n != QLatin1String("Picture.Filename")) return false;
            c.FileName = r.ReadString();
            return true;
          });
          break;
        case sdNone:
          break;
      }
    }
    content.Cells.push_back(std::move(c));
  }
  return content;
}

TCellStreamHeader CheckedCellsBlock(const QByteArray& Stream, int ACol, int ARow) {
  const TCellStreamContent content = ReadCellStream(Stream);
  const TCellStreamHeader& h = content.Header;
  const auto refuse = [&] {
    throw EReadError(QStringLiteral("Invalid stream format: %1 columns and %2 rows").arg(h.ColCount).arg(h.RowCount));
  };
  // A block names every cell of its rectangle once, and fits the grid's limits
  // where it lands; so a block never makes the grid larger than its data.
  if (h.ColCount <= 0 || h.RowCount <= 0) refuse();
  if (int64_t(ACol) + h.ColCount > kMaxFileColumns || int64_t(ARow) + h.RowCount > kMaxFileRows) refuse();
  if (int64_t(content.Cells.size()) != int64_t(h.ColCount) * h.RowCount) refuse();
  if (!h.FullGrid) {
    const int64_t c0 = content.Cells.front().Col, r0 = content.Cells.front().Row;
    for (const TStreamedCell& c : content.Cells)
      if (c.Col - c0 < 0 || c.Col - c0 >= h.ColCount || c.Row - r0 < 0 || c.Row - r0 >= h.RowCount) refuse();
  }
  return h;
}

QByteArray PlacedCellsBlock(const QByteArray& Stream) {
  TCellStreamContent content = ReadCellStream(Stream);
  if (!content.Header.FullGrid) return Stream;
  content.Header.FullGrid = false;
  QByteArray out;
  TCellStreamWriter writer(out);
  writer.WriteHeader(content.Header);
  for (const TStreamedCell& c : content.Cells) writer.WriteCell(c);
  return out;
}
