#include "WindowRegistry.h"

namespace widgets {

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(QWidget *window)
{
    add(QString::fromLatin1(window->metaObject()->className()), window);
}

void WindowRegistry::add(const QString &name, QWidget *window)
{
    m_windows.insert(name, window);
}

void WindowRegistry::remove(const QString &name)
{
    m_windows.remove(name);
}

QWidget *WindowRegistry::find(const QString &name) const
{
    return m_windows.value(name).data();
}

QList<QWidget *> WindowRegistry::all() const
{
    QList<QWidget *> list;
    for (const auto &w : m_windows)
        if (w)
            list << w.data();
    return list;
}

} // namespace widgets
