#pragma once

// The distinct categories met while reading many rows, each numbered as it is
// first met. A category met before is found again without making a text of
// it, so that a million rows cost a million look-ups, not a million texts.

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CategoryNames
{
public:
    int idOf(QLatin1StringView category);
    int idOf(QStringView category);
    const QString &name(int id) const { return m_names[size_t(id)]; }
    int count() const { return int(m_names.size()); }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    int idOfUtf8(std::string_view utf8);

    std::unordered_map<std::string, int, Hash, std::equal_to<>> m_ids; // by UTF-8
    std::vector<QString> m_names;
};
