#include "platform/theme/visual_styles.h"

#include <QApplication>
#include <algorithm>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"

enum class TThemeClass { Button, ComboBox, Spin, Header, Progress };

struct TThemeData {
  TThemeClass kind;
};

namespace {

bool gThemeActive = true;

TThemeData gButton{TThemeClass::Button};
TThemeData gComboBox{TThemeClass::ComboBox};
TThemeData gSpin{TThemeClass::Spin};
TThemeData gHeader{TThemeClass::Header};
TThemeData gProgress{TThemeClass::Progress};

struct TClassName {
  const char* name;
  TThemeData* data;
};
const TClassName kClasses[] = {
    {"button", &gButton}, {"combobox", &gComboBox}, {"spin", &gSpin},
    {"header", &gHeader}, {"progress", &gProgress}};

QStyle* Style() { return QApplication::style(); }

// The option states shared by every part: normal (1), hot (2), pressed (3),
// disabled (4) in the push-button numbering.
QStyle::State PushState(int state) {
  QStyle::State s = QStyle::State_Raised;
  if (state != PBS_DISABLED) s |= QStyle::State_Enabled;
  if (state == PBS_HOT) s |= QStyle::State_MouseOver;
  if (state == PBS_PRESSED) s = (s & ~QStyle::State_Raised) | QStyle::State_Sunken;
  return s;
}

void DrawPanel(QPainter& p, const QRect& r, QStyle::State state) {
  QStyleOptionButton o;
  o.rect = r;
  o.state = state;
  Style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &o, &p);
}

void DrawArrow(QPainter& p, const QRect& r, QStyle::PrimitiveElement arrow, QStyle::State state) {
  QStyleOption o;
  o.rect = r;
  o.state = state;
  Style()->drawPrimitive(arrow, &o, &p);
}

// Check box (states 1..12) and radio button (1..8): unchecked, checked, mixed, each
// as normal, hot, pressed, disabled.
void DrawIndicator(QPainter& p, const QRect& r, bool radio, int state) {
  int group = (state - 1) / 4;  // 0 unchecked, 1 checked, 2 mixed
  int look = (state - 1) % 4;   // 0 normal, 1 hot, 2 pressed, 3 disabled
  QStyleOptionButton o;
  o.rect = r;
  o.state = look == 3 ? QStyle::State_None : QStyle::State_Enabled;
  if (look == 1) o.state |= QStyle::State_MouseOver;
  if (look == 2) o.state |= QStyle::State_Sunken;
  o.state |= group == 0 ? QStyle::State_Off : group == 1 ? QStyle::State_On : QStyle::State_NoChange;
  Style()->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &o, &p);
}

bool DrawButtonPart(QPainter& p, const QRect& r, int part, int state) {
  switch (part) {
    case BP_PUSHBUTTON: DrawPanel(p, r, PushState(state)); return true;
    case BP_RADIOBUTTON: DrawIndicator(p, r, true, std::clamp(state, 1, 8)); return true;
    case BP_CHECKBOX: DrawIndicator(p, r, false, std::clamp(state, 1, 12)); return true;
    default: return false;
  }
}

bool DrawHeaderPart(QPainter& p, const QRect& r, int part, int state) {
  if (part != HP_HEADERITEM) return false;
  QStyleOptionHeader o;
  o.rect = r;
  o.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
  if (state == HIS_HOT) o.state |= QStyle::State_MouseOver;
  if (state == HIS_PRESSED) o.state |= QStyle::State_Sunken;
  Style()->drawControl(QStyle::CE_HeaderSection, &o, &p);
  return true;
}

bool DrawProgressPart(QPainter& p, const QRect& r, int part) {
  QStyleOptionProgressBar o;
  o.rect = r;
  o.state = QStyle::State_Enabled | QStyle::State_Horizontal;
  o.minimum = 0;
  o.maximum = 100;
  o.progress = 100;
  switch (part) {
    case PP_BAR:
    case PP_BARVERT: Style()->drawControl(QStyle::CE_ProgressBarGroove, &o, &p); return true;
    case PP_CHUNK:
    case PP_CHUNKVERT: Style()->drawPrimitive(QStyle::PE_IndicatorProgressChunk, &o, &p); return true;
    default: return false;
  }
}

}  // namespace

