#pragma once
// Components used only by the window-description tests: one of every
// property kind, a record whose declared defaults differ from its constructor
// values, a collection, a non-visual component with the loading protocol and
// a root with handlers.

#include "framework/Color.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/StreamCollection.h"
#include "framework/Streamable.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A record as the diagrams have them: declared defaults beside constructor values.
class TTestSetpoints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MinAlarm READ MinAlarm WRITE SetMinAlarm)
    Q_PROPERTY(int StreefTemp READ StreefTemp WRITE SetStreefTemp)
    Q_PROPERTY(int VerwarmVerschil READ VerwarmVerschil WRITE SetVerwarmVerschil)
    Q_CLASSINFO("default:MinAlarm", "50")
    Q_CLASSINFO("default:StreefTemp", "200")
    Q_CLASSINFO("default:VerwarmVerschil", "15")
public:
    explicit TTestSetpoints(QObject* parent) : QObject(parent) {}
    int MinAlarm() const { return minAlarm_; }
    void SetMinAlarm(int v) { minAlarm_ = v; }
    int StreefTemp() const { return streefTemp_; }
    void SetStreefTemp(int v) { streefTemp_ = v; }
    int VerwarmVerschil() const { return verwarmVerschil_; }
    void SetVerwarmVerschil(int v) { verwarmVerschil_ = v; }

private:
    int minAlarm_ = 50;
    int streefTemp_ = 185;      // constructor value differs from the declared default
    int verwarmVerschil_ = -15; // likewise
};

class TTestColumn : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_CLASSINFO("default:Title", "''")
    Q_CLASSINFO("default:Width", "64")
public:
    explicit TTestColumn(QObject* parent) : QObject(parent) {}
    QString Title() const { return title_; }
    void SetTitle(const QString& v) { title_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    QString title_;
    int width_ = 64;
};

class TTestColumns : public QObject, public TStreamCollection {
    Q_OBJECT
public:
    explicit TTestColumns(QObject* parent) : QObject(parent) {}
    void ClearItems() override
    {
        qDeleteAll(items_);
        items_.clear();
    }
    QObject* AddItem() override
    {
        items_.append(new TTestColumn(this));
        return items_.last();
    }
    QList<QObject*> Items() const override
    {
        return QList<QObject*>(items_.begin(), items_.end());
    }
    QList<TTestColumn*> items_;
};

class TTestWidget : public TGraphicControl {
    Q_OBJECT
public:
    enum TTestMode { tmFirst, tmSecond, tmThird };
    Q_ENUM(TTestMode)
    enum TTestOption { toA = 1, toB = 2, toC = 4 };
    Q_DECLARE_FLAGS(TTestOptions, TTestOption)
    Q_FLAG(TTestOptions)

private:
    Q_PROPERTY(int Speed READ Speed WRITE SetSpeed)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(TColor OnColor READ OnColor WRITE SetOnColor)
    Q_PROPERTY(double Ratio READ Ratio WRITE SetRatio)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TTestMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(TTestOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(QByteArray Data READ Data WRITE SetData)
    Q_PROPERTY(QByteArray RgnData READ RgnData WRITE SetRgnData)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(uchar Index READ Index WRITE SetIndex)
    Q_PROPERTY(TTestSetpoints* Setpoints READ Setpoints)
    Q_PROPERTY(TTestColumns* Columns READ Columns)
    Q_PROPERTY(TTestWidget* Buddy READ Buddy WRITE SetBuddy)
    Q_PROPERTY(int Secret READ Secret WRITE SetSecret STORED false)
    Q_CLASSINFO("default:Speed", "10")
    Q_CLASSINFO("default:Active", "True")
    Q_CLASSINFO("default:OnColor", "clLime")
    Q_CLASSINFO("default:Ratio", "0.5")
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Mode", "tmFirst")
    Q_CLASSINFO("default:Options", "[]")
    Q_CLASSINFO("default:Index", "1")
    Q_CLASSINFO("default:Data", "{}")
    Q_CLASSINFO("default:RgnData", "{}")
    Q_CLASSINFO("default:Lines", "()")
    Q_CLASSINFO("binary:RgnData", "counted")

public:
    explicit TTestWidget(QWidget* parent = nullptr)
        : TGraphicControl(parent), setpoints_(new TTestSetpoints(this)), columns_(new TTestColumns(this))
    {
        ++alive;
    }
    ~TTestWidget() override { --alive; }
    static inline int alive = 0; // instances in existence, to see that nothing is left behind
    int Speed() const { return speed_; }
    void SetSpeed(int v)
    {
        if (v < 0)
            throw Exception("Speed must not be negative");
        speed_ = v;
        if (ComponentState().testFlag(csLoading))
            ++loadingWrites;
    }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TColor OnColor() const { return onColor_; }
    void SetOnColor(TColor v) { onColor_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& v) { caption_ = v; }
    TTestMode Mode() const { return mode_; }
    void SetMode(TTestMode v) { mode_ = v; }
    TTestOptions Options() const { return options_; }
    void SetOptions(TTestOptions v) { options_ = v; }
    QByteArray Data() const { return data_; }
    void SetData(const QByteArray& v) { data_ = v; }
    QByteArray RgnData() const { return rgnData_; }
    void SetRgnData(const QByteArray& v) { rgnData_ = v; }
    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& v) { lines_ = v; }
    uchar Index() const { return index_; }
    void SetIndex(uchar v) { index_ = v; }
    TTestSetpoints* Setpoints() const { return setpoints_; }
    TTestColumns* Columns() const { return columns_; }
    TTestWidget* Buddy() const { return buddy_; }
    void SetBuddy(TTestWidget* v) { buddy_ = v; }
    int Secret() const { return secret_; }
    void SetSecret(int v) { secret_ = v; }

