#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/DataSetModel.h"
#include "data/UnitDM.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <functional>
#include <unistd.h>

using namespace data;

class TestDataSet : public QObject
{
    Q_OBJECT

private:
    static void addSpecies(TDM &dm, const QStringList &names)
    {
        dm.TEssencia->open();
        for (const QString &n : names) {
            dm.TEssencia->append();
            dm.TEssencia->setValue("ESSENCIA", n);
            for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
                dm.TEssencia->setValue(c, 0);
            dm.TEssencia->post();
        }
    }

    static void bulkLogs(TDM &dm, int count)
    {
        dm.IBDatabase1->ensureConnected();
        QSqlDatabase db = dm.IBDatabase1->database();
        db.transaction();
        QSqlQuery q(db);
        q.prepare("INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                  "QUANTIDADE, SITUACAO, CPF, ESSENCIA) VALUES (?, ?, ?, ?, ?, 0, ?)");
        for (int i = 0; i < count; ++i) {
            q.addBindValue(double(i + 1));
            q.addBindValue(double(i / 10));
            q.addBindValue(double(i % 3));
            q.addBindValue(0.5 + (i % 7) * 0.25);
            q.addBindValue(double(i % 4 == 0 ? 1 : 0));
            q.addBindValue(QString(QChar('A' + i % 26)) + QString::number(i));
            QVERIFY(q.exec());
        }
        db.commit();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Opening while disconnected connects; new rows get increasing keys and
    // the row just posted is the current one; navigation flags behave.
    void postNavigateAndKeys()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        QVERIFY(!dm.IBDatabase1->isConnected());
        dm.TEssencia->setIndexFieldNames("ESSENCIA");
        dm.TEssencia->open();
        QVERIFY(dm.IBDatabase1->isConnected());
        QCOMPARE(dm.TEssencia->recordCount(), 0);
        QVERIFY(dm.TEssencia->bof() && dm.TEssencia->eof());

        addSpecies(dm, {"IPE", "CEDRO", "MOGNO"});
        QCOMPARE(dm.TEssencia->recordCount(), 3);
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("MOGNO"));
        QCOMPARE(dm.TEssencia->value("CODIGO").toInt(), 3);
        QCOMPARE(dm.TEssencia->recNo(), 2); // CEDRO, IPE, MOGNO

