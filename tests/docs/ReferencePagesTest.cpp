// The built reference (docs target) against the code: every registered
// component has its page, every published property its row with the
// declared default, every event its row, and every picture a page shows
// exists as a decodable file. Reads the HTML Doxygen wrote, so what is checked
// is what a reader sees.

#include "framework/ComponentRegistry.h"
#include "framework/StreamProperties.h"
#include "library/RegisterLibrary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QDir HtmlDir() { return QDir(QStringLiteral(QUIL_DOCS_HTML)); }

QString ReadPage(const QString& file)
{
    QFile f(HtmlDir().filePath(file));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text of a cell as a reader sees it (tags dropped, entities decoded).
QString CellText(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed(); }

// The table following the heading, as rows of cell texts.
QList<QStringList> TableAfter(const QString& page, const QString& heading)
{
    // Doxygen takes the page's first heading as its title and shifts the
    // sections up a level; either level is a section heading.
    const QRegularExpression section(QStringLiteral(">%1</h[12]>").arg(heading));
    const int at = page.indexOf(section);
    if (at < 0)
        return {};
    const int start = page.indexOf(QLatin1String("<table"), at);
    const int end = page.indexOf(QLatin1String("</table>"), start);
    if (start < 0 || end < 0)
        return {};
    static const QRegularExpression row(QStringLiteral("<tr class=\"markdownTableRow[^\"]*\">(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> rows;
    const QString table = page.mid(start, end - start);
    for (auto r = row.globalMatch(table); r.hasNext();) {
        QStringList cells;
        const QString tr = r.next().captured(1);
        for (auto c = cell.globalMatch(tr); c.hasNext();)
            cells.append(CellText(c.next().captured(1)));
        rows.append(cells);
    }
    return rows;
}

struct TExpectedRow {
    QString Path;
    QString Default;
};

// Published properties as a description writes them: a record's own
// properties follow it as Record.Property.
void Expect(const QMetaObject* meta, const QString& prefix, int depth, QList<TExpectedRow>& rows)
{
    for (const QMetaProperty& p : TPublishedProperties::Of(meta)) {
        const std::optional<QString> declared = TPublishedProperties::DeclaredDefault(meta, p);
        rows.append({prefix + QLatin1String(p.name()), declared ? *declared : QStringLiteral("(none)")});
        if (TPublishedProperties::KindOf(p) == TPublishedProperties::Record && depth < 3)
            if (const QMetaObject* record = TPublishedProperties::PointeeClass(p))
                Expect(record, prefix + QLatin1String(p.name()) + QLatin1Char('.'), depth + 1, rows);
    }
}

QStringList EventNames(const QMetaObject* meta)
{
    QStringList names;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        const QString name = QString::fromLatin1(m.name());
        // A property's notify signal (ValueChanged) is shown with its property, not as an event.
        bool notifies = m.parameterCount() == 0 && name.endsWith(QLatin1String("Changed")) &&
                        !name.startsWith(QLatin1String("On")) && !name.startsWith(QLatin1String("After"));
        for (int p = 0; p < meta->propertyCount(); ++p)
            notifies = notifies || meta->property(p).notifySignalIndex() == i;
        if (m.methodType() == QMetaMethod::Signal && m.enclosingMetaObject()->className()[0] != 'Q' && !notifies &&
            !names.contains(name))
            names.append(name);
    }
    return names;
}

// "OnChange(QObject* Sender)" as the meta-object knows it: "OnChange(QObject*)".
QByteArray SignatureOf(QString shown)
{
    static const QRegularExpression name(QStringLiteral(" [A-Za-z_][A-Za-z0-9_]*(?=[,)])"));
    return QMetaObject::normalizedSignature(shown.remove(name).toLatin1().constData());
}

QList<TComponentClass> PaletteComponents()
{
    RegisterLibraryComponents();
    QList<TComponentClass> classes;
    for (const TComponentClass& cls : RegisteredComponentClasses())
        if (!cls.Page.isEmpty())
            classes.append(cls);
    return classes;
}

class ReferencePages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HtmlDir().exists(QStringLiteral("index.html")))
            GTEST_SKIP() << "no reference built in " << QUIL_DOCS_HTML << " (cmake --build --target docs)";
    }
};

