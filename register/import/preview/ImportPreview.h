#pragma once

// What the import preview shows and what it is told, without the window:
// the statement read with the layout (or account) chosen so far, each line
// with what will be done with it, the lines that are not transactions, and
// what still has to be chosen. Every change of the layout reads the file
// again at once; every change of the register checks the lines again.

#include "CategoryRules.h"
#include "ImportDuplicates.h"
#include "ScheduleBook.h"
#include "StatementImport.h"
#include "StatementReader.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The rules with one more that gives descriptions like this one the category
// (see ruleFromExample), put before the first rule the description fits,
// which would otherwise win over it; a "contains" rule of the same text takes
// the category instead of a second one being added. The rules as they were
// when no rule can be made (no category, no description).
std::vector<CategoryRule> withRuleFor(std::vector<CategoryRule> rules, QStringView description,
                                      const QString &category);

class ImportPreview
{
public:
    enum class Action {
        Add,       // imported as a new transaction
        Skip,      // left out
        Reconcile, // taken as the hand-entered row it probably is, which is marked reconciled
    };
    // Where the category a line is added with came from.
    enum class CategoryFrom {
        None,
        Rule,     // the first of the person's rules its description fits
        Schedule, // the scheduled occurrence it enters
        Person,   // chosen in the preview
    };
    struct Row {
        StatementLine line; // with the sign a person chose, when the file did not say, and its category
        DuplicateCheck check;
        Action action = Action::Add;
        // The scheduled occurrence the line enters when it is added, and
        // that schedule's name: the row it becomes is named so.
        std::optional<Occurrence> occurrence;
        QString scheduleName;
        CategoryFrom categoryFrom = CategoryFrom::None;
        int rule = -1; // the rule that gave the category, when one did
    };
    using LayoutLookup = ::LayoutLookup;

    // Progress, when given, watches the first reading and check of the lines;
    // stopped, the preview is not to be shown.
    ImportPreview(QByteArray bytes, QString fileName, RegisterPtr reg, QDate today, LayoutLookup remembered = {},
                  Progress *progress = nullptr);

    // The preview of the statement file at path, for a window: the file is
    // read on a thread of its own (see runWatched), then its lines are
    // checked against the register on this one, all watched by progress,
    // whose Cancel stops it at once. Nothing when it was cancelled (and
    // *error is empty), or when the file cannot be read (and *error says
    // why, starting with the path). A file that is not a statement still
    // has a preview, whose read() says why.
    static std::unique_ptr<ImportPreview> readFile(const QString &path, RegisterPtr reg, QDate today,
                                                   LayoutLookup remembered, Progress &progress, QString *error);

    const QString &fileName() const { return m_fileName; }
    const StatementRead &read() const { return m_read; }
    bool usedRememberedLayout() const { return m_read.usedRememberedLayout; }

    // A layout chosen by hand. With a header line, its width is that line's
    // record, and a column beyond it becomes none. The date order is decided
    // from the layout's date column again, unless a person chose it. A line
    // read again keeps the action chosen for it while it is still what it
    // was (new, a duplicate of the same row).
    void setLayout(CsvLayout layout);
    // What the layout's columns are called: the header's names, or "Field 1",
    // "Field 2"... for as many fields as the widest of the first lines.
    QStringList columnNames() const;
    // The order of the dates' parts, for dates that read more than one way;
    // only an order that reads every date is taken.
    void setDateOrder(DateOrder order);
    // What amounts without a sign of their own mean.
    void setAmountSign(AmountSign sign);
    void setAccount(const QString &id);
    // The register changed: every line is checked again. A line keeps the
    // action chosen for it while it is still what it was (new, a duplicate
    // of the same row).
    void recheck();

    const std::vector<Row> &rows() const { return m_rows; }
    // Reconcile is only for a line that is probably a row of the register,
    // Add never for one whose sign is not known; false (and nothing
    // changes) for any other.
    bool setAction(size_t row, Action action);
    // Which way the money of a line whose sign the file did not say went:
    // -1 out, +1 in. The line is then checked and ticked like any other.
    bool setSign(size_t row, int sign);
    // The register rows a line may be paired with by hand, nearest first.
    std::vector<RecordPtr> pairingChoices(size_t row) const;
    // Pairs a line with a row of the register (left out as that row, or
    // matched when it was), or, with no record, makes it new; the other
    // lines are paired again around it.
    bool setPairing(size_t row, const RecordPtr &record);
    // Every line that is probably a hand-entered row is taken as it.
    void acceptAllMatches();
    int count(Action action) const;
    int duplicates() const; // lines the register already holds, surely or probably
    int inDoubt() const;    // lines left unticked for a reason of their own
    // Lines to add that are scheduled transactions: they enter them.
    int meetsSchedules() const;

    // The person's category rules, tried on every line (the first that fits
    // gives its category); a line entering a scheduled occurrence takes the
    // schedule's category before any rule's.
    void setRules(std::vector<CategoryRule> rules);
    const std::vector<CategoryRule> &rules() const { return m_rules.rules(); }
    // What a line's category completes from: the categories in use in the
    // register, its schedules' and the rules', with those they are nested
    // in, each once, sorted letter case aside.
    QStringList categoryChoices() const;
    // A category chosen for a line by hand: kept over a rule's or a
    // schedule's while the line is read again. An empty text chooses none;
    // false for a row that is not there.
    bool setCategory(size_t row, const QString &category);

    // Why nothing may be imported yet (a date order, an account or columns
    // to choose, a file that cannot be read); empty when Import may go ahead.
    QString blocker() const;
    // What reading the file found worth a word (how the dates were read,
    // lines in another encoding, no descriptions).
    const std::vector<QString> &notes() const { return m_read.statement.notes; }
    ImportPlan plan() const;
    // "12 to add, 1 of them a scheduled transaction, 3 already in the
    // register, 2 lines that are not transactions".
    QString summary() const;

private:
    ImportPreview(QByteArray bytes, DecodedText decoded, QString fileName, RegisterPtr reg, QDate today,
                  LayoutLookup remembered, StatementRead read);
    void reread(Progress *progress = nullptr);
    // Checks the lines against the register, keeping what was chosen for each.
    void check(Progress *progress = nullptr);
    QString lineKey(size_t i) const;
    // Which added lines enter occurrences, and the category of every line:
    // after anything that changes which lines are added.
    void settle();

    QByteArray m_bytes;
    DecodedText m_decoded; // a CSV file's text, decoded once for every reading
    QString m_fileName;
    RegisterPtr m_register;
    QDate m_today;
    ReadChoices m_choices;
    StatementRead m_read;
    std::vector<Row> m_rows;
    std::vector<QString> m_rowKeys;       // each row's lineKey
    QHash<QString, int> m_signs;          // by line: the sign a person gave
    QHash<QString, RecordPtr> m_pairings; // by line: the row a person chose, or none for new
    QHash<QString, QString> m_categories; // by line: the category a person chose
    CategoryRules m_rules;
    ScheduleBook m_book; // the register's, as of the last check
};