        dm.TEssencia->first();
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("CEDRO"));
        QVERIFY(dm.TEssencia->bof());
        QStringList seen;
        while (!dm.TEssencia->eof()) {
            seen << dm.TEssencia->asString("ESSENCIA");
            dm.TEssencia->next();
        }
        QCOMPARE(seen, QStringList({"CEDRO", "IPE", "MOGNO"}));
        dm.TEssencia->last();
        QVERIFY(dm.TEssencia->eof());
        dm.TEssencia->prior();
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("IPE"));

        // A failed locate leaves the row where it was; a partial one ignores case.
        QVERIFY(!dm.TEssencia->locate("ESSENCIA", "xyz"));
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("IPE"));
        QVERIFY(dm.TEssencia->locate("ESSENCIA", "mog"));
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("MOGNO"));

        // Only post stores a change: moving, locating, appending or
        // refreshing drops it; cancel restores.
        auto stored = [&] {
            Query q(dm.IBDatabase1, "select ESSENCIA from ESSENCIA order by ESSENCIA");
            q.open();
            QStringList names;
            for (q.first(); !q.eof(); q.next())
                names << q.asString("ESSENCIA");
            return names;
        };
        const QStringList before = stored();
        const std::function<void()> leaving[] = {
            [&] { dm.TEssencia->first(); },
            [&] { dm.TEssencia->locate("ESSENCIA", "CED"); },
            [&] { dm.TEssencia->locate("ESSENCIA", "MOG"); }, // the row being edited itself
            [&] { dm.TEssencia->refresh(); },
            [&] { dm.TEssencia->append(); },
        };
        for (const auto &leave : leaving) {
            QVERIFY(dm.TEssencia->locate("ESSENCIA", "MOGNO"));
            dm.TEssencia->setValue("ESSENCIA", "MOGNO BRANCO");
            QCOMPARE(dm.TEssencia->state(), DataSetState::Edit);
            leave();
            dm.TEssencia->cancel();
            QCOMPARE(stored(), before);
        }
        QVERIFY(dm.TEssencia->locate("ESSENCIA", "MOGNO"));
        dm.TEssencia->setValue("ESSENCIA", "MOGNO BRANCO");
        dm.TEssencia->post();
        QVERIFY(dm.TEssencia->locate("ESSENCIA", "MOGNO B"));
        dm.TEssencia->setValue("ESSENCIA", "OUTRO");
        dm.TEssencia->cancel();
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("MOGNO BRANCO"));
        QCOMPARE(stored(), QStringList({"CEDRO", "IPE", "MOGNO BRANCO"}));

        dm.TEssencia->remove();
        QCOMPARE(dm.TEssencia->recordCount(), 2);
    }

    // The database's refusal reaches the caller with its text, and the row
    // stays pending so the user can mend it.
    void refusedPostKeepsRow()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        addSpecies(dm, {"IPE"});
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", "IPE");
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            dm.TEssencia->setValue(c, 0);
        try {
            dm.TEssencia->post();
            QFAIL("duplicate accepted");
        } catch (const DataError &e) {
            QVERIFY2(e.message().contains("INDESSENCIA"), qPrintable(e.message()));
        }
        QCOMPARE(dm.TEssencia->state(), DataSetState::Insert);
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("IPE"));
        dm.TEssencia->setValue("ESSENCIA", "IPE AMARELO");
        dm.TEssencia->post();
        QCOMPARE(dm.TEssencia->recordCount(), 2);

        // Missing NOT NULL columns are refused too.
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", "SEM ESTOQUE");
        QVERIFY_THROWS_EXCEPTION(DataError, dm.TEssencia->post());
        dm.TEssencia->cancel();
        QCOMPARE(dm.TEssencia->recordCount(), 2);
    }

    // Conditions with bound values (a quote in the text is harmless), index
    // order with direction, master/detail, a lazy grid model over many rows.
    void filtersOrdersAndPages()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        bulkLogs(dm, 1000);

        Table *t = dm.TEntrada_discriminacao;
        t->setFilter("NFNUMERO = :nf and CODIGOFORNECEDOR = :forn", {{"nf", 5}, {"forn", 1}});
        t->setFiltered(true);
        t->open();
        QCOMPARE(t->recordCount(), 3); // lines 51..60 of invoice 5, every third supplier 1
        t->setFilter("ESSENCIA = :e", {{"e", QString("X' or '1'='1")}});
        QCOMPARE(t->recordCount(), 0);
        t->setFiltered(false);
        QCOMPARE(t->recordCount(), 1000);

        t->setIndexFieldNames("QUANTIDADE;CODIGOPRODUTO");
        t->last();
        QCOMPARE(t->value("QUANTIDADE").toDouble(), 2.0);
        QCOMPARE(t->value("CODIGOPRODUTO").toDouble(), 994.0); // i = 993: the last with i % 7 == 6
        t->moveTo(500);
        const QVariant mid = t->value("CODIGOPRODUTO");
        t->first();
        QCOMPARE(t->value("QUANTIDADE").toDouble(), 0.5);
        QVERIFY(t->locate("CODIGOPRODUTO", mid));
        QCOMPARE(t->recNo(), 500);

        // Descending index on ESSENCIA.
        Table *s = dm.TSaida_Discriminacao;
        s->open();
        for (const char *e : {"B", "C", "A"}) {
            s->append();
            s->setValue("ESSENCIA", e);
            s->setValue("CPF", 0);
            s->post();
        }
        s->setIndexName("IND_SAIDA");
        s->first();
        QCOMPARE(s->asString("ESSENCIA"), QString("C"));

        // Master/detail follows the invoice header.
        Table *header = dm.TEntrada1;
        header->open();
        for (int nf : {5, 7}) {
            header->append();
            header->setValue("NF_NUMERO", nf);
            header->setValue("CODIGOFORNECEDOR", 1);
            header->post();
        }
        dm.TEntradaDiscriminacao1->open();
        header->first();
        // Invoice 5 of supplier 1 only: lines 50..59 belong to three suppliers.
        QCOMPARE(dm.TEntradaDiscriminacao1->recordCount(), 3);
        for (dm.TEntradaDiscriminacao1->first(); !dm.TEntradaDiscriminacao1->eof(); dm.TEntradaDiscriminacao1->next()) {
            QCOMPARE(dm.TEntradaDiscriminacao1->value("NFNUMERO").toInt(), 5);
            QCOMPARE(dm.TEntradaDiscriminacao1->value("CODIGOFORNECEDOR").toInt(), 1);
        }
        header->append();
        QCOMPARE(dm.TEntradaDiscriminacao1->recordCount(), 0);
        header->cancel();

        DataSetModel model(t);
        model.setColumns({"CODIGOPRODUTO", "QUANTIDADE"}, {"Plaqueta", "Quantidade"});
        QCOMPARE(model.rowCount(), 1000);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Quantidade"));
        QCOMPARE(model.data(model.index(999, 1)).toString(), QString("2,0000"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QString("0,5000"));
    }

    // Queries run their statement as written: unnamed sums, bound values,
    // long results read in pages and counted.
    void queries()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        bulkLogs(dm, 1000);
        Query q(dm.IBDatabase1);
        q.setSql("select sum(QUANTIDADE) from ENTRADA_TOROS_DISCRIMINACAO where SITUACAO = :s", {{"s", 0}});
        q.open();
        QCOMPARE(q.recordCount(), 1);
        double expected = 0;
        for (int i = 0; i < 1000; ++i)
            if (i % 4 != 0)
                expected += 0.5 + (i % 7) * 0.25;
        QCOMPARE(q.valueAt(0, 0).toDouble(), expected);
        QCOMPARE(q.fields().size(), 1);

        dm.QEntrada_Discriminacao->open();
        QCOMPARE(dm.QEntrada_Discriminacao->recordCount(), 1000);
        QCOMPARE(dm.QEntrada_Discriminacao->displayText("QUANTIDADE"), QString("0,5000"));
        dm.QEntrada_Discriminacao->last();
        QVERIFY(dm.QEntrada_Discriminacao->locate("ESSENCIA", "b1"));
        QCOMPARE(dm.QEntrada_Discriminacao->asString("ESSENCIA"), QString("B1"));
        QVERIFY_THROWS_EXCEPTION(DataError, dm.QEntrada_Discriminacao->append());
        // A plain select of a table is paged and searched like the table.
        dm.QEntrada_Discriminacao->setSql("select * from ENTRADA_TOROS_DISCRIMINACAO where SITUACAO = :s "
                                          "order by QUANTIDADE desc", {{"s", 1}});
        QCOMPARE(dm.QEntrada_Discriminacao->recordCount(), 250);
        QCOMPARE(dm.QEntrada_Discriminacao->asDouble("QUANTIDADE"), 2.0);
        dm.QEntrada_Discriminacao->last();
        QCOMPARE(dm.QEntrada_Discriminacao->asDouble("QUANTIDADE"), 0.5);
        QCOMPARE(dm.QEntrada_Discriminacao->recNo(), 249);
        QVERIFY(dm.QEntrada_Discriminacao->locate("CODIGOPRODUTO", 1));
        QCOMPARE(dm.QEntrada_Discriminacao->asDouble("QUANTIDADE"), 0.5); // i = 0: sawn, 0,5
        QVERIFY(dm.QEntrada_Discriminacao->recNo() >= 250 - 36);
        dm.QEntrada_Discriminacao->setSql("select ESSENCIA, count(*) from ENTRADA_TOROS_DISCRIMINACAO "
                                          "group by ESSENCIA order by 2 desc, 1");
        QCOMPARE(dm.QEntrada_Discriminacao->recordCount(), 1000);
    }

    // Finding a row's place in the order (after a post, a refresh or a locate
    // that the database answers) must agree with the order the rows come in,
    // with repeated values and NULLs, ascending and descending.
    void positionsWithNullsAndRepeats()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Table *s = dm.TSaida_Discriminacao;
        s->open();
        const QVariantList names = {"B", QVariant(), "A", "B", QVariant(), "C", "A", "B"};
        for (const QVariant &n : names) {
            s->append();
            if (!n.isNull())
                s->setValue("ESSENCIA", n);
            s->setValue("CPF", 0);
            s->post();
            QVERIFY(!s->value("CODDISCRIMINACAO").isNull());
        }
        for (const QString &order : {QString("IND_SAIDA"), QString()}) {
            if (order.isEmpty())
                s->setIndexFieldNames("ESSENCIA");
            else
                s->setIndexName(order);
            QCOMPARE(s->recordCount(), names.size());
            for (int i = 0; i < names.size(); ++i) {
                QVERIFY(s->moveTo(i));
                const QVariant key = s->value("CODDISCRIMINACAO");
                s->refresh();
                QCOMPARE(s->recNo(), i);
                QCOMPARE(s->value("CODDISCRIMINACAO"), key);
            }
        }
        s->first();
        QVERIFY(s->isNull("ESSENCIA")); // ascending puts NULLs first
        QVERIFY(s->locate("ESSENCIA", "c"));
        QCOMPARE(s->recNo(), int(names.size()) - 1);
    }

    // A row found by the database gets its place counted from the current
    // row, from the end of a counted set, or from the start; all agree.
    void positionsFromNearPoints()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.IBDatabase1->ensureConnected();
        QSqlQuery q(dm.IBDatabase1->database());
        q.prepare("INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (ESSENCIA, CPF) VALUES (?, 0)");
        for (int i = 0; i < 300; ++i) {
            q.addBindValue(i % 7 == 0 ? QVariant(QMetaType(QMetaType::QString)) : QVariant(QString("E%1").arg(i % 5)));
            QVERIFY(q.exec());
        }
        Table *s = dm.TSaida_Discriminacao;
        for (const QString &index : {QString("IND_SAIDA"), QString("ESSENCIA")}) {
            if (index == "IND_SAIDA")
                s->setIndexName(index);
            else
                s->setIndexFieldNames(index);
            s->open();
            QVector<QVariant> keys;
            for (s->first(); !s->eof(); s->next())
                keys << s->value("CODDISCRIMINACAO");
            QCOMPARE(keys.size(), 300);
            for (int cap : {20000, 0}) {
                s->setCountCap(cap);
                for (int anchor : {0, 5, 150, 299}) {
                    for (int target : {3, 140, 200, 298}) {
                        s->close();
                        s->open();
                        if (cap == 0)
                            s->recordCount();
                        QVERIFY(s->moveTo(anchor));
                        QVERIFY(s->locate("CODDISCRIMINACAO", keys[target]));
                        QCOMPARE(s->recNo(), target);
                        // The page read around the found row holds its neighbours.
                        for (int row : {target - 1, target + 1, (target / 128) * 128}) {
                            QVERIFY(s->moveTo(row));
                            QCOMPARE(s->value("CODDISCRIMINACAO"), keys[row]);
                        }
                    }
                }
            }
            s->close();
        }
    }

    // Clear messages for what cannot be opened, and nothing changes.
    void badDatabases()
    {
        QTemporaryDir dir;
        Connection c("bad");
        c.setDatabaseName(dir.filePath("NAOEXISTE.GDB"));
        try { c.open(); QFAIL("opened"); } catch (const DataError &e) {
            QVERIFY(e.message().startsWith("O arquivo do banco de dados não existe"));
        }
        QFile junk(dir.filePath("JUNK.GDB"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(20000, 'x'));
        junk.close();
        c.setDatabaseName(junk.fileName());
        try { c.open(); QFAIL("opened"); } catch (const DataError &e) {
            QVERIFY2(e.message().contains("não é um banco de dados válido"), qPrintable(e.message()));
        }
        QCOMPARE(junk.size(), qint64(20000));
        c.setDatabaseName("127.0.0.1/1:/tmp/NADA.GDB");
        try { c.open(); QFAIL("opened"); } catch (const DataError &e) {
            QVERIFY2(e.message().startsWith("Não foi possível conectar ao servidor"), qPrintable(e.message()));
        }
        QVERIFY(!c.isConnected());
    }

    // Every post is committed at once: rows posted by a process that is then
    // killed are all there when the database is opened again.
    void postsSurviveKill()
    {
        TestDatabase tdb;
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({"--post-and-wait", tdb.path()});
        child.start();
        QVERIFY(child.waitForStarted());
        QByteArray out;
        while (!out.contains("posted")) {
            QVERIFY2(child.waitForReadyRead(30000), out.constData());
            out += child.readAllStandardOutput();
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TEssencia->open();
        QCOMPARE(dm.TEssencia->recordCount(), 25);
        dm.TEssencia->last();
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("ESPECIE 24"));
    }
};

static int postAndWait(const QString &path)
{
    TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    dm.TEssencia->open();
    for (int i = 0; i < 25; ++i) {
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", QString("ESPECIE %1").arg(i));
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            dm.TEssencia->setValue(c, 0);
        dm.TEssencia->post();
    }
    fputs("posted\n", stdout);
    fflush(stdout);
    for (;;)
        pause();
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--post-and-wait")
        return postAndWait(QString::fromLocal8Bit(argv[2]));
    TestDataSet t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_dataset.moc"
