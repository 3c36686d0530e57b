#pragma once
// The gallery's pages in the order they are listed. A component family gets
// its page (a TGalleryPage subclass named after its palette page) by one more
// line in CreateGalleryPages.

#include <QList>

class QWidget;
class TGalleryPage;

QList<TGalleryPage*> CreateGalleryPages(QWidget* parent);
