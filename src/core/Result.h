#pragma once

#include <QString>
#include <utility>
#include <variant>

// What a store call that can fail hands back: its value, or the reason it failed. A failed
// query is never read as "no rows": callers look at ok() before the value, and the UI shows
// error() to the user.
struct Failure {
    QString message;
};

template <typename T>
class Result {
public:
    Result(T value)
        : m_state(std::move(value))
    {}
    Result(Failure failure)
        : m_state(std::move(failure))
    {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<T>(m_state); }
    T& value() { return std::get<T>(m_state); }
    const T& operator*() const { return value(); }
    T& operator*() { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Empty when ok().
    QString error() const { return ok() ? QString() : std::get<Failure>(m_state).message; }

private:
    std::variant<T, Failure> m_state;
};

// A change that returns nothing but may fail.
struct Done {};
using Status = Result<Done>;
