#include "history/HistoryFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quotechart {

namespace {

constexpr qint64 Chunk = qint64(1) << 20;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool isRegular(const struct stat &info) { return S_ISREG(info.st_mode); }

}   // namespace

std::optional<QByteArray> readHistoryFile(const QString &path, qint64 byteLimit)
{
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so a device is never opened at all; checked
    // again on the open file, which may have been replaced in between. The
    // open does not wait for a FIFO's writer.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !isRegular(info))
        return std::nullopt;
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !isRegular(info))
        return std::nullopt;

    QByteArray bytes;
    const qint64 limit = std::max<qint64>(byteLimit, 0);
    bytes.reserve(qsizetype(std::min<qint64>(std::max<qint64>(info.st_size, 0), limit)));
    while (bytes.size() < limit) {
        const qint64 want = std::min(Chunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(want));
        const ssize_t got = ::read(fd.get(), bytes.data() + at, size_t(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        bytes.resize(at + std::max<qsizetype>(got, 0));
        if (got <= 0)
            break;   // the end, or an error: what was read is the file
    }
    return bytes;
}

}   // namespace quotechart
