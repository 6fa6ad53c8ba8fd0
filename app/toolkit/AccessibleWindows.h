#pragma once

// A window that is a plain widget (the help, the keyboard shortcuts, the
// charts) is told to assistive technologies as a filler inside nothing;
// marked here, it is told as the window it is.

class QWidget;

void announceAsWindow(QWidget *window);
