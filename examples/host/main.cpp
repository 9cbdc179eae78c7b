// The example host. With a display it is the application; on the offscreen
// platform it runs a short scripted session and writes its pictures to the
// --out folder.

#include "DemoSession.h"
#include "HostWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quote chart host"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder for the pictures written when there is no display.", "folder",
                                       "out");
    parser.addOption(outOption);
    parser.process(app);

    const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen");
    // The scripted session starts from no settings, the user's and the chart's alike.
    QTemporaryDir settings;
    if (headless)
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    HostWindow window;
    window.show();
    if (!headless)
        return app.exec();
    QDir().mkpath(parser.value(outOption));
    return runDemoSession(window, parser.value(outOption)) ? 0 : 1;
}