TEST_F(ReferencePages, EveryComponentHasItsPageUnderItsPalettePage)
{
    for (const TComponentClass& cls : PaletteComponents()) {
        const QString file = QStringLiteral("component_%1.html").arg(cls.ClassName);
        EXPECT_FALSE(ReadPage(file).isEmpty()) << "no page " << file.toStdString();
        bool listed = false;
        for (const QString& palette : HtmlDir().entryList({QStringLiteral("palette_*.html")})) {
            const QString text = ReadPage(palette);
            if (text.contains(QStringLiteral("<div class=\"title\">Palette page \"%1\"").arg(cls.Page.toHtmlEscaped())) &&
                text.contains(QStringLiteral("href=\"%1\"").arg(file)))
                listed = true;
        }
        EXPECT_TRUE(listed) << cls.ClassName.toStdString() << " is not listed on the page of \""
                            << cls.Page.toStdString() << "\"";
    }
}

TEST_F(ReferencePages, EveryPublishedPropertyHasItsRowWithTheDeclaredDefault)
{
    for (const TComponentClass& cls : PaletteComponents()) {
        const QString page = ReadPage(QStringLiteral("component_%1.html").arg(cls.ClassName));
        const QList<QStringList> rows = TableAfter(page, QStringLiteral("Published properties"));
        QList<TExpectedRow> expected;
        Expect(cls.Meta, QString(), 0, expected);
        ASSERT_EQ(rows.size(), expected.size()) << cls.ClassName.toStdString() << ": rows of the property table";
        for (int i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), 4) << cls.ClassName.toStdString() << " row " << i;
            EXPECT_EQ(rows[i][0].toStdString(), expected[i].Path.toStdString()) << cls.ClassName.toStdString() << " row " << i;
            EXPECT_EQ(rows[i][2].toStdString(), expected[i].Default.toStdString())
                << cls.ClassName.toStdString() << "." << expected[i].Path.toStdString() << ": default";
            EXPECT_FALSE(rows[i][3].isEmpty()) << cls.ClassName.toStdString() << "." << rows[i][0].toStdString();
        }
    }
}

TEST_F(ReferencePages, EveryEventHasItsRowWithItsParameters)
{
    for (const TComponentClass& cls : PaletteComponents()) {
        const QString page = ReadPage(QStringLiteral("component_%1.html").arg(cls.ClassName));
        const QList<QStringList> rows = TableAfter(page, QStringLiteral("Events"));
        const QStringList events = EventNames(cls.Meta);
        ASSERT_EQ(rows.size(), events.size()) << cls.ClassName.toStdString() << ": rows of the event table";
        for (int i = 0; i < rows.size(); ++i) {
            const QMetaMethod signal = cls.Meta->method(cls.Meta->indexOfMethod(SignatureOf(rows[i][0])));
            EXPECT_TRUE(signal.isValid() && signal.methodType() == QMetaMethod::Signal)
                << cls.ClassName.toStdString() << ": '" << rows[i][0].toStdString() << "' is not one of its signals";
            EXPECT_EQ(signal.name().toStdString(), events[i].toStdString()) << cls.ClassName.toStdString() << " event " << i;
        }
    }
}

TEST_F(ReferencePages, EveryPictureExistsAndVisibleComponentsShowOne)
{
    static const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
    for (const TComponentClass& cls : PaletteComponents()) {
        const QString page = ReadPage(QStringLiteral("component_%1.html").arg(cls.ClassName));
        const int contents = page.indexOf(QLatin1String("<div class=\"contents\">"));
        int pictures = 0;
        for (auto m = img.globalMatch(page, contents); m.hasNext(); ++pictures) {
            const QString src = m.next().captured(1);
            const QImage image(HtmlDir().filePath(src));
            EXPECT_FALSE(image.isNull()) << cls.ClassName.toStdString() << ": picture " << src.toStdString()
                                         << " missing or unreadable";
        }
        if (cls.Meta->inherits(&QWidget::staticMetaObject)) {
            EXPECT_GT(pictures, 0) << cls.ClassName.toStdString() << " shows no picture";
        }
    }
}

} // namespace

namespace {

// A component the QML module offers shows its QML type in use on its page.
TEST_F(ReferencePages, EveryQmlTypeHasItsQmlExample)
{
    for (const TComponentClass& cls : VisualLibraryComponents()) {
        const QString page = ReadPage(QStringLiteral("component_%1.html").arg(cls.ClassName));
        const int section = page.indexOf(QLatin1String(">In QML<"));
        ASSERT_GE(section, 0) << cls.ClassName.toStdString() << " has no QML example";
        QString type = cls.ClassName.mid(1);
        type[0] = type[0].toUpper();
        EXPECT_TRUE(page.indexOf(type + QLatin1String(" {"), section) > 0 ||
                    page.indexOf(type + QLatin1String("</span> {"), section) > 0)
            << cls.ClassName.toStdString() << ": its QML example does not place a " << type.toStdString();
    }
}

} // namespace
