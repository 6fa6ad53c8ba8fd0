#pragma once

// A broken precondition on a row index: a caller's error, never the user's.
// It is logged where it is raised and ends the call, so that no record is
// read or changed with an index the register does not have.

#include <QString>

#include <stdexcept>

class PreconditionFailure : public std::logic_error
{
public:
    PreconditionFailure(const QString &description, const QString &source, int line)
        : std::logic_error(description.toStdString()), m_description(description), m_source(source), m_line(line)
    {
    }
    QString description() const { return m_description; }
    QString source() const { return m_source; }
    int line() const { return m_line; }

private:
    QString m_description;
    QString m_source;
    int m_line;
};

// Logs the failure as the platform's assertion handler does, then throws.
[[noreturn]] void failPrecondition(const char *condition, const char *method, const char *source, int line);
