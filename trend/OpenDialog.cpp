#include "trend/OpenDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QComboBox* Choices(const std::initializer_list<std::pair<const char*, char>>& items, char current)
{
    auto* box = new QComboBox;
    for (const auto& [text, value] : items) {
        box->addItem(QString::fromLatin1(text), int(value));
        if (value == current)
            box->setCurrentIndex(box->count() - 1);
    }
    return box;
}

} // namespace

TOpenDialog::TOpenDialog(const TCsvOptions& options, bool follow, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Open a log"));
    file_ = new QLineEdit;
    file_->setMinimumWidth(360);
    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    browse->setAutoDefault(false); // Return in the field opens, it does not browse
    connect(browse, &QPushButton::clicked, this, &TOpenDialog::Browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_);
    fileRow->addWidget(browse);

    separator_ = Choices({{"Detect", 0}, {"Comma (,)", ','}, {"Semicolon (;)", ';'}, {"Tab", '\t'}, {"Space", ' '}},
                         options.Separator);
    decimal_ = Choices({{"Detect", 0}, {"Point (1.5)", '.'}, {"Comma (1,5)", ','}}, options.Decimal);
    stop_ = new QRadioButton(QStringLiteral("Stop at the first (nothing of the file is shown)"));
    skip_ = new QRadioButton(QStringLiteral("Skip them and list each one"));
    (options.BadRows == TBadRowPolicy::Skip ? skip_ : stop_)->setChecked(true);
    auto* badRows = new QVBoxLayout;
    badRows->addWidget(stop_);
    badRows->addWidget(skip_);
    follow_ = new QCheckBox(QStringLiteral("Follow the file as it grows"));
    follow_->setChecked(follow);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("File:"), fileRow);
    form->addRow(QStringLiteral("Separator:"), separator_);
    form->addRow(QStringLiteral("Decimal sign:"), decimal_);
    form->addRow(QStringLiteral("Bad rows:"), badRows);
    form->addRow(QString(), follow_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Open)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Open stays off until a file is named, so Return in the field opens it.
    const auto named = [this, buttons] { buttons->button(QDialogButtonBox::Open)->setEnabled(!File().isEmpty()); };
    connect(file_, &QLineEdit::textChanged, this, named);
    named();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TOpenDialog::Browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open a log"), file_->text(),
                                                      QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (!file.isEmpty())
        file_->setText(file);
}

QString TOpenDialog::File() const { return file_->text().trimmed(); }

TCsvOptions TOpenDialog::Options() const
{
    TCsvOptions o;
    o.Separator = char(separator_->currentData().toInt());
    o.Decimal = char(decimal_->currentData().toInt());
    o.BadRows = skip_->isChecked() ? TBadRowPolicy::Skip : TBadRowPolicy::Stop;
    return o;
}

bool TOpenDialog::Follow() const { return follow_->isChecked(); }
