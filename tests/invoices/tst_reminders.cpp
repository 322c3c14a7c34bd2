#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "invoices/ReminderLetter.h"
#include "invoices/Reminders.h"
#include "support/CaseFile.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

#include <QTest>

using namespace Reminders;

namespace {

QStringList numbers(const Result<QList<DueInvoice>>& found)
{
    QStringList out;
    if (!found)
        out << QStringLiteral("failed: ") + found.error();
    for (const DueInvoice& d : found ? *found : QList<DueInvoice>{})
        out << d.invoiceNumber;
    return out;
}

InvoiceSheet sheetOf(const QString& content)
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0124");
    s.content = content;
    s.date = QDate(2026, 10, 1);
    s.value = s.total = Money::fromUnits(117'5000);
    s.firstName = QStringLiteral("Jane");
    s.lastName = QStringLiteral("Doe");
    s.company = QStringLiteral("Doe Plumbing");
    s.address1 = QStringLiteral("1 High Street");
    return s;
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    int m_client = 0;

    void setPaymentDays(int identity, int days)
    {
        m_env->exec(QStringLiteral("UPDATE TblUserData SET PaymentDays = ? WHERE Identity = ?"),
                    {days, identity});
    }
    // An invoice of 100.00 dated `daysAgo` (a fraction is the time of day) before today.
    int addInvoice(const QString& number, double daysAgo, int identity = 1, bool paid = false,
                   bool badDebt = false)
    {
        const Result<qint64> id =
            m_env->db.insert({},
                             QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, "
                                            "\"Date\", Paid, BadDebt, Identity, Total) "
                                            "VALUES (?, ?, ?, ?, ?, ?, 1000000)"),
                             {m_client, number, DaySerial::fromDate(TestEnv::kToday) - daysAgo,
                              paid ? -1 : 0, badDebt ? -1 : 0, identity});
        return id ? int(*id) : 0;
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        QCOMPARE(m_env->addIdentity(QStringLiteral("Harbour Joinery")), 1);
        QCOMPARE(m_env->addIdentity(QStringLiteral("Other Trade")), 2);
        m_client = m_env->addClient(QStringLiteral("Doe Plumbing"));
    }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    // The rule as the list's SQL applies it and as one invoice's state answers it agree, and
    // the first start's alert lists exactly the overdue ones.
    void overdueRule_data()
    {
        QTest::addColumn<double>("daysAgo");
        QTest::addColumn<int>("paymentDays");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<bool>("badDebt");
        QTest::addColumn<int>("identity");
        QTest::addColumn<bool>("expected");
        const auto yes = [](const QString& f) { return f == QLatin1String("yes"); };
        for (const QStringList& c : CaseFile::read(QStringLiteral("invoices/overdue.txt")))
            QTest::newRow(qPrintable(c[0])) << c[1].toDouble() << c[2].toInt() << yes(c[3])
                                            << yes(c[4]) << c[5].toInt() << yes(c[6]);
    }
    void overdueRule()
    {
        QFETCH(double, daysAgo);
        QFETCH(int, paymentDays);
        QFETCH(bool, paid);
        QFETCH(bool, badDebt);
        QFETCH(int, identity);
        QFETCH(bool, expected);
        setPaymentDays(identity, paymentDays);
        const int id = addInvoice(QStringLiteral("0100"), daysAgo, identity, paid, badDebt);
        QVERIFY(id > 0);
        const QStringList listed = expected ? QStringList{QStringLiteral("0100")} : QStringList{};
        QCOMPARE(numbers(overdue(m_env->db, 1, TestEnv::kToday)), listed);
        const Result<DueInvoice> one = invoice(m_env->db, id);
        QVERIFY2(one, qPrintable(one ? QString() : one.error()));
        QCOMPARE(one->overdueOn(TestEnv::kToday) && one->identity == 1, expected);
        QCOMPARE(numbers(takeNewlyOverdue(m_env->db, 1, TestEnv::kToday)), listed);
    }

