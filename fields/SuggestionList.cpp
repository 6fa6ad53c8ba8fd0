#include "SuggestionList.h"

#include "PaletteColors.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

namespace {
// Rows with room to be told apart at a glance and hit with the mouse.
class RoomyRows : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 6);
    }
};
} // namespace

SuggestionList::SuggestionList(QLineEdit *field, Source source)
    : QObject(field), m_field(field), m_source(std::move(source))
{
    m_view = new QTreeWidget(field->window());
    m_view->setObjectName(field->objectName() + QStringLiteral("Suggestions"));
    m_view->setColumnCount(2);
    m_view->setItemDelegate(new RoomyRows(m_view));
    m_view->setHeaderHidden(true);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_view->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_view->hide();
    connect(m_view, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { take(m_view->indexOfTopLevelItem(item)); });
    connect(field, &QLineEdit::textEdited, this, &SuggestionList::refresh);
    field->installEventFilter(this);
    field->window()->installEventFilter(this);
}

SuggestionList::~SuggestionList() = default;

bool SuggestionList::isShown() const { return m_view->isVisibleTo(m_view->parentWidget()); }

QStringList SuggestionList::shownTexts() const
{
    QStringList texts;
    if (isShown())
        for (const Item &item : m_items)
            texts << item.text;
    return texts;
}

QStringList SuggestionList::shownDetails() const
{
    QStringList details;
    if (isShown())
        for (const Item &item : m_items)
            details << item.detail;
    return details;
}

int SuggestionList::current() const
{
    QTreeWidgetItem *item = m_view->currentItem();
    return item && item->isSelected() ? m_view->indexOfTopLevelItem(item) : -1;
}

void SuggestionList::hide()
{
    // The rows stay until the next list: a click that takes one is still
    // being handled by them.
    m_view->hide();
    m_items.clear();
}

void SuggestionList::refresh(const QString &typed)
{
    m_items = m_source(typed);
    m_view->clear();
    if (m_items.empty()) {
        hide();
        return;
    }
    const QColor negative = negativeAmountColor(m_view->palette());
    for (const Item &item : m_items) {
        auto *row = new QTreeWidgetItem(m_view, {item.text, item.detail});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (item.negative)
            row->setForeground(1, negative);
    }
    setCurrent(-1);
    place();
    m_view->show();
    m_view->raise();
}

void SuggestionList::place()
{
    QWidget *window = m_view->parentWidget();
    const int rows = int(m_items.size());
    const int hinted = m_view->sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : m_view->fontMetrics().height() + 6;
    const int frame = m_view->frameWidth() * 2;
    const int height = rows * rowHeight + frame;
    const int wide = m_field->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30;
    const int width = std::min(std::max(m_field->width(), wide), window->width());
    const QPoint at = m_field->mapTo(window, QPoint(0, 0));
    // Over the field, where the table is; under it when there is no room.
    int y = at.y() - height - 2;
    if (y < 0)
        y = at.y() + m_field->height() + 2;
    const int x = std::clamp(at.x(), 0, std::max(0, window->width() - width));
    m_view->setGeometry(x, y, width, height);
}

void SuggestionList::setCurrent(int index)
{
    m_view->clearSelection();
    if (index < 0 || index >= int(m_items.size())) {
        m_view->setCurrentItem(nullptr);
        return;
    }
    QTreeWidgetItem *item = m_view->topLevelItem(index);
    m_view->setCurrentItem(item);
    item->setSelected(true);
}

void SuggestionList::take(int index)
{
    if (!m_field || index < 0 || index >= int(m_items.size()))
        return;
    const QString text = m_items[size_t(index)].text;
    hide();
    // Replaced as typing replaces it, without asking for the list again.
    disconnect(m_field, &QLineEdit::textEdited, this, &SuggestionList::refresh);
    m_field->selectAll();
    m_field->insert(text);
    connect(m_field, &QLineEdit::textEdited, this, &SuggestionList::refresh);
    emit taken(text);
}

bool SuggestionList::handleKey(QKeyEvent *key)
{
    const int count = int(m_items.size());
    switch (key->key()) {
    case Qt::Key_Down:
        setCurrent(current() + 1 < count ? current() + 1 : count - 1);
        return true;
    case Qt::Key_Up:
        setCurrent(current() < 0 ? count - 1 : current() - 1);
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current() >= 0) {
            take(current());
            return true;
        }
        hide();
        return false; // the field's own Return
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (current() >= 0)
            take(current());
        hide();
        return false; // and on to the next field
    default:
        return false;
    }
}

bool SuggestionList::eventFilter(QObject *watched, QEvent *event)
{
    if (!isShown())
        return false;
    if (watched == m_field) {
        if (event->type() == QEvent::KeyPress)
            return handleKey(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)
            hide();
    } else if (event->type() == QEvent::Resize || event->type() == QEvent::WindowDeactivate) {
        hide();
    }
    return false;
}
