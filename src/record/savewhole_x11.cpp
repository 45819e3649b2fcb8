#include "record/savewhole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kv {

namespace {

QString SystemError(const QString& what, int error)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error)));
}

bool WriteAll(int fd, const QByteArray& text)
{
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t wrote
            = ::pwrite(fd, text.constData() + done, static_cast<size_t>(text.size() - done), done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace

SwapSave SaveBySwapping(const QString& path, const QString& side, const QByteArray& text, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return SwapSave::Failed;
    };
    const QByteArray sideName = QFile::encodeName(side);
    const QByteArray pathName = QFile::encodeName(path);
    int fd = ::open(sideName.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && errno == ENOENT && QDir().mkpath(QFileInfo(path).absolutePath()))
        fd = ::open(sideName.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return fail(SystemError(QDir::toNativeSeparators(side), errno));
    // Written over the old text in place, cut to the new length, and on the
    // disk before the swap makes it the file.
    const bool written = WriteAll(fd, text) && ::ftruncate(fd, text.size()) == 0 && ::fdatasync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        return fail(SystemError(QDir::toNativeSeparators(side), written ? errno : writeError));
    if (::renameat2(AT_FDCWD, sideName.constData(), AT_FDCWD, pathName.constData(), RENAME_EXCHANGE) == 0)
        return SwapSave::Saved;
    const int swapError = errno;
    if (swapError == ENOENT && ::rename(sideName.constData(), pathName.constData()) == 0)
        return SwapSave::Saved; // the first save: nothing to swap with yet
    if (swapError == EINVAL || swapError == ENOSYS || swapError == EOPNOTSUPP) {
        ::unlink(sideName.constData());
        return SwapSave::Unsupported;
    }
    return fail(SystemError(QDir::toNativeSeparators(path), swapError == ENOENT ? errno : swapError));
}

} // namespace kv
