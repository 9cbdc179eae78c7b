#pragma once
// The error the chart reports to its host: a number in the old control
// framework's numbering and a text.

#include <quotechart/quotechart_export.h>

#include <QString>
#include <stdexcept>

namespace quotechart {

class QUOTECHART_EXPORT ControlError : public std::runtime_error {
public:
    ControlError(int number, const QString &text);
    explicit ControlError(int number);   // with the framework's standard text
    ~ControlError() override;

    int number() const noexcept { return number_; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

}   // namespace quotechart
