#pragma once
// A form of editors for chosen published properties of one component: a check
// box, spin box, text field or choice list per property, picked by the
// property's kind. Paths reach into owned records ("Setpoints.StreefTemp",
// "Scale.Max"). The editors follow changes the component makes itself (a
// dragged diagram point, a spin click) through the properties' notify signals.

#include <QList>
#include <QMetaProperty>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class TPropertyEditor : public QWidget {
    Q_OBJECT

public:
    // Throws Exception naming the path when a property does not exist.
    TPropertyEditor(QObject* component, const QStringList& paths, QWidget* parent = nullptr);

    // Reads every value back into its editor (the one being edited excepted).
    void Refresh();
    // The editor of a path, for tests; null when unknown.
    QWidget* EditorOf(const QString& path) const;

private:
    struct Row {
        QString path;
        QObject* owner = nullptr;
        QMetaProperty property;
        QWidget* editor = nullptr;
        std::function<void(const QVariant&)> show;
    };

    static std::pair<QObject*, QMetaProperty> Resolve(QObject* component, const QString& path);
    void AddRow(const QString& path);
    QWidget* MakeEditor(Row& row);
    QWidget* MakeColorEditor(Row& row);
    QWidget* MakeEnumEditor(Row& row);
    void Write(const Row& row, const QVariant& value);
    void Show(const Row& row);
    Q_SLOT void RefreshRow();

    QPointer<QObject> component_;
    QList<Row> rows_;
};
