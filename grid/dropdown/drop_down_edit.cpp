// The drop-down edit: construction, properties, value and entry rules, keys,
// clipboard, focus and mouse.
#include <QToolTip>

#include "grid/dropdown/drop_down_button.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/entry_numbers.h"
#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/ex_drop_down.h"

#include "platform/ui/image_list.h"
#include "platform/os/clock.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/clipboard.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/labels.h"

namespace {
constexpr int kReopenGuardMs = 250;
}  // namespace

TExCustomDropDown::TExCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FButtonAppearance(std::make_unique<TExButtonAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FLabelFont(std::make_unique<TFont>()) {
  // 2. to 4.
  SetBounds(Left(), Top(), 200, 21);
  FButtonWidth = 17;
  CreateDropDownForm();
  CreateDropDownButton();
  // 5.
  SetControlStyle(ControlStyle() - csSetCaption);
  SetReadOnly(false);
  DropPosition = dpAuto;
  SetText(QString());
  FUserDropDownWidth = FUserDropDownHeight = -1;
  DropDownEnabled = false;
  // 6. A change of the appearances re-initialises the open pop-up.
  auto headerChanged = [this](TObject*) {
    if (FDropDownForm && FDropDownForm->Visible()) FDropDownForm->InitializeAndUpdate();
  };
  FDropDownHeader->OnChange = headerChanged;
  FDropDownHeader->OnButtonsChanged = headerChanged;
  FDropDownFooter->OnChange = headerChanged;
  FDropDownFooter->OnButtonsChanged = headerChanged;
  // 8.
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
  // 9.
  FLabelFont->OnChange = [this](TObject*) { UpdateLabelPos(); };
  ResizeControl();
}

TExCustomDropDown::~TExCustomDropDown() {
  FDestroying = true;
  FLabelFont->OnChange = nullptr;
  FDropDownHeader->OnChange = FDropDownHeader->OnButtonsChanged = nullptr;
  FDropDownFooter->OnChange = FDropDownFooter->OnButtonsChanged = nullptr;
  delete FDropDownForm;  // before the appearances its bars read
  FDropDownForm = nullptr;
}

QString TExCustomDropDown::Version() const {
  const unsigned v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

TEntryRules TExCustomDropDown::Rules() const {
  TEntrySettings s = FEntry;
  s.MaxLength = MaxLength();
  return TEntryRules(s);
}

// --- value ---

QString TExCustomDropDown::Text() const { return Rules().Value(EditText()); }

void TExCustomDropDown::SetText(const QString& Value) {
  const TEntryRules rules = Rules();
  const QString v = rules.FormatValue(Value);
  TControl::SetText(rules.EditText(v));
  FOldText = v;
  SetModified(false);
}

void TExCustomDropDown::SetTextUnformatted(const QString& Value) { TControl::SetText(Value); }

TEntryEdit TExCustomDropDown::EntryState() const {
  TEntryEdit e;
  e.Text = EditText();
  e.SelStart = TEdit::SelStart();
  e.SelLength = TEdit::SelLength();
  return e;
}

void TExCustomDropDown::ApplyEntry(const TEntryEdit& edit, bool blockChange) {
  if (edit.Text != EditText()) {
    if (blockChange) FBlockChange = true;
    TControl::SetText(edit.Text);
  }
  TEdit::SetSelStart(edit.SelStart);
  TEdit::SetSelLength(edit.SelLength);
}

double TExCustomDropDown::FloatValue() const { return Rules().FloatValue(Text()); }

void TExCustomDropDown::SetFloatValue(double Value) {
  const TDropDownEditType t = FEntry.EditType;
  if (t == etString || t == etFloat || t == etNumeric || t == etMoney || t == etHex) {
    SetText(Rules().TextForFloat(Value));
    if (t == etMoney) {
      TEntryEdit e = EntryState();
      Rules().ApplyThousandSeparators(e);
      ApplyEntry(e, true);
    }
  }
  SetModified(true);
}

void TExCustomDropDown::SetIntValue(int Value) {
  const TDropDownEditType t = FEntry.EditType;
  if (t == etNumeric || t == etFloat || t == etMoney || t == etHex) {
    SetText(Rules().TextForInt(Value));
    if (t == etMoney) {
      TEntryEdit e = EntryState();
      Rules().ApplyThousandSeparators(e);
      ApplyEntry(e, true);
    }
  }
  SetModified(true);
}

void TExCustomDropDown::SelectAll() {
  TEntryEdit e = EntryState();
  Rules().SelectAll(e);
  ApplyEntry(e, false);
}

void TExCustomDropDown::SelectAfterDecimal() {
  TEntryEdit e = EntryState();
  Rules().SelectAfterDecimal(e);
  ApplyEntry(e, false);
}

void TExCustomDropDown::SelectBeforeDecimal() {
  TEntryEdit e = EntryState();
  Rules().SelectBeforeDecimal(e);
  ApplyEntry(e, false);
}

void TExCustomDropDown::SetModified(bool Value) {
  if (ComponentState().Contains(csLoading) || !FEditorEnabled || ReadOnly()) return;
  TEdit::SetModified(Value);
  FIsModified = Value;
}

void TExCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (FEntry.EditType == Value) return;
  FEntry.EditType = Value;
  if (Value == etPassword) {
    SetPasswordChar(u'*');
    CanUndo = false;
  } else {
    SetPasswordChar(QChar());
  }
  const int k = GetTextNumberKind(Text());
  if ((Value == etNumeric && k != kTextKindInteger) || (Value == etHex && k != kTextKindInteger && k != kTextKindHex))
    SetIntValue(0);
  if ((Value == etFloat || Value == etMoney) && k > kTextKindFloat) SetFloatValue(0);
}

void TExCustomDropDown::SetPrecision(int Value) {
  const TDropDownEditType t = FEntry.EditType;
  if (t != etString && t != etFloat && t != etMoney) return;
  if (FEntry.Precision == Value) return;
  FEntry.Precision = Value;
  if (GetTextNumberKind(Text()) > kTextKindFloat) SetFloatValue(0);
  else SetFloatValue(FloatValue());
}

// --- properties ---

void TExCustomDropDown::SetDropDownWidth(int Value) {
  if (FDropDownWidth != Value) FUserDropDownWidth = -1;
  FDropDownWidth = Value;
}

void TExCustomDropDown::SetDropDownHeight(int Value) {
  if (FDropDownHeight != Value) FUserDropDownHeight = -1;
  FDropDownHeight = Value;
}

void TExCustomDropDown::SetDropDownButtonWidth(int Value) {
  FButtonWidth = Value;
  if (!FButton) return;
  FButton->SetBWidth(Value);
  ResizeControl();
}

void TExCustomDropDown::SetDropDownButtonHint(const QString& Value) {
  FButtonHint = Value;
  if (!FButton) return;
  FButton->SetHint(Value);
  if (!Value.isEmpty()) FButton->SetShowHint(true);
}

TBitmap* TExCustomDropDown::DropDownButtonGlyph() const {
  return FButton ? FButton->InnerButton()->Glyph() : nullptr;
}

void TExCustomDropDown::SetDropDownButtonGlyph(const TBitmap* Value) {
  if (!FButton || !Value) return;
  FButton->InnerButton()->Glyph()->Assign(Value);
  FButton->InnerButton()->Invalidate();
}

void TExCustomDropDown::SetDropDownHeader(const THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }
void TExCustomDropDown::SetDropDownFooter(const TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }
void TExCustomDropDown::SetButtonAppearance(const TExButtonAppearance* Value) { FButtonAppearance->Assign(Value); }

void TExCustomDropDown::SetEditorEnabled(bool Value) {
  FEditorEnabled = Value;
  Invalidate();
}

void TExCustomDropDown::SetControl(TControl* AControl) {
  if (FControl == AControl) return;
  FControl = AControl;
  if (AControl) AControl->FreeNotification(this);
  UpdateDropDownControl();
}

void TExCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != opRemove || FDestroying) return;
  if (AComponent == FControl) FControl = nullptr;
  if (AComponent == FocusControl) FocusControl = nullptr;
  if (AComponent == FLabel) FLabel = nullptr;
  if (AComponent == FButton) FButton = nullptr;
  if (AComponent == FDropDownForm) FDropDownForm = nullptr;
  if (FImages && AComponent == static_cast<TComponent*>(FImages)) FImages = nullptr;
}

