// The base of every drop-down editor of the suite (TExCustomDropDown): a
// one-line edit with a drop-down button inside its right edge, an optional
// caption label beside it and a pop-up window (TDropDownForm) that shows one
// inner control of the descendant between an optional header and footer. The
// edit filters typed and pasted text by its edit type (entry_rules.h), keeps a
// fixed Prefix and Suffix around the value, opens and closes the pop-up on its
// keys, and paints its own border. Descendants override the virtual hooks to
// create and fill their inner control and to route its keys.
//
// Facets: drop_down_edit.cpp (construction, properties, keys, clipboard,
// focus), drop_down_cycle.cpp (opening and closing the pop-up), drop_down_look.cpp
// (styles, label, border).
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "grid/base/color_tones.h"
#include "grid/base/label_position.h"
#include "grid/dropdown/entry_rules.h"
#include "grid/dropdown/header_footer_settings.h"
#include "platform/ui/mask_edit.h"

class TLabel;
class TBitmap;
class TCanvas;
class TDropDownForm;
class TDropDownEditButton;
class TExButtonAppearance;
class TCustomImageList;

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

using TDropDownEvent = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(TObject* Sender, const QString& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, QString& Text)>;

class TExCustomDropDown : public TCustomMaskEdit {
public:
  explicit TExCustomDropDown(TComponent* AOwner);
  ~TExCustomDropDown() override;

  // --- the pop-up ---
  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
  bool DroppedDown() const { return FDroppedDown; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  TDropDownEditButton* Button() const { return FButton; }

  // --- the value ---
  // The edit text without the prefix and the suffix.
  QString Text() const;
  // Formats and shows a value; remembers it as the text a cancelled close restores.
  virtual void SetText(const QString& Value);
  // Shows the text as it is, without prefix, suffix or formatting.
  void SetTextUnformatted(const QString& Value);
  // The whole edit text, prefix and suffix included.
  QString EditText() const { return GetText(); }
  double FloatValue() const;
  void SetFloatValue(double Value);
  void SetIntValue(int Value);
  void SelectAll();
  void SelectAfterDecimal();
  void SelectBeforeDecimal();
  bool IsModified() const { return FIsModified; }
  void SetModified(bool Value);

  // --- properties ---
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(int Value);
  int UserDropDownWidth() const { return FUserDropDownWidth; }
  int UserDropDownHeight() const { return FUserDropDownHeight; }
  TDropPosition DropPosition = dpAuto;
  int DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(int Value);
  QString DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const QString& Value);
  TBitmap* DropDownButtonGlyph() const;
  void SetDropDownButtonGlyph(const TBitmap* Value);
  bool DropDownSizeable = true;
  bool DropDownShadow = true;
  int DropDownBorderWidth = 1;
  TColor DropDownBorderColor = clBlack;
  TColor DropDownColor = clWhite;
  TColor DropDownColorTo = clNone;
  TGradientDirection DropDownGradient = gdHorizontal;
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(const THeaderAppearance* Value);
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(const TFooterAppearance* Value);
  TExButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(const TExButtonAppearance* Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value);
  bool DropDownEnabled = false;
  bool Flat = false;
  bool Etched = false;
  bool ForceShadow = false;
  bool FocusDraw = true;
  TColor SelectionColor = 0xD7FFFD;
  TColor SelectionColorTo = 0x58D4FC;
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  QString Version() const;

  // Edit type and entry settings.
  TDropDownEditType EditType() const { return FEntry.EditType; }
  void SetEditType(TDropDownEditType Value);
  int Precision() const { return FEntry.Precision; }
  void SetPrecision(int Value);
  QString Prefix() const { return FEntry.Prefix; }
  void SetPrefix(const QString& Value) { FEntry.Prefix = Value; }
  QString Suffix() const { return FEntry.Suffix; }
  void SetSuffix(const QString& Value) { FEntry.Suffix = Value; }
  bool Signed() const { return FEntry.Signed; }
  void SetSigned(bool Value) { FEntry.Signed = Value; }
  int LengthLimit() const { return FEntry.LengthLimit; }
  void SetLengthLimit(int Value) { FEntry.LengthLimit = Value; }
  QString ValidChars() const { return FEntry.ValidChars; }
  void SetValidChars(const QString& Value) { FEntry.ValidChars = Value; }
  bool AutoThousandSeparator() const { return FEntry.AutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value) { FEntry.AutoThousandSeparator = Value; }
  bool ReturnIsTab = false;
  bool AllowNumericNullValue = false;
  bool DefaultHandling = true;
  bool CanUndo = true;
  bool ExcelStyleDecimalSeparator = false;
  bool AutoSelect = true;

  // Label and border.
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabel* Label() const { return FLabel; }
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled = false;
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(const TFont* Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor = clNone;
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);

  // The shared image list of the pop-up's items (told when it is freed).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // The inner control of the pop-up and the control focused when it opens.
  TControl* Control() const { return FControl; }
  void SetControl(TControl* AControl);
  TWinControl* FocusControl = nullptr;

