// The class library's memo (stands for TMemo): a multi-line edit whose Enter
// types a line break, with its lines as a text (lines joined by CR LF) and its
// scroll bars.
#pragma once

#include "platform/ui/edit.h"
#include "platform/ui/scroll_style.h"

class TMemo : public TEdit {
public:
  explicit TMemo(TComponent* AOwner);

  // All lines, joined by CR LF (no break after the last line).
  QString LinesText() const { return Text(); }
  void SetLinesText(const QString& value) { SetText(value); }
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle value);

private:
  TScrollStyle scroll_bars_ = ssNone;
};
