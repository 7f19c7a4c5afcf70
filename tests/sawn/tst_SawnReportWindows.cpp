#include "SawnTestKit.h"
#include "ReportData.h"
#include "WindowTest.h"

#include "sawn/UnitRProducao.h"
#include "sawn/UnitRProducao1.h"
#include "sawn/UnitRRomaneioSerrada.h"
#include "sawn/UnitRSaida.h"
#include "sawn/UnitRSaida1.h"
#include "statements/UnitPesquisa3.h"
#include "widgets/DateEdit.h"
#include "widgets/ReportPreview.h"
#include "reports/ReportDocument.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
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
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *preview = qobject_cast<widgets::ReportPreview *>(QApplication::activeModalWidget())) {
            poll.stop();
            page = preview->document().pageLines(0);
            preview->reject();
        }
    });
    poll.start(50);
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

    struct Fixture : WindowFixture
    {
        QWidget host;
        TfrmPesquisa3 *clients = nullptr;

        Fixture()
        {
            reportdata::fill(dm.IBDatabase1);
            reportdata::fillRegisters(dm.IBDatabase1); // IPE 1, CEDRINHO 2, ANGELIM PEDRA 3
            made(40, 2, "CEDRINHO", QDate(2026, 3, 2), 2.5, 0.625);
            made(41, 1, "IPE", QDate(2026, 3, 3), 1.2, 0.3);
            made(42, 2, "CEDRINHO", QDate(2026, 3, 4), 4, 1);
            // Invoice 8001 of client 7, and an 8001 of client 3 (numbers
            // repeat between clients); a packing list of client 7.
            const QString sales = QStringLiteral("SAIDA_MADEIRAS");
            reportdata::addInvoice(dm.IBDatabase1, sales, 8001, QDateTime(QDate(2026, 3, 12), QTime(0, 0)), 7,
                                   QStringLiteral("PEDRO ALVES"), 52998224725.0, QStringLiteral("ISENTO"));
            sold(7, 8001, "PEDRO ALVES", "IPE", 0.5, 4000);
            sold(3, 8001, "CLIENTE 3", "CEDRINHO", 9.25, 100);
            reportdata::exec(dm.IBDatabase1,
                             QStringLiteral("INSERT INTO ROMANEIO_SERRADA (CODEMPRESA, NF, DATA, PRODUTO, ESSENCIA, "
                                            "QUANTIDADE, COMPRIMENTO, LARGURA, EXPESSURA, TOTALM3, VLUNITARIO, VLTOTAL) "
                                            "VALUES (7, 12, ?, 'VIGA', 'CEDRINHO', 20, 4, 0.25, 0.025, 0.5, 600, 300)"),
                             {QDateTime(QDate(2026, 3, 25), QTime(0, 0))});
            widgets::windows().clear();
            clients = new TfrmPesquisa3(&dm, &host);
            widgets::windows().add(clients);
        }

        void sold(int client, int nf, const QString &name, const QString &species, double m3, double price)
        {
            reportdata::exec(dm.IBDatabase1,
                             QStringLiteral("INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOFORNECEDOR, NFNUMERO, "
                                            "FORNECEDOR, DATALANCAMENTO, ESSENCIA, ESSENCIATIPO, TOTALM3, VALUNITARIO, "
                                            "VALTOTAL, CPF) VALUES (?, ?, ?, ?, ?, 'VIGA', ?, ?, ?, 0)"),
                             {client, nf, name, QDateTime(QDate(2026, 3, 12), QTime(0, 0)), species, m3, price,
                              m3 * price});
        }

        void givePickers(QWidget *) {}
        void givePickers(TfrmRSaida1 *w) { w->setPicker(widgets::Picker::of(clients)); }
        void givePickers(TfrmRRomaneioSerrada *w) { w->setPicker(widgets::Picker::of(clients)); }
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
            return openActive<W>(&dm, [this](W *w) {
                givePickers(w);
                widgets::windows().add(w);
            });
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

    // The sale list of a period: caption, order and the client's invoice.
    void saleList()
    {
        Fixture f;
        auto w = f.open<TfrmRSaida>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Saída"));
        QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("NOTA FISCAL"));
        QVERIFY(w->DataInicial1->isEmptyDate()); // no date of today here
        f.p.info("Período Inicial deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        typeDate(w->DataInicial1, "01032026");
        QVERIFY(focusTo(w->DataFinal1));
        typeDate(w->DataFinal1, "31032026");
        const QStringList page = previewPage(w.get());
        QVERIFY(page.contains(QStringLiteral("008001 12/03/2026 PEDRO ALVES 529.982.247-25 ISENTO")));
    }

    // One sale invoice: the client from the picker (Alt+P), the number; the
    // lines of that client only, though another client has the same number.
    void saleDetail()
    {
        Fixture f;
        auto w = f.open<TfrmRSaida1>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Saída"));
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);
        QCOMPARE(w->nota1->maximum(), 999999);
        f.p.info("Fornecedor deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);

        // Closed without a choice: nothing changes.
        QTimer::singleShot(150, [&] { QTest::keyClick(f.clients->windowHandle(), Qt::Key_Escape); });
        altKey(w.get(), Qt::Key_P);
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(activatedAgain(w.get()));

        QTimer::singleShot(150, [&] {
            QTest::keyClicks(f.clients->Edit1, "pedro");
            QTest::keyClick(f.clients->Edit1, Qt::Key_Return);
        });
        altKey(w.get(), Qt::Key_P);
        QCOMPARE(w->Edit1->text(), QStringLiteral("7"));
        QCOMPARE(w->FORNECEDOR->text(), QStringLiteral("PEDRO ALVES"));
        QVERIFY(activatedAgain(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->nota1);
        f.p.info("Nota Fiscal deve ser informada!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QTest::keyClick(w->nota1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->nota1, "8001");
        QCOMPARE(w->nota1->value(), 8001);
        const QStringList page = previewPage(w.get());
        QVERIFY_PROMPTS(f.p);
        QVERIFY(page.contains(QStringLiteral("TOTAL 0,5000 2000,00")));
        QVERIFY(!page.join(QLatin1Char('\n')).contains(QStringLiteral("9,2500")));
    }

    // The packing list: the client's block, the memo, the order chosen.
    void sawnPackingList()
    {
        Fixture f;
        auto w = f.open<TfrmRRomaneioSerrada>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Romaneio Serrada"));
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);
        QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("PRODUTO"));
        f.p.info("Cliente deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);

        QTimer::singleShot(150, [&] {
            QTest::keyClicks(f.clients->Edit1, "pedro");
            QTest::keyClick(f.clients->Edit1, Qt::Key_Return);
        });
        altKey(w.get(), Qt::Key_P);
        QCOMPARE(w->Edit1->text(), QStringLiteral("7"));
        QCOMPARE(w->findChild<QLineEdit *>("Edit10")->text(), QStringLiteral("52998224725"));
        QVERIFY(activatedAgain(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->nota);
        // Any number is taken; 0 finds nothing and the focus stays there.
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->nota);
        QTest::keyClick(w->nota, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->nota, "12");
        QCOMPARE(w->nota->value(), 12);
        QVERIFY(focusTo(w->Memo1));
        QTest::keyClicks(w->Memo1, "ENTREGA NA OBRA");
        const QStringList page = previewPage(w.get());
        QVERIFY(page.contains(QStringLiteral("CNPJ/CPF.: 52998224725")));
        QVERIFY(page.contains(QStringLiteral("ENTREGA NA OBRA")));
        QVERIFY(page.contains(QStringLiteral("TOTAL 0,5000 300,00")));
        // Printing, whichever order is chosen, reaches the printer.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QVERIFY(activatedAgain(w.get()));
            QVERIFY(focusTo(w->ComboBox1));
            QTest::keyClick(w->ComboBox1, Qt::Key_Down);
            f.p.info(widgets::kNoPrinter, kInfo);
            w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
        }
        QVERIFY(activatedAgain(w.get()));
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(w->Memo1->toPlainText().isEmpty());
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
