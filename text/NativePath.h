#pragma once
// File names on Linux are bytes, not text. Inside, a path is a QString in which every byte
// that is not part of valid UTF-8 stands as a lone surrogate U+DC80 + (byte - 0x80), so a
// name decodes and encodes back byte for byte whatever it holds.

#include <QByteArray>
#include <QString>
#include <optional>

namespace brevath {

QString DecodeNativePath(QByteArrayView bytes);
QByteArray EncodeNativePath(QStringView path);

// The path as a window can show it: every byte that was not UTF-8 becomes U+FFFD.
QString DisplayPath(QStringView path);

// A file dialog decodes names lossily (U+FFFD for what is not UTF-8). Maps each component
// holding U+FFFD back to the one real entry of its folder that reads the same way; a
// component with no such entry, or more than one, stays as it was.
QString RecoverDialogPath(const QString &chosen);

// What a symbolic link points at, as the bytes it holds; empty when the path is no link.
QByteArray ReadLinkBytes(const char *path);

// The folder of the running executable, from the file system's own record of it; empty
// when it cannot be told.
std::optional<QString> ExecutableFolder();

// Makes the folder and those above it that are missing; false when it cannot.
bool MakeFolders(const QString &path);

} // namespace brevath
