#pragma once

#include "widgets/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

// Answers message boxes from a script, in order, and records every box that
// was not expected or that differed from the script. Whatever is still
// wrong when it goes (a box that never came, one that came unasked after
// the last check) fails the running test.
class ScriptedPrompter : public widgets::Prompter
{
public:
    struct Expected
    {
        widgets::MessageKind kind;
        QString text;
        QString caption;
        bool answer;
    };

    ScriptedPrompter() { widgets::Prompter::install(this); }
    ~ScriptedPrompter() override
    {
        widgets::Prompter::install(nullptr);
        const QStringList p = problems();
        if (!p.isEmpty() && QTest::currentTestFunction() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(QStringLiteral("message boxes: ") + p.join(QLatin1Char('\n'))), __FILE__,
                         __LINE__);
    }

    ScriptedPrompter &expect(widgets::MessageKind kind, const QString &text, const QString &caption,
                             bool answer = true)
    {
        m_script.append({kind, text, caption, answer});
        return *this;
    }
    ScriptedPrompter &info(const QString &text, const QString &caption)
    { return expect(widgets::MessageKind::Information, text, caption); }
    ScriptedPrompter &warning(const QString &text, const QString &caption)
    { return expect(widgets::MessageKind::Warning, text, caption); }
    ScriptedPrompter &error(const QString &text, const QString &caption)
    { return expect(widgets::MessageKind::Error, text, caption); }
    ScriptedPrompter &question(const QString &text, const QString &caption, bool yes)
    { return expect(widgets::MessageKind::Question, text, caption, yes); }

    // Each box then takes the focus away from the window and gives it back,
    // as a real modal box does, so that the controls' leaving and entering
    // events run as they do for the user.
    ScriptedPrompter &takingFocus(bool on = true)
    {
        m_takeFocus = on;
        return *this;
    }

    bool show(widgets::MessageKind kind, const QString &text, const QString &caption, QWidget *parent) override
    {
        m_shown << caption + QStringLiteral(": ") + text;
        if (m_takeFocus)
            passFocusThroughBox(parent);
        if (m_script.isEmpty()) {
            m_problems << QStringLiteral("unexpected box [%1] %2").arg(caption, text);
            return false;
        }
        const Expected e = m_script.takeFirst();
        // An expected text ending in "*" matches any text that begins with it.
        const bool textOk = e.text.endsWith(QLatin1Char('*')) ? text.startsWith(e.text.chopped(1))
                                                               : text == e.text;
        if (e.kind != kind || !textOk || e.caption != caption)
            m_problems << QStringLiteral("expected [%1] %2 (kind %3), got [%4] %5 (kind %6)")
                              .arg(e.caption, e.text).arg(int(e.kind)).arg(caption, text).arg(int(kind));
        return e.answer;
    }

    // Empty when every scripted box came, in order, and no other.
    QStringList problems() const
    {
        QStringList p = m_problems;
        for (const Expected &e : m_script)
            p << QStringLiteral("box never shown: [%1] %2").arg(e.caption, e.text);
        return p;
    }
    bool done() const { return problems().isEmpty(); }
    QStringList shown() const { return m_shown; }
    // Starts a new script; what was wrong so far still counts.
    void clear()
    {
        m_problems = problems();
        m_script.clear();
        m_shown.clear();
    }

private:
    static void passFocusThroughBox(QWidget *parent)
    {
        QPointer<QWidget> back = parent ? parent->window() : QApplication::activeWindow();
        QDialog box(back);
        auto *edit = new QLineEdit(&box);
        (new QVBoxLayout(&box))->addWidget(edit);
        box.show();
        box.activateWindow();
        QApplication::setActiveWindow(&box);
        edit->setFocus(Qt::ActiveWindowFocusReason);
        QCoreApplication::processEvents();
        box.hide();
        if (back) {
            back->activateWindow();
            QApplication::setActiveWindow(back);
        }
        QCoreApplication::processEvents();
    }

    bool m_takeFocus = false;
    QList<Expected> m_script;
    QStringList m_problems;
    QStringList m_shown;
};

// QVERIFY-style check that prints what went wrong.
#define QVERIFY_PROMPTS(p) QVERIFY2((p).done(), qPrintable((p).problems().join(QLatin1Char('\n'))))
