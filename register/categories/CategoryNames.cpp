#include "CategoryNames.h"

int CategoryNames::idOfUtf8(std::string_view utf8)
{
    if (const auto found = m_ids.find(utf8); found != m_ids.end())
        return found->second;
    const int id = int(m_names.size());
    m_names.push_back(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    m_ids.emplace(std::string(utf8), id);
    return id;
}

int CategoryNames::idOf(QLatin1StringView category)
{
    // ASCII is its own UTF-8, and nearly every category is ASCII.
    for (char c : category)
        if (static_cast<unsigned char>(c) >= 0x80)
            return idOf(QStringView(category.toString()));
    return idOfUtf8(std::string_view(category.data(), size_t(category.size())));
}

int CategoryNames::idOf(QStringView category)
{
    const QByteArray utf8 = category.toUtf8();
    return idOfUtf8(std::string_view(utf8.constData(), size_t(utf8.size())));
}
