#pragma once

#include <QByteArray>
#include <QString>

namespace SafeFile {

// Replaces the file's content through a temporary file and a rename, so a crash or a full disk
// leaves the old content or the new one, never a torn file.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace SafeFile