void TExCustomDropDown::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  Invalidate();
}

void TExCustomDropDown::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExCustomDropDown*>(Source);
  if (!s) return;
  FocusDraw = s->FocusDraw;
  ForceShadow = s->ForceShadow;
  DropDownEnabled = s->DropDownEnabled;
  DropDownColor = s->DropDownColor;
  DropDownColorTo = s->DropDownColorTo;
  DropDownGradient = s->DropDownGradient;
  DropDownBorderColor = s->DropDownBorderColor;
  DropDownBorderWidth = s->DropDownBorderWidth;
  DropDownShadow = s->DropDownShadow;
  SetDropDownWidth(s->FDropDownWidth);
  SetDropDownHeight(s->FDropDownHeight);
  DropDownSizeable = s->DropDownSizeable;
  SetEditType(s->FEntry.EditType);
  ReturnIsTab = s->ReturnIsTab;
  FEntry.LengthLimit = s->FEntry.LengthLimit;
  FEntry.Precision = s->FEntry.Precision;
  FEntry.Prefix = s->FEntry.Prefix;
  FEntry.Suffix = s->FEntry.Suffix;
  DefaultHandling = s->DefaultHandling;
  CanUndo = s->CanUndo;
  ExcelStyleDecimalSeparator = s->ExcelStyleDecimalSeparator;
  FEntry.ValidChars = s->FEntry.ValidChars;
  FEntry.Signed = s->FEntry.Signed;
  FEntry.AutoThousandSeparator = s->FEntry.AutoThousandSeparator;
  FButtonAppearance->Assign(s->FButtonAppearance.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  DropPosition = s->DropPosition;
  Flat = s->Flat;
  SetDropDownButtonWidth(s->FButtonWidth);
  SetDropDownButtonHint(s->FButtonHint);
  SetEditorEnabled(s->FEditorEnabled);
  if (s->FButton && FButton) {
    SetDropDownButtonGlyph(s->FButton->InnerButton()->Glyph());
    FButton->InnerButton()->ButtonCaption = s->FButton->InnerButton()->ButtonCaption;
  }
  Etched = s->Etched;
  FSelectionColorStyle = s->FSelectionColorStyle;
  SelectionColor = s->SelectionColor;
  SelectionColorTo = s->SelectionColorTo;
}

