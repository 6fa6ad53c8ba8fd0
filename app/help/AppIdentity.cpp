#include "AppIdentity.h"

#include <QApplication>

using namespace Qt::StringLiterals;

QIcon cheqbookIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/cheqbook-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

void setApplicationIdentity(const QString &version)
{
    QApplication::setOrganizationName(u"Cheqbook"_s);
    QApplication::setApplicationName(u"Cheqbook"_s);
    QApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(QStringLiteral(CHEQBOOK_APP_ID));
    QApplication::setWindowIcon(cheqbookIcon());
}
