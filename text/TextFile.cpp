#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace brevath {

namespace {
constexpr const char *kCodePage = "windows-1252";
// Far above any data file a player passes around (100,000 catalogue entries take 3 MB), and
// low enough that reading one can never exhaust memory.
constexpr qint64 kMaxTextFileBytes = qint64(64) << 20;
} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QByteArray EncodeWindows1252(QStringView text)
{
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

std::optional<QString> ReadTextFile(const QString &path)
{
    // Only a regular file: a pipe would wait for a writer for ever, a device may never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTextFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return DecodeWindows1252(bytes);
}

bool SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Only a regular file is replaced: a folder, a device or a pipe at the path stays as it is.
    const QFileInfo target(path);
    if (path.isEmpty() || (target.exists() && !target.isFile()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() does not notice a failed final flush (disk full): it would put a short file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace brevath
