#pragma once
// File > Import history: what the CSV file gave, the ticker to file it under
// (proposed from the file's name) and where it will be written.

#include <QDialog>
#include <QString>

struct CsvHistory;
class QLabel;
class QLineEdit;
class QPushButton;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const QString &csvPath, const CsvHistory &history, QWidget *parent = nullptr);

    QString ticker() const;
    void setTicker(const QString &ticker);
    // The folder whose hist/ receives the file.
    void setDataFolder(const QString &folder);

private:
    void showTarget();

    QLineEdit *ticker_ = nullptr;
    QLabel *target_ = nullptr;
    QPushButton *import_ = nullptr;
    QString dataFolder_;
};
