// The class library's page control and its sheets (stand for TPageControl and
// TTabSheet) over QTabWidget. Setting ActivePage in code is silent; OnChange
// follows the user's page changes.
#pragma once

#include "platform/ui/control.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return page_control_; }
  void SetPageControl(TPageControl* value);
  int PageIndex() const;
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool value);

protected:
  void AttachWidget(TWinControl* AParent) override;
  void CMTextChanged(TMessage& Message) override;
  void ApplyColor() override;

private:
  friend class TPageControl;
  TPageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
};

class TPageControl : public TWinControl {
public:
  explicit TPageControl(TComponent* AOwner);
  // The pages go with the control (its children); they no longer report to it.
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int value);

  TNotifyEvent OnChange;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void SyncTab(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  bool updating_ = false;
};
