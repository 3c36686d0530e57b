#include "framework/RegistryFileBackend.h"

#include "framework/RegistryFileKey.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString KeyFileSuffix = QStringLiteral(".reg");

bool IsValidKeyName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// The entry of dir whose name equals wanted without regard to case, or wanted itself.
QString SpelledOnDisk(const QString& dir, const QString& wanted, QDir::Filters filter)
{
    const QStringList entries = QDir(dir).entryList(filter | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return entry;
    return wanted;
}

} // namespace

TRegistryFileBackend::TRegistryFileBackend(const QString& rootDir) : root_(rootDir) {}

QString TRegistryFileBackend::DefaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quil");
}

QString TRegistryFileBackend::Location::FilePath() const { return dir + QLatin1Char('/') + name + KeyFileSuffix; }

std::optional<TRegistryFileBackend::Location> TRegistryFileBackend::Resolve(const QString& path) const
{
    QString trimmed = path;
    if (trimmed.startsWith(QLatin1Char('\\')))
        trimmed.remove(0, 1);
    if (trimmed.endsWith(QLatin1Char('\\')))
        trimmed.chop(1);
    const QStringList names = trimmed.split(QLatin1Char('\\'));
    for (const QString& name : names)
        if (!IsValidKeyName(name))
            return std::nullopt;

    Location location{root_, {}, {}};
    QStringList spelled;
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        spelled << SpelledOnDisk(location.dir, names[i], QDir::Dirs);
        location.dir += QLatin1Char('/') + spelled.last();
    }
    const QString file = SpelledOnDisk(location.dir, names.last() + KeyFileSuffix, QDir::Files);
    location.name = file.chopped(KeyFileSuffix.size());
    if (!QFileInfo::exists(location.FilePath()))
        location.name = SpelledOnDisk(location.dir, names.last(), QDir::Dirs);
    spelled << location.name;
    location.keyPath = spelled.join(QLatin1Char('\\'));
    return location;
}

bool TRegistryFileBackend::Location::Exists() const
{
    return QFileInfo(FilePath()).isFile() || QFileInfo(dir + QLatin1Char('/') + name).isDir();
}

bool TRegistryFileBackend::KeyExists(const QString& path) const
{
    const std::optional<Location> location = Resolve(path);
    return location && location->Exists();
}

std::unique_ptr<TRegistryKey> TRegistryFileBackend::OpenKey(const QString& path, bool canCreate)
{
    const std::optional<Location> location = Resolve(path);
    if (!location)
        return nullptr;
    auto key = std::make_unique<TRegistryFileKey>(location->FilePath(), location->keyPath);
    if (location->Exists()) {
        key->Load();
        return key;
    }
    if (!canCreate || !QDir().mkpath(location->dir) || !key->Create())
        return nullptr;
    return key;
}
