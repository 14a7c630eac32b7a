// The mini-HTML renderer: one routine that draws a mini-HTML text into a
// rectangle, measures it and hit-tests a point against its anchors, pictures and
// in-text controls, all in the same line-by-line layout. Each line is laid out
// twice: a measuring pass takes text from the front until the line is full and
// sizes it; a second pass draws the line at its aligned place (or, for hit
// testing only, measures it again there). Tags are recognised by their first
// letters; an unknown tag is dropped, an unclosed one stays in force.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TCanvas;
class TCustomImageList;
class THTMLPictureCache;
class TPictureContainer;
class THtmlDevice;

// What the routine is given besides the canvas, the text and the rectangle.
struct THtmlDrawInput {
  TCustomImageList* Images = nullptr;  // pictures of IMG SRC="IDX:n"
  int X = -1, Y = -1;                  // the point to hit-test, canvas coordinates
  int FocusLink = -1;                  // anchor FocusLink + 1 gets the focus rectangle; -1 none
  int HoverLink = -1;                  // number (from 1) of the anchor under the mouse
  int ShadowOffset = 1;
  bool HitTestOnly = false;            // the second pass only hit-tests
  bool MeasureOnly = false;            // only the measuring pass runs
  bool PrintMode = false;              // image-list and icon pictures stretched by ImageScale
  bool Selected = false;               // colour tags leave the colours alone
  bool BlinkOn = true;                 // the visible phase of BLINK text
  bool HoverUnderlineOnly = false;
  bool WordWrap = true;                // wrap at blanks; else end ellipsis and no later lines
  bool ControlDown = false;            // pressed look of in-text buttons
  double ImageScale = 1.0;
  TColor UrlColor = clBlue;
  TColor HoverColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;
  TPictureContainer* PictureContainer = nullptr;
  const void* WindowHandle = nullptr;  // the window whose theme draws the controls
  int BiDiMode = 0;                    // 0: left to right (the only reading order here)
};

// What the routine hands back. AnchorValue and HoverRect change only on a hit;
// ControlId is also read: with HitTestOnly it names a control to look up.
struct THtmlDrawOutput {
  QString AnchorValue;   // HREF of the anchor at the point; "ctrl" for an in-text control
  QString PlainText;     // the text without tags, BR as a carriage return
  QString FocusAnchor;   // HREF of the focus anchor
  QString AnchorTitle;   // TITLE of the anchor at the point
  int TextExtentX = 0;   // width of the widest line
  int TextExtentY = 0;   // sum of the line heights
  int LinkCount = 0;
  int MouseLink = -1;    // number of the anchor at the point
  TRect HoverRect;       // its rectangle
  TRect ControlRect;     // the in-text control at the point (or with the ID looked up)
  QString ControlId;
  QString ControlValue;
  QString ControlType;
};

// True when the point hit an anchor, a picture inside an anchor or an in-text
// control. The canvas's pen, brush colour and font are as they were afterwards.
bool DrawHtmlCellText(TCanvas* Canvas, const QString& Text, const TRect& Rect, const THtmlDrawInput& In,
                      THtmlDrawOutput& Out);
bool DrawHtmlCellText(THtmlDevice& Device, const QString& Text, const TRect& Rect, const THtmlDrawInput& In,
                      THtmlDrawOutput& Out);

// The text as the renderer lays it out: entities decoded once each ("&amp;"
// becomes "&&", which draws one ampersand), "<#name>" shown as "#name", carriage
// returns as BR tags, line feeds removed.
QString PrepareHtmlText(const QString& Text);
