#include "ReportCommand.h"

#include "ReportDocument.h"
#include "ReportError.h"
#include "ReportRegistry.h"

#include "data/SchemaUpgrade.h"
#include "data/Connection.h"
#include "data/DataError.h"

#include <QFileInfo>
#include <QTextStream>

namespace reports {

namespace {

QString typeName(ReportParameter::Type t)
{
    switch (t) {
    case ReportParameter::Type::Integer: return QStringLiteral("inteiro");
    case ReportParameter::Type::Date: return QStringLiteral("data dd/mm/aaaa");
    case ReportParameter::Type::Text: break;
    }
    return QStringLiteral("texto");
}

int usage(QTextStream &err)
{
    err << "uso: quelvora-tool report --list\n"
           "     quelvora-tool report NOME --database CAMINHO [--param CHAVE=VALOR ...] --pdf SAIDA.pdf\n"
           "     (ou, em vez de --pdf ou junto, --xlsx SAIDA.xlsx e/ou --csv SAIDA.csv)\n";
    err.flush();
    return 2;
}

void list(QTextStream &out)
{
    for (const ReportEntry &e : reportCatalog()) {
        out << e.name << "  " << e.description << '\n';
        for (const ReportParameter &p : e.parameters)
            out << "    " << p.key << " (" << typeName(p.type) << (p.required ? "" : ", opcional") << ")  "
                << p.description << '\n';
    }
    out.flush();
}

} // namespace

int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() == 1 && args[0] == QLatin1String("--list")) {
        list(out);
        return 0;
    }
    QString name, database, pdf, xlsx, csv;
    QStringList params;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto valueOf = [&](QString &into) {
            if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--")))
                return false;
            into = args[++i];
            return true;
        };
        if (a == QLatin1String("--database")) {
            if (!valueOf(database)) {
                err << "Falta o caminho depois de --database.\n";
                return usage(err);
            }
        } else if (a == QLatin1String("--pdf")) {
            if (!valueOf(pdf)) {
                err << "Falta o arquivo depois de --pdf.\n";
                return usage(err);
            }
        } else if (a == QLatin1String("--xlsx") || a == QLatin1String("--csv")) {
            if (!valueOf(a == QLatin1String("--xlsx") ? xlsx : csv)) {
                err << "Falta o arquivo depois de " << a << ".\n";
                return usage(err);
            }
        } else if (a == QLatin1String("--param")) {
            QString kv;
            if (!valueOf(kv)) {
                err << "Falta CHAVE=VALOR depois de --param.\n";
                return usage(err);
            }
            params << kv;
        } else if (a.startsWith(QLatin1String("--")) || !name.isEmpty()) {
            err << "Argumento inesperado: " << a << '\n';
            return usage(err);
        } else {
            name = a;
        }
    }
    if (name.isEmpty())
        return usage(err);
    const ReportEntry *entry = findReport(name);
    if (!entry) {
        err << "Relatório desconhecido: " << name << " (quelvora-tool report --list mostra os relatórios).\n";
        err.flush();
        return 2;
    }
    if (database.isEmpty() || (pdf.isEmpty() && xlsx.isEmpty() && csv.isEmpty())) {
        err << (database.isEmpty() ? "Informe o banco de dados com --database.\n"
                                   : "Informe o arquivo de saída com --pdf.\n");
        return usage(err);
    }
    QVariantMap values;
    try {
        values = parseParameters(*entry, params);
    } catch (const ReportError &e) {
        err << e.message() << '\n';
        err.flush();
        return 2;
    }
    if (data::Connection::isLocalPath(database) && !QFileInfo::exists(database)) {
        err << "Banco de dados não encontrado: " << database << '\n';
        err.flush();
        return 1;
    }
    try {
        data::Connection connection(QStringLiteral("quelvora-report"));
        connection.setDatabaseName(database);
        connection.open();
        data::SchemaUpgrade::ensureInstalled(&connection, {data::SchemaUpgrade::AlphanumericCnpj});
        ReportDocument document(makeReport(entry->name, connection, values), &connection);
        if (!pdf.isEmpty()) {
            writePdf(document, pdf);
            out << "Relatório " << entry->name << " gravado em " << pdf << " (" << document.pageCount()
                << (document.pageCount() == 1 ? " página" : " páginas") << ").\n";
        }
        if (!xlsx.isEmpty() || !csv.isEmpty()) {
            const Sheet sheet = document.toSheet();
            if (!xlsx.isEmpty())
                writeXlsx(sheet, xlsx);
            if (!csv.isEmpty())
                writeCsv(sheet, csv);
            for (const QString &file : {xlsx, csv}) {
                if (!file.isEmpty())
                    out << "Relatório " << entry->name << " gravado em " << file << " (" << sheet.rows.size()
                        << (sheet.rows.size() == 1 ? " linha" : " linhas") << ").\n";
            }
        }
        out.flush();
    } catch (const ReportError &e) {
        err << e.message() << '\n';
        err.flush();
        return 1;
    } catch (const data::DataError &e) {
        err << e.message() << '\n';
        err.flush();
        return 1;
    }
    return 0;
}

} // namespace reports