    // Each invoice is handed out once, on the first start after its due date has passed.
    void newlyOverdueOnce()
    {
        setPaymentDays(1, 30);
        addInvoice(QStringLiteral("A-long-overdue"), 90);
        addInvoice(QStringLiteral("B-since-today"), 31);
        addInvoice(QStringLiteral("C-in-two-days"), 29);
        addInvoice(QStringLiteral("D-in-six-days"), 25);
        addInvoice(QStringLiteral("E-paid-before"), 28, 1, true);
        addInvoice(QStringLiteral("F-other"), 90, 2);
        struct Start {
            int day; // after kToday
            QStringList expected;
        };
        const Start starts[] = {
            {0, {QStringLiteral("A-long-overdue"), QStringLiteral("B-since-today")}},
            {0, {}}, // started again the same day
            {3, {QStringLiteral("C-in-two-days")}},
            {1, {}}, // the clock set back: nothing again, nothing lost
            {10, {QStringLiteral("D-in-six-days")}},
            {11, {}},
        };
        for (const Start& s : starts) {
            m_env->clock.set(TestEnv::kToday.addDays(s.day).startOfDay());
            QCOMPARE(numbers(takeNewlyOverdue(m_env->db, 1, m_env->clock.today())), s.expected);
        }
        QCOMPARE(m_env->db
                     .scalar(QStringLiteral("SELECT OverdueAlertedTo FROM TblUserData "
                                            "WHERE Identity = 1"))
                     .toDouble(),
                 DaySerial::fromDate(TestEnv::kToday.addDays(11)));
        // Another identity keeps its own mark.
        QCOMPARE(numbers(takeNewlyOverdue(m_env->db, 2, m_env->clock.today())),
                 QStringList{QStringLiteral("F-other")});
        QVERIFY(!takeNewlyOverdue(m_env->db, 3, m_env->clock.today()));
    }

    void overdueListUsesItsIndex_data()
    {
        QTest::addColumn<bool>("fromBound");
        QTest::newRow("all overdue") << false;
        QTest::newRow("newly overdue") << true;
    }
    void overdueListUsesItsIndex()
    {
        QFETCH(bool, fromBound);
        QVariantList values{1, 46000.0};
        if (fromBound)
            values << 45000.0;
        const QString plan = m_env->planOf(dueStatement(fromBound), values);
        if (m_env->db.isServer())
            QVERIFY2(plan.contains(QStringLiteral("idxinvoicesdue")), qPrintable(plan));
        else
            QVERIFY2(plan.contains(QStringLiteral("SEARCH i USING INDEX IdxInvoicesDue")) &&
                         !plan.contains(QStringLiteral("TEMP B-TREE")),
                     qPrintable(plan));
    }