    int loadedCalls = 0;
    int loadingWrites = 0;
    bool buddyKnownWhenLoaded = false;

signals:
    void OnChange(QObject* Sender);
    void OnValue(QObject* Sender, int Value);

protected:
    void Loaded() override
    {
        ++loadedCalls;
        buddyKnownWhenLoaded = buddy_ != nullptr;
    }

private:
    TTestSetpoints* setpoints_;
    TTestColumns* columns_;
    int speed_ = 10;
    bool active_ = true;
    TColor onColor_ = clLime;
    double ratio_ = 0.5;
    QString caption_;
    TTestMode mode_ = tmFirst;
    TTestOptions options_;
    QByteArray data_;
    QByteArray rgnData_;
    QStringList lines_;
    uchar index_ = 1;
    TTestWidget* buddy_ = nullptr;
    int secret_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TTestWidget::TTestOptions)

// A non-visual component with the loading protocol.
class TTestNonVisual : public QObject, public TStreamable {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE SetCount)
public:
    explicit TTestNonVisual(QObject* parent = nullptr) : QObject(parent) {}
    int Count() const { return count_; }
    void SetCount(int v)
    {
        count_ = v;
        countSetWhileLoading = loading_;
    }
    void BeginLoading() override { loading_ = true; }
    void EndLoading() override
    {
        loading_ = false;
        ++loadedCalls;
    }
    bool countSetWhileLoading = false;
    int loadedCalls = 0;

private:
    int count_ = 0;
    bool loading_ = false;
};

// A root with handlers, as a form has them.
class TTestRoot : public TCustomControl {
    Q_OBJECT
public:
    explicit TTestRoot(QWidget* parent = nullptr) : TCustomControl(parent) {}
    int changes = 0;
    int lastValue = 0;
    QObject* lastSender = nullptr;

public slots:
    void WidgetChange(QObject* Sender)
    {
        ++changes;
        lastSender = Sender;
    }
    void WidgetValue(QObject* Sender, int Value)
    {
        lastSender = Sender;
        lastValue = Value;
    }
    void NoArguments() { ++changes; }
    void WrongSignature(int Value) { lastValue = Value; }
    void WidgetMouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
    {
        lastSender = Sender;
        lastValue = X + Y + int(Button) + int(Shift);
    }
};

// Registers the test classes once on a page of their own.
void RegisterStreamTestComponents();
