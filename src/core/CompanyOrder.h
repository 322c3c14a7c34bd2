#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>

// The order in which people read a list of company names: the locale's collation with letter
// case ignored, so "Äpfel GmbH" sorts with the A's and "acme" beside "ACME". Ties keep the
// order they came in when used with a stable sort.
class CompanyOrder {
public:
    explicit CompanyOrder(const QLocale& locale);

    int compare(const QString& a, const QString& b) const { return m_collator.compare(a, b); }
    bool operator()(const QString& a, const QString& b) const { return compare(a, b) < 0; }

private:
    QCollator m_collator;
};
