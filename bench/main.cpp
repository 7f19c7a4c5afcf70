// Timings of the data layer on a large database, each beside the same SQL
// sent straight through the client library, so that the cost of our own
// layer stands apart from the cost of the database.
//
//   quelvora-bench seed [--force] [PATH]   fill PATH (kept and reused when complete)
//   quelvora-bench run [PATH]              measure and print the table

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/UnitDM.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <ibase.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

using data::DataError;
using data::Query;
using data::Table;
using data::TDM;

namespace {

const char *DefaultPath = "/tmp/quelvora-bench.fdb";

constexpr int LogLines = 1000000;
constexpr int LinesPerInvoice = 20;
constexpr int Invoices = LogLines / LinesPerInvoice;
constexpr int Suppliers = 100000;
constexpr int SawnLines = 200000;
constexpr int SpeciesCount = 20;
constexpr int SawnProducts = 10;
constexpr int ChunkRows = 100000; // rows per transaction while seeding

const char *const SpeciesNames[SpeciesCount] = {
    "ANGELIM", "CEDRO", "CUMARU", "IPE", "JATOBA", "MOGNO", "TAUARI", "CUPIUBA", "MASSARANDUBA",
    "GARAPEIRA", "AMESCLA", "CEDRINHO", "FREIJO", "ITAUBA", "JEQUITIBA", "MARUPA", "PEROBA",
    "SUCUPIRA", "TATAJUBA", "CASTANHEIRA"};

// 50 x 50 x 40 parts give 100,000 distinct supplier names.
const char *const FirstNames[50] = {
    "ADAO", "ALICE", "ANTONIO", "BEATRIZ", "BENEDITO", "CARLOS", "CECILIA", "CLAUDIO", "DANIEL",
    "DEBORA", "EDSON", "ELIANA", "FABIO", "FATIMA", "GERALDO", "GLORIA", "HELENA", "HUGO", "IARA",
    "IVAN", "JOAO", "JOSEFA", "JULIO", "KATIA", "LAURO", "LUCIA", "MANOEL", "MARIA", "NELSON",
    "NEUSA", "OSVALDO", "OLGA", "PAULO", "PRISCILA", "QUITERIA", "RAIMUNDO", "REGINA", "SEBASTIAO",
    "SILVIA", "TADEU", "TEREZA", "ULISSES", "URSULA", "VALDIR", "VERA", "WALTER", "WANDA", "XAVIER",
    "YARA", "ZACARIAS"};
const char *const MiddleNames[50] = {
    "ALVES", "AMARAL", "ARAUJO", "BARBOSA", "BATISTA", "BORGES", "CAMPOS", "CARDOSO", "CARVALHO",
    "CASTRO", "CORREIA", "COSTA", "CUNHA", "DIAS", "DUARTE", "FARIAS", "FERREIRA", "FONSECA",
    "FREITAS", "GOMES", "LIMA", "LOPES", "MACEDO", "MACHADO", "MARQUES", "MARTINS", "MELO",
    "MENDES", "MIRANDA", "MONTEIRO", "MOREIRA", "MOURA", "NASCIMENTO", "NOGUEIRA", "NUNES",
    "OLIVEIRA", "PEREIRA", "PINTO", "RAMOS", "REIS", "RIBEIRO", "ROCHA", "SANTOS", "SILVA",
    "SOARES", "SOUZA", "TEIXEIRA", "TAVARES", "VIEIRA", "XIMENES"};
const char *const LastNames[40] = {
    "MADEIRAS", "SERRARIA", "AGROPECUARIA", "FLORESTAL", "COMERCIO", "EXTRATIVA", "TRANSPORTES",
    "MANEJO", "REFLORESTAMENTO", "FAZENDA", "SITIO", "LAMINADOS", "TOROS", "SERRADOS",
    "COMPENSADOS", "EMPREENDIMENTOS", "INDUSTRIA", "MADEIREIRA", "AMAZONIA", "RONDONIA",
    "PARA", "MATO GROSSO", "ACRE", "TAPAJOS", "XINGU", "MADEIRA", "JURUENA", "ARIPUANA",
    "GUAPORE", "TOCANTINS", "ARAGUAIA", "TELES PIRES", "JAMARI", "MACHADINHO", "CACOAL",
    "SINOP", "ALTA FLORESTA", "MARABA", "PARAGOMINAS", "ALTAMIRA"};

QString supplierName(int i)
{
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(FirstNames[i % 50]), QLatin1String(MiddleNames[(i / 50) % 50]),
             QLatin1String(LastNames[(i / 2500) % 40]));
}

