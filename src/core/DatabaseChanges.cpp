#include "core/DatabaseChanges.h"

void DatabaseChanges::mark(Tables tables)
{
    if (m_inTransaction)
        m_pending |= tables;
    else
        announce(tables);
}

void DatabaseChanges::announce(Tables tables)
{
    if (tables)
        emit changed(tables);
}

void DatabaseChanges::announceFromElsewhere(Tables tables)
{
    announce(tables);
    if (tables)
        emit changedElsewhere(tables);
}

void DatabaseChanges::transactionBegan()
{
    m_inTransaction = true;
    m_pending = {};
}

void DatabaseChanges::transactionEnded(bool committed)
{
    const Tables pending = committed ? m_pending : Tables();
    m_inTransaction = false;
    m_pending = {};
    announce(pending); // last: a listener may start a transaction of its own
}
