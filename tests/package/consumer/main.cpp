// A host built against the installed packages: it must compile against the
// public headers only, link, catch the controls' errors by type and by their
// numbers' names, load the libraries its headers' versions name, and find
// the installed samples without being told where they are.

#include <quotechart/ControlError.h>
#include <quotechart/HostHooks.h>
#include <quotechart/Version.h>
#include <splitbay6/ControlError.h>
#include <splitbay6/Version.h>

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace {

struct Named {
    int number;
    const char *text;
};

// Each library's names with the standard texts its ControlError gives them.
template <typename Error> bool textsMatch(std::initializer_list<Named> names)
{
    bool ok = true;
    for (const Named &name : names) {
        const Error error(name.number);
        if (error.number() != name.number || std::strcmp(error.what(), name.text) != 0 ||
            error.text() != QString::fromUtf8(name.text)) {
            std::printf("error %d reads \"%s\", not \"%s\"\n", name.number, error.what(), name.text);
            ok = false;
        }
    }
    return ok;
}

}   // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    try {
        throw quotechart::ControlError(53);
    } catch (const quotechart::ControlError &error) {
        if (error.number() != quotechart::ErrorNumber::FileNotFound || error.text() != QStringLiteral("File not found"))
            return 1;
    }
    try {
        throw splitbay6::ControlError(387);
    } catch (const splitbay6::ControlError &error) {
        if (error.number() != splitbay6::ErrorNumber::SettingNotPermitted)
            return 1;
    }

    namespace qc = quotechart::ErrorNumber;
    const bool chartNames = textsMatch<quotechart::ControlError>({
        {qc::Overflow, "Overflow"},
        {qc::SubscriptOutOfRange, "Subscript out of range"},
        {qc::DivisionByZero, "Division by zero"},
        {qc::TypeMismatch, "Type mismatch"},
        {qc::FileNotFound, "File not found"},
        {qc::InputPastEndOfFile, "Input past end of file"},
        {qc::PathFileAccessError, "Path/File access error"},
        {qc::PathNotFound, "Path not found"},
        {qc::InvalidPropertyValue, "Invalid property value"},
        {qc::SetNotSupportedAtRunTime, "Set not supported at run time"},
        {qc::SettingNotPermitted, "Setting not permitted"},
        {qc::PrinterError, "Printer error"},
    });
    namespace sb = splitbay6::ErrorNumber;
    const bool paneNames = textsMatch<splitbay6::ControlError>({
        {sb::Overflow, "Overflow"},
        {sb::SubscriptOutOfRange, "Subscript out of range"},
        {sb::TypeMismatch, "Type mismatch"},
        {sb::FileNotFound, "File not found"},
        {sb::InputPastEndOfFile, "Input past end of file"},
        {sb::PathFileAccessError, "Path/File access error"},
        {sb::PathNotFound, "Path not found"},
        {sb::InvalidPropertyValue, "Invalid property value"},
        {sb::SetNotSupportedAtRunTime, "Set not supported at run time"},
        {sb::SettingNotPermitted, "Setting not permitted"},
        {sb::PrinterError, "Printer error"},
    });
    if (!chartNames || !paneNames)
        return 1;

    // The headers name the project's version, and the libraries loaded are that version.
    if (std::strcmp(QUOTECHART_VERSION_STRING, EXPECTED_VERSION) != 0 ||
        std::strcmp(SPLITBAY6_VERSION_STRING, EXPECTED_VERSION) != 0 ||
        QUOTECHART_VERSION < QUOTECHART_VERSION_CHECK(1, 0, 0) ||
        QStringLiteral("%1.%2.%3")
                .arg(QUOTECHART_VERSION >> 16)
                .arg((QUOTECHART_VERSION >> 8) & 0xff)
                .arg(QUOTECHART_VERSION & 0xff) != QStringLiteral(EXPECTED_VERSION) ||
        std::strcmp(quotechart::version(), QUOTECHART_VERSION_STRING) != 0 ||
        std::strcmp(splitbay6::version(), SPLITBAY6_VERSION_STRING) != 0) {
        std::printf("loaded %s and %s, built against %s and %s\n", quotechart::version(), splitbay6::version(),
                    QUOTECHART_VERSION_STRING, SPLITBAY6_VERSION_STRING);
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
