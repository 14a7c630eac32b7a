// Settings of the header and footer bars of a drop-down's pop-up
// (THeaderAppearance, TFooterAppearance) with their button collections
// (THeaderButtons of THeaderButton, TFooterButtons of TFooterButton). Only a
// change of Visible raises the appearance's OnChange; a change of a button's
// caption, enabled state or width raises its collection's OnChange, which the
// appearance passes on as OnButtonsChanged.
#pragma once

#include <QString>
#include <memory>

#include "platform/rtl/collection.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

enum TGradientDirection { gdVertical, gdHorizontal };
enum TButtonAlignment { baLeft, baRight };

// One button of a bar; the fields both kinds share.
class TBarButton : public TCollectionItem {
public:
  explicit TBarButton(TCollection* Collection) : TCollectionItem(Collection) {}

  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int Width() const { return width_; }  // 0: from the content
  void SetWidth(int value);
  int Height = 0;  // 0: from the content; stored without notification
  int ImageIndex = -1;

protected:
  void CopyFrom(const TBarButton& source);

private:
  void ButtonChanged();

  QString caption_;
  bool enabled_ = true;
  int width_ = 0;
};

// A collection with an owner for streaming that reports changes of its items
// through OnChange (adding and deleting items report nothing); the bar
// buttons and the item selector's items are such collections.
template <typename T>
class TNotifyingCollection : public TCollectionOf<T> {
public:
  explicit TNotifyingCollection(TPersistent* AOwner) : owner_(AOwner) {}
  TPersistent* GetOwner() const override { return owner_; }
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;

private:
  TPersistent* owner_;
};

class THeaderButton : public TBarButton {
public:
  using TBarButton::TBarButton;
  // Copies caption, image index, enabled, width and height.
  void Assign(const TPersistent* Source) override;
};

class TFooterButton : public TBarButton {
public:
  using TBarButton::TBarButton;
  // Copies caption, image index, modal result, enabled, width and height.
  void Assign(const TPersistent* Source) override;
  int ModalResult = 0;
};

template <typename T>
using TBarButtons = TNotifyingCollection<T>;
using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;

// What a header and a footer appearance share.
template <typename TButtons>
class TBarAppearance : public TPersistent {
public:
  explicit TBarAppearance(TPersistent* AOwner)
      : owner_(AOwner), font_(std::make_unique<TFont>()), buttons_(std::make_unique<TButtons>(AOwner)) {
    buttons_->OnChange = [this](TObject*) {
      if (OnButtonsChanged) OnButtonsChanged(this);
    };
  }
  ~TBarAppearance() override { buttons_->OnChange = nullptr; }

  TPersistent* Owner() const { return owner_; }

  bool Visible() const { return visible_; }
  // Raises OnChange when the value changes.
  void SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    if (OnChange) OnChange(this);
  }

  int Height = 22;
  int BorderWidth = 1;
  int ImageIndex = -1;
  QString Caption;
  TColor ColorTo = clWhite;
  TColor Color = clSilver;
  TColor BorderColor = clBlack;
  TGradientDirection GradientDirection = gdVertical;
  TButtonAlignment ButtonAlignment = baRight;

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value) {
    if (value) font_->Assign(*value);
  }
  TButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(const TButtons* value) {
    if (value) buttons_->Assign(value);
  }

  // Copies Color, ColorTo, BorderColor, Font and GradientDirection from an
  // appearance of the same class.
  void AssignColors(const TPersistent* Source) {
    auto* s = dynamic_cast<const TBarAppearance*>(Source);
    if (!s) return;
    Color = s->Color;
    ColorTo = s->ColorTo;
    BorderColor = s->BorderColor;
    font_->Assign(*s->font_);
    GradientDirection = s->GradientDirection;
  }

  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

private:
  TPersistent* owner_;
  bool visible_ = true;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TButtons> buttons_;
};

class THeaderAppearance : public TBarAppearance<THeaderButtons> {
public:
  explicit THeaderAppearance(TPersistent* AOwner);
  // From another header appearance only, in the header's order; Visible through
  // its setter; the buttons by collection assignment.
  void Assign(const TPersistent* Source) override;
};

class TFooterAppearance : public TBarAppearance<TFooterButtons> {
public:
  explicit TFooterAppearance(TPersistent* AOwner) : TBarAppearance(AOwner) {}
  // From another footer appearance only, in the footer's order.
  void Assign(const TPersistent* Source) override;

  bool SizeGrip = true;
};
