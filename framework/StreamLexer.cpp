#include "framework/StreamLexer.h"

#include "framework/StreamError.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsIdentStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool IsIdentPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.'); }
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

TStreamLexer::TStreamLexer(QString text, QString source) : text_(std::move(text)), source_(std::move(source))
{
    Next();
}

QChar TStreamLexer::Peek(qsizetype ahead) const
{
    const qsizetype at = pos_ + ahead;
    return at < text_.size() ? text_[at] : QChar();
}

void TStreamLexer::Advance()
{
    const QChar c = Peek();
    ++pos_;
    // \r\n, \n and a lone \r each end one line.
    if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && Peek() != QLatin1Char('\n')))
        ++line_;
}

void TStreamLexer::SkipSpace()
{
    while (pos_ < text_.size() && (Peek().isSpace() || Peek().isNull()))
        Advance();
}

void TStreamLexer::Fail(int line, const QString& message) const { TStreamError::Throw(source_, line, message); }

bool TStreamLexer::IsSymbol(char c) const { return token_.Kind == Symbol && token_.Text == QLatin1Char(c); }

bool TStreamLexer::IsKeyword(const char* word) const
{
    return token_.Kind == Identifier && token_.Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

void TStreamLexer::Next()
{
    SkipSpace();
    token_ = Token();
    token_.Line = line_;
    if (pos_ >= text_.size())
        return;
    const QChar c = Peek();
    if (IsIdentStart(c))
        ReadIdentifier();
    else if (IsDigit(c) || c == QLatin1Char('$') ||
             (c == QLatin1Char('-') && (IsDigit(Peek(1)) || Peek(1) == QLatin1Char('$'))))
        ReadNumber();
    else if (c == QLatin1Char('\'') || c == QLatin1Char('#'))
        ReadString();
    else {
        token_.Kind = Symbol;
        token_.Text = c;
        Advance();
    }
}

void TStreamLexer::ReadIdentifier()
{
    const qsizetype start = pos_;
    while (pos_ < text_.size() && IsIdentPart(Peek()))
        Advance();
    token_.Kind = Identifier;
    token_.Text = text_.mid(start, pos_ - start);
}

void TStreamLexer::ReadNumber()
{
    const bool negative = Peek() == QLatin1Char('-');
    if (negative)
        Advance();
    if (Peek() == QLatin1Char('$'))
        ReadHexNumber(negative);
    else
        ReadDecimalNumber(negative);
}

// $FF: up to 16 hex digits; eight digits give a 32-bit pattern, as colours
// and flags are written ($FF000000 is a system colour).
void TStreamLexer::ReadHexNumber(bool negative)
{
    Advance(); // $
    const qsizetype start = pos_;
    quint64 value = 0;
    while (HexDigit(Peek()) >= 0) {
        value = (value << 4) | quint64(HexDigit(Peek()));
        Advance();
    }
    const qsizetype digits = pos_ - start;
    const QString written = (negative ? QStringLiteral("-$") : QStringLiteral("$")) + text_.mid(start, digits);
    if (digits == 0)
        Fail(line_, QStringLiteral("hex number without digits %1").arg(TStreamError::Quote(written)));
    if (digits > 16)
        Fail(line_, QStringLiteral("number out of range %1").arg(TStreamError::Quote(written)));
    qint64 signedValue = digits <= 8 ? qint64(qint32(quint32(value))) : qint64(value);
    token_.Kind = Integer;
    token_.IntegerValue = negative ? -signedValue : signedValue;
    token_.Text = written;
}

void TStreamLexer::ReadDecimalNumber(bool negative)
{
    const qsizetype start = pos_ - (negative ? 1 : 0);
    bool isFloat = false;
    while (IsDigit(Peek()))
        Advance();
    if (Peek() == QLatin1Char('.') && IsDigit(Peek(1))) {
        isFloat = true;
        Advance();
        while (IsDigit(Peek()))
            Advance();
    }
    if ((Peek() == QLatin1Char('e') || Peek() == QLatin1Char('E')) &&
        (IsDigit(Peek(1)) || ((Peek(1) == QLatin1Char('+') || Peek(1) == QLatin1Char('-')) && IsDigit(Peek(2))))) {
        isFloat = true;
        Advance();
        Advance();
        while (IsDigit(Peek()))
            Advance();
    }
    token_.Text = text_.mid(start, pos_ - start);
    bool ok = false;
    if (isFloat) {
        token_.Kind = Float;
        token_.FloatValue = token_.Text.toDouble(&ok);
    } else {
        token_.Kind = Integer;
        token_.IntegerValue = token_.Text.toLongLong(&ok);
    }
    if (!ok || !std::isfinite(token_.FloatValue))
        Fail(line_, QStringLiteral("number out of range %1").arg(TStreamError::Quote(token_.Text)));
}

// 'it''s'#13#10'next': quoted fragments and character codes, joined while adjacent.
void TStreamLexer::ReadString()
{
    token_.Kind = String;
    QString value;
    while (Peek() == QLatin1Char('\'') || Peek() == QLatin1Char('#')) {
        if (Peek() == QLatin1Char('\''))
            ReadQuoted(value);
        else
            ReadCharCode(value);
    }
    token_.Text = value;
}

void TStreamLexer::ReadQuoted(QString& out)
{
    const int startLine = line_;
    const qsizetype start = pos_;
    Advance(); // opening quote
    for (;;) {
        if (pos_ >= text_.size() || Peek() == QLatin1Char('\n') || Peek() == QLatin1Char('\r'))
            Fail(startLine, QStringLiteral("unterminated string %1").arg(TStreamError::Quote(text_.mid(start, pos_ - start))));
        const QChar c = Peek();
        Advance();
        if (c != QLatin1Char('\'')) {
            out += c;
            continue;
        }
        if (Peek() != QLatin1Char('\''))
            return;
        out += QLatin1Char('\'');
        Advance();
    }
}

void TStreamLexer::ReadCharCode(QString& out)
{
    const qsizetype start = pos_;
    Advance(); // #
    const bool hex = Peek() == QLatin1Char('$');
    if (hex)
        Advance();
    quint32 code = 0;
    int digits = 0;
    for (;; ++digits) {
        const int d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek().unicode() - '0' : -1);
        if (d < 0)
            break;
        // Saturates, so a long run of digits is still read as one (invalid) code.
        code = std::min<quint32>(code * (hex ? 16 : 10) + quint32(d), 0x110000);
        Advance();
    }
    const QString written = text_.mid(start, pos_ - start);
    if (digits == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        Fail(line_, QStringLiteral("invalid character code %1").arg(TStreamError::Quote(written)));
    const char32_t ucs = code;
    out += QString::fromUcs4(&ucs, 1);
}

QByteArray TStreamLexer::ReadBinary()
{
    const int startLine = token_.Line;
    QByteArray bytes;
    int high = -1;
    for (;;) {
        SkipSpace();
        if (pos_ >= text_.size())
            Fail(startLine, QStringLiteral("unterminated binary data '{'"));
        const QChar c = Peek();
        if (c == QLatin1Char('}'))
            break;
        const int d = HexDigit(c);
        if (d < 0)
            Fail(line_, QStringLiteral("invalid character in binary data %1").arg(TStreamError::Quote(QString(c))));
        Advance();
        if (high < 0) {
            high = d;
        } else {
            bytes.append(char((high << 4) | d));
            high = -1;
        }
    }
    if (high >= 0)
        Fail(line_, QStringLiteral("truncated binary data: odd number of hex digits before '}'"));
    Advance(); // }
    Next();
    return bytes;
}
