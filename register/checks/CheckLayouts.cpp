#include "CheckLayouts.h"

#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// In the order a person choosing a stock reads them.
const std::array<QString, 5> kShippedIds = {u"voucher-top"_s, u"voucher-middle"_s, u"voucher-bottom"_s,
                                             u"three-per-page"_s, u"wallet"_s};

QString shippedPath(const QString &id) { return u":/check-layouts/"_s + id + kCheckLayoutSuffix; }

CheckLayoutEntry shippedEntry(const QString &id)
{
    QFile file(shippedPath(id));
    file.open(QIODevice::ReadOnly);
    return {id, file.fileName(), true, readCheckLayout(file.readAll(), id + kCheckLayoutSuffix)};
}

} // namespace

QString userCheckLayoutFolder() { return dataFolder() + u"/check-layouts"_s; }

std::vector<CheckLayoutEntry> checkLayouts()
{
    std::vector<CheckLayoutEntry> entries;
    for (const QString &id : kShippedIds)
        entries.push_back(shippedEntry(id));
    const QDir folder(userCheckLayoutFolder());
    for (const QFileInfo &file :
         folder.entryInfoList({u"*"_s + kCheckLayoutSuffix}, QDir::Files | QDir::Readable, QDir::Name)) {
        CheckLayoutEntry entry{file.completeBaseName(), file.filePath(), false, readCheckLayoutFile(file.filePath())};
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const CheckLayoutEntry &e) {
            return e.id == entry.id;
        });
        if (same != entries.end())
            *same = std::move(entry);
        else
            entries.push_back(std::move(entry));
    }
    return entries;
}

namespace {

// The file a layout's name or path leads to: the person's layout of that
// name before the shipped one; empty when there is none.
QString layoutPath(const QString &nameOrPath)
{
    if (nameOrPath.contains(u'/') || nameOrPath.endsWith(kCheckLayoutSuffix))
        return nameOrPath;
    if (const QString user = userCheckLayoutFolder() + u'/' + nameOrPath + kCheckLayoutSuffix; QFileInfo::exists(user))
        return user;
    if (std::find(kShippedIds.begin(), kShippedIds.end(), nameOrPath) != kShippedIds.end())
        return shippedPath(nameOrPath);
    return {};
}

} // namespace

CheckLayoutReading findCheckLayout(const QString &nameOrPath)
{
    const QString path = layoutPath(nameOrPath);
    if (path.startsWith(u':'))
        return shippedEntry(nameOrPath).reading;
    if (!path.isEmpty())
        return readCheckLayoutFile(path);
    QStringList ids;
    for (const CheckLayoutEntry &entry : checkLayouts())
        ids << entry.id;
    return {{},
            QCoreApplication::translate("CheckLayouts", "there is no check layout \u201c%1\u201d (there are %2)")
                .arg(nameOrPath, ids.join(u", "_s))};
}

QByteArray checkLayoutText(const QString &nameOrPath)
{
    QFile file(layoutPath(nameOrPath));
    return file.open(QIODevice::ReadOnly) ? file.read(256 * 1024) : QByteArray();
}
