#include "qml/QmlArguments.h"

#include <QColor>
#include <QQmlEngine>
#include <QtQml/qqml.h>

void ThrowQmlError(QObject* object, const QString& message)
{
    if (QQmlEngine* engine = qmlEngine(object))
        engine->throwError(message);
    else
        qWarning("Quil: %s", qPrintable(message));
}

bool ColorArgument(const QVariant& value, TColor& color)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Double:
    case QMetaType::LongLong:
        color = TColor(value.toLongLong());
        return true;
    case QMetaType::QColor:
    case QMetaType::QString: {
        const QColor qcolor = value.metaType().id() == QMetaType::QColor ? value.value<QColor>()
                                                                         : QColor::fromString(value.toString());
        if (!qcolor.isValid())
            return false;
        color = QColorToColor(qcolor);
        return true;
    }
    default: return false;
    }
}
