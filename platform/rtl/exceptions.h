// The runtime library's exception classes: every error the program raises carries
// a message text, as the class library's exceptions do.
#pragma once

#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(QString message) : Message(std::move(message)), utf8_(Message.toStdString()) {}
  const char* what() const noexcept override { return utf8_.c_str(); }
  QString Message;

private:
  std::string utf8_;
};

// A text that is no number where a number was required.
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
public:
  using Exception::Exception;
};

// A file that cannot be read, written or parsed.
class EFileError : public Exception {
public:
  using Exception::Exception;
};

// An operation a control cannot do in its present state (focusing a hidden
// control, showing a visible form modally).
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};

// An object of the wrong class where a particular class was required (the
// class library's invalid type cast).
class EInvalidCast : public Exception {
public:
  using Exception::Exception;
};
