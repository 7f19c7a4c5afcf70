#include "FirebirdServer.h"
#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace data;

// Two workstations, each with its own data module and connection, on one
// database served by a real server: what one commits the other reads after
// a refresh, and neither overwrites the other's change unseen.
class TestWorkstations : public QObject
{
    Q_OBJECT

    FirebirdServer m_server;

    struct Office
    {
        TestDatabase tdb;
        TDM one{nullptr, QStringLiteral("workstation-1")};
        TDM two{nullptr, QStringLiteral("workstation-2")};
        explicit Office(const FirebirdServer &server)
        {
            one.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
            two.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
        }
    };

    static QVariant addSpecies(Table *t, const QString &name)
    {
        t->append();
        t->setValue("ESSENCIA", name);
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            t->setValue(c, 0);
        t->post();
        return t->value("CODIGO");
    }
    static DataError failure(const std::function<void()> &step)
    {
        try {
            step();
        } catch (const DataError &e) {
            return e;
        }
        return DataError(QStringLiteral("it went through"), DataError::Kind(-1));
    }
    static QString stored(TDM &dm, const QString &sql)
    {
        const QVariantList row = firstRow(dm.IBDatabase1, sql);
        return row.isEmpty() ? QStringLiteral("<none>") : row.value(0).toString();
    }
    // A sawn-wood intake invoice: its header and lines, all or nothing.
    static void addInvoice(TDM &dm, int number, int lines, const std::function<void()> &beforeCommit = {})
    {
        Transaction work(dm.IBDatabase1);
        execute(dm.IBDatabase1,
                "insert into ENTRADA_SERRADA (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL) values (:nf, 7, 'ALFA')",
                {{"nf", number}});
        for (int i = 0; i < lines; ++i)
            execute(dm.IBDatabase1,
                    "insert into ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, ESSENCIA, "
                    "QUANTIDADE, CPF) values (:nf, 7, 'CEDRO', :q, 0)",
                    {{"nf", number}, {"q", i + 1}});
        if (beforeCommit)
            beforeCommit();
        work.commit();
    }
    static QString invoices(TDM &dm)
    {
        return stored(dm, "select list(cast(NF_NUMERO as integer) || ':' || (select count(*) from ENTRADA_SERRADA_DISCRIMINACAO l "
                          "where l.NFNUMERO = h.NF_NUMERO and l.CODIGOFORNECEDOR = h.CODIGOFORNECEDOR), ',') "
                          "from (select NF_NUMERO, CODIGOFORNECEDOR from ENTRADA_SERRADA order by NF_NUMERO) h");
    }

private slots:
    void initTestCase()
    {
        if (FirebirdServer::serverProgram().isEmpty())
            QSKIP("No Firebird server program in /usr/sbin (package firebird3.0-server): "
                  "the workstation tests need one");
        QString why;
        QVERIFY2(m_server.start(&why), qPrintable(why));
    }

    // Saving, changing and deleting on one workstation; the other reads each
    // step after a refresh, in a register and in a movement's lines.
    void commitsAreSeenAfterARefresh()
    {
        Office office(m_server);
        Table *a = office.one.TEssencia, *b = office.two.TEssencia;
        a->setIndexFieldNames("CODIGO");
        b->setIndexFieldNames("CODIGO");
        a->open();
        b->open();
        addSpecies(a, "IPE");
        addSpecies(a, "CEDRO");
        QCOMPARE(b->recordCount(), 0); // not read again yet
        b->refresh();
        QCOMPARE(b->recordCount(), 2);
        QVERIFY(b->locate("ESSENCIA", "CEDRO"));

        b->edit();
        b->setValue("ESSENCIA", "CEDRO ROSA");
        b->post();
        a->refresh();
        QVERIFY(a->locate("CODIGO", b->value("CODIGO"), {false, false}));
        QCOMPARE(a->asString("ESSENCIA"), QString("CEDRO ROSA"));

        a->remove();
        b->refresh();
        QCOMPARE(b->recordCount(), 1);
        QCOMPARE(b->asString("ESSENCIA"), QString("IPE"));

        addInvoice(office.one, 10, 3);
        Table *lines = office.two.TESDISCRIMINACAO;
        lines->setFilter("NFNUMERO = :nf", {{"nf", 10}});
        lines->setFiltered(true);
        lines->setIndexFieldNames("CODDISCRIMINACAO");
        lines->open();
        QCOMPARE(lines->recordCount(), 3);
        lines->last();
        lines->edit();
        lines->setValue("QUANTIDADE", 30);
        lines->post();
        lines->first();
        lines->remove();
        QCOMPARE(stored(office.one, "select list(Q, ',') from (select cast(QUANTIDADE as integer) Q from "
                                    "ENTRADA_SERRADA_DISCRIMINACAO order by CODDISCRIMINACAO)"),
                 QString("2,30"));
    }

