#pragma once

// A stand-alone scroll view that makes its own table and serves the table's
// rows itself from a list of transaction records, to which it adds one sample
// record. Every step is logged, so that its workings can be followed in the
// log. Nothing else in the program uses it.

#include "Register.h"
#include "Value.h"

#include <QScrollArea>

class QTableView;
class MyScrollViewModel;

class MyScrollView : public QScrollArea
{
    Q_OBJECT

public:
    // A view with a list of its own, holding only the sample record.
    explicit MyScrollView(QWidget *parent = nullptr);
    // A view of the given list (a new one when null). The list is shared, not
    // copied: the sample record is appended to the caller's list too.
    explicit MyScrollView(RegisterPtr list, QWidget *parent = nullptr);
    ~MyScrollView() override;

    QTableView *tableView() const { return table; }
    RegisterPtr array() const { return dataArray; }

    // Logs "reloadData" and has the table ask for its rows again.
    void reloadData();

    // The table's data source. The row count is logged before it is returned;
    // a value request logs "tableView" and gives the record's value under the
    // column's identifier (null for a key the record lacks). A row outside
    // the list throws PreconditionFailure after logging it.
    int numberOfRowsInTableView(QTableView *tableView) const;
    Value tableViewObjectValue(QTableView *tableView, const QString &columnIdentifier, int rowIndex) const;

private:
    void initalizeView(RegisterPtr list);

    QTableView *table = nullptr;
    RegisterPtr dataArray;
    MyScrollViewModel *m_model = nullptr;
};
