#include "gallery/PropertyEditor.h"

#include "framework/Color.h"
#include "framework/Exception.h"
#include "framework/StreamProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPixmap>
#include <QScopeGuard>
#include <QSpinBox>
#include <tuple>

namespace {

QIcon Swatch(TColor color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(ColorToQColor(color));
    return QIcon(pixmap);
}

} // namespace

TPropertyEditor::TPropertyEditor(QObject* component, const QStringList& paths, QWidget* parent)
    : QWidget(parent)
    , component_(component)
{
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setVerticalSpacing(2);
    for (const QString& path : paths)
        AddRow(path);
    Refresh();
}

std::pair<QObject*, QMetaProperty> TPropertyEditor::Resolve(QObject* component, const QString& path)
{
    QObject* owner = component;
    const QStringList parts = path.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto property = TPublishedProperties::Find(owner->metaObject(), parts[i]);
        if (!property)
            throw Exception(QStringLiteral("Gallery: %1 has no property '%2'")
                                .arg(QString::fromLatin1(component->metaObject()->className()), path));
        if (i == parts.size() - 1)
            return {owner, *property};
        owner = property->read(owner).value<QObject*>();
        if (!owner)
            throw Exception(QStringLiteral("Gallery: '%1' of %2 is not a record")
                                .arg(parts[i], QString::fromLatin1(component->metaObject()->className())));
    }
    return {owner, {}};
}

void TPropertyEditor::AddRow(const QString& path)
{
    Row row;
    row.path = path;
    std::tie(row.owner, row.property) = Resolve(component_, path);
    row.editor = MakeEditor(row);
    row.editor->setObjectName(path);
    // A value the component only reports (a weight, a status word) is shown, not edited.
    row.editor->setEnabled(row.property.isWritable());
    static_cast<QFormLayout*>(layout())->addRow(path, row.editor);
    // Every published property notifies, whoever changes it (the user on the
    // component, a timer, a refused write that keeps the old value is silent).
    const QMetaMethod refresh = metaObject()->method(metaObject()->indexOfSlot("RefreshRow()"));
    if (row.property.hasNotifySignal())
        connect(row.owner, row.property.notifySignal(), this, refresh);
    rows_.append(std::move(row));
}

QWidget* TPropertyEditor::MakeEditor(Row& row)
{
    switch (TPublishedProperties::KindOf(row.property)) {
    case TPublishedProperties::Boolean: {
        auto* box = new QCheckBox(this);
        connect(box, &QCheckBox::toggled, this, [this, row](bool on) { Write(row, on); });
        row.show = [box](const QVariant& v) { box->setChecked(v.toBool()); };
        return box;
    }
    case TPublishedProperties::Integer: {
        auto* box = new QSpinBox(this);
        box->setRange(-1000000, 1000000);
        box->setKeyboardTracking(false);
        connect(box, &QSpinBox::valueChanged, this, [this, row](int v) { Write(row, v); });
        row.show = [box](const QVariant& v) { box->setValue(v.toInt()); };
        return box;
    }
    case TPublishedProperties::Float: {
        auto* box = new QDoubleSpinBox(this);
        box->setRange(-1e6, 1e6);
        box->setDecimals(1);
        box->setKeyboardTracking(false);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, row](double v) { Write(row, v); });
        row.show = [box](const QVariant& v) { box->setValue(v.toDouble()); };
        return box;
    }
    case TPublishedProperties::Color: return MakeColorEditor(row);
    case TPublishedProperties::Enumeration: return MakeEnumEditor(row);
    default: {
        auto* edit = new QLineEdit(this);
        connect(edit, &QLineEdit::editingFinished, this, [this, row, edit] { Write(row, edit->text()); });
        row.show = [edit](const QVariant& v) { edit->setText(v.toString()); };
        return edit;
    }
    }
}

QWidget* TPropertyEditor::MakeColorEditor(Row& row)
{
    auto* box = new QComboBox(this);
    for (const TColor color : NamedColors())
        if (color != clNone && color != clDefault)
            box->addItem(Swatch(color), ColorToString(color), color);
    connect(box, &QComboBox::activated, this, [this, row, box](int index) { Write(row, box->itemData(index)); });
    row.show = [box](const QVariant& v) {
        const TColor color = TColor(v.toInt());
        int at = box->findData(color);
        if (at < 0) {
            box->addItem(Swatch(color), ColorToString(color), color);
            at = box->count() - 1;
        }
        box->setCurrentIndex(at);
    };
    return box;
}

QWidget* TPropertyEditor::MakeEnumEditor(Row& row)
{
    auto* box = new QComboBox(this);
    const QMetaEnum values = row.property.enumerator();
    for (int i = 0; i < values.keyCount(); ++i)
        box->addItem(QLatin1String(values.key(i)), values.value(i));
    connect(box, &QComboBox::activated, this, [this, row, box](int index) { Write(row, box->itemData(index)); });
    row.show = [box](const QVariant& v) { box->setCurrentIndex(box->findData(v.toInt())); };
    return box;
}

void TPropertyEditor::Write(const Row& row, const QVariant& value)
{
    if (!component_)
        return;
    QVariant converted = value;
    if (row.property.isEnumType())
        converted = value.toInt();
    // A setter that refuses the value throws; the application shows the text
    // and the editor returns to the kept value (no signal comes for it).
    // (The editors' handlers hold copies of their rows made before the rows
    // were complete: the kept row is shown.)
    const auto restore = qScopeGuard([this, &row] {
        for (const Row& kept : rows_)
            if (kept.path == row.path)
                Show(kept);
    });
    row.property.write(row.owner, converted);
    if (auto* widget = qobject_cast<QWidget*>(component_.data()))
        widget->update();
}

void TPropertyEditor::Refresh()
{
    for (const Row& row : rows_)
        if (!row.editor->hasFocus())
            Show(row);
}

void TPropertyEditor::RefreshRow()
{
    const QObject* owner = sender();
    const int signal = senderSignalIndex();
    for (const Row& row : rows_)
        if (row.owner == owner && row.property.notifySignalIndex() == signal)
            Show(row);
}

void TPropertyEditor::Show(const Row& row)
{
    if (!component_)
        return;
    const QSignalBlocker blocker(row.editor);
    row.show(row.property.read(row.owner));
}

QWidget* TPropertyEditor::EditorOf(const QString& path) const
{
    for (const Row& row : rows_)
        if (row.path == path)
            return row.editor;
    return nullptr;
}
