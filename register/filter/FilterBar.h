#pragma once

// The filter bar over the table: a text in any column, reconciled or not,
// dates between two limits. It shows the window's filter and says what the
// user chose; the window applies it.

#include "RegisterFilter.h"
#include "WrittenForms.h"

#include <QObject>

class MyDocument;
class QComboBox;
class QLineEdit;
class QMainWindow;
class QTimer;
class Toolkit;

class FilterBar : public QObject
{
    Q_OBJECT

public:
    // Adds the bar to window, over the table. forms: the window's, as they change.
    FilterBar(MyDocument &document, Toolkit &toolkit, QMainWindow *window, const WrittenForms &forms);

    // The bar's choices as the filter they make.
    RowFilter choice() const;
    // Shows filter in the bar's widgets, quietly.
    void show(const RowFilter &filter);
    // The keyboard to the text, selected.
    void focus();
    // Every field emptied, quietly; true when the text field is sender.
    bool clear(QObject *sender);

signals:
    // The user changed a choice: the filter it makes.
    void chosen(const RowFilter &filter);
    // Escape in one of the bar's fields.
    void escaped(QObject *field);

private:
    void apply();

    MyDocument &m_document;
    Toolkit &m_toolkit;
    const WrittenForms &m_forms;
    QLineEdit *m_text = nullptr;
    QComboBox *m_state = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLineEdit *m_category = nullptr;
    QTimer *m_typing = nullptr; // keystrokes waiting together become one filtering
};
