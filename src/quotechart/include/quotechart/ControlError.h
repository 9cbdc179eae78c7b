#pragma once
/// \file
/// The error the chart reports to its host.

#include <quotechart/ErrorNumbers.h>
#include <quotechart/quotechart_export.h>

#include <QString>
#include <stdexcept>

/// The daily stock chart control REvuved and what its host sets up for it.
namespace quotechart {

/// An error the chart reports to its host: a number in the old control
/// framework's numbering (named in ErrorNumber) and a text. Only the chart
/// file methods, printing and a few range checks throw it; everything else
/// that fails is skipped. `what()` gives the text in UTF-8.
class QUOTECHART_EXPORT ControlError : public std::runtime_error {
public:
    /// An error with its own text.
    ControlError(int number, const QString &text);
    /// An error with the framework's standard text for `number`
    /// ("File not found" for ErrorNumber::FileNotFound).
    explicit ControlError(int number);
    ~ControlError() override;

    /// The error number, one of ErrorNumber.
    int number() const noexcept { return number_; }
    /// The error's text, the same as `what()`.
    QString text() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

}   // namespace quotechart
