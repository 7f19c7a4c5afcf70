// Opens each register window and the supplier picker over a large database
// and times what a user does: open, type a search letter by letter, change
// the order, show the count panel.
#include "TestDatabase.h"
#include "ScriptedPrompter.h"

#include "data/UnitDM.h"
#include "registers/UnitCredor.h"
#include "registers/UnitEssencia.h"
#include "registers/UnitFornecedor.h"
#include "registers/UnitMunicipio.h"
#include "registers/UnitProdutos.h"
#include "registers/Unitsubprodutos.h"
#include "statements/UnitPesquisaEntrada.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QtTest>

#include <cstdio>

namespace {

QTextStream out(stdout);
double worst = 0;

template <typename F>
void step(const QString &what, F &&action)
{
    QElapsedTimer t;
    t.start();
    action();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    worst = qMax(worst, ms);
    out << QStringLiteral("%1 %2 ms\n").arg(what, -58).arg(ms, 8, 'f', 1);
    out.flush();
}

void seed(data::TDM &dm, int rows)
{
    QSqlDatabase db = dm.IBDatabase1->database();
    db.transaction();
    QSqlQuery f(db), c(db);
    f.prepare(QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, INSCESTADUAL, CIDADE, CIDADEUF) "
                             "VALUES (?, ?, ?, 'SINOP', 'MT')"));
    c.prepare(QStringLiteral("INSERT INTO CREDOR (NOMECREDOR, CIDADE, UF, FONE, IE) VALUES (?, ?, 'MT', '6635310000', ?)"));
    const QStringList first = {"ALVES", "BARROS", "CARVALHO", "DIAS", "FERREIRA", "GOMES", "LIMA", "MADEIRAS",
                               "NUNES", "OLIVEIRA", "PEREIRA", "ROCHA", "SANTOS", "TEIXEIRA", "VIEIRA", "ZANELLA"};
    const QStringList towns = {"SINOP", "SORRISO", "JUARA", "COLNIZA", "CUIABÁ", "VERA"};
    for (int i = 0; i < rows; ++i) {
        const QString name = QStringLiteral("%1 %2 %3").arg(first[(i * 7) % first.size()], first[(i / 16) % 16]).arg(i);
        f.addBindValue(name);
        f.addBindValue(QStringLiteral("FANTASIA %1").arg((i * 7919) % rows));
        f.addBindValue(QStringLiteral("13%1").arg(i, 9, 10, QLatin1Char('0')));
        if (!f.exec())
            qFatal("%s", qPrintable(f.lastError().text()));
        c.addBindValue(name);
        c.addBindValue(towns[i % towns.size()]);
        c.addBindValue(QStringLiteral("13%1").arg(i, 9, 10, QLatin1Char('0')));
        if (!c.exec())
            qFatal("%s", qPrintable(c.lastError().text()));
    }
    db.commit();
}

void typeSearch(const QString &window, QLineEdit *edit, const QString &text)
{
    edit->clear();
    for (const QChar ch : text)
        step(QStringLiteral("%1: type '%2'").arg(window).arg(ch), [&] {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        });
}

void order(const QString &window, QComboBox *list, const QString &caption)
{
    step(QStringLiteral("%1: order by %2").arg(window, caption), [&] {
        list->setCurrentIndex(list->findText(caption));
        emit list->activated(list->currentIndex());
    });
}

} // namespace

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 100000;
    TestDatabase tdb;
    data::TDM dm;
    dm.IBDatabase1->setDatabaseName(tdb.path());
    dm.IBDatabase1->open();
    QElapsedTimer t;
    t.start();
    seed(dm, rows);
    out << QStringLiteral("seeded %1 suppliers and %1 clients in %2 s\n").arg(rows).arg(t.elapsed() / 1000.0);
    ScriptedPrompter quiet; // no box is expected

    {
        TfrmFornecedores w(&dm);
        step(QStringLiteral("TfrmFornecedores: open"), [&] { w.show(); });
        step(QStringLiteral("TfrmFornecedores: Pesquisar (count panel)"), [&] { w.button(w.Pesquisar)->click(); });
        typeSearch(QStringLiteral("TfrmFornecedores"), w.Edit1, QStringLiteral("pereira"));
        order(QStringLiteral("TfrmFornecedores"), w.ComboBox1, QStringLiteral("CÓDIGO"));
        typeSearch(QStringLiteral("TfrmFornecedores"), w.Edit1, QStringLiteral("zan"));
        order(QStringLiteral("TfrmFornecedores"), w.ComboBox1, QStringLiteral("NOME FANTASIA"));
        order(QStringLiteral("TfrmFornecedores"), w.ComboBox1, QStringLiteral("INSCRIÇÃO"));
        order(QStringLiteral("TfrmFornecedores"), w.ComboBox1, QStringLiteral("FORNECEDOR"));
        step(QStringLiteral("TfrmFornecedores: last row"), [&] { dm.TFornecedor->last(); });
        step(QStringLiteral("TfrmFornecedores: Retornar"), [&] { w.button(w.Retornar)->click(); });
    }
    {
        TfrmCredor w(&dm);
        step(QStringLiteral("TfrmCredor: open"), [&] { w.show(); });
        step(QStringLiteral("TfrmCredor: Pesquisar (count panel)"), [&] { w.button(w.Pesquisar)->click(); });
        typeSearch(QStringLiteral("TfrmCredor"), w.Edit1, QStringLiteral("oliveira"));
        order(QStringLiteral("TfrmCredor"), w.ComboBox1, QStringLiteral("CIDADE"));
        typeSearch(QStringLiteral("TfrmCredor"), w.Edit1, QStringLiteral("vie"));
        order(QStringLiteral("TfrmCredor"), w.ComboBox1, QStringLiteral("CLIENTE"));
        step(QStringLiteral("TfrmCredor: Retornar"), [&] { w.button(w.Retornar)->click(); });
    }
    {
        TfrmEssencia w(&dm);
        step(QStringLiteral("TfrmEssencia: open"), [&] { w.show(); });
        step(QStringLiteral("TfrmEssencia: Retornar"), [&] { w.button(w.Retornar)->click(); });
        TfrmProdutos p(&dm);
        step(QStringLiteral("TfrmProdutos: open"), [&] { p.show(); });
        Tfrmsubprodutos s(&dm);
        step(QStringLiteral("Tfrmsubprodutos: open"), [&] { s.show(); });
        TfrmMunicipio m(&dm);
        step(QStringLiteral("TfrmMunicipio: open"), [&] { m.show(); });
    }
    {
        TfrmPesquisa p(&dm);
        step(QStringLiteral("TfrmPesquisa: open (count, list by name)"), [&] { p.show(); });
        typeSearch(QStringLiteral("TfrmPesquisa"), p.Edit1, QStringLiteral("santos"));
        order(QStringLiteral("TfrmPesquisa"), p.ComboBox1, QStringLiteral("CÓDIGO"));
        typeSearch(QStringLiteral("TfrmPesquisa"), p.Edit1, QStringLiteral("zan"));
        step(QStringLiteral("TfrmPesquisa: Retornar"), [&] { p.BitBtn2->click(); });
    }
    out << QStringLiteral("slowest step %1 ms\n").arg(worst, 0, 'f', 1);
    return 0;
}
