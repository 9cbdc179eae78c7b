#pragma once
// Settings > Data folder: the folder whose hist/ the watch list and the charts
// read and imports write, or the bundled samples.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The data folder a chosen folder means: a hist/ folder picked itself, when
// it has no hist/ inside, stands for the folder around it.
QString dataFolderFor(const QString &chosen);

class DataFolderDialog : public QDialog {
    Q_OBJECT
public:
    DataFolderDialog(const QString &current, const QString &samples, QWidget *parent = nullptr);

    // The chosen folder as a data folder (see dataFolderFor).
    QString folder() const;
    void setFolder(const QString &folder);

private:
    void browse();
    void showFolder();

    QString samples_;
    QLineEdit *folder_ = nullptr;
    QLabel *hint_ = nullptr;
    QPushButton *ok_ = nullptr;
};
