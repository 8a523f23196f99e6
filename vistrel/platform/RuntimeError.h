#pragma once
// The program's raised error: a number and a description, as the error handlers of
// the windows show them ("description (number)"). Services that can fail in ways a
// caller must tell apart (the string component, for one) raise it.
#include <QString>
#include <exception>

namespace platform {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description, QString source = {})
        : number_(number), description_(std::move(description)), source_(std::move(source)),
          what_(description_.toStdString())
    {
    }

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const QString& source() const noexcept { return source_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    QString source_;
    std::string what_;
};

} // namespace platform
