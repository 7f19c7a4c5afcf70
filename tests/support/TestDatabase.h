#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh database made from the program's schema in a scratch folder, and
// settings and application files kept in that folder too.
class TestDatabase
{
public:
    explicit TestDatabase(bool withDefaultUser = true);
    QString path() const { return m_path; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Points settings (XDG_CONFIG_HOME) and the application root (QUELVORA_HOME)
// at a scratch folder; call before the QApplication is created.
void isolateTestEnvironment();