// --- the button ---

void TExCustomDropDown::CreateDropDownButton() {
  if (FButton) return;
  FButton = new TDropDownEditButton(this);
  FButton->SetParent(this);
  FButton->OnClick = [this](TObject*) { ButtonClick(); };
  UpdateDropDownButton();
}

void TExCustomDropDown::UpdateDropDownButton() {
  if (!FButton) return;
  FButton->SetBWidth(FButtonWidth);
  FButton->SetHeight(17);
  FButton->SetVisible(true);
  FButton->FocusControl = this;
}

void TExCustomDropDown::ButtonClick() {
  if (!FDropDownForm || FDropDownForm->Visible()) return;
  if (FDropDownForm->EverDeactivated() &&
      Clock().TickCount() - FDropDownForm->DeActivateTime() <= kReopenGuardMs)
    return;
  DoShowDropDown();
}

// --- layout ---

int TExCustomDropDown::GetMinHeight() const {
  TCanvas* c = MeasureCanvas();
  c->SetFont(Font());
  const int h = c->TextHeight(QStringLiteral("Wg"));
  TFont system;
  c->SetFont(&system);
  const int sys = c->TextHeight(QStringLiteral("Wg"));
  return h + std::min(h, sys) / 4;
}

void TExCustomDropDown::ResizeControl() {
  if (Height() < GetMinHeight()) {
    SetHeight(GetMinHeight());
    return;
  }
  if (FButton) {
    // Client coordinates inside the edit's two-pixel frame.
    const int frame = BorderStyle() == bsNone ? 0 : 2;
    const int a = Flat ? 3 : 4;
    const int bw = FButtonWidth;
    if (BorderStyle() != bsNone) FButton->SetBounds(Width() - bw - a + frame, (Flat ? 2 : 0) + frame, bw, Height() - a);
    else FButton->SetBounds(Width() - bw, 1, bw, Height() - 2);
  }
  SetEditRect();
  Invalidate();
}

