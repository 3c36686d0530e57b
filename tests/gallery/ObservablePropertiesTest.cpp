// Every published property of every registered component, and of the records
// it owns, notifies through the meta-object: a write that changes any value
// raises that value's signal once, and nothing else is raised; a write of the
// value it has raises nothing. The user's input on the controls notifies too.
#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "library/RegisterLibrary.h"
#include "widgets/GFader.h"
#include "widgets/GSpin.h"
#include "widgets/VrRocker.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

// One published property of one object of the component's tree.
struct Watched {
    QObject* object;
    QMetaProperty property;
    QString path;
};

bool IsOwnedRecord(const QObject* object, const QMetaProperty& p)
{
    if (!(p.metaType().flags() & QMetaType::PointerToQObject))
        return false;
    const QObject* record = p.read(object).value<QObject*>();
    return record && record->parent() == object;
}

// The object's own published properties: Qt's are not published, and a
// property a subclass declares again is taken once, as the subclass has it.
std::vector<QMetaProperty> Published(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    const int first = qobject_cast<const QWidget*>(object) ? QWidget::staticMetaObject.propertyCount()
                                                           : QObject::staticMetaObject.propertyCount();
    std::vector<QMetaProperty> list;
    for (int i = first; i < meta->propertyCount(); ++i)
        if (meta->indexOfProperty(meta->property(i).name()) == i)
            list.push_back(meta->property(i));
    return list;
}

void CollectTree(QObject* object, const QString& prefix, std::vector<Watched>& out)
{
    for (const QMetaProperty& p : Published(object)) {
        const QString path = prefix + QLatin1String(p.name());
        if (IsOwnedRecord(object, p))
            CollectTree(p.read(object).value<QObject*>(), path + QLatin1Char('.'), out);
        if (!p.isConstant())
            out.push_back({ object, p, path });
    }
}

// Values different from the current one that a setter may accept.
QList<QVariant> OtherValues(const QMetaProperty& p, const QVariant& now, QObject* host)
{
    if (p.isFlagType()) {
        const QMetaEnum e = p.enumerator();
        QList<QVariant> values;
        for (int i = 0; i < e.keyCount() && values.size() < 2; ++i)
            values.append(now.toInt() ^ e.value(i));
        return values;
    }
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        QList<QVariant> values;
        for (int i = e.keyCount() - 1; i >= 0 && values.size() < 2; --i)
            if (e.value(i) != now.toInt())
                values.append(e.value(i));
        return values;
    }
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return { !now.toBool() };
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::Short:
        return { now.toInt() + 1, now.toInt() - 1, now.toInt() + 7 };
    case QMetaType::Double:
        return { now.toDouble() + 1.5, now.toDouble() - 1.5 };
    case QMetaType::QString:
        return { now.toString() + QLatin1String("x") };
    case QMetaType::QStringList:
        return { now.toStringList() + QStringList { QStringLiteral("x") } };
    case QMetaType::QByteArray:
        if (!now.toByteArray().isEmpty())
            return { QByteArray() };
        return {};
    default:
        break;
    }
    if (p.metaType() == QMetaType::fromType<TControl*>())
        return { QVariant::fromValue<TControl*>(new TPanel(qobject_cast<QWidget*>(host))) };
    return {};
}

