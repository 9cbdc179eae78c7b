#include "DataFolderDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString dataFolderFor(const QString &chosen)
{
    const QString trimmed = chosen.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString folder = QFileInfo(QDir::fromNativeSeparators(trimmed)).absoluteFilePath();
    const QDir dir(folder);
    if (dir.dirName() == QLatin1String("hist") && !QFileInfo(dir.filePath(QStringLiteral("hist"))).isDir())
        return QFileInfo(folder).absolutePath();
    return folder;
}

DataFolderDialog::DataFolderDialog(const QString &current, const QString &samples, QWidget *parent)
    : QDialog(parent), samples_(samples)
{
    setObjectName(QStringLiteral("dataFolderDialog"));
    setWindowTitle(tr("Data folder"));
    auto *about = new QLabel(tr("The watch list and the charts read the histories in the hist folder of this "
                                "folder, and imported histories are written there."));
    about->setWordWrap(true);

    folder_ = new QLineEdit(QDir::toNativeSeparators(current));
    folder_->setObjectName(QStringLiteral("folderEdit"));
    connect(folder_, &QLineEdit::textChanged, this, &DataFolderDialog::showFolder);
    auto *browse = new QPushButton(tr("&Browse..."));
    browse->setObjectName(QStringLiteral("browseButton"));
    connect(browse, &QPushButton::clicked, this, &DataFolderDialog::browse);
    auto *row = new QHBoxLayout;
    row->addWidget(folder_, 1);
    row->addWidget(browse);
    hint_ = new QLabel;
    hint_->setObjectName(QStringLiteral("folderHint"));
    hint_->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    QPushButton *useSamples = buttons->addButton(tr("Bundled &samples"), QDialogButtonBox::ResetRole);
    useSamples->setObjectName(QStringLiteral("samplesButton"));
    connect(useSamples, &QPushButton::clicked, this, [this] { setFolder(samples_); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(row);
    layout->addWidget(hint_);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(520);
    showFolder();
}

QString DataFolderDialog::folder() const { return dataFolderFor(folder_->text()); }

void DataFolderDialog::setFolder(const QString &folder) { folder_->setText(QDir::toNativeSeparators(folder)); }

void DataFolderDialog::browse()
{
    // Qt's own dialog on every platform, as the host's other file choices.
    QFileDialog dialog(this, tr("Data folder"), folder());
    dialog.setObjectName(QStringLiteral("folderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        setFolder(dataFolderFor(dialog.selectedFiles().constFirst()));
}

void DataFolderDialog::showFolder()
{
    const QString chosen = folder();
    const bool exists = !chosen.isEmpty() && QFileInfo(chosen).isDir();
    ok_->setEnabled(exists);
    const QDir hist(QDir(chosen).filePath(QStringLiteral("hist")));
    QString hint;
    if (!exists)
        hint = tr("There is no such folder.");
    else if (!hist.exists())
        hint = tr("It has no hist folder yet: the first import makes it.");
    else if (const qsizetype files = hist.entryList({QStringLiteral("*.csv")}, QDir::Files).size(); files == 1)
        hint = tr("Its hist folder holds 1 history.");
    else
        hint = tr("Its hist folder holds %1 histories.").arg(files);
    if (exists && QDir::cleanPath(chosen) == QDir::cleanPath(samples_))
        hint = tr("The bundled samples. ") + hint;
    hint_->setText(hint);
}
