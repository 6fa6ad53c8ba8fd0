#pragma once

// What the import preview shows and what it is told, without the window:
// the statement read with the layout (or account) chosen so far, each line
// with what will be done with it, the lines that are not transactions, and
// what still has to be chosen. Every change of the layout reads the file
// again at once; every change of the register checks the lines again.

#include "ImportDuplicates.h"
#include "StatementImport.h"
#include "StatementReader.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class ImportPreview
{
public:
    enum class Action {
        Add,       // imported as a new transaction
        Skip,      // left out
        Reconcile, // taken as the hand-entered row it probably is, which is marked reconciled
    };
    struct Row {
        StatementLine line;
        DuplicateCheck check;
        Action action = Action::Add;
    };
    // The layout remembered for a header, if any (LayoutMemory in the window).
    using LayoutLookup = std::function<std::optional<CsvLayout>(const QString &headerKey)>;

    ImportPreview(QByteArray bytes, QString fileName, RegisterPtr reg, QDate today, LayoutLookup remembered = {});

    const QString &fileName() const { return m_fileName; }
    const StatementRead &read() const { return m_read; }
    bool usedRememberedLayout() const { return m_remembered; }

    // A layout chosen by hand. With a header line, its width is that line's
    // record, and a column beyond it becomes none. A line read again keeps
    // the action chosen for it while it is still what it was (new, a
    // duplicate of the same row).
    void setLayout(CsvLayout layout);
    // What the layout's columns are called: the header's names, or "Field 1",
    // "Field 2"... for as many fields as the widest of the first lines.
    QStringList columnNames() const;
    // The order of the dates' parts, for dates that read more than one way.
    void setDateOrder(DateOrder order);
    void setAccount(const QString &id);
    // The register changed: every line is checked again. A line keeps the
    // action chosen for it while it is still what it was (new, a duplicate
    // of the same row).
    void recheck();

    const std::vector<Row> &rows() const { return m_rows; }
    // Reconcile is only for a line that is probably a hand-entered row;
    // false (and nothing changes) for any other.
    bool setAction(size_t row, Action action);
    // Every line that is probably a hand-entered row is taken as it.
    void acceptAllMatches();
    int count(Action action) const;
    int duplicates() const; // lines the register already holds, surely or probably

    // Why nothing may be imported yet (a date order or an account to
    // choose, a file that cannot be read); empty when Import may go ahead.
    QString blocker() const;
    ImportPlan plan() const;
    // "12 to add, 3 already in the register, 2 lines that are not transactions".
    QString summary() const;

private:
    void reread(const ReadChoices &choices);

    QByteArray m_bytes;
    QString m_text; // as decoded, for the layout's names
    QString m_fileName;
    RegisterPtr m_register;
    QDate m_today;
    ReadChoices m_choices;
    StatementRead m_read;
    std::vector<Row> m_rows;
    bool m_remembered = false;
};
