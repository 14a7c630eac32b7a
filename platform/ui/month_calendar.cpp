#include "platform/ui/month_calendar.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QTextCharFormat>

#include "platform/ui/widget_host.h"

namespace {

QCalendarWidget* Calendar(const TControl* c) { return static_cast<QCalendarWidget*>(c->Widget()); }

// Enter and Escape reach the calendar's inner views, not the calendar itself.
class CalendarKeys : public QObject {
public:
  explicit CalendarKeys(TMonthCalendar* c) : c_(c) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Escape) {
      if (c_->OnCancel) c_->OnCancel(c_);
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      c_->Choose();
      return true;
    }
    return false;
  }

private:
  TMonthCalendar* c_;
};

}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QCalendarWidget>(true)) {
  SetTabStop(true);
  QCalendarWidget* cal = Calendar(this);
  cal->setGridVisible(false);
  auto* keys = new CalendarKeys(this);
  keys->setParent(cal);
  cal->installEventFilter(keys);
  for (QWidget* child : cal->findChildren<QWidget*>()) child->installEventFilter(keys);
  QObject::connect(cal, &QCalendarWidget::clicked, [this](QDate) {
    if (OnSelect) OnSelect(this);
  });
  Apply();
  const QSize hint = cal->sizeHint();
  SetBounds(0, 0, hint.width(), hint.height());
}

TDateTime TMonthCalendar::Date() const {
  return DateTimeFromQDateTime(QDateTime(Calendar(this)->selectedDate(), QTime(0, 0)));
}

void TMonthCalendar::SetDate(TDateTime value) { Calendar(this)->setSelectedDate(QDateTimeFromDateTime(value).date()); }

void TMonthCalendar::SetRange(TDateTime MinDate, TDateTime MaxDate) {
  QCalendarWidget* cal = Calendar(this);
  cal->setMinimumDate(MinDate != 0 ? QDateTimeFromDateTime(MinDate).date() : QDate(100, 1, 1));
  cal->setMaximumDate(MaxDate != 0 ? QDateTimeFromDateTime(MaxDate).date() : QDate(9999, 12, 31));
}

void TMonthCalendar::SetShowToday(bool value) {
  show_today_ = value;
  Apply();
}

void TMonthCalendar::SetShowTodayCircle(bool value) {
  show_today_circle_ = value;
  Apply();
}

void TMonthCalendar::SetWeekNumbers(bool value) {
  week_numbers_ = value;
  Apply();
}

TPoint TMonthCalendar::MinimumSize() const {
  const QSize s = Calendar(this)->minimumSizeHint();
  return {s.width(), s.height()};
}

void TMonthCalendar::Choose() {
  if (OnSelect) OnSelect(this);
}

void TMonthCalendar::Apply() {
  QCalendarWidget* cal = Calendar(this);
  cal->setVerticalHeaderFormat(week_numbers_ ? QCalendarWidget::ISOWeekNumbers
                                             : QCalendarWidget::NoVerticalHeader);
  // The today circle: today's date drawn framed in bold.
  QTextCharFormat today;
  if (show_today_circle_) today.setFontWeight(QFont::Bold);
  cal->setDateTextFormat(QDate::currentDate(), today);
}
