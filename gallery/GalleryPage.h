#pragma once
// One page of the gallery: the components of one palette page, each in a
// section of its own with the component live on the left and editors for its
// main properties on the right. A page adds its sections in its constructor.

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QGridLayout;
class QLayout;
class TPropertyEditor;

class TGalleryPage : public QWidget {
    Q_OBJECT

public:
    // Sections are laid out in the given number of columns.
    TGalleryPage(const QString& paletteName, QWidget* parent, int columns = 2);

    // The palette page this gallery page shows.
    QString PaletteName() const { return paletteName_; }
    // The live components, in section order.
    QList<QWidget*> Components() const { return components_; }
    // The non-visual components, in section order.
    QList<QObject*> Nodes() const { return nodes_; }
    TPropertyEditor* EditorOf(const QObject* component) const;

protected:
    // Adds a section: the component (re-parented into the section, keeping its
    // size) and editors for the named properties (see TPropertyEditor). The
    // extras (buttons and the like) go below the component.
    void AddSection(QWidget* component, const QStringList& properties, const QList<QWidget*>& extras = {});
    // A section for a component that lives on a window of its own (the
    // shaped window): a button shows and hides the window.
    void AddWindowSection(QWidget* window, QWidget* component, const QStringList& properties);
    // A section for a non-visual component: a panel that shows what the
    // component does (the page builds it) beside the editors of its properties.
    void AddNodeSection(QObject* node, QWidget* panel, const QStringList& properties);

private:
    QWidget* AddBox(QObject* component, QLayout* left, const QStringList& properties);

    QString paletteName_;
    QGridLayout* grid_;
    int columns_;
    QList<QWidget*> components_;
    QList<QObject*> nodes_;
    QList<QObject*> sections_; // every component, visual or not, in section order
    QList<TPropertyEditor*> editors_;
};
