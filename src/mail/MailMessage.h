#pragma once

#include "core/Result.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

// A message for the desktop's mail program to open, ready for the user to check and send.
struct MailMessage {
    QString to; // an address, may be empty (the user fills it in)
    QString subject;
    QString body;
    QString attachment; // absolute path of an existing file, or empty
};

// Hands a message to the desktop's mail program through `xdg-email`, or through another
// program taking the same arguments (tests put a recorder in its place). The program opens a
// composed message; nothing is sent until the user sends it there.
class MailLauncher {
    Q_DECLARE_TR_FUNCTIONS(MailLauncher)
public:
    static inline const QString kDefaultProgram = QStringLiteral("xdg-email");
    static inline const QString kDefaultOpener = QStringLiteral("xdg-open");

    explicit MailLauncher(QString program = kDefaultProgram, QString opener = kDefaultOpener)
        : m_program(std::move(program))
        , m_opener(std::move(opener))
    {}

    QString program() const { return m_program; }
    // Tests put recorders in place of both programs.
    void setPrograms(const QString& program, const QString& opener)
    {
        m_program = program;
        m_opener = opener;
    }

    // One address as a mail program may be given it. A mailto: link, or anything with a query,
    // could carry "attach=" and add a file of the user's to the message; a leading '-' reads
    // as an option.
    static bool isPlainAddress(const QString& address);

    // xdg-email's arguments for `message`, the address last.
    static QStringList arguments(const MailMessage& message);

    // Done when the mail program took the message; a Failure says why not (an address that is
    // not plain, no mail program, or it refused), and the caller offers the file another way.
    Status launch(const MailMessage& message) const;
    // Shows a folder in the desktop's file manager, where the user can pick up a file that no
    // mail program took.
    Status openFolder(const QString& folder) const;

private:
    QString m_program;
    QString m_opener;
};

// Fills a template's fields: each "{name}" whose name is a key of `fields` becomes its value;
// any other braces are left as written, so that a typing slip shows in the message.
QString fillTemplate(const QString& text, const QHash<QString, QString>& fields);
