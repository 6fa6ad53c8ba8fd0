#pragma once

// A register document's history of changes, for undo and redo. A step is
// one command of the user's (an entry, an import, a sort...): the edits it
// made, in order, under a name the Edit menu shows, with the rows to show
// selected once it is undone or done again.

#include "RegisterEdits.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

// Rows as runs of neighbours, first to last: a million selected rows cost a
// pair, not a million entries.
using RowRuns = std::vector<std::pair<int, int>>;
RowRuns rowRuns(const std::vector<int> &ascendingRows);

// A step's name for one transaction: named with its description for %1
// ("Delete “%1”" as "Delete “Hy-Vee”"), the description cut short when
// long; unnamed ("Delete Transaction") for one without a description. Both
// are whole sentences, so that a translation can put the words in its order.
QString transactionStepName(const QString &named, const QString &unnamed, const QString &description);
// The same as verb + " “%1”" and verb + " Transaction".
QString transactionStepName(const QString &verb, const QString &description);
// The description as such names show it: in quotes, on one line, cut short
// when long ("“Hy-Vee”").
QString quotedDescription(const QString &description);

struct EditStep {
    QString name;
    std::vector<std::unique_ptr<RegisterEdit>> edits;
    RowRuns rowsBefore; // to select once it is undone
    RowRuns rowsAfter;  // to select once it is done again

    // Each edit made again (or taken back, last first), told to the listener
    // as it is.
    void redo(Register &reg, RowChangeListener *listener = nullptr);
    void undo(Register &reg, RowChangeListener *listener = nullptr);
    // The first row whose balance the step can move; INT_MAX for none.
    int firstBalanceRow() const;
    size_t size() const;
};

class EditHistory
{
public:
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    QString undoName() const { return canUndo() ? m_steps[m_done - 1]->name : QString(); }
    QString redoName() const { return canRedo() ? m_steps[m_done]->name : QString(); }

    // A new step: what could be redone is forgotten.
    void push(std::unique_ptr<EditStep> step);
    // Take back the last step done, or do again the last one undone; null
    // when there is none.
    const EditStep *undo(Register &reg, RowChangeListener *listener = nullptr);
    const EditStep *redo(Register &reg, RowChangeListener *listener = nullptr);
    void clear();
    // The last step done; null when there is none.
    const EditStep *lastDone() const { return canUndo() ? m_steps[m_done - 1].get() : nullptr; }
    EditStep *lastDone() { return canUndo() ? m_steps[m_done - 1].get() : nullptr; }

    // Where the history stands: the number of steps done. A position once
    // left by a new step is never reached again: it counts as lost.
    size_t position() const { return m_done; }
    static constexpr size_t kLost = size_t(-1);
    // What the steps keep, roughly, in bytes.
    size_t size() const;

private:
    std::vector<std::unique_ptr<EditStep>> m_steps;
    size_t m_done = 0;
};
