#include "StockCommand.h"

#include "StockCheck.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StockSummary.h"

#include <QTextStream>

namespace rules {

int runCheckStock(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString path;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--database") && i + 1 < args.size())
            path = args[++i];
        else {
            err << "uso: quelvora-tool check-stock --database CAMINHO\n";
            return 2;
        }
    }
    if (path.isEmpty()) {
        err << "uso: quelvora-tool check-stock --database CAMINHO\n";
        return 2;
    }
    try {
        data::Connection connection(QStringLiteral("check-stock"));
        connection.setDatabaseName(path);
        connection.open();
        if (data::StockSummary::ensureInstalled(&connection))
            out << "Resumos de estoque criados a partir dos movimentos.\n";
        const QVector<StockDifference> differences = stockDifferences(&connection);
        for (const StockDifference &d : differences)
            out << d.what << ": resumo " << QString::number(d.summary, 'f', 4)
                << ", movimentos " << QString::number(d.movements, 'f', 4) << '\n';
        connection.close();
        if (!differences.isEmpty()) {
            out << differences.size() << " diferença(s) encontrada(s).\n";
            return 1;
        }
        out << "Estoque conferido: nenhuma diferença.\n";
        return 0;
    } catch (const data::DataError &e) {
        err << e.message() << '\n';
        return 2;
    }
}

} // namespace rules
