// The state of one call of the mini-HTML renderer, shared by its text and tag
// handling (html_render.cpp) and its pictures and in-text controls
// (html_render_objects.cpp). Nothing here outlives the call.
#pragma once

#include <QString>
#include <optional>

#include "grid/base/html_device.h"
#include "grid/base/html_render.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics_objects.h"

namespace html_render {

// The per-line results of the measuring pass, read by the drawing pass.
struct TLine {
  int Top = 0;
  int Height = 0;     // starts as the height of "gh"
  int Sup = 0;        // extra room above (superscript)
  int Sub = 0;        // extra room below (subscript)
  int ImgAlign = 0;   // text raised by this much (pictures aligned top or middle)
  int Width = 0;
  int Align = 0;      // 0 left, 1 right, 2 centre
  int Indent = 0;
  int GhHeight = 0;
  QString Text;       // what the measuring pass took

  int FullBottom() const { return Top + Height + Sup + Sub; }
  int BoxBottom() const { return Top + Height + Sup; }
};

// One pass over one line.
struct TPass {
  bool First = true;       // the measuring pass
  bool Drawing = false;    // the second pass, drawing
  bool Measuring = true;   // the first pass, or the second with HitTestOnly
  int Left = 0;            // the line's left edge in this pass
  int Right = 0;           // the rectangle's right edge
  int X = 0;               // current x
  int Width = 0;           // line width so far
  QString Plain;           // the plain text of the line so far
  bool ListItem = false;   // a list item started on this line
  bool Ended = false;
  bool Overflow = false;   // without word wrap: the line is wider than the rectangle
  int Pieces = 0;
  int HitAnchor = -1;      // the anchor whose text was hit in this pass
  int AnchorStartX = 0;
  bool AnchorOnThisLine = false;

  int RectWidth() const { return Right - Left; }
};

// The anchor state carried from line to line (and set back before the second pass).
struct TAnchor {
  bool In = false;
  QString Href;
  QString Title;
  int Number = 0;
};

class TLayout {
public:
  TLayout(THtmlDevice& Device, const QString& Text, const TRect& Rect, const THtmlDrawInput& In,
          THtmlDrawOutput& Out);
  bool Run();

  // --- html_render.cpp ---
  void RenderLine(QString& Text, TPass& P);
  bool Piece(QString& Text, TPass& P);
  // Handles the tag at the front of Text; false when the tag stays for the next line.
  bool Tag(const QString& Tag, TPass& P);
  void OpenAnchor(const QString& Tag, TPass& P);
  void CloseAnchor(TPass& P);
  void ListItem(TPass& P);
  void FontTag(const QString& Tag, TPass& P);
  void BodyTag(const QString& Tag, TPass& P);
  void ParagraphTag(const QString& Tag, TPass& P);
  void EndFocusLine(TPass& P);
  void SetBackground(TColor Color);
  TColor Background() const;
  void SetTextColor(TColor Color);
  int GhHeight();

  // --- html_render_objects.cpp ---
  bool Image(const QString& Tag, TPass& P);
  bool Control(const QString& Tag, TPass& P);
  // BODY BACKGROUND: the picture tiled over the whole rectangle.
  void TileBackground(const QString& Source);

  THtmlDevice& D;
  TCanvas* C;
  QString Source;
  TRect R;                 // the caller's rectangle
  const THtmlDrawInput& In;
  THtmlDrawOutput& Out;
  QString LookupId;        // with HitTestOnly: the control asked for by its ID
  TLine L;

  TFont BaseFont, Font1, Font2;
  TColor StartBrush = clNone;           // the brush colour when the call began
  std::optional<TFont> RotatedFrom;   // the font before the last R tag

  bool Sup = false, Sub = false, Shadow = false, ErrorLine = false, Hidden = false, Band = false;
  TAnchor Anchor;
  int ListLevel = 0;
  int Images = 0;
  int HitImage = -1;
  int ParaAlign = 0, ParaIndent = 0;
  TColor FontBackground = clNone;      // the background before the last FONT BGCOLOR
  TColor ParaBackground = clNone;      // the background before the last P BGCOLOR
  TColor HiText = clNone, HiBack = clNone;
  TColor AnchorSavedBack = clNone, AnchorSavedColor = clNone;
  bool FocusOpen = false;
  TRect FocusR;
  bool Result = false;
};

// The value of attribute Name in Tag (the text between the first double quote
// after the name and the next one); the name is found in any letter case.
bool AttrValue(const QString& Tag, const QString& Name, QString& Value);
// The leading number of a text ("12px" -> 12); false when there is none.
bool LeadingNumber(const QString& Text, int& Value);
// A colour attribute value: "#RRGGBB", or a colour name in any case.
TColor HtmlColorValue(const QString& Value);

}  // namespace html_render
