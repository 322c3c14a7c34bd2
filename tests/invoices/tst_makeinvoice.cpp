#include "invoices/ui/MakeInvoiceTab.h"
#include "layout/IdentityLayoutFile.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestMakeInvoice : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    MakeInvoiceTab* m_tab = nullptr;
    int m_acme = 0;
    int m_zeta = 0;

    template <typename T> T* child(const char* name) { return ::child<T>(m_tab, name); }
    QComboBox* clients() { return child<QComboBox>("cmbSelectClient2"); }
    QPlainTextEdit* content() { return child<QPlainTextEdit>("txtInvoiceContent"); }
    QLineEdit* value() { return child<QLineEdit>("txtInvoiceValue"); }
    QLineEdit* vat() { return child<QLineEdit>("txtVAT"); }
    QLineEdit* total() { return child<QLineEdit>("txtInvoiceTotal"); }
    QCheckBox* addVat() { return child<QCheckBox>("ChkVAT"); }
    QPushButton* make() { return child<QPushButton>("CmdMakeInvoice"); }
    QPushButton* save() { return child<QPushButton>("CmdSaveInvoice"); }
    QString amounts() { return value()->text() + u'|' + vat()->text() + u'|' + total()->text(); }

    // As a user does: from the keyboard, down the list.
    void chooseClient(const QString& company)
    {
        QTest::keyClick(clients(), Qt::Key_Home);
        while (clients()->currentText() != company &&
               clients()->currentIndex() < clients()->count() - 1)
            QTest::keyClick(clients(), Qt::Key_Down);
    }
    // Types into an amount field and leaves it with Tab.
    void typeAmount(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    void enter(const char* company, const char* text, const char* amount)
    {
        chooseClient(QString::fromUtf8(company));
        content()->setPlainText(QString::fromUtf8(text));
        typeAmount(value(), QString::fromUtf8(amount));
    }
    QString storedRows()
    {
        return m_env->db
            .scalar(QStringLiteral(
                "SELECT group_concat(ClientID||'|'||InvoiceNumber||'|'||Content||'|'||\"Value\""
                "||'|'||VAT||'|'||Total||'|'||\"Date\"||'|'||Identity||'|'||Paid, ';') "
                "FROM TblInvoices"))
            .toString();
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_env->session->setCurrentIdentity(m_env->addIdentity(QStringLiteral("Main")));
        m_env->session->setPageSettings({true, 17.5, QStringLiteral("VAT"), {}});
        m_acme = m_env->addClient(QStringLiteral("Acme"));
        m_zeta = m_env->addClient(QStringLiteral("Zeta Ltd"));
        m_tab = new MakeInvoiceTab(*m_env->session);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowActive(m_tab));
        m_env->session->setAlertsChecked(true);
    }
    void cleanup()
    {
        VERIFY_PROMPTS(m_env->prompter);
        delete m_tab;
        delete m_env;
    }

    void firstInvoiceAsksForAStartThenNumbersFollow()
    {
        QSignalSpy saved(m_tab, &MakeInvoiceTab::invoiceSaved);
        enter("Acme", "Bob's work", "100");
        QCOMPARE(child<QLabel>("lblClientID2")->text(), QString::number(m_acme));
        QCOMPARE(amounts(), QStringLiteral("100|17.5|117.5"));

        const QString prompt =
            QStringLiteral("What Starting Invoice Number would You like to use?\n"
                           "Billcraft adds a leading zero to all invoice numbers");
        const QString refused = QStringLiteral("Invoice Numbers must be Numbers only");
        m_env->prompter.expectInput(prompt, QStringLiteral("1OO"), QString())
            .expectMessage(refused, QString())
            .expectInput(prompt, std::nullopt)
            .expectMessage(refused)
            .expectInput(prompt, QStringLiteral("100"));
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(make(), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(amounts() + content()->toPlainText(), QStringLiteral("||"));

        enter("Zeta Ltd", "More", "100");
        m_tab->setVatTicked(false);
        QCOMPARE(amounts(), QStringLiteral("100|0|100"));
        QTest::mouseClick(make(), Qt::LeftButton); // no question this time
        QCOMPARE(storedRows(),
                 QStringLiteral("%1|0100|Bobs work|1000000|175000|1175000|46359.0|1|0;"
                                "%2|0101|More|1000000|0|1000000|46359.0|1|0")
                     .arg(m_acme)
                     .arg(m_zeta));

        // The question waits outside the write lock. Another window that makes the identity's
        // first invoice meanwhile wins: this invoice follows it, and the user is told.
        m_env->exec(QStringLiteral("DELETE FROM TblInvoices"));
        enter("Acme", "Race", "10");
        m_env->prompter.expectInput(prompt, QStringLiteral("500"))
            .whileShown([this] {
                m_env->exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, "
                                           "Identity) VALUES (0, '0700', 1)"));
            })
            .expectMessage(QStringLiteral(
                "Invoice numbers were started in another Billcraft window in the meantime, so "
                "your starting number was not used: this invoice is number 0701."));
        QTest::mouseClick(make(), Qt::LeftButton);
        QCOMPARE(saved.count(), 3);
        QCOMPARE(m_env->db
                     .scalar(QStringLiteral(
                         "SELECT group_concat(InvoiceNumber || ifnull(Content, '')) FROM "
                         "TblInvoices"))
                     .toString(),
                 QStringLiteral("0700,0701Race"));
    }

    void refusalsKeepTheEntry()
    {
        content()->setPlainText(QStringLiteral("Work"));
        m_env->prompter.expectExactly({QStringLiteral("Please Select a Client"), QString(),
                                       Prompter::Buttons::Ok, Prompter::Icon::None,
                                       Prompter::Answer::Ok},
                                      Prompter::Answer::Ok);
        QTest::mouseClick(make(), Qt::LeftButton);
        chooseClient(QStringLiteral("Acme"));
        content()->clear();
        m_env->prompter.expectMessage(
            QStringLiteral("\n You must add Some content\n You must add a value"), QString());
        QTest::mouseClick(make(), Qt::LeftButton);
        QCOMPARE(clients()->currentText(), QStringLiteral("Acme"));
        QVERIFY(storedRows().isEmpty());

        // A numbering query that fails is reported; it neither asks for a start nor makes an
        // invoice, and the entry stays for another try.
        content()->setPlainText(QStringLiteral("Work"));
        typeAmount(value(), QStringLiteral("5"));
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblAside"));
        m_env->prompter.expectMessageStarting(
            QStringLiteral("The invoice could not be made; nothing was saved.\nno such table"));
        QTest::mouseClick(make(), Qt::LeftButton);
        m_env->exec(QStringLiteral("ALTER TABLE TblAside RENAME TO TblInvoices"));
        QVERIFY(storedRows().isEmpty());
        QCOMPARE(amounts() + content()->toPlainText(), QStringLiteral("5|0.88|5.88Work"));
        value()->clear();

        // Digits and one point only; leaving any amount field works the VAT out again.
        value()->setFocus();
        QTest::keyClicks(value(), QStringLiteral("-1,2.5.0x"));
        typeAmount(vat(), QStringLiteral("99"));
        QCOMPARE(amounts(), QStringLiteral("12.50|2.19|14.69"));
    }

    void editSaveAndCancel()
    {
        m_env->exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                   "\"Value\", VAT, Total, \"Date\", Identity) "
                                   "VALUES (?, '0042', 'Old', 2000000, 1, 2, 46000, 1)"),
                    {m_acme});
        m_tab->editInvoice(1);
        QVERIFY(save()->isVisible() && !make()->isVisible());
        QCOMPARE(clients()->currentText(), QStringLiteral("Acme"));
        QCOMPARE(child<QLabel>("lblClientID2")->text(), QString::number(m_acme));
        QCOMPARE(content()->toPlainText(), QStringLiteral("Old"));
        QCOMPARE(amounts(), QStringLiteral("200|35|235")); // worked out again, not read

        value()->clear();
        m_env->prompter.expectMessage(QStringLiteral("\n You must add a value"), QString());
        QTest::mouseClick(save(), Qt::LeftButton);

        QSignalSpy saved(m_tab, &MakeInvoiceTab::invoiceSaved);
        chooseClient(QStringLiteral("Zeta Ltd"));
        content()->setPlainText(QStringLiteral("New 'quoted' text"));
        typeAmount(value(), QStringLiteral("50"));
        QTest::mouseClick(save(), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(
            storedRows(),
            QStringLiteral("%1|0042|New quoted text|500000|87500|587500|46000.0|1|0").arg(m_zeta));

        m_tab->editInvoice(1);
        m_env->addClient(QStringLiteral("Added Since"));
        QTest::mouseClick(child<QPushButton>("CmdCancel"), Qt::LeftButton);
        QVERIFY(make()->isVisible() && !save()->isVisible() && !m_tab->invoiceUnderEdit());
        QCOMPARE(clients()->count(), 3); // filled afresh, nothing chosen
        QCOMPARE(clients()->currentIndex(), -1);
        QCOMPARE(amounts() + content()->toPlainText() + child<QLabel>("lblClientID2")->text(),
                 QStringLiteral("||"));

        // An invoice deleted meanwhile, or a table that cannot be read, is said so; the entry
        // stays new and empty.
        m_env->prompter.expectMessage(QStringLiteral("This invoice no longer exists."));
        m_tab->editInvoice(99);
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblAside"));
        m_env->prompter.expectMessageStarting(
            QStringLiteral("The invoice could not be loaded for editing.\nno such table"));
        m_tab->editInvoice(1);
        QVERIFY(make()->isVisible() && !m_tab->invoiceUnderEdit());
        QVERIFY(content()->toPlainText().isEmpty());
    }

    void addVatQuestion()
    {
        enter("Acme", "Work", "100");
        const Prompter::Message question{
            QStringLiteral("You have chosen to change the setting for VAT\n"
                           "Do you want this to be the default state for this identity?"),
            QStringLiteral("Billcraft"), Prompter::Buttons::YesNo, Prompter::Icon::Question,
            Prompter::Answer::No};

        LayoutRecord layout;
        layout.VatReg = true;
        SharedFiles& files = m_env->session->files();
        const int identity = m_env->session->currentIdentity();
        QVERIFY(IdentityLayoutFile::write(files, identity, layout));
        m_env->prompter.expectExactly(question, Prompter::Answer::Yes);
        addVat()->click(); // unticks
        QVERIFY(!m_env->session->pageSettings().vatRegistered);
        QVERIFY(!IdentityLayoutFile::read(files, identity).value()->VatReg); // the default now
        QCOMPARE(amounts(), QStringLiteral("100|0|100"));

        m_env->prompter.expectExactly(question, Prompter::Answer::No);
        addVat()->click(); // ticks
        QVERIFY(!m_env->session->pageSettings().vatRegistered);
        QCOMPARE(amounts(), QStringLiteral("100|17.5|117.5"));

        m_env->session->setAlertsChecked(false); // the window is being set up: silent
        addVat()->click();
        QCOMPARE(amounts(), QStringLiteral("100|17.5|117.5"));

        // A new rate works the amounts out again (the caption: the main window's test).
        m_env->session->setPageSettings({true, 20, QStringLiteral("GST"), {}});
        QCOMPARE(amounts(), QStringLiteral("100|20|120"));
    }
};

QTEST_MAIN(TestMakeInvoice)
#include "tst_makeinvoice.moc"