    // Both workstations change the same row: the second is told, keeps its
    // typing and stores nothing until it has seen the first one's change.
    void secondChangeOfARowIsRefused()
    {
        Office office(m_server);
        Table *a = office.one.TEssencia, *b = office.two.TEssencia;
        a->open();
        addSpecies(a, "IPE");
        addSpecies(a, "JATOBA");
        b->open();
        QVERIFY(b->locate("ESSENCIA", "IPE"));
        b->edit();
        b->setValue("ESSENCIA", "IPE AMARELO");

        QVERIFY(a->locate("ESSENCIA", "IPE"));
        a->edit();
        a->setValue("ESSENCIA", "IPE ROXO");
        a->post();

        for (int attempt = 0; attempt < 2; ++attempt) { // saving again is no way round it
            const DataError e = failure([&] { b->post(); });
            QCOMPARE(e.kind(), DataError::Kind::ChangedElsewhere);
            QVERIFY2(e.message().startsWith("Registro alterado ou excluído por outra estação de trabalho"),
                     qPrintable(e.message()));
            QCOMPARE(b->state(), DataSetState::Edit);
            QCOMPARE(b->asString("ESSENCIA"), QString("IPE AMARELO"));
        }
        QCOMPARE(stored(office.one, "select ESSENCIA from ESSENCIA where ESSENCIA starting 'IPE'"),
                 QString("IPE ROXO"));

        // Cancelling shows what is stored; a change made on that is kept.
        b->cancel();
        QCOMPARE(b->asString("ESSENCIA"), QString("IPE ROXO"));
        b->edit();
        b->setValue("ESSENCIA", "IPE AMARELO");
        b->post();
        QCOMPARE(stored(office.one, "select ESSENCIA from ESSENCIA where ESSENCIA starting 'IPE'"),
                 QString("IPE AMARELO"));

        // A row deleted on one workstation cannot be changed on the other;
        // cancelling leaves the row that is gone.
        QVERIFY(b->locate("ESSENCIA", "JATOBA"));
        b->edit();
        b->setValue("ETOROS", 5);
        a->refresh();
        QVERIFY(a->locate("ESSENCIA", "JATOBA"));
        a->remove();
        QCOMPARE(failure([&] { b->post(); }).kind(), DataError::Kind::ChangedElsewhere);
        QCOMPARE(stored(office.one, "select count(*) from ESSENCIA"), QString("1"));
        b->cancel();
        QCOMPARE(b->recordCount(), 1);
        QCOMPARE(b->asString("ESSENCIA"), QString("IPE AMARELO"));
    }

