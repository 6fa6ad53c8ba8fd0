// cheqbook-cli merge and conflicts: two versions of a register made apart
// (on two computers) merged into one, and the copies sync tools leave.

#include "Commands.h"

#include "ConflictCopies.h"
#include "DocumentVersions.h"
#include "ImportDuplicates.h"
#include "MergeBase.h"
#include "MergeStep.h"
#include "RegisterMerge.h"

#include <QDate>
#include <QFileInfo>

#include <future>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// Control characters in a description would act on the terminal.
QString shown(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QChar(c.unicode() == 0x7f ? char16_t(0x2421) : char16_t(0x2400 + c.unicode()));
    return text;
}

QString shownValue(const QString &key, const Value &v)
{
    if (v.isNull())
        return u"(none)"_s;
    if (key == keyName(Key::Amount) && v.cents().ok())
        return moneyText(v.cents().cents);
    const QString text = v.toString();
    return shown(text.size() > 80 ? text.first(79) + u'\u2026' : text);
}

QString sideName(MergeSide side) { return side == MergeSide::Mine ? u"mine"_s : u"theirs"_s; }

QString changeLine(const MergeChange &c)
{
    static const char *const kinds[] = {"added", "deleted", "changed"};
    QString line = u"%1\t%2\t%3"_s.arg(sideName(c.side), QLatin1StringView(kinds[int(c.kind)]),
                                      shown(describeRow(*c.record)));
    if (c.kind == MergeChange::Kind::Changed) {
        QStringList what;
        for (const QString &key : c.keys)
            what << u"%1 %2 \u2192 %3"_s.arg(key, shownValue(key, c.before ? c.before->value(key) : Value()),
                                             shownValue(key, c.record->value(key)));
        line += u'\t' + what.join(u"; ");
    }
    return line;
}

QString conflictLine(const RowConflict &c)
{
    QString line = u"conflict\t"_s + shown(describeRow(c.shown()));
    switch (c.kind) {
    case RowConflict::Kind::DeletedByMine:
        return line + u"\tdeleted in mine, changed in theirs"_s;
    case RowConflict::Kind::DeletedByTheirs:
        return line + u"\tchanged in mine, deleted in theirs"_s;
    case RowConflict::Kind::Changed: break;
    }
    QStringList what;
    for (const FieldConflict &f : c.fields)
        what << u"%1: mine %2, theirs %3 (was %4)"_s.arg(f.key, shownValue(f.key, f.mine), shownValue(f.key, f.theirs),
                                                         shownValue(f.key, f.base));
    return line + u'\t' + what.join(u"; ");
}

} // namespace

int runMerge(const Arguments &a)
{
    const QString &minePath = a.positional[0];
    const QString &theirsPath = a.positional[1];
    const bool ours = a.flags.contains(u"--ours"_s);
    const bool theirs = a.flags.contains(u"--theirs"_s);
    if (ours && theirs) {
        error(u"--ours and --theirs settle the conflicts one way or the other, not both"_s);
        return Usage;
    }
    const QString basePath = a.values.value(u"--base"_s);
    QStringList others{theirsPath};
    if (!basePath.isEmpty())
        others << basePath;
    if (!a.output.isEmpty() && outputIsAnInput(a.output, others, u"a version being merged,"_s))
        return Usage;

    // Mine and theirs are named from readings of their own, on the other
    // core while the document reads mine.
    std::future<std::pair<std::optional<NamedFile>, std::optional<NamedFile>>> named =
        std::async(std::launch::async, [&] { return std::pair(nameFile(minePath), nameFile(theirsPath)); });
    MyDocument *doc = openRegister(minePath, Recalculate::No);
    if (!doc)
        return Failed;
    const std::vector<RecordPtr> &mineRows = doc->array()->rows();
    const auto [mineNamed, theirsNamed] = named.get();
    const bool mineAsRead = mineNamed && sameFileState(mineNamed->stamp, doc->diskStamp());
    VersionFacts mine{mineAsRead ? mineNamed->version : 0, ancestry(mineRows)};
    const VersionStore store(VersionStore::defaultFolder());
    PreparedMerge prepared =
        prepareMerge(mineRows, mine, minePath, theirsPath, store, QDate::currentDate(), basePath,
                     theirsNamed ? &*theirsNamed : nullptr);
    if (!prepared.ok()) {
        error(prepared.error);
        return Failed;
    }
    RegisterMerge &merge = prepared.merge;
    if (merge.baseInferred)
        error(u"no version that %1 and %2 both grew from is known (--base names one): a transaction only one of them "
              "holds is kept, and what they hold differently is a conflict"_s.arg(minePath, theirsPath));
    for (const MergeChange &c : merge.changes)
        writeOut(changeLine(c) + u'\n');
    for (const RowConflict &c : merge.conflicts)
        writeOut(conflictLine(c) + u'\n');
    if (!finishOut())
        return Failed;
    if (const int open = merge.unresolvedCount(); open > 0) {
        if (!ours && !theirs) {
            error(u"%1 %2 (listed above): nothing was written. --ours or --theirs settles them, or merge in "
                  "the window to choose one by one"_s.arg(open).arg(open == 1 ? u"conflict"_s : u"conflicts"_s));
            return Conflicts;
        }
        merge.chooseAll(ours ? MergeSide::Mine : MergeSide::Theirs);
    }
    const QString output = a.output.isEmpty() ? minePath : a.output;
    if (!merge.changesMine() && a.output.isEmpty()) {
        error(u"%1 holds everything of %2 already: nothing was written"_s.arg(minePath, theirsPath));
        return Ok;
    }
    if (const QString refused =
            applyMerge(*doc, merge, QFileInfo(theirsPath).fileName(), prepared.ancestry);
        !refused.isEmpty()) {
        error(u"%1: %2"_s.arg(output, refused));
        return Failed;
    }
    // The merged rows are the document's now: what else the merge held goes
    // back to the system before the save writes the register's text.
    prepared = {};
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    // The merged version is the base of the next merge of either side's
    // later versions. The merge named the versions it grew from on the
    // opening row already: the keeper has no parent to add, and the save
    // need not make the text once more to find whether it is mine's.
    doc->setVersionKeeper(std::make_unique<DocumentVersions>(store));
    return saveRegister(*doc, output);
}

int runConflicts(const Arguments &a)
{
    const QString &path = a.positional[0];
    if (!QFileInfo(path).isFile()) {
        error(u"%1: cannot be read: %2"_s.arg(path, QFileInfo::exists(path) ? u"it is not a file"_s
                                                                             : u"No such file or directory"_s));
        return Failed;
    }
    for (const ConflictCopy &c : findConflictCopies(path)) {
        QString when;
        if (c.date.isValid())
            when = c.date.toString(u"MM/dd/yyyy"_s) + (c.time.isValid() ? c.time.toString(u" HH:mm:ss"_s) : QString());
        writeOut(u"%1\t%2\t%3\t%4\n"_s.arg(shown(c.path), c.tool, shown(c.device), when));
    }
    return finishOut() ? Ok : Failed;
}

} // namespace cli
