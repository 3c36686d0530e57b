#pragma once
// TRegistryBackend: where the current user's registry keys live. Callers only
// see this interface, so a back end over a native registry can be added for
// another platform without touching them.
//
// Key paths are relative to the current user's root, components separated by
// backslashes ("Software\Brenvik\Quil demo"), compared without regard to case.

#include "framework/RegistryKey.h"

#include <memory>

class TRegistryBackend {
public:
    virtual ~TRegistryBackend() = default;

    virtual bool KeyExists(const QString& path) const = 0;
    // The open key, or null when it is absent and may not be created, or
    // cannot be created.
    virtual std::unique_ptr<TRegistryKey> OpenKey(const QString& path, bool canCreate) = 0;

    // The current user's store on this platform.
    static std::unique_ptr<TRegistryBackend> CreateDefault();
};
