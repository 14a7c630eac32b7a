// The mini-HTML renderer's embedded objects: pictures (IMG: image-list pictures,
// desktop icons, named pictures of the picture container and pictures loaded by
// address into the cache) and in-text form controls (CONTROL: edit, password,
// mask, combo, check, radio and button), sized and placed on the line like text
// and hit-tested in both passes.
#include <algorithm>
#include <cmath>

#include "grid/base/html_controls.h"
#include "grid/base/html_draw_aids.h"
#include "grid/base/html_picture.h"
#include "grid/base/html_render_state.h"
#include "grid/base/text_positions.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/image_list.h"

namespace html_render {

namespace {

// A picture named by a source without ":" (the container) or with "://" (the
// cache, loaded there once by address); nothing for other sources.
THTMLPicture* LookUpPicture(const QString& Source, const THtmlDrawInput& In) {
  if (!Source.contains(u':')) return In.PictureContainer ? In.PictureContainer->FindPicture(Source) : nullptr;
  if (!Source.contains(QStringLiteral("://")) || !In.PictureCache) return nullptr;
  if (THTMLPicture* p = In.PictureCache->FindPicture(Source)) return p;
  THTMLPicture* p = In.PictureCache->AddPicture();
  p->Asynch = false;
  p->LoadFromURL(Source);
  return p;
}

bool Usable(const THTMLPicture* p) { return p && !p->Empty() && p->HasPicture() && p->Width() > 0 && p->Height() > 0; }

int Scaled(int v, int ppi) { return v * ppi / 96; }

}  // namespace

bool TLayout::Image(const QString& Tag, TPass& P) {
  ++Images;
  const QString up = Tag.toUpper();
  // Sources are read as written: file and resource names keep their letter case.
  QString src, alt, v;
  AttrValue(Tag, QStringLiteral("SRC"), src);
  if (AttrValue(Tag, QStringLiteral("ALT"), alt) && Images == HitImage) src = alt;
  int w = 0, h = 0;
  const bool hasW = AttrValue(up, QStringLiteral("WIDTH"), v) && LeadingNumber(v, w) && w > 0;
  const bool hasH = AttrValue(up, QStringLiteral("HEIGHT"), v) && LeadingNumber(v, h) && h > 0;
  const QString usrc = src.toUpper();
  const int ppiX = D.PixelsPerInchX(), ppiY = D.PixelsPerInchY();

  int pw = 0, ph = 0;
  int listIndex = -1;
  QString iconSource;
  bool largeIcon = false;
  THTMLPicture* pic = nullptr;
  if (usrc.startsWith(QStringLiteral("IDX:"))) {
    int n = -1;
    if (In.Images && LeadingNumber(src.mid(4), n) && n >= 0 && n < In.Images->Count()) {
      listIndex = n;
      pw = Scaled(In.Images->Width(), ppiX);
      ph = Scaled(In.Images->Height(), ppiY);
    }
  } else if (usrc.startsWith(QStringLiteral("SSYS:")) || usrc.startsWith(QStringLiteral("LSYS:"))) {
    largeIcon = usrc.startsWith(u'L');
    iconSource = src.mid(5);
    TSize size;
    DrawShellIcon(C, 0, 0, iconSource, largeIcon, false, false, 1.0, size);
    pw = Scaled(size.cx, ppiX);
    ph = Scaled(size.cy, ppiY);
  } else {
    pic = LookUpPicture(src, In);
    if (!Usable(pic)) {
      pic = nullptr;
    } else if (hasW && hasH) {
      pw = w;
      ph = h;
    } else if (hasW) {
      pw = w;
      ph = static_cast<int>(std::lround(static_cast<double>(pic->Height()) * w / pic->Width()));
    } else if (hasH) {
      ph = h;
      pw = static_cast<int>(std::lround(static_cast<double>(pic->Width()) * h / pic->Height()));
    } else {
      pw = Scaled(pic->MaxWidth(), ppiX);
      ph = Scaled(pic->MaxHeight(), ppiY);
    }
  }
  if (pw <= 0 || ph <= 0) return true;  // nothing to show: the tag takes no room
  // A picture wider than the rest of a line that has something on it starts the next one.
  if (P.First && P.Width + pw > P.RectWidth() && pw <= P.RectWidth()) return false;

  const int top = L.Top;
  if (Anchor.In && In.X > P.X && In.X < P.X + pw && In.Y > top && In.Y < top + ph) {
    Result = true;
    Out.AnchorValue = Anchor.Href;
    Out.AnchorTitle = Anchor.Title;
    HitImage = Images;
  }
  if (P.Drawing) {
    if (listIndex >= 0) {
      if (In.PrintMode) {
        const int sw = static_cast<int>(std::lround(In.Images->Width() * In.ImageScale));
        const int sh = static_cast<int>(std::lround(In.Images->Height() * In.ImageScale));
        In.Images->StretchDraw(C, TRect{P.X, top, P.X + sw, top + sh}, listIndex);
      } else {
        In.Images->Draw(C, P.X, top, listIndex);
      }
    } else if (!iconSource.isEmpty()) {
      TSize size;
      DrawShellIcon(C, P.X, top, iconSource, largeIcon, true, In.PrintMode, In.ImageScale, size);
    } else if (pic) {
      if (hasW || hasH) {
        const bool stretch = pic->Stretch;
        pic->Stretch = true;
        pic->Draw(C, TRect{P.X, top, P.X + pw, top + ph});
        pic->Stretch = stretch;
      } else {
        if (pic->FrameCount() > 1) {
          const TColor back = Background();
          SetBackground(StartBrush);
          D.FillRect(TRect{P.X, top, P.X + pic->MaxWidth(), top + pic->MaxHeight()});
          SetBackground(back);
        }
        const int x = P.X + pic->FrameXPos(), y = top + pic->FrameYPos();
        pic->Draw(C, TRect{x, y, x + pic->Width(), y + pic->Height()});
      }
    }
  }
  P.X += pw;
  P.Width += pw;
  if (P.First) {
    L.Height = std::max(L.Height, ph);
    if (up.contains(QStringLiteral("ALIGN"))) {
      if (up.contains(QStringLiteral("\"TOP")))
        L.ImgAlign = L.Height - L.GhHeight;
      else if (up.contains(QStringLiteral("\"MIDDLE")))
        L.ImgAlign = (L.Height - L.GhHeight) / 2;
    }
  }
  return true;
}

void TLayout::TileBackground(const QString& Source) {
  THTMLPicture* pic = LookUpPicture(Source, In);
  if (!Usable(pic)) return;
  const int w = pic->Width(), h = pic->Height();
  for (int y = R.Top; y < R.Bottom; y += h)
    for (int x = R.Left; x < R.Right; x += w)
      pic->Draw(C, TRect{x, y, std::min(x + w, R.Right), std::min(y + h, R.Bottom)});
}

bool TLayout::Control(const QString& Tag, TPass& P) {
  const THtmlControlTag t = ParseHtmlControlTag(Tag);
  if (t.Width.isEmpty()) return true;
  int height = 25;
  if (int n = 0; LeadingNumber(t.Height, n)) height = n;
  int hitW = 0, hitH = 0;
  if (int n = 0; LeadingNumber(t.Width, n)) {
    hitW = std::clamp(n, 0, 0x7FFF);
    hitH = L.GhHeight + 10;
  }
  const bool checkLike = t.Type == QStringLiteral("CHECK") || t.Type == QStringLiteral("RADIO");
  if (P.First) L.Height = std::max(L.Height, height > 25 ? height - 2 : checkLike ? 16 : 23);

  if (P.Drawing) {
    const bool themed = IsThemeActive();
    const TColor frame = themed ? TColor(0xB99D7F) : TColor(0x808080);
    const int bottom = L.BoxBottom(), lh = L.Height, x = P.X, W = hitW;
    const TColor pen = C->Pen()->Color(), back = Background();
    const bool checked = t.Value.compare(QStringLiteral("TRUE"), Qt::CaseInsensitive) == 0;
    auto frameBox = [&] {
      C->Pen()->SetColor(frame);
      C->Brush()->SetColor(clWhite);
      C->Rectangle(x, bottom - lh + 4, x + W, bottom + 2);
      C->Brush()->SetStyle(bsClear);
    };
    auto value = [&](const QString& text, int from, int to, unsigned align) {
      TRect r{from, bottom - lh + 4, to, bottom + 2};
      C->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
    };
    auto themedPart = [&](const char* cls, int part, int state, const TRect& r) {
      HTHEME theme = themed ? OpenThemeData(In.WindowHandle, QString::fromLatin1(cls)) : nullptr;
      const bool drawn = theme && DrawThemeBackground(theme, C, part, state, r);
      if (theme) CloseThemeData(theme);
      return drawn;
    };
    if (t.Type == QStringLiteral("EDIT") || t.Type == QStringLiteral("PASSWORD") || t.Type == QStringLiteral("MASK")) {
      frameBox();
      value(t.Type == QStringLiteral("PASSWORD") ? MaskText(t.Value) : t.Value, x + 2, x + W - 2, DT_LEFT);
    } else if (t.Type == QStringLiteral("COMBO")) {
      frameBox();
      value(t.Value, x + 4, x + W - 18, DT_LEFT);
      const TRect b{x + W - 18, bottom - lh + 5, x + W - 1, bottom + 1};
      const bool hot = In.X > x - 2 && In.X < x - 2 + W && In.Y > bottom - L.GhHeight - 12 && In.Y < bottom - 2;
      if (!themedPart("combobox", CP_DROPDOWNBUTTON, hot ? CBXS_HOT : CBXS_NORMAL, b))
        DrawFrameControl(C, b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (t.Type == QStringLiteral("CHECK")) {
      const TRect b{x + 2, bottom - 15, x + 15, bottom};
      if (!themedPart("button", BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, b))
        DrawFrameControl(C, b, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (t.Type == QStringLiteral("RADIO")) {
      const TRect b{x + 2, bottom - 14, x + 14, bottom};
      if (!themedPart("button", BP_RADIOBUTTON, checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL, b))
        DrawFrameControl(C, b, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (t.Type == QStringLiteral("BUTTON")) {
      const TRect b{x + 2, bottom - height, x + W - 2, bottom};
      const bool inside = In.X > x - 2 && In.X < x - 2 + W && In.Y > bottom - 26 && In.Y < bottom - 2;
      const int state = In.ControlDown ? PBS_PRESSED : inside ? PBS_HOT : PBS_NORMAL;
      if (!themedPart("button", BP_PUSHBUTTON, state, b))
        DrawFrameControl(C, b, DFC_BUTTON, DFCS_BUTTONPUSH | (inside && In.ControlDown ? DFCS_PUSHED : 0));
      TRect r = b;
      InflateRect(r, -2, -2);
      C->Brush()->SetStyle(bsClear);
      C->DrawText(t.Value, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    C->Pen()->SetColor(pen);
    SetBackground(back);
  }
  if (t.Type == QStringLiteral("BUTTON") || t.Type == QStringLiteral("COMBO")) hitH = 25;
  if (checkLike) hitW = hitH = 16;
  // A control wider than the rest of a line that has something on it starts the next one.
  if (P.First && P.Width + hitW > P.RectWidth() && hitW <= P.RectWidth()) return false;

  const TRect box{P.X, L.Top, P.X + hitW, L.Top + hitH};
  const bool inBox = In.X > box.Left && In.X < box.Right && In.Y > box.Top && In.Y < box.Bottom;
  if (inBox || (In.HitTestOnly && !LookupId.isEmpty() && t.Id == LookupId)) {
    Result = true;
    Out.AnchorValue = QStringLiteral("ctrl");
    Out.ControlRect = box;
    Out.ControlValue = t.Value;
    Out.ControlId = t.Id;
    Out.ControlType = t.Type;
  }
  P.X += hitW;
  P.Width += hitW;
  if (P.First) L.Height = std::max(L.Height, hitH);
  return true;
}

}  // namespace html_render
