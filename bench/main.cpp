// Timings of the data layer on a large database, each beside the same SQL
// sent straight through the client library, so that the cost of our own
// layer stands apart from the cost of the database.
//
//   quelvora-bench seed [--force] [PATH]   fill PATH (kept and reused when complete)
//   quelvora-bench run [PATH]              measure and print the table

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/StockSummary.h"
#include "data/SchemaIndexes.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "rules/SawnBalance.h"
#include "rules/YardStock.h"

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
#include <fcntl.h>
#include <unistd.h>

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

constexpr int DefaultLines = 1000000;
constexpr int LinesPerInvoice = 20;
constexpr int Suppliers = 100000;
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

// The size a seeded file was made with.
struct Shape
{
    int lines = 0;
    int invoices() const { return lines / LinesPerInvoice; }
    int sawnLines() const { return lines / 5; }
};

// A file whose generators stand where a finished seeding leaves them; its
// size, or none.
Shape seededShape(const QString &path)
{
    Shape shape;
    if (!QFileInfo::exists(path))
        return shape;
    TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    try {
        dm.IBDatabase1->open();
    } catch (const DataError &) {
        return shape;
    }
    QSqlDatabase db = dm.IBDatabase1->database();
    // The insert case of a run takes log line numbers after the seeded ones.
    Shape seen;
    seen.lines = int(generatorValue(db, "GEN_ENTRADA_TOROS")) * LinesPerInvoice;
    if (seen.lines > 0 && generatorValue(db, "GEN_FORNECEDOR") == Suppliers
        && generatorValue(db, "GEN_SAIDA_MADEIRAS_DISC") == seen.sawnLines()
        && generatorValue(db, "GEN_ENTRADA_TOROS_DISC") >= seen.lines)
        shape = seen;
    dm.IBDatabase1->close();
    return shape;
}

void progress(const QString &what, const QElapsedTimer &t)
{
    std::printf("  %-34s done at %6.1f s\n", qPrintable(what), t.elapsed() / 1000.0);
    std::fflush(stdout);
}

void exec(QSqlDatabase db, const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q(db);
    check(q.prepare(sql), q);
    for (const QVariant &v : params)
        q.addBindValue(v);
    check(q.exec(), q);
}

