#pragma once
// The framework's exception family. Each carries a fixed English message that
// the application object shows in its error box while the program goes on.

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

// Conversion of text or variants that does not fit the wanted kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
class EVariantError : public Exception {
public:
    using Exception::Exception;
};
// Failures of the settings store.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
// A window description that cannot be read.
class EReadError : public Exception {
public:
    using Exception::Exception;
};
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
