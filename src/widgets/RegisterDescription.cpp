#include "RegisterDescription.h"

#include "data/Table.h"

#include <QJsonArray>
#include <QJsonObject>

namespace widgets {

QStringList RegisterDescription::hintsFor(const QString &noun, bool feminine)
{
    const QString a = feminine ? QStringLiteral("a") : QStringLiteral("o");
    return {QStringLiteral("Primeir") + a + QLatin1Char(' ') + noun, noun + QStringLiteral(" Anterior"),
            QStringLiteral("Proxim") + a + QLatin1Char(' ') + noun, QStringLiteral("Ultim") + a + QLatin1Char(' ') + noun};
}

QVector<RegisterDescription::ButtonText> RegisterDescription::standardButtons(const QString &includeHint,
                                                                            const QString &deleteHint)
{
    return {{QStringLiteral("&Incluir"), includeHint},
            {QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro")},
            {QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")},
            {QStringLiteral("E&xcluir"), deleteHint},
            {QStringLiteral("&Pesquisar"), QStringLiteral("Ir para Pesquisa")},
            {QStringLiteral("Ca&dastro"), QStringLiteral("Ir para Cadastro")},
            {QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")}};
}

RegisterDescription RegisterDescription::fromJson(const QJsonObject &json, QObject *dataModule)
{
    const auto text = [&](const char *key) { return json.value(QLatin1String(key)).toString(); };
    RegisterDescription d;
    d.caption = text("caption");
    d.table = dataModule->findChild<data::Table *>(text("table"));
    d.source = dataModule->findChild<data::DataSource *>(text("source"));
    Q_ASSERT_X(d.table && d.source, "RegisterDescription::fromJson", qPrintable(text("table")));
    d.navigatorHints = hintsFor(text("noun"), json.value(QLatin1String("feminine")).toBool());
    d.buttons = standardButtons(text("includeHint"), text("deleteHint"));
    static const char *const names[] = {"Incluir",   "Cancelar", "Gravar",  "Excluir",
                                        "Pesquisar", "Cadastro", "Retornar"};
    const QJsonObject exceptions = json.value(QLatin1String("buttons")).toObject();
    for (int i = 0; i < d.buttons.size(); ++i) {
        if (!exceptions.contains(QLatin1String(names[i])))
            continue;
        const QJsonArray b = exceptions.value(QLatin1String(names[i])).toArray();
        d.buttons[i] = {b.at(0).toString(), b.at(1).toString()};
    }
    d.tabs = json.value(QLatin1String("tabs")).toVariant().toStringList();
    d.entryTitle = text("entryTitle");
    d.searchTitle = text("searchTitle");
    if (json.contains(QLatin1String("searchCaption")))
        d.searchCaption = text("searchCaption");
    d.searchField = text("searchField");
    d.searchColumns = DBGrid::columnsOf(json.value(QLatin1String("searchColumns")).toVariant().toStringList());
    const QJsonArray minimum = json.value(QLatin1String("gridMinimum")).toArray();
    d.gridMinimum = QSize(minimum.at(0).toInt(), minimum.at(1).toInt());
    d.countPrefix = text("countPrefix");
    for (const QJsonValue &o : json.value(QLatin1String("orders")).toArray())
        d.orders.append({o.toArray().at(0).toString(), o.toArray().at(1).toString()});
    d.initialOrder = text("initialOrder");
    d.searchEmptyMessage = text("searchEmptyMessage");
    for (const QJsonValue &r : json.value(QLatin1String("required")).toArray()) {
        const QJsonArray entry = r.toArray();
        d.required.append({entry.at(0).toString(), entry.at(1).toString(), text("requiredCaption"),
                           entry.at(2).toInt(-1)});
    }
    d.duplicateMessage = text("duplicateMessage");
    d.duplicateCaption = text("duplicateCaption");
    d.deleteEmptyMessage = text("deleteEmptyMessage");
    if (json.contains(QLatin1String("deleteEmptyCaption")))
        d.deleteEmptyCaption = text("deleteEmptyCaption");
    d.deleteQuestion = text("deleteQuestion");
    d.entryField = text("entryField");
    d.nameField = text("nameField");
    d.index = text("index");
    return d;
}

} // namespace widgets
