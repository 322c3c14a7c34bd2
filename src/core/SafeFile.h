#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace SafeFile {

// Replaces the file's content through a temporary file and a rename, so a crash or a full disk
// leaves the old content or the new one, never a torn file.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Why a file operation failed, from the system's error number, as words for the user: "there
// is no space left on the disk" for a full disk or an exhausted quota, else the system's own
// reason.
QString reason(int systemError);

// `name` made a file name every file system takes: control characters and / \ : * ? " < > |
// become '_', so that a user's text (an invoice number) never names another folder.
QString plainFileName(QString name);

// Writes all of `bytes` to `file`, which may take several writes. On failure `error` gets the
// reason: a short write's reason is only known from the write that fails after it.
bool writeAll(QFileDevice& file, const QByteArray& bytes, QString* error);

// Writes out what `file` still buffers and waits until the disk holds it (fsync), so that a
// rename after it never shows a torn file. False with the system's reason in `error`.
bool flushToDisk(QFileDevice& file, QString* error);

} // namespace SafeFile
