#pragma once

// About Cheqbook: the version, the Qt it runs on and the licence.

#include <QDialog>

class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // "Cheqbook 0.1" and the lines below it, as shown.
    QString versionText() const;

private:
    QString m_versionText;
};
