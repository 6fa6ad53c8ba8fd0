#pragma once

// Rules that give a transaction its category from its description: "the
// description contains HY-VEE → Food:Groceries", or "matches the pattern
// ^SQ \*.*COFFEE → Food:Coffee". They are tried in their order and the first
// that fits gives the category.
//
// The rules are the person's, not a register's: kept in the per-user
// settings, as the layouts of banks' files are, so that every register (next
// year's too) and cheqbook-cli import use the same ones.

#include <QRegularExpression>
#include <QString>

#include <memory>
#include <vector>

class QSettings;
class Register;
class TextMatcher;
struct StatementLine;

struct CategoryRule {
    enum class Match : quint8 {
        Contains, // the description holds the text, letter case ignored
        Pattern,  // a regular expression finds a match in it, letter case ignored
    };
    Match match = Match::Contains;
    QString text;
    QString category;
    bool operator==(const CategoryRule &) const = default;
};

// Why a rule cannot be kept, in words a person reads: no text, no category,
// a pattern that is not one (saying where). Empty when it can.
QString ruleRefusal(const CategoryRule &rule);

// A rule that gives descriptions like this one the category: "contains" the
// description without the store number or reference a bank puts at its end
// ("QuikTrip #112" and "Shell Oil 5730" give QuikTrip and Shell Oil).
CategoryRule ruleFromExample(QStringView description, const QString &category);

// Rules made ready for matching many descriptions.
class CategoryRules
{
public:
    CategoryRules();
    // A rule that cannot be kept (see ruleRefusal) never matches.
    explicit CategoryRules(std::vector<CategoryRule> rules);
    CategoryRules(CategoryRules &&) noexcept;
    CategoryRules &operator=(CategoryRules &&) noexcept;
    ~CategoryRules();

    const std::vector<CategoryRule> &rules() const { return m_rules; }
    bool isEmpty() const { return m_rules.empty(); }
    // The first rule the description fits, or -1.
    int firstMatch(QStringView description) const;
    // Its category, or empty when none fits.
    QString categoryFor(QStringView description) const;

private:
    std::vector<CategoryRule> m_rules;
    std::vector<std::unique_ptr<TextMatcher>> m_texts; // a Contains rule's; null for the others
    std::vector<QRegularExpression> m_patterns;          // a Pattern rule's; invalid for the others
    std::vector<bool> m_usable;
};

// Gives each line of a statement without a category the category of the
// first rule its description fits, as an import does before its lines are
// shown or added. Returns how many got one.
int categorizeLines(std::vector<StatementLine> &lines, const CategoryRules &rules);

// The category proposed for a transaction being entered with this
// description: the one the payee had the last time (among the latest
// lookBack rows, all when negative), or else that of the first rule the
// description fits; empty when neither gives one. What a person did before
// outweighs a rule written for many payees.
QString proposedCategory(const Register &reg, QStringView description, const CategoryRules &rules,
                         int lookBack = -1);

// The rules kept in the per-user settings, in their order. Rules that cannot
// be kept are left as they are: a person sees and mends them in the editor.
std::vector<CategoryRule> storedRules(QSettings &settings);
void storeRules(QSettings &settings, const std::vector<CategoryRule> &rules);
