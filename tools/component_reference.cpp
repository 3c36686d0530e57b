// Writes the component reference that the docs target hands to Doxygen:
//   component_reference <description-folder> <output-folder>
// <output-folder>/pages/*.md and <output-folder>/pictures/*.png, built from the
// component registry, the meta-objects and the description texts
// (docs/components). Exits with 1 after listing every property, event or
// class that lacks its description, every stale description and every
// picture that could not be drawn; the pages are written all the same.
#include "framework/Application.h"
#include "framework/Exception.h"
#include "library/RegisterLibrary.h"
#include "reference/DocLibrary.h"
#include "reference/ReferenceWriter.h"

#include <cstdio>

namespace {

QList<const QMetaObject*> PaletteComponents()
{
    QList<const QMetaObject*> classes;
    for (const QString& page : TReferenceWriter::PalettePages())
        for (const TComponentClass& cls : ComponentClassesOfPage(page))
            classes.append(cls.Meta);
    return classes;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: component_reference DESCRIPTION_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    RegisterLibraryComponents();
    try {
        const TDocLibrary docs = TDocLibrary::Load(QString::fromLocal8Bit(argv[1]));
        QStringList faults = docs.Problems(PaletteComponents());
        faults += TReferenceWriter(docs).Write(QDir(QString::fromLocal8Bit(argv[2])));
        for (const QString& fault : faults)
            std::fprintf(stderr, "component_reference: %s\n", qPrintable(fault));
        return faults.isEmpty() ? 0 : 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "component_reference: %s\n", qPrintable(e.Message));
        return 1;
    }
}
