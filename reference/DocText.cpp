#include "reference/DocText.h"

#include "framework/Exception.h"

namespace {

enum class TSection { Summary, Pictures, Properties, Events, Example, QmlExample };

[[noreturn]] void Fail(const QString& source, int line, const QString& what)
{
    throw Exception(QStringLiteral("%1(%2): %3").arg(source).arg(line).arg(what));
}

TSection SectionNamed(const QString& heading, const QString& source, int line)
{
    if (heading == QLatin1String("Pictures"))
        return TSection::Pictures;
    if (heading == QLatin1String("Properties"))
        return TSection::Properties;
    if (heading == QLatin1String("Events"))
        return TSection::Events;
    if (heading == QLatin1String("Example"))
        return TSection::Example;
    if (heading == QLatin1String("QML example"))
        return TSection::QmlExample;
    Fail(source, line,
         QStringLiteral("unknown section '%1' (Pictures, Properties, Events, Example, QML example)").arg(heading));
}

// "- Name: text" gives name and text; a picture may have no text.
std::pair<QString, QString> SplitItem(const QString& item)
{
    const int colon = item.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {item.trimmed(), QString()};
    return {item.left(colon).trimmed(), item.mid(colon + 1).trimmed()};
}

TDocPicture PictureOf(const QString& item)
{
    const auto [caption, assignments] = SplitItem(item);
    TDocPicture picture{caption, {}};
    for (const QString& a : assignments.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        picture.Assignments.append(a.trimmed());
    return picture;
}

} // namespace

const TDocEntry* TDocText::Find(const QList<TDocEntry>& entries, const QString& name)
{
    for (const TDocEntry& e : entries)
        if (e.Name == name)
            return &e;
    return nullptr;
}

QString TDocText::FencedCode(const QString& section)
{
    QStringList code;
    bool inside = false;
    for (const QString& line : section.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("```")))
            inside = !inside;
        else if (inside)
            code.append(line);
    }
    return code.join(QLatin1Char('\n'));
}

TDocText TDocText::Parse(const QString& text, const QString& source)
{
    TDocText doc;
    doc.Source = source;
    TSection section = TSection::Summary;
    QStringList summary;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = i + 1;
        if (doc.ClassName.isEmpty()) {
            if (line.trimmed().isEmpty())
                continue;
            if (!line.startsWith(QLatin1String("# ")))
                Fail(source, number, QStringLiteral("the file must start with '# <class name>'"));
            doc.ClassName = line.mid(2).trimmed();
            continue;
        }
        if (line.startsWith(QLatin1String("## "))) {
            section = SectionNamed(line.mid(3).trimmed(), source, number);
            continue;
        }
        if (section == TSection::Summary) {
            summary.append(line.trimmed());
            continue;
        }
        if (section == TSection::Example || section == TSection::QmlExample) {
            (section == TSection::Example ? doc.Example : doc.QmlExample) += line + QLatin1Char('\n');
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QLatin1String("- "))) {
            if (section == TSection::Pictures) {
                doc.Pictures.append(PictureOf(line.mid(2)));
                continue;
            }
            QList<TDocEntry>& entries = section == TSection::Properties ? doc.Properties : doc.Events;
            const auto [name, description] = SplitItem(line.mid(2));
            if (Find(entries, name))
                Fail(source, number, QStringLiteral("'%1' is described twice").arg(name));
            entries.append({name, description, number});
            continue;
        }
        if (line.startsWith(QLatin1String("  ")) && section != TSection::Pictures) {
            QList<TDocEntry>& entries = section == TSection::Properties ? doc.Properties : doc.Events;
            if (!entries.isEmpty()) {
                entries.last().Text += QLatin1Char(' ') + line.trimmed();
                continue;
            }
        }
        Fail(source, number, QStringLiteral("expected '- Name: text' or an indented continuation"));
    }
    if (doc.ClassName.isEmpty())
        Fail(source, 1, QStringLiteral("the file is empty"));
    doc.Summary = summary.join(QLatin1Char('\n')).trimmed();
    doc.Example = doc.Example.trimmed();
    doc.QmlExample = doc.QmlExample.trimmed();
    return doc;
}
