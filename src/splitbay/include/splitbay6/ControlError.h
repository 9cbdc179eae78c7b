#pragma once
// The error the dock pane reports to its host: a number in the old control
// framework's numbering (387 "Setting not permitted", 382 "Set not supported
// at run time") and a text.

#include <splitbay6/splitbay6_export.h>

#include <QString>
#include <stdexcept>

namespace splitbay6 {

class SPLITBAY6_EXPORT ControlError : public std::runtime_error {
public:
    ControlError(int number, const QString &text);
    explicit ControlError(int number);   // with the framework's standard text
    ~ControlError() override;

    int number() const noexcept { return number_; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

}   // namespace splitbay6
