#pragma once

// Who the program is to the desktop: its names, version and icon.

#include <QIcon>

// The icon, in the sizes the build rendered from the SVG.
QIcon cheqbookIcon();

// Names the application (which also places its settings), gives every
// window the icon, and ties the windows to the menu entry, so that a
// desktop groups them under it.
void setApplicationIdentity(const QString &version);
