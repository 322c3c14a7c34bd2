#include "invoices/Reminders.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/StoredText.h"
#include "invoices/ReminderLetter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace Reminders {

namespace {

// The columns every DueInvoice is read from, in the order of dueInvoice(); the client's name
// comes along so that a list needs no second look-up.
const QString kSelect = QStringLiteral(
    "SELECT i.InvoiceID, i.Identity, i.InvoiceNumber, i.\"Date\", i.Total, i.Paid, i.BadDebt, "
    "i.ReminderLevel, i.RemindedOn, c.Company, c.FirstName, c.LastName "
    "FROM TblInvoices i LEFT JOIN TblClients c ON c.ClientID = i.ClientID ");

// Whole days: the rule is about days, whatever time of day a date carries.
QDate dayOf(const QVariant& serial)
{
    if (serial.isNull())
        return {};
    const double value = serial.toDouble();
    return DaySerial::isDaySerial(value) ? DaySerial::toDate(std::floor(value)) : QDate();
}

DueInvoice dueInvoice(const Row& r, int paymentDays)
{
    DueInvoice d;
    d.invoiceId = r[0].toInt();
    d.identity = r[1].toInt();
    d.invoiceNumber = r[2].toString();
    d.date = dayOf(r[3]);
    d.due = d.date.isValid() ? d.date.addDays(paymentDays) : QDate();
    d.total = Money::fromUnits(r[4].toLongLong());
    // NULL is neither 0 nor -1: such a row is not taken for unpaid, as the SQL does not.
    d.paid = r[5].isNull() || r[5].toInt() != 0;
    d.badDebt = r[6].isNull() || r[6].toInt() != 0;
    d.reminderLevel = std::clamp(r[7].toInt(), 0, kLevels);
    d.remindedOn = dayOf(r[8]);
    const QString company = r[9].toString().trimmed();
    d.client =
        !company.isEmpty() ? company : (r[10].toString() + u' ' + r[11].toString()).simplified();
    return d;
}

QString noIdentity(int identity)
{
    return QCoreApplication::translate("Reminders", "There is no identity %1.").arg(identity);
}

// The identity's payment days (never below 0), or a Failure.
Result<int> paymentDaysOf(Database& db, int identity)
{
    const auto days = db.one(QStringLiteral("SELECT PaymentDays FROM TblUserData WHERE "
                                            "Identity = ?"),
                             {identity}, [](const Row& r) { return std::max(0, r[0].toInt()); });
    if (!days)
        return Failure{days.error()};
    if (!*days)
        return Failure{noIdentity(identity)};
    return **days;
}

// Overdue invoices dated from `from` (a day serial; none: no lower bound) up to the rule's
// bound.
// `from`: the first day serial listed, or null for no such bound. (A QVariant rather than an
// optional double, which GCC's optimiser takes for uninitialised.)
Result<QList<DueInvoice>> dueBetween(Database& db, int identity, int paymentDays,
                                     const QVariant& from, double before)
{
    QVariantList values{identity, before};
    if (!from.isNull())
        values << from;
    return db.all(dueStatement(!from.isNull()), values,
                  [&](const Row& r) { return dueInvoice(r, paymentDays); });
}

} // namespace

QString dueStatement(bool fromBound)
{
    // The conditions are those of IdxInvoicesDue, so the index serves the range in date order.
    return kSelect +
           QStringLiteral("WHERE i.Identity = ? AND i.Paid = 0 AND i.BadDebt = 0 AND "
                          "i.\"Date\" < ? ") +
           (fromBound ? QStringLiteral("AND i.\"Date\" >= ? ") : QString()) +
           QStringLiteral("ORDER BY i.\"Date\", i.InvoiceID");
}

double overdueBefore(QDate today, int paymentDays)
{
    return DaySerial::fromDate(today) - double(std::max(0, paymentDays));
}

bool DueInvoice::overdueOn(QDate today) const
{
    return !paid && !badDebt && due.isValid() && today > due;
}

int DueInvoice::nextLevel() const
{
    return std::min(reminderLevel + 1, kLevels);
}

Result<QList<DueInvoice>> overdue(Database& db, int identity, QDate today)
{
    const Result<int> days = paymentDaysOf(db, identity);
    if (!days)
        return Failure{days.error()};
    return dueBetween(db, identity, *days, QVariant(), overdueBefore(today, *days));
}

