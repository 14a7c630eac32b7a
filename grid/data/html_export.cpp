// HTML export: one table row per grid row, merged cells as spanning table
// cells, every distinct cell look as one CSS class, links for address texts, and
// cell pictures as JPEG files in the folder "images" beside the file. The file
// is UTF-8 (with its byte-order mark), whatever the Unicode flag asks, so that
// it matches the "utf-8" the XHTML prologue declares and keeps every character.
#include <QDir>
#include <QImage>

#include "grid/base/html_colors.h"
#include "grid/base/html_entities.h"
#include "grid/base/line_breaks.h"
#include "grid/data/text_file.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/os/process.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/image_list.h"
#include "platform/ui/shapes.h"

namespace {

constexpr TColor kNotSet = 0x7FFFFFFF;
const QString kQ = QStringLiteral("\"");

void appendCssItem(QString& style, const QString& item) {
  if (!style.isEmpty()) style += u';';
  style += item;
}

QString buildCellStyle(const TFont& font, TColor color, TAlignment ha, TVAlignment va, bool saveColor) {
  QString style;
  if (color != kNotSet && color != clNone && saveColor)
    appendCssItem(style, QStringLiteral("background-color: #") + ColorToHtmlHex(color));
  if (font.Color() != kNotSet && font.Color() != clNone && saveColor)
    appendCssItem(style, QStringLiteral("color: #") + ColorToHtmlHex(font.Color()));
  appendCssItem(style, QStringLiteral("font-size:%1pt").arg(font.Size()));
  if (font.Style().Contains(fsItalic)) appendCssItem(style, QStringLiteral("font-style: italic"));
  if (font.Style().Contains(fsBold)) appendCssItem(style, QStringLiteral("font-weight: bold"));
  appendCssItem(style, QStringLiteral("font-family: ") + font.Name());
  if (ha == taRightJustify) appendCssItem(style, QStringLiteral("text-align: right"));
  if (ha == taCenter) appendCssItem(style, QStringLiteral("text-align: center"));
  appendCssItem(style, va == vtaTop      ? QStringLiteral("vertical-align: top")
                       : va == vtaCenter ? QStringLiteral("vertical-align: middle")
                                         : QStringLiteral("vertical-align: bottom"));
  return style;
}

}  // namespace

