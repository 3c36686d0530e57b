#include "gallery/GalleryPage.h"

#include "gallery/PropertyEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TGalleryPage::TGalleryPage(const QString& paletteName, QWidget* parent, int columns)
    : QWidget(parent), paletteName_(paletteName), grid_(new QGridLayout(this)), columns_(columns)
{
    grid_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TGalleryPage::AddSection(QWidget* component, const QStringList& properties, const QList<QWidget*>& extras)
{
    auto* left = new QVBoxLayout;
    // The component keeps the size it gives itself or was given; it sits in a
    // plain holder so that no layout resizes it.
    auto* holder = new QWidget;
    holder->setFixedSize(component->size());
    component->setParent(holder);
    component->move(0, 0);
    component->show();
    left->addWidget(holder, 0, Qt::AlignLeft | Qt::AlignTop);
    for (QWidget* extra : extras)
        left->addWidget(extra, 0, Qt::AlignLeft);
    left->addStretch();
    AddBox(component, left, properties);
    components_.append(component);
}

void TGalleryPage::AddWindowSection(QWidget* window, QWidget* component, const QStringList& properties)
{
    auto* left = new QVBoxLayout;
    auto* button = new QPushButton(QStringLiteral("Show window"));
    button->setCheckable(true);
    connect(button, &QPushButton::toggled, window, [window, button](bool on) {
        window->setVisible(on);
        button->setText(on ? QStringLiteral("Hide window") : QStringLiteral("Show window"));
    });
    left->addWidget(button, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addStretch();
    QWidget* box = AddBox(component, left, properties);
    components_.append(component);
    // The window is not a child widget, but it goes with the page.
    connect(box, &QObject::destroyed, window, [window] { delete window; });
}

void TGalleryPage::AddNodeSection(QObject* node, QWidget* panel, const QStringList& properties)
{
    auto* left = new QVBoxLayout;
    left->addWidget(panel, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addStretch();
    AddBox(node, left, properties);
    nodes_.append(node);
}

QWidget* TGalleryPage::AddBox(QObject* component, QLayout* left, const QStringList& properties)
{
    const qsizetype index = sections_.size();
    auto* box = new QGroupBox(QString::fromLatin1(component->metaObject()->className()), this);
    auto* row = new QHBoxLayout(box);
    row->addLayout(left);
    auto* editor = new TPropertyEditor(component, properties, box);
    row->addWidget(editor, 0, Qt::AlignTop);
    grid_->addWidget(box, int(index / columns_), int(index % columns_), Qt::AlignLeft | Qt::AlignTop);
    sections_.append(component);
    editors_.append(editor);
    return box;
}

TPropertyEditor* TGalleryPage::EditorOf(const QObject* component) const
{
    const qsizetype at = sections_.indexOf(const_cast<QObject*>(component));
    return at < 0 ? nullptr : editors_[at];
}
