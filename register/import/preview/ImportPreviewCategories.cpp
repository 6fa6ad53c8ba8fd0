// What each line of the preview meets besides its action: the scheduled
// occurrence it enters, and the category it gets and where from.
#include "ImportPreview.h"

#include "Category.h"
#include "ScheduleMatch.h"

#include <algorithm>

void ImportPreview::settle()
{
    std::vector<StatementLine> added;
    std::vector<size_t> addedRow;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].occurrence.reset();
        m_rows[i].scheduleName.clear();
        if (m_rows[i].action == Action::Add) {
            added.push_back(m_rows[i].line);
            addedRow.push_back(i);
        }
    }
    // The same meeting the import makes of the same lines.
    if (!m_book.schedules.empty()) {
        for (const OccurrenceMeeting &m : meetOccurrences(m_book, added, m_today)) {
            Row &row = m_rows[addedRow[m.line]];
            row.occurrence = m.occurrence;
            const Schedule *s = m_book.find(m.occurrence.scheduleId);
            row.scheduleName = s && !s->description.isEmpty() ? s->description : row.line.description;
        }
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        row.rule = -1;
        const Schedule *s = row.occurrence ? m_book.find(row.occurrence->scheduleId) : nullptr;
        if (const auto chosen = m_categories.constFind(m_rowKeys[i]); chosen != m_categories.constEnd()) {
            row.line.category = *chosen;
            row.categoryFrom = CategoryFrom::Person;
        } else if (s && !s->category.isEmpty()) {
            row.line.category = s->category;
            row.categoryFrom = CategoryFrom::Schedule;
        } else if ((row.rule = m_rules.firstMatch(row.line.description)) >= 0) {
            row.line.category = m_rules.rules()[size_t(row.rule)].category;
            row.categoryFrom = CategoryFrom::Rule;
        } else {
            row.line.category.clear();
            row.categoryFrom = CategoryFrom::None;
        }
    }
}

void ImportPreview::setRules(std::vector<CategoryRule> rules)
{
    m_rules = CategoryRules(std::move(rules));
    settle();
}

std::vector<CategoryRule> withRuleFor(std::vector<CategoryRule> rules, QStringView description,
                                      const QString &category)
{
    const CategoryRule kept = ruleFromExample(description, category);
    if (!ruleRefusal(kept).isEmpty())
        return rules;
    auto same = std::find_if(rules.begin(), rules.end(), [&](const CategoryRule &r) {
        return r.match == kept.match && r.text.compare(kept.text, Qt::CaseInsensitive) == 0;
    });
    if (same != rules.end()) {
        same->category = kept.category;
        // Still behind one that fits first, it is moved before it.
        const int first = CategoryRules(rules).firstMatch(description);
        if (first >= 0 && rules.begin() + first < same)
            std::rotate(rules.begin() + first, same, same + 1);
        return rules;
    }
    // Before the first rule this description fits: that one would otherwise
    // win, and the rule kept would change nothing.
    const int first = CategoryRules(rules).firstMatch(description);
    rules.insert(first < 0 ? rules.end() : rules.begin() + first, kept);
    return rules;
}

QStringList ImportPreview::categoryChoices() const
{
    QStringList choices = m_register ? categoriesInUse(*m_register) : QStringList();
    auto add = [&](const QString &category) {
        for (const QString &c : categoryAndParents(category))
            if (!choices.contains(c))
                choices << c;
    };
    for (const Schedule &s : m_book.schedules)
        add(s.category);
    for (const CategoryRule &rule : m_rules.rules())
        add(rule.category);
    std::sort(choices.begin(), choices.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return choices;
}

bool ImportPreview::setCategory(size_t row, const QString &category)
{
    if (row >= m_rows.size())
        return false;
    m_categories.insert(m_rowKeys[row], normalizedCategory(category));
    settle();
    return true;
}