void TExCustomDropDown::SetEditRect() {
  TRect r = ClientRect();
  r.Bottom = ClientHeight() + 1;
  r.Right = ClientWidth() - FButtonWidth - 3;
  const bool border = BorderStyle() != bsNone;
  r.Left = border ? 1 : 2;
  r.Top = border ? 1 : 3;
  FEditRect = r;
  TEdit::SetEditRect(r);
}

void TExCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized && FButton) ResizeControl();
  if (FLabel && Parent()) UpdateLabelPos();
}

// --- keys ---

void TExCustomDropDown::TogglePopup() {
  if (FDroppedDown) DoHideDropDown(false);
  else DoShowDropDown();
}

void TExCustomDropDown::PostToParent(int Key) {
  auto* parent = Parent();
  if (!parent) return;
  PostMessage(parent, WM_KEYDOWN, Key, 0);
  PostMessage(parent, WM_KEYUP, Key, 0);
}

void TExCustomDropDown::WMKeyDown(TMessage& m) {
  int key = m.CharCode();
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (alt && (key == VK_UP || key == VK_DOWN)) {
    TogglePopup();
    return;
  }
  if (!FEditorEnabled && Enabled()) {
    if (!ReadOnly()) {
      if (key == VK_RETURN) DoHideDropDown(false);
      else if (key == VK_ESCAPE) DoHideDropDown(true);
      else if (key == VK_F4) TogglePopup();
    }
    if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::WMKeyDown(m);
    return;
  }
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if (ctrl && (key == VK_TAB || key == VK_RETURN)) return TCustomMaskEdit::WMKeyDown(m);
  if (ReturnIsTab && key == VK_RETURN) {
    if (TForm* form = ParentForm(); form && Visible()) form->SelectNext(this, true, true);
    return;
  }
  // The fences of the fixed texts and the edit's own caret and delete work.
  const bool ruled = key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END || key == VK_DELETE ||
                     key == VK_BACK;
  TEntryEdit e = EntryState();
  TEntryOutcome out;
  if (ruled) {
    out = Rules().KeyDown(e, key, shift);
    if (!out.Accepted) return;
  }
  if (DoKeyDown(m)) return;
  key = m.CharCode();
  if (ruled && key == VK_BACK) {
    SetModified(true);
  } else if (ruled && !IsMasked()) {
    ApplyEntry(e, false);
    if (out.Modified) SetModified(true);
  } else if (ruled) {
    // A masked edit moves its caret over the literals and clears a place
    // (leaving a blank) for itself.
    if (out.Modified) SetModified(true);
    DefaultHandler(m);
  } else {
    DefaultHandler(m);
  }
  if (key == VK_RETURN) DoHideDropDown(false);
  else if (key == VK_ESCAPE) DoHideDropDown(true);
  else if (key == VK_F4) TogglePopup();
}

void TExCustomDropDown::KeyDown(int& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
    TogglePopup();
    Key = 0;
  }
}

void TExCustomDropDown::KeyPress(QChar& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == QChar(13)) Key = QChar(0);
}

