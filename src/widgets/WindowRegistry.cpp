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

void WindowRegistry::addFactory(const QString &name, Factory create)
{
    m_factories.insert(name, std::move(create));
}

void WindowRegistry::remove(const QString &name)
{
    m_windows.remove(name);
    m_factories.remove(name);
}

QWidget *WindowRegistry::find(const QString &name) const
{
    if (QWidget *w = existing(name))
        return w;
    const auto f = m_factories.constFind(name);
    if (f == m_factories.cend())
        return nullptr;
    // Copied: a window's constructor may register further factories.
    const Factory create = f.value();
    QWidget *w = create();
    m_windows.insert(name, w);
    return w;
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
