#include "platform/ui/list_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/ui/edit_engine.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

constexpr int kObjectRole = Qt::UserRole + 1;

TObject* ObjectOf(const QVariant& v) { return reinterpret_cast<TObject*>(v.value<quintptr>()); }
QVariant ObjectData(TObject* o) { return QVariant::fromValue(reinterpret_cast<quintptr>(o)); }

class ListWidgetItems : public TControlItems {
public:
  explicit ListWidgetItems(QListWidget* w) : w_(w) {}
  int Count() const override { return w_->count(); }
  QString Strings(int i) const override {
    CheckIndex(i, Count());
    return w_->item(i)->text();
  }
  void SetStrings(int i, const QString& v) override {
    CheckIndex(i, Count());
    w_->item(i)->setText(v);
  }
  TObject* Objects(int i) const override {
    CheckIndex(i, Count());
    return ObjectOf(w_->item(i)->data(kObjectRole));
  }
  void SetObjects(int i, TObject* o) override {
    CheckIndex(i, Count());
    w_->item(i)->setData(kObjectRole, ObjectData(o));
  }
  void Insert(int i, const QString& v) override {
    if (i != Count()) CheckIndex(i, Count());
    const QSignalBlocker block(w_);
    w_->insertItem(i, v);
  }
  void Delete(int i) override {
    CheckIndex(i, Count());
    const QSignalBlocker block(w_);
    delete w_->takeItem(i);
  }
  void Clear() override {
    const QSignalBlocker block(w_);
    w_->clear();
  }

private:
  QListWidget* w_;
};

class ComboItems : public TControlItems {
public:
  explicit ComboItems(QComboBox* w) : w_(w) {}
  int Count() const override { return w_->count(); }
  QString Strings(int i) const override {
    CheckIndex(i, Count());
    return w_->itemText(i);
  }
  void SetStrings(int i, const QString& v) override {
    CheckIndex(i, Count());
    w_->setItemText(i, v);
  }
  TObject* Objects(int i) const override {
    CheckIndex(i, Count());
    return ObjectOf(w_->itemData(i, kObjectRole));
  }
  void SetObjects(int i, TObject* o) override {
    CheckIndex(i, Count());
    w_->setItemData(i, ObjectData(o), kObjectRole);
  }
  void Insert(int i, const QString& v) override {
    if (i != Count()) CheckIndex(i, Count());
    const QSignalBlocker block(w_);
    const QString text = w_->isEditable() ? w_->currentText() : QString();
    w_->insertItem(i, v);
    if (w_->isEditable()) {
      w_->setCurrentIndex(-1);
      w_->setEditText(text);
    } else if (w_->count() == 1) {
      w_->setCurrentIndex(-1);
    }
  }
  void Delete(int i) override {
    CheckIndex(i, Count());
    const QSignalBlocker block(w_);
    w_->removeItem(i);
  }
  void Clear() override {
    const QSignalBlocker block(w_);
    w_->clear();
  }

private:
  QComboBox* w_;
};

QListWidget* List(const TControl* c) { return static_cast<QListWidget*>(c->Widget()); }

QComboBox* Combo(const TControl* c) { return static_cast<QComboBox*>(c->Widget()); }

}  // namespace

// The Qt combo box of a TComboBox: opening and closing the list go through the
// control, so that its notifications frame the list's life.
class ComboBoxWidget : public Hosted<QComboBox> {
public:
  ComboBoxWidget() : Hosted<QComboBox>(true) {}
  void showPopup() override {
    PassFontOn();
    if (auto* combo = dynamic_cast<TComboBox*>(control)) combo->ListOpening();
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (auto* combo = dynamic_cast<TComboBox*>(control)) combo->ListClosed();
  }
  QSize sizeHint() const override {
    const_cast<ComboBoxWidget*>(this)->PassFontOn();
    return QComboBox::sizeHint();
  }
  QSize minimumSizeHint() const override {
    const_cast<ComboBoxWidget*>(this)->PassFontOn();
    return QComboBox::minimumSizeHint();
  }

protected:
  // Qt's combo builds its whole list (a list view in a pop-up frame) only to pass
  // a new font on to it. Most combos are made on forms and pages not shown yet:
  // until the combo is shown, measured or opened, the news waits and the list is
  // not built.
  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::FontChange && !isVisible()) {
      font_waits_ = true;
      QWidget::changeEvent(e);
      return;
    }
    if (e->type() == QEvent::FontChange) font_waits_ = false;
    QComboBox::changeEvent(e);
  }
  void showEvent(QShowEvent* e) override {
    PassFontOn();
    QComboBox::showEvent(e);
  }
  // The edit part of the editable style holds the focus and gets the keys; they
  // go through the combo's dispatcher, as the combo's own.
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == lineEdit() && control) {
      switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::FocusIn:
        case QEvent::FocusOut: return ControlDispatch::Event(this, e);
        default: break;
      }
    }
    return QComboBox::eventFilter(watched, e);
  }

