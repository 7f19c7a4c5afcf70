#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace widgets {

// A window that another one opens, handed over by whoever makes the
// windows (the window list, or a test) instead of being looked up by name.
// It is asked for only when needed, so the window it gives may be made then.
using WindowSource = std::function<QWidget *()>;

// A source giving a window that already exists (nothing once it is gone).
inline WindowSource existingWindow(QWidget *window)
{
    QPointer<QWidget> kept(window);
    return [kept] { return kept.data(); };
}

} // namespace widgets
