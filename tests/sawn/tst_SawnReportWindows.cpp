#include "SawnTestKit.h"
#include "ReportData.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "sawn/UnitRProducao.h"
#include "sawn/UnitRProducao1.h"
#include "widgets/DateEdit.h"
#include "widgets/ReportPreview.h"
#include "reports/ReportDocument.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>

using namespace logstest;
using namespace sawntest;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kNothing = QStringLiteral("Não há relatório(s) a ser(em) vizualizado(s) com os critérios informados!");

// Types a date over the one shown.
void typeDate(widgets::DateEdit *e, const char *digits)
{
    QTest::keyClick(e, Qt::Key_Home);
    QTest::keyClicks(e, digits);
}

// The first page of the preview that the next Alt+V opens, closed again.
QStringList previewPage(QWidget *w, QPushButton *click = nullptr)
{
    QStringList page;
    QTimer::singleShot(400, [&] {
        if (auto *preview = qobject_cast<widgets::ReportPreview *>(QApplication::activeModalWidget())) {
            page = preview->document().pageLines(0);
            preview->reject();
        }
    });
    if (click)
        QTest::mouseClick(click, Qt::LeftButton);
    else
        altKey(w, Qt::Key_V);
    [&] { QTRY_VERIFY(!page.isEmpty()); }();
    return page;
}

} // namespace

// The parameter windows of the sawn-wood reports, driven with the keyboard.
class TestSawnReportWindows : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        QWidget host;

        Fixture()
        {
            dm.IBDatabase1->setDatabaseName(tdb.path());
            reportdata::fill(dm.IBDatabase1);
            reportdata::fillRegisters(dm.IBDatabase1); // IPE 1, CEDRINHO 2, ANGELIM PEDRA 3
            made(40, 2, "CEDRINHO", QDate(2026, 3, 2), 2.5, 0.625);
            made(41, 1, "IPE", QDate(2026, 3, 3), 1.2, 0.3);
            made(42, 2, "CEDRINHO", QDate(2026, 3, 4), 4, 1);
            widgets::windows().clear();
        }
        ~Fixture() { widgets::windows().clear(); }

        void made(int plate, int species, const QString &name, const QDate &day, double log, double sawn)
        {
            reportdata::exec(dm.IBDatabase1,
                             QStringLiteral("INSERT INTO PRODUCAO (CODPRODUTO, CODIGOESSENCIA, ESSENCIA, PRODUTO, DATA, "
                                            "QTORA, QSERRADA, VALTORA) VALUES (?, ?, ?, 'VIGA', ?, ?, ?, 100)"),
                             {plate, species, name, QDateTime(day, QTime(0, 0)), log, sawn});
        }

        template <typename W>
        std::unique_ptr<W> open()
        {
            auto w = std::make_unique<W>(&dm);
            widgets::windows().add(w.get());
            showActive(w.get());
            return w;
        }
    };

private slots:
    // Each date takes today's when entered; the period finds the rows of
    // March grouped by species, in the order chosen.
    void productionPeriod()
    {
        Fixture f;
        auto w = f.open<TfrmRProducao>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Produção"));
        QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("DATA PRODUÇÃO"));
        QCOMPARE(w->ComboBox1->count(), 3);
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);
        QCOMPARE(w->DataInicial1->date(), QDate::currentDate());
        QVERIFY(w->DataFinal1->isEmptyDate());
        QTest::keyClick(w->DataInicial1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->DataFinal1);
        QCOMPARE(w->DataFinal1->date(), QDate::currentDate());

        // 02/03/2026 is 2 March: one row.
        typeDate(w->DataFinal1, "02032026");
        QVERIFY(focusTo(w->DataInicial1));
        typeDate(w->DataInicial1, "02032026");
        QStringList page = previewPage(w.get());
        QVERIFY(page.contains(QStringLiteral("02/03/2026 000040 2,5000 0,6250")));
        QVERIFY(!page.join(QLatin1Char('\n')).contains(QStringLiteral("000042")));
        QVERIFY(page.contains(QStringLiteral("Período Inicial..: 02/03/2026")));

        // The whole month by species; the period's start after its end
        // finds nothing.
        QVERIFY(activatedAgain(w.get()));
        QVERIFY(focusTo(w->DataFinal1));
        typeDate(w->DataFinal1, "31032026");
        QVERIFY(focusTo(w->ComboBox1));
        QTest::keyClick(w->ComboBox1, Qt::Key_Down);
        QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("ESSÊNCIA"));
        QVERIFY(focusTo(w->DataInicial1));
        typeDate(w->DataInicial1, "01032026");
        page = previewPage(w.get());
        const int cedrinho = page.indexOf(QStringLiteral("CEDRINHO"));
        QVERIFY(cedrinho >= 0);
        QCOMPARE(page.mid(cedrinho + 1, 3), QStringList({"02/03/2026 000040 2,5000 0,6250",
                                                          "04/03/2026 000042 4,0000 1,0000", "6,5000 1,6250"}));
        QVERIFY(page.contains(QStringLiteral("TOTAL 7,7000 1,9250")));

        QVERIFY(activatedAgain(w.get()));
        QVERIFY(focusTo(w->DataInicial1));
        typeDate(w->DataInicial1, "01042026");
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);

        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(w->DataInicial1->isEmptyDate());
        QVERIFY(w->DataFinal1->isEmptyDate());
    }

    // One species: refused without it; preview and print ask the same rows.
    void productionOfOneSpecies()
    {
        Fixture f;
        auto w = f.open<TfrmRProducao1>();
        QCOMPARE(w->ComboBox1->count(), 2);
        typeDate(w->DataInicial1, "01032026");
        QVERIFY(focusTo(w->DataFinal1));
        typeDate(w->DataFinal1, "31032026");

        f.p.info("Essência deve ser informada!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->Essencia);

        // ANGELIM PEDRA sawed nothing: neither the preview nor the printer
        // gets a report.
        QVERIFY(choose(w->Essencia, "ANG"));
        // Enter took the species and went on to the order.
        QCOMPARE(QApplication::focusWidget(), w->ComboBox1);
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        f.p.info(kNothing, kInfo);
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);

        // Back in the start date, which took today's date: the period again.
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);
        QCOMPARE(w->DataInicial1->date(), QDate::currentDate());
        typeDate(w->DataInicial1, "01032026");
        QVERIFY(choose(w->Essencia, "CED"));
        const QStringList page = previewPage(w.get());
        QVERIFY(page.contains(QStringLiteral("ESSÊNCIA.........: CEDRINHO")));
        QVERIFY(page.contains(QStringLiteral("TOTAL 6,5000 200,00 1,6250")));
        QVERIFY(!page.join(QLatin1Char('\n')).contains(QStringLiteral("000041")));
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            f.p.info(widgets::kNoPrinter, kInfo);
            w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
        }

        QVERIFY(activatedAgain(w.get()));
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->Essencia->hasSelection());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestSawnReportWindows t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_SawnReportWindows.moc"
