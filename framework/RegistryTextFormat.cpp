#include "framework/RegistryTextFormat.h"

#include "framework/Exception.h"

#include <QStringDecoder>

const QString TRegistryTextFormat::Header = QStringLiteral("Windows Registry Editor Version 5.00");
const QString TRegistryTextFormat::RootName = QStringLiteral("HKEY_CURRENT_USER");

namespace {

const QString OldHeader = QStringLiteral("REGEDIT4");
// Hex lists are wrapped like the platform's own export: no line beyond 80 columns.
constexpr int WrapColumn = 77;

bool IsHexDigits(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return false;
    for (QChar c : text)
        if (c.unicode() > 0x7F || !isxdigit(c.unicode()))
            return false;
    return true;
}

QString Escape(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Reads the key text line by line; every failure names the file and the line.
class Parser {
public:
    Parser(const QByteArray& content, const QString& fileName, const QString& keyPath)
        : fileName_(fileName), keyPath_(keyPath)
    {
        SplitLines(content);
    }

    QList<TRegistryValue> Run()
    {
        ExpectHeader();
        ExpectKey();
        while (NextSignificantLine())
            Store(ParseValueLine());
        return values_;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const { Fail(index_ + 1, reason); }
    [[noreturn]] void Fail(qsizetype lineNumber, const QString& reason) const
    {
        throw ERegistryException(QStringLiteral("Error in registry file %1, line %2: %3")
                                     .arg(fileName_)
                                     .arg(lineNumber)
                                     .arg(reason));
    }

    void SplitLines(const QByteArray& content)
    {
        if (content.startsWith("\xFF\xFE")) {
            QStringDecoder decoder(QStringDecoder::Utf16LE);
            const QString text = decoder.decode(content.mid(2));
            if (decoder.hasError())
                Fail(1, QStringLiteral("the text is not valid UTF-16"));
            lines_ = text.split(QLatin1Char('\n'));
        } else {
            const QByteArray body = content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
            for (const QByteArray& raw : body.split('\n')) {
                QStringDecoder decoder(QStringDecoder::Utf8);
                lines_.append(decoder.decode(raw));
                if (decoder.hasError())
                    Fail(lines_.size(), QStringLiteral("the text is not valid UTF-8"));
            }
        }
        for (QString& line : lines_)
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
    }

    // Moves to the next line that is neither blank nor a comment.
    bool NextSignificantLine()
    {
        while (++index_ < lines_.size()) {
            const QString trimmed = lines_[index_].trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char(';')))
                return true;
        }
        return false;
    }

    void ExpectHeader()
    {
        index_ = -1;
        const bool found = NextSignificantLine();
        if (!found || (lines_[index_].trimmed() != TRegistryTextFormat::Header && lines_[index_].trimmed() != OldHeader))
            Fail(found ? index_ + 1 : 1, QStringLiteral("expected \"%1\"").arg(TRegistryTextFormat::Header));
    }

    QString KeyLine() const { return QStringLiteral("[%1\\%2]").arg(TRegistryTextFormat::RootName, keyPath_); }

    void ExpectKey()
    {
        const qsizetype headerLine = index_;
        if (!NextSignificantLine())
            Fail(headerLine + 2, QStringLiteral("expected the key %1").arg(KeyLine()));
        if (lines_[index_].trimmed().compare(KeyLine(), Qt::CaseInsensitive) != 0)
            Fail(QStringLiteral("expected the key %1").arg(KeyLine()));
    }

    TRegistryValue ParseValueLine()
    {
        const QString line = lines_[index_].trimmed();
        if (line.startsWith(QLatin1Char('[')))
            Fail(QStringLiteral("a second key; this file holds only %1").arg(KeyLine()));
        TRegistryValue value;
        qsizetype pos = 0;
        if (line.startsWith(QLatin1Char('@')))
            pos = 1;
        else if (line.startsWith(QLatin1Char('"')))
            value.Name = ParseQuoted(line, pos);
        else
            Fail(QStringLiteral("expected a value name in double quotes"));
        const QString rest = line.mid(pos).trimmed();
        if (!rest.startsWith(QLatin1Char('=')))
            Fail(QStringLiteral("expected '=' after the value name"));
        ParseData(rest.mid(1).trimmed(), value);
        return value;
    }

    // The text of the quoted string starting at pos; pos ends after the closing quote.
    QString ParseQuoted(const QString& line, qsizetype& pos) const
    {
        QString text;
        for (qsizetype i = pos + 1; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == QLatin1Char('"')) {
                pos = i + 1;
                return text;
            }
            if (c == QLatin1Char('\\')) {
                if (i + 1 >= line.size() || (line[i + 1] != QLatin1Char('\\') && line[i + 1] != QLatin1Char('"')))
                    Fail(QStringLiteral("only \\\\ and \\\" may follow a backslash in a quoted text"));
                ++i;
            }
            text.append(line[i]);
        }
        Fail(QStringLiteral("a quoted text has no closing quote"));
    }