private:
  void PassFontOn() {
    if (!font_waits_) return;
    font_waits_ = false;
    QEvent change(QEvent::FontChange);
    QComboBox::changeEvent(&change);
  }
  bool font_waits_ = false;
};

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QListWidget>(true)) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks, csOpaque});
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
  items_ = std::make_unique<ListWidgetItems>(List(this));
  QListWidget* list = List(this);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(list, &QListWidget::currentRowChanged, [this](int) { Click(); });
  QObject::connect(list, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) { DblClick(); });
  QObject::connect(list, &QListWidget::itemClicked, [this, list](QListWidgetItem* item) { ItemClicked(list->row(item)); });
  ApplyColor();
}

int TListBox::ItemHeight() const {
  QListWidget* list = List(this);
  const int h = list->count() > 0 ? list->sizeHintForRow(0) : -1;
  return h > 0 ? h : list->fontMetrics().height() + 2;
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {
  QListWidget* list = List(this);
  // Every item gets its check box when it is added.
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [list](const QModelIndex&, int first, int last) {
    const QSignalBlocker block(list);
    for (int i = first; i <= last; ++i)
      if (QListWidgetItem* item = list->item(i)) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
      }
  });
  QObject::connect(list, &QListWidget::itemChanged, [this](QListWidgetItem*) { ClickCheck(); });
}

bool TCheckListBox::Checked(int Index) const {
  QListWidgetItem* item = List(this)->item(Index);
  return item && item->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int Index, bool Value) {
  QListWidget* list = List(this);
  QListWidgetItem* item = list->item(Index);
  if (!item) return;
  const QSignalBlocker block(list);
  item->setCheckState(Value ? Qt::Checked : Qt::Unchecked);
}

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() const { return List(this)->currentRow(); }

void TListBox::SetItemIndex(int value) {
  QListWidget* list = List(this);
  const QSignalBlocker block(list);
  if (value < 0 || value >= list->count()) {
    list->setCurrentRow(-1);
    list->clearSelection();
    return;
  }
  list->setCurrentRow(value);
}

int TListBox::TopIndex() const {
  QListWidget* list = List(this);
  QListWidgetItem* top = list->itemAt(2, 2);
  return top ? list->row(top) : 0;
}

void TListBox::SetTopIndex(int value) {
  QListWidget* list = List(this);
  if (QListWidgetItem* item = list->item(value)) list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void TListBox::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TListBox::ApplyColor() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  Widget()->setPalette(pal);
}

TComboBox::TComboBox(TComponent* AOwner) : TComboBox(AOwner, csDropDown) {}

TComboBox::TComboBox(TComponent* AOwner, TComboBoxStyle AStyle)
    : TWinControl(AOwner, new ComboBoxWidget), style_(AStyle) {
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight});
  SetTabStop(true);
  SetBounds(0, 0, 145, 21);
  items_ = std::make_unique<ComboItems>(Combo(this));
  QObject::connect(Combo(this), qOverload<int>(&QComboBox::activated), [this](int index) {
    if (index >= 0) NotifyParent(CBN_SELCHANGE);
  });
  ApplyStyle();
  ApplyColor();
}

TComboBox::~TComboBox() = default;

void TComboBox::ApplyStyle() {
  QComboBox* combo = Combo(this);
  const QSignalBlocker block(combo);
  const bool editable = style_ != csDropDownList;
  if (combo->isEditable() == editable) return;
  combo->setEditable(editable);
  if (!editable) return;
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);  // completion is the owner's business
  combo->lineEdit()->installEventFilter(combo);
  SetLineLimit(combo->lineEdit(), max_length_);
  QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, [this](const QString&) { TextEdited(); });
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  style_ = value;
  ApplyStyle();
}

