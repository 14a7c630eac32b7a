// Text controls (stand for TLabel and TLinkLabel). A label paints its caption with
// the window system's text rules ("&x" underlines x unless ShowAccelChar is off)
// and sizes itself to the text when AutoSize is on; its accelerator focuses the
// FocusControl. A link label shows "<a href=...>" parts of its caption as links
// and reports clicks on them.
#pragma once

#include "platform/ui/control.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
  explicit TLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* value);

protected:
  void Paint() override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  unsigned TextFlags() const;
  void AdjustBounds();

  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool auto_size_ = true;
  bool word_wrap_ = false;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  TWinControl* focus_control_ = nullptr;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)>;

class TLinkLabel : public TWinControl {
public:
  explicit TLinkLabel(TComponent* AOwner);

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);

  TSysLinkEvent OnLinkClick;

protected:
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;

private:
  void AdjustBounds();
  bool auto_size_ = true;
};

// The caption of a link label as Qt rich text: the "<a ...>" parts as links, the
// rest as plain text.
QString LinkCaptionToHtml(const QString& caption);