  // Styles.
  TSuiteStyle GetComponentStyle() const { return FSuiteStyle; }
  virtual void SetComponentStyle(TSuiteStyle AStyle);
  virtual void SetColorTones(const TColorTones& ATones);
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);

  // Copies the drop-down settings of another drop-down (other sources: nothing).
  void Assign(const TPersistent* Source) override;

  // --- events ---
  TNotifyEvent OnBeforeDropDown;
  TDropDownEvent OnDropDown;
  TNotifyEvent OnBeforeDropUp;
  TDropUpEvent OnDropUp;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardPaste;
  TClipboardEvent OnClipboardCut;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  // --- used by the pop-up form, its bars and buttons ---
  void ButtonClick();
  virtual void DoHideDropDown(bool Cancelled);
  // The pop-up's key, wheel, sizing and hide routes.
  void PopupKeyPress(QChar& Key) { DropDownKeyPress(Key); }
  void PopupKeyDown(int& Key, TShiftState Shift) { DropDownKeyDown(Key, Shift); }
  void PopupKeyUp(int& Key, TShiftState Shift) { DropDownKeyUp(Key, Shift); }
  void PopupHidden() { AfterDropUp(); }
  void PopupSizing() { DropDownSizing(); }
  void PopupWheel(bool Down) { Down ? DropDownMouseWheelDown() : DropDownMouseWheelUp(); }
  void PopupDestroyed() { DropDownFormDestroy(); }
  // The look of the drop-down button: the mouse is over the edit or it is the
  // active control.
  bool GetButtonFocused() const;
  // The text rectangle of the edit (client pixels).
  TRect EditRectangle() const { return FEditRect; }
  // The painted border of the edit, as `DrawBorder` paints it (for tests).
  void DrawBorder(TCanvas* Canvas);

protected:
  // The virtual hooks, in slot order.
  virtual void DoLabelClick();
  virtual void DoLabelDblClick();
  virtual unsigned GetVersionNr() const { return 0x01020104; }
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void BeforeDropDown();
  virtual void AdjustDropDownHeight(int& AHeight) { (void)AHeight; }
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void UpdateDropDownControl();
  virtual void UpdateDropDownSize();
  virtual void AfterDropUp();
  virtual void DropDownFormDestroy() {}
  virtual void DropDownMouseWheelDown() { HandleMouseWheelDown(); }
  virtual void DropDownMouseWheelUp() { HandleMouseWheelUp(); }
  virtual void DropDownKeyPress(QChar& Key);
  virtual void DropDownKeyDown(int& Key, TShiftState Shift);
  virtual void DropDownKeyUp(int& Key, TShiftState Shift);
  virtual void ControlKeyDown(int& Key, TShiftState Shift);
  virtual void ControlKeyUp(int& Key, TShiftState Shift);
  virtual void ControlKeyPress(QChar& Key);
  virtual void DropDownSizing() {}
  virtual void HandleMouseWheelDown() {}
  virtual void HandleMouseWheelUp() {}
  virtual void PaintFocusedText();
  virtual void SetEditRect();
  virtual void ResizeControl();
  virtual void DrawSelectionBackground(TCanvas* Canvas, TRect R, int Pass, int Kind);
  virtual void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                            TGradientDirection Direction);

  // Class-library steps.
  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  void Change() override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMLButtonDown(TMessage& Message) override;
  void WMLButtonUp(TMessage& Message) override;
  void WMCopy(TMessage& Message) override;
  void WMCut(TMessage& Message) override;
  void WMPaste(TMessage& Message) override;
  void CNCommand(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

public:
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Re-places the label beside the edit.
  void UpdateLabelPos();
  // The smallest height that shows the font.
  int GetMinHeight() const;
  // The entry rules of the current settings.
  TEntryRules Rules() const;

protected:
  bool FDroppedDown = false;
  TDropDownForm* FDropDownForm = nullptr;
  TControl* FControl = nullptr;
  QString FOldText;
  bool FBlockChange = false;

private:
  // The edit's text and selection as the rules see them, and back.
  TEntryEdit EntryState() const;
  void ApplyEntry(const TEntryEdit& edit, bool blockChange);
  void TogglePopup();
  void PostToParent(int Key);
  void RepaintBorder();
  void UpdateButtonFocus();
  bool IsHot() const;
  void PaintEdit(TMessage& Message);
  void DrawFocusedText(TCanvas* Canvas);

  TLabel* FLabel = nullptr;
  bool FParentFnt = false;
  int FDropDownWidth = 0;
  int FDropDownHeight = 0;
  int FUserDropDownWidth = -1;
  int FUserDropDownHeight = -1;
  bool FEditorEnabled = true;
  QString FButtonHint;
  int FButtonWidth = 17;
  bool FMouseInControl = false;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TExButtonAppearance> FButtonAppearance;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  TSelectionColorStyle FSelectionColorStyle = scOffice2007;
  TEntrySettings FEntry;
  bool FBlockCopy = false;
  bool FButtonDown = false;
  bool FIsModified = false;
  TRect FEditRect;
  TSuiteStyle FSuiteStyle = tsOffice2007Luna;
  int FLabelMargin = 0;
  TLabelPosition FLabelPosition = lpLeftTop;
  bool FLabelTransparent = false;
  std::unique_ptr<TFont> FLabelFont;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TDropDownEditButton* FButton = nullptr;
  TCustomImageList* FImages = nullptr;
  bool FDestroying = false;
};
