#include "core/CompanyOrder.h"

CompanyOrder::CompanyOrder(const QLocale& locale)
    : m_collator(locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
}