// Spies on every notifying property of the tree.
struct Spies {
    explicit Spies(const std::vector<Watched>& tree)
    {
        for (const Watched& w : tree)
            spies.push_back(w.property.hasNotifySignal()
                    ? std::make_unique<QSignalSpy>(w.object, w.property.notifySignal())
                    : nullptr);
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

QList<QVariant> Read(const std::vector<Watched>& tree)
{
    QList<QVariant> values;
    for (const Watched& w : tree)
        values.append(w.property.read(w.object));
    return values;
}

// Writes value and checks that exactly the values that changed were told,
// each once. Returns whether the written property itself changed.
bool WriteAndCheck(
    const std::vector<Watched>& tree, const Watched& target, const QVariant& value, const std::string& what)
{
    const QList<QVariant> before = Read(tree);
    const Spies spies(tree);
    try {
        target.property.write(target.object, value);
    } catch (const std::exception&) {
        // A refused value changes nothing, which the loop below checks.
    }
    const QList<QVariant> after = Read(tree);
    bool targetChanged = false;
    for (size_t i = 0; i < tree.size(); ++i) {
        const bool changed = !(before[qsizetype(i)] == after[qsizetype(i)]);
        if (&tree[i] == &target)
            targetChanged = changed;
        const int told = spies.spies[i] ? int(spies.spies[i]->count()) : -1;
        EXPECT_EQ(told, changed ? 1 : 0) << what << ": " << tree[i].path.toStdString() << " changed from "
                                         << before[qsizetype(i)].toString().toStdString() << " to "
                                         << after[qsizetype(i)].toString().toStdString();
    }
    return targetChanged;
}

// Properties no generic different value reaches: picture names accept only
// pictures that exist, About always reads abNone (setting it only opens the
// version box), a palette setter copies colours into the LED's own palette,
// the thermometer's marker setters need a marker, and the binary properties
// need valid pictures or regions.
const QStringList kNotWritableToADifferentValue = {
    "TImage.Picture",
    "TSpeedButton.Glyph",
    "TDiagramButton.Glyph",
    "TDiagramButton.Glyph2",
    "TKivSpinButton.DownGlyph",
    "TKivSpinButton.UpGlyph",
    "TTimerSpeedButton.Glyph",
    "TLCD99.About",
    "TvrThermoMeter.SetPoint.Bitmap",
    "TvrThermoMeter.SetPoint",
    "TvrThermoMeter.PeakMin.Bitmap",
    "TvrThermoMeter.PeakMin",
    "TvrThermoMeter.PeakMax.Bitmap",
    "TvrThermoMeter.PeakMax",
    "TvrThermoMeter.Value.Bitmap",
    "TvrThermoMeter.Value",
    "TVrBlinkLed.Palette1",
    "TVrBlinkLed.Palette2",
    "TVrBlinkLed.Palette3",
    "TVrBlinkLed.Palette4",
    "TVrFormShape.Mask",
    "TVrFormShape.RgnData",
    // A popup menu is another component of the form, which no generic value makes.
    "TKivSpinButton.PopupMenu",
    "TLCD99.PopupMenu",
    "TvrThermoMeter.PopupMenu",
    "TVrBlinkLed.PopupMenu",
    "TVrRocker.PopupMenu",
    "TVrFormShape.PopupMenu",
    "TLegenda.PopupMenu",
};

struct ObservableFixture : ::testing::Test {
    ObservableFixture() { RegisterLibraryComponents(); }
    // Values a setter refuses with a message are part of the walk.
    ~ObservableFixture() override { Dialogs::SetSink(previous); }
    Dialogs::Sink previous = Dialogs::SetSink([](Dialogs::MessageKind, const QString&, const QString&) {});
    TForm host;
};

} // namespace

TEST_F(ObservableFixture, EveryPublishedPropertyNotifiesExactlyTheChangesOfAWrite)
{
    QStringList unreached;
    int checked = 0;
    for (const TComponentClass& cls : RegisteredComponentClasses()) {
        if (cls.ClassName == QLatin1String("TForm"))
            continue; // the host itself stands for it below
        SCOPED_TRACE(cls.ClassName.toStdString());
        QObject* component = cls.Create(&host);
        ASSERT_NE(component, nullptr);
        std::vector<Watched> tree;
        CollectTree(component, QString(), tree);
        for (const QMetaProperty& p : Published(component))
            if (p.metaType().flags() & QMetaType::PointerToQObject && !p.isWritable())
                EXPECT_TRUE(p.isConstant() && IsOwnedRecord(component, p)) << p.name();
        for (const Watched& w : tree) {
            const std::string what = cls.ClassName.toStdString() + "." + w.path.toStdString();
            ASSERT_TRUE(w.property.hasNotifySignal()) << what;
            EXPECT_EQ(w.property.notifySignal().name(), QByteArray(w.property.name()) + "Changed") << what;
            if (!w.property.isWritable())
                continue;
            bool reached = false;
            const QVariant start = w.property.read(w.object);
            for (const QVariant& other : OtherValues(w.property, start, &host)) {
                if (WriteAndCheck(tree, w, other, what + " = " + other.toString().toStdString())) {
                    reached = true;
                    WriteAndCheck(tree, w, w.property.read(w.object), what + " written unchanged");
                }
                ++checked;
            }
            if (!reached)
                unreached.append(cls.ClassName + QLatin1Char('.') + w.path);
        }
        delete component;
    }
    EXPECT_GT(checked, 250);
    QStringList expected = kNotWritableToADifferentValue;
    unreached.sort();
    expected.sort();
    EXPECT_EQ(unreached.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(ObservableFixture, UserInputThatChangesAValueNotifiesIt)
{
    host.resize(400, 300);
    host.show();

    TGSpin spin(&host);
    spin.SetBounds(10, 10, 20, 40);
    spin.SetMax(10);
    spin.SetValue(5);
    QSignalSpy spinValue(&spin, &TGSpin::ValueChanged);
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(spin.Value(), 6);
    EXPECT_EQ(spinValue.count(), 1) << "a press on the up button";
    spin.setFocus();
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Value(), 5);
    EXPECT_EQ(spinValue.count(), 2) << "a key step";
    spin.SetValue(10);
    spinValue.clear();
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(spinValue.count(), 0) << "a press at the limit changes nothing";

    TGFader fader(&host);
    fader.SetBounds(10, 60, 200, 50);
    fader.SetValue(0);
    QSignalSpy faderValue(&fader, &TGFader::ValueChanged);
    QList<int> told;
    QObject::connect(&fader, &TGFader::ValueChanged, [&] { told.append(fader.Value()); });
    const QPoint head(
        fader.GetHeadX() + fader.HeadSize().width() / 2, fader.GetHeadY() + fader.HeadSize().height() / 2);
    QTest::mousePress(&fader, Qt::LeftButton, {}, head);
    for (int dx = 10; dx <= 60; dx += 10)
        QTest::mouseMove(&fader, head + QPoint(dx, 0));
    QTest::mouseRelease(&fader, Qt::LeftButton, {}, head + QPoint(60, 0));
    ASSERT_GT(fader.Value(), 0) << "the drag moved the head";
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.last(), fader.Value());
    for (qsizetype i = 1; i < told.size(); ++i)
        EXPECT_NE(told[i], told[i - 1]) << "a signal without a change";
    const int dragged = fader.Value();
    fader.setFocus();
    QTest::keyClick(&fader, Qt::Key_Right);
    EXPECT_NE(fader.Value(), dragged);
    EXPECT_EQ(told.last(), fader.Value()) << "a key step";
    EXPECT_EQ(faderValue.count(), told.size());

    TVrRocker rocker(&host);
    rocker.SetBounds(250, 10, 30, 60);
    rocker.show();
    QSignalSpy rockerState(&rocker, &TVrRocker::StateChanged);
    const auto state = rocker.State();
    QTest::mousePress(&rocker, Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_NE(rocker.State(), state);
    EXPECT_EQ(rockerState.count(), 1) << "a press on the rocker";
    const auto pressed = rocker.State();
    QTest::mouseRelease(&rocker, Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_EQ(rockerState.count(), rocker.State() != pressed ? 2 : 1) << "and its release";
}