void TExCustomDropDown::WMChar(TMessage& m) {
  if (!FEditorEnabled) return;
  QChar key(static_cast<char16_t>(m.CharCode()));
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const QString value = Text();
  // 1.
  if (!value.isEmpty() && TEdit::SelLength() == value.size()) FBlockChange = true;
  // 2.
  if (ctrl && (key == QChar(13) || key == QChar(10))) {
    m.Result = 1;
    return;
  }
  TForm* form = ParentForm();
  if (key == QChar(13)) {
    QChar enter(13);
    if (OnKeyPress) OnKeyPress(this, enter);
    if (!DefaultHandling && Parent()) {
      PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
      if (!(form && form->KeyPreview())) PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
    }
    return;
  }
  // 3.
  if (key == QChar(27)) {
    if (!DefaultHandling && Parent()) {
      if (form && form->KeyPreview()) return TCustomMaskEdit::WMChar(m);
      PostToParent(VK_ESCAPE);
    }
    if (!CanUndo) return TCustomMaskEdit::WMChar(m);
  }
  // 4.
  if (key == QChar(3) || key == QChar(22) || key == QChar(24)) return TCustomMaskEdit::WMChar(m);
  // 5.
  if (ExcelStyleDecimalSeparator && (m.KeyData() & KF_KEYPAD) && (key == u'.' || key == u','))
    key = FormatSettings().DecimalSeparator;
  // The edit's OnKeyPress may change or drop the character.
  m.SetCharCode(key.unicode());
  if (DoKeyPress(m)) return;
  key = QChar(static_cast<char16_t>(m.CharCode()));
  // 6. to 12.
  TEntryEdit e = EntryState();
  const TEntryOutcome out = Rules().TypeChar(e, key, ctrl);
  if (out.BlockChange) FBlockChange = true;
  if (!out.Accepted) return;
  if (IsMasked()) {
    // The masked edit types for itself: the character takes the place under
    // the caret (stepping over the literals) or is refused by the mask; the
    // text's change comes from the edit.
    m.SetCharCode(key.unicode());
    DefaultHandler(m);
    if (out.Modified) SetModified(true);
    return;
  }
  ApplyEntry(e, false);
  if (out.RaiseChange) Change();
  if (out.Modified) SetModified(true);
}

void TExCustomDropDown::CMWantSpecialKey(TMessage& m) {
  TForm* form = ParentForm();
  if (!form) return;
  int key = m.CharCode();
  if (!form->KeyPreview()) {
    if (key == VK_ESCAPE && CanUndo) {
      SelectAll();
      SetModified(false);
      key = 0;
      if (Parent() && DefaultHandling) PostToParent(VK_ESCAPE);
    } else if (key == VK_RETURN && DefaultHandling && Parent() && Parent()->Focused()) {
      PostToParent(VK_RETURN);
    }
  }
  TCustomMaskEdit::CMWantSpecialKey(m);
  if (key == VK_ESCAPE && FDroppedDown) m.Result = 1;
}

void TExCustomDropDown::CNCommand(TMessage& m) {
  if (NotifyCode(m.WParam) == EN_CHANGE && FBlockChange) {
    FBlockChange = false;
    return;
  }
  TCustomMaskEdit::CNCommand(m);
}

void TExCustomDropDown::Change() { TCustomMaskEdit::Change(); }

// --- clipboard ---

void TExCustomDropDown::WMPaste(TMessage&) {
  if (ReadOnly() || !Clipboard()->HasText()) return;
  TEntryEdit e = EntryState();
  const TEntryOutcome out = Rules().Paste(e, Clipboard()->AsText(), [this](const QString& next) {
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, next, allow);
    return allow;
  });
  if (!out.Accepted) return;
  ApplyEntry(e, false);
  SetModified(true);
}

void TExCustomDropDown::WMCut(TMessage& m) {
  if (!FEditorEnabled || ReadOnly()) return;
  FBlockCopy = true;
  bool allow = true;
  const QString part = Text().mid(TEdit::SelStart() - Prefix().size(), TEdit::SelLength());
  if (OnClipboardCut) OnClipboardCut(this, part, allow);
  if (allow) TCustomMaskEdit::WMCut(m);
  FBlockCopy = false;
}

void TExCustomDropDown::WMCopy(TMessage& m) {
  if (FBlockCopy) return TCustomMaskEdit::WMCopy(m);
  bool allow = true;
  const QString part = Text().mid(TEdit::SelStart() - Prefix().size(), TEdit::SelLength());
  if (OnClipboardCopy) OnClipboardCopy(this, part, allow);
  if (allow) TCustomMaskEdit::WMCopy(m);
}

// --- focus and mouse ---

void TExCustomDropDown::WMSetFocus(TMessage& m) {
  if (ComponentState().Contains(csLoading)) return;
  TCustomMaskEdit::WMSetFocus(m);
  if (FEditorEnabled) {
    if (AutoSelect) SelectAll();
    else if (FEntry.EditType == etFloat || FEntry.EditType == etMoney) SelectBeforeDecimal();
  } else {
    Invalidate();
  }
}