    // Deleting a row the other workstation changed meanwhile deletes
    // nothing unseen; deleting one it already deleted is simply done.
    void deletionOfAChangedRow()
    {
        Office office(m_server);
        Table *a = office.one.TEssencia, *b = office.two.TEssencia;
        a->setIndexFieldNames("CODIGO");
        b->setIndexFieldNames("CODIGO");
        a->open();
        addSpecies(a, "IPE");
        addSpecies(a, "MOGNO");
        b->open();
        QVERIFY(a->locate("ESSENCIA", "IPE"));
        a->edit();
        a->setValue("ESSENCIA", "IPE ROXO");
        a->post();

        QVERIFY(b->locate("ESSENCIA", "IPE"));
        const DataError e = failure([&] { b->remove(); });
        QCOMPARE(e.kind(), DataError::Kind::ChangedElsewhere);
        QVERIFY2(e.message().contains("a exclusão não foi feita"), qPrintable(e.message()));
        QCOMPARE(b->state(), DataSetState::Browse);
        QCOMPARE(b->asString("ESSENCIA"), QString("IPE ROXO")); // shown as it is now
        b->remove();                                             // and, seen, it goes
        QCOMPARE(stored(office.one, "select list(ESSENCIA) from ESSENCIA"), QString("MOGNO"));

        QVERIFY(b->locate("ESSENCIA", "MOGNO"));
        a->refresh();
        QVERIFY(a->locate("ESSENCIA", "MOGNO"));
        a->remove();
        b->remove();
        QCOMPARE(b->recordCount(), 0);
    }

    // A change committed by another transaction while this one waits on the
    // row: the engine's update conflict is the same refusal, with its text.
    void concurrentUpdateConflict()
    {
        Office office(m_server);
        addSpecies(office.one.TEssencia, "IPE");
        const QString name = office.one.IBDatabase1->databaseName();
        Transaction work(office.one.IBDatabase1);
        execute(office.one.IBDatabase1, "update ESSENCIA set ESSENCIA = 'IPE ROXO'");

        std::atomic<int> kind{-2};
        QString message;
        std::thread other([&] {
            Connection c(QStringLiteral("workstation-3"));
            c.setDatabaseName(name);
            try {
                execute(&c, "update ESSENCIA set ESSENCIA = 'IPE AMARELO'");
                kind = -1;
            } catch (const DataError &e) {
                message = e.message();
                kind = int(e.kind());
            }
        });
        QTest::qWait(700); // the other workstation waits on the row
        QCOMPARE(kind.load(), -2);
        work.commit();
        other.join();
        QCOMPARE(kind.load(), int(DataError::Kind::ChangedElsewhere));
        QVERIFY2(message.contains("update conflicts with concurrent update"), qPrintable(message));
        QCOMPARE(stored(office.two, "select ESSENCIA from ESSENCIA"), QString("IPE ROXO"));
    }

    // The server dies under both workstations, one of them half-way through
    // an invoice: each is told once, the next access connects again, what
    // was committed is there and nothing of the broken invoice is.
    void serverKilledWhileInUse()
    {
        Office office(m_server);
        addInvoice(office.one, 1, 2);
        Table *b = office.two.TEssencia;
        b->open();
        addSpecies(b, "IPE");
        addSpecies(b, "CEDRO");
        QVERIFY(b->locate("ESSENCIA", "CEDRO"));

        QString why;
        const DataError lost = failure([&] {
            addInvoice(office.one, 2, 3, [&] {
                m_server.kill();
                QVERIFY(m_server.start(&why));
            });
        });
        QVERIFY2(m_server.isRunning(), qPrintable(why));
        QCOMPARE(lost.kind(), DataError::Kind::ConnectionLost);
        QVERIFY2(lost.message().contains(office.one.IBDatabase1->databaseName()), qPrintable(lost.message()));

        // The other workstation was idle: its save reports the dead link and
        // keeps the typing; the next save connects and stores it.
        b->edit();
        b->setValue("ESSENCIA", "CEDRO ROSA");
        const DataError idle = failure([&] { b->post(); });
        QCOMPARE(idle.kind(), DataError::Kind::ConnectionLost);
        QVERIFY2(idle.message().startsWith("A conexão com o banco de dados foi perdida"), qPrintable(idle.message()));
        QCOMPARE(b->state(), DataSetState::Edit);
        b->post();
        QCOMPARE(b->asString("ESSENCIA"), QString("CEDRO ROSA"));

        QCOMPARE(invoices(office.one), QString("1:2"));
        QCOMPARE(invoices(office.two), QString("1:2"));
        addInvoice(office.one, 2, 3);
        b->refresh();
        QCOMPARE(b->recordCount(), 2);
        QCOMPARE(invoices(office.two), QString("1:2,2:3"));
    }
};

QTEST_GUILESS_MAIN(TestWorkstations)
#include "tst_workstations.moc"
