// The class library's rich edit (stands for TRichEdit and the rich-edit control
// under it) over QTextEdit: multi-line text whose characters can be raised or
// lowered (the character offset of sub- and superscript), loaded and saved as
// RTF (rich_text_rtf.h says which part of RTF it reads and writes), and telling
// the size its content needs whenever that changes (the request-resize
// notification). Positions count one character per paragraph break.
#pragma once

#include <QByteArray>
#include <functional>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

class RichWidget;
class TCanvas;

class TRichEdit : public TWinControl {
public:
  explicit TRichEdit(TComponent* AOwner);
  ~TRichEdit() override;

  // The lines' load and save (Lines.LoadFromStream, Lines.SaveToStream): RTF,
  // or plain text when the bytes are no RTF.
  void LoadFromBytes(const QByteArray& Bytes);
  QByteArray SaveToBytes() const;
  void Clear();

  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  void SelectAll();
  // The vertical offset of the selection's characters in twips (positive:
  // raised); with nothing selected, that of the characters typed next.
  int SelOffset() const;
  void SetSelOffset(int Twips);

  // Off: the selection stays shown while the control has no focus.
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool Value);
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle Value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool Value);
  // The formatting rectangle in client pixels (stands for EM_SETRECT).
  void SetFormatRect(TRect R);
  // Asks for the content's size now (stands for EM_REQUESTRESIZE).
  void RequestSize();
  // Renders the whole text into Rect of a canvas, laid out at the rectangle's
  // width and clipped to it (stands for EM_FORMATRANGE); with TextColor other
  // than clNone every character is drawn in that colour. Nothing is drawn on a
  // canvas without a painter or into an empty rectangle.
  void DrawInto(TCanvas* Canvas, TRect Rect, TColor TextColor) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectionChange;
  // The size the content needs: (0, 0, width, height) in pixels.
  std::function<void(TObject* Sender, TRect Rect)> OnResizeRequest;

protected:
  // The request-resize notification; the base raises OnResizeRequest.
  virtual void RequestResize(TRect Rect);
  virtual void Change();
  virtual void SelectionChange();
  QString GetText() const override;
  void StoreText(const QString& Value) override;
  void ApplyColor() override;
  void WMGetDlgCode(TMessage& Message) override;

private:
  RichWidget* Rich() const;
  void ContentSizeChanged();

  TFormBorderStyle border_style_ = bsSingle;
  bool hide_selection_ = true;
  bool word_wrap_ = true;
  bool loading_ = false;
  int last_height_ = -1;
};
