#include "MyScrollView.h"

#include "PreconditionFailure.h"

#include <QAbstractTableModel>
#include <QDebug>
#include <QTableView>

using namespace Qt::StringLiterals;

// Lets the Qt table ask the view for its cells. The row count is the one
// taken at the last reload: Qt's headers ask for it at every reset, and
// answering from the cache keeps the log to the calls made on purpose.
class MyScrollViewModel : public QAbstractTableModel
{
public:
    explicit MyScrollViewModel(MyScrollView *view) : QAbstractTableModel(view), m_view(view) {}

    void reload()
    {
        beginResetModel();
        m_rows = m_view->array()->count();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        // Only rows the list still holds are asked for, so nothing is thrown
        // into Qt's event handling.
        if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.row() >= m_view->array()->count())
            return {};
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        const Value v = m_view->tableViewObjectValue(m_view->tableView(), m_columns[index.column()], index.row());
        if (v.isNull())
            return {};
        if (v.kind() == Value::Kind::Int32)
            return v.intValue();
        return v.toString();
    }

private:
    MyScrollView *m_view;
    // The view gives its table no columns; a column shows the record key
    // named by its identifier.
    QStringList m_columns;
    int m_rows = 0;
};

namespace {
// Where a bad row has always been reported, so that old logs and new ones
// name the same place.
constexpr int kRowCheckLine = 42;
} // namespace

MyScrollView::MyScrollView(QWidget *parent) : MyScrollView(nullptr, parent) {}

MyScrollView::MyScrollView(RegisterPtr list, QWidget *parent) : QScrollArea(parent)
{
    initalizeView(std::move(list));
}

MyScrollView::~MyScrollView() = default;

void MyScrollView::initalizeView(RegisterPtr list)
{
    qInfo("tableView");
    dataArray = list ? std::move(list) : std::make_shared<Register>();
    // Owned by the view but not made its scrolled content.
    table = new QTableView(this);
    table->hide();
    m_model = new MyScrollViewModel(this);
    table->setModel(m_model);

    RecordPtr sample = makeRecord();
    sample->set(Key::CheckNumber, Value::text(u"1"));
    sample->set(Key::DescriptionofTransaction, Value::text(u"First"));
    sample->set(Key::Date, Value::text(u"3/13"));
    sample->set(Key::Amount, Value::int32(1));
    sample->set(Key::Total, Value::int32(1));
    dataArray->append(std::move(sample));

    reloadData();
    qInfo("Should have one record");
}

void MyScrollView::reloadData()
{
    qInfo("reloadData");
    m_model->reload();
}

int MyScrollView::numberOfRowsInTableView(QTableView *) const
{
    const int count = dataArray->count();
    qInfo("%d", count);
    return count;
}

Value MyScrollView::tableViewObjectValue(QTableView *, const QString &columnIdentifier, int rowIndex) const
{
    qInfo("tableView");
    if (!(rowIndex >= 0 && rowIndex < dataArray->count()))
        failPrecondition(u"rowIndex >= 0 && rowIndex < [dataArray count]"_s,
                         u"MyScrollView::tableViewObjectValue"_s, u"MyScrollView"_s, kRowCheckLine);
    return (*dataArray)[rowIndex].value(columnIdentifier);
}
