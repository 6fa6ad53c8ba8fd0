#include "WindowMemory.h"

#include "RegisterTableModel.h"

#include <QCryptographicHash>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
const QString kGroup = u"windows"_s;
const QString kLastSize = u"lastSize"_s;
const QString kRecent = u"recent"_s;
// Bumped when the window's docks change, so that an older layout is not
// forced on them.
constexpr int kStateVersion = 1;

// Paths hold slashes, which the settings take for groups; a register is
// known by a digest of its full path instead.
QString keyFor(const QString &path)
{
    QString full = QFileInfo(path).canonicalFilePath();
    if (full.isEmpty())
        full = QFileInfo(path).absoluteFilePath();
    return QString::fromLatin1(QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex());
}
} // namespace

bool WindowMemory::restore(QMainWindow *window, QTableView *table, const QString &path) const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    const QString key = path.isEmpty() ? QString() : keyFor(path);
    if (key.isEmpty() || !settings.contains(key + u"/geometry"_s)) {
        const QSize size = settings.value(kLastSize).toSize();
        if (size.isValid())
            window->resize(size);
        return false;
    }
    settings.beginGroup(key);
    const bool placed = window->restoreGeometry(settings.value(u"geometry"_s).toByteArray());

    // The docks come back where they were and as wide, but shown only when
    // the window's own commands show them.
    const QList<QDockWidget *> docks = window->findChildren<QDockWidget *>();
    QList<bool> hidden;
    for (const QDockWidget *dock : docks)
        hidden << dock->isHidden();
    window->restoreState(settings.value(u"state"_s).toByteArray(), kStateVersion);
    for (qsizetype i = 0; i < docks.size(); ++i)
        docks[i]->setHidden(hidden[i]);

    const QVariantMap splitters = settings.value(u"splitters"_s).toMap();
    for (QSplitter *splitter : window->findChildren<QSplitter *>())
        if (!splitter->objectName().isEmpty() && splitters.contains(splitter->objectName()))
            splitter->restoreState(splitters.value(splitter->objectName()).toByteArray());

    // Widths by the column's key, so that a column added later or moved
    // does not take another's width.
    const QVariantMap widths = settings.value(u"columns"_s).toMap();
    QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const QString id = RegisterTableModel::columnIdentifier(column).toString();
        const int width = widths.value(id, -1).toInt();
        if (header->sectionResizeMode(column) != QHeaderView::Stretch && width >= header->minimumSectionSize()
            && width <= 4 * window->width())
            header->resizeSection(column, width);
    }
    return placed;
}

void WindowMemory::remember(const QMainWindow *window, const QTableView *table, const QString &path) const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(kLastSize, window->isMaximized() || window->isFullScreen() ? window->normalGeometry().size()
                                                                                 : window->size());
    if (path.isEmpty())
        return;
    const QString key = keyFor(path);
    QStringList recent = settings.value(kRecent).toStringList();
    recent.removeAll(key);
    recent.prepend(key);
    while (recent.size() > m_registersKept)
        settings.remove(recent.takeLast());
    settings.setValue(kRecent, recent);

    settings.beginGroup(key);
    settings.setValue(u"geometry"_s, window->saveGeometry());
    settings.setValue(u"state"_s, window->saveState(kStateVersion));
    QVariantMap splitters;
    for (const QSplitter *splitter : window->findChildren<QSplitter *>())
        if (!splitter->objectName().isEmpty())
            splitters.insert(splitter->objectName(), splitter->saveState());
    settings.setValue(u"splitters"_s, splitters);
    QVariantMap widths;
    const QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        if (header->sectionResizeMode(column) != QHeaderView::Stretch)
            widths.insert(RegisterTableModel::columnIdentifier(column).toString(), header->sectionSize(column));
    settings.setValue(u"columns"_s, widths);
}
