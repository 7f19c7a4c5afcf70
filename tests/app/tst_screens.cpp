#include "TestDatabase.h"
#include "app/Skin.h"
#include "app/UnitPrincipal.h"
#include "app/UnitSplash.h"
#include "app/WindowList.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

// Every window the program creates, as a 1366 x 768 screen shows it: it
// fits, no caption is cut, and no two controls answer one Alt letter. With
// QUELVORA_SCREENSHOT_DIR set the windows are also saved there as pictures.
class TestScreens : public QObject
{
    Q_OBJECT

    // Opening a window may ask or tell something; nobody answers here.
    struct SilentPrompter : widgets::Prompter
    {
        SilentPrompter() { install(this); }
        ~SilentPrompter() override { install(nullptr); }
        bool show(widgets::MessageKind, const QString &, const QString &, QWidget *) override { return false; }
    };

    static QChar mnemonic(const QString &text)
    {
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&'))
                continue;
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return text[i + 1].toLower();
        }
        return {};
    }

    static QString plain(QString text)
    {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return text;
    }

    static bool shows(QWidget *w, QWidget *window)
    {
        return w->isVisible() && w->window() == window;
    }

    // Controls that take an Alt letter, with the letter, in WINDOW as it is shown now.
    static QStringList clashes(QWidget *window)
    {
        QMap<QChar, QStringList> owners;
        auto add = [&](QWidget *w, const QString &text) {
            const QChar c = mnemonic(text);
            if (!c.isNull() && shows(w, window))
                owners[c] << QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
        };
        for (auto *b : window->findChildren<QAbstractButton *>())
            add(b, b->text());
        for (auto *l : window->findChildren<QLabel *>())
            if (l->buddy())
                add(l, l->text());
        for (auto *g : window->findChildren<QGroupBox *>())
            add(g, g->title());
        for (auto *bar : window->findChildren<QTabBar *>())
            for (int i = 0; i < bar->count(); ++i)
                if (bar->isTabEnabled(i))
                    add(bar, bar->tabText(i));
        QStringList out;
        for (auto it = owners.cbegin(); it != owners.cend(); ++it)
            if (it.value().size() > 1)
                out << QStringLiteral("Alt+%1: %2").arg(it.key(), it.value().join(QStringLiteral(", ")));
        return out;
    }

    // Labels, buttons and group titles whose text is wider than the control.
    static QStringList clipped(QWidget *window)
    {
        QStringList out;
        for (auto *l : window->findChildren<QLabel *>()) {
            if (!shows(l, window) || l->text().isEmpty() || l->textFormat() == Qt::RichText
                || Qt::mightBeRichText(l->text()))
                continue;
            const QString text = l->buddy() ? plain(l->text()) : l->text();
            const QRect room = l->contentsRect().marginsRemoved(QMargins(l->margin(), l->margin(), l->margin(),
                                                                         l->margin()));
            const QFontMetrics fm(l->font());
            const int need = l->wordWrap() ? l->heightForWidth(l->width()) : fm.boundingRect(room, l->alignment(), text).width();
            const int have = l->wordWrap() ? l->height() : room.width();
            if (!l->wordWrap() && fm.height() > room.height())
                out << QStringLiteral("%1 \"%2\" is %3 high, has %4").arg(l->objectName(), text).arg(fm.height()).arg(room.height());
            else if (need > have)
                out << QStringLiteral("%1 \"%2\" needs %3, has %4").arg(l->objectName(), text).arg(need).arg(have);
        }
        for (auto *b : window->findChildren<QAbstractButton *>()) {
            if (!shows(b, window) || b->text().isEmpty())
                continue;
            // A push button's own minimum width is a matter of style; its text is what counts.
            int need = b->sizeHint().width();
            int have = b->width();
            if (auto *push = qobject_cast<QPushButton *>(b)) {
                QStyleOptionButton opt;
                opt.initFrom(push);
                opt.text = push->text();
                opt.icon = push->icon();
                opt.iconSize = push->iconSize();
                have = push->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, push).width();
                need = push->fontMetrics().horizontalAdvance(plain(push->text()))
                       + (push->icon().isNull() ? 0 : push->iconSize().width() + 4);
            }
            if (need > have)
                out << QStringLiteral("%1 \"%2\" needs %3, has %4")
                           .arg(b->objectName(), plain(b->text()))
                           .arg(need)
                           .arg(have);
        }
        for (auto *g : window->findChildren<QGroupBox *>()) {
            if (!shows(g, window) || g->title().isEmpty())
                continue;
            const int need = QFontMetrics(g->font()).horizontalAdvance(plain(g->title()));
            if (need > g->width())
                out << QStringLiteral("%1 \"%2\" needs %3, has %4")
                           .arg(g->objectName(), plain(g->title()))
                           .arg(need)
                           .arg(g->width());
        }
        return out;
    }

    // The window as shown, then with each page of each of its tabs in front.
    static QStringList problems(QWidget *window, const QString &name)
    {
        QStringList out;
        auto look = [&](const QString &where) {
            QApplication::processEvents();
            for (const QString &c : clashes(window))
                out << name + where + QStringLiteral(": ") + c;
            for (const QString &c : clipped(window))
                out << name + where + QStringLiteral(": clipped ") + c;
            if (window->width() > 1366 || window->height() > 768)
                out << name + where + QStringLiteral(": larger than the screen");
        };
        look({});
        for (auto *tabs : window->findChildren<QTabWidget *>()) {
            if (!shows(tabs, window))
                continue;
            const int was = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                if (i == was || !tabs->isTabEnabled(i))
                    continue;
                tabs->setCurrentIndex(i);
                look(QStringLiteral("/") + plain(tabs->tabText(i)));
                const QString dir = qEnvironmentVariable("QUELVORA_SCREENSHOT_DIR");
                if (!dir.isEmpty())
                    window->grab().save(QDir(dir).filePath(QStringLiteral("%1-%2-%3.png").arg(name, tabs->objectName()).arg(i)));
            }
            tabs->setCurrentIndex(was);
        }
        const QString dir = qEnvironmentVariable("QUELVORA_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
        return out;
    }

private slots:
    void initTestCase() { app::skin().applyBuiltIn(); }

    void everyWindow()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        SilentPrompter silent;
        QStringList found;

        TfrmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        found << problems(&splash, QStringLiteral("splash"));
        splash.hide();

        TfrmPrincipal main;
        main.setDM(&dm);
        main.resize(1366, 740);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        found << problems(&main, QStringLiteral("TfrmPrincipal"));

        QList<QWidget *> made;
        for (const app::WindowEntry &entry : app::windowList()) {
            QWidget *w = entry.create(&dm, &main);
            widgets::windows().add(QString::fromLatin1(entry.className), w);
            made << w;
        }
        for (QWidget *w : made) {
            const QString name = QString::fromLatin1(w->metaObject()->className());
            w->show();
            if (!QTest::qWaitForWindowExposed(w)) {
                found << name + QStringLiteral(": not shown");
                continue;
            }
            found << problems(w, name);
            // Leave the way a user does, so shared tables are closed again.
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            w->hide();
        }
        widgets::windows().clear();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
