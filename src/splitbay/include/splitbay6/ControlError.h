#pragma once
/// \file
/// The error the dock pane reports to its host.

#include <splitbay6/ErrorNumbers.h>
#include <splitbay6/splitbay6_export.h>

#include <QString>
#include <stdexcept>

namespace splitbay6 {

/// An error the dock pane reports to its host: a number in the old control
/// framework's numbering (named in ErrorNumber) and a text, for example
/// 387 "Setting not permitted" or 382 "Set not supported at run time".
/// `what()` gives the text in UTF-8.
class SPLITBAY6_EXPORT ControlError : public std::runtime_error {
public:
    /// An error with its own text.
    ControlError(int number, const QString &text);
    /// An error with the framework's standard text for `number`
    /// ("Setting not permitted" for ErrorNumber::SettingNotPermitted).
    explicit ControlError(int number);
    ~ControlError() override;

    /// The error number, one of ErrorNumber.
    int number() const noexcept { return number_; }
    /// The error's text, the same as `what()`.
    QString text() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

}   // namespace splitbay6
