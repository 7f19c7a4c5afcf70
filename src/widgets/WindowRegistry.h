#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace widgets {

// The long-lived windows of the run, by class name ("TfrmEssencia"): the
// main window's menus open them by name. Windows never look each other up
// here: each is handed the pickers and windows it opens (widgets::Picker,
// widgets::WindowSource) by the window list.
// The application registers a factory per window at start-up; a window is
// made the first time it is asked for and then kept, so start-up costs the
// same however many windows there are. Tests register what they create.
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *()>;

    static WindowRegistry &instance();

    void add(QWidget *window); // under its metaObject()->className()
    void add(const QString &name, QWidget *window);
    void addFactory(const QString &name, Factory create);
    void remove(const QString &name);
    // The window, made now if it has a factory and does not exist yet.
    QWidget *find(const QString &name) const;
    // The window only if it already exists; never makes one.
    QWidget *existing(const QString &name) const { return m_windows.value(name).data(); }
    // Whether the window exists or can be made.
    bool contains(const QString &name) const { return existing(name) || m_factories.contains(name); }
    template <typename T>
    T *get() const { return qobject_cast<T *>(find(QString::fromLatin1(T::staticMetaObject.className()))); }
    QList<QWidget *> all() const; // the windows made so far
    void clear()
    {
        m_windows.clear();
        m_factories.clear();
    }

private:
    // find() is a lookup to its callers; making the window is a detail.
    mutable QHash<QString, QPointer<QWidget>> m_windows;
    QHash<QString, Factory> m_factories;
};

inline WindowRegistry &windows() { return WindowRegistry::instance(); }

} // namespace widgets
