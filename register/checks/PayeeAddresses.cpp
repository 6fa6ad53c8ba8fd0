#include "PayeeAddresses.h"

#include "AtomicFile.h"
#include "DataFolder.h"
#include "InputFile.h"

#include <QDir>
#include <QFileInfo>


using namespace Qt::StringLiterals;

namespace {

// More than any address book a person keeps; a larger file is not one.
constexpr qint64 kBookFileLimit = 16 * 1024 * 1024;

bool samePayee(QStringView a, QStringView b) { return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

} // namespace

QString PayeeAddresses::defaultPath() { return dataFolder() + u"/payee-addresses.txt"_s; }

bool PayeeAddresses::load(const QString &path, QString *error)
{
    m_entries.clear();
    if (!QFileInfo::exists(path))
        return true;
    InputFile file(path, InputFile::Access::Read);
    if (file.ok() && file.status().st_size > kBookFileLimit) {
        *error = u"%1: at %2 bytes it is too large to be an address book"_s.arg(path).arg(file.status().st_size);
        return false;
    }
    const QByteArray bytes = file.bytes();
    if (!file.finish()) {
        *error = u"%1: %2"_s.arg(path, file.error());
        return false;
    }
    *this = fromText(bytes);
    return true;
}

QString PayeeAddresses::save(const QString &path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Addresses are the person's own: no one else on the machine reads them.
    return writePrivateFileAtomically(path, text());
}

QByteArray PayeeAddresses::text() const
{
    QString text;
    for (const Entry &entry : m_entries) {
        if (!text.isEmpty())
            text += u'\n';
        text += entry.payee + u'\n';
        for (const QString &line : entry.lines)
            text += line + u'\n';
    }
    return text.toUtf8();
}

PayeeAddresses PayeeAddresses::fromText(const QByteArray &text)
{
    PayeeAddresses book;
    QString payee;
    QStringList lines;
    const auto keep = [&] {
        if (!payee.isEmpty())
            book.setAddress(payee, lines);
        payee.clear();
        lines.clear();
    };
    for (const QString &raw : QString::fromUtf8(text).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            keep();
        else if (payee.isEmpty())
            payee = line;
        else
            lines << line;
    }
    keep();
    return book;
}

QStringList PayeeAddresses::addressOf(QStringView payee) const
{
    for (const Entry &entry : m_entries)
        if (samePayee(entry.payee, payee))
            return entry.lines;
    return {};
}

void PayeeAddresses::setAddress(const QString &payee, const QStringList &lines)
{
    QStringList kept;
    for (const QString &line : lines)
        for (const QString &part : line.split(u'\n'))
            if (!part.trimmed().isEmpty() && kept.size() < kMaxLines)
                kept << part.trimmed();
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry &e) { return samePayee(e.payee, payee); });
    if (kept.isEmpty()) {
        if (entry != m_entries.end())
            m_entries.erase(entry);
        return;
    }
    // One line each: a payee's name broken over lines would read as its address.
    const QString name = payee.simplified();
    if (name.isEmpty())
        return;
    if (entry != m_entries.end())
        *entry = {name, kept};
    else
        m_entries.push_back({name, kept});
}