QString TExStringGrid::SaveToHTMLString(const QString& Dir) {
  const THTMLSettings& hs = *FHTMLSettings;
  const int fc = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
  int firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
  int imageNumber = 0;
  QStringList styles;  // distinct cell styles in order of first use
  QStringList table;

  // The link of a text that is a web or mail address (only with URLShow).
  auto makeHtmlLinks = [&](QString t) {
    if (!URLShow) return t;
    auto link = [&](const QString& marker) {
      const qsizetype at = t.indexOf(marker);
      if (at < 0 || t.contains(QLatin1String("</"))) return;
      const QString label = URLFull ? t : t.mid(at + marker.size()).left(255);
      t = QStringLiteral("<a href=") + t + u'>' + label + QStringLiteral("</a>");
    };
    link(QStringLiteral("://"));
    link(QStringLiteral("mailto:"));
    return t;
  };
  // One JPEG file per picture: folder Dir + "images", file "img<n>.jpg".
  auto saveCellImage = [&](const QImage& image) {
    const QString folder = Dir + QStringLiteral("images");
    if (!DirectoryExists(folder) && !ForceDirectories(folder)) throw Exception(QStringLiteral("Cannot create ") + folder);
    const QString file = Dir + QStringLiteral("images/img%1.jpg").arg(++imageNumber);
    if (!image.convertToFormat(QImage::Format_RGB32).save(file, "JPG"))
      throw Exception(QStringLiteral("Cannot create ") + file);
    return QStringLiteral("<img src= ") + kQ + QStringLiteral("file://") + file + kQ + u'>';
  };
  // The content of a cell by its graphic.
  TCustomImageList* images = GetGridImages();
  auto listImage = [&](int index) {
    TBitmap b;
    images->GetBitmap(index, &b);
    return saveCellImage(b.Image());
  };
  auto cellContent = [&](int rc, int r, const QString& text) {
    if (!hs.ExportImages) return text;
    TCellGraphic* g = GetCellGraphic(rc, r);
    if (!g) return text;
    switch (g->CellType) {
      case ctBitmap:
        if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap); b && !b->Empty()) return text + saveCellImage(b->Image());
        return text;
      case ctImageList:
        if (images && g->CellIndex >= 0 && g->CellIndex < images->Count()) return listImage(g->CellIndex) + text;
        return text;
      case ctDataImage: {
        // The text is the index of the picture and is not shown.
        bool ok = false;
        const int index = GetCellEx(rc, r).toInt(&ok);
        if (images && ok && index >= 0 && index < images->Count()) return listImage(index);
        return QString();
      }
      case ctNode: return u'+' + text;
      case ctImages: {
        auto* list = dynamic_cast<TIntList*>(g->CellBitmap);
        if (!images || !list) return text;
        QString out;
        for (int i = 0; i < list->Count(); ++i)
          if ((*list)[i] >= 0 && (*list)[i] < images->Count()) out += listImage((*list)[i]);
        return out + text;
      }
      case ctPicture:
      case ctInterface:
        if (auto* p = dynamic_cast<TPicture*>(g->CellBitmap); p && !p->Bitmap()->Empty())
          return text + saveCellImage(p->Bitmap()->Image());
        return text;
      default: return text;
    }
  };
  // One cell line: class, spans, the nowrap mark, the width attribute, content.
  auto addHtmlCell = [&](int c, int r, const QString& content, const TFont& font, TColor color, TAlignment ha,
                         TVAlignment va, bool ww, const QString& width) {
    const QString style = buildCellStyle(font, color, ha, va, hs.SaveColor);
    qsizetype index = styles.indexOf(style);
    if (index < 0) {
      styles.append(style);
      index = styles.size() - 1;
    }
    QString line = QStringLiteral("<TD class=") + kQ + u'c' + QString::number(index) + kQ;
    const TPoint span = CellSpan(DisplToRealCol(c), r);
    if (span.X > 0) line += QStringLiteral(" COLSPAN=") + kQ + QString::number(span.X + 1) + kQ;
    if (span.Y > 0) line += QStringLiteral(" ROWSPAN=") + kQ + QString::number(span.Y + 1) + kQ;
    if (!ww) line += QStringLiteral(" nowrap");
    line += width + u'>' + content + QStringLiteral("</td>");
    table.append(line);
  };
  auto visual = [&](int c, int r, TFont& font, TBrush& brush, TAlignment& ha, TVAlignment& va, bool& ww) {
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(c, r, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va, ww, gd);
  };

  table.append(QStringLiteral("<TABLE BORDER=") + kQ + QString::number(hs.BorderSize) + kQ + u' ' +
               QStringLiteral("CELLSPACING=") + kQ + QString::number(hs.CellSpacing) + kQ + u' ' +
               QStringLiteral("CELLPADDING=") + kQ + QString::number(hs.CellPadding) + kQ + u' ' +
               (hs.Summary.isEmpty() ? QString() : QStringLiteral("SUMMARY=") + kQ + hs.Summary + kQ + u' ') +
               (hs.TableStyle.isEmpty() ? QString() : u' ' + hs.TableStyle + u' ') + QStringLiteral(" WIDTH=") + kQ +
               QString::number(hs.Width) + QStringLiteral("%") + kQ + u'>');

  const bool headerRow = FixedRows() > 0 && (SaveFixedCells || SaveFixedRows);
  if (headerRow) {
    table.append(QStringLiteral("<TR>"));
    for (int c = fc; c < ColCount(); ++c) {
      const int rc = DisplToRealCol(c);
      if (!IsBaseCell(rc, 0)) continue;
      QString text = makeHtmlLinks(LineBreaksToHtml(SaveCellText(rc, 0)));
      if (text.isEmpty()) text = QStringLiteral("&nbsp;");
      const QString width = c < hs.ColWidths()->Count() ? QStringLiteral(" WIDTH=%1").arg((*hs.ColWidths())[c]) : QString();
      TFont font;
      font.SetColor(kNotSet);
      font.SetStyle({});
      TBrush brush;
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      bool ww = false;
      visual(c, 0, font, brush, ha, va, ww);
      addHtmlCell(c, 0, cellContent(rc, 0, text), font, FixedColor(), ha, va, ww, width);
    }
    table.append(QStringLiteral("</TR>"));
    firstRow = 1;
  }

  ExportNotification(esExportStart, firstRow);
  for (int r = firstRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    table.append(QStringLiteral("<TR>"));
    for (int c = fc; c < ColCount(); ++c) {
      const int rc = DisplToRealCol(c);
      if (!IsBaseCell(rc, r)) continue;
      QString text = SaveCellText(rc, r);
      if (hs.ConvertSpecialChars) text = HtmlEncodeEntities(text, true);
      if (hs.NonBreakingText) text = SpacesToNbsp(text);
      text = makeHtmlLinks(LineBreaksToHtml(text));
      TFont font;
      TBrush brush;
      brush.SetColor(kNotSet);
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      bool ww = false;
      visual(c, r, font, brush, ha, va, ww);
      const TColor background = IsFixed(c, r) || c < FixedCols() || r < FixedRows() ? FixedColor() : brush.Color();
      const QString width = !headerRow && c - fc < hs.ColWidths()->Count()
                                ? QStringLiteral(" width=%1").arg((*hs.ColWidths())[c - fc])
                                : QString();
      if (Trim(text).isEmpty()) text = QStringLiteral("&nbsp;");
      addHtmlCell(c, r, cellContent(rc, r, text), font, background, ha, va, ww, width);
    }
    table.append(QStringLiteral("</TR>"));
  }
  ExportNotification(esExportDone, -1);
  table.append(QStringLiteral("</TABLE>"));
  if (!hs.SuffixTag.isEmpty()) table.append(hs.SuffixTag);
  if (hs.XHTML) table.append(QStringLiteral("</HTML>"));

  QStringList out;
  if (hs.XHTML) {
    out.append(QStringLiteral("<?xml version=") + kQ + QStringLiteral("1.0") + kQ + QStringLiteral(" encoding=") + kQ +
               QStringLiteral("utf-8") + kQ + QStringLiteral("?>"));
    out.append(QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\""));
    out.append(QStringLiteral("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"));
    out.append(QStringLiteral("<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">"));
  }
  if (!hs.PrefixTag.isEmpty()) out.append(hs.PrefixTag);
  out.append(QStringLiteral("<style>"));
  for (qsizetype i = 0; i < styles.size(); ++i) out.append(QStringLiteral(".c%1 {%2}").arg(i).arg(styles[i]));
  out.append(QStringLiteral("</style>"));
  out.append(table);
  return out.join(QStringLiteral("\r\n"));
}

void TExStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode) {
  WriteHTML(FileName, false, Unicode, Show);
}

void TExStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode) {
  WriteHTML(FileName, true, Unicode, Show);
}

void TExStringGrid::WriteHTML(const QString& FileName, bool Append, bool /*Unicode*/, bool Show) {
  const THTMLSettings& hs = *FHTMLSettings;
  QStringList lines;
  if (Append) {
    try {
      lines = ReadTextFileLines(FileName);
    } catch (const std::exception&) {  // a missing or unreadable file counts as empty
    }
  }
  if (!hs.HeaderFile.isEmpty()) lines.append(ReadTextFileLines(hs.HeaderFile));
  QString dir = FileName;
  dir.replace(u'\\', u'/');
  dir = dir.left(dir.lastIndexOf(u'/') + 1);
  lines.append(SplitTextLines(SaveToHTMLString(dir)));
  if (!hs.FooterFile.isEmpty()) lines.append(ReadTextFileLines(hs.FooterFile));
  WriteFileWhole(FileName, EncodeTextLines(lines, teUtf8Bom));
  if (Show || hs.AutoPreview) ShellOpenDocument(FileName);
}
