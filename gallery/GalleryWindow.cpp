#include "gallery/GalleryWindow.h"

#include "gallery/GalleryPage.h"
#include "gallery/GalleryPages.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>

namespace {

constexpr int kListWidth = 170;
constexpr int kRowHeight = 28;

} // namespace

TGalleryWindow::TGalleryWindow(QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), stack_(new QStackedWidget(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    list_->setFixedWidth(kListWidth);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(list_);
    layout->addWidget(stack_, 1);
    for (TGalleryPage* page : CreateGalleryPages(stack_)) {
        pages_.append(page);
        // A page taller or wider than the window scrolls; the page itself
        // stays where it would stand without the scroll area.
        auto* scroll = new QScrollArea(stack_);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(page);
        stack_->addWidget(scroll);
        auto* item = new QListWidgetItem(page->PaletteName(), list_);
        item->setSizeHint(QSize(kListWidth, kRowHeight));
    }
    connect(list_, &QListWidget::currentRowChanged, this, &TGalleryWindow::ShowPage);
    move(0, 0);
    resize(1010, 740);
    ShowPage(0);
}

void TGalleryWindow::ShowPage(int index)
{
    if (index < 0 || index >= pages_.size())
        return;
    stack_->setCurrentIndex(index);
    if (list_->currentRow() != index)
        list_->setCurrentRow(index);
    setWindowTitle(QStringLiteral("Quil gallery - %1").arg(pages_[index]->PaletteName()));
}

int TGalleryWindow::CurrentPage() const { return stack_->currentIndex(); }
