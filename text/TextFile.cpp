#include "TextFile.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "NativePath.h"

namespace brevath {

namespace {
constexpr const char *kCodePage = "windows-1252";
// Far above any data file a player passes around (100,000 catalogue entries take 3 MB), and
// low enough that reading one can never exhaust memory.
constexpr qint64 kMaxTextFileBytes = qint64(64) << 20;

// The code page is one byte to one UTF-16 unit, so one look-up table built from the
// converter gives exactly its results, without opening a converter for every short text.
const std::optional<std::array<char16_t, 256>> &codePageTable()
{
    static const std::optional<std::array<char16_t, 256>> table = []() -> std::optional<std::array<char16_t, 256>> {
        QByteArray every(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            every[b] = char(b);
        QStringDecoder decoder(kCodePage);
        const QString decoded = decoder.decode(every);
        if (decoded.size() != 256)
            return std::nullopt;
        std::array<char16_t, 256> units{};
        for (int b = 0; b < 256; ++b)
            units[size_t(b)] = decoded[b].unicode();
        return units;
    }();
    return table;
}
} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    const std::optional<std::array<char16_t, 256>> &table = codePageTable();
    if (!table) {
        QStringDecoder decoder(kCodePage);
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = (*table)[static_cast<unsigned char>(byte)];
    return text;
}

QByteArray EncodeWindows1252(QStringView text)
{
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return fd < 0 || ::close(fd) == 0;
    }
    void adopt(int fd)
    {
        close();
        m_fd = fd;
    }

private:
    int m_fd;
};

// The bytes to hand to the system, or nothing for a name no file can have (a NUL would cut it).
std::optional<QByteArray> systemName(const QString &path)
{
    QByteArray name = EncodeNativePath(path);
    if (name.isEmpty() || name.contains('\0'))
        return std::nullopt;
    return name;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Follows symbolic links to the name that is really written.
QByteArray linkTarget(QByteArray name)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status;
        if (::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return name;
        QByteArray target = ReadLinkBytes(name.constData());
        if (target.isEmpty())
            return name;
        if (!target.startsWith('/'))
            target = name.left(name.lastIndexOf('/') + 1) + target;
        name = target;
    }
    return name;
}

QByteArray randomWord()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray word(8, Qt::Uninitialized);
    for (char &c : word)
        c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    return word;
}

bool writeInPlace(const QByteArray &name, const QByteArray &bytes)
{
    Descriptor file(::open(name.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return writeAll(file.get(), bytes) && file.close();
}

} // namespace

std::optional<QByteArray> ReadFileBytes(const QString &path)
{
    const std::optional<QByteArray> name = systemName(path);
    if (!name)
        return std::nullopt;
    // Non-blocking open: a pipe must not wait for a writer before it can be refused.
    Descriptor file(::open(name->constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > kMaxTextFileBytes)
        return std::nullopt;
    // The size is only a hint: some files claim 0 and never end, so at most one byte past the cap is read.
    QByteArray bytes(qsizetype(std::max<off_t>(status.st_size, 4095)) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, kMaxTextFileBytes + 1));
        const ssize_t n = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += n;
        if (done > kMaxTextFileBytes)
            return std::nullopt;
    }
    bytes.truncate(done);
    return bytes;
}

std::optional<QString> ReadTextFile(const QString &path)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return DecodeWindows1252(*bytes);
}

bool SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const std::optional<QByteArray> given = systemName(path);
    if (!given)
        return false;
    const QByteArray name = linkTarget(*given);
    struct stat status;
    const bool exists = ::stat(name.constData(), &status) == 0;
    // Only a regular file is replaced: a folder, a device or a pipe at the path stays as it is,
    // and so does a loop of links.
    if (exists ? !S_ISREG(status.st_mode) : errno != ENOENT)
        return false;

    // A short name of its own, so that any name the file system allows can be saved.
    const QByteArray folder = name.left(name.lastIndexOf('/') + 1);
    Descriptor temporary;
    QByteArray temporaryName;
    for (int attempt = 0; attempt < 100 && temporary.get() < 0; ++attempt) {
        temporaryName = folder + '.' + randomWord() + ".tmp";
        temporary.adopt(::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (temporary.get() < 0 && errno != EEXIST)
            break;
    }
    // A folder that refuses new files, or a file that may be written but not replaced (another
    // player's file in a shared folder, a file mounted on its own), is written in place.
    const auto refused = [&](int error) {
        return exists && (error == EACCES || error == EPERM || error == EBUSY) && writeInPlace(name, bytes);
    };
    if (temporary.get() < 0)
        return refused(errno);
    // The owner too, where it may be given (by root; the group by a player in it); where not,
    // the file becomes the player's, as a new one would.
    if (exists)
        (void)(::fchown(temporary.get(), status.st_uid, status.st_gid) == 0
               || ::fchown(temporary.get(), uid_t(-1), status.st_gid) == 0);
    bool written = writeAll(temporary.get(), bytes)
        && (!exists || ::fchmod(temporary.get(), status.st_mode & 07777) == 0) && temporary.close();
    int renameError = 0;
    if (written && ::rename(temporaryName.constData(), name.constData()) != 0) {
        renameError = errno;
        written = false;
    }
    if (!written) {
        temporary.close();
        ::unlink(temporaryName.constData());
    }
    return written || (renameError != 0 && refused(renameError));
}

} // namespace brevath
