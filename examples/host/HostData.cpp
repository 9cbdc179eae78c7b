// The host's own data: the data folder the watch list and the charts use,
// and histories imported into it from CSV files.

#include "HostWindow.h"

#include "CsvHistory.h"
#include "DataFolderDialog.h"
#include "HistoryImport.h"
#include "HostSettings.h"
#include "ImportDialog.h"
#include "StandardHistory.h"

#include <quotechart/REvuved.h>

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QString DataFolderKey = QStringLiteral("dataFolder");
const QString CsvFiles = QStringLiteral("CSV files (*.csv *.txt);;All files (*)");

bool sameFolder(const QString &a, const QString &b) { return QDir::cleanPath(a) == QDir::cleanPath(b); }

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

// Reads and parses a CSV file; what makes it unfit for an import, if anything.
QString readForImport(const QString &csvPath, CsvHistory &history)
{
    const CsvFile file = readCsvFile(csvPath);
    if (!file.error.isEmpty())
        return file.error;
    history = readCsvHistory(file.bytes);
    if (!history.error.isEmpty())
        return history.error;
    return history.days.isEmpty() ? QObject::tr("no day could be read") : QString();
}

}   // namespace

void HostWindow::applyStoredDataFolder()
{
    // What the chart uses before the host says otherwise: the bundled samples.
    samplesFolder_ = quotechart::applicationPath();
    const QString stored = hostSettings().value(DataFolderKey).toString();
    if (stored.isEmpty())
        return;
    if (QFileInfo(stored).isDir()) {
        quotechart::setApplicationPath(stored);
    } else {
        statusBar()->showMessage(
            tr("The data folder %1 is missing: the watch list shows the bundled samples").arg(native(stored)));
    }
}

QString HostWindow::dataFolder() const { return quotechart::applicationPath(); }

void HostWindow::setDataFolder(const QString &folder)
{
    QSettings settings = hostSettings();
    if (sameFolder(folder, samplesFolder_))
        settings.remove(DataFolderKey);
    else
        settings.setValue(DataFolderKey, folder);
    quotechart::setApplicationPath(folder);
    refreshWatchList();
    statusBar()->showMessage(tr("Histories from %1").arg(native(QDir(folder).filePath(QStringLiteral("hist")))), 5000);
}

bool HostWindow::chooseDataFolder()
{
    DataFolderDialog dialog(dataFolder(), samplesFolder_, this);
    if (dialog.exec() != QDialog::Accepted || sameFolder(dialog.folder(), dataFolder()))
        return false;
    setDataFolder(dialog.folder());
    return true;
}

void HostWindow::importHistory()
{
    const QString path = askForFile(tr("Import history"), CsvFiles, false, QString());
    if (!path.isEmpty())
        importHistoryFrom(path);
}

bool HostWindow::importHistoryFrom(const QString &csvPath)
{
    CsvHistory history;
    if (const QString problem = readForImport(csvPath, history); !problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Import history"),
                        tr("%1 cannot be imported: %2.").arg(QFileInfo(csvPath).fileName(), problem), QMessageBox::Ok,
                        this);
        box.setInformativeText(skippedTexts(history).join(u'\n'));
        box.exec();
        return false;
    }

    ImportDialog dialog(csvPath, history, this);
    dialog.setTicker(proposedTicker(csvPath));
    const QByteArray text = standardHistoryText(history.days);
    bool ask = true;
    for (;;) {
        dialog.setDataFolder(dataFolder());
        if (ask && dialog.exec() != QDialog::Accepted)
            return false;
        ask = true;
        const QString ticker = dialog.ticker(), target = historyPathIn(dataFolder(), ticker);
        if (QFileInfo::exists(target) &&
            QMessageBox::question(this, tr("Import history"),
                                  tr("%1 already has a history in %2.\nReplace it?")
                                      .arg(ticker, native(QFileInfo(target).absolutePath())),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            continue;   // back to the dialog, for another ticker or Cancel
        const HistoryWrite written = writeHistoryFile(target, text);
        if (written.failure == HistoryWrite::None) {
            refreshWatchList(ticker);
            showImported(ticker, target, history);
            return true;
        }
        if (written.failure == HistoryWrite::Folder && offerDataFolder(written.reason)) {
            ask = false;   // the same ticker, into the folder just chosen
            continue;
        }
        if (written.failure == HistoryWrite::File)
            QMessageBox::warning(this, tr("Import history"),
                                 tr("%1 was not written: %2.\nA history that was there is kept as it was.")
                                     .arg(native(target), written.reason));
        return false;
    }
}

bool HostWindow::offerDataFolder(const QString &reason)
{
    const QString folder = native(QDir(dataFolder()).filePath(QStringLiteral("hist")));
    QMessageBox box(QMessageBox::Warning, tr("Import history"),
                    sameFolder(dataFolder(), samplesFolder_) ? tr("The bundled samples' folder cannot be written.")
                                                             : tr("The data folder cannot be written."),
                    QMessageBox::Cancel, this);
    box.setInformativeText(tr("%1: %2.").arg(folder, reason) + QStringLiteral("\n") +
                           tr("Choose a data folder of your own for your histories?"));
    QPushButton *choose = box.addButton(tr("Choose data folder..."), QMessageBox::AcceptRole);
    choose->setObjectName(QStringLiteral("chooseDataFolder"));
    box.setDefaultButton(choose);
    box.exec();
    return box.clickedButton() == choose && chooseDataFolder();
}

void HostWindow::showImported(const QString &ticker, const QString &path, const CsvHistory &history)
{
    QMessageBox box(QMessageBox::Information, tr("Import history"),
                    tr("Imported %1 into %2.").arg(ticker, native(path)), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("importResult"));
    QString details = tr("Read %1").arg(daysReadText(history));
    if (const QStringList skipped = skippedTexts(history); !skipped.isEmpty())
        details += QStringLiteral("\n\n") +
            (history.skippedCount() == 1 ? tr("Skipped 1 line:")
                                         : tr("Skipped %1 lines:").arg(history.skippedCount())) +
            QStringLiteral("\n\u2022 ") + skipped.join(QStringLiteral("\n\u2022 "));
    box.setInformativeText(details);
    box.exec();
    statusBar()->showMessage(tr("Imported %1").arg(ticker), 5000);
}
