// A host built against the installed packages: it must compile against the
// public headers only, link, and catch the controls' errors by type.

#include <quotechart/ControlError.h>
#include <splitbay6/ControlError.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    try {
        throw quotechart::ControlError(53);
    } catch (const quotechart::ControlError &error) {
        if (error.number() != 53 || error.text() != QStringLiteral("File not found"))
            return 1;
    }
    try {
        throw splitbay6::ControlError(387);
    } catch (const splitbay6::ControlError &error) {
        if (error.number() != 387)
            return 1;
    }
    std::puts("consumer ok");
    return 0;
}
