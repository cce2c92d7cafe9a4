#pragma once
// The file edge: every file the program reads or writes is Windows-1252 text. Inside, text
// is QString; bytes exist only here.

#include <QByteArray>
#include <QString>
#include <optional>

namespace brevath {

QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);

// Every file the program writes, and the lines it copies, end their lines the Windows way.
inline const QString kLineEnd = QStringLiteral("\r\n");

// Paths are native paths (NativePath.h): they reach the file system byte for byte.

// The whole file, or nothing when it cannot be opened or read (a missing file, a folder, a
// pipe or device, no permission, more than 64 MB whatever size the file claims).
std::optional<QByteArray> ReadFileBytes(const QString &path);
// The same, decoded.
std::optional<QString> ReadTextFile(const QString &path);

// Writes through a temporary file in the target's folder that replaces the file only once
// all bytes are down, so a failure leaves a file already there exactly as it was. Anything
// but a regular file at the path is refused; a symbolic link is written through; the file
// keeps its permissions, and its owner where the system allows. When the folder refuses the
// temporary file, or the file may not be replaced (another user's file in a shared folder),
// but it exists and may be written, it is written in place: then a failure midway leaves it
// cut short.
bool SaveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace brevath
