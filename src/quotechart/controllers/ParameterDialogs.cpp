#include "controllers/ParameterDialogs.h"

#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <vector>

namespace quotechart {

namespace {

struct Field {
    const char *caption;
    int16_t &value;
};

class ParameterDialog : public QDialog {
public:
    ParameterDialog(QWidget *parent, const char *name, const char *title, std::vector<Field> fields)
        : QDialog(parent), fields_(std::move(fields))
    {
        setObjectName(QLatin1String(name));
        setWindowTitle(QLatin1String(title));
        auto *grid = new QGridLayout(this);
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const QString index = QString::number(i + 1);
            auto *label = new QLabel(QLatin1String(fields_[i].caption), this);
            label->setObjectName(QStringLiteral("Label") + index);
            auto *text = new QLineEdit(QString::number(fields_[i].value), this);
            text->setObjectName(QStringLiteral("Text") + index);
            grid->addWidget(label, int(i), 0);
            grid->addWidget(text, int(i), 1);
            texts_.push_back(text);
        }
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("OKButton"));
        ok->setDefault(true);   // Enter presses OK; Escape rejects, as every dialog does
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("CancelButton"));
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        grid->addLayout(buttons, int(fields_.size()), 0, 1, 2);
        connect(ok, &QPushButton::clicked, this, &ParameterDialog::storeAndClose);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

private:
    // Each field is stored as soon as it converts, so a period before a
    // failing percentage stays stored.
    void storeAndClose()
    {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::optional<double> number = platform::strictNumber(texts_[i]->text());
            if (!number) {
                const QPointer<ParameterDialog> alive(this);
                platform::messageBox(this, QStringLiteral("Numeric expression required"), QMessageBox::Warning);
                if (alive)
                    texts_.front()->setFocus();
                return;
            }
            const std::optional<int16_t> value = platform::toInt16(*number);
            if (!value)
                return;
            fields_[i].value = *value;
        }
        accept();
    }

    std::vector<Field> fields_;
    std::vector<QLineEdit *> texts_;
};

// Shown modally on the heap: a parent destroyed while the dialog is open
// takes the dialog with it.
void show(ParameterDialog *dialog)
{
    const QPointer<ParameterDialog> alive(dialog);
    dialog->exec();
    delete alive.data();
}

}   // namespace

void askCustomMAPeriod(QWidget *parent, int16_t &custom_ma_period)
{
    show(new ParameterDialog(parent, "frmCustomMAperiods", "Enter periods",
                             {{"Moving average periods", custom_ma_period}}));
}

void askEnvelopeSettings(QWidget *parent, int16_t &envelope_period, int16_t &envelope_percent)
{
    show(new ParameterDialog(parent, "frmEnvelopes", "Enter Envelopes Settings",
                             {{"Moving average periods", envelope_period}, {"Percentage difference", envelope_percent}}));
}

}   // namespace quotechart
