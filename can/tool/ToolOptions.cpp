#include "can/tool/ToolOptions.h"

#include <QCommandLineParser>

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

// Why the parser refused the words, in the tool's own terms.
[[noreturn]] void RefuseCommandLine(const QCommandLineParser& parser, const QStringList& arguments)
{
    // A negative number reads as an option; it is a value out of range.
    for (const QString& a : arguments.mid(1)) {
        bool number = false;
        if (a.startsWith(QLatin1Char('-')) && (a.toInt(&number), number))
            throw Exception(QStringLiteral("'%1': bytes, addresses and times are 0 or more").arg(a));
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        throw EUsageError(QStringLiteral("unknown option '%1%2'").arg(name.size() == 1 ? "-" : "--", name));
    }
    // Only the last word can lack the value its option takes.
    if (arguments.last().startsWith(QLatin1String("--")) && !arguments.last().contains(QLatin1Char('=')))
        throw Exception(QStringLiteral("option %1 needs a value").arg(arguments.last()));
    throw Exception(parser.errorText());
}

} // namespace

TToolOptions ParseToolOptions(const QStringList& arguments)
{
    const QCommandLineOption plugin(QStringLiteral("plugin"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption interfaceName(QStringLiteral("interface"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QString(), QStringLiteral("MS"));
    const QCommandLineOption verbose(QStringLiteral("verbose"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    QCommandLineParser parser;
    parser.addOptions({plugin, interfaceName, timeout, verbose, help});
    if (!parser.parse(arguments))
        RefuseCommandLine(parser, arguments);
    TToolOptions o;
    if (parser.isSet(plugin))
        o.Plugin = parser.value(plugin);
    if (parser.isSet(interfaceName))
        o.Interface = parser.value(interfaceName);
    if (parser.isSet(timeout))
        o.TimeoutMs = ParseNumber(parser.value(timeout), QStringLiteral("--timeout"));
    o.Verbose = parser.isSet(verbose);
    o.Words = parser.positionalArguments();
    if (!o.Words.isEmpty())
        o.Command = o.Words.takeFirst();
    if (parser.isSet(help))
        o.Command = QStringLiteral("help");
    static const QStringList commands{QStringLiteral("monitor"), QStringLiteral("download"), QStringLiteral("upload"),
                                      QStringLiteral("node"), QStringLiteral("help")};
    if (o.Command.isEmpty())
        throw EUsageError(QStringLiteral("no command given"));
    if (!commands.contains(o.Command))
        throw EUsageError(QStringLiteral("unknown command '%1'").arg(o.Command));
    if (o.TimeoutMs <= 0)
        throw Exception(QStringLiteral("--timeout: %1 ms is not a time-out").arg(o.TimeoutMs));
    if (o.Command != QLatin1String("help"))
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
        "usage: quil-can [--plugin virtualcan|socketcan] [--interface NAME] [--timeout MS] [--verbose]\n"
        "                COMMAND\n"
        "  monitor                 print every frame on the bus, decoded\n"
        "  download ADDRESS BYTES  write BYTES (0-255 each, decimal or 0x..) into the node's\n"
        "                          configuration buffer from entry 0, as the network master\n"
        "  upload ADDRESS          read the node's configuration buffer\n"
        "  node                    host an analog input (0.2.0.2) and a digital input (0.2.0.3)\n"
        "                          whose readings follow a simulated signal\n"
        "ADDRESS is CardNr.CardID.ComponentNr.ComponentID. Defaults: --plugin virtualcan\n"
        "--interface can0 --timeout 100 (ms to wait for each reply). --verbose lets the CAN\n"
        "plugin's own log lines through.\n");
}
