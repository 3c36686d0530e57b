#include "framework/ComponentRegistry.h"

namespace {

struct Registry {
    QList<TComponentClass> classes;
    QStringList pages;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

qsizetype IndexOfClass(const Registry& r, const QString& className)
{
    for (qsizetype i = 0; i < r.classes.size(); ++i)
        if (r.classes[i].ClassName.compare(className, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

void RegisterComponents(const QString& page, const QList<TComponentClass>& classes)
{
    Registry& r = TheRegistry();
    if (!page.isEmpty() && !r.pages.contains(page, Qt::CaseInsensitive))
        r.pages.append(page);
    for (TComponentClass c : classes) {
        if (c.ClassName.isEmpty() || !c.Create)
            continue;
        c.Page = page;
        const qsizetype at = IndexOfClass(r, c.ClassName);
        if (at >= 0)
            r.classes[at] = std::move(c);
        else
            r.classes.append(std::move(c));
    }
}

std::optional<TComponentClass> FindComponentClass(const QString& className)
{
    const Registry& r = TheRegistry();
    const qsizetype at = IndexOfClass(r, className);
    if (at < 0)
        return std::nullopt;
    return r.classes[at];
}

QStringList ComponentPages() { return TheRegistry().pages; }

QList<TComponentClass> ComponentClassesOfPage(const QString& page)
{
    QList<TComponentClass> result;
    for (const TComponentClass& c : TheRegistry().classes)
        if (c.Page.compare(page, Qt::CaseInsensitive) == 0)
            result.append(c);
    return result;
}

QList<TComponentClass> RegisteredComponentClasses() { return TheRegistry().classes; }
