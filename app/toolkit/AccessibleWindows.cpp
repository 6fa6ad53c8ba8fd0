#include "AccessibleWindows.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
const char kAnnounced[] = "cheqbookAnnouncedAsWindow";

QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->isWindow() && widget->property(kAnnounced).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}
} // namespace

void announceAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
    window->setProperty(kAnnounced, true);
}
