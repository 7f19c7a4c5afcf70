// The worker that tst_killrun kills: saves, changes and deletes suppliers
// and log intake invoices with their lines, through the data module and the
// invoice rules, until it is killed.
//   rules_killrun_child DATABASE LOG FIRST SEED
// Each operation writes "B <op>" to LOG before it starts and "C <op>" once
// its commit has returned, each with one write() of its own, so the log
// says what the database must hold, whatever instant the kill comes at.
// Invoice numbers and supplier names count up from FIRST.

#include "data/DataError.h"
#include "data/Statement.h"
#include "data/StockSummary.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "rules/LogInvoice.h"

#include <QCoreApplication>

#include <cstdio>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace {

int g_log = -1;

void logLine(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(g_log, bytes.constData(), size_t(bytes.size())) != bytes.size())
        std::_Exit(4);
}

struct Worker
{
    data::TDM dm;
    data::Connection *c = dm.IBDatabase1;
    std::mt19937_64 rng;
    qint64 next;

    Worker(const QString &path, qint64 first, quint64 seed) : rng(seed), next(first)
    {
        c->setDatabaseName(path);
        c->open();
    }

    int pick(int n) { return int(rng() % quint64(n)); }

    // A row of the table chosen at random, or nothing when it is empty.
    QVariantList anyRow(const QString &columns, const QString &table)
    {
        const int rows = data::firstRow(c, "select count(*) from " + table).value(0).toInt();
        if (rows == 0)
            return {};
        return data::firstRow(c, QStringLiteral("select first 1 skip (:n) %1 from %2").arg(columns, table),
                              {{"n", pick(rows)}});
    }

    void newSupplier()
    {
        const QString name = QStringLiteral("K%1").arg(next++);
        logLine("B S+ " + name);
        data::Table *t = dm.TFornecedor;
        t->open();
        t->append();
        t->setValue("NOMEFORNECEDOR", name);
        t->setValue("NOMEFANTASIA", name);
        t->setValue("CNPJ", "11.222.333/0001-81");
        t->setValue("CIDADEUF", "PA");
        t->post();
        logLine("C S+ " + name + " " + name);
    }

    void changeSupplier()
    {
        const QVariantList row = anyRow("CODIGOFORNECEDOR, NOMEFORNECEDOR", "FORNECEDOR");
        if (row.isEmpty())
            return;
        const QString name = row[1].toString();
        const QString token = QStringLiteral("T%1").arg(next++);
        logLine("B S~ " + name);
        data::Table *t = dm.TFornecedor;
        t->open();
        if (!t->locate("CODIGOFORNECEDOR", row[0]))
            std::_Exit(5);
        t->edit();
        t->setValue("NOMEFANTASIA", token);
        t->post();
        logLine("C S~ " + name + " " + token);
    }

    void deleteSupplier()
    {
        const QVariantList row = anyRow("CODIGOFORNECEDOR, NOMEFORNECEDOR", "FORNECEDOR");
        if (row.isEmpty())
            return;
        const QString name = row[1].toString();
        logLine("B S- " + name);
        data::Table *t = dm.TFornecedor;
        t->open();
        if (!t->locate("CODIGOFORNECEDOR", row[0]))
            std::_Exit(5);
        t->remove();
        logLine("C S- " + name);
    }

    void addLine(qint64 number, int supplier)
    {
        data::Table *l = dm.TEntrada_discriminacao;
        l->append();
        l->setValue("NFNUMERO", double(number));
        l->setValue("CODIGOFORNECEDOR", supplier);
        l->setValue("CODIGOESSENCIA", 1 + pick(3));
        l->setValue("QUANTIDADE", (1 + pick(40000)) / 10000.0);
        l->setValue("SITUACAO", 0);
        l->setValue("CPF", 11144477735.0);
        l->setValue("CODIGOPRODUTO", double(next++)); // the log plate, unique
        l->post();
    }

    // Header and lines in one transaction, as the intake window saves them.
    void newInvoice()
    {
        const qint64 number = next++;
        const int supplier = 1 + pick(3);
        const int lines = 1 + pick(6);
        const QString op = QStringLiteral("I %1").arg(number);
        logLine("B I+ " + op);
        data::Transaction work(c);
        data::Table *h = dm.TEntrada;
        h->open();
        h->append();
        h->setValue("NF_NUMERO", double(number));
        h->setValue("CODIGOFORNECEDOR", supplier);
        h->setValue("RAZAO_SOCIAL", "SERRARIA");
        h->post();
        dm.TEntrada_discriminacao->open();
        for (int i = 0; i < lines; ++i)
            addLine(number, supplier);
        work.commit();
        logLine(QStringLiteral("C I+ %1 %2").arg(op).arg(lines));
    }

    // New volumes for every line and one line more, all or nothing.
    void changeInvoice()
    {
        const QVariantList row = anyRow("NF_NUMERO, CODIGOFORNECEDOR", "ENTRADA_TOROS");
        if (row.isEmpty())
            return;
        const qint64 number = row[0].toLongLong();
        const QString op = QStringLiteral("I %1").arg(number);
        logLine("B I~ " + op);
        data::Transaction work(c);
        const QVariantMap key{{"nf", row[0]}, {"forn", row[1]}};
        data::execute(c,
                      "update ENTRADA_TOROS_DISCRIMINACAO set QUANTIDADE = QUANTIDADE + 0.5 "
                      "where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn",
                      key);
        dm.TEntrada_discriminacao->open();
        addLine(number, row[1].toInt());
        const int lines = rules::LogInvoice(c).lineCount({row[0], row[1]});
        work.commit();
        logLine(QStringLiteral("C I~ %1 %2").arg(op).arg(lines));
    }

    void deleteInvoice()
    {
        const QVariantList row = anyRow("CODIGOENTRADA, NF_NUMERO", "ENTRADA_TOROS");
        if (row.isEmpty())
            return;
        const QString op = QStringLiteral("I %1").arg(row[1].toLongLong());
        logLine("B I- " + op);
        if (!rules::LogInvoice(c).remove(row[0]))
            std::_Exit(6); // nothing here is ever sawn
        logLine("C I- " + op);
    }

    void run()
    {
        for (;;) {
            const int r = pick(100);
            if (r < 12)
                newSupplier();
            else if (r < 20)
                changeSupplier();
            else if (r < 25)
                deleteSupplier();
            else if (r < 60)
                newInvoice();
            else if (r < 75)
                changeInvoice();
            else if (r < 97)
                deleteInvoice();
            else
                data::StockSummary::fold(c);
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "uso: %s BANCO LOG PRIMEIRO SEMENTE\n", argv[0]);
        return 2;
    }
    g_log = ::open(argv[2], O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (g_log < 0)
        return 3;
    try {
        Worker worker(QString::fromLocal8Bit(argv[1]), std::atoll(argv[3]), std::strtoull(argv[4], nullptr, 10));
        logLine("O open");
        worker.run();
    } catch (const data::DataError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