    // The level and day recorded are what the invoice then says, and the next reminder is one
    // level higher, never past the final one.
    void recordReminder_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("next");
        QTest::newRow("first") << 1 << 2;
        QTest::newRow("second") << 2 << 3;
        QTest::newRow("final") << 3 << 3;
    }
    void recordReminder()
    {
        QFETCH(int, level);
        QFETCH(int, next);
        const int id = addInvoice(QStringLiteral("0100"), 60);
        QCOMPARE(invoice(m_env->db, id)->nextLevel(), 1);
        QVERIFY(record(m_env->db, id, level, TestEnv::kToday));
        const Result<DueInvoice> after = invoice(m_env->db, id);
        QCOMPARE(after->reminderLevel, level);
        QCOMPARE(after->remindedOn, TestEnv::kToday);
        QCOMPARE(after->nextLevel(), next);
        QVERIFY(!record(m_env->db, id + 1000, level, TestEnv::kToday));
    }

    void settingsKeepWordingAndFees()
    {
        Settings s;
        s.texts = {ReminderLetter::defaultText(1), QStringLiteral("Pay {amount due}, {client}."),
                   QString()};
        s.fees = {Money(), Money::fromUnits(5'0000), Money::fromUnits(25'0000)};
        QVERIFY(saveSettings(m_env->db, 1, s));
        const Result<Settings> back = loadSettings(m_env->db, 1);
        QVERIFY(back);
        // The program's own wording is kept as "none", so it follows the user's language.
        QCOMPARE(back->texts[0], QString());
        QCOMPARE(back->texts[1], s.texts[1]);
        QCOMPARE(back->fees, s.fees);

        Settings bad = s;
        bad.texts[1] = QStringLiteral("changed");
        bad.fees[2] = Money::fromUnits(-1);
        QVERIFY(!saveSettings(m_env->db, 1, bad));
        QCOMPARE(loadSettings(m_env->db, 1)->texts[1], s.texts[1]);
        QVERIFY(!loadSettings(m_env->db, 9));
    }

    // The printed reminder: its title, its filled text and its amounts in place of the
    // invoice's content, under the identity's own header and footer.
    void reminderPage_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("present");
        QTest::newRow("first, default wording")
            << 1 << QString()
            << QStringList{QStringLiteral("Reminder 0124"), QStringLiteral("Dear Jane Doe"),
                           QStringLiteral("01/10/2026"), QStringLiteral("31/10/2026"),
                           QStringLiteral("Kind regards")};
        QTest::newRow("second, own wording")
            << 2
            << QStringLiteral("{client}: {number} due {due date}, fee {fee}, now {amount due}.")
            << QStringList{QStringLiteral("Second Reminder"),
                           QStringLiteral("Jane Doe: 0124 due 31/10/2026, fee £5.00, now £122.50."),
                           QStringLiteral("Reminder Fee"), QStringLiteral("Amount Due")};
        QTest::newRow("final, default wording")
            << 3 << QString()
            << QStringList{QStringLiteral("Final Reminder"), QStringLiteral("Yours faithfully"),
                           QStringLiteral("£122.50")};
    }
    void reminderPage()
    {
        QFETCH(int, level);
        QFETCH(QString, text);
        QFETCH(QStringList, present);
        const LocaleText locale(testLocale());
        const Result<ReminderLetter::Letter> letter = ReminderLetter::compose(
            sheetOf(QStringLiteral("Kitchen refit")), QDate(2026, 10, 31), level, text,
            Money::fromUnits(5'0000), QStringLiteral("Harbour Joinery"), locale);
        QVERIFY(letter);
        LayoutRecord record = LayoutRecord::designerDefaults();
        record.lblAddressCaption = QStringLiteral("Harbour Joinery\r\n2 Low Road");
        record.lblFooterCaption = QStringLiteral("Thank you for your custom");
        const InvoicePage::Layout layout =
            ReminderLetter::layOut(record, *letter, TestEnv::kToday, locale, nullptr, Qt::black);
        // A title wider than the caption's box runs neither under the number nor off the page.
        const InvoicePage::TextItem* title = InvoicePage::findText(layout.pages[0], "Label1");
        const InvoicePage::TextItem* number = InvoicePage::findText(layout.pages[0], "lblnumber");
        QVERIFY(title && number && title->rect.right() < number->rect.left());
        QVERIFY(title->rect.left() >= 0 && number->rect.right() < layout.pageSize.width());

        const QString pdf = m_env->file(ReminderLetter::fileName(*letter));
        QVERIFY(InvoicePage::writePdf(layout, pdf));
        const QString read = pdfText(pdf).simplified();
        if (read.isNull())
            QSKIP("pdftotext is not installed");
        for (const QString& p :
             present + QStringList{QStringLiteral("2 Low Road"),
                                   QStringLiteral("Thank you for your custom"),
                                   QStringLiteral("£117.50"), QStringLiteral("3 December, 2026")})
            QVERIFY2(read.contains(p), qPrintable(p + QStringLiteral(" in: ") + read));
        for (const char* absent : {"Kitchen refit", "{", "Sub Total", "VAT"})
            QVERIFY2(!read.contains(QLatin1String(absent)), absent);
    }

    void feeBeyondWhatSumsHoldIsRefused()
    {
        InvoiceSheet s = sheetOf(QString());
        s.total = Money::fromUnits(std::numeric_limits<qint64>::max() - 10);
        QVERIFY(!ReminderLetter::compose(s, {}, 1, {}, Money::fromUnits(20), {},
                                         LocaleText(testLocale())));
    }
};

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
