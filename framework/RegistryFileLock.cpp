#include "framework/RegistryFileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int RetryMs = 2;

} // namespace

TRegistryFileLock::TRegistryFileLock(const QString& folder, int timeoutMs)
{
    fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            locked_ = true;
            return;
        }
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || deadline.hasExpired())
            return;
        QThread::msleep(RetryMs);
    }
}

TRegistryFileLock::~TRegistryFileLock()
{
    // Closing the folder releases the lock.
    if (fd_ >= 0)
        ::close(fd_);
}
