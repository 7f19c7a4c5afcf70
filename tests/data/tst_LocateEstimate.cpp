// A row located far down a long list is shown at once at an estimated place,
// and its exact place is counted afterwards.
#include "TestDatabase.h"
#include "data/DataSetModel.h"
#include "data/UnitDM.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace data;

class TestLocateEstimate : public QObject
{
    Q_OBJECT

    static constexpr int Rows = 3000;
    TestDatabase m_tdb;
    std::unique_ptr<TDM> m_dm;

    // Names in an order unrelated to the keys, each name twice, half the
    // suppliers in MT; a few keys left out, so the key range has gaps.
    void seed()
    {
        QSqlDatabase db = m_dm->IBDatabase1->database();
        db.transaction();
        QSqlQuery q(db);
        QVERIFY(q.prepare("INSERT INTO FORNECEDOR (CODIGOFORNECEDOR, NOMEFORNECEDOR, NOMEFANTASIA, INSCESTADUAL, "
                          "CIDADE, CIDADEUF) VALUES (?, ?, 'F', ?, 'SINOP', ?)"));
        for (int i = 0, key = 1; i < Rows; ++i, key += (i % 97 == 0) ? 5 : 1) {
            q.addBindValue(key);
            q.addBindValue(QString("NOME %1").arg((i * 7919) % Rows / 2, 5, 10, QChar('0')));
            q.addBindValue(QString("13%1").arg(i, 9, 10, QChar('0')));
            q.addBindValue(QString(i % 2 ? "MT" : "RO"));
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
        QVERIFY(db.commit());
    }

    // The keys in the set's order, straight from the database.
    QVector<int> orderedKeys(const QString &where = {})
    {
        QSqlQuery q(m_dm->IBDatabase1->database());
        q.exec("SELECT CODIGOFORNECEDOR FROM FORNECEDOR " + (where.isEmpty() ? QString() : "WHERE " + where)
               + " ORDER BY NOMEFORNECEDOR, CODIGOFORNECEDOR");
        QVector<int> keys;
        while (q.next())
            keys << q.value(0).toInt();
        return keys;
    }

    QString nameOfKey(int key)
    {
        QSqlQuery q(m_dm->IBDatabase1->database());
        q.prepare("SELECT NOMEFORNECEDOR FROM FORNECEDOR WHERE CODIGOFORNECEDOR = ?");
        q.addBindValue(key);
        q.exec();
        return q.next() ? q.value(0).toString() : QString();
    }

    Table *suppliers()
    {
        Table *t = m_dm->TFornecedor;
        t->close();
        t->setIndexFieldNames("NOMEFORNECEDOR");
        t->setEstimateAfter(100);
        t->setSettleDelay(60000); // settled by the test, not by the clock
        t->open();
        return t;
    }

    int key(Table *t) { return t->value("CODIGOFORNECEDOR").toInt(); }

private slots:
    void initTestCase()
    {
        m_dm = std::make_unique<TDM>();
        m_dm->IBDatabase1->setDatabaseName(m_tdb.path());
        m_dm->IBDatabase1->ensureConnected();
        seed();
    }

    // The located row is the first in the order with the name; its place is
    // near the true one, its page holds its true neighbours, and settling
    // moves it to the exact place and tells the grid.
    void estimatedThenSettled()
    {
        const QVector<int> keys = orderedKeys();
        QCOMPARE(keys.size(), Rows);
        for (bool counted : {false, true}) {
            for (int at : {Rows * 10 / 100, Rows / 2, Rows * 95 / 100}) {
                Table *t = suppliers();
                DataSetModel model(t);
                if (counted)
                    QCOMPARE(model.rowCount(), Rows);
                const QString name = nameOfKey(keys[at]);
                const int first = keys[at - 1] != 0 && nameOfKey(keys[at - 1]) == name ? at - 1 : at;
                QSignalSpy resets(t, &DataSet::dataReset);
                QVERIFY(t->locate("NOMEFORNECEDOR", name.toLower()));
                QCOMPARE(key(t), keys[first]);
                QVERIFY(t->isPositionEstimated());
                QVERIFY(resets.count() >= 1);
                QVERIFY2(qAbs(t->recNo() - first) < Rows / 10,
                         qPrintable(QString("estimate %1, exact %2").arg(t->recNo()).arg(first)));
                if (counted)
                    QVERIFY(t->recNo() < Rows);
                // Neighbours inside the page come without counting.
                const int shown = t->recNo();
                QCOMPARE(t->valueAt(shown + 1, t->fieldIndex("CODIGOFORNECEDOR")).toInt(), keys[first + 1]);
                QCOMPARE(t->valueAt(shown - 1, t->fieldIndex("CODIGOFORNECEDOR")).toInt(), keys[first - 1]);
                t->prior();
                QCOMPARE(key(t), keys[first - 1]);
                QVERIFY(t->isPositionEstimated());
                t->next();

                resets.clear();
                QSignalSpy moves(t, &DataSet::rowChanged);
                t->settlePosition();
                QVERIFY(!t->isPositionEstimated());
                QCOMPARE(t->recNo(), first);
                QCOMPARE(key(t), keys[first]);
                QCOMPARE(resets.count(), 1);
                QCOMPARE(moves.count(), 1);
                QCOMPARE(model.data(model.index(first + 1, t->fieldIndex("CODIGOFORNECEDOR"))).toInt(), keys[first + 1]);
                t->last();
                QCOMPARE(key(t), keys.last());
            }
        }
    }

    // Walking off the estimated page settles first: the rows keep coming
    // in order, and the places are exact from there on.
    void walkingOffThePage()
    {
        const QVector<int> keys = orderedKeys();
        Table *t = suppliers();
        const int at = Rows * 80 / 100;
        QVERIFY(t->locate("NOMEFORNECEDOR", nameOfKey(keys[at])));
        const int first = key(t) == keys[at] ? at : at - 1;
        QCOMPARE(key(t), keys[first]);
        for (int step = 1; step <= 200; ++step) {
            t->next();
            QCOMPARE(key(t), keys[first + step]);
        }
        QVERIFY(!t->isPositionEstimated());
        QCOMPARE(t->recNo(), first + 200);
        for (int step = 1; step <= 150; ++step)
            t->prior();
        QCOMPARE(key(t), keys[first + 50]);

        // Editing an estimated row settles it, and the change is stored.
        QVERIFY(t->locate("NOMEFORNECEDOR", nameOfKey(keys[Rows - 300])));
        QVERIFY(t->isPositionEstimated());
        const int edited = key(t);
        t->edit();
        QVERIFY(!t->isPositionEstimated());
        t->setValue("NOMEFANTASIA", "MUDOU");
        t->post();
        QCOMPARE(key(t), edited);
        QCOMPARE(t->recNo(), int(keys.indexOf(edited)));
        QSqlQuery q(m_dm->IBDatabase1->database());
        q.exec(QString("SELECT NOMEFANTASIA FROM FORNECEDOR WHERE CODIGOFORNECEDOR = %1").arg(edited));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("MUDOU"));
    }

