#pragma once

// Work that must not hold up a window: it runs on a thread of its own while
// the window's thread waits on the Progress the window gave, which keeps the
// window painted and its Cancel working.

#include "Progress.h"

#include <functional>

// Runs work on a thread of its own, handing it a Progress whose reports go
// to watcher; the calling thread alone ever touches watcher, asking it a few
// dozen times a second how things stand while it waits. Returns false when
// watcher was cancelled: work was then told to stop at its next report (by
// false, or by WorkStopped, which it may let fly) and has ended by the time
// this returns. Any other exception work lets fly is thrown again here.
bool runWatched(const std::function<void(Progress &)> &work, Progress &watcher);