void TExCustomDropDown::WMKillFocus(TMessage& m) {
  if (!ComponentState().Contains(csLoading)) {
    const TDropDownEditType t = FEntry.EditType;
    const bool empty = Text().isEmpty();
    if ((t == etFloat || t == etMoney) && FEntry.Precision > 0 && !(empty && AllowNumericNullValue)) {
      const bool modified = FIsModified;
      SetFloatValue(FloatValue());
      FIsModified = modified;
      TEdit::SetModified(modified);
    } else if (t == etNumeric && empty && !AllowNumericNullValue) {
      SetText(QStringLiteral("0"));
    } else if ((t == etFloat || t == etMoney) && empty && !AllowNumericNullValue) {
      SetFloatValue(0);
    }
  }
  TCustomMaskEdit::WMKillFocus(m);
  if (!FEditorEnabled) Invalidate();
}

void TExCustomDropDown::CMEnter(TMessage& m) {
  if (AutoSelect && !ControlState().Contains(csLButtonDown)) SelectAll();
  TCustomMaskEdit::CMEnter(m);
  RepaintBorder();
}

void TExCustomDropDown::CMExit(TMessage& m) {
  TCustomMaskEdit::CMExit(m);
  RepaintBorder();
}

void TExCustomDropDown::DoEnter() {
  TCustomMaskEdit::DoEnter();
  SetEditRect();
}

void TExCustomDropDown::WMLButtonDown(TMessage& m) {
  if (!FEditorEnabled) {
    TCustomMaskEdit::WMLButtonDown(m);
    ButtonClick();
    return;
  }
  const int at = CharFromPos({m.XPos(), m.YPos()});
  const int s = TEdit::SelStart(), l = TEdit::SelLength();
  if (l > 0 && at >= s && at < s + l && Focused()) {
    FButtonDown = true;
    return;
  }
  TCustomMaskEdit::WMLButtonDown(m);
}

void TExCustomDropDown::WMLButtonUp(TMessage& m) {
  if (!FEditorEnabled || ReadOnly()) PaintFocusedText();
  if (FButtonDown) {
    FButtonDown = false;
    const int at = CharFromPos({m.XPos(), m.YPos()});
    TEdit::SetSelStart(at);
  }
  TCustomMaskEdit::WMLButtonUp(m);
  const int prefix = static_cast<int>(Prefix().size());
  const int valueEnd = prefix + static_cast<int>(Text().size());
  const int s = TEdit::SelStart(), l = TEdit::SelLength();
  if (!Prefix().isEmpty() && l == 0 && s < prefix) SelectAll();
  if (!Suffix().isEmpty()) {
    if (l == 0 && s > valueEnd) TEdit::SetSelStart(valueEnd);
    else if (l > 0 && s + l > valueEnd) {
      TEdit::SetSelStart(s);
      TEdit::SetSelLength(std::max(0, valueEnd - s));
    }
  }
}

void TExCustomDropDown::CMMouseEnter(TMessage& m) {
  TCustomMaskEdit::CMMouseEnter(m);
  if (!Enabled() || FMouseInControl) return;
  FMouseInControl = true;
  UpdateButtonFocus();
  RepaintBorder();
}

void TExCustomDropDown::CMMouseLeave(TMessage& m) {
  TCustomMaskEdit::CMMouseLeave(m);
  if (!Enabled() || !FMouseInControl) return;
  FMouseInControl = false;
  UpdateButtonFocus();
  RepaintBorder();
}

void TExCustomDropDown::CMEnabledChanged(TMessage& m) {
  TCustomMaskEdit::CMEnabledChanged(m);
  if (FButton) FButton->SetEnabled(Enabled());
  if (FLabel && !LabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  Invalidate();
}

void TExCustomDropDown::WndProc(TMessage& m) {
  TCustomMaskEdit::WndProc(m);
  if (m.Msg == CM_FOCUSCHANGED) UpdateButtonFocus();
}

bool TExCustomDropDown::GetButtonFocused() const {
  TForm* form = ParentForm();
  return FMouseInControl || (form && form->ActiveControl() == this);
}

void TExCustomDropDown::UpdateButtonFocus() {
  if (FButton) FButton->InnerButton()->SetFocused(GetButtonFocused());
}
