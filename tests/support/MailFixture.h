#pragma once

#include "core/DaySerial.h"
#include "support/TestEnv.h"

#include <QFile>

// Books to e-mail from: the identity "Harbour Joinery" and its client "Smith & Sons Ltd"
// (ap@smith.example), with invoices of £100 + 17.5% VAT = £117.50 dated the test's today.
struct MailBooks {
    explicit MailBooks(TestEnv& testEnv)
        : env(testEnv)
        , identity(testEnv.addIdentity(QStringLiteral("Harbour Joinery")))
        , client(testEnv.addClient(QStringLiteral("Smith & Sons Ltd"), identity))
    {
        env.exec(QStringLiteral("UPDATE TblClients SET Email = 'ap@smith.example'"));
        env.exec(QStringLiteral("UPDATE TblUserData SET VatReg = -1, VatRate = 17.5"));
    }
    int addInvoice(const QString& number) // its InvoiceID
    {
        return int(*env.db.insert(
            {},
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", "
                           "VAT, Total, \"Date\", Identity) VALUES (?, ?, 'Oak staircase', "
                           "1000000, 175000, 1175000, ?, ?)"),
            {client, number, DaySerial::fromDate(env.clock.today()), identity}));
    }
    QVariant sentOn(int invoiceId) const // null while never sent
    {
        return env.db.scalar(QStringLiteral("SELECT SentOn FROM TblInvoices WHERE InvoiceID = ?"),
                             {invoiceId});
    }

    TestEnv& env;
    int identity;
    int client;
};

// Scripts in place of xdg-email and xdg-open that keep their arguments (NUL after each: a body
// has line breaks of its own) and end with a chosen exit code (xdg-email's 3: no mail program).
struct MailRecorder {
    MailRecorder(const QString& folder, int mailerExit)
        : mailer(folder + QStringLiteral("/mailer"))
        , opener(folder + QStringLiteral("/opener"))
    {
        for (const QString& program : {mailer, opener}) {
            writeAll(program, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' "
                                             "\"$a\"; done > '%1.args'\nexit %2\n")
                                  .arg(program)
                                  .arg(program == mailer ? mailerExit : 0)
                                  .toUtf8());
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
    }
    // The arguments of the program's one run; empty when it never ran.
    static QStringList arguments(const QString& program)
    {
        QStringList args =
            QString::fromUtf8(readAll(program + QStringLiteral(".args"))).split(QChar(u'\0'));
        args.removeLast(); // after the last NUL
        return args;
    }

    QString mailer;
    QString opener;
};
