#include "ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Pattern {
    const char16_t *tool;
    // Matched against what follows NAME and comes before the extension.
    QRegularExpression marker;
};

const std::vector<Pattern> &patterns()
{
    static const std::vector<Pattern> list = {
        {u"Syncthing",
         QRegularExpression(u"^\\.sync-conflict-(?<ymd>\\d{8})-(?<hms>\\d{6})(?:-(?<device>[A-Z0-9]{7}))?$"_s)},
        {u"Nextcloud",
         QRegularExpression(u"^ \\(conflicted copy (?<y>\\d{4})-(?<m>\\d\\d)-(?<d>\\d\\d) (?<hms>\\d{6})\\)$"_s)},
        {u"Dropbox",
         QRegularExpression(u"^ \\((?:(?<device>.+?)['\u2019]s )?conflicted copy (?<y>\\d{4})-(?<m>\\d\\d)-(?<d>\\d\\d)"
                            "(?: \\(\\d+\\))?\\)(?: \\(\\d+\\))?$"_s)},
        {u"ownCloud", QRegularExpression(u"^_conflict-(?<ymd>\\d{8})-(?<hms>\\d{6})$"_s)},
        {u"Seafile",
         QRegularExpression(u"^ \\(SFConflict (?<device>\\S+) (?<y>\\d{4})-(?<m>\\d\\d)-(?<d>\\d\\d)"
                            "-(?<hh>\\d\\d)-(?<mm>\\d\\d)-(?<ss>\\d\\d)\\)$"_s)},
    };
    return list;
}

int number(const QRegularExpressionMatch &m, QStringView name, qsizetype from = 0, qsizetype length = -1)
{
    return m.capturedView(name).mid(from, length).toInt();
}

void readWhen(const QRegularExpressionMatch &m, ConflictCopy &copy)
{
    if (m.hasCaptured(u"ymd"))
        copy.date = QDate(number(m, u"ymd", 0, 4), number(m, u"ymd", 4, 2), number(m, u"ymd", 6, 2));
    else if (m.hasCaptured(u"y"))
        copy.date = QDate(number(m, u"y"), number(m, u"m"), number(m, u"d"));
    if (m.hasCaptured(u"hms"))
        copy.time = QTime(number(m, u"hms", 0, 2), number(m, u"hms", 2, 2), number(m, u"hms", 4, 2));
    else if (m.hasCaptured(u"hh"))
        copy.time = QTime(number(m, u"hh"), number(m, u"mm"), number(m, u"ss"));
    if (!copy.date.isValid())
        copy.time = {};
}

} // namespace

std::optional<ConflictCopy> conflictCopyOf(const QString &registerName, const QString &fileName)
{
    // The tools put their mark before the extension; a register without one
    // has the mark at the end.
    const qsizetype dot = registerName.lastIndexOf(u'.');
    const QString stem = dot > 0 ? registerName.left(dot) : registerName;
    const QString extension = dot > 0 ? registerName.mid(dot) : QString();
    if (fileName == registerName || !fileName.startsWith(stem) || !fileName.endsWith(extension) ||
        fileName.size() <= stem.size() + extension.size())
        return std::nullopt;
    const QString marker = fileName.mid(stem.size(), fileName.size() - stem.size() - extension.size());
    ConflictCopy copy;
    copy.path = fileName;
    for (const Pattern &p : patterns()) {
        const QRegularExpressionMatch m = p.marker.match(marker);
        if (!m.hasMatch())
            continue;
        copy.tool = QString::fromUtf16(p.tool);
        copy.device = m.captured(u"device");
        readWhen(m, copy);
        return copy;
    }
    // Another tool's mark: set off from the name, with the word in it.
    static const QRegularExpression other(u"^[ ._(\\[-].*conflict"_s, QRegularExpression::CaseInsensitiveOption);
    if (other.match(marker).hasMatch())
        return copy;
    return std::nullopt;
}

std::vector<ConflictCopy> findConflictCopies(const QString &registerPath)
{
    const QFileInfo reg(registerPath);
    // Named as the register was: beside it, in the folder it was given in.
    const qsizetype slash = registerPath.lastIndexOf(u'/');
    const QString folder = slash >= 0 ? registerPath.left(slash + 1) : QString();
    std::vector<ConflictCopy> found;
    for (const QFileInfo &info : reg.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!info.isFile())
            continue;
        if (std::optional<ConflictCopy> copy = conflictCopyOf(reg.fileName(), info.fileName())) {
            copy->path = folder + info.fileName();
            found.push_back(std::move(*copy));
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const ConflictCopy &a, const ConflictCopy &b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        if (a.date != b.date)
            return a.date < b.date;
        if (a.time != b.time)
            return a.time.isValid() && (!b.time.isValid() || a.time < b.time);
        return a.path < b.path;
    });
    return found;
}
