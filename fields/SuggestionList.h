#pragma once

// Proposals for a text field, listed over it while the user types: Down and
// Up choose one, Return, Tab or a click takes it, Escape closes the list,
// and typing goes on into the field as ever (the list follows the text).
// The keyboard never leaves the field: the list is a child of the field's
// window that takes no focus, so nothing the user types can be lost to it.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QTreeWidget;

class SuggestionList : public QObject
{
    Q_OBJECT

public:
    struct Item {
        QString text;   // what taking it puts into the field
        QString detail; // shown beside it
        bool negative = false; // the detail is an amount going out
    };
    using Source = std::function<std::vector<Item>(const QString &typed)>;

    // Lists what source gives for the field's text each time the user
    // changes it (never for a text the program puts there).
    SuggestionList(QLineEdit *field, Source source);
    ~SuggestionList() override;

    bool isShown() const;
    QStringList shownTexts() const;
    QStringList shownDetails() const;
    // The item Down and Up chose; -1 for none.
    int current() const;
    // Puts the item's text into the field (as typing would, so Ctrl+Z takes
    // it back) and closes the list.
    void take(int index);
    void hide();

signals:
    void taken(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh(const QString &typed);
    void setCurrent(int index);
    void place();
    bool handleKey(QKeyEvent *key);

    QPointer<QLineEdit> m_field;
    QTreeWidget *m_view = nullptr;
    Source m_source;
    std::vector<Item> m_items;
};
