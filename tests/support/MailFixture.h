#pragma once

#include "core/DaySerial.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QTest>

// Books to e-mail from: the identity "Harbour Joinery" and its client "Smith & Sons Ltd"
// (ap@smith.example), with invoices of £100 + 17.5% VAT = £117.50 dated the test's today.
struct MailBooks {
    explicit MailBooks(TestEnv& testEnv)
        : env(testEnv)
        , identity(testEnv.addIdentity(QStringLiteral("Harbour Joinery")))
        , client(testEnv.addClient(QStringLiteral("Smith & Sons Ltd"), identity))
    {
        env.exec(QStringLiteral("UPDATE TblClients SET Email = 'ap@smith.example' "
                                "WHERE ClientID = ?"),
                 {client});
        env.exec(QStringLiteral("UPDATE TblUserData SET VatReg = -1, VatRate = 17.5 "
                                "WHERE Identity = ?"),
                 {identity});
    }

    // A new invoice of the client; returns its InvoiceID.
    int addInvoice(const QString& number)
    {
        const Result<qint64> added = env.db.insert(
            {},
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", "
                           "VAT, Total, \"Date\", Identity) VALUES (?, ?, 'Oak staircase', "
                           "1000000, 175000, 1175000, ?, ?)"),
            {client, number, DaySerial::fromDate(env.clock.today()), identity});
        if (!added)
            qFatal("%s", qPrintable(added.error()));
        return int(*added);
    }

    // The invoice's SentOn: null while it was never sent.
    QVariant sentOn(int invoiceId) const
    {
        return env.db.scalar(QStringLiteral("SELECT SentOn FROM TblInvoices WHERE InvoiceID = ?"),
                             {invoiceId});
    }

    TestEnv& env;
    int identity;
    int client;
};

// Scripts in place of xdg-email and xdg-open that keep the arguments they were started with and
// end with a chosen exit code (xdg-email's 3: no mail program), so a test sees exactly what the
// desktop would have been handed.
struct MailRecorder {
    MailRecorder(const QString& folder, int mailerExit)
        : mailer(folder + QStringLiteral("/mailer.sh"))
        , opener(folder + QStringLiteral("/opener.sh"))
        , m_mailerLog(folder + QStringLiteral("/mailer.args"))
        , m_openerLog(folder + QStringLiteral("/opener.args"))
    {
        // NUL between arguments: a message body has line breaks of its own.
        script(mailer, QStringLiteral("for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '%1'\n"
                                      "exit %2\n")
                           .arg(m_mailerLog)
                           .arg(mailerExit));
        script(opener, QStringLiteral("for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '%1'\n")
                           .arg(m_openerLog));
    }

    // The arguments of the one run; empty when it never ran.
    QStringList mailerArguments() const { return arguments(m_mailerLog); }
    QStringList openerArguments() const { return arguments(m_openerLog); }
    bool mailerRan() const { return QFile::exists(m_mailerLog); }
    bool openerRan() const { return QFile::exists(m_openerLog); }

    QString mailer;
    QString opener;

private:
    static void script(const QString& path, const QString& body)
    {
        writeAll(path, (QStringLiteral("#!/bin/sh\n") + body).toUtf8());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    }
    static QStringList arguments(const QString& log)
    {
        QStringList args = QString::fromUtf8(readAll(log)).split(QChar(u'\0'));
        args.removeLast(); // after the last NUL
        return args;
    }

    QString m_mailerLog;
    QString m_openerLog;
};
