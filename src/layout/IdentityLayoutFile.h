#pragma once

#include "core/Result.h"
#include "layout/LayoutRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

class SharedFiles;

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

// The identity's record; nullopt when it has no file. A file that cannot be read or is damaged
// is a Failure naming the file, and is left as it is.
Result<std::optional<LayoutRecord>> read(const SharedFiles& files, int identity);
// Atomic: the new record and the old file's tail replace the file whole. A damaged record is
// not written.
Status write(SharedFiles& files, int identity, const LayoutRecord& record);

} // namespace IdentityLayoutFile
