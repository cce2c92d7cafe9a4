#pragma once
// The file edge: every file the program reads or writes is Windows-1252 text. Inside, text
// is QString; bytes exist only here.

#include <QByteArray>
#include <QString>
#include <optional>

namespace brevath {

QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);

// The whole file decoded, or nothing when it cannot be opened or read (a missing file, a
// folder, a pipe or device, no permission, more than 64 MB).
std::optional<QString> ReadTextFile(const QString &path);

// Writes through a temporary file in the same folder that replaces the path only once all
// bytes are down, so a failure leaves a file already there exactly as it was. Anything but
// a regular file at the path is refused.
bool SaveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace brevath