int TComboBox::ItemIndex() const { return Combo(this)->currentIndex(); }

void TComboBox::SetItemIndex(int value) {
  QComboBox* combo = Combo(this);
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
  if (value < 0 && combo->isEditable()) combo->setEditText(QString());
}

QString TComboBox::GetText() const { return Combo(this)->currentText(); }

void TComboBox::StoreText(const QString& value) {
  QComboBox* combo = Combo(this);
  const QSignalBlocker block(combo);
  if (combo->isEditable()) {
    const int index = combo->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    combo->setEditText(value);
    return;
  }
  combo->setCurrentIndex(items_->IndexOf(value));
}

// Typing leaves no item chosen (as the system's combo box does while its list is
// closed); the typed text and the caret stay.
void TComboBox::TextEdited() {
  QComboBox* combo = Combo(this);
  QLineEdit* edit = combo->lineEdit();
  if (combo->currentIndex() >= 0) {
    const QSignalBlocker block(combo);
    const QString text = edit->text();
    const int caret = edit->cursorPosition();
    combo->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(caret);
  }
  NotifyParent(CBN_EDITCHANGE);
}

int TComboBox::DropDownCount() const { return Combo(this)->maxVisibleItems(); }

void TComboBox::SetDropDownCount(int value) { Combo(this)->setMaxVisibleItems(std::max(1, value)); }

bool TComboBox::DroppedDown() const { return dropped_; }

void TComboBox::SetDroppedDown(bool value) {
  if (value == dropped_) return;
  if (value) Combo(this)->showPopup();
  else Combo(this)->hidePopup();
}

void TComboBox::SetDroppedWidth(int value) {
  dropped_width_ = std::max(0, value);
  Combo(this)->view()->setMinimumWidth(dropped_width_);
}

void TComboBox::SetMaxLength(int value) {
  max_length_ = value;
  if (QLineEdit* edit = Combo(this)->lineEdit()) SetLineLimit(edit, value);
}

int TComboBox::SelStart() const {
  QLineEdit* e = Combo(this)->lineEdit();
  if (!e) return 0;
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TComboBox::SetSelStart(int value) {
  if (QLineEdit* e = Combo(this)->lineEdit()) {
    e->deselect();
    e->setCursorPosition(value);
  }
}

int TComboBox::SelLength() const {
  QLineEdit* e = Combo(this)->lineEdit();
  return e ? static_cast<int>(e->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int value) {
  if (QLineEdit* e = Combo(this)->lineEdit()) e->setSelection(SelStart(), value);
}

QString TComboBox::SelText() const {
  QLineEdit* e = Combo(this)->lineEdit();
  return e ? e->selectedText() : QString();
}

void TComboBox::SelectAll() {
  if (QLineEdit* e = Combo(this)->lineEdit()) e->selectAll();
}

int TComboBox::CaretPos() const {
  QLineEdit* e = Combo(this)->lineEdit();
  return e ? e->cursorPosition() : 0;
}

int TComboBox::CharFromPos(TPoint p) const {
  QLineEdit* e = Combo(this)->lineEdit();
  if (!e) return -1;
  return e->cursorPositionAt(e->mapFrom(Combo(this), ToQPoint(p)));
}

void TComboBox::ListOpening() {
  dropped_ = true;
  NotifyParent(CBN_DROPDOWN);
}

void TComboBox::ListClosed() {
  if (!dropped_) return;
  dropped_ = false;
  NotifyParent(CBN_CLOSEUP);
}

void TComboBox::Dispatch(TMessage& m) {
  if (m.Msg == CN_COMMAND) return CNCommand(m);
  TWinControl::Dispatch(m);
}

void TComboBox::CNCommand(TMessage& m) {
  switch (NotifyCode(m.WParam)) {
    case CBN_SELCHANGE:
      Click();
      Select();
      break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
  }
}

void TComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

void TComboBox::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TComboBox::CMWantSpecialKey(TMessage& m) {
  if (dropped_ && (m.CharCode() == VK_RETURN || m.CharCode() == VK_ESCAPE)) m.Result = 1;
}

void TComboBox::ApplyColor() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  Widget()->setPalette(pal);
}
