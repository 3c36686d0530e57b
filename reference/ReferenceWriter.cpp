#include "reference/ReferenceWriter.h"

#include "framework/Exception.h"
#include "reference/ComponentPage.h"
#include "reference/StatePicture.h"

#include <QSaveFile>

namespace {

// Small components are drawn twice their size so that their pixels can be seen.
constexpr int kSmallSide = 200;

QString WriteText(const QDir& dir, const QString& name, const QString& text)
{
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return QStringLiteral("cannot write %1").arg(file.fileName());
    return {};
}

QImage Enlarged(const QImage& image)
{
    if (image.width() > kSmallSide || image.height() > kSmallSide)
        return image;
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QStringList TReferenceWriter::PalettePages()
{
    QStringList pages;
    for (const QString& page : ComponentPages())
        if (!page.isEmpty())
            pages.append(page);
    return pages;
}

QString TReferenceWriter::PalettePageName(const QString& page)
{
    QString name = QStringLiteral("palette_");
    for (const QChar c : page)
        name += c.isLetterOrNumber() ? c.toLower() : QLatin1Char('_');
    return name;
}

QStringList TReferenceWriter::Write(const QDir& out) const
{
    QStringList faults;
    for (const char* sub : {"pages", "pictures"})
        if (!out.mkpath(QLatin1String(sub)))
            faults.append(QStringLiteral("cannot create %1").arg(out.filePath(QLatin1String(sub))));
    const QDir pages(out.filePath(QStringLiteral("pages")));
    const QDir pictures(out.filePath(QStringLiteral("pictures")));
    faults.append(WriteText(pages, QStringLiteral("components.md"), OverviewMarkdown()));
    QString list; // palette page and component page, as HTML file names
    for (const QString& page : PalettePages()) {
        faults.append(WriteText(pages, PalettePageName(page) + QStringLiteral(".md"), PaletteMarkdown(page)));
        for (const TComponentClass& cls : ComponentClassesOfPage(page)) {
            const QString name = TComponentPage::PageName(cls.ClassName);
            faults.append(WriteText(pages, name + QStringLiteral(".md"), TComponentPage::Markdown(cls, docs_)));
            faults.append(WritePictures(cls, pictures));
            list += QStringLiteral("%1.html\t%2.html\n").arg(PalettePageName(page), name);
        }
    }
    faults.append(WriteText(out, QStringLiteral("component-pages.tsv"), list));
    faults.append(WriteText(out, QStringLiteral("examples.cpp"), ExamplesSource()));
    faults.append(WriteQmlExamples(out));
    faults.removeAll(QString());
    return faults;
}

QStringList TReferenceWriter::WritePictures(const TComponentClass& cls, const QDir& pictures) const
{
    const TDocText* text = docs_.Find(cls.ClassName);
    if (!text)
        return {};
    QStringList faults;
    for (int i = 0; i < text->Pictures.size(); ++i) {
        const TDocPicture& picture = text->Pictures[i];
        const QString path = pictures.filePath(TComponentPage::PictureName(cls.ClassName, i + 1));
        try {
            const QString source = QStringLiteral("%1, picture '%2'").arg(text->Source, picture.Caption);
            const QImage image = TStatePicture::Draw(cls, picture.Assignments, source);
            if (image.isNull() || !Enlarged(image).save(path))
                faults.append(QStringLiteral("cannot draw %1").arg(path));
        } catch (const Exception& e) {
            faults.append(e.Message);
        }
    }
    return faults;
}

QString TReferenceWriter::ExamplesSource() const
{
    QString source = QStringLiteral("// The components' examples, compiled by the docs target so that none\n"
                                    "// goes stale. Written by component_reference.\n"
                                    "#include \"ExamplePrelude.h\"\n\n");
    for (const QString& page : PalettePages())
        for (const TComponentClass& cls : ComponentClassesOfPage(page))
            if (const TDocText* text = docs_.Find(cls.ClassName))
                source += QStringLiteral("[[maybe_unused]] static void Example%1([[maybe_unused]] QWidget* form)\n{\n"
                                         "#line 1 \"%2 (Example)\"\n%3\n}\n\n")
                              .arg(cls.ClassName, text->Source, text->ExampleCode());
    return source;
}

QStringList TReferenceWriter::WriteQmlExamples(const QDir& out) const
{
    if (!out.mkpath(QStringLiteral("qml")))
        return {QStringLiteral("cannot create %1").arg(out.filePath(QStringLiteral("qml")))};
    const QDir qml(out.filePath(QStringLiteral("qml")));
    QStringList faults;
    for (const QString& page : PalettePages())
        for (const TComponentClass& cls : ComponentClassesOfPage(page))
            if (const TDocText* text = docs_.Find(cls.ClassName); text && !text->QmlExample.isEmpty())
                faults.append(WriteText(qml, cls.ClassName.mid(1) + QStringLiteral("Example.qml"), text->QmlExampleCode() + '\n'));
    return faults;
}

QString TReferenceWriter::FirstSentence(const QString& className) const
{
    const TDocText* text = docs_.Find(className);
    if (!text)
        return TComponentPage::MissingText();
    const int end = text->Summary.indexOf(QLatin1String(". "));
    return (end < 0 ? text->Summary : text->Summary.left(end + 1)).simplified();
}

QString TReferenceWriter::PaletteMarkdown(const QString& page) const
{
    QString text = QStringLiteral("# Palette page \"%1\" {#%2}\n\n").arg(page, PalettePageName(page));
    for (const TComponentClass& cls : ComponentClassesOfPage(page))
        text += QStringLiteral("- \\subpage %1 \"%2\": %3\n")
                    .arg(TComponentPage::PageName(cls.ClassName), cls.ClassName, FirstSentence(cls.ClassName));
    return text;
}

QString TReferenceWriter::OverviewMarkdown() const
{
    QString text = QStringLiteral(
        "# Components {#components}\n\n"
        "Every registered component, grouped by the palette page the Qt Designer plugin and the gallery "
        "show it on. Each page says what the component is for, shows it as drawn by the library itself, "
        "and lists its published properties (the ones a window description stores, see \\ref window_descriptions) "
        "and its events.\n\n");
    for (const QString& page : PalettePages()) {
        text += QStringLiteral("- \\subpage %1 \"%2\"\n").arg(PalettePageName(page), page);
        for (const TComponentClass& cls : ComponentClassesOfPage(page))
            text += QStringLiteral("  - \\ref %1 \"%2\": %3\n")
                        .arg(TComponentPage::PageName(cls.ClassName), cls.ClassName, FirstSentence(cls.ClassName));
    }
    return text;
}
