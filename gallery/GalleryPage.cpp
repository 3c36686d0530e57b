#include "gallery/GalleryPage.h"

#include "gallery/PropertyEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 2;

} // namespace

TGalleryPage::TGalleryPage(const QString& paletteName, QWidget* parent)
    : QWidget(parent), paletteName_(paletteName), grid_(new QGridLayout(this))
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
    // The window is not a child widget, but it goes with the page.
    connect(box, &QObject::destroyed, window, [window] { delete window; });
}

QWidget* TGalleryPage::AddBox(QWidget* component, QLayout* left, const QStringList& properties)
{
    const qsizetype index = components_.size();
    auto* box = new QGroupBox(QString::fromLatin1(component->metaObject()->className()), this);
    auto* row = new QHBoxLayout(box);
    row->addLayout(left);
    auto* editor = new TPropertyEditor(component, properties, box);
    row->addWidget(editor, 0, Qt::AlignTop);
    grid_->addWidget(box, int(index / kColumns), int(index % kColumns), Qt::AlignLeft | Qt::AlignTop);
    components_.append(component);
    editors_.append(editor);
    return box;
}

TPropertyEditor* TGalleryPage::EditorOf(const QWidget* component) const
{
    const qsizetype at = components_.indexOf(const_cast<QWidget*>(component));
    return at < 0 ? nullptr : editors_[at];
}
