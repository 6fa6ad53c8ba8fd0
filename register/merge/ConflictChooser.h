#pragma once

// The conflicts of a merge side by side, one line for each value the two
// computers changed differently (or each transaction one deleted and the
// other changed): the transaction, what it is, mine and theirs, each a
// choice. Mine is chosen until the user chooses otherwise; accepting writes
// the choices into the merge.

#include "RegisterMerge.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QTableWidget;

class ConflictChooser : public QDialog
{
    Q_OBJECT
public:
    ConflictChooser(RegisterMerge &merge, const QString &theirsName, QWidget *parent = nullptr);

    // Every line's choice at once (the buttons Keep All Mine, Take All Theirs).
    void chooseAll(MergeSide side);
    int lineCount() const { return int(m_lines.size()); }
    // The line's choice, and its change.
    MergeSide choice(int line) const;
    void choose(int line, MergeSide side);

    // What a value reads as in the chooser.
    static QString shownValue(const QString &key, const Value &value);
    static QString shownKey(const QString &key);

private:
    void writeChoices();

    struct Line {
        int conflict;
        int field; // -1: the transaction as a whole
        QButtonGroup *group;
    };
    RegisterMerge &m_merge;
    QTableWidget *m_table;
    std::vector<Line> m_lines;
};