bool IsThemeActive() { return gThemeActive; }
void SetThemeActive(bool active) { gThemeActive = active; }

QString GetCurrentThemeName() {
  QStyle* s = Style();
  return s ? s->name() : QString();
}

HTHEME OpenThemeData(const void*, const QString& classList) {
  if (!gThemeActive || !Style()) return nullptr;
  for (const QString& name : classList.split(';')) {
    for (const auto& c : kClasses) {
      if (name.trimmed().compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) return c.data;
    }
  }
  return nullptr;
}

void CloseThemeData(HTHEME) {}

bool DrawThemeBackground(HTHEME theme, TCanvas* canvas, int part, int state, const TRect& rect) {
  if (!theme || !canvas || IsRectEmpty(rect)) return false;
  QPainter* p = canvas->Painter();
  if (!p) return false;
  p->save();
  QRect r = ToQRect(rect);
  bool drawn = false;
  switch (theme->kind) {
    case TThemeClass::Button: drawn = DrawButtonPart(*p, r, part, state); break;
    case TThemeClass::ComboBox:
      if (part == CP_DROPDOWNBUTTON) {
        QStyle::State s = PushState(state);
        DrawPanel(*p, r, s);
        DrawArrow(*p, r, QStyle::PE_IndicatorArrowDown, s);
        drawn = true;
      }
      break;
    case TThemeClass::Spin:
      if (part == SPNP_UP || part == SPNP_DOWN) {
        QStyle::State s = PushState(state);
        DrawPanel(*p, r, s);
        DrawArrow(*p, r, part == SPNP_UP ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinDown, s);
        drawn = true;
      }
      break;
    case TThemeClass::Header: drawn = DrawHeaderPart(*p, r, part, state); break;
    case TThemeClass::Progress: drawn = DrawProgressPart(*p, r, part); break;
  }
  p->restore();
  return drawn;
}

bool DrawFrameControl(TCanvas* canvas, const TRect& rect, unsigned type, unsigned state) {
  if (!canvas || IsRectEmpty(rect)) return false;
  QPainter* p = canvas->Painter();
  if (!p) return false;
  p->save();
  QRect r = ToQRect(rect);
  bool inactive = state & DFCS_INACTIVE;
  bool pushed = state & DFCS_PUSHED;
  int pushState = inactive ? PBS_DISABLED : pushed ? PBS_PRESSED : (state & DFCS_HOT) ? PBS_HOT : PBS_NORMAL;
  QStyle::State s = PushState(pushState);
  bool drawn = true;
  if (type == DFC_BUTTON) {
    unsigned kind = state & 0x1F;
    if (kind == DFCS_BUTTONPUSH) {
      if (state & DFCS_FLAT) {
        p->setPen(ToQColor(ColorToRGB(clBtnShadow)));
        p->setBrush(ToQColor(ColorToRGB(clBtnFace)));
        p->drawRect(r.adjusted(0, 0, -1, -1));
      } else {
        DrawPanel(*p, r, s);
      }
    } else if (kind == DFCS_BUTTONCHECK || kind == DFCS_BUTTONRADIO) {
      bool checked = state & DFCS_CHECKED;
      int look = inactive ? 3 : pushed ? 2 : (state & DFCS_HOT) ? 1 : 0;
      DrawIndicator(*p, r, kind == DFCS_BUTTONRADIO, (checked ? 4 : 0) + look + 1);
    } else {
      drawn = false;
    }
  } else if (type == DFC_SCROLL) {
    unsigned kind = state & 0x1F;
    if (!(state & DFCS_FLAT)) DrawPanel(*p, r, s);
    QStyle::PrimitiveElement arrow = kind == DFCS_SCROLLUP ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
    DrawArrow(*p, r, arrow, s);
  } else {
    drawn = false;
  }
  p->restore();
  return drawn;
}
