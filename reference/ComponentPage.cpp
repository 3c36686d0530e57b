#include "reference/ComponentPage.h"

#include "reference/ClassReference.h"

QString TComponentPage::PageName(const QString& className) { return QStringLiteral("component_") + className; }

QString TComponentPage::PictureName(const QString& className, int index)
{
    return QStringLiteral("%1-%2.png").arg(className).arg(index);
}

QString TComponentPage::MissingText() { return QStringLiteral("(not yet described)"); }

// Doxygen reads '|' as a column break and '%' as "do not link the next word".
QString TComponentPage::Cell(const QString& text)
{
    QString cell = text;
    cell.replace(QLatin1Char('|'), QLatin1String("\\|"));
    cell.replace(QLatin1Char('%'), QLatin1String("%%"));
    return cell;
}

// A code span in double backticks: with single ones Doxygen takes a quote
// after the backtick for typographic quotes ('' would end the table).
QString TComponentPage::Code(const QString& text) { return QStringLiteral("``%1``").arg(Cell(text)); }

// The texts are written as terse phrases ("width in pixels."); a table cell
// reads as a sentence. A text that starts with a name ("fpDefault, ...")
// keeps it as it is spelt.
QString TComponentPage::Sentence(const QString& text)
{
    QString sentence = text;
    const QString first = sentence.section(QLatin1Char(' '), 0, 0);
    if (!sentence.isEmpty() && first == first.toLower())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

QString TComponentPage::Markdown(const TComponentClass& cls, const TDocLibrary& docs)
{
    const TDocText* text = docs.Find(cls.ClassName);
    QString page = QStringLiteral("# %1 {#%2}\n\n").arg(cls.ClassName, PageName(cls.ClassName));
    page += (text && !text->Summary.isEmpty() ? text->Summary : MissingText()) + QStringLiteral("\n\n");
    page += QStringLiteral("Palette page: **%1**. Class reference: %2.\n\n").arg(cls.Page, cls.ClassName);
    page += PicturesSection(cls, text);
    page += PropertiesSection(cls, docs);
    page += EventsSection(cls, docs);
    page += QStringLiteral("## Example\n\n") + (text && !text->Example.isEmpty() ? text->Example : MissingText()) +
            QStringLiteral("\n");
    if (text && !text->QmlExample.isEmpty())
        page += QStringLiteral("\n## In QML\n\nThe QML type of `import Quil` is named without the leading T; "
                               "properties are spelt in lower camel case (enumerations by name, colours as QML colours: "
                               "\"red\", \"#ff8000\") and events are signals.\n\n") +
                text->QmlExample + QStringLiteral("\n");
    return page;
}

QString TComponentPage::PicturesSection(const TComponentClass& cls, const TDocText* text)
{
    if (!text || text->Pictures.isEmpty())
        return {};
    QString section = QStringLiteral("## Pictures\n\n");
    for (int i = 0; i < text->Pictures.size(); ++i)
        section += QStringLiteral("\\image html %1 \"%2\"\n\n")
                       .arg(PictureName(cls.ClassName, i + 1), QString(text->Pictures[i].Caption).replace('"', '\''));
    return section;
}

QString TComponentPage::PropertiesSection(const TComponentClass& cls, const TDocLibrary& docs)
{
    QString section = QStringLiteral("## Published properties\n\n"
                                     "A property without a declared default is always written to a window "
                                     "description; one marked *not stored* never is.\n\n"
                                     "| Property | Type | Default | Description |\n|---|---|---|---|\n");
    for (const TPropertyRow& row : TClassReference::Properties(cls.Meta)) {
        const TDocEntry* entry = docs.PropertyText(row);
        QString description = entry ? Sentence(entry->Text) : MissingText();
        if (!row.Stored)
            description = QStringLiteral("*Not stored.* ") + description;
        section += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                       .arg(Code(row.Path), Code(row.Type), row.Default ? Code(*row.Default) : QStringLiteral("(none)"),
                            Cell(description));
    }
    return section + QLatin1Char('\n');
}

QString TComponentPage::EventsSection(const TComponentClass& cls, const TDocLibrary& docs)
{
    const QList<TEventRow> events = TClassReference::Events(cls.Meta);
    if (events.isEmpty())
        return QStringLiteral("## Events\n\nNone.\n\n");
    QString section = QStringLiteral("## Events\n\n| Event | Description |\n|---|---|\n");
    for (const TEventRow& event : events) {
        const TDocEntry* entry = docs.EventText(cls.Meta, event);
        section += QStringLiteral("| %1 | %2 |\n").arg(Code(event.Signature), Cell(entry ? Sentence(entry->Text) : MissingText()));
    }
    return section + QLatin1Char('\n');
}