    // A second search while the first is still estimated, a search that
    // finds nothing (the row stays), a filtered set, and the clock settling.
    void searchesFiltersAndTheClock()
    {
        const QVector<int> keys = orderedKeys();
        Table *t = suppliers();
        QVERIFY(t->locate("NOMEFORNECEDOR", nameOfKey(keys[Rows * 60 / 100])));
        QVERIFY(t->isPositionEstimated());
        const QString far = nameOfKey(keys[Rows * 90 / 100]);
        QVERIFY(t->locate("NOMEFORNECEDOR", far));
        QCOMPARE(t->asString("NOMEFORNECEDOR"), far);
        const int found = key(t);
        QVERIFY(!t->locate("NOMEFORNECEDOR", "ZZZ"));
        QCOMPARE(key(t), found);
        t->settlePosition();
        QCOMPARE(t->recNo(), int(keys.indexOf(found)));

        // Only MT suppliers: the estimate and the settled place are within the filter.
        const QVector<int> mt = orderedKeys("CIDADEUF = 'MT'");
        t->close();
        t->setFilter("CIDADEUF = :uf", {{"uf", "MT"}});
        t->setFiltered(true);
        t->open();
        const int at = int(mt.size()) * 95 / 100;
        const QString name = nameOfKey(mt[at]);
        QVERIFY(t->locate("NOMEFORNECEDOR", name));
        QCOMPARE(key(t), mt[at]); // duplicates are one MT, one RO
        QVERIFY(t->isPositionEstimated());
        QVERIFY2(qAbs(t->recNo() - at) < int(mt.size()) / 10, qPrintable(QString::number(t->recNo())));
        t->setSettleDelay(10);
        QVERIFY(t->locate("NOMEFORNECEDOR", name));
        QTRY_VERIFY(!t->isPositionEstimated());
        QCOMPARE(t->recNo(), at);
        t->setFiltered(false);
        t->close();

        // Close to the start the place is counted at once.
        t = suppliers();
        QVERIFY(t->locate("NOMEFORNECEDOR", nameOfKey(keys[20])));
        QVERIFY(!t->isPositionEstimated());
        QCOMPARE(key(t), keys[keys[19] != 0 && nameOfKey(keys[19]) == nameOfKey(keys[20]) ? 19 : 20]);
    }
};

QTEST_GUILESS_MAIN(TestLocateEstimate)
#include "tst_LocateEstimate.moc"
