// quelvora-tool: command-line companion of the program.
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseService.h"
#include "data/DemoDatabase.h"
#include "reports/ReportCommand.h"
#include "rules/StockCommand.h"
#include "taxid/TaxIdCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

static int usage(QTextStream &err)
{
    err << "uso: quelvora-tool create-db [--demo] CAMINHO\n"
           "     quelvora-tool check-cpf VALOR | check-cnpj VALOR | check-ie UF VALOR\n"
           "     quelvora-tool check-batch < linhas (TIPO<TAB>UF<TAB>VALOR)\n"
           "     quelvora-tool check-stock --database CAMINHO\n"
           "     quelvora-tool report --list\n"
           "     quelvora-tool report NOME --database CAMINHO [--param CHAVE=VALOR ...] --pdf SAIDA.pdf\n"
           "                   [--xlsx SAIDA.xlsx] [--csv SAIDA.csv]\n"
           "     quelvora-tool backup --database CAMINHO --to ARQUIVO.gbk [--quiet]\n"
           "     quelvora-tool restore --from ARQUIVO.gbk --database CAMINHO [--quiet]\n";
    return 2;
}

static int createDb(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool demo = false;
    QString path;
    for (const QString &a : args) {
        if (a == QLatin1String("--demo"))
            demo = true;
        else if (path.isEmpty())
            path = a;
        else
            return usage(err);
    }
    if (path.isEmpty())
        return usage(err);
    try {
        if (demo)
            data::DemoDatabase::create(path);
        else
            data::DatabaseCreator::create(path);
    } catch (const data::DataError &e) {
        err << e.message() << '\n';
        return 1;
    }
    out << "Banco de dados criado: " << path << '\n';
    return 0;
}

// backup and restore: the service's lines on standard output as they come,
// its error text on standard error and a non-zero exit when it fails.
static int service(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString database, file;
    bool quiet = false;
    const QString fileOption = command == QLatin1String("backup") ? QStringLiteral("--to") : QStringLiteral("--from");
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--quiet"))
            quiet = true;
        else if (args[i] == QLatin1String("--database") && i + 1 < args.size())
            database = args[++i];
        else if (args[i] == fileOption && i + 1 < args.size())
            file = args[++i];
        else
            return usage(err);
    }
    if (database.isEmpty() || file.isEmpty())
        return usage(err);
    const data::DatabaseService::LineSink sink = [&](const QString &line) {
        if (!quiet) {
            out << line << '\n';
            out.flush();
        }
    };
    int code = 0;
    try {
        if (command == QLatin1String("backup"))
            data::DatabaseService::backup(database, file, sink);
        else
            data::DatabaseService::restore(file, database, sink);
    } catch (const data::DataError &e) {
        out.flush();
        err << e.message() << '\n';
        code = 1;
    }
    out.flush();
    err.flush();
    // The engine may still be ending the service on a thread of its own,
    // which unloading the engine at exit (its shutdown, the library
    // finalizers) would pull from under it; its files are complete already.
    std::fflush(nullptr);
    ::_exit(code);
}

int main(int argc, char **argv)
{
    // Reports draw text, which needs the fonts of a GUI application; no
    // display is needed for that.
    if (argc > 1 && qstrcmp(argv[1], "report") == 0) {
        // Each PDF page is a large buffer made and freed in turn; keeping the
        // memory instead of handing it back to the system every page saves
        // much of the time of a long report.
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return reports::runReportCommand(app.arguments().mid(2), out, err);
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(err);
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    const int taxResult = taxid::runCommand(args, in, out, err);
    if (taxResult != taxid::NotATaxIdCommand)
        return taxResult;
    const QString command = args.takeFirst();
    if (command == QLatin1String("create-db"))
        return createDb(args, out, err);
    if (command == QLatin1String("backup") || command == QLatin1String("restore"))
        return service(command, args, out, err);
    if (command == QLatin1String("check-stock"))
        return rules::runCheckStock(args, out, err);
    return usage(err);
}
