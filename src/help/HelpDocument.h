#pragma once

#include "core/Result.h"
#include "layout/Adtg.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class SharedFiles;

// One section of the help document.
struct HelpSection {
    int displayOrder = 0; // place among its siblings, smallest first
    QString caption;      // shown in the tree
    QString name;         // the key (HName): unique, without blanks
    QString text;         // plain text, lines ended by CR LF
    QString parent;       // the parent's key; empty at the top level

    bool operator==(const HelpSection&) const = default;
};

// What reading Help.set gave: its sections in file order, and when the file could not be read
// whole, why, with the sections read before the damage.
struct HelpContents {
    QList<HelpSection> sections;
    QString damage; // empty when the whole file was read
};

// Help.set: a persisted recordset (ADTG) of five columns, DisplayOrder (32-bit integer),
// Caption, HName and Parent (BSTR of 30 characters) and HValue (long wide text of 100,000
// characters). Every edit reads the whole file, changes it and writes it back atomically. It is
// one of the books' shared files: in the data folder, or on the server beside the tables.
class HelpDocument {
    Q_DECLARE_TR_FUNCTIONS(HelpDocument)

public:
    static inline const QString kFileName = QStringLiteral("Help.set");
    static inline const QString kOldFileName = QStringLiteral("OldHelp.set");
    // Each language's help is a file of its own, so a user's edits stay with their language:
    // Help.set in English, Help_de.set in German.
    static QString fileNameFor(const QString& language);
    static constexpr int kMaxKeyLength = 30;      // HName, Caption and Parent, in characters
    static constexpr int kMaxTextLength = 100000; // HValue, in characters

    enum class Outcome {
        Done,
        NodeExists, // a section already has the key
        Damaged,    // the file was read only in part: writing it would drop the rest
        NotChosen,  // no section has the key asked for
    };

    explicit HelpDocument(SharedFiles& files, QString name = kFileName);

    const QString& name() const { return m_name; }
    // True also when it cannot be told (a server out of reach): the read that follows says why.
    bool exists() const;

    // The sections, or why none could be read (a missing file, a file that is not ADTG or
    // lacks a column). A file damaged part of the way gives the sections before the damage.
    Result<HelpContents> read() const;

    // A name as the user typed it made into a key: every blank removed.
    static QString keyFromTyped(const QString& typed);
    // Why a key, caption or text cannot be stored; empty when it can.
    static QString checkKey(const QString& key);
    static QString checkText(const QString& text);

    // The edits. `keepDamaged` lets an edit rewrite a damaged file with what could be read
    // (the caller asks the user first); otherwise a damaged file gives Outcome::Damaged and is
    // left as it is.
    // A new section with DisplayOrder 0 whose key, caption and text are all `key`, at the top
    // level or under `parent`.
    Result<Outcome> add(const QString& key, const QString& parent, bool keepDamaged = false);
    // Gives the section a new caption; single quotes are dropped from it. The key stays.
    Result<Outcome> rename(const QString& key, const QString& caption, bool keepDamaged = false);
    // Deletes the section; sections below it stay, their parent gone.
    Result<Outcome> remove(const QString& key, bool keepDamaged = false);
    // Stores the section's text and display order.
    Result<Outcome> save(const QString& key, const QString& text, int displayOrder,
                         bool keepDamaged = false);
    // Builds Help.set from an older file without captions: each section's key is its caption.
    // Outcome::NodeExists when Help.set already exists.
    Result<Outcome> makeFromOld(const QString& oldName = kOldFileName);

    // Stores the delivered help document as `name` when the books have none; one that is there,
    // the user's edits, is never replaced.
    static Status installIfMissing(SharedFiles& files, const QByteArray& delivered,
                                   const QString& name = kFileName);

    static AdtgTable toTable(const QList<HelpSection>& sections);
    // Replaces the whole document with `sections`.
    Status write(const QList<HelpSection>& sections);

private:
    template <typename Change> Result<Outcome> edit(bool keepDamaged, Change change);
    // The bytes of the file `name`, or why they cannot be had (a missing file included).
    Result<QByteArray> bytesOf(const QString& name) const;

    SharedFiles& m_files;
    QString m_name;
};
