#pragma once
// TOpenDialog: the choices of File > Open: the file, its separator and
// decimal sign (or "Detect"), what a bad row does (stop the load, or skip
// it and list it) and whether the file is followed as it grows. The choices
// start as the command line or the last open left them.

#include "trend/CsvOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class TOpenDialog : public QDialog {
    Q_OBJECT
public:
    TOpenDialog(const TCsvOptions& options, bool follow, QWidget* parent = nullptr);

    QString File() const;
    TCsvOptions Options() const;
    bool Follow() const;

private:
    void Browse();

    QLineEdit* file_;
    QComboBox* separator_;
    QComboBox* decimal_;
    QRadioButton* stop_;
    QRadioButton* skip_;
    QCheckBox* follow_;
};
