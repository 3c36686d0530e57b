#include "qml/generator/QmlTypeWriter.h"

#include "framework/StreamProperties.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QMetaType>
#include <QQuickItem>
#include <QWidget>

namespace {

// Published properties an item already has in its own terms (geometry,
// layout, visibility) or that name the object rather than describe it.
// Enabled follows the item's own enabled.
const QStringList kItemOwned = {"Left", "Top", "Width", "Height", "Align", "Visible", "TabOrder", "Name", "Enabled"};

// The C++ type a QML property or signal argument of this meta-type has; empty
// when QML cannot take it.
QString QmlCppType(QMetaType type)
{
    if (!type.isValid())
        return {};
    if (type.flags().testFlag(QMetaType::IsEnumeration))
        return "int";
    switch (type.id()) {
    case QMetaType::Bool: return "bool";
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return "int";
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double: return "double";
    case QMetaType::QString: return "QString";
    case QMetaType::QStringList: return "QStringList";
    default: return {};
    }
}

// The members every Quil item has beside those of a Qt Quick item.
const QStringList kQuilItemMembers = {"componentClass", "picture", "pictureCount", "accessibleActions",
                                      "doAccessibleAction"};

bool ItemHasMember(const QString& name)
{
    if (kQuilItemMembers.contains(name))
        return true;
    const QMetaObject& item = QQuickItem::staticMetaObject;
    if (item.indexOfProperty(name.toLatin1()) >= 0)
        return true;
    for (int i = 0; i < item.methodCount(); ++i)
        if (QString::fromLatin1(item.method(i).name()) == name)
            return true;
    return false;
}

} // namespace

QString TQmlTypeWriter::QmlName(const QString& name)
{
    QString result = name;
    if (result.isEmpty())
        return result;
    result[0] = result[0].toLower();
    if (result.size() > 2 && result.startsWith("on") && result[2].isUpper())
        result[2] = result[2].toLower();
    return result;
}

QString TQmlTypeWriter::TypeName(const QMetaObject& meta)
{
    QString name = QString::fromLatin1(meta.className());
    if (name.size() > 1 && name.startsWith('T'))
        name = name.mid(1);
    name[0] = name[0].toUpper();
    return name;
}

QString TQmlTypeWriter::Properties(const QMetaObject& meta, QString& members, QString& signalList,
                                   QStringList& skipped)
{
    QString props;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        const QString name = QString::fromLatin1(p.name());
        // A class that declares an inherited property again is read through
        // the last declaration only.
        if (kItemOwned.contains(name) || meta.indexOfProperty(p.name()) != i)
            continue;
        QString qml = QmlName(name);
        // A name an item already uses for something else ("state") is
        // qualified as the component's.
        if (ItemHasMember(qml))
            qml = "component" + name;
        if (p.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            // A part object (a scale, an indicator, a font) is reached through
            // the item and keeps its own property names.
            props += QString("    Q_PROPERTY(QObject* %1 READ read_%2 CONSTANT)\n").arg(qml, name);
            members += QString("    QObject* read_%1() const { return Read(\"%1\").value<QObject*>(); }\n").arg(name);
            continue;
        }
        const QString notify = qml + "Changed";
        if (p.isEnumType() && !p.isFlagType()) {
            props += QString("    Q_PROPERTY(QString %1 READ read_%2%3 NOTIFY %4)\n")
                         .arg(qml, name, p.isWritable() ? QString(" WRITE write_%1").arg(name) : QString(), notify);
            members += QString("    QString read_%1() const { return ReadEnum(\"%1\"); }\n").arg(name);
            if (p.isWritable())
                members += QString("    void write_%1(const QString& v) { WriteEnum(\"%1\", \"%2\", v); }\n").arg(name, qml);
            signalList += QString("    void %1();\n").arg(notify);
            continue;
        }
        // A library colour is a QML color: "red", "#ff0000" and other items'
        // colours bind to it; the component keeps its colour number.
        if (TPublishedProperties::DeclaredTypeName(p) == "TColor") {
            props += QString("    Q_PROPERTY(QColor %1 READ read_%2%3 NOTIFY %4)\n")
                         .arg(qml, name, p.isWritable() ? QString(" WRITE write_%1").arg(name) : QString(), notify);
            members += QString("    QColor read_%1() const { return ReadColor(\"%1\"); }\n").arg(name);
            if (p.isWritable())
                members += QString("    void write_%1(const QColor& v) { WriteColor(\"%1\", \"%2\", v); }\n").arg(name, qml);
            signalList += QString("    void %1();\n").arg(notify);
            continue;
        }
        const QString type = QmlCppType(p.metaType());
        if (type.isEmpty()) {
            skipped << QString("property %1 (%2)").arg(name, QString::fromLatin1(p.typeName()));
            continue;
        }
        props += QString("    Q_PROPERTY(%1 %2 READ read_%3%4 NOTIFY %5)\n")
                     .arg(type, qml, name, p.isWritable() ? QString(" WRITE write_%1").arg(name) : QString(), notify);
        members += QString("    %1 read_%2() const { return Read(\"%2\").value<%1>(); }\n").arg(type, name);
        if (p.isWritable())
            members += QString("    void write_%2(%1 v) { Write(\"%2\", QVariant::fromValue(v)); }\n").arg(type, name);
        signalList += QString("    void %1();\n").arg(notify);
    }
    return props;
}

