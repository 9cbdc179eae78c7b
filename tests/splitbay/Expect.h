#pragma once
// Small readers of outcomes shared by the tests.

#include "splitbay6/ControlError.h"

#include <QSignalSpy>
#include <QStringList>

#include <functional>

// The number of the ControlError `call` throws; 0 when it throws none.
inline int errorNumber(const std::function<void()> &call)
{
    try {
        call();
    } catch (const splitbay6::ControlError &error) {
        return error.number();
    }
    return 0;
}

// The first argument of every signal a spy caught, as text; empties the spy.
inline QStringList takeNames(QSignalSpy &spy)
{
    QStringList names;
    for (const QVariantList &arguments : spy)
        names << arguments.at(0).toString();
    spy.clear();
    return names;
}
