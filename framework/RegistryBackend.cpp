#include "framework/RegistryBackend.h"

#include "framework/RegistryFileBackend.h"

std::unique_ptr<TRegistryBackend> TRegistryBackend::CreateDefault()
{
    return std::make_unique<TRegistryFileBackend>(TRegistryFileBackend::DefaultRoot());
}
