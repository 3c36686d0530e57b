#include "designer/DesignerWidget.h"

#include "designer/ComponentHeaders.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "library/ComponentPicture.h"

#include <QPixmap>
#include <QWidget>

namespace {

// "TLCD99" becomes "lcd99", "TGSpin" "gSpin": the leading capitals in lower
// case, up to the one that starts the next word.
QString ObjectNameFor(const QString& className)
{
    QString name = className.startsWith(QLatin1Char('T')) ? className.mid(1) : className;
    qsizetype run = 0;
    while (run < name.size() && !name[run].isLower())
        ++run;
    const qsizetype lower = run < name.size() && run > 1 ? run - 1 : run;
    for (qsizetype i = 0; i < lower; ++i)
        name[i] = name[i].toLower();
    return name;
}

} // namespace

TDesignerWidget::TDesignerWidget(const TComponentClass& cls, QObject* parent) : QObject(parent), cls_(cls) {}

QString TDesignerWidget::toolTip() const { return QStringLiteral("%1 (%2)").arg(cls_.ClassName, cls_.Page); }

QString TDesignerWidget::whatsThis() const
{
    return QStringLiteral("%1 from the Quil component library, palette page \"%2\".").arg(cls_.ClassName, cls_.Page);
}

QString TDesignerWidget::includeFile() const { return TComponentHeaders::Of(cls_.ClassName); }

QIcon TDesignerWidget::icon() const
{
    if (icon_.isNull())
        icon_ = QIcon(QPixmap::fromImage(TComponentPicture::Icon(cls_, 32)));
    return icon_;
}

QString TDesignerWidget::domXml() const
{
    const QSize size = TComponentPicture::DefaultSize(cls_);
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(cls_.ClassName, ObjectNameFor(cls_.ClassName))
        .arg(size.width())
        .arg(size.height());
}

void TDesignerWidget::initialize(QDesignerFormEditorInterface* core)
{
    if (initialized_)
        return;
    initialized_ = true;
    designing_ = core != nullptr;
}

QWidget* TDesignerWidget::createWidget(QWidget* parent)
{
    QWidget* widget = nullptr;
    try {
        widget = qobject_cast<QWidget*>(cls_.Create(parent));
    } catch (const Exception& e) {
        // A component that refuses its place (the shaped window wants a
        // top-level form) is still placed on Designer's form, where it only
        // shows itself; a run-time form gets no widget and says why.
        if (!designing_) {
            qWarning("Quil: cannot place %s on %s: %s", qPrintable(cls_.ClassName),
                     parent ? parent->metaObject()->className() : "no parent", e.what());
            return nullptr;
        }
        widget = CreateUnparentedFor(parent);
    }
    if (auto* control = qobject_cast<TControl*>(widget))
        control->SetDesigning(designing_);
    return widget;
}

QWidget* TDesignerWidget::CreateUnparentedFor(QWidget* parent)
{
    auto* widget = qobject_cast<QWidget*>(cls_.Create(nullptr));
    if (widget)
        widget->setParent(parent);
    return widget;
}
