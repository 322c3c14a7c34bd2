#pragma once

#include "layout/LayoutRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

// <identity>.dat: one LayoutRecord as its 119 fields in order, with nothing between them.
//   Int   2 bytes, little-endian, signed
//   Bool  2 bytes: 0x0000 false, 0xFFFF true (any other non-zero value reads as true)
//   Real  8 bytes, little-endian IEEE double
//   Text  2-byte little-endian byte count, then the text's bytes
// Text is written as UTF-8 and stored whole, however long its defined size. Files of earlier
// installations hold Windows-1252 text; a text that is not valid UTF-8 is read as such.
// Bytes after the record (a longer record written before) are kept on writing and ignored on
// reading.
namespace IdentityLayoutFile {

QString fileName(int identity); // "1.dat"

QByteArray encode(const LayoutRecord& record);
// The record at the start of `bytes`; nullopt with a reason when they end too soon or hold a
// damaged record (LayoutRecord::damage), whose reason names the field.
std::optional<LayoutRecord> decode(const QByteArray& bytes, QString* error = nullptr);

// A file that cannot be read or is damaged gives nullopt, with a reason naming the file, and
// is left as it is; the caller carries on with defaults.
std::optional<LayoutRecord> read(const QString& path, QString* error = nullptr);
// Atomic: the new record and the old file's tail go to a temporary file that replaces it. A
// damaged record is not written.
bool write(const QString& path, const LayoutRecord& record, QString* error = nullptr);

} // namespace IdentityLayoutFile
