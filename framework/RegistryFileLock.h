#pragma once
// TRegistryFileLock: the exclusive right to rewrite the key files of one
// folder, held from construction to destruction. It is a lock of the folder
// itself with the operating system, so it leaves no file behind and a program
// that dies holding it releases it at once.

#include <QString>

class TRegistryFileLock {
public:
    // Waits up to timeoutMs while another program holds the lock.
    TRegistryFileLock(const QString& folder, int timeoutMs);
    ~TRegistryFileLock();
    TRegistryFileLock(const TRegistryFileLock&) = delete;
    TRegistryFileLock& operator=(const TRegistryFileLock&) = delete;

    bool IsLocked() const { return locked_; }

private:
    int fd_ = -1;
    bool locked_ = false;
};
