#include "ImportDialog.h"

#include "CsvHistory.h"
#include "HistoryImport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLabel *wrappingLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}   // namespace

ImportDialog::ImportDialog(const QString &csvPath, const CsvHistory &history, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(tr("Import history"));
    auto *form = new QFormLayout;
    QLabel *file = wrappingLabel(QFileInfo(csvPath).fileName());
    file->setToolTip(QDir::toNativeSeparators(csvPath));
    form->addRow(tr("File:"), file);
    QLabel *read = wrappingLabel(daysReadText(history));
    read->setObjectName(QStringLiteral("daysRead"));
    form->addRow(tr("Read:"), read);
    const QStringList skipped = skippedTexts(history);
    if (!skipped.isEmpty()) {
        QLabel *skips = wrappingLabel(skipped.join(u'\n'));
        skips->setObjectName(QStringLiteral("linesSkipped"));
        form->addRow(tr("Skipped:"), skips);
    }

    ticker_ = new QLineEdit;
    ticker_->setObjectName(QStringLiteral("tickerEdit"));
    // Lower case is taken as typed and shown upper-cased, as the file is named.
    ticker_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9^][A-Za-z0-9._^=-]{0,19}")), ticker_));
    connect(ticker_, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text != text.toUpper()) {
            const int cursor = ticker_->cursorPosition();
            ticker_->setText(text.toUpper());
            ticker_->setCursorPosition(cursor);
        }
    });
    connect(ticker_, &QLineEdit::textChanged, this, &ImportDialog::showTarget);
    form->addRow(tr("&Ticker:"), ticker_);
    target_ = wrappingLabel(QString());
    target_->setObjectName(QStringLiteral("target"));
    form->addRow(tr("Writes:"), target_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    import_ = buttons->button(QDialogButtonBox::Ok);
    import_->setText(tr("&Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(480);
    showTarget();
}

QString ImportDialog::ticker() const { return ticker_->text(); }

void ImportDialog::setTicker(const QString &ticker)
{
    ticker_->setText(ticker.toUpper());
    ticker_->selectAll();   // typing replaces the proposal
}

void ImportDialog::setDataFolder(const QString &folder)
{
    dataFolder_ = folder;
    showTarget();
}

void ImportDialog::showTarget()
{
    const bool valid = isImportTicker(ticker());
    import_->setEnabled(valid);
    if (!valid) {
        target_->setText(tr("A ticker of letters, digits and . - _ ^ = names the file."));
        return;
    }
    const QString path = historyPathIn(dataFolder_, ticker());
    target_->setText(QFileInfo::exists(path)
                         ? tr("%1, in place of the history there").arg(QDir::toNativeSeparators(path))
                         : QDir::toNativeSeparators(path));
}
