#pragma once

#include "ReportData.h"
#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"

#include <QtTest>

namespace reporttest {

// A fresh database with the fixed report rows of ReportData.h, under the
// fixed clock; a test adds its own rows in its constructor.
struct ReportFixture
{
    TestDatabase tdb;
    data::Connection conn;
    FixedClock clock;

    explicit ReportFixture(const QString &connectionName) : conn(connectionName)
    {
        conn.setDatabaseName(tdb.path());
        conn.open();
        reportdata::fill(&conn);
    }

    // Every line of every laid-out page.
    QStringList lines(const reports::ReportDefinition &def)
    {
        reports::ReportDocument doc(def, &conn);
        doc.layoutAll();
        QStringList all;
        for (int i = 0; i < doc.pageCount(); ++i)
            all += doc.pageLines(i);
        return all;
    }

    // The PDF's text, as the golden files hold it.
    QString text(const reports::ReportDefinition &def)
    {
        QString error;
        const QString t = reportText(def, &conn, &error);
        [&] { QVERIFY2(error.isEmpty(), qPrintable(error)); }();
        return t;
    }
};

// The parameters of a report over a period, with its order when given.
inline QVariantMap period(const QDate &from, const QDate &to, const QString &order = {})
{
    QVariantMap p{{QStringLiteral("INICIO"), from}, {QStringLiteral("FIM"), to}};
    if (!order.isEmpty())
        p.insert(QStringLiteral("ORDEM"), order);
    return p;
}

} // namespace reporttest
