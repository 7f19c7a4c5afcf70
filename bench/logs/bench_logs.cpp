// Times the log intake, the invoice search and the yard query on a seeded
// database (quelvora-bench seed), against the bare statements. Every step
// is sampled 9 times and the median shown.
#include "ScriptedPrompter.h"
#include "data/UnitDM.h"
#include "logs/UnitConsultaEPatio.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &before, const std::function<void()> &timed)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        t.start();
        timed();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void report(const char *what, double ms, double goal)
{
    std::printf("%-48s %9.1f ms   (goal %s %.0f ms)\n", what, ms, ms <= goal ? "met," : "MISSED,", goal);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/quelvora-bench.fdb");
    data::TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    dm.IBDatabase1->open();
    QSqlQuery q(dm.IBDatabase1->database());
    q.exec(QStringLiteral("select first 1 e.RAZAO_SOCIAL, e.NF_NUMERO, e.CODIGOFORNECEDOR from ENTRADA_TOROS e "
                          "where e.RAZAO_SOCIAL is not null order by e.CODIGOENTRADA desc"));
    if (!q.next()) {
        std::fprintf(stderr, "No invoice in %s: seed it first.\n", qPrintable(path));
        return 1;
    }
    const QString supplierName = q.value(0).toString();
    const int invoice = q.value(1).toInt();
    const QVariant supplierCode = q.value(2);
    q.exec(QStringLiteral("select count(*) from ENTRADA_TOROS_DISCRIMINACAO"));
    q.next();
    std::printf("%s: %d log lines\n", qPrintable(path), q.value(0).toInt());
    q.finish();

    for (data::DataSet *d : std::initializer_list<data::DataSet *>{dm.QFornecedor, dm.TEntrada, dm.QMunicipio}) {
        try {
            d->open();
            d->recordCount();
            d->close();
        } catch (const data::DataError &e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(d->objectName()), qPrintable(e.message()));
        }
    }
    ScriptedPrompter p;
    TfrmEntradaToros w(&dm);
    auto *line = new TfrmEntradaTorosProdutos(&dm, &w);
    widgets::windows().add(&w);
    widgets::windows().add(line);

    report("open the log intake window", medianMs(9, [&] { w.hide(); }, [&] {
               w.show();
               QCoreApplication::processEvents();
           }), 100);

    // A new invoice of a supplier who has invoices, a line entered and saved.
    w.BitBtn4->click();
    if (!dm.TEntrada->isEditing()) {
        std::fprintf(stderr, "Could not start an invoice: %s\n", qPrintable(p.shown().join(QLatin1Char('\n'))));
        return 1;
    }
    dm.TEntrada->setValue(QStringLiteral("RAZAO_SOCIAL"), supplierName);
    dm.TEntrada->setValue(QStringLiteral("CODIGOFORNECEDOR"), supplierCode);
    dm.TEntrada->setValue(QStringLiteral("CGC"), 1);
    dm.TEntrada->setValue(QStringLiteral("NF_NUMERO"), 999000 + QDateTime::currentSecsSinceEpoch() % 999);
    static int plate = 9000000 + int(QDateTime::currentSecsSinceEpoch() % 900000);
    const double entering = medianMs(9, {}, [&] {
        w.BitBtn12->setEnabled(true);
        w.BitBtn12->click();
        dm.TEntrada_discriminacao->setValue(QStringLiteral("CODIGOPRODUTO"), ++plate);
        line->ESSENCIA->setCurrentIndex(0);
        emit line->ESSENCIA->activated(0);
        line->DBComboBox1->setCurrentText(QStringLiteral("M/3"));
        dm.TEntrada_discriminacao->setValue(QStringLiteral("COMPRIMENTO"), 4.0);
        dm.TEntrada_discriminacao->setValue(QStringLiteral("DIAMETRO"), 0.5);
        dm.TEntrada_discriminacao->setValue(QStringLiteral("DIAMETRO1"), 0.45);
        dm.TEntrada_discriminacao->setValue(QStringLiteral("QUANTIDADE"), 0.81);
        dm.TEntrada_discriminacao->setValue(QStringLiteral("VALUNITARIO"), 120.0);
        p.question(QStringLiteral("Confirma Lançamento?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Insere Outro Produto para esta Nota Fiscal?"), QStringLiteral("Confirmação"), true);
        line->BitBtn1->click();
    });
    report("enter a log line (append, checks, post)", entering, 100);
    report("close the line window (lines and totals)", medianMs(9, [&] {
               // Open again on the invoice, nothing typed.
               if (!line->isVisible()) {
                   w.BitBtn12->setEnabled(true);
                   w.BitBtn12->click();
               }
               if (dm.TEntrada_discriminacao->isEditing())
                   dm.TEntrada_discriminacao->cancel();
           }, [&] { line->BitBtn3->click(); }), 100);
    // Leave the database as it was.
    q.exec(QStringLiteral("delete from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO > 9000000"));
    q.finish();
    w.BitBtn2->click();
    p.clear();

    // The search on a window of its own, as opened afresh from the menu.
    w.hide();
    TfrmEntradaToros search(&dm);
    search.show();
    QCoreApplication::processEvents();
    search.BitBtn6->click();
    search.fornecedor1->setKeyValue(supplierName);
    search.nota1->setValue(invoice);
    if (!search.fornecedor1->hasSelection() || search.PageControl1->currentIndex() != 1) {
        std::fprintf(stderr, "Could not choose the supplier %s (page %d, index %d, rows %d, list row %d): %s\n", qPrintable(supplierName), search.PageControl1->currentIndex(), search.fornecedor1->currentIndex(), search.fornecedor1->count(), dm.QFornecedor->recNo(),
                     qPrintable(p.shown().join(QLatin1Char('\n'))));
        return 1;
    }
    report("search one invoice (number and supplier)", medianMs(9, {}, [&] { search.BitBtn8->click(); }), 100);
    search.nota1->setValue(0);
    report("search a supplier's invoices", medianMs(9, {}, [&] { search.BitBtn8->click(); }), 100);
    search.BitBtn3->click();

    TfrmConsultaEPatio yard(&dm);
    yard.show();
    yard.TipoEssencia->click();
    yard.Essencia->setCurrentIndex(0);
    emit yard.Essencia->activated(0);
    report("yard stock of one species", medianMs(9, {}, [&] { yard.BitBtn3->click(); }), 100);
    const QString species = yard.Edit1->text();
    yard.TipoGeral->click();
    const double general = medianMs(9, {}, [&] { yard.BitBtn3->click(); });
    const double bare = medianMs(9, {}, [&] {
        QSqlQuery s(dm.IBDatabase1->database());
        s.exec(QStringLiteral("select sum(QUANTIDADE) from ENTRADA_TOROS_DISCRIMINACAO where SITUACAO = 0"));
        s.next();
    });
    std::printf("%-48s %9.1f ms   bare SUM %.1f ms, ratio %.2f (goal <= 1.20)\n", "yard stock in general", general,
                bare, general / bare);
    std::printf("yard stock shown: %s (species %s)\n", qPrintable(yard.TENTRADA1->text()), qPrintable(species));
    return 0;
}
