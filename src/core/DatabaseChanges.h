#pragma once

#include <QFlags>
#include <QObject>

// Tells whoever shows a table that it has changed, so that lists refill. The write path marks
// what it changed: outside a transaction the change is announced at once; inside one it is
// announced when the transaction commits, once however many writes marked it, and never when
// it rolls back, since that change did not happen. A change learnt of in another way (another
// engine's server notification) is announced directly.
class DatabaseChanges : public QObject {
    Q_OBJECT
public:
    // The tables whose changes someone listens for.
    enum Table { Clients = 0x1, Invoices = 0x2 };
    Q_DECLARE_FLAGS(Tables, Table)
    Q_FLAG(Tables)

    using QObject::QObject;

    // A write to `tables` succeeded.
    void mark(Tables tables);
    void announce(Tables tables);
    // A change another seat made, learnt from the server: announced as this seat's own are,
    // and told apart for a list that shows its own changes in place without listing again.
    void announceFromElsewhere(Tables tables);

    // Kept by Transaction: what is marked in between waits for the end.
    void transactionBegan();
    void transactionEnded(bool committed);
    bool inTransaction() const { return m_inTransaction; }
    // What the open transaction has marked so far.
    Tables pending() const { return m_pending; }

signals:
    void changed(DatabaseChanges::Tables tables);
    void changedElsewhere(DatabaseChanges::Tables tables);

private:
    bool m_inTransaction = false;
    Tables m_pending;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DatabaseChanges::Tables)
