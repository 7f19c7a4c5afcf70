#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WindowTest.h"

#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "statements/UnitPesquisa3.h"
#include "statements/Unitconsultaproduto.h"
#include "widgets/DBGrid.h"
#include "widgets/LookupCombo.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

// "Consulta Lançamento": a client's sale lines of one invoice and species.
class TestConsultaProduto : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        QVariant cedro, ipe, alfa, beta;
        std::unique_ptr<TfrmConsultaProduto> w;
        std::unique_ptr<TfrmPesquisa3> picker;

        QVariant add(const QString &table, const QString &key, const QVariantMap &values)
        {
            data::Table t(dm.IBDatabase1, table, key);
            t.open();
            t.append();
            for (auto it = values.begin(); it != values.end(); ++it)
                t.setValue(it.key(), it.value());
            t.post();
            return t.value(key);
        }
        void line(int nf, const QVariant &client, const QVariant &species, double m3, double value)
        {
            data::execute(dm.IBDatabase1,
                          "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, CODIGOESSENCIA, "
                          "ESSENCIATIPO, TOTALM3, VALTOTAL, CPF) values (:nf, :c, :s, 'TABUA', :m, :v, 0)",
                          {{"nf", nf}, {"c", client}, {"s", species}, {"m", m3}, {"v", value}});
        }

        Fixture()
        {
            cedro = add("ESSENCIA", "CODIGO", {{"ESSENCIA", "CEDRO"}, {"ETOROS", 0}, {"TENTRADA", 0}, {"TSAIDA", 0}});
            ipe = add("ESSENCIA", "CODIGO", {{"ESSENCIA", "IPE"}, {"ETOROS", 0}, {"TENTRADA", 0}, {"TSAIDA", 0}});
            alfa = add("CREDOR", "CODIGOCREDOR", {{"NOMECREDOR", "COMERCIAL ALFA"}, {"CNPJ", "11"}});
            beta = add("CREDOR", "CODIGOCREDOR", {{"NOMECREDOR", "COMERCIAL BETA"}, {"CNPJ", "22"}});
            line(10, alfa, cedro, 0.3, 135);
            line(10, alfa, cedro, 0.50005, 100.004);
            line(10, alfa, ipe, 9, 9);
            line(10, beta, cedro, 7, 7); // the same number for another client
            widgets::windows().clear();
            w = std::make_unique<TfrmConsultaProduto>(&dm);
            picker = std::make_unique<TfrmPesquisa3>(&dm);
            widgets::windows().add(w.get());
            widgets::windows().add(picker.get());
            w->setClientPicker(widgets::Picker::of(picker.get()));
            [&] { QVERIFY(shownActive(w.get())); }();
        }

        void activate() { QVERIFY(activeAgain(w.get())); }
        ~Fixture() { widgets::windows().clear(); }

        // Runs `step` in the picker once it is the active modal window.
        void inPicker(const std::function<void()> &step)
        {
            auto *poll = new QTimer;
            QObject::connect(poll, &QTimer::timeout, poll, [this, poll, step] {
                if (QApplication::activeModalWidget() != picker.get() || !picker->isActiveWindow())
                    return;
                poll->stop();
                poll->deleteLater();
                step();
            });
            poll->start(5);
        }

        // "&P" (Alt+P), then the client typed in the picker and Enter.
        void pickClient(const QString &typed)
        {
            bool served = false;
            inPicker([&] {
                QTest::keyClicks(picker->Edit1, typed);
                QTest::keyClick(picker->Edit1, Qt::Key_Return);
                served = true;
            });
            activate();
            QTest::keyClick(w->windowHandle(), Qt::Key_P, Qt::AltModifier);
            QVERIFY(QTest::qWaitFor([&] { return served; }));
            QVERIFY(QTest::qWaitFor([&] { return !picker->isVisible(); }));
        }

        void chooseSpecies(const QString &name)
        {
            const int i = w->DBLookupComboBox1->findText(name);
            QVERIFY(i >= 0);
            w->DBLookupComboBox1->setCurrentIndex(i);
            emit w->DBLookupComboBox1->activated(i);
        }

        QStringList results() const { return {w->lancamentos->text(), w->m3->text(), w->valor->text()}; }
    };

private slots:
    void checksInOrder()
    {
        Fixture f;
        QVERIFY(f.w->SpeedButton1->hasFocus());
        f.p.info("Cliente deve ser informado!", "Informação");
        f.w->BitBtn1->click();
        f.pickClient("COMERCIAL A");
        QCOMPARE(f.w->FORNECEDOR->text(), QStringLiteral("COMERCIAL ALFA"));
        QCOMPARE(f.w->Edit2->text().toDouble(), f.alfa.toDouble());
        f.activate(); // back from the picker
        QVERIFY(f.w->nota->hasFocus());
        f.p.info("Nota Fiscal deve ser informada!", "Informação");
        f.w->BitBtn1->click();
        f.w->nota->setValue(10);
        f.p.info("Essência deve ser informada!", "Informação");
        f.w->BitBtn1->click();
        QVERIFY(f.w->DBLookupComboBox1->hasFocus());
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->lancamentos->text(), QString());
    }

    // Only the client's lines of that species count; the sums are shown
    // rounded to four places and then formatted: 0,80005 -> 0,8001.
    void totalsOfClientInvoiceAndSpecies()
    {
        Fixture f;
        f.pickClient("COMERCIAL A");
        f.w->nota->setValue(10);
        f.chooseSpecies("CEDRO");
        QCOMPARE(f.w->Edit1->text().toDouble(), f.cedro.toDouble());
        f.w->BitBtn1->click();
        QCOMPARE(f.results(), (QStringList{"2", "0,8001", "235,00"}));
        QCOMPARE(f.w->DBGrid1->model()->rowCount(), 2);
        QVERIFY(!f.w->ProgressBar1->isVisible());
        QCOMPARE(f.w->ProgressBar1->maximum(), 2);
        // The invoice exists for the client, but not with this species.
        f.pickClient("COMERCIAL B");
        f.chooseSpecies("IPE");
        f.w->BitBtn1->click();
        QCOMPARE(f.results(), (QStringList{"0", "0,0000", "0,00"}));
        QVERIFY_PROMPTS(f.p);
    }

    // The picker closes without a choice, leaving the client as it was;
    // Esc leaves the query cleared and unmarked.
    void pickerClosedWithoutChoiceAndEsc()
    {
        Fixture f;
        f.pickClient("COMERCIAL A");
        f.inPicker([&] { QTest::keyClick(f.picker->Edit1, Qt::Key_Escape); });
        f.w->SpeedButton1->click();
        QVERIFY(!f.picker->isVisible());
        QCOMPARE(f.w->FORNECEDOR->text(), QStringLiteral("COMERCIAL ALFA"));
        f.w->nota->setValue(10);
        QTest::keyClick(f.w.get(), Qt::Key_Escape);
        QVERIFY(!f.w->isVisible());
        QVERIFY(f.w->FORNECEDOR->text().isEmpty());
        QVERIFY(f.w->Edit2->text().isEmpty());
        QCOMPARE(f.w->nota->value(), 0);
        QVERIFY(!f.dm.TSaida_Discriminacao->isActive());
        QVERIFY_PROMPTS(f.p);
    }
};

QTEST_MAIN(TestConsultaProduto)
#include "tst_consultaproduto.moc"
