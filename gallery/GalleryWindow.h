#pragma once
// The gallery's window: the list of pages on the left (named after the
// palette pages), the chosen page on the right, its name in the title.

#include <QList>
#include <QWidget>

class QListWidget;
class QStackedWidget;
class TGalleryPage;

class TGalleryWindow : public QWidget {
    Q_OBJECT

public:
    explicit TGalleryWindow(QWidget* parent = nullptr);

    QList<TGalleryPage*> Pages() const { return pages_; }
    void ShowPage(int index);
    int CurrentPage() const;

private:
    QListWidget* list_;
    QStackedWidget* stack_;
    QList<TGalleryPage*> pages_;
};
