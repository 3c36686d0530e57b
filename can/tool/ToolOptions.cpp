#include "can/tool/ToolOptions.h"

#include "framework/Exception.h"

namespace {

int ParseNumber(const QString& text, const QString& what)
{
    bool ok = false;
    const int value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                               : text.toInt(&ok, 10);
    if (!ok)
        throw Exception(QStringLiteral("%1: '%2' is not a number").arg(what, text));
    return value;
}

QString OptionValue(const QStringList& arguments, int& i)
{
    if (i + 1 >= arguments.size())
        throw Exception(QStringLiteral("option %1 needs a value").arg(arguments[i]));
    return arguments[++i];
}

void CheckWords(const TToolOptions& o)
{
    const bool needsAddress = o.Command == QLatin1String("download") || o.Command == QLatin1String("upload");
    if (needsAddress && o.Words.isEmpty())
        throw Exception(QStringLiteral("%1 needs a node ADDRESS such as 0.2.0.2").arg(o.Command));
    if (o.Command == QLatin1String("download") && o.Words.size() < 2)
        throw Exception(QStringLiteral("download needs the BYTES to send after the address"));
    if (o.Command == QLatin1String("upload") && o.Words.size() > 1)
        throw Exception(QStringLiteral("upload takes only an address, not '%1'").arg(o.Words[1]));
    if ((o.Command == QLatin1String("monitor") || o.Command == QLatin1String("node")) && !o.Words.isEmpty())
        throw Exception(QStringLiteral("%1 takes no further words, not '%2'").arg(o.Command, o.Words[0]));
}

} // namespace

TToolOptions ParseToolOptions(const QStringList& arguments)
{
    TToolOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--plugin"))
            o.Plugin = OptionValue(arguments, i);
        else if (a == QLatin1String("--interface"))
            o.Interface = OptionValue(arguments, i);
        else if (a == QLatin1String("--timeout"))
            o.TimeoutMs = ParseNumber(OptionValue(arguments, i), QStringLiteral("--timeout"));
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            o.Command = QStringLiteral("help");
        else if (a.startsWith(QLatin1String("--")))
            throw Exception(QStringLiteral("unknown option '%1'").arg(a));
        else if (o.Command.isEmpty())
            o.Command = a;
        else
            o.Words << a;
    }
    static const QStringList commands{QStringLiteral("monitor"), QStringLiteral("download"), QStringLiteral("upload"),
                                      QStringLiteral("node"), QStringLiteral("help")};
    if (o.Command.isEmpty())
        throw Exception(QStringLiteral("no command given"));
    if (!commands.contains(o.Command))
        throw Exception(QStringLiteral("unknown command '%1'").arg(o.Command));
    if (o.TimeoutMs <= 0)
        throw Exception(QStringLiteral("--timeout: %1 ms is not a time-out").arg(o.TimeoutMs));
    CheckWords(o);
    return o;
}

CanId::TAddress ParseNodeAddress(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        throw Exception(QStringLiteral("address '%1': expected CardNr.CardID.ComponentNr.ComponentID").arg(text));
    const CanId::TField fields[4] = {CanId::CardNr, CanId::CardID, CanId::ComponentNr, CanId::ComponentID};
    const char* names[4] = {"CardNr", "CardID", "ComponentNr", "ComponentID"};
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const QString what = QStringLiteral("address '%1', %2").arg(text, QLatin1String(names[i]));
        values[i] = ParseNumber(parts[i], what);
        if (values[i] < 0 || values[i] > fields[i].Max())
            throw Exception(QStringLiteral("%1: %2 is outside 0..%3").arg(what).arg(values[i]).arg(fields[i].Max()));
    }
    return {values[0], values[1], values[2], values[3]};
}

QByteArray ParseDataBytes(const QStringList& words)
{
    QByteArray bytes;
    for (int i = 0; i < words.size(); ++i) {
        const QString what = QStringLiteral("byte %1").arg(i + 1);
        const int value = ParseNumber(words[i], what);
        if (value < 0 || value > 255)
            throw Exception(QStringLiteral("%1: %2 is outside 0..255").arg(what).arg(value));
        bytes.append(char(value));
    }
    return bytes;
}

QString ToolUsage()
{
    return QStringLiteral(
        "usage: quil-can [--plugin virtualcan|socketcan] [--interface NAME] [--timeout MS] COMMAND\n"
        "  monitor                 print every frame on the bus, decoded\n"
        "  download ADDRESS BYTES  write BYTES (0-255 each, decimal or 0x..) into the node's\n"
        "                          configuration buffer from entry 0, as the network master\n"
        "  upload ADDRESS          read the node's configuration buffer\n"
        "  node                    host an analog input (0.2.0.2) and a digital input (0.2.0.3)\n"
        "                          whose readings follow a simulated signal\n"
        "ADDRESS is CardNr.CardID.ComponentNr.ComponentID. Defaults: --plugin virtualcan\n"
        "--interface can0 --timeout 100 (ms to wait for each reply).\n");
}