double round4(double v) { return std::round(v * 10000.0) / 10000.0; }

void check(bool ok, const QSqlQuery &q)
{
    if (!ok)
        throw DataError(q.lastError().text() + QStringLiteral("\n") + q.lastQuery());
}

// Inserts rows in chunks, each chunk one transaction with one prepared statement.
class Inserter
{
public:
    Inserter(QSqlDatabase db, const QString &sql) : m_db(db), m_sql(sql) {}
    ~Inserter() { finish(); }

    void add(const QVariantList &values)
    {
        if (!m_query) {
            m_db.transaction();
            m_query.reset(new QSqlQuery(m_db));
            check(m_query->prepare(m_sql), *m_query);
        }
        for (const QVariant &v : values)
            m_query->addBindValue(v);
        check(m_query->exec(), *m_query);
        if (++m_rows % ChunkRows == 0)
            finish();
    }

    void finish()
    {
        if (!m_query)
            return;
        m_query.reset();
        if (!m_db.commit())
            throw DataError(m_db.lastError().text());
    }

private:
    QSqlDatabase m_db;
    QString m_sql;
    std::unique_ptr<QSqlQuery> m_query;
    int m_rows = 0;
};

// Synchronous writes make a bulk load crawl (every page leaving the cache
// waits for the disk); the load runs without them and puts them back after,
// so that the measured file is set up like any other.
void setForcedWrites(const QString &path, bool on)
{
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    const QByteArray file = path.toLocal8Bit();
    const char user[] = "SYSDBA";
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    dpb.append(char(isc_dpb_user_name)).append(char(sizeof user - 1)).append(user, sizeof user - 1);
    dpb.append(char(isc_dpb_force_write)).append(char(1)).append(char(on ? 1 : 0));
    if (isc_attach_database(status, short(file.size()), file.constData(), &handle, short(dpb.size()),
                            dpb.constData()))
        throw DataError(QStringLiteral("Cannot attach %1 to set its write mode").arg(path));
    isc_detach_database(status, &handle);
}

qint64 generatorValue(QSqlDatabase db, const char *generator)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT GEN_ID(%1, 0) FROM RDB$DATABASE").arg(QLatin1String(generator))) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

// A file whose generators stand where a finished seeding leaves them.
bool isSeeded(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    bool complete = false;
    {
        TDM dm;
        dm.IBDatabase1->setDatabaseName(path);
        try {
            dm.IBDatabase1->open();
        } catch (const DataError &) {
            return false;
        }
        QSqlDatabase db = dm.IBDatabase1->database();
        complete = generatorValue(db, "GEN_ENTRADA_TOROS_DISC") == LogLines
                   && generatorValue(db, "GEN_FORNECEDOR") == Suppliers
                   && generatorValue(db, "GEN_SAIDA_MADEIRAS_DISC") == SawnLines;
        dm.IBDatabase1->close();
    }
    return complete;
}

void progress(const char *what, const QElapsedTimer &t)
{
    std::printf("  %-34s done at %6.1f s\n", what, t.elapsed() / 1000.0);
    std::fflush(stdout);
}

