// The class library's pop-up menu (stands for TPopupMenu and TMenuItem): items
// with captions and click events, shown at a screen point through the user
// interface service (so tests can choose an item).
#pragma once

#include <QString>
#include <vector>

#include "platform/ui/component.h"

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& value) { caption_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value) { checked_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }

  virtual void Click();
  TNotifyEvent OnClick;

private:
  QString caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  // Adds an item owned by the menu and returns it.
  TMenuItem* Add(const QString& caption, TNotifyEvent onClick = {});

  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool value) { auto_popup_ = value; }
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* value) { popup_component_ = value; }

  // Raises OnPopup, shows the menu with its top-left corner at the screen point and
  // clicks the item the user chooses.
  virtual void Popup(int X, int Y);
  TNotifyEvent OnPopup;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  std::vector<TMenuItem*> items_;
  bool auto_popup_ = true;
  TComponent* popup_component_ = nullptr;
};
