// A host built against the installed packages: it must compile against the
// public headers only, link, catch the controls' errors by type, and find
// the installed samples without being told where they are.

#include <quotechart/ControlError.h>
#include <quotechart/HostHooks.h>
#include <splitbay6/ControlError.h>

#include <QApplication>
#include <QFile>

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
    const QString sample = quotechart::applicationPath() + QStringLiteral("/hist/MSFT.csv");
    if (!QFile::exists(sample)) {
        std::fprintf(stderr, "no sample history at %s\n", qPrintable(sample));
        return 1;
    }
    std::puts("consumer ok");
    return 0;
}