void fill(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    data::DatabaseCreator::create(path);
    setForcedWrites(path, false);
    progress("schema", clock);

    TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    dm.IBDatabase1->open();
    QSqlDatabase db = dm.IBDatabase1->database();
    std::mt19937 rng(20240501);
    auto uniform = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const QDate firstDay(2019, 1, 2);

    {
        Inserter ins(db, QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (?, 0, 0, 0)"));
        for (const char *name : SpeciesNames)
            ins.add({QString::fromLatin1(name)});
    }
    progress("species", clock);

    // Suppliers go in shuffled, so that name order and key order differ.
    std::vector<int> nameOrder(Suppliers);
    std::iota(nameOrder.begin(), nameOrder.end(), 0);
    std::shuffle(nameOrder.begin(), nameOrder.end(), rng);
    QStringList namesByCode(Suppliers + 1);
    {
        Inserter ins(db, QStringLiteral(
            "INSERT INTO FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, CIDADE, CIDADEUF, CNPJ, INSCESTADUAL, "
            "TIPOCLIENTE, FONE) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int code = 1; code <= Suppliers; ++code) {
            const QString name = supplierName(nameOrder[code - 1]);
            namesByCode[code] = name;
            ins.add({name, name.left(20), QStringLiteral("PORTO VELHO"), QStringLiteral("RO"),
                     QStringLiteral("%1").arg(10000000000000LL + code * 7919LL, 14, 10, QLatin1Char('0')),
                     QString::number(100000000 + code), QStringLiteral("Juridica"),
                     QStringLiteral("69%1").arg(30000000 + code)});
        }
    }
    progress("100,000 suppliers", clock);

    std::vector<int> invoiceSupplier(Invoices + 1);
    {
        Inserter ins(db, QStringLiteral(
            "INSERT INTO ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL, DATA_EMISSAO, DATA_SAIDA, "
            "NATUREZA_OPERACAO, CFOP, UF, VALOR_TOTAL_NOTA, VALOR_TOTAL_PRODUTOS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int nf = 1; nf <= Invoices; ++nf) {
            const int supplier = 1 + pick(Suppliers);
            invoiceSupplier[nf] = supplier;
            const QDateTime day = firstDay.addDays(nf / 40).startOfDay();
            const double total = round4(uniform(2000, 40000));
            ins.add({double(nf), double(supplier), namesByCode[supplier], day, day,
                     QStringLiteral("COMPRA"), 1101.0, QStringLiteral("RO"), total, total});
        }
    }
    progress("50,000 log invoices", clock);

    {
        Inserter ins(db, QStringLiteral(
            "INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, "
            "VALUNITARIO, VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, SITUACAO, "
            "FORNECEDOR, CPF, COMPRIMENTO, DIAMETRO, DIAMETRO1, DIAMETROMEDIA) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < LogLines; ++i) {
            const int nf = 1 + i / LinesPerInvoice;
            const int species = pick(SpeciesCount);
            const double length = round4(uniform(3, 12));
            const double d1 = std::round(uniform(40, 120)), d2 = std::round(uniform(40, 120));
            const double mean = (d1 + d2) / 2;
            const double volume = round4(mean * mean * 0.7854 * length / 10000.0);
            const double price = 180.0 + species * 12.5;
            ins.add({double(invoiceSupplier[nf]), QString::fromLatin1(SpeciesNames[species]), QStringLiteral("M3"),
                     volume, price, round4(volume * price), double(i + 1),
                     firstDay.addDays(nf / 40).startOfDay(), double(nf), double(species + 1),
                     double(pick(10) < 3 ? 1 : 0), namesByCode[invoiceSupplier[nf]], 0.0, length, d1, d2, mean});
            if ((i + 1) % 250000 == 0)
                progress(qPrintable(QStringLiteral("%1 log lines").arg(i + 1)), clock);
        }
    }

    {
        Inserter ins(db, QStringLiteral(
            "INSERT INTO ENTRADA_SERRADA_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, "
            "VALUNITARIO, VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, CPF) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < SawnLines; ++i) {
            const int species = pick(SpeciesCount);
            const double q = round4(uniform(0.5, 8));
            ins.add({double(1 + pick(Suppliers)), QString::fromLatin1(SpeciesNames[species]), QStringLiteral("M3"),
                     q, 900.0, round4(q * 900.0), double(1 + pick(SawnProducts)),
                     firstDay.addDays(i / 200).startOfDay(), double(1 + i / LinesPerInvoice),
                     double(species + 1), 0.0});
        }
    }
    progress("200,000 sawn intake lines", clock);

    {
        // CODPRODUTO is the sawn log's plate, unique; the first 200,000 plates.
        Inserter ins(db, QStringLiteral(
            "INSERT INTO PRODUCAO (CODPRODUTO, ESSENCIA, QTORA, QSERRADA, DATA, PRODUTO, CODIGOESSENCIA, "
            "RESULTADO, VALTORA) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < SawnLines; ++i) {
            const int species = pick(SpeciesCount);
            const double log = round4(uniform(0.5, 4));
            const double sawn = round4(log * uniform(0.35, 0.6));
            ins.add({double(i + 1), QString::fromLatin1(SpeciesNames[species]), log, sawn,
                     firstDay.addDays(i / 150).startOfDay(), QStringLiteral("TABUA"), double(species + 1),
                     round4(sawn / log * 100), round4(log * 200)});
        }
    }
    progress("200,000 production rows", clock);

    {
        Inserter ins(db, QStringLiteral(
            "INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, "
            "VALUNITARIO, VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, CPF, "
            "COMPRIMENTO, LARGURA, EXPESSURA, TOTALM3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < SawnLines; ++i) {
            const int species = pick(SpeciesCount);
            const double pieces = 1 + pick(60);
            const double length = round4(uniform(2, 6)), width = 0.3, thick = 0.05;
            const double m3 = round4(pieces * length * width * thick);
            ins.add({double(1 + pick(Suppliers)), QString::fromLatin1(SpeciesNames[species]), QStringLiteral("M/3"),
                     pieces, 1200.0, round4(m3 * 1200.0), double(1 + pick(SawnProducts)),
                     firstDay.addDays(i / 200).startOfDay(), double(1 + i / LinesPerInvoice),
                     double(species + 1), 0.0, length, width, thick, m3});
        }
    }
    progress("200,000 sawn output lines", clock);
    dm.IBDatabase1->close();
    setForcedWrites(path, true);
}

int seed(const QString &path, bool force)
{
    if (!force && isSeeded(path)) {
        std::printf("Reusing the seeded database %s (seed --force to make it again).\n", qPrintable(path));
        return 0;
    }
    // Filled under another name first, so that an interrupted run is never reused.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    std::printf("Seeding %s ...\n", qPrintable(path));
    fill(part);
    {
        // Plans follow the index statistics; a bulk load leaves them at empty.
        data::Connection conn(QStringLiteral("statistics"));
        conn.setDatabaseName(part);
        conn.refreshIndexStatistics();
        conn.close();
    }
    QFile::remove(path);
    if (!QFile::rename(part, path)) {
        std::fprintf(stderr, "Cannot rename %s to %s\n", qPrintable(part), qPrintable(path));
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------- measuring

struct Result
{
    QString name;
    double oursMedian = 0, oursMin = 0;
    double bareMedian = -1, bareMin = -1;
    double goalMs = -1;   // absolute goal for ours, or none
    bool ratioGoal = false; // ours / bare at most 1.2
    QString note;
};

std::vector<Result> results;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

using Step = std::function<double(int rep)>; // returns a value, to compare both sides

struct Case
{
    QString name;
    int reps = 7;
    std::function<void(int rep)> setup; // untimed, before each ours run
    Step ours;
    Step bare;          // may be empty
    double goalMs = -1;
    bool ratioGoal = false;
    bool sameValue = true; // both sides must give the same value
};

double elapsedMs(const Step &step, int rep, double &value)
{
    QElapsedTimer t;
    t.start();
    value = step(rep);
    return t.nsecsElapsed() / 1e6;
}

void measure(const Case &c)
{
    std::printf("  %s ...", qPrintable(c.name));
    std::fflush(stdout);
    std::vector<double> ours, bare;
    QString note;
    // Rep -1 warms the caches and is not counted; the two sides alternate.
    for (int rep = -1; rep < c.reps; ++rep) {
        const int r = std::max(rep, 0);
        double ov = 0, bv = 0;
        if (c.setup)
            c.setup(r);
        const double o = elapsedMs(c.ours, r, ov);
        double b = 0;
        if (c.bare)
            b = elapsedMs(c.bare, r, bv);
        if (c.bare && c.sameValue && std::fabs(ov - bv) > 1e-6 * std::max(1.0, std::fabs(bv)))
            note = QStringLiteral("VALUES DIFFER: ours %1, bare %2").arg(ov, 0, 'f', 4).arg(bv, 0, 'f', 4);
        if (rep >= 0) {
            ours.push_back(o);
            if (c.bare)
                bare.push_back(b);
        }
    }
    Result r;
    r.name = c.name;
    r.oursMedian = median(ours);
    r.oursMin = *std::min_element(ours.begin(), ours.end());
    if (!bare.empty()) {
        r.bareMedian = median(bare);
        r.bareMin = *std::min_element(bare.begin(), bare.end());
    }
    r.goalMs = c.goalMs;
    r.ratioGoal = c.ratioGoal;
    r.note = note;
    results.push_back(r);
    std::printf(" %.1f ms\n", r.oursMedian);
}

QString cell(double v) { return v < 0 ? QStringLiteral("-") : QString::number(v, 'f', 1); }

void printTable()
{
    std::printf("\n%-58s %9s %9s %9s %9s %7s  %-16s %s\n", "measurement (ms)", "ours med", "ours min",
                "bare med", "bare min", "ratio", "goal", "");
    std::printf("%s\n", QString(130, QLatin1Char('-')).toLatin1().constData());
    for (const Result &r : results) {
        const double ratio = r.bareMedian > 0 ? r.oursMedian / r.bareMedian : -1;
        QStringList goals;
        bool ok = true;
        if (r.goalMs > 0) {
            goals << QStringLiteral("<%1 ms").arg(r.goalMs);
            ok = ok && r.oursMedian < r.goalMs;
        }
        if (r.ratioGoal) {
            goals << QStringLiteral("<=1.2x");
            ok = ok && ratio <= 1.2;
        }
        const QString verdict = goals.isEmpty() ? QString() : (ok ? QStringLiteral("ok") : QStringLiteral("MISSED"));
        std::printf("%-58s %9s %9s %9s %9s %7s  %-16s %s %s\n", qPrintable(r.name), qPrintable(cell(r.oursMedian)),
                    qPrintable(cell(r.oursMin)), qPrintable(cell(r.bareMedian)), qPrintable(cell(r.bareMin)),
                    ratio < 0 ? "-" : qPrintable(QString::number(ratio, 'f', 2)),
                    qPrintable(goals.join(QLatin1Char(' '))), qPrintable(verdict), qPrintable(r.note));
    }
}

long peakMemoryKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Executes a statement on the bare connection and returns the first column
// of the first row (or the number of rows read when asked).
double bareValue(QSqlDatabase db, const QString &sql, const QVariantList &params = {}, bool countRows = false)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    check(q.prepare(sql), q);
    for (const QVariant &v : params)
        q.addBindValue(v);
    check(q.exec(), q);
    double value = 0;
    int rows = 0;
    while (q.next()) {
        if (rows == 0)
            value = q.value(0).toDouble();
        if (countRows) {
            for (int i = 0; i < q.record().count(); ++i)
                q.value(i);
        } else {
            break;
        }
        ++rows;
    }
    return countRows ? rows : value;
}

double queryValue(Query *q, const QString &sql, const QVariantMap &params = {})
{
    q->close();
    q->setSql(sql, params);
    q->open();
    return q->valueAt(0, 0).toDouble();
}

// Reads up to n rows from the current one on, every column, as a grid would.
int readRows(Table *t, int n)
{
    int rows = 0;
    const int columns = t->fields().size();
    while (!t->eof() && rows < n) {
        for (int c = 0; c < columns; ++c)
            t->valueAt(t->recNo(), c);
        ++rows;
        t->next();
    }
    return rows;
}

int run(const QString &path)
{
    if (!isSeeded(path)) {
        std::fprintf(stderr, "%s is not a seeded database; run \"quelvora-bench seed %s\" first.\n",
                     qPrintable(path), qPrintable(path));
        return 1;
    }
    TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    dm.IBDatabase1->open();

    // A second attachment in the same process: the embedded engine allows it.
    QSqlDatabase bare = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("bench-bare"));
    bare.setDatabaseName(path);
    bare.setUserName(QString::fromLatin1(data::Connection::User));
    bare.setPassword(QString::fromLatin1(data::Connection::Password));
    bare.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8;ISC_DPB_SQL_DIALECT=3"));
    if (!bare.open())
        throw DataError(bare.lastError().text());

    // Invoices spread over the table, each with its own supplier.
    std::vector<std::pair<double, double>> invoices;
    for (int i = 0; i < 32; ++i) {
        const double nf = 1 + (1234 + i * 7577) % Invoices;
        invoices.push_back({nf, bareValue(bare, QStringLiteral(
            "SELECT FIRST 1 CODIGOFORNECEDOR FROM ENTRADA_TOROS_DISCRIMINACAO WHERE NFNUMERO = ?"), {nf})});
    }
    auto invoice = [&invoices](int rep) { return invoices[size_t(rep) % invoices.size()]; };
    auto species = [](int rep) { return double(1 + (rep * 7) % SpeciesCount); };

    // A supplier name 95% of the way down the alphabetical list.
    QString farName;
    {
        QSqlQuery q(bare);
        check(q.exec(QStringLiteral("SELECT NOMEFORNECEDOR FROM FORNECEDOR ORDER BY NOMEFORNECEDOR ROWS %1 TO %1")
                         .arg(Suppliers * 95 / 100)), q);
        q.next();
        farName = q.value(0).toString();
    }
    const QString farText = farName.left(farName.size() - 3).toLower();
    const QString noneText = QStringLiteral("zz nobody by this name");

    Table *lines = dm.TEntrada_discriminacao;
    Table *suppliers = dm.TFornecedor;
    Query *q1 = new Query(dm.IBDatabase1, {}, &dm);
    Query *q2 = new Query(dm.IBDatabase1, {}, &dm);
    Query *q3 = new Query(dm.IBDatabase1, {}, &dm);

    std::printf("Measuring on %s (median and min of the counted runs, after one warm-up)\n", qPrintable(path));

    // a) Lines of one invoice, as the intake window shows them.
    measure({QStringLiteral("a) invoice lines: open filtered + read 50 rows"), 15, {},
             [&](int rep) {
                 const auto inv = invoice(rep);
                 lines->close();
                 lines->setIndexFieldNames({});
                 lines->setFilter(QStringLiteral("NFNUMERO = :nf and CODIGOFORNECEDOR = :f"),
                                  {{QStringLiteral("nf"), inv.first}, {QStringLiteral("f"), inv.second}});
                 lines->setFiltered(true);
                 lines->open();
                 return double(readRows(lines, 50));
             },
             [&](int rep) {
                 const auto inv = invoice(rep);
                 return bareValue(bare, QStringLiteral(
                     "SELECT * FROM ENTRADA_TOROS_DISCRIMINACAO WHERE NFNUMERO = ? AND CODIGOFORNECEDOR = ? "
                     "ORDER BY CODDISCRIMINACAO ROWS 1 TO 50"), {inv.first, inv.second}, true);
             },
             50, false});

    // b) Record count under a condition.
    measure({QStringLiteral("b) count lines of one species: open filtered + count"), 7, {},
             [&](int rep) {
                 lines->close();
                 lines->setIndexFieldNames({});
                 lines->setFilter(QStringLiteral("CODIGOESSENCIA = :e"), {{QStringLiteral("e"), species(rep)}});
                 lines->setFiltered(true);
                 lines->open();
                 return double(lines->recordCount());
             },
             [&](int rep) {
                 return bareValue(bare, QStringLiteral(
                     "SELECT COUNT(*) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE CODIGOESSENCIA = ?"), {species(rep)});
             },
             -1, true});
    measure({QStringLiteral("b2) count all lines: open unfiltered + count"), 3, {},
             [&](int) {
                 lines->close();
                 lines->setFiltered(false);
                 lines->open();
                 return double(lines->recordCount());
             },
             [&](int) { return bareValue(bare, QStringLiteral("SELECT COUNT(*) FROM ENTRADA_TOROS_DISCRIMINACAO")); },
             -1, true});

    // c) Yard log stock. The sums carry a column name: Query reads its
    // statement as a derived table, and those refuse unnamed columns.
    const QString stockSql = QStringLiteral("select sum(QUANTIDADE) as TOTAL from ENTRADA_TOROS_DISCRIMINACAO where SITUACAO = 0");
    measure({QStringLiteral("c1) yard stock, all species (Query)"), 5, {},
             [&](int) { return queryValue(q1, stockSql); },
             [&](int) { return bareValue(bare, stockSql); }, -1, true});
    measure({QStringLiteral("c2) yard stock, one species (Query)"), 11, {},
             [&](int rep) {
                 return queryValue(q1, stockSql + QStringLiteral(" and CODIGOESSENCIA = :e"),
                                   {{QStringLiteral("e"), species(rep)}});
             },
             [&](int rep) {
                 return bareValue(bare, stockSql + QStringLiteral(" and CODIGOESSENCIA = ?"), {species(rep)});
             },
             -1, true});

    // d) Sawn-wood balance: intake + production - output.
    const QString inSql = QStringLiteral("select sum(QUANTIDADE) as TOTAL from ENTRADA_SERRADA_DISCRIMINACAO");
    const QString prodSql = QStringLiteral("select sum(QSERRADA) as TOTAL from PRODUCAO");
    const QString outSql = QStringLiteral("select sum(TOTALM3) as TOTAL from SAIDA_MADEIRAS_DISCRIMINACAO");
    auto product = [](int rep) { return double(1 + rep % SawnProducts); };
    measure({QStringLiteral("d1) sawn balance, species + product (3 Queries)"), 11, {},
             [&](int rep) {
                 const QVariantMap p{{QStringLiteral("e"), species(rep)}, {QStringLiteral("p"), product(rep)}};
                 return queryValue(q1, inSql + QStringLiteral(" where CODIGOESSENCIA = :e and CODIGOPRODUTO = :p"), p)
                        + queryValue(q2, prodSql + QStringLiteral(" where CODIGOESSENCIA = :e and CODPRODUTO = :p"), p)
                        - queryValue(q3, outSql + QStringLiteral(" where CODIGOESSENCIA = :e and CODIGOPRODUTO = :p"), p);
             },
             [&](int rep) {
                 const QVariantList p{species(rep), product(rep)};
                 return bareValue(bare, inSql + QStringLiteral(" where CODIGOESSENCIA = ? and CODIGOPRODUTO = ?"), p)
                        + bareValue(bare, prodSql + QStringLiteral(" where CODIGOESSENCIA = ? and CODPRODUTO = ?"), p)
                        - bareValue(bare, outSql + QStringLiteral(" where CODIGOESSENCIA = ? and CODIGOPRODUTO = ?"), p);
             },
             -1, true});
    measure({QStringLiteral("d2) sawn balance, product only (3 Queries)"), 7, {},
             [&](int rep) {
                 const QVariantMap p{{QStringLiteral("p"), product(rep)}};
                 return queryValue(q1, inSql + QStringLiteral(" where CODIGOPRODUTO = :p"), p)
                        + queryValue(q2, prodSql + QStringLiteral(" where CODPRODUTO = :p"), p)
                        - queryValue(q3, outSql + QStringLiteral(" where CODIGOPRODUTO = :p"), p);
             },
             [&](int rep) {
                 const QVariantList p{product(rep)};
                 return bareValue(bare, inSql + QStringLiteral(" where CODIGOPRODUTO = ?"), p)
                        + bareValue(bare, prodSql + QStringLiteral(" where CODPRODUTO = ?"), p)
                        - bareValue(bare, outSql + QStringLiteral(" where CODIGOPRODUTO = ?"), p);
             },
             -1, true});

    // e) Supplier register: ordered by name, search box locating as the user types.
    measure({QStringLiteral("e0) open TFornecedor ordered by NOMEFORNECEDOR"), 7, {},
             [&](int) {
                 suppliers->close();
                 suppliers->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
                 suppliers->open();
                 return double(suppliers->recordCount());
             },
             [&](int) {
                 bareValue(bare, QStringLiteral("SELECT COUNT(*) FROM FORNECEDOR"));
                 bareValue(bare, QStringLiteral("SELECT FIRST 129 * FROM FORNECEDOR ORDER BY NOMEFORNECEDOR"), {}, true);
                 return double(Suppliers);
             },
             -1, false});
    auto reopenSuppliers = [&](int) {
        suppliers->close();
        suppliers->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
        suppliers->open();
    };
    const QString bareLocate = QStringLiteral(
        "SELECT FIRST 1 CODIGOFORNECEDOR FROM FORNECEDOR WHERE UPPER(NOMEFORNECEDOR) STARTING WITH ? "
        "ORDER BY NOMEFORNECEDOR");
    measure({QStringLiteral("e1) locate \"%1\" (95% down)").arg(farText), 7, reopenSuppliers,
             [&](int) {
                 if (!suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), farText)
                     || !suppliers->asString(QStringLiteral("NOMEFORNECEDOR")).startsWith(farText.toUpper()))
                     throw DataError(QStringLiteral("locate missed %1").arg(farText));
                 return double(suppliers->recNo() >= Suppliers * 9 / 10);
             },
             [&](int) { return double(bareValue(bare, bareLocate, {farText.toUpper()}) > 0); },
             50, false});
    // The register windows show the count, so there the set is counted when
    // the locate comes and the row's place is counted from the nearer end.
    measure({QStringLiteral("e1b) locate \"%1\", count shown").arg(farText), 7,
             [&](int i) { reopenSuppliers(i); suppliers->recordCount(); },
             [&](int) {
                 if (!suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), farText)
                     || !suppliers->asString(QStringLiteral("NOMEFORNECEDOR")).startsWith(farText.toUpper()))
                     throw DataError(QStringLiteral("locate missed %1").arg(farText));
                 return double(suppliers->recNo() >= Suppliers * 9 / 10);
             },
             [&](int) { return double(bareValue(bare, bareLocate, {farText.toUpper()}) > 0); },
             50, false});
    measure({QStringLiteral("e2) locate a text that matches nothing"), 7, reopenSuppliers,
             [&](int) { return double(suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), noneText)); },
             [&](int) { return bareValue(bare, bareLocate, {noneText.toUpper()}); },
             50, false});

    // f) The log picker: logs in the yard by plate number.
    measure({QStringLiteral("f) logs in yard by plate: open + read 50 rows"), 3, {},
             [&](int) {
                 lines->close();
                 lines->setIndexFieldNames(QStringLiteral("CODIGOPRODUTO"));
                 lines->setFilter(QStringLiteral("SITUACAO = 0"));
                 lines->setFiltered(true);
                 lines->open();
                 return double(readRows(lines, 50));
             },
             [&](int) {
                 return bareValue(bare, QStringLiteral(
                     "SELECT FIRST 50 * FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0 ORDER BY CODIGOPRODUTO"),
                     {}, true);
             },
             -1, false});

    // g) Sawing a log marks its line: open the whole line table and locate the plate.
    auto plate = [](int rep) { return double(1 + (424242 + rep * 99991) % LogLines); };
    measure({QStringLiteral("g) open all lines + locate a plate number"), 3, {},
             [&](int rep) {
                 lines->close();
                 lines->setIndexFieldNames({});
                 lines->setFiltered(false);
                 lines->open();
                 if (!lines->locate(QStringLiteral("CODIGOPRODUTO"), plate(rep)))
                     throw DataError(QStringLiteral("plate not found"));
                 return lines->asDouble(QStringLiteral("CODIGOPRODUTO"));
             },
             [&](int rep) {
                 return bareValue(bare, QStringLiteral(
                     "SELECT CODIGOPRODUTO FROM ENTRADA_TOROS_DISCRIMINACAO WHERE CODIGOPRODUTO = ?"), {plate(rep)});
             },
             -1, false});

    lines->close();
    suppliers->close();
    dm.closeAll();
    printTable();
    const long hwm = peakMemoryKb();
    std::printf("\nPeak memory (VmHWM): %.1f MB   goal < 200 MB   %s\n", hwm / 1024.0,
                hwm >= 0 && hwm < 200 * 1024 ? "ok" : "MISSED");
    bare.close();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    const QString command = args.value(0);
    const QString path = QFileInfo(args.value(1, QString::fromLatin1(DefaultPath))).absoluteFilePath();
    try {
        if (command == QLatin1String("seed"))
            return seed(path, force);
        if (command == QLatin1String("run"))
            return run(path);
    } catch (const DataError &e) {
        std::fprintf(stderr, "error: %s\n", qPrintable(e.message()));
        return 1;
    }
    std::fprintf(stderr, "usage: quelvora-bench seed [--force] [PATH]\n"
                         "       quelvora-bench run [PATH]\n"
                         "PATH defaults to %s\n", DefaultPath);
    return 2;
}
