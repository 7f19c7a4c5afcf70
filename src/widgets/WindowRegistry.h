#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace widgets {

// The long-lived windows of the run, by class name ("TfrmEssencia"), so a
// window can reach another (a picker, a line window) without owning it.
// The application fills it at start-up; tests register what they create.
class WindowRegistry
{
public:
    static WindowRegistry &instance();

    void add(QWidget *window); // under its metaObject()->className()
    void add(const QString &name, QWidget *window);
    void remove(const QString &name);
    QWidget *find(const QString &name) const;
    bool contains(const QString &name) const { return find(name) != nullptr; }
    template <typename T>
    T *get() const { return qobject_cast<T *>(find(QString::fromLatin1(T::staticMetaObject.className()))); }
    QList<QWidget *> all() const;
    void clear() { m_windows.clear(); }

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};

inline WindowRegistry &windows() { return WindowRegistry::instance(); }

} // namespace widgets
