#include "controllers/ValidateRange.h"

#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QLineEdit>
#include <QPointer>

namespace quotechart {

namespace {

void setBackground(QLineEdit *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

// The field may be gone when the message returns (its chart closed).
void refuse(QLineEdit *field, const QString &message, QMessageBox::Icon icon)
{
    const QPointer<QLineEdit> alive(field);
    setBackground(field, QColor(255, 0, 0));
    platform::messageBox(field, message, icon);
    if (alive)
        setBackground(field, QColor(255, 255, 255));
}

}   // namespace

FieldCheck checkRange(QLineEdit *field, int16_t low, int16_t high)
{
    const std::optional<double> value = platform::strictNumber(field->text());
    if (!value) {
        refuse(field, QStringLiteral("Numeric expression required"), QMessageBox::Warning);
        return FieldCheck::NotANumber;
    }
    if (*value < low) {
        refuse(field, QStringLiteral("The value has to be greater than ") + QString::number(low), QMessageBox::NoIcon);
        return FieldCheck::OutOfRange;
    }
    if (*value > high) {
        refuse(field, QStringLiteral("The value has to be less than ") + QString::number(high), QMessageBox::NoIcon);
        return FieldCheck::OutOfRange;
    }
    return FieldCheck::Valid;
}

}   // namespace quotechart
