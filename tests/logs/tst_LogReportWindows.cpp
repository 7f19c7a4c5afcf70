#include "LogsTestKit.h"
#include "ReportData.h"
#include "WindowTest.h"

#include "logs/UnitREntrada.h"
#include "logs/UnitREntrada1.h"
#include "logs/UnitREntrada3.h"
#include "logs/UnitRRomaneioToros.h"
#include "logs/Unitromaneiotoro.h"
#include "statements/UnitPesquisa3.h"
#include "statements/UnitPesquisaEntrada.h"
#include "widgets/DateEdit.h"
#include "widgets/MovementWindow.h"
#include "widgets/ReportPreview.h"
#include "reports/ReportDocument.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

using namespace logstest;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kNothing = QStringLiteral("Não há relatório(s) a ser(em) vizualizado(s) com os critérios informados!");

// Alt and a letter, as the window system delivers it, so that the
// window's mnemonics see it; a button so pressed clicks a moment later.
void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(250);
}

} // namespace

// The parameter windows of the log reports, driven with the keyboard.
class TestLogReportWindows : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        TfrmPesquisa *suppliers = nullptr;
        TfrmPesquisa3 *clients = nullptr;
        QWidget host;

        Fixture()
        {
            reportdata::fill(dm.IBDatabase1);
            widgets::windows().clear();
            suppliers = new TfrmPesquisa(&dm, &host);
            clients = new TfrmPesquisa3(&dm, &host);
        }
        ~Fixture() { widgets::windows().clear(); }

        // Each window is handed the picker it uses, as the window list does.
        template <typename W>
        void givePickers(W *) {}
        void givePickers(TfrmREntrada1 *w) { w->setPicker(widgets::Picker::of(suppliers)); }
        void givePickers(TfrmREntrada3 *w) { w->setPicker(widgets::Picker::of(suppliers)); }
        void givePickers(TfrmRRomaneioToros *w) { w->setPicker(widgets::Picker::of(clients)); }
        void givePickers(TfrmRomaneiotoro *w) { w->setClientPicker(widgets::Picker::of(clients)); }

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
    // The period's checks in order, then a period that ends before it starts.
    void periodChecks()
    {
        Fixture f;
        auto w = f.open<TfrmREntrada>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Entrada"));
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);
        QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("NOTA FISCAL"));

        f.p.info("Período Inicial deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);

        QTest::keyClick(w->DataInicial1, Qt::Key_Home);
        QTest::keyClicks(w->DataInicial1, "01042026");
        f.p.info("Período Final deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_P);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DataFinal1);

        // Start after end: nothing is found, whatever lies between.
        QTest::keyClick(w->DataFinal1, Qt::Key_Home);
        QTest::keyClicks(w->DataFinal1, "01032026");
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DataInicial1);

        // An impossible date is no date.
        QTest::keyClick(w->DataInicial1, Qt::Key_Home);
        QTest::keyClicks(w->DataInicial1, "31022026");
        f.p.info("Período Inicial deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);

        // "&Retornar" clears both dates.
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(w->DataInicial1->isEmptyDate());
        QVERIFY(w->DataFinal1->isEmptyDate());
    }

    // The supplier comes from the picker opened with Alt+P; then the number.
    void detailedInvoiceChecks()
    {
        Fixture f;
        auto w = f.open<TfrmREntrada1>();
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        f.p.info("Fornecedor deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        QTimer::singleShot(150, [&] {
            QTest::keyClicks(f.suppliers->Edit1, "joao");
            QTest::keyClick(f.suppliers->Edit1, Qt::Key_Return);
        });
        altKey(w.get(), Qt::Key_P);
        QCOMPARE(w->FORNECEDOR->text(), QStringLiteral("JOAO DA SILVA"));
        QCOMPARE(w->Edit1->text(), QStringLiteral("2"));
        // The window's focus, which it has again once active.
        QCOMPARE(w->focusWidget(), w->nota1);
        QVERIFY(focusTo(w->nota1));

        f.p.info("Nota Fiscal deve ser informada!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->nota1);

        // Another supplier's invoice number finds nothing.
        QTest::keyClicks(w->nota1, "101");
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        // The supplier's own invoice opens in the preview.
        QVERIFY(focusTo(w->nota1));
        w->nota1->selectAll();
        QTest::keyClicks(w->nota1, "102");
        QStringList page;
        QString title;
        QTimer::singleShot(400, [&] {
            if (auto *preview = qobject_cast<widgets::ReportPreview *>(QApplication::activeModalWidget())) {
                title = preview->windowTitle();
                page = preview->document().pageLines(0);
                preview->reject();
            }
        });
        altKey(w.get(), Qt::Key_V);
        QTRY_VERIFY(!page.isEmpty());
        QCOMPARE(title, QStringLiteral("Controle da Produção e do Estoque"));
        QVERIFY(page.contains(QStringLiteral("Empresa......: JOAO DA SILVA")));
        QVERIFY(page.contains(QStringLiteral("000020 1,1000 300,00 330,00")));
        QVERIFY_PROMPTS(f.p);

        // Straight to the printer: without one the user is told so.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            f.p.info(widgets::kNoPrinter, kInfo);
            w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
        }

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(w->FORNECEDOR->text().isEmpty());
        QCOMPARE(w->nota1->value(), 0);
    }

    // The sawn-wood twin is served by the same picker.
    void sawnDetailPicker()
    {
        Fixture f;
        auto w = f.open<TfrmREntrada3>();
        QTimer::singleShot(150, [&] {
            QTest::keyClicks(f.suppliers->Edit1, "mad");
            QTest::keyClick(f.suppliers->Edit1, Qt::Key_Return);
        });
        altKey(w.get(), Qt::Key_P);
        QCOMPARE(w->Edit1->text(), QStringLiteral("1"));
        QCOMPARE(w->focusWidget(), w->nota1);
    }

    // The client picker fills the client's code, name and address.
    void packingListChecks()
    {
        Fixture f;
        auto w = f.open<TfrmRRomaneioToros>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Relatório - Romaneio Toros"));
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        f.p.info("Cliente deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        QTimer::singleShot(150, [&] {
            QTest::keyClicks(f.clients->Edit1, "pedro");
            QTest::keyClick(f.clients->Edit1, Qt::Key_Return);
        });
        altKey(w.get(), Qt::Key_P);
        QCOMPARE(w->Edit1->text(), QStringLiteral("7"));
        QCOMPARE(w->FORNECEDOR->text(), QStringLiteral("PEDRO ALVES"));
        QCOMPARE(w->findChild<QLineEdit *>("edit5")->text(), QStringLiteral("SINOP"));
        QCOMPARE(w->findChild<QLineEdit *>("edit10")->text(), QStringLiteral("52998224725"));
        QCOMPARE(w->focusWidget(), w->nota);
        QVERIFY(focusTo(w->nota));

        // Number 0 is not refused: it finds nothing. After "&Vizualizar"
        // the focus goes to the number, after printing to "&P".
        f.p.info(kNothing, kInfo);
        altKey(w.get(), Qt::Key_V);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->nota);
        f.p.info(kNothing, kInfo);
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->BitBtn4);

        QVERIFY(focusTo(w->Memo1));
        QTest::keyClicks(w->Memo1, "CARGA 1");
        QVERIFY(focusTo(w->BitBtn3));
        QTest::keyClick(w->BitBtn3, Qt::Key_Space);
        QVERIFY(!w->isVisible());
        QVERIFY(w->Edit1->text().isEmpty());
        QVERIFY(w->Memo1->toPlainText().isEmpty());
    }

    // "Relatório" of the log packing list opens the packing-list report window.
    void packingListButtonOpensReportWindow()
    {
        Fixture f;
        TfrmRRomaneioToros report(&f.dm);
        f.givePickers(&report);
        auto list = f.open<TfrmRomaneiotoro>();
        list->setReportWindows(widgets::existingWindow(&report), {});
        QString shown;
        QTimer::singleShot(150, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                shown = w->objectName();
                QTest::keyClick(w->windowHandle(), Qt::Key_R, Qt::AltModifier);
            }
        });
        list->BitBtn4->click();
        QCOMPARE(shown, QStringLiteral("TfrmRRomaneioToros"));
        QTRY_VERIFY(!report.isVisible());
        QVERIFY_PROMPTS(f.p);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestLogReportWindows t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_LogReportWindows.moc"
