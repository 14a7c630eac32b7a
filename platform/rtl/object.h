// The root classes of the class library: every object the program passes around as
// an event sender is a TObject; TPersistent adds copying one object's settings into
// another (`Assign`). Events are plain function members, as the class library's
// method pointers.
#pragma once

#include <QString>
#include <functional>

class TObject {
public:
  virtual ~TObject() = default;
  // The name of the object's class as declared ("TFadeButton").
  QString ClassName() const;
};

class TPersistent : public TObject {
public:
  // Copies the settings of `Source` into this object. The base raises
  // EConvertError, as the class library does for classes that cannot be assigned.
  virtual void Assign(const TPersistent* Source);
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
