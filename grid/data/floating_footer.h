// Settings of the floating footer (TFloatingFooter), the strip along the grid's
// bottom edge that stays in view: whether and how it shows (the last row as
// totals, a column preview, a template or custom painting), its colours, height
// and the totals options. The strip's window and the totals belong to the grid.
#pragma once

#include <QString>
#include <functional>

#include "grid/base/cell_properties.h"
#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TGridSettingsHost;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// Asks the text of a custom footer cell: (Sender, ACol, ARow, var Value).
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

class TFloatingFooter : public TPersistent {
public:
  explicit TFloatingFooter(TGridSettingsHost* AOwner) : owner_(AOwner) {}

  // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle,
  // Visible (through its setter) and ShowHint.
  void Assign(const TPersistent* Source) override;

  bool EnableCalculation = true;
  bool CalculateHiddenRows = true;
  TCalcFooterEvent OnCalcFooter;

  // The grid fits its footer panel, fixed footer rows and hidden last row to
  // these and repaints.
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TFooterStyle FooterStyle() const { return footerStyle_; }
  // Shown as the grid's own last row (fsFixedLastRow).
  bool HoldsLastRow() const { return visible_ && footerStyle_ == fsFixedLastRow; }
  void SetFooterStyle(TFooterStyle value);
  int Height() const { return height_; }
  void SetHeight(int value);

  // These repaint the footer panel.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);  // repaints only when changed
  int Column() const { return column_; }
  void SetColumn(int value);
  QString CustomTemplate() const { return customTemplate_; }
  void SetCustomTemplate(const QString& value);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);

  // Repaints the footer panel.
  void Invalidate();

  // The calculation kind of a column's footer cell (acNONE without a grid).
  TColumnCalcType GetColumnCalc(int c) const;
  void SetColumnCalc(int c, TColumnCalcType Value);

private:
  void Layout();

  TGridSettingsHost* owner_;
  bool visible_ = false;
  TFooterStyle footerStyle_ = fsFixedLastRow;
  int height_ = 0;
  TColor color_ = clBtnFace;
  TColor borderColor_ = clNone;
  int column_ = 0;
  QString customTemplate_;
  bool showHint_ = false;
};
