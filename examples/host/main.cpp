// The example host. With a display it shows its window; on the offscreen
// platform it writes pictures of the window to the --out folder and exits.

#include "HostWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

bool writeSnapshot(QWidget &window, const QString &path)
{
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}   // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder for the pictures written when there is no display.", "folder",
                                       "out");
    parser.addOption(outOption);
    parser.process(app);

    HostWindow window;
    window.show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        return app.exec();

    QDir().mkpath(parser.value(outOption));
    QApplication::processEvents();
    const bool saved = writeSnapshot(window, QDir(parser.value(outOption)).filePath("demo.png"));
    return saved ? 0 : 1;
}