    void ParseData(const QString& data, TRegistryValue& value)
    {
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype pos = 0;
            const QString text = ParseQuoted(data, pos);
            if (!data.mid(pos).trimmed().isEmpty())
                Fail(QStringLiteral("unexpected text after the closing quote"));
            value.Type = RegValueType::String;
            value.Data = TRegistryValue::EncodeString(text);
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            if (!IsHexDigits(digits, 8))
                Fail(QStringLiteral("a dword needs one to eight hex digits"));
            value.Type = RegValueType::Dword;
            value.Data = TRegistryValue::EncodeDword(qint32(digits.toUInt(nullptr, 16)));
        } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            ParseHexValue(data.mid(3), value);
        } else if (data == QLatin1String("-")) {
            Fail(QStringLiteral("deleting a value is not supported here; remove its line instead"));
        } else {
            Fail(QStringLiteral("unknown kind of value data"));
        }
    }

    // After "hex": either ":bytes" (binary) or "(type):bytes".
    void ParseHexValue(const QString& afterHex, TRegistryValue& value)
    {
        qsizetype colon = afterHex.indexOf(QLatin1Char(':'));
        QString type;
        if (afterHex.startsWith(QLatin1Char('('))) {
            const qsizetype close = afterHex.indexOf(QLatin1Char(')'));
            if (close < 0 || colon != close + 1 || !IsHexDigits(QStringView(afterHex).mid(1, close - 1), 8))
                Fail(QStringLiteral("expected hex(type): with the type in hex digits"));
            type = afterHex.mid(1, close - 1);
        } else if (colon != 0) {
            Fail(QStringLiteral("expected ':' after hex"));
        }
        value.Type = type.isEmpty() ? RegValueType::Binary : type.toUInt(nullptr, 16);
        value.Data = ParseHexBytes(afterHex.mid(colon + 1));
    }

    // Comma-separated bytes, continued on the next line after a trailing backslash.
    QByteArray ParseHexBytes(QString chunk)
    {
        QByteArray bytes;
        for (;;) {
            chunk = chunk.trimmed();
            const bool continues = chunk.endsWith(QLatin1Char('\\'));
            if (continues)
                chunk.chop(1);
            AppendHexChunk(chunk, continues, bytes);
            if (!continues)
                return bytes;
            if (++index_ >= lines_.size() || lines_[index_].trimmed().isEmpty())
                Fail(qMin(index_ + 1, lines_.size()), QStringLiteral("the hex list breaks off after a trailing backslash"));
            chunk = lines_[index_];
        }
    }

    void AppendHexChunk(const QString& chunk, bool continues, QByteArray& bytes) const
    {
        if (chunk.trimmed().isEmpty())
            return;
        const QStringList tokens = chunk.split(QLatin1Char(','));
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            const QString token = tokens[i].trimmed();
            const bool trailingComma = continues && i == tokens.size() - 1 && token.isEmpty();
            if (trailingComma)
                continue;
            if (!IsHexDigits(token, 2))
                Fail(QStringLiteral("'%1' is not a hex byte").arg(token));
            bytes.append(char(token.toUInt(nullptr, 16)));
        }
    }

    // A name written twice keeps its first place and spelling and the last data,
    // as importing the lines one after another would.
    void Store(const TRegistryValue& value)
    {
        for (TRegistryValue& existing : values_) {
            if (existing.Name.compare(value.Name, Qt::CaseInsensitive) == 0) {
                existing.Type = value.Type;
                existing.Data = value.Data;
                return;
            }
        }
        values_.append(value);
    }

    QString fileName_;
    QString keyPath_;
    QStringList lines_;
    qsizetype index_ = -1;
    QList<TRegistryValue> values_;
};

// A string value is written in quotes only if that reads back as the same bytes.
bool IsPlainString(const TRegistryValue& value)
{
    if (value.Type != RegValueType::String)
        return false;
    const QString text = TRegistryValue::DecodeString(value.Data);
    return TRegistryValue::EncodeString(text) == value.Data && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r'));
}

QString FormatHex(const QString& prefix, const QByteArray& data)
{
    QString out = prefix;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        QString token = QStringLiteral("%1").arg(quint8(data[i]), 2, 16, QLatin1Char('0'));
        if (i + 1 < data.size())
            token += QLatin1Char(',');
        if (out.size() - lineStart + token.size() > WrapColumn) {
            out += QLatin1String("\\\n  ");
            lineStart = out.size() - 2;
        }
        out += token;
    }
    return out;
}

QString FormatValue(const TRegistryValue& value)
{
    const QString name = value.Name.isEmpty() ? QStringLiteral("@") : Escape(value.Name);
    if (IsPlainString(value))
        return name + QLatin1Char('=') + Escape(TRegistryValue::DecodeString(value.Data));
    if (value.Type == RegValueType::Dword && value.Data.size() == 4)
        return name + QStringLiteral("=dword:%1").arg(quint32(TRegistryValue::DecodeDword(value.Data)), 8, 16, QLatin1Char('0'));
    if (value.Type == RegValueType::Binary)
        return FormatHex(name + QStringLiteral("=hex:"), value.Data);
    return FormatHex(name + QStringLiteral("=hex(%1):").arg(value.Type, 0, 16), value.Data);
}

} // namespace

QList<TRegistryValue> TRegistryTextFormat::Parse(const QByteArray& content, const QString& fileName, const QString& keyPath)
{
    return Parser(content, fileName, keyPath).Run();
}

QByteArray TRegistryTextFormat::Format(const QString& keyPath, const QList<TRegistryValue>& values)
{
    QString text = Header + QStringLiteral("\n\n[%1\\%2]\n").arg(RootName, keyPath);
    for (const TRegistryValue& value : values)
        text += FormatValue(value) + QLatin1Char('\n');
    text += QLatin1Char('\n');
    return text.toUtf8();
}

bool TRegistryTextFormat::IsWritableName(const QString& name)
{
    return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')) && !name.contains(QChar(0));
}