static bool IsNotifySignal(const QMetaObject& meta, int methodIndex)
{
    for (int p = 0; p < meta.propertyCount(); ++p)
        if (meta.property(p).notifySignalIndex() == methodIndex)
            return true;
    return false;
}

QString TQmlTypeWriter::Events(const QMetaObject& meta, QString& signalList, QStringList& skipped)
{
    const QString cls = QString::fromLatin1(meta.className());
    QString connects;
    for (int i = QWidget::staticMetaObject.methodCount(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        const QString name = QString::fromLatin1(m.name());
        if (m.methodType() != QMetaMethod::Signal || !name.startsWith("On") || name.size() < 3)
            continue;
        // A property's notify signal (OnColorChanged of OnColor) is no event.
        if (IsNotifySignal(meta, i))
            continue;
        QString qml = QmlName(name.mid(2));
        if (ItemHasMember(qml))
            qml += "Event";
        QStringList lambdaArgs, qmlArgs, emitted;
        bool carried = true;
        for (int a = 0; a < m.parameterCount(); ++a) {
            const QString argName = QString::fromLatin1(m.parameterNames().value(a));
            if (a == 0 && argName == "Sender") {
                lambdaArgs << "auto&&";
                continue;
            }
            lambdaArgs << QString("auto&& a%1").arg(a);
            QMetaType argType = m.parameterMetaType(a);
            if (!argType.isValid()) {
                // A key passed by reference (uint16_t&) is handed to QML as its value.
                QByteArray typeName = m.parameterTypes().value(a);
                typeName.replace("&", "").replace("uint16_t", "ushort");
                argType = QMetaType::fromName(typeName);
            }
            const QString type = QmlCppType(argType);
            if (type.isEmpty()) {
                carried = false;
                break;
            }
            qmlArgs << QString("%1 %2").arg(type, QmlName(argName));
            emitted << QString("%1(QmlValue(a%2))").arg(type).arg(a);
        }
        if (!carried) {
            skipped << QString("event %1").arg(QString::fromLatin1(m.methodSignature()));
            continue;
        }
        signalList += QString("    void %1(%2);\n").arg(qml, qmlArgs.join(", "));
        connects += QString("        connect(c, &%1::%2, this, [this](%3) { emit %4(%5); });\n")
                        .arg(cls, name, lambdaArgs.join(", "), qml, emitted.join(", "));
    }
    return connects;
}

QString TQmlTypeWriter::Declaration(const QMetaObject& meta, bool withMethods)
{
    const QString cls = QString::fromLatin1(meta.className());
    const QString type = TypeName(meta);
    QString members, signalList;
    QStringList skipped;
    const QString props = Properties(meta, members, signalList, skipped);
    const QString connects = Events(meta, signalList, skipped);
    QString out;
    if (!skipped.isEmpty())
        out += QString("// %1: not carried to QML: %2.\n").arg(cls, skipped.join(", "));
    out += QString("class Quil%1 : public QuilItem {\n    Q_OBJECT\n    QML_NAMED_ELEMENT(%1)\n").arg(type);
    if (withMethods)
        out += QString("    QML_EXTENDED(Quil%1Methods)\n").arg(type);
    out += props;
    out += QString("\npublic:\n    explicit Quil%1(QQuickItem* parent = nullptr) : QuilItem(QStringLiteral(\"%2\"), parent)\n    {\n")
               .arg(type, cls);
    if (!connects.isEmpty())
        out += QString("        auto* c = static_cast<%1*>(Component());\n").arg(cls) + connects;
    out += "        Attach();\n    }\n";
    out += members;
    if (!signalList.isEmpty())
        out += "\nsignals:\n" + signalList;
    out += "};\n\n";
    return out;
}
