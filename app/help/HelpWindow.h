#pragma once

// Cheqbook Help: the user guide, which is the README's, shown in a window of
// its own beside the registers.

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The guide as it is shipped in the program (Markdown), in the language
    // of the window's texts.
    static QString guideText();
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
