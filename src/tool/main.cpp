// quelvora-tool: command-line companion of the program.
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/DemoDatabase.h"
#include "taxid/TaxIdCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

static int usage(QTextStream &err)
{
    err << "uso: quelvora-tool create-db [--demo] CAMINHO\n"
           "     quelvora-tool check-cpf VALOR | check-cnpj VALOR | check-ie UF VALOR\n"
           "     quelvora-tool check-batch < linhas (TIPO<TAB>UF<TAB>VALOR)\n";
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

int main(int argc, char **argv)
{
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
    return usage(err);
}
