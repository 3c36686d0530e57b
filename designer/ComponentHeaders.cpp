#include "designer/ComponentHeaders.h"

#include <QFileInfo>

namespace {

const char* const kHeaders[] = {
#include "QuilHeaders.inc"
};

} // namespace

QString TComponentHeaders::Of(const QString& className)
{
    const QString base = className.startsWith(QLatin1Char('T')) ? className.mid(1) : className;
    for (const char* header : kHeaders) {
        const QString path = QString::fromLatin1(header);
        if (QFileInfo(path).completeBaseName().compare(base, Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}