// The tables the bulk load fills.
const QStringList BulkTables = {QStringLiteral("ENTRADA_TOROS"), QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"),
                                QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO"), QStringLiteral("PRODUCAO"),
                                QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO")};

// Indexes and the stock triggers of the bulk tables are switched off while
// they fill: an index is then built once from sorted keys instead of row by
// row, and the summaries are computed once at the end.
void switchBulkExtras(QSqlDatabase db, const QStringList &names, bool on)
{
    QStringList tables;
    for (const QString &t : names)
        tables << QStringLiteral("'%1'").arg(t);
    QStringList ddl;
    {
        QSqlQuery q(db);
        check(q.exec(QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                                    "AND RDB$RELATION_NAME IN (%1)").arg(tables.join(QLatin1Char(',')))), q);
        while (q.next())
            ddl << QStringLiteral("ALTER INDEX %1 %2").arg(q.value(0).toString(),
                                                            on ? QStringLiteral("ACTIVE") : QStringLiteral("INACTIVE"));
        check(q.exec(QStringLiteral("SELECT TRIM(RDB$TRIGGER_NAME) FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                                    "AND RDB$TRIGGER_NAME STARTING WITH 'AIUD_' AND RDB$RELATION_NAME IN (%1)")
                         .arg(tables.join(QLatin1Char(',')))), q);
        while (q.next())
            ddl << QStringLiteral("ALTER TRIGGER %1 %2").arg(q.value(0).toString(),
                                                              on ? QStringLiteral("ACTIVE") : QStringLiteral("INACTIVE"));
    }
    for (const QString &statement : ddl) {
        db.transaction();
        exec(db, statement);
        if (!db.commit())
            throw DataError(db.lastError().text());
    }
}

// A pseudo-random stream inside the engine: the same file every time.
const char *const NextRandom = "S = MOD(S * 1103515245 + 12345, 2147483648);";

// Made as written: the body's ":NAME" are its own variables, which a
// prepared statement would take for values to bind.
void createProcedure(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    check(q.exec(sql), q);
}

// Runs a seeding procedure over [first, last] in chunks, one transaction each.
void bulk(QSqlDatabase db, const QString &block, int first, int last, int chunk, const QVariantList &extra,
          const QString &what, const QElapsedTimer &clock)
{
    for (int from = first; from <= last; from += chunk) {
        const int to = std::min(last, from + chunk - 1);
        db.transaction();
        exec(db, block, QVariantList{from, to} + extra);
        if (!db.commit())
            throw DataError(db.lastError().text());
        if (to == last || ((to - first + 1) / chunk) % 10 == 0)
            progress(QStringLiteral("%1 %2 of %3").arg(what).arg(to - first + 1).arg(last - first + 1), clock);
    }
}

void fill(const QString &path, const Shape &shape)
{
    QElapsedTimer clock;
    clock.start();
    data::DatabaseCreator::create(path);
    setForcedWrites(path, false);
    progress(QStringLiteral("schema"), clock);

    data::Connection conn(QStringLiteral("bench-seed"));
    conn.setDatabaseName(path);
    conn.open();
    QSqlDatabase db = conn.database();
    switchBulkExtras(db, BulkTables, false);
    switchBulkExtras(db, {QStringLiteral("FORNECEDOR")}, false);
    progress(QStringLiteral("indexes off"), clock);
    const QDate firstDay(2019, 1, 2);

    {
        Inserter ins(db, QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (?, 0, 0, 0)"));
        for (const char *name : SpeciesNames)
            ins.add({QString::fromLatin1(name)});
    }

    // Suppliers: every combination of the name parts.
    exec(db, QStringLiteral("CREATE TABLE BENCH_NAME_PART (KIND INTEGER, I INTEGER, TXT VARCHAR(30))"));
    {
        Inserter ins(db, QStringLiteral("INSERT INTO BENCH_NAME_PART (KIND, I, TXT) VALUES (?, ?, ?)"));
        for (int i = 0; i < 50; ++i)
            ins.add({1, i, QString::fromLatin1(FirstNames[i])});
        for (int i = 0; i < 50; ++i)
            ins.add({2, i, QString::fromLatin1(MiddleNames[i])});
        for (int i = 0; i < 40; ++i)
            ins.add({3, i, QString::fromLatin1(LastNames[i])});
    }
    exec(db, QStringLiteral("CREATE INDEX BENCH_NAME_PART_KEY ON BENCH_NAME_PART (KIND, I)"));
    createProcedure(db, QStringLiteral(
        "CREATE PROCEDURE BENCH_SEED_SUPPLIERS (N INTEGER) AS "
        "DECLARE I INTEGER = 0; DECLARE P INTEGER; DECLARE R INTEGER; DECLARE A VARCHAR(30); "
        "DECLARE B VARCHAR(30); DECLARE C VARCHAR(30); DECLARE NOME VARCHAR(50); "
        "BEGIN "
        "  WHILE (I < N) DO BEGIN "
        "    P = MOD(I * 7919, N); R = MOD(P * 7919, 100003); "
        "    SELECT TXT FROM BENCH_NAME_PART WHERE KIND = 1 AND I = MOD(:P, 50) INTO :A; "
        "    SELECT TXT FROM BENCH_NAME_PART WHERE KIND = 2 AND I = MOD(:P / 50, 50) INTO :B; "
        "    SELECT TXT FROM BENCH_NAME_PART WHERE KIND = 3 AND I = :P / 2500 INTO :C; "
        "    NOME = A || ' ' || B || ' ' || C; "
        "    INSERT INTO FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, CIDADE, CIDADEUF, CNPJ, INSCESTADUAL, "
        "      TIPOCLIENTE, FONE) "
        "      VALUES (:NOME, SUBSTRING(:NOME FROM 1 FOR 20), 'PORTO VELHO', 'RO', "
        "        LPAD(CAST(10000000000000 + :R * 7919 AS VARCHAR(18)), 14, '0'), CAST(100000000 + :I AS VARCHAR(20)), "
        "        'Juridica', '69' || CAST(30000000 + :I AS VARCHAR(10))); "
        "    I = I + 1; "
        "  END "
        "END"));
    // The key order is a fixed shuffle of the name order.
    db.transaction();
    exec(db, QStringLiteral("EXECUTE PROCEDURE BENCH_SEED_SUPPLIERS (?)"), {Suppliers});
    if (!db.commit())
        throw DataError(db.lastError().text());
    progress(QStringLiteral("suppliers inserted"), clock);
    exec(db, QStringLiteral("DROP PROCEDURE BENCH_SEED_SUPPLIERS"));
    exec(db, QStringLiteral("DROP TABLE BENCH_NAME_PART"));
    switchBulkExtras(db, {QStringLiteral("FORNECEDOR")}, true);
    progress(QStringLiteral("species and 100,000 suppliers"), clock);

    // Log invoices, each with its lines (all of one supplier), made inside
    // the engine by a procedure, a chunk of invoices per call.
    const QString logs = QStringLiteral(
        "CREATE PROCEDURE BENCH_SEED_LOGS (NF1 INTEGER, NF2 INTEGER, PER INTEGER, NSUP INTEGER, NESP INTEGER, "
        "                                  DAY0 TIMESTAMP) AS "
        "DECLARE NF INTEGER; DECLARE J INTEGER; DECLARE S BIGINT; DECLARE SUP INTEGER; DECLARE NOME VARCHAR(50); "
        "DECLARE ESP INTEGER; DECLARE ESPNOME VARCHAR(30); DECLARE DIA TIMESTAMP; DECLARE TOTAL DOUBLE PRECISION; "
        "DECLARE C DOUBLE PRECISION; DECLARE D1 DOUBLE PRECISION; DECLARE D2 DOUBLE PRECISION; "
        "DECLARE M DOUBLE PRECISION; DECLARE V DOUBLE PRECISION; DECLARE P DOUBLE PRECISION; DECLARE SIT INTEGER; "
        "BEGIN "
        "  NF = NF1; S = NF1; "
        "  WHILE (NF <= NF2) DO BEGIN "
        "    %1 SUP = 1 + MOD(S / 7, NSUP); "
        "    SELECT NOMEFORNECEDOR FROM FORNECEDOR WHERE CODIGOFORNECEDOR = :SUP INTO :NOME; "
        "    DIA = DATEADD(DAY, NF / 40, DAY0); "
        "    %1 TOTAL = ROUND(2000 + MOD(S, 38000) + MOD(S / 38000, 10000) / 10000.0, 4); "
        "    INSERT INTO ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL, DATA_EMISSAO, DATA_SAIDA, "
        "      NATUREZA_OPERACAO, CFOP, UF, VALOR_TOTAL_NOTA, VALOR_TOTAL_PRODUTOS) "
        "      VALUES (:NF, :SUP, :NOME, :DIA, :DIA, 'COMPRA', 1101, 'RO', :TOTAL, :TOTAL); "
        "    J = 0; "
        "    WHILE (J < PER) DO BEGIN "
        "      %1 ESP = MOD(S / 11, NESP); "
        "      SELECT ESSENCIA FROM ESSENCIA WHERE CODIGO = :ESP + 1 INTO :ESPNOME; "
        "      %1 C = ROUND(3 + MOD(S / 3, 90000) / 10000.0, 4); "
        "      %1 D1 = 40 + MOD(S / 5, 81); "
        "      %1 D2 = 40 + MOD(S / 5, 81); "
        "      M = (D1 + D2) / 2; "
        "      V = ROUND(M * M * 0.7854 * C / 10000.0, 4); "
        "      P = 180.0 + ESP * 12.5; "
        "      %1 SIT = IIF(MOD(S / 13, 10) < 3, 1, 0); "
        "      INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, "
        "        VALUNITARIO, VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, SITUACAO, "
        "        FORNECEDOR, CPF, COMPRIMENTO, DIAMETRO, DIAMETRO1, DIAMETROMEDIA) "
        "        VALUES (:SUP, :ESPNOME, 'M3', :V, :P, ROUND(:V * :P, 4), (:NF - 1) * :PER + :J + 1, :DIA, :NF, "
        "                :ESP + 1, :SIT, :NOME, 0, :C, :D1, :D2, :M); "
        "      J = J + 1; "
        "    END "
        "    NF = NF + 1; "
        "  END "
        "END").arg(QLatin1String(NextRandom));
    createProcedure(db, logs);
    bulk(db, QStringLiteral("EXECUTE PROCEDURE BENCH_SEED_LOGS (?, ?, ?, ?, ?, ?)"), 1, shape.invoices(), 5000, {LinesPerInvoice, Suppliers, SpeciesCount, firstDay.startOfDay()},
         QStringLiteral("log invoices"), clock);

    const QString sawn = QStringLiteral(
        "CREATE PROCEDURE BENCH_SEED_SAWN (I1 INTEGER, I2 INTEGER, PER INTEGER, NSUP INTEGER, NESP INTEGER, "
        "                                  NPROD INTEGER, DAY0 TIMESTAMP) AS "
        "DECLARE I INTEGER; DECLARE S BIGINT; DECLARE ESP INTEGER; DECLARE ESPNOME VARCHAR(30); "
        "DECLARE Q DOUBLE PRECISION; DECLARE L DOUBLE PRECISION; DECLARE PECAS INTEGER; "
        "BEGIN "
        "  I = I1; S = I1 + 77; "
        "  WHILE (I <= I2) DO BEGIN "
        "    %1 ESP = MOD(S / 11, NESP); "
        "    SELECT ESSENCIA FROM ESSENCIA WHERE CODIGO = :ESP + 1 INTO :ESPNOME; "
        "    %1 Q = ROUND(0.5 + MOD(S / 3, 75000) / 10000.0, 4); "
        "    %1 "
        "    INSERT INTO ENTRADA_SERRADA_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, VALUNITARIO, "
        "      VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, CPF) "
        "      VALUES (1 + MOD(:S / 7, :NSUP), :ESPNOME, 'M3', :Q, 900, ROUND(:Q * 900, 4), 1 + MOD(:S / 17, :NPROD), "
        "              DATEADD(DAY, :I / 200, :DAY0), 1 + (:I - 1) / :PER, :ESP + 1, 0); "
        "    %1 ESP = MOD(S / 11, NESP); "
        "    SELECT ESSENCIA FROM ESSENCIA WHERE CODIGO = :ESP + 1 INTO :ESPNOME; "
        "    %1 L = ROUND(0.5 + MOD(S / 3, 35000) / 10000.0, 4); "
        "    %1 Q = ROUND(L * (0.35 + MOD(S / 5, 2500) / 10000.0), 4); "
        "    INSERT INTO PRODUCAO (CODPRODUTO, ESSENCIA, QTORA, QSERRADA, DATA, PRODUTO, CODIGOESSENCIA, RESULTADO, VALTORA) "
        "      VALUES (:I, :ESPNOME, :L, :Q, DATEADD(DAY, :I / 150, :DAY0), 'TABUA', :ESP + 1, "
        "              ROUND(:Q / :L * 100, 4), ROUND(:L * 200, 4)); "
        "    %1 ESP = MOD(S / 11, NESP); "
        "    SELECT ESSENCIA FROM ESSENCIA WHERE CODIGO = :ESP + 1 INTO :ESPNOME; "
        "    %1 PECAS = 1 + MOD(S / 3, 60); "
        "    %1 L = ROUND(2 + MOD(S / 5, 40000) / 10000.0, 4); "
        "    Q = ROUND(PECAS * L * 0.3 * 0.05, 4); "
        "    %1 "
        "    INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, VALUNITARIO, "
        "      VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, CPF, COMPRIMENTO, LARGURA, "
        "      EXPESSURA, TOTALM3) "
        "      VALUES (1 + MOD(:S / 7, :NSUP), :ESPNOME, 'M/3', :PECAS, 1200, ROUND(:Q * 1200, 4), "
        "              1 + MOD(:S / 17, :NPROD), DATEADD(DAY, :I / 200, :DAY0), 1 + (:I - 1) / :PER, :ESP + 1, 0, "
        "              :L, 0.3, 0.05, :Q); "
        "    I = I + 1; "
        "  END "
        "END").arg(QLatin1String(NextRandom));
    createProcedure(db, sawn);
    bulk(db, QStringLiteral("EXECUTE PROCEDURE BENCH_SEED_SAWN (?, ?, ?, ?, ?, ?, ?)"), 1, shape.sawnLines(), 50000,
         {LinesPerInvoice, Suppliers, SpeciesCount, SawnProducts, firstDay.startOfDay()},
         QStringLiteral("sawn intake, production and output rows"), clock);

    exec(db, QStringLiteral("DROP PROCEDURE BENCH_SEED_LOGS"));
    exec(db, QStringLiteral("DROP PROCEDURE BENCH_SEED_SAWN"));
    switchBulkExtras(db, BulkTables, true);
    progress(QStringLiteral("indexes built"), clock);
    data::StockSummary::rebuild(&conn);
    progress(QStringLiteral("stock summaries"), clock);
    conn.refreshIndexStatistics();
    conn.close();
    setForcedWrites(path, true);
    progress(QStringLiteral("seeded"), clock);
}

int seed(const QString &path, bool force, const Shape &shape)
{
    if (!force && seededShape(path).lines == shape.lines) {
        std::printf("Reusing the seeded database %s (seed --force to make it again).\n", qPrintable(path));
        return 0;
    }
    // Filled under another name first, so that an interrupted run is never reused.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    std::printf("Seeding %s with %d log lines ...\n", qPrintable(path), shape.lines);
    fill(part, shape);
    QFile::remove(path);
    if (!QFile::rename(part, path)) {
        std::fprintf(stderr, "Cannot rename %s to %s\n", qPrintable(part), qPrintable(path));
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------- measuring

// The two sides of a case: ours through the program's own layers, bare
// through the client library with the same statement. Each returns what it
// read (a value, or a checksum of every cell), and both must agree.
using Step = std::function<double(int rep)>;

struct Case
{
    QString name;
    int reps = 9;
    std::function<void(int rep)> setup; // untimed, before each sample of either side
    Step ours;
    Step bare;
    double goalMs = -1;     // absolute goal for ours
    bool ratioGoal = false; // ours / bare at most 1.2
    bool cold = false;      // also sampled with the caches emptied
};

struct Result
{
    QString name;
    double oursMedian = 0, oursMin = 0, bareMedian = -1, bareMin = -1;
    double coldOurs = -1, coldBare = -1;
    double goalMs = -1;
    bool ratioGoal = false;
    QString note;
};

std::vector<Result> results;
bool valuesDiffer = false;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double elapsedMs(const Step &step, int rep, double &value)
{
    QElapsedTimer t;
    t.start();
    value = step(rep);
    return t.nsecsElapsed() / 1e6;
}

// Adds one cell to a checksum both sides compute alike.
void addCell(double &sum, const QVariant &v, int row, int column)
{
    sum += double(qHash(v.toString()) % 1000003u) * (1 + (row * 31 + column) % 7);
}

bool same(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b)); }

// The engine keeps its page cache while any attachment is open; the
// system's cache of the file is dropped too, as far as a user may.
struct Attachments
{
    std::function<void()> close, open;
    QString path;
    void empty() const
    {
        close();
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd >= 0) {
            ::fdatasync(fd);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
        open();
    }
};
Attachments attachments;

void measure(const Case &c)
{
    // QUELVORA_BENCH_ONLY="e1 h1" runs only the cases whose names begin so.
    const QString only = qEnvironmentVariable("QUELVORA_BENCH_ONLY");
    if (!only.isEmpty()) {
        const QStringList wanted = only.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (std::none_of(wanted.begin(), wanted.end(), [&](const QString &w) { return c.name.startsWith(w); }))
            return;
    }
    std::printf("  %s ...", qPrintable(c.name));
    std::fflush(stdout);
    std::vector<double> ours, bare, coldOurs, coldBare;
    QString note;
    auto sample = [&](int rep, bool oursFirst, std::vector<double> *o, std::vector<double> *b, bool cold) {
        double ov = 0, bv = 0;
        for (int side = 0; side < 2; ++side) {
            const bool isOurs = (side == 0) == oursFirst;
            if (cold)
                attachments.empty();
            if (c.setup)
                c.setup(rep);
            const double ms = elapsedMs(isOurs ? c.ours : c.bare, rep, isOurs ? ov : bv);
            if (rep >= 0)
                (isOurs ? o : b)->push_back(ms);
        }
        if (!same(ov, bv)) {
            note = QStringLiteral("VALUES DIFFER: ours %1, bare %2").arg(ov, 0, 'f', 4).arg(bv, 0, 'f', 4);
            valuesDiffer = true;
        }
    };
    // Rep -1 warms the caches and is not counted; which side runs first
    // alternates, so neither always finds the other's pages cached.
    for (int rep = -1; rep < c.reps; ++rep)
        sample(rep, rep % 2 == 0, &ours, &bare, false);
    if (c.cold)
        for (int rep = 0; rep < c.reps; ++rep)
            sample(rep, rep % 2 == 1, &coldOurs, &coldBare, true);
    Result r;
    r.name = c.name;
    r.oursMedian = median(ours);
    r.oursMin = *std::min_element(ours.begin(), ours.end());
    r.bareMedian = median(bare);
    r.bareMin = *std::min_element(bare.begin(), bare.end());
    if (c.cold) {
        r.coldOurs = median(coldOurs);
        r.coldBare = median(coldBare);
    }
    r.goalMs = c.goalMs;
    r.ratioGoal = c.ratioGoal;
    r.note = note;
    results.push_back(r);
    std::printf(" %.2f ms\n", r.oursMedian);
}

QString cell(double v) { return v < 0 ? QStringLiteral("-") : QString::number(v, 'f', 2); }

void printTable()
{
    std::printf("\n%-52s %8s %8s %8s %8s %6s %9s %9s  %-14s %s\n", "measurement (ms, warm unless cold)", "ours med",
                "ours min", "bare med", "bare min", "ratio", "cold ours", "cold bare", "goal", "");
    std::printf("%s\n", QString(140, QLatin1Char('-')).toLatin1().constData());
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
        std::printf("%-52s %8s %8s %8s %8s %6s %9s %9s  %-14s %s %s\n", qPrintable(r.name),
                    qPrintable(cell(r.oursMedian)), qPrintable(cell(r.oursMin)), qPrintable(cell(r.bareMedian)),
                    qPrintable(cell(r.bareMin)), ratio < 0 ? "-" : qPrintable(QString::number(ratio, 'f', 2)),
                    qPrintable(cell(r.coldOurs)), qPrintable(cell(r.coldBare)),
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

// Runs a statement on the bare connection. The first column of the first
// row, or with `cells` the checksum of the first `cells` rows, every column
// (counted once), after fetching every row the statement gives.
double bareValue(QSqlDatabase db, const QString &sql, const QVariantList &params = {}, int cells = 0)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    check(q.prepare(sql), q);
    for (const QVariant &v : params)
        q.addBindValue(v);
    check(q.exec(), q);
    double value = 0;
    const int columns = q.record().count();
    for (int row = 0; q.next(); ++row) {
        if (cells == 0) {
            if (row == 0)
                value = q.value(0).toDouble();
            continue;
        }
        if (row < cells)
            for (int c = 0; c < columns; ++c)
                addCell(value, q.value(c), row, c);
    }
    return value;
}

// Reads up to n rows from the current one on, every column, as a grid
// would, and returns their checksum.
double readRows(Table *t, int n)
{
    double sum = 0;
    const int columns = int(t->fields().size());
    for (int row = 0; !t->eof() && row < n; ++row) {
        for (int c = 0; c < columns; ++c)
            addCell(sum, t->valueAt(t->recNo(), c), row, c);
        t->next();
    }
    return sum;
}

QString columnsOf(Table *t)
{
    QStringList names;
    for (const data::Field &f : t->fields())
        names << f.name;
    return names.join(QStringLiteral(", "));
}

QSqlDatabase openBare(const QString &path)
{
    QSqlDatabase bare = QSqlDatabase::contains(QStringLiteral("bench-bare"))
                            ? QSqlDatabase::database(QStringLiteral("bench-bare"), false)
                            : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("bench-bare"));
    bare.setDatabaseName(path);
    bare.setUserName(QString::fromLatin1(data::Connection::User));
    bare.setPassword(QString::fromLatin1(data::Connection::Password));
    bare.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8;ISC_DPB_SQL_DIALECT=3"));
    if (!bare.open())
        throw DataError(bare.lastError().text());
    return bare;
}

// Sub-product 1 is the product the production rows name, so that the sawn
// balance counts production too.
void ensureSubProducts(QSqlDatabase db)
{
    if (bareValue(db, QStringLiteral("SELECT COUNT(*) FROM SUBPRODUTO")) > 0)
        return;
    for (const char *name : {"TABUA", "VIGA", "CAIBRO", "RIPA", "PRANCHA", "SARRAFO", "PERNA", "TACO", "ASSOALHO", "FORRO"})
        exec(db, QStringLiteral("INSERT INTO SUBPRODUTO (NOMEGRAU) VALUES (?)"), {QString::fromLatin1(name)});
}

// The first page of one invoice's lines, as the intake window reads it.
double invoicePage(Table *lines, double nf, double supplier)
{
    lines->close();
    lines->setIndexFieldNames({});
    lines->setFilter(QStringLiteral("NFNUMERO = :nf and CODIGOFORNECEDOR = :f"),
                     {{QStringLiteral("nf"), nf}, {QStringLiteral("f"), supplier}});
    lines->setFiltered(true);
    lines->open();
    return readRows(lines, 50);
}

QString invoicePageSql(Table *lines)
{
    return QStringLiteral("SELECT ") + columnsOf(lines) + QStringLiteral(
        " FROM ENTRADA_TOROS_DISCRIMINACAO WHERE NFNUMERO = ? AND CODIGOFORNECEDOR = ? "
        "ORDER BY CODDISCRIMINACAO ROWS 1 TO 130");
}

std::vector<std::pair<double, double>> sampleInvoices(QSqlDatabase bare, int invoices)
{
    std::vector<std::pair<double, double>> found;
    for (int i = 0; i < 32; ++i) {
        const double nf = 1 + (1234 + qint64(i) * 7577) % invoices;
        found.push_back({nf, bareValue(bare, QStringLiteral(
            "SELECT FIRST 1 CODIGOFORNECEDOR FROM ENTRADA_TOROS_DISCRIMINACAO WHERE NFNUMERO = ?"), {nf})});
    }
    return found;
}

// Inserting log lines one by one, each committed as the intake window
// commits it, with the stock trigger on and off by turns.
void measureInsertCost(data::Connection *conn, QSqlDatabase &bare)
{
    std::printf("  insert a log line, stock trigger on / off ...");
    std::fflush(stdout);
    const int perSample = 200;
    const QString insert = QStringLiteral(
        "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOFORNECEDOR, ESSENCIA, UNIDADE, QUANTIDADE, VALUNITARIO, "
        "VALTOTAL, CODIGOPRODUTO, DATALANCAMENTO, NFNUMERO, CODIGOESSENCIA, SITUACAO, FORNECEDOR, CPF, COMPRIMENTO, "
        "DIAMETRO, DIAMETRO1, DIAMETROMEDIA) values (:f, 'IPE', 'M3', :q, 230, :t, :p, :d, :nf, :e, 0, "
        "'BENCH', 0, 4, 50, 60, 55)");
    std::vector<double> on, off;
    double plate = 90000000;
    // A definition changed while another attachment uses the table waits
    // for it: the bare attachment stays closed meanwhile.
    bare.close();
    auto setTrigger = [&](bool active) {
        data::execute(conn, QStringLiteral("ALTER TRIGGER AIUD_YARD_STOCK %1")
                                .arg(active ? QStringLiteral("ACTIVE") : QStringLiteral("INACTIVE")));
        // Statements prepared from now on see the change in a fresh attachment.
        conn->close();
        conn->open();
    };
    for (int rep = -1; rep < 9; ++rep) {
        for (int side = 0; side < 2; ++side) {
            const bool active = (side == 0) == (rep % 2 == 0);
            setTrigger(active);
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < perSample; ++i) {
                ++plate;
                data::execute(conn, insert,
                              {{QStringLiteral("f"), 7.0}, {QStringLiteral("q"), 0.8}, {QStringLiteral("t"), 184.0},
                               {QStringLiteral("p"), plate}, {QStringLiteral("d"), QDate(2024, 5, 2).startOfDay()},
                               {QStringLiteral("nf"), 99999999.0}, {QStringLiteral("e"), 3.0}});
            }
            const double perLine = t.nsecsElapsed() / 1e6 / perSample;
            if (rep >= 0)
                (active ? on : off).push_back(perLine);
        }
    }
    setTrigger(true);
    // Leave the file as it was: the lines and their stock rows go again.
    data::execute(conn, QStringLiteral("delete from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 99999999"));
    data::StockSummary::fold(conn);
    if (!bare.open())
        throw DataError(bare.lastError().text());
    Result r;
    r.name = QStringLiteral("insert one log line (each committed), trigger ON");
    r.oursMedian = median(on);
    r.oursMin = *std::min_element(on.begin(), on.end());
    r.bareMedian = median(off);
    r.bareMin = *std::min_element(off.begin(), off.end());
    r.note = QStringLiteral("bare = trigger OFF; goal ON <= 1.2 x OFF: %1")
                 .arg(r.oursMedian <= 1.2 * r.bareMedian ? QStringLiteral("ok") : QStringLiteral("MISSED"));
    results.push_back(r);
    std::printf(" %.3f / %.3f ms\n", r.oursMedian, r.bareMedian);
}

int run(const QString &path)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const Shape shape = seededShape(path);
    const int LogLines = shape.lines;
    const int Invoices = shape.invoices();
    if (LogLines == 0) {
        std::fprintf(stderr, "%s is not a seeded database; run \"quelvora-bench seed %s\" first.\n",
                     qPrintable(path), qPrintable(path));
        return 1;
    }
    TDM dm;
    dm.IBDatabase1->setDatabaseName(path);
    dm.IBDatabase1->open();
    // An older seeded file gets the indexes added since.
    data::SchemaIndexes::ensureInstalled(dm.IBDatabase1);

    // A second attachment in the same process: the embedded engine allows it.
    QSqlDatabase bare = openBare(path);
    ensureSubProducts(bare);
    attachments.path = path;
    attachments.close = [&] {
        dm.closeAll();
        dm.IBDatabase1->close();
        bare.close();
    };
    attachments.open = [&] {
        dm.IBDatabase1->open();
        if (!bare.open())
            throw DataError(bare.lastError().text());
    };

    const auto invoices = sampleInvoices(bare, Invoices);
    auto invoice = [&invoices](int rep) { return invoices[size_t(rep + 32) % invoices.size()]; };
    auto species = [](int rep) { return double(1 + ((rep + 20) * 7) % SpeciesCount); };

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
    data::Connection *conn = dm.IBDatabase1;

    std::printf("Measuring on %s, %d log lines (median and min of 9 samples after one warm-up; the two sides\n"
                "take turns at going first; cold = attachments closed and the file dropped from the caches)\n",
                qPrintable(path), LogLines);

    // a) Lines of one invoice, as the intake window shows them.
    lines->open(); // the columns, read once from the catalogue
    lines->close();
    const QString pageSql = invoicePageSql(lines);
    measure({QStringLiteral("a) invoice lines: first page, 50 rows read"), 9, {},
             [&](int rep) { return invoicePage(lines, invoice(rep).first, invoice(rep).second); },
             [&](int rep) { return bareValue(bare, pageSql, {invoice(rep).first, invoice(rep).second}, 50); },
             50, false, true});

    // b) Record count under a condition.
    measure({QStringLiteral("b) count lines of one species"), 9, {},
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

    // c) Yard log stock and d) the sawn balance, from the kept summaries.
    measure({QStringLiteral("c1) yard stock, all species"), 9, {},
             [&](int) { return rules::yardStock(conn); },
             [&](int) { return bareValue(bare, QStringLiteral("select coalesce(sum(QUANTIDADE), 0) from YARD_STOCK")); },
             5, false, true});
    measure({QStringLiteral("c2) yard stock, one species"), 9, {},
             [&](int rep) { return rules::yardStockOfSpecies(conn, species(rep)); },
             [&](int rep) {
                 return bareValue(bare, QStringLiteral(
                     "select coalesce(sum(QUANTIDADE), 0) from YARD_STOCK where CODIGOESSENCIA = ?"), {species(rep)});
             },
             5, false, true});
    measure({QStringLiteral("d) sawn balance, species + product"), 9, {},
             [&](int rep) { return rules::SawnBalance::of(conn, species(rep), 1 + rep % 2).balance; },
             [&](int rep) {
                 const QVariant e = species(rep), p = 1 + rep % 2;
                 return bareValue(bare, QStringLiteral(
                     "select coalesce(sum(QUANTIDADE), 0) from SAWN_STOCK where KIND = 'E' "
                     "and CODIGOESSENCIA = ? and CODIGOPRODUTO = ?"), {e, p})
                        + bareValue(bare, QStringLiteral(
                            "select coalesce(sum(QUANTIDADE), 0) from SAWN_STOCK where KIND = 'P' and CODIGOESSENCIA = ? "
                            "and PRODUTO = (select upper(trim(substring(NOMEGRAU from 1 for 30))) from SUBPRODUTO "
                            "where GRAUIND = ?)"), {e, p})
                        - bareValue(bare, QStringLiteral(
                            "select coalesce(sum(QUANTIDADE), 0) from SAWN_STOCK where KIND = 'S' "
                            "and CODIGOESSENCIA = ? and CODIGOPRODUTO = ?"), {e, p});
             },
             5, false, true});

    // e) Supplier register: ordered by name, search box locating as the user types.
    auto reopenSuppliers = [&](int) {
        suppliers->close();
        suppliers->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
        suppliers->open();
    };
    reopenSuppliers(0);
    const QString supplierPageSql = QStringLiteral("SELECT ") + columnsOf(suppliers)
                                    + QStringLiteral(" FROM FORNECEDOR ORDER BY NOMEFORNECEDOR, CODIGOFORNECEDOR ROWS 1 TO 130");
    measure({QStringLiteral("e0) suppliers by name: first page, 50 rows read"), 9, {},
             [&](int) {
                 reopenSuppliers(0);
                 return readRows(suppliers, 50);
             },
             [&](int) { return bareValue(bare, supplierPageSql, {}, 50); },
             50, false, true});
    const QString bareLocate = QStringLiteral(
        "SELECT FIRST 1 CODIGOFORNECEDOR FROM FORNECEDOR WHERE UPPER(NOMEFORNECEDOR) STARTING WITH ? "
        "ORDER BY NOMEFORNECEDOR, CODIGOFORNECEDOR");
    auto locateFar = [&](int) {
        if (!suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), farText)
            || !suppliers->asString(QStringLiteral("NOMEFORNECEDOR")).startsWith(farText.toUpper()))
            throw DataError(QStringLiteral("locate missed %1").arg(farText));
        return suppliers->value(QStringLiteral("CODIGOFORNECEDOR")).toDouble();
    };
    measure({QStringLiteral("e1) locate \"%1\" (95% down), count unknown").arg(farText), 9, reopenSuppliers,
             locateFar, [&](int) { return bareValue(bare, bareLocate, {farText.toUpper()}); }, 50, false});
    // The register windows show the count, so there the set is counted when
    // the locate comes and the row's place is counted from the nearer end.
    measure({QStringLiteral("e1b) locate \"%1\", count shown").arg(farText), 9,
             [&](int i) { reopenSuppliers(i); suppliers->recordCount(); },
             locateFar, [&](int) { return bareValue(bare, bareLocate, {farText.toUpper()}); }, 50, false});
    // The estimated place settled: the exact place, as many rows as come before it.
    const QString bareBefore = QStringLiteral(
        "SELECT COUNT(*) FROM FORNECEDOR WHERE NOMEFORNECEDOR < ? OR (NOMEFORNECEDOR = ? AND CODIGOFORNECEDOR < ?)");
    measure({QStringLiteral("e1s) the same locate, its place settled"), 9, reopenSuppliers,
             [&](int rep) {
                 locateFar(rep);
                 suppliers->settlePosition();
                 return double(suppliers->recNo());
             },
             [&](int) {
                 QSqlQuery q(bare);
                 check(q.prepare(QStringLiteral(
                           "SELECT FIRST 1 CODIGOFORNECEDOR, NOMEFORNECEDOR FROM FORNECEDOR WHERE UPPER(NOMEFORNECEDOR) "
                           "STARTING WITH ? ORDER BY NOMEFORNECEDOR, CODIGOFORNECEDOR")),
                       q);
                 q.addBindValue(farText.toUpper());
                 check(q.exec(), q);
                 q.next();
                 const QVariant key = q.value(0), name = q.value(1);
                 q.finish();
                 return bareValue(bare, bareBefore, {name, name, key});
             },
             -1, false});
    // First-letter search, as the search box does on the first key typed.
    for (const QString &letter : {QStringLiteral("b"), QStringLiteral("p"), QStringLiteral("v")}) {
        auto locateLetter = [&, letter](int) {
            if (!suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), letter)
                || !suppliers->asString(QStringLiteral("NOMEFORNECEDOR")).startsWith(letter.toUpper()))
                throw DataError(QStringLiteral("locate missed %1").arg(letter));
            return suppliers->value(QStringLiteral("CODIGOFORNECEDOR")).toDouble();
        };
        measure({QStringLiteral("e4) first letter \"%1\" among suppliers, count unknown").arg(letter), 9, reopenSuppliers,
                 locateLetter, [&, letter](int) { return bareValue(bare, bareLocate, {letter.toUpper()}); }, 50, false});
        measure({QStringLiteral("e4b) first letter \"%1\", count shown").arg(letter), 9,
                 [&](int i) { reopenSuppliers(i); suppliers->recordCount(); },
                 locateLetter, [&, letter](int) { return bareValue(bare, bareLocate, {letter.toUpper()}); }, 50, false});
    }
    measure({QStringLiteral("e2) locate a text that matches nothing"), 9, reopenSuppliers,
             [&](int) { return double(suppliers->locate(QStringLiteral("NOMEFORNECEDOR"), noneText)); },
             [&](int) { return double(bareValue(bare, bareLocate, {noneText.toUpper()}) > 0); },
             50, false});

    // f) The log picker: logs in the yard by plate number.
    lines->close();
    lines->setIndexFieldNames(QStringLiteral("CODIGOPRODUTO"));
    lines->setFilter(QStringLiteral("SITUACAO = 0"));
    lines->setFiltered(true);
    lines->open();
    const QString yardPageSql = QStringLiteral("SELECT ") + columnsOf(lines) + QStringLiteral(
        " FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0 ORDER BY CODIGOPRODUTO ROWS 1 TO 130");
    measure({QStringLiteral("f) logs in yard by plate: first page, 50 rows"), 9, {},
             [&](int) {
                 lines->close();
                 lines->setIndexFieldNames(QStringLiteral("CODIGOPRODUTO"));
                 lines->setFilter(QStringLiteral("SITUACAO = 0"));
                 lines->setFiltered(true);
                 lines->open();
                 return readRows(lines, 50);
             },
             [&](int) { return bareValue(bare, yardPageSql, {}, 50); },
             50, false});

    // g) Sawing a log marks its line: open the whole line table and locate the plate.
    auto plate = [LogLines](int rep) { return double(1 + (424242 + qint64(rep + 1) * 99991) % LogLines); };
    measure({QStringLiteral("g) open all lines + locate a plate number"), 9, {},
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

    // h) The whole line table by plate number: a plate 95% down, count unknown.
    const double farPlate = double(qint64(LogLines) * 95 / 100);
    auto reopenByPlate = [&](int) {
        lines->close();
        lines->setIndexFieldNames(QStringLiteral("CODIGOPRODUTO"));
        lines->setFiltered(false);
        lines->open();
    };
    auto locatePlate = [&](int) {
        if (!lines->locate(QStringLiteral("CODIGOPRODUTO"), farPlate)
            || lines->asDouble(QStringLiteral("CODIGOPRODUTO")) != farPlate)
            throw DataError(QStringLiteral("plate not found"));
        return farPlate;
    };
    measure({QStringLiteral("h1) lines by plate: locate plate %1 (95% down)").arg(farPlate), 9, reopenByPlate,
             locatePlate,
             [&](int) {
                 return bareValue(bare, QStringLiteral(
                     "SELECT CODIGOPRODUTO FROM ENTRADA_TOROS_DISCRIMINACAO WHERE CODIGOPRODUTO = ?"), {farPlate});
             },
             50, false});
    measure({QStringLiteral("h1s) the same locate, its place settled"), 3, reopenByPlate,
             [&](int rep) {
                 locatePlate(rep);
                 lines->settlePosition();
                 return double(lines->recNo());
             },
             [&](int) {
                 return bareValue(bare, QStringLiteral(
                     "SELECT COUNT(*) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE CODIGOPRODUTO < ?"), {farPlate});
             },
             -1, false});

    lines->close();
    suppliers->close();
    dm.closeAll();
    measureInsertCost(conn, bare);

    dm.closeAll();
    printTable();
    const long hwm = peakMemoryKb();
    std::printf("\nPeak memory (VmHWM): %.1f MB   goal < 200 MB   %s\n", hwm / 1024.0,
                hwm >= 0 && hwm < 200 * 1024 ? "ok" : "MISSED");
    bare.close();
    if (valuesDiffer) {
        std::printf("The two sides read different values: the figures above compare unlike work.\n");
        return 1;
    }
    return 0;
}

// The first page of an invoice's lines on a small and on a large file,
// sampled by turns: it must not cost more than twice as much on the large one.
int scale(const QString &small, const QString &large)
{
    const QString paths[2] = {small, large};
    int invoiceCount[2];
    for (int side = 0; side < 2; ++side) {
        invoiceCount[side] = seededShape(paths[side]).invoices();
        if (invoiceCount[side] == 0) {
            std::fprintf(stderr, "%s is not a seeded database.\n", qPrintable(paths[side]));
            return 2;
        }
    }
    std::vector<double> ms[2];
    std::unique_ptr<data::Connection> conns[2];
    std::unique_ptr<Table> tables[2];
    std::vector<std::pair<double, double>> invoices[2];
    for (int side = 0; side < 2; ++side) {
        conns[side] = std::make_unique<data::Connection>(QStringLiteral("bench-scale-%1").arg(side));
        conns[side]->setDatabaseName(paths[side]);
        conns[side]->open();
        data::SchemaIndexes::ensureInstalled(conns[side].get());
        tables[side] = std::make_unique<Table>(conns[side].get(), QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"),
                                               QStringLiteral("CODDISCRIMINACAO"));
        invoices[side] = sampleInvoices(conns[side]->database(), invoiceCount[side]);
    }
    for (int rep = -1; rep < 15; ++rep) {
        for (int k = 0; k < 2; ++k) {
            const int side = (k + rep + 1) % 2;
            const auto inv = invoices[side][size_t(rep + 1) % invoices[side].size()];
            QElapsedTimer t;
            t.start();
            invoicePage(tables[side].get(), inv.first, inv.second);
            if (rep >= 0)
                ms[side].push_back(t.nsecsElapsed() / 1e6);
        }
    }
    const double a = median(ms[0]), b = median(ms[1]);
    std::printf("first page of an invoice's lines: %.2f ms on %s, %.2f ms on %s, ratio %.2f (at most 2)\n", a,
                qPrintable(small), b, qPrintable(large), b / a);
    for (int side = 0; side < 2; ++side) {
        std::printf("  plan: %s\n", qPrintable(conns[side]->planOf(invoicePageSql(tables[side].get()))));
        tables[side]->close();
        conns[side]->close();
    }
    if (b > 2 * a) {
        std::printf("FAILED: the page grows with the table.\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    Shape shape;
    shape.lines = DefaultLines;
    const int linesAt = int(args.indexOf(QStringLiteral("--lines")));
    if (linesAt >= 0) {
        bool ok = false;
        shape.lines = args.value(linesAt + 1).toInt(&ok);
        if (!ok || shape.lines < 1000 || shape.lines % LinesPerInvoice) {
            std::fprintf(stderr, "--lines takes a number of log lines, at least 1000, a multiple of %d\n",
                         LinesPerInvoice);
            return 2;
        }
        args.remove(linesAt, 2);
    }
    const QString command = args.value(0);
    const QString path = QFileInfo(args.value(1, QString::fromLatin1(DefaultPath))).absoluteFilePath();
    try {
        if (command == QLatin1String("seed"))
            return seed(path, force, shape);
        if (command == QLatin1String("run"))
            return run(path);
        if (command == QLatin1String("scale") && args.size() == 3)
            return scale(QFileInfo(args[1]).absoluteFilePath(), QFileInfo(args[2]).absoluteFilePath());
    } catch (const DataError &e) {
        std::fprintf(stderr, "error: %s\n", qPrintable(e.message()));
        return 1;
    }
    std::fprintf(stderr, "usage: quelvora-bench seed [--force] [--lines N] [PATH]\n"
                         "       quelvora-bench run [PATH]\n"
                         "       quelvora-bench scale SMALL LARGE   fails when a page on LARGE costs over twice SMALL's\n"
                         "PATH defaults to %s, N to %d\n", DefaultPath, DefaultLines);
    return 2;
}
