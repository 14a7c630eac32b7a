// The mini-HTML renderer's layout: preparing the text, the lines with their two
// passes, the text pieces with fitting and hit testing, and the tags that style
// text, anchors, lists and paragraphs. Pictures and in-text controls are in
// html_render_objects.cpp.
#include "grid/base/html_render.h"

#include <algorithm>

#include "grid/base/html_colors.h"
#include "grid/base/html_entities.h"
#include "grid/base/html_render_state.h"

namespace html_render {

namespace {

// The entities decoded before layout (any letter case), each once.
struct TEntity {
  const char16_t* Name;
  const char16_t* Text;
};
constexpr TEntity kEntities[] = {
    {u"&amp;", u"&&"},      {u"&quot;", u"\""},    {u"&sect;", u"\u00A7"}, {u"&permil;", u"\u2030"},
    {u"&reg;", u"\u00AE"},  {u"&copy;", u"\u00A9"}, {u"&para;", u"\u00B6"}, {u"&trade;", u"\u2122"},
    {u"&euro;", u"\u20AC"},
};

// The entities of a text piece: "&nbsp;", "&lt;" and "&gt;". An ampersand pair
// ("&&", an ampersand decoded before layout) is passed over whole, so that what
// it was decoded from is not decoded a second time.
QString DecodePiece(const QString& Raw) {
  if (!Raw.contains(u'&')) return Raw;
  QString out;
  out.reserve(Raw.size());
  for (int i = 0; i < Raw.size();) {
    if (Raw[i] != u'&') {
      out += Raw[i++];
      continue;
    }
    if (i + 1 < Raw.size() && Raw[i + 1] == u'&') {
      out += QStringLiteral("&&");
      i += 2;
    } else if (Raw.mid(i, 6) == QStringLiteral("&nbsp;")) {
      out += u' ';
      i += 6;
    } else if (Raw.mid(i, 4) == QStringLiteral("&lt;")) {
      out += u'<';
      i += 4;
    } else if (Raw.mid(i, 4) == QStringLiteral("&gt;")) {
      out += u'>';
      i += 4;
    } else {
      out += Raw[i++];
    }
  }
  return out;
}

constexpr int kMaxFontPoints = 500;

}  // namespace

bool AttrValue(const QString& Tag, const QString& Name, QString& Value) {
  const int at = Tag.indexOf(Name, 0, Qt::CaseInsensitive);
  if (at < 0) return false;
  const int q1 = Tag.indexOf(u'"', at + Name.size());
  if (q1 < 0) {
    Value.clear();
    return true;
  }
  const int q2 = Tag.indexOf(u'"', q1 + 1);
  Value = q2 < 0 ? Tag.mid(q1 + 1) : Tag.mid(q1 + 1, q2 - q1 - 1);
  return true;
}

bool LeadingNumber(const QString& Text, int& Value) {
  int i = 0;
  while (i < Text.size() && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+')) negative = Text[i++] == u'-';
  const int start = i;
  qint64 n = 0;
  while (i < Text.size() && Text[i].isDigit() && Text[i].unicode() < 128 && n < 1000000000)
    n = n * 10 + (Text[i++].unicode() - u'0');
  if (i == start) return false;
  Value = static_cast<int>(negative ? -n : n);
  return true;
}

TColor HtmlColorValue(const QString& Value) {
  if (Value.startsWith(u'#')) return HtmlHexToColor(Value.toUpper());
  return ColorFromName(Value.toLower());
}

// --- the call ---

TLayout::TLayout(THtmlDevice& Device, const QString& Text, const TRect& Rect, const THtmlDrawInput& Input,
                 THtmlDrawOutput& Output)
    : D(Device), C(Device.Canvas()), Source(Text), R(Rect), In(Input), Out(Output),
      LookupId(Input.HitTestOnly ? Output.ControlId : QString()) {}

int TLayout::GhHeight() { return D.TextSize(QStringLiteral("gh")).cy; }

void TLayout::SetBackground(TColor Color) {
  if (Color == clNone)
    C->Brush()->SetStyle(bsClear);
  else
    C->Brush()->SetColor(Color);
}

TColor TLayout::Background() const { return C->Brush()->Style() == bsClear ? clNone : C->Brush()->Color(); }

void TLayout::SetTextColor(TColor Color) { C->Font()->SetColor(Color); }

bool TLayout::Run() {
  Out.PlainText.clear();
  Out.FocusAnchor.clear();
  Out.AnchorTitle.clear();
  Out.ControlValue.clear();
  Out.ControlType.clear();
  if (!In.HitTestOnly) Out.ControlId.clear();
  Out.TextExtentX = Out.TextExtentY = Out.LinkCount = 0;
  Out.MouseLink = -1;
  Out.ControlRect = TRect{};

  TPen savedPen;
  savedPen.Assign(*C->Pen());
  const TColor savedBrush = C->Brush()->Color();
  const TBrushStyle savedStyle = C->Brush()->Style();
  TFont savedFont;
  savedFont.Assign(*C->Font());
  StartBrush = savedBrush;
  BaseFont.Assign(*C->Font());
  Font1.Assign(*C->Font());
  Font2.Assign(*C->Font());
  C->Brush()->SetStyle(bsClear);

  QString text = PrepareHtmlText(Source);
  const int left = R.Left + 1;
  int y = R.Top;
  bool focusContinues = false;
  int focusTop = 0;
  while (!text.isEmpty()) {
    // 1. A new line in the measuring pass's font.
    C->SetFont(&Font1);
    L = TLine{};
    L.Top = y;
    L.GhHeight = GhHeight();
    L.Height = L.GhHeight;
    Sup = Sub = false;
    const TAnchor anchorBefore = Anchor;
    const int imagesBefore = Images, listBefore = ListLevel;
    // 2. The measuring pass takes the line from the front of the text.
    TPass p1;
    p1.Left = p1.X = left;
    p1.Right = R.Right;
    const int before = static_cast<int>(text.size());
    RenderLine(text, p1);
    if (text.size() == before) text.remove(0, 1);  // always move on
    Font1.Assign(*C->Font());
    L.Width = p1.Width;
    L.Align = ParaAlign;
    L.Indent = ParaIndent;
    if (!In.WordWrap && p1.Overflow) text.clear();
    // 3. Its place.
    int x = left;
    if (L.Align == 1 && R.Right - L.Width > left) x = R.Right - L.Width;
    if (L.Align == 2 && R.Right - left - L.Width > 0) x = left + (R.Right - left - L.Width) / 2;
    x += L.Indent;
    // 4. The second pass, from the same counters and anchor as the first.
    if (!In.MeasureOnly) {
      Anchor = anchorBefore;
      Images = imagesBefore;
      ListLevel = listBefore;
      C->SetFont(&Font2);
      TPass p2;
      p2.First = false;
      p2.Drawing = !In.HitTestOnly;
      p2.Measuring = In.HitTestOnly;
      p2.Left = p2.X = x;
      p2.Right = R.Right;
      if (p2.Drawing && Band) D.FillRect(TRect{R.Left, L.Top, R.Right, L.Top + L.Height});
      if (p2.Drawing && focusContinues) {
        FocusR.Left = p2.Left + 1;
        FocusR.Top = focusTop;
        focusContinues = false;
      }
      QString line = L.Text;
      RenderLine(line, p2);
      Font2.Assign(*C->Font());
      if (p2.Drawing && FocusOpen) {
        // The part of the focus anchor on this line; it goes on on the next.
        TRect part{FocusR.Left - 1, FocusR.Top, p2.X + 1, L.BoxBottom()};
        D.FocusRect(part);
        focusContinues = true;
        focusTop = L.FullBottom();
      }
    }
    // 5. - 6.
    const int advance = L.Height + L.Sup + L.Sub;
    y += advance;
    Out.TextExtentY += advance;
    if (!In.MeasureOnly && y + L.GhHeight > R.Bottom) break;
  }
  if (Out.TextExtentY == 0) {
    C->SetFont(&BaseFont);
    Out.TextExtentY = GhHeight();
  }
  Out.LinkCount = Anchor.Number;

  C->Pen()->SetColor(savedPen.Color());
  C->Pen()->SetWidth(savedPen.Width());
  C->Brush()->SetColor(savedBrush);
  C->Brush()->SetStyle(savedStyle);
  C->SetFont(&savedFont);
  return Result;
}

// --- one line ---

void TLayout::RenderLine(QString& Text, TPass& P) {
  while (!P.Ended && !Text.isEmpty()) {
    if (!Piece(Text, P) || P.Ended || Text.isEmpty()) break;
    if (Text[0] != u'<') continue;
    // A "<" with at most one more character at the end is dropped; a tag
    // without ">" ends the text.
    if (Text.size() < 3) {
      Text.clear();
      break;
    }
    const int end = static_cast<int>(Text.indexOf(u'>'));
    if (end < 0) {
      Text.clear();
      break;
    }
    const QString tag = Text.left(end + 1);
    if (!Tag(tag, P)) {
      P.Ended = true;
      break;
    }
    if (P.First) L.Text += tag;
    Text.remove(0, end + 1);
  }
  if (!P.First) return;
  if (P.Plain.endsWith(u' ')) P.Width -= D.TextSize(QStringLiteral(" ")).cx;
  Out.TextExtentX = std::max(Out.TextExtentX, P.Width);
}

bool TLayout::Piece(QString& Text, TPass& P) {
  int stop = static_cast<int>(Text.indexOf(u'<'));
  if (stop < 0) stop = static_cast<int>(Text.size());
  if (In.WordWrap) {
    const int blank = static_cast<int>(Text.indexOf(u' '));
    if (blank >= 0 && blank < stop) stop = blank + 1;
  }
  if (stop == 0) return true;
  const QString raw = Text.left(stop);
  const QString piece = DecodePiece(raw);
  const TSize size = D.TextSize(piece);
  if (P.First) {
    L.Height = std::max(L.Height, size.cy);
    if (Sub) L.Sub = std::max(L.Sub, size.cy / 4);
    if (Sup) L.Sup = std::max(L.Sup, size.cy / 4);
  }
  if (Hidden) {
    if (P.First) Out.PlainText += piece;
    Text.remove(0, stop);
    return true;
  }
  const int w = size.cx;
  // Hit testing of anchor text, while measuring.
  if (P.Measuring && Anchor.In) {
    const int dx = In.X - P.Left;
    if (dx >= P.Width && dx < P.Width + w && L.Top < In.Y) {
      P.HitAnchor = Anchor.Number;
      Out.AnchorValue = Anchor.Href;
      Out.AnchorTitle = Anchor.Title;
      if (!P.First) {
        const int bottom = L.FullBottom() - L.ImgAlign;
        if (In.Y > bottom - L.GhHeight && In.Y < bottom) Result = true;
      }
    }
  }
  if (P.Drawing) {
    int bottom = L.Top + L.Height + L.Sup;
    if (Sup) bottom -= L.Sup;
    if (Sub) bottom += L.Sub;
    bottom -= L.ImgAlign;
    const TRect pr{P.X, std::min(L.Top, bottom - size.cy), P.Right, bottom};
    const unsigned flags = In.WordWrap ? 0u : DT_END_ELLIPSIS;
    if (Shadow) {
      const TColor color = C->Font()->Color();
      const TColor back = Background();
      SetTextColor(In.ShadowColor);
      C->Brush()->SetStyle(bsClear);
      TRect sr = pr;
      OffsetRect(sr, In.ShadowOffset, In.ShadowOffset);
      D.DrawTextPiece(piece, sr, flags);
      SetTextColor(color);
      SetBackground(back);
    }
    D.DrawTextPiece(piece, pr, flags);
    if (ErrorLine) {
      const TColor pen = C->Pen()->Color();
      const int penWidth = C->Pen()->Width();
      C->Pen()->SetColor(0x0000FF);
      C->Pen()->SetWidth(1);
      int x = P.X & ~1;
      int y = x % 4 == 0 ? bottom + 1 : bottom - 1;
      while (x < P.X + w) {
        const int ny = y == bottom + 1 ? bottom - 1 : bottom + 1;
        D.Line(x, y, x + 2, ny);
        x += 2;
        y = ny;
      }
      C->Pen()->SetColor(pen);
      C->Pen()->SetWidth(penWidth);
    }
    if (Anchor.In && Anchor.Number == In.FocusLink + 1) Out.FocusAnchor = Anchor.Href;
  }
  // Fitting: a word that tags join to the text before it is never broken.
  const bool fits = P.Width + w < P.RectWidth() || w >= P.RectWidth() ||
                    (!P.Plain.isEmpty() && P.Plain.back() != u' ');
  if (!fits && In.WordWrap) {
    P.Ended = true;
    if (!P.First) P.X += w;  // drawn already; the rest of the pass is skipped
    return false;
  }
  const bool dropRest = !fits && P.First && P.Pieces > 0;
  Text.remove(0, stop);
  if (P.First) {
    L.Text += raw;
    Out.PlainText += piece;
  }
  P.Width += w;
  P.X += w;
  P.Plain += piece;
  ++P.Pieces;
  if (!In.WordWrap && P.Width >= P.RectWidth()) P.Overflow = true;
  if (dropRest) {
    // Without word wrap the line that overflows is the last one shown.
    Text.clear();
    P.Overflow = true;
    P.Ended = true;
  }
  return true;
}

// --- tags ---

bool TLayout::Tag(const QString& Tag, TPass& P) {
  const QString up = Tag.toUpper();
  const bool closing = Tag.size() > 3 && Tag[1] == u'/';
  const int first = closing ? 2 : 1;
  const QChar c1 = up[first];
  const QChar c2 = first + 1 < up.size() ? up[first + 1] : QChar(u' ');
  TFont* font = C->Font();
  const bool colours = P.Drawing && !In.Selected;
  if (closing) {
    switch (c1.unicode()) {
      case u'A': CloseAnchor(P); break;
      case u'B':
        if (c2 == u'>')
          font->SetStyle(font->Style() - fsBold);
        else if (colours)
          SetTextColor(BaseFont.Color());
        break;
      case u'E': ErrorLine = false; break;
      case u'F':
        font->SetName(BaseFont.Name());
        font->SetHeight(BaseFont.Height());
        if (colours) {
          SetTextColor(BaseFont.Color());
          SetBackground(FontBackground);
        }
        break;
      case u'H':
        if (c2 == u'I' && P.Drawing) {
          SetTextColor(HiText);
          SetBackground(HiBack);
        }
        break;
      case u'I':
        if (c2 == u'>') font->SetStyle(font->Style() - fsItalic);
        break;
      case u'L': P.Ended = true; break;
      case u'P':
        P.Ended = true;
        if (P.Drawing) {
          SetBackground(ParaBackground);
          Band = false;
        }
        break;
      case u'R':
        if (RotatedFrom) {
          C->SetFont(&*RotatedFrom);
          RotatedFrom.reset();
        }
        break;
      case u'S':
        if (c2 == u'U') Sub = Sup = false;
        else if (c2 == u'H') Shadow = false;
        else font->SetStyle(font->Style() - fsStrikeOut);
        break;
      case u'U':
        if (c2 == u'>')
          font->SetStyle(font->Style() - fsUnderline);
        else if (ListLevel >= 1)
          --ListLevel;
        else
          font->SetStyle(font->Style() - fsUnderline);
        break;
      case u'Z': Hidden = false; break;
      default: break;
    }
    return true;
  }
  switch (c1.unicode()) {
    case u'A': OpenAnchor(Tag, P); break;
    case u'B':
      if (c2 == u'>') {
        font->SetStyle(font->Style() + fsBold);
      } else if (c2 == u'R') {
        if (P.First) Out.PlainText += u'\r';
        P.Ended = true;
      } else if (c2 == u'L') {
        if (P.Drawing && !In.BlinkOn) SetTextColor(StartBrush);
      } else if (c2 == u'O') {
        BodyTag(Tag, P);
      }
      break;
    case u'C': return Control(Tag, P);
    case u'E':
      if (P.Drawing) ErrorLine = true;
      break;
    case u'F': FontTag(Tag, P); break;
    case u'H':
      if (c2 == u'I') {
        if (P.Drawing) {
          HiText = font->Color();
          HiBack = Background();
          SetBackground(HtmlHighlightBackground());
          SetTextColor(HtmlHighlightTextColor());
        }
      } else if (c2 == u'R') {
        if (P.Drawing) {
          const TColor pen = C->Pen()->Color();
          C->Pen()->SetColor(clBlack);
          D.Line(R.Left, L.FullBottom(), R.Right, L.FullBottom());
          C->Pen()->SetColor(pen);
        }
        P.Ended = true;
      }
      break;
    case u'I':
      if (c2 == u'>') {
        font->SetStyle(font->Style() + fsItalic);
      } else if (c2 == u'N') {
        const int x = static_cast<int>(up.indexOf(u'X'));
        QString v;
        int n = 0;
        if (x >= 0 && AttrValue(Tag.mid(x), QStringLiteral("X"), v) && LeadingNumber(v, n) && n > P.Width) {
          P.Width = n;
          P.X = P.Left + n;
        }
      } else if (c2 == u'M') {
        return Image(Tag, P);
      }
      break;
    case u'L':
      if (P.ListItem) return false;
      ListItem(P);
      break;
    case u'P': ParagraphTag(Tag, P); break;
    case u'R': {
      const int a = static_cast<int>(up.indexOf(u'A'));
      QString v;
      int angle = 0;
      if (a >= 0 && AttrValue(Tag.mid(a), QStringLiteral("A"), v) && LeadingNumber(v, angle)) {
        RotatedFrom.emplace();
        RotatedFrom->Assign(*font);
        font->SetOrientation((angle % 360) * 10);
      }
      break;
    }
    case u'S':
      if (c2 == u'>') font->SetStyle(font->Style() + fsStrikeOut);
      else if (c2 == u'H') Shadow = true;
      else if (up.startsWith(QStringLiteral("<SUB>"))) Sub = true;
      else if (up.startsWith(QStringLiteral("<SUP>"))) Sup = true;
      break;
    case u'U':
      if (c2 == u'>') {
        font->SetStyle(font->Style() + fsUnderline);
      } else {
        ++ListLevel;
        P.Ended = true;
      }
      break;
    case u'Z': Hidden = true; break;
    default: break;
  }
  return true;
}

void TLayout::OpenAnchor(const QString& Tag, TPass& P) {
  if (P.Drawing && Anchor.Number == In.FocusLink) {
    FocusOpen = true;
    FocusR = TRect{P.X, L.Top, P.X, L.BoxBottom()};
  }
  ++Anchor.Number;
  const bool hover = !In.HoverUnderlineOnly || Anchor.Number == In.HoverLink;
  if (P.Drawing && hover) {
    C->Font()->SetStyle(C->Font()->Style() + fsUnderline);
    if (In.HoverColor != clNone) {
      AnchorSavedBack = Background();
      SetBackground(In.HoverColor);
    }
    if (In.HoverFontColor != clNone) {
      AnchorSavedColor = C->Font()->Color();
      SetTextColor(In.HoverFontColor);
    }
  }
  const bool keepHoverColor =
      In.HoverFontColor != clNone && In.HoverUnderlineOnly && Anchor.Number == In.HoverLink;
  if (P.Drawing && !In.Selected && !keepHoverColor) SetTextColor(In.UrlColor);
  if (!AttrValue(Tag, QStringLiteral("HREF"), Anchor.Href)) Anchor.Href.clear();
  if (!AttrValue(Tag, QStringLiteral("TITLE"), Anchor.Title)) Anchor.Title.clear();
  Anchor.In = true;
  P.AnchorStartX = P.X;
  P.AnchorOnThisLine = true;
}

void TLayout::CloseAnchor(TPass& P) {
  const bool hover = !In.HoverUnderlineOnly || Anchor.Number == In.HoverLink;
  if (P.Drawing && hover) {
    C->Font()->SetStyle(C->Font()->Style() - fsUnderline);
    if (In.HoverColor != clNone) SetBackground(AnchorSavedBack);
    if (In.HoverFontColor != clNone) SetTextColor(AnchorSavedColor);
  }
  if (P.Drawing && !In.Selected) SetTextColor(BaseFont.Color());
  Anchor.In = false;
  if (P.HitAnchor > 0 && P.HitAnchor == Anchor.Number) {
    const int left = P.AnchorOnThisLine ? P.AnchorStartX : P.Left;
    Out.HoverRect = TRect{left, L.Top, P.X, L.BoxBottom()};
    Out.MouseLink = Anchor.Number;
  }
  if (P.Drawing && FocusOpen && Anchor.Number == In.FocusLink + 1) {
    FocusR.Right = P.X;
    FocusR.Bottom = L.BoxBottom() - L.ImgAlign;
    FocusR.Top = FocusR.Bottom - L.GhHeight;
    D.FocusRect(TRect{FocusR.Left - 1, FocusR.Top, FocusR.Right + 1, FocusR.Bottom});
    FocusOpen = false;
  }
}

void TLayout::ListItem(TPass& P) {
  P.ListItem = true;
  const int indent = 12 * ListLevel;
  if (P.Drawing) {
    // The bullet 12 pixels before the item's text: a dot for odd levels, a
    // circle for even ones.
    const int bx = P.X + indent - 12;
    D.DrawTextPiece(ListLevel % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o"),
                    TRect{bx, L.Top, bx + 12, L.BoxBottom() - L.ImgAlign}, 0);
  }
  P.Width += indent;
  P.X += indent;
}

void TLayout::FontTag(const QString& Tag, TPass& P) {
  const QString up = Tag.toUpper();
  TFont* font = C->Font();
  QString v;
  if (AttrValue(up, QStringLiteral("FACE"), v) && !v.isEmpty()) font->SetName(v);
  if (AttrValue(up, QStringLiteral(" COLOR"), v) && !v.isEmpty() && P.Drawing && !In.Selected)
    SetTextColor(HtmlColorValue(v));
  if (AttrValue(up, QStringLiteral("BGCOLOR"), v) && P.Drawing && !In.Selected) {
    FontBackground = Background();
    SetBackground(v.isEmpty() ? clNone : HtmlColorValue(v));
  }
  const int size = static_cast<int>(up.indexOf(QStringLiteral("SIZE")));
  if (size < 0) return;
  const int eq = static_cast<int>(up.indexOf(u'=', size));
  if (eq < 0) return;
  QString rest = up.mid(eq + 1);
  const int quote = static_cast<int>(rest.indexOf(u'"'));
  if (quote >= 0) rest = rest.mid(quote + 1);
  int n = 0;
  if (!LeadingNumber(rest, n) || n <= 0) return;
  static constexpr int kSizes[] = {8, 10, 12, 14, 16};
  font->SetSize(n <= 5 ? kSizes[n - 1] : std::min(n, kMaxFontPoints));
}

void TLayout::BodyTag(const QString& Tag, TPass& P) {
  if (!P.Drawing) return;
  const QString up = Tag.toUpper();
  QString v;
  if (AttrValue(Tag, QStringLiteral("BACKGROUND"), v) && !v.isEmpty()) TileBackground(v);
  if (AttrValue(up, QStringLiteral("BGCOLOR"), v) && (v.contains(QStringLiteral("CL")) || v.contains(u'#'))) {
    const TColor c = HtmlColorValue(v);
    SetBackground(c);
    D.FillRect(R);
    FontBackground = c;
  }
}

void TLayout::ParagraphTag(const QString& Tag, TPass& P) {
  const QString up = Tag.toUpper();
  QString v;
  if (AttrValue(up, QStringLiteral("ALIGN"), v)) {
    if (v.contains(QStringLiteral("RIGHT"))) ParaAlign = 1;
    if (v.contains(QStringLiteral("LEFT"))) ParaAlign = 0;
    if (v.contains(QStringLiteral("CENTER"))) ParaAlign = 2;
  }
  int n = 0;
  if (AttrValue(up, QStringLiteral("INDENT"), v) && LeadingNumber(v, n)) ParaIndent = std::clamp(n, -0x7FFF, 0x7FFF);
  if (AttrValue(up, QStringLiteral("BGCOLOR"), v) && P.Drawing) {
    ParaBackground = Background();
    const TColor c = v.isEmpty() ? clNone : HtmlColorValue(v);
    SetBackground(c);
    if (c != clNone) {
      C->Pen()->SetColor(c);
      D.FillRect(TRect{R.Left, L.Top, R.Right, L.Top + L.Height});
    }
    Band = true;
  }
}

}  // namespace html_render

QString PrepareHtmlText(const QString& Text) {
  using html_render::kEntities;
  QString s;
  if (!Text.contains(u'&')) {
    s = Text;
  } else {
    s.reserve(Text.size());
    for (int i = 0; i < Text.size();) {
      bool done = false;
      if (Text[i] == u'&') {
        for (const auto& e : kEntities) {
          const QString name = QString::fromUtf16(e.Name);
          if (Text.mid(i, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
            s += QString::fromUtf16(e.Text);
            i += static_cast<int>(name.size());
            done = true;
            break;
          }
        }
      }
      if (!done) s += Text[i++];
    }
  }
  s = UnwrapHashMarkers(s);
  s.replace(QStringLiteral("\r"), QStringLiteral("<BR>"));
  s.remove(u'\n');
  return s;
}

bool DrawHtmlCellText(THtmlDevice& Device, const QString& Text, const TRect& Rect, const THtmlDrawInput& In,
                      THtmlDrawOutput& Out) {
  html_render::TLayout layout(Device, Text, Rect, In, Out);
  return layout.Run();
}

bool DrawHtmlCellText(TCanvas* Canvas, const QString& Text, const TRect& Rect, const THtmlDrawInput& In,
                      THtmlDrawOutput& Out) {
  if (!Canvas) return false;
  THtmlDevice device(Canvas);
  return DrawHtmlCellText(device, Text, Rect, In, Out);
}
