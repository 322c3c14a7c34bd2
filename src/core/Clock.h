#pragma once

#include <QDate>
#include <QDateTime>

// Today and now. The program asks the clock rather than the system, so tests can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still at the given moment until it is moved.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime now)
        : m_now(std::move(now))
    {}
    explicit FixedClock(QDate today)
        : m_now(today.startOfDay())
    {}
    QDateTime now() const override { return m_now; }
    void set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};
