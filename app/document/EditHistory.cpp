#include "EditHistory.h"

#include "CutForShowing.h"

#include <algorithm>
#include <climits>

RowRuns rowRuns(const std::vector<int> &ascendingRows)
{
    RowRuns runs;
    for (int row : ascendingRows) {
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    return runs;
}

namespace {
constexpr qsizetype kShown = 40;

// Only the start of a description is looked at: one of millions of
// characters would otherwise be copied whole to make a short name.
QString shownDescription(const QString &description)
{
    const QString shown = cutForShowing(description).simplified();
    return shown.size() <= kShown ? shown : shown.first(kShown - 1) + u'\u2026';
}
} // namespace

QString transactionStepName(const QString &named, const QString &unnamed, const QString &description)
{
    const QString shown = shownDescription(description);
    return shown.isEmpty() ? unnamed : named.arg(shown);
}

QString quotedDescription(const QString &description)
{
    using namespace Qt::StringLiterals;
    return u"\u201c%1\u201d"_s.arg(shownDescription(description));
}

QString transactionStepName(const QString &verb, const QString &description)
{
    using namespace Qt::StringLiterals;
    return transactionStepName(verb + u" \u201c%1\u201d"_s, verb + u" Transaction"_s, description);
}

void EditStep::redo(Register &reg, RowChangeListener *listener)
{
    for (const std::unique_ptr<RegisterEdit> &e : edits) {
        if (listener)
            e->warn(*listener, reg);
        e->redo(reg);
        if (listener)
            e->tell(*listener, reg, false);
    }
}

void EditStep::undo(Register &reg, RowChangeListener *listener)
{
    for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
        if (listener)
            (*e)->warn(*listener, reg);
        (*e)->undo(reg);
        if (listener)
            (*e)->tell(*listener, reg, true);
    }
}

int EditStep::firstBalanceRow() const
{
    int first = INT_MAX;
    for (const std::unique_ptr<RegisterEdit> &e : edits)
        first = std::min(first, e->firstBalanceRow());
    return first;
}

size_t EditStep::size() const
{
    size_t bytes = sizeof(*this) + size_t(name.size()) * 2 + (rowsBefore.size() + rowsAfter.size()) * 8;
    for (const std::unique_ptr<RegisterEdit> &e : edits)
        bytes += e->size();
    return bytes;
}

void EditHistory::push(std::unique_ptr<EditStep> step)
{
    m_steps.resize(m_done);
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
}

const EditStep *EditHistory::undo(Register &reg, RowChangeListener *listener)
{
    if (!canUndo())
        return nullptr;
    EditStep &step = *m_steps[--m_done];
    step.undo(reg, listener);
    return &step;
}

const EditStep *EditHistory::redo(Register &reg, RowChangeListener *listener)
{
    if (!canRedo())
        return nullptr;
    EditStep &step = *m_steps[m_done++];
    step.redo(reg, listener);
    return &step;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_done = 0;
}

size_t EditHistory::size() const
{
    size_t bytes = 0;
    for (const std::unique_ptr<EditStep> &s : m_steps)
        bytes += s->size();
    return bytes;
}
