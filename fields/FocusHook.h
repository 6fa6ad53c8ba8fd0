#pragma once

// Runs a function whenever a widget takes the keyboard: work that typing
// there will need is done before the first key, not during it.

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>

class FocusHook : public QObject
{
public:
    FocusHook(QWidget *widget, std::function<void()> run) : QObject(widget), m_run(std::move(run))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_run();
        return false;
    }

private:
    std::function<void()> m_run;
};
