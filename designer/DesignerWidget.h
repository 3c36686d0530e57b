#pragma once
// One component class as Qt Designer and QUiLoader see it: its palette page as
// the group, an icon drawn by a newly placed instance, the header for uic and
// the starting geometry of a placed instance.

#include "framework/ComponentRegistry.h"

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TDesignerWidget(const TComponentClass& cls, QObject* parent);

    QString name() const override { return cls_.ClassName; }
    QString group() const override { return cls_.Page; }
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QString domXml() const override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QWidget* createWidget(QWidget* parent) override;

private:
    QWidget* CreateUnparentedFor(QWidget* parent);

    TComponentClass cls_;
    bool initialized_ = false;
    // Designer is the host (it passes its core); QUiLoader builds run-time forms.
    bool designing_ = false;
    mutable QIcon icon_;
};