Result<QList<DueInvoice>> takeNewlyOverdue(Database& db, int identity, QDate today)
{
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{db.errorString()};
    const auto mark = db.one(QStringLiteral("SELECT PaymentDays, OverdueAlertedTo FROM "
                                            "TblUserData WHERE Identity = ?"),
                             {identity}, [](const Row& r) {
                                 return std::make_pair(std::max(0, r[0].toInt()), dayOf(r[1]));
                             });
    if (!mark)
        return Failure{mark.error()};
    if (!*mark)
        return Failure{noIdentity(identity)};
    const auto [days, alertedTo] = **mark;
    if (alertedTo.isValid() && today <= alertedTo)
        return QList<DueInvoice>{};
    // Overdue today and not yet overdue on the marked day.
    const QVariant from =
        alertedTo.isValid() ? QVariant(overdueBefore(alertedTo, days)) : QVariant();
    Result<QList<DueInvoice>> found =
        dueBetween(db, identity, days, from, overdueBefore(today, days));
    if (!found)
        return found;
    const Result<qint64> moved = db.change(
        {}, QStringLiteral("UPDATE TblUserData SET OverdueAlertedTo = ? WHERE Identity = ?"),
        {DaySerial::fromDate(today), identity});
    if (!moved)
        return Failure{moved.error()};
    if (!tx.commit())
        return Failure{db.errorString()};
    return found;
}

Result<DueInvoice> invoice(Database& db, int invoiceId)
{
    const auto found = db.one(kSelect + QStringLiteral("WHERE i.InvoiceID = ?"), {invoiceId},
                              [](const Row& r) { return dueInvoice(r, 0); });
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return Failure{QCoreApplication::translate("Reminders", "The invoice no longer exists.")};
    DueInvoice d = **found;
    const Result<int> days = paymentDaysOf(db, d.identity);
    if (!days)
        return Failure{days.error()};
    if (d.date.isValid())
        d.due = d.date.addDays(*days);
    return d;
}

Status record(Database& db, int invoiceId, int level, QDate day)
{
    const Result<qint64> changed =
        db.change(DatabaseChanges::Invoices,
                  QStringLiteral("UPDATE TblInvoices SET ReminderLevel = ?, RemindedOn = ? WHERE "
                                 "InvoiceID = ?"),
                  {std::clamp(level, 1, kLevels), DaySerial::fromDate(day), invoiceId});
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{QCoreApplication::translate("Reminders", "The invoice no longer exists.")};
    return Done{};
}

Result<Settings> loadSettings(Database& db, int identity)
{
    const auto found =
        db.one(QStringLiteral("SELECT ReminderText1, ReminderText2, ReminderText3, ReminderFee1, "
                              "ReminderFee2, ReminderFee3 FROM TblUserData WHERE Identity = ?"),
               {identity}, [](const Row& r) {
                   Settings s;
                   for (int i = 0; i < kLevels; ++i) {
                       s.texts[size_t(i)] = r[i].toString();
                       s.fees[size_t(i)] = Money::fromUnits(r[kLevels + i].toLongLong());
                   }
                   return s;
               });
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return Failure{noIdentity(identity)};
    return **found;
}

Status saveSettings(Database& db, int identity, const Settings& settings)
{
    QVariantList values;
    for (int i = 0; i < kLevels; ++i) {
        QString text = withoutSingleQuotes(settings.texts[size_t(i)]).trimmed();
        const QString ours = withoutSingleQuotes(ReminderLetter::defaultText(i + 1)).trimmed();
        values << (text == ours ? QString() : text);
    }
    for (const Money fee : settings.fees) {
        if (fee < Money() || kMaxFee < fee)
            return Failure{
                QCoreApplication::translate("Reminders", "A reminder fee must be between 0 and %1.")
                    .arg(double(kMaxFee.units()) / Money::kScale, 0, 'f', 2)};
        values << fee.units();
    }
    const Result<qint64> changed = db.change(
        {},
        QStringLiteral("UPDATE TblUserData SET ReminderText1 = ?, ReminderText2 = ?, "
                       "ReminderText3 = ?, ReminderFee1 = ?, ReminderFee2 = ?, ReminderFee3 = ? "
                       "WHERE Identity = ?"),
        values << identity);
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{noIdentity(identity)};
    return Done{};
}

} // namespace Reminders
