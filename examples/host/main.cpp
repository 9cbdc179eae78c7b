// The example host, built as the demo and as the packaged viewer. With a
// display it is the application; asked with --scripted-session on the
// offscreen platform, it runs a short scripted session and writes its
// pictures to the --out folder.

#include "DemoSession.h"
#include "HostSettings.h"
#include "HostWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quote chart host"));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quotechart-viewer"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption sessionOption("scripted-session",
                                           "With no display (the offscreen platform), run the demo's scripted "
                                           "session and write its pictures to the --out folder.");
    const QCommandLineOption outOption("out", "Folder for the pictures of the scripted session.", "folder", "out");
    const QCommandLineOption settingsOption(
        "settings-folder", "Keep the viewer's and the chart's settings in this folder (default: the user's own).",
        "folder");
    parser.addOption(sessionOption);
    parser.addOption(settingsOption);
    parser.addOption(outOption);
    parser.process(app);

    const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen");
    // Nobody would see the window, and the session writes files: it runs only when asked.
    if (headless && !parser.isSet(sessionOption)) {
        std::fprintf(stderr, "No display to show the window on (--scripted-session runs the demo's session).\n");
        return 1;
    }
    // The scripted session starts from no settings, the user's and the chart's alike.
    QTemporaryDir settings;
    if (parser.isSet(settingsOption))
        useSettingsFolder(parser.value(settingsOption));
    else if (headless)
        useSettingsFolder(settings.path());

    HostWindow window;
    window.show();
    if (!headless)
        return app.exec();
    QDir().mkpath(parser.value(outOption));
    return runDemoSession(window, parser.value(outOption)) ? 0 : 1;
}
