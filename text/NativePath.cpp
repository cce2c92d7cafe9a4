#include "NativePath.h"

#include <QStringList>
#include <cerrno>
#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevath {

namespace {
constexpr char16_t kEscapeBase = 0xDC00; // + byte, for bytes 0x80 to 0xFF
constexpr char16_t kReplacement = 0xFFFD;

bool isEscape(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at the start of bytes (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
int sequenceLength(QByteArrayView bytes, char32_t &codePoint)
{
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    int length;
    char32_t minimum;
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = b0 & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(b))
            return 0;
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString DecodeNativePath(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        char32_t codePoint = 0;
        const int length = sequenceLength(bytes, codePoint);
        if (length == 0) {
            path += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes = bytes.sliced(1);
            continue;
        }
        path += QString::fromUcs4(&codePoint, 1);
        bytes = bytes.sliced(length);
    }
    return path;
}

QByteArray EncodeNativePath(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) { bytes += path.sliced(start, end - start).toUtf8(); };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (isEscape(c)) {
            flush(i);
            bytes += char(c - kEscapeBase);
            start = i + 1;
        }
    }
    flush(path.size());
    return bytes;
}

QString DisplayPath(QStringView path)
{
    QString shown = path.toString();
    for (QChar &c : shown) {
        if (isEscape(c.unicode()))
            c = QChar(kReplacement);
    }
    return shown;
}

QString RecoverDialogPath(const QString &chosen)
{
    if (!chosen.contains(QChar(kReplacement)))
        return chosen;
    const QStringList parts = chosen.split(u'/');
    QString folder = parts.constFirst();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString part = parts[i];
        if (part.contains(QChar(kReplacement))) {
            const QByteArray where = folder.isEmpty() ? QByteArray("/") : EncodeNativePath(folder);
            if (DIR *dir = ::opendir(where.constData())) {
                QString match;
                int matches = 0;
                while (const dirent *entry = ::readdir(dir)) {
                    if (QString::fromUtf8(entry->d_name) == part) {
                        match = DecodeNativePath(entry->d_name);
                        ++matches;
                    }
                }
                ::closedir(dir);
                if (matches == 1)
                    part = match;
            }
        }
        folder += u'/' + part;
    }
    return folder;
}

QByteArray ReadLinkBytes(const char *path)
{
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(path, target.data(), size_t(target.size()));
        if (n < 0)
            return {};
        if (n < target.size())
            return target.left(n);
        target.resize(target.size() * 2);
    }
}

std::optional<QString> ExecutableFolder()
{
    const QByteArray executable = ReadLinkBytes("/proc/self/exe");
    const qsizetype slash = executable.lastIndexOf('/');
    if (!executable.startsWith('/') || slash < 0)
        return std::nullopt;
    return DecodeNativePath(slash == 0 ? QByteArray("/") : executable.left(slash));
}

bool MakeFolders(const QString &path)
{
    const QByteArray bytes = EncodeNativePath(path);
    if (bytes.isEmpty())
        return false;
    for (qsizetype end = bytes.indexOf('/', 1);; end = bytes.indexOf('/', end + 1)) {
        const QByteArray folder = end < 0 ? bytes : bytes.first(end);
        if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (end < 0)
            break;
    }
    struct stat status
    {
    };
    return ::stat(bytes.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace brevath
