#include "reference/StatePicture.h"

#include "framework/Control.h"
#include "framework/StreamReader.h"

#include <QWidget>
#include <memory>

QImage TStatePicture::Draw(const TComponentClass& cls, const QStringList& assignments, const QString& source)
{
    // The object line is line 1, so assignment n stands on line n + 1.
    QString text = QStringLiteral("object Shown: %1\n").arg(cls.ClassName);
    for (const QString& assignment : assignments)
        text += QStringLiteral("  ") + assignment + QLatin1Char('\n');
    text += QStringLiteral("end\n");
    const std::unique_ptr<QObject> object(TStreamReader::Read(text, source));
    auto* widget = qobject_cast<QWidget*>(object.get());
    if (!widget)
        return {};
    // A control's own off-screen picture is exactly what it shows, but holds
    // none of its child widgets (the spin button's two buttons); those are
    // rendered through Qt with their parent.
    auto* control = qobject_cast<TControl*>(widget);
    if (control && !widget->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        return control->PaintToImage().copy();
    return widget->grab().toImage();
}
