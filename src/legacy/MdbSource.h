#pragma once

#include "legacy/JetSource.h"

// A Jet 3 or Jet 4 database file read with libmdb (mdbtools), in this process: only the reader
// program uses it (see JetFile), since libmdb can hang or print on stdout on a damaged file. The
// file is opened read-only and never written. Values are taken from the row's own bytes, so
// Currency stays the stored 64-bit count and Date/Time the stored double; text is decoded here (Jet
// 4: UTF-16, plain or in its one-byte compressed form; Jet 3: the Windows-1252 code page), and text
// that is no valid Unicode is refused rather than patched with question marks.
class MdbSource final : public JetSource {
public:
    // Refuses, with a message naming the file and the problem, anything that is not a complete
    // Jet 3 or Jet 4 file: another format (an Access 2007 .accdb among them), a file cut short.
    static Result<std::unique_ptr<MdbSource>> open(const QString& path);
    // The same refusals, from the file's size and first bytes alone, without libmdb. A folder,
    // a named pipe or a device is refused before it is opened.
    static Status check(const QString& path);
    ~MdbSource() override;
    MdbSource(const MdbSource&) = delete;
    MdbSource& operator=(const MdbSource&) = delete;

    QStringList tables() const override { return m_tables; }
    Result<std::unique_ptr<JetTable>> table(const QString& name) override;

private:
    explicit MdbSource(void* mdb);

    void* m_mdb; // MdbHandle*; mdbtools.h stays out of this header
    QStringList m_tables;
};
