#include "platform/ui/date_time_picker.h"

#include <QDateTimeEdit>
#include <cmath>

#include "platform/ui/messages.h"
#include "platform/ui/widget_host.h"

namespace {

QDateTimeEdit* Editor(const TControl* c) { return static_cast<QDateTimeEdit*>(c->Widget()); }

// Day 0 of TDateTime is 30 December 1899.
const QDate kDayZero(1899, 12, 30);

QDateTime ToQt(TDateTime v) {
  const double days = std::floor(v);
  const qint64 ms = std::llround((v - days) * 86400000.0);
  return QDateTime(kDayZero.addDays(static_cast<qint64>(days)), QTime(0, 0).addMSecs(static_cast<int>(std::min<qint64>(ms, 86399999))));
}

TDateTime FromQt(const QDateTime& d) {
  return static_cast<double>(kDayZero.daysTo(d.date())) + d.time().msecsSinceStartOfDay() / 86400000.0;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QDateTimeEdit>(true)) {
  SetTabStop(true);
  SetBounds(0, 0, 186, 21);
  Editor(this)->setMinimumDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0)));
  Apply();
  QObject::connect(Editor(this), &QDateTimeEdit::dateTimeChanged, [this](const QDateTime&) { FromWidget(); });
}

void TDateTimePicker::Apply() {
  applying_ = true;
  QDateTimeEdit* e = Editor(this);
  const QString shown = !format_.isEmpty() ? format_ : kind_ == dtkTime ? QStringLiteral("HH:mm:ss") : QStringLiteral("dd.MM.yyyy");
  e->setDisplayFormat(shown);
  e->setDateTime(ToQt(value_));
  applying_ = false;
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  kind_ = value;
  Apply();
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  value_ = value;
  Apply();
}

TDateTime TDateTimePicker::Time() const { return value_ - std::floor(value_); }

void TDateTimePicker::SetTime(TDateTime value) { SetDateTime(std::floor(value_) + (value - std::floor(value))); }

void TDateTimePicker::SetFormat(const QString& value) {
  format_ = value;
  Apply();
}

void TDateTimePicker::FromWidget() {
  if (applying_) return;
  const QDateTime shown = Editor(this)->dateTime();
  // A time picker changes the time of the value only.
  value_ = kind_ == dtkTime ? std::floor(value_) + shown.time().msecsSinceStartOfDay() / 86400000.0 : FromQt(shown);
  if (OnChange) OnChange(this);
}

void TDateTimePicker::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS; }
