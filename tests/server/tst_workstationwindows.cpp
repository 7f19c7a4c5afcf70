#include "../logs/LogsTestKit.h"
#include "../registers/RegisterTestKit.h"
#include "FirebirdServer.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/DataError.h"
#include "data/Statement.h"
#include "registers/Unitsubprodutos.h"
#include "sawn/UnitEntradaSerrada.h"
#include "sawn/UnitEntradaSerradaProdutos.h"
#include "statements/UnitPesquisaEntrada.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <memory>

using namespace logstest;
using B = widgets::RegisterWindow::Button;

// The windows of one workstation while another works on the same rows of
// a database server: a change made meanwhile elsewhere is never overwritten
// unseen, the user is told and keeps the typing; a server that dies and
// comes back is reported once and the next save goes through.
class TestWorkstationWindows : public QObject
{
    Q_OBJECT

    FirebirdServer m_server;

    static constexpr const char *Elsewhere = "Registro alterado ou excluído por outra estação de trabalho*";

    // Workstation one works through statements; the windows are two's.
    struct Office
    {
        TestDatabase tdb;
        data::TDM one{nullptr, QStringLiteral("workstation-1")};
        data::TDM two;
        ScriptedPrompter p;
        explicit Office(const FirebirdServer &server)
        {
            one.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
            two.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
        }
        // Workstation one's reading; after a server restart its first access
        // reports the lost link and the next one connects again.
        QString stored(const QString &sql)
        {
            try {
                return data::firstRow(one.IBDatabase1, sql).value(0).toString();
            } catch (const data::DataError &e) {
                if (e.kind() != data::DataError::Kind::ConnectionLost)
                    return e.message();
            }
            return data::firstRow(one.IBDatabase1, sql).value(0).toString();
        }
        void elsewhere(const QString &sql) { data::execute(one.IBDatabase1, sql); }
    };

    // The sawn-wood intake window on invoice 9 of one supplier, whose two
    // lines were entered before.
    struct Intake : Office
    {
        std::unique_ptr<TfrmEntradaSerrada> w;
        TfrmEntradaSerradaProdutos *line = nullptr;
        TfrmPesquisa *picker = nullptr;

        explicit Intake(const FirebirdServer &server) : Office(server)
        {
            addSpecies(two, QStringLiteral("CEDRO"));
            const QVariant supplier = addSupplier(two, QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("12345678909"),
                                                  QStringLiteral("111"));
            data::execute(two.IBDatabase1, QStringLiteral("insert into SUBPRODUTO (NOMEGRAU) values ('TABUA')"));
            for (const char *q : {"2", "3"})
                data::execute(two.IBDatabase1,
                              QStringLiteral("insert into ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                             "ESSENCIA, ESSENCIATIPO, QUANTIDADE, VALUNITARIO, VALTOTAL, SITUACAO, "
                                             "CPF) values (9, :f, 'CEDRO', 'TABUA', :q, 5, 5 * :q, 0, 1)"),
                              {{QStringLiteral("f"), supplier}, {QStringLiteral("q"), QString::fromLatin1(q)}});
            widgets::windows().clear();
            w = std::make_unique<TfrmEntradaSerrada>(&two);
            line = new TfrmEntradaSerradaProdutos(&two, w.get());
            picker = new TfrmPesquisa(&two, w.get());
            for (QWidget *x : std::initializer_list<QWidget *>{w.get(), picker})
                widgets::windows().add(x);
            w->setLineWindow(line);
            w->setSupplierPicker(widgets::Picker::of(picker));
            w->resize(900, 600);
            w->show();
            w->activateWindow();
            QApplication::setActiveWindow(w.get());
            if (!QTest::qWaitForWindowActive(w.get()))
                qWarning("the sawn intake never became the active window");

            whenModalActive([this](QWidget *) {
                QTest::keyClicks(picker->Edit1, QStringLiteral("madeireira alfa"));
                picker->BitBtn1->click();
            });
            p.question(QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do Fornecedor "
                                      "selecionado, Deseja Continuar?"),
                       QStringLiteral("Confirmação"), true);
            keyTo(Qt::Key_I, Qt::AltModifier);
            QTest::qWait(250);
            activatedAgain(w.get());
            w->nota->selectAll();
            QTest::keyClicks(w->nota, QStringLiteral("9"));
            keyTo(Qt::Key_Tab);
        }
    };

