#pragma once
// TMenuItem: one line of a popup menu. Items are placed in window
// descriptions inside their menu (or inside another item, which makes that
// item a submenu), in the order they are shown. A caption of "-" is a
// separator line; "&" marks the key letter, as on the classic platform.

#include <QObject>
#include <QString>

class TMenuItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY CheckedChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY VisibleChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Checked", "False")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Visible", "True")

public:
    explicit TMenuItem(QObject* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool IsLine() const { return caption_ == QLatin1String("-"); }

    // The items below this one (a submenu when there are any), in order.
    QList<TMenuItem*> Items() const;
    // What choosing the item does: raises OnClick.
    void Click();

signals:
    void CaptionChanged();
    void CheckedChanged();
    void EnabledChanged();
    void VisibleChanged();
    void OnClick(QObject* Sender);

private:
    QString caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};
