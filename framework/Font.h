#pragma once
// TFont: the font of a control or canvas. Published as a nested record
// (Font.Name, Font.Height, Font.Style, Font.Color) in window descriptions.

#include "framework/Color.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QObject>


class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset NOTIFY CharsetChanged)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_PROPERTY(int Height READ Height WRITE SetHeight NOTIFY HeightChanged)
    Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY NameChanged)
    Q_PROPERTY(fw::TFontPitch Pitch READ Pitch WRITE SetPitch NOTIFY PitchChanged)
    Q_PROPERTY(int Size READ Size WRITE SetSize NOTIFY SizeChanged STORED false)
    Q_PROPERTY(fw::TFontStyles Style READ Style WRITE SetStyle NOTIFY StyleChanged)
    Q_CLASSINFO("default:Pitch", "fpDefault")

public:
    explicit TFont(QObject* parent = nullptr);

    // Screen resolution used for all off-screen drawing, so point sizes give
    // the same pixel sizes on every machine.
    static constexpr int PixelsPerInch = 96;

    int Charset() const { return charset_; }
    TColor Color() const { return color_; }
    int Height() const { return height_; }
    QString Name() const { return name_; }
    TFontPitch Pitch() const { return pitch_; }
    int Size() const;
    TFontStyles Style() const { return style_; }
    // Escapement of text drawn with this font, in tenths of a degree (counter-clockwise).
    int Orientation() const { return orientation_; }

    void SetCharset(int value);
    void SetColor(TColor value);
    void SetHeight(int value);
    void SetName(const QString& value);
    void SetPitch(TFontPitch value);
    void SetSize(int points);
    void SetStyle(TFontStyles value);
    void SetOrientation(int tenths);

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    QFont ToQFont() const;
    // Cell metrics as the classic platform reports them: ascent and descent
    // each rounded up, height their sum.
    int Ascent() const;
    int Descent() const;
    int TextHeight() const { return Ascent() + Descent(); }
    int TextWidth(const QString& text) const;
    // The pixels a line of text inks, drawn without smoothing: a mask (1 =
    // ink) and where its top-left lies from the text's cell corner. Kept per
    // text, so a label drawn on every paint is shaped and rasterised once.
    struct Ink {
        QImage mask;
        QPoint offset;
    };
    const Ink& TextInk(const QString& text) const;
    // The widths and inks remembered for one font (see Font.cpp).
    struct TextMemory;

    // Maps the classic face names to Debian's metric-compatible fonts; call once.
    static void InstallSubstitutions();

signals:
    // Property notifications (see framework/Notify.h).
    void CharsetChanged();
    void ColorChanged();
    void HeightChanged();
    void NameChanged();
    void PitchChanged();
    void SizeChanged();
    void StyleChanged();
    void OnChange(QObject* Sender);

private:
    // Runs store, then raises OnChange and the signal of each property that changed.
    template <class Store> void Change(Store&& store);
    void Changed();
    QFont BuildQFont() const;

    int charset_ = 1; // DEFAULT_CHARSET
    TColor color_ = clWindowText;
    int height_ = -11;
    QString name_ = QStringLiteral("MS Sans Serif");
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_;
    int orientation_ = 0;

    // The remembered platform font, metrics and texts of this face (see
    // Font.cpp), found again after a change of face or on another thread.
    struct Cache {
        TextMemory* memory = nullptr;
        unsigned generation = 0;
    };
    TextMemory& Memory() const;
    TextMemory& Remember(TextMemory& memory) const;
    mutable Cache cache_;
};