private slots:
    void initTestCase()
    {
        if (FirebirdServer::serverProgram().isEmpty())
            QSKIP("No Firebird server program in /usr/sbin (package firebird3.0-server): "
                  "the workstation tests need one");
        QString why;
        QVERIFY2(m_server.start(&why), qPrintable(why));
    }

    // A register row renamed elsewhere while it was being changed here.
    void registerRowChangedElsewhere()
    {
        Office o(m_server);
        o.elsewhere(QStringLiteral("insert into SUBPRODUTO (NOMEGRAU) values ('FORRO')"));
        Tfrmsubprodutos w(&o.two);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.NOMEGRAU->text(), QStringLiteral("FORRO"));
        kit::retype(w.NOMEGRAU, QStringLiteral("forro paulista"));
        o.elsewhere(QStringLiteral("update SUBPRODUTO set NOMEGRAU = 'LAMBRI'"));

        for (int attempt = 0; attempt < 2; ++attempt) {
            o.p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), true)
                .error(QString::fromUtf8(Elsewhere), QStringLiteral("Quelvora"));
            w.button(B::Gravar)->click();
            QVERIFY_PROMPTS(o.p);
            QCOMPARE(w.NOMEGRAU->text(), QStringLiteral("FORRO PAULISTA"));
            QCOMPARE(o.two.TSUBPRODUTOS->state(), data::DataSetState::Edit);
            QCOMPARE(o.stored(QStringLiteral("select list(NOMEGRAU) from SUBPRODUTO")), QStringLiteral("LAMBRI"));
            o.p.clear();
        }

        // "&Cancelar" shows the row as stored; a change made on it is kept.
        w.button(B::Cancelar)->click();
        QCOMPARE(w.NOMEGRAU->text(), QStringLiteral("LAMBRI"));
        kit::retype(w.NOMEGRAU, QStringLiteral("lambri de cedro"));
        o.p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(o.p);
        QCOMPARE(o.stored(QStringLiteral("select list(NOMEGRAU) from SUBPRODUTO")), QStringLiteral("LAMBRI DE CEDRO"));
    }

    // A line of an invoice changed here after another workstation changed
    // it: refused with the typing kept in the line window.
    void movementLineChangedElsewhere()
    {
        Intake f(m_server);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->m3->text(), QStringLiteral("5,000"));
        f.w->BitBtn7->click(); // the first line, into the line window
        QTRY_VERIFY(f.line->isVisible());
        QCOMPARE(f.line->QUANTIDADE->value(), 2.0);
        f.elsewhere(QStringLiteral("update ENTRADA_SERRADA_DISCRIMINACAO set QUANTIDADE = 20, VALTOTAL = 100 "
                                   "where QUANTIDADE = 2"));
        QVERIFY(focusTo(f.line->QUANTIDADE));
        f.line->QUANTIDADE->selectAll();
        QTest::keyClicks(f.line->QUANTIDADE, QStringLiteral("4"));
        keyTo(Qt::Key_Tab);
        QVERIFY(f.line->VALUNITARIO->hasFocus());
        f.p.question(QStringLiteral("Confirma Lançamento?"), QStringLiteral("Confirmação"), true)
            .error(QString::fromUtf8(Elsewhere), QStringLiteral("Quelvora"));
        keyTo(Qt::Key_Tab); // leaving the unit price saves the line
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.line->isVisible());
        QCOMPARE(f.line->QUANTIDADE->value(), 4.0);
        QCOMPARE(f.two.TESDISCRIMINACAO->state(), data::DataSetState::Edit);
        QCOMPARE(f.stored(QStringLiteral("select list(Q, ',') from (select cast(QUANTIDADE as integer) Q from "
                                         "ENTRADA_SERRADA_DISCRIMINACAO order by CODDISCRIMINACAO)")),
                 QStringLiteral("20,3"));
    }

    // Deleting a line changed elsewhere deletes nothing unseen: the line and
    // the totals show what is stored now; deleting it again, seen, works.
    void movementLineDeletedAfterAChangeElsewhere()
    {
        Intake f(m_server);
        QVERIFY_PROMPTS(f.p);
        f.elsewhere(QStringLiteral("update ENTRADA_SERRADA_DISCRIMINACAO set QUANTIDADE = 20, VALTOTAL = 100 "
                                   "where QUANTIDADE = 2"));
        f.p.question(QStringLiteral("Deseja Excluir esse produto?"), QStringLiteral("Confirmação"), true)
            .error(QStringLiteral("Registro alterado por outra estação de trabalho depois de lido; a exclusão não foi feita*"),
                   QStringLiteral("Quelvora"));
        keyTo(Qt::Key_X, Qt::AltModifier);
        QTest::qWait(250);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.stored(QStringLiteral("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO")), QStringLiteral("2"));
        QCOMPARE(f.w->m3->text(), QStringLiteral("23,000"));
        QCOMPARE(f.two.TESDISCRIMINACAO->value(QStringLiteral("QUANTIDADE")).toDouble(), 20.0);

        f.p.question(QStringLiteral("Deseja Excluir esse produto?"), QStringLiteral("Confirmação"), true);
        QVERIFY(activatedAgain(f.w.get()));
        keyTo(Qt::Key_X, Qt::AltModifier);
        QTest::qWait(250);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.stored(QStringLiteral("select list(cast(QUANTIDADE as integer)) from ENTRADA_SERRADA_DISCRIMINACAO")),
                 QStringLiteral("3"));
        QCOMPARE(f.w->m3->text(), QStringLiteral("3,000"));
    }

    // The server killed and started again while a line is being typed: the
    // save reports the lost connection with the database's text and keeps
    // the line; the next save reconnects and stores it once.
    void serverRestartedWhileALineIsTyped()
    {
        Intake f(m_server);
        QVERIFY_PROMPTS(f.p);
        f.w->BitBtn7->click();
        QTRY_VERIFY(f.line->isVisible());
        QVERIFY(focusTo(f.line->QUANTIDADE));
        f.line->QUANTIDADE->selectAll();
        QTest::keyClicks(f.line->QUANTIDADE, QStringLiteral("7"));
        keyTo(Qt::Key_Tab);
        m_server.kill();
        QString why;
        QVERIFY2(m_server.start(&why), qPrintable(why));
        f.p.question(QStringLiteral("Confirma Lançamento?"), QStringLiteral("Confirmação"), true)
            .error(QStringLiteral("A conexão com o banco de dados foi perdida*"), QStringLiteral("Quelvora"));
        QVERIFY(f.line->VALUNITARIO->hasFocus());
        keyTo(Qt::Key_Tab);
        QVERIFY_PROMPTS(f.p);
        QVERIFY2(f.p.shown().last().contains(QStringLiteral("connection")), qPrintable(f.p.shown().last()));
        QCOMPARE(f.line->QUANTIDADE->value(), 7.0);
        QCOMPARE(f.two.TESDISCRIMINACAO->state(), data::DataSetState::Edit);

        f.p.question(QStringLiteral("Confirma Lançamento?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Insere Outro Produto para esta Nota Fiscal?"), QStringLiteral("Confirmação"),
                      false);
        QVERIFY(focusTo(f.line->VALUNITARIO));
        keyTo(Qt::Key_Tab);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.stored(QStringLiteral("select list(Q, ',') from (select cast(QUANTIDADE as integer) Q from "
                                         "ENTRADA_SERRADA_DISCRIMINACAO order by CODDISCRIMINACAO)")),
                 QStringLiteral("7,3"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestWorkstationWindows t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_workstationwindows.moc"
