#include "CategoryRules.h"

#include "Category.h"
#include "RegisterFilter.h"
#include "Statement.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The texts of this file, in their translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CategoryRules)
};

QRegularExpression patternOf(const QString &text)
{
    return QRegularExpression(text, QRegularExpression::CaseInsensitiveOption);
}

bool holdsDigit(QStringView token)
{
    return std::any_of(token.begin(), token.end(), [](QChar c) { return c.isDigit() || c == u'#'; });
}

} // namespace

QString ruleRefusal(const CategoryRule &rule)
{
    if (rule.text.trimmed().isEmpty())
        return rule.match == CategoryRule::Match::Contains ? Texts::tr("the rule says no text to look for")
                                                           : Texts::tr("the rule has no pattern");
    if (normalizedCategory(rule.category).isEmpty())
        return Texts::tr("the rule gives no category");
    if (rule.match == CategoryRule::Match::Pattern) {
        const QRegularExpression pattern = patternOf(rule.text);
        if (!pattern.isValid())
            return Texts::tr("the pattern \u201c%1\u201d is not one: %2 at character %3")
                .arg(rule.text, pattern.errorString())
                .arg(pattern.patternErrorOffset() + 1);
    }
    return {};
}

CategoryRule ruleFromExample(QStringView description, const QString &category)
{
    QList<QStringView> words = description.split(u' ', Qt::SkipEmptyParts);
    // Store numbers and references come last: "#112", "5730", "US*2K4T59XJ0".
    while (words.size() > 1 && holdsDigit(words.back()))
        words.removeLast();
    while (words.size() > 1 && words.back().size() == 1 && !words.back()[0].isLetterOrNumber())
        words.removeLast(); // "Evergy -" once its reference is gone
    QString text;
    for (QStringView w : words)
        text += (text.isEmpty() ? QString() : u" "_s) + w.toString();
    return {CategoryRule::Match::Contains, text, normalizedCategory(category)};
}

CategoryRules::CategoryRules() = default;
CategoryRules::CategoryRules(CategoryRules &&) noexcept = default;
CategoryRules &CategoryRules::operator=(CategoryRules &&) noexcept = default;
CategoryRules::~CategoryRules() = default;

CategoryRules::CategoryRules(std::vector<CategoryRule> rules) : m_rules(std::move(rules))
{
    for (CategoryRule &rule : m_rules) {
        rule.category = normalizedCategory(rule.category);
        const bool usable = ruleRefusal(rule).isEmpty();
        m_usable.push_back(usable);
        const bool contains = rule.match == CategoryRule::Match::Contains;
        // Blanks at the ends of a text are slips of the keyboard; a rule that
        // needs them is a pattern (\bBP\b).
        m_texts.push_back(usable && contains ? std::make_unique<TextMatcher>(rule.text.trimmed()) : nullptr);
        m_patterns.push_back(usable && !contains ? patternOf(rule.text) : QRegularExpression());
        if (usable && !contains)
            m_patterns.back().optimize();
    }
}

int CategoryRules::firstMatch(QStringView description) const
{
    for (size_t i = 0; i < m_rules.size(); ++i) {
        if (!m_usable[i])
            continue;
        const bool fits = m_texts[i] ? m_texts[i]->foundIn(description)
                                     : m_patterns[i].match(description).hasMatch();
        if (fits)
            return int(i);
    }
    return -1;
}

QString CategoryRules::categoryFor(QStringView description) const
{
    const int i = firstMatch(description);
    return i < 0 ? QString() : m_rules[size_t(i)].category;
}

int categorizeLines(std::vector<StatementLine> &lines, const CategoryRules &rules)
{
    int given = 0;
    if (rules.isEmpty())
        return given;
    for (StatementLine &line : lines) {
        if (!line.category.isEmpty())
            continue;
        line.category = rules.categoryFor(line.description);
        given += !line.category.isEmpty();
    }
    return given;
}

QString proposedCategory(const Register &reg, QStringView description, const CategoryRules &rules, int lookBack)
{
    if (description.trimmed().isEmpty())
        return {};
    if (QString category = lastCategoryOf(reg, description, lookBack); !category.isEmpty())
        return category;
    return normalizedCategory(rules.categoryFor(description));
}

std::vector<CategoryRule> storedRules(QSettings &settings)
{
    std::vector<CategoryRule> rules;
    const int n = settings.beginReadArray(u"categoryRules"_s);
    for (int i = 0; i < n; ++i) {
        settings.setArrayIndex(i);
        CategoryRule rule;
        rule.match = settings.value(u"match"_s).toString() == u"pattern" ? CategoryRule::Match::Pattern
                                                                          : CategoryRule::Match::Contains;
        rule.text = settings.value(u"text"_s).toString();
        rule.category = settings.value(u"category"_s).toString();
        rules.push_back(std::move(rule));
    }
    settings.endArray();
    return rules;
}

void storeRules(QSettings &settings, const std::vector<CategoryRule> &rules)
{
    settings.remove(u"categoryRules"_s);
    settings.beginWriteArray(u"categoryRules"_s, int(rules.size()));
    for (int i = 0; i < int(rules.size()); ++i) {
        const CategoryRule &rule = rules[size_t(i)];
        settings.setArrayIndex(i);
        settings.setValue(u"match"_s, rule.match == CategoryRule::Match::Pattern ? u"pattern"_s : u"contains"_s);
        settings.setValue(u"text"_s, rule.text);
        settings.setValue(u"category"_s, rule.category);
    }
    settings.endArray();
}
