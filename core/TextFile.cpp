#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace brevath {

namespace {
constexpr const char *kCodePage = "windows-1252";
}

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
    if (QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return DecodeWindows1252(bytes);
}

bool SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace brevath
