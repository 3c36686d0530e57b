#pragma once
// TForm: a top-level window whose controls usually come from a window
// description compiled into the program. A derived form loads its own
// description as the first statement of its constructor:
//
//   TMainForm::TMainForm(QWidget* parent) : TForm(parent)
//   {
//       LoadFromResource(":/forms/MainForm.dfm"); // controls exist, handlers bound
//       Diagram = FindChild<TLvdVentDiagram>("Diagram");
//       ...
//   }
//   TMainForm::~TMainForm() { DoDestroy(); ... }
//
// OnCreate is raised when the description has been read (before the rest of
// the derived constructor). OnDestroy must reach handlers while the derived
// form still exists, so a derived destructor calls DoDestroy() first; the
// base destructor raises it only to receivers other than the form itself.
// Closing the application's main form ends the program, as the classic one does.

#include "framework/Control.h"
#include "framework/Exception.h"

class TForm : public TCustomControl {
    Q_OBJECT
public:
    enum TCloseAction { caNone, caHide, caFree, caMinimize };
    Q_ENUM(TCloseAction)
    enum TPosition {
        poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
        poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter
    };
    Q_ENUM(TPosition)

private:
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(fw::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(fw::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons NOTIFY BorderIconsChanged)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth NOTIFY ClientWidthChanged)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight NOTIFY ClientHeightChanged)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition NOTIFY PositionChanged)
    // A window's size is stored as its client size; it is shown by code.
    Q_PROPERTY(int Width READ Width WRITE SetWidth NOTIFY WidthChanged STORED false)
    Q_PROPERTY(int Height READ Height WRITE SetHeight NOTIFY HeightChanged STORED false)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY VisibleChanged STORED false)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:BorderStyle", "bsSizeable")
    Q_CLASSINFO("default:BorderIcons", "[biSystemMenu, biMinimize, biMaximize]")
    Q_CLASSINFO("default:Position", "poDesigned")
    Q_CLASSINFO("default:Color", "clBtnFace")
    Q_CLASSINFO("default:ParentFont", "False")

public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    int ClientWidth() const { return width(); }
    void SetClientWidth(int value) { SetWidth(value); }
    int ClientHeight() const { return height(); }
    void SetClientHeight(int value) { SetHeight(value); }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value);

    // Reads the form's own properties and its controls from a description
    // (":/forms/MainForm.dfm"), binding events to this form's slots, then
    // raises OnCreate. Throws EReadError for a faulty description.
    void LoadFromResource(const QString& path);

    // The loaded control of that name and class; a clear error when missing.
    template <class T>
    T* FindChild(const QString& name) const
    {
        if (T* found = findChild<T*>(name))
            return found;
        throw Exception(QStringLiteral("Form '%1' has no %2 named '%3'")
                            .arg(objectName(), QLatin1String(T::staticMetaObject.className()), name));
    }

    // Asks to close: OnClose decides what happens (hide by default).
    void Close() { close(); }
    // Raises OnDestroy once and detaches the form's slots from its controls.
    void DoDestroy();

signals:
    // Property notifications (see framework/Notify.h).
    void CaptionChanged();
    void BorderStyleChanged();
    void BorderIconsChanged();
    void ClientWidthChanged();
    void ClientHeightChanged();
    void PositionChanged();
    void OnCreate(QObject* Sender);
    void OnShow(QObject* Sender);
    void OnClose(QObject* Sender, TCloseAction& Action);
    void OnDestroy(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyWindowFlags();
    void ApplyPosition();
    void DetachHandlers();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = TBorderIcons(biSystemMenu) | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    bool shownOnce_ = false;
    bool destroyed_ = false;
};
