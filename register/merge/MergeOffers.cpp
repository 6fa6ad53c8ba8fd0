#include "MergeOffers.h"

#include "ConflictChooser.h"
#include "ConflictCopies.h"
#include "DataFolder.h"
#include "DocumentVersions.h"
#include "MergeBase.h"
#include "MergeStep.h"
#include "MyDocument.h"
#include "Toolkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

MergeOffers::MergeOffers(MyDocument *document, Toolkit &toolkit, QWidget *window,
                         std::function<QString(QDate)> dateText)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_window(window), m_dateText(std::move(dateText))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(700);
    connect(&m_settle, &QTimer::timeout, this, [this] { m_toolkit.whenNotAsking(this, [this] { lookForCopies(); }); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(document, &MyDocument::fileNameChanged, this, &MergeOffers::watchFolder);
    connect(document, &MyDocument::changeCountChanged, this, [this](int count) {
        if (count == 0)
            moveSavedCopies();
    });
    watchFolder();
}

QString MergeOffers::mergedFolder() { return dataFolder() + u"/Merged"_s; }

void MergeOffers::watchFolder()
{
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    if (!m_document->fileName().isEmpty())
        m_watcher.addPath(QFileInfo(m_document->fileName()).absolutePath());
}

QString MergeOffers::offerText(const ConflictCopy &copy) const
{
    QStringList about;
    if (!copy.device.isEmpty())
        about << copy.device;
    if (copy.date.isValid())
        about << m_dateText(copy.date) + (copy.time.isValid() ? u' ' + copy.time.toString(u"HH:mm"_s) : QString());
    const QString made = about.isEmpty()
        ? tr("A second version of this register was made on another computer.")
        : tr("A second version of this register was made on another computer (%1).").arg(about.join(u", "_s));
    return made + u' ' + tr("Merge it?");
}

void MergeOffers::lookForCopies()
{
    if (m_asking || m_document->fileName().isEmpty())
        return;
    m_asking = true;
    for (const ConflictCopy &copy : findConflictCopies(m_document->fileName())) {
        if (m_offered.contains(copy.path))
            continue;
        m_offered.insert(copy.path);
        const QString question = offerText(copy) + u"\n\n"_s +
            tr("\u201c%1\u201d lies beside it. Merged, it is kept in %2 once you save.")
                .arg(QFileInfo(copy.path).fileName(), QDir::toNativeSeparators(mergedFolder()));
        if (m_toolkit.confirm(m_window, tr("Merge"), question, tr("Merge"), tr("Not Now")))
            mergeFile(copy.path);
    }
    m_asking = false;
}

bool MergeOffers::mergeFile(const QString &path)
{
    return merge(path, false) == DocumentWindow::MergeOutcome::Merged;
}

DocumentWindow::MergeOutcome MergeOffers::mergeFileOnDisk()
{
    if (m_document->fileName().isEmpty())
        return DocumentWindow::MergeOutcome::NotMerged;
    return merge(m_document->fileName(), true);
}

DocumentWindow::MergeOutcome MergeOffers::merge(const QString &path, bool ownFile)
{
    using Outcome = DocumentWindow::MergeOutcome;
    const QString name = QFileInfo(path).fileName();
    const std::vector<RecordPtr> &rows = m_document->array()->rows();
    const auto *versions = dynamic_cast<const DocumentVersions *>(m_document->versionKeeper());
    const VersionFacts mine = versions ? versions->facts(rows) : VersionFacts{0, ancestry(rows)};
    const VersionStore store = versions && versions->store() ? *versions->store()
                                                             : VersionStore(VersionStore::defaultFolder());
    PreparedMerge prepared = prepareMerge(rows, mine, m_document->fileName(), path, store, m_toolkit.today());
    const auto refuse = [&](const QString &why) {
        const QString what = ownFile
            ? tr("The version of \u201c%1\u201d on disk cannot be merged into this window\u2019s. Nothing was "
                 "changed.\n\n%2")
            : tr("\u201c%1\u201d cannot be merged into this register. Nothing was changed.\n\n%2");
        m_toolkit.alert(m_window, Toolkit::errorTitle(), what.arg(name, why));
        return Outcome::NotMerged;
    };
    if (!prepared.ok())
        return refuse(prepared.error);
    if (!prepared.merge.changesMine()) {
        // The window's rows are what saving the merge would write; they
        // name that version among theirs, for the next merge to start from.
        if (ownFile) {
            setAncestry(rows, prepared.ancestry);
            return Outcome::NothingNew;
        }
        m_toolkit.alert(m_window, tr("Merge"), tr("This register holds everything of \u201c%1\u201d already.").arg(name));
        return Outcome::NotMerged;
    }
    if (prepared.merge.unresolvedCount() > 0) {
        ConflictChooser chooser(prepared.merge, name, m_window);
        if (!m_toolkit.runDialog(chooser))
            return Outcome::NotMerged;
    }
    if (const QString refused = applyMerge(*m_document, prepared.merge, name, prepared.ancestry); !refused.isEmpty())
        return refuse(refused);
    // The register's own file is the one the merge is saved over; a copy
    // goes into the Merged folder once the merge is saved.
    if (!ownFile)
        m_merged.push_back({path, prepared.theirsHash});
    emit merged();
    return Outcome::Merged;
}

void MergeOffers::moveSavedCopies()
{
    if (m_merged.empty() || m_document->fileName().isEmpty())
        return;
    // Back where the file stands, with the merge's version among those the
    // rows grew from: the merge is saved. A merge undone (back where the file
    // stood before it) waits: it may be done again, then saved.
    const std::vector<VersionHash> grewFrom = ancestry(m_document->array()->rows());
    std::vector<Merged> waiting;
    for (const Merged &m : m_merged) {
        if (std::find(grewFrom.begin(), grewFrom.end(), m.version) == grewFrom.end()) {
            waiting.push_back(m);
            continue;
        }
        QString why;
        const QString folder = mergedFolder();
        const QFileInfo copy(m.path);
        QString target = QDir(folder).filePath(copy.fileName());
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = QDir(folder).filePath(u"%1 %2.%3"_s.arg(copy.completeBaseName()).arg(n).arg(copy.suffix()));
        if (!makePrivateFolder(folder, &why) ||
            (!QFile::rename(m.path, target) && !(QFile::copy(m.path, target) && QFile::remove(m.path)))) {
            m_toolkit.alert(m_window, Toolkit::errorTitle(),
                            tr("The merged copy \u201c%1\u201d could not be moved into %2; it stays where it is.%3")
                                .arg(copy.fileName(), QDir::toNativeSeparators(folder),
                                     why.isEmpty() ? QString() : u"\n\n"_s + why));
        }
    }
    m_merged = std::move(waiting);
}
