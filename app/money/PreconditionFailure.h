#pragma once

// A broken precondition on a caller's argument, such as a table asking for a
// row the list does not hold. It is logged where it happens and then thrown,
// so the call returns nothing rather than a value for a row that is not there.

#include <QString>

#include <stdexcept>

class PreconditionFailure : public std::logic_error
{
public:
    // what() is the description: "Invalid parameter not satisfying: " and the
    // condition's text.
    PreconditionFailure(const QString &condition, const QString &method, const QString &source, int line);

    QString description() const { return QString::fromUtf8(what()); }
    QString condition() const { return m_condition; }
    QString method() const { return m_method; }
    QString source() const { return m_source; }
    int line() const { return m_line; }

private:
    QString m_condition;
    QString m_method;
    QString m_source;
    int m_line;
};

// Logs the failure (the method, the source and line, the description) and
// throws it.
[[noreturn]] void failPrecondition(const QString &condition, const QString &method, const QString &source,
                                   int line);
