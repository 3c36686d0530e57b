#pragma once
// TRegistryFileBackend: the current user's registry keys as text files below a
// root folder, for platforms without a registry. Key "A\B\C" is the file
// <root>/A/B/C.reg; a key with sub-keys also has the folder <root>/A/B/C.
// Names are matched without regard to case against what is already on disk,
// so "software\brenvik" finds "Software/Brenvik".

#include "framework/RegistryBackend.h"

#include <optional>

class TRegistryFileBackend : public TRegistryBackend {
public:
    explicit TRegistryFileBackend(const QString& rootDir);

    // <XDG config folder>/quil, e.g. ~/.config/quil.
    static QString DefaultRoot();

    bool KeyExists(const QString& path) const override;
    std::unique_ptr<TRegistryKey> OpenKey(const QString& path, bool canCreate) override;

private:
    struct Location {
        QString dir;      // folder holding the key's file
        QString name;     // the key's last name as spelled on disk
        QString keyPath;  // the whole path as spelled on disk
        QString FilePath() const;
        // As a file, or as the folder of its sub-keys.
        bool Exists() const;
    };
    // Null for paths that name no key: empty names, "." or "..", '/' or NUL.
    std::optional<Location> Resolve(const QString& path) const;

    QString root_;
};
