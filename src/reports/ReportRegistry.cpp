#include "ReportRegistry.h"

#include "ReportCatalog.h"
#include "ReportError.h"

#include <QDate>

#include <algorithm>

namespace reports {

const QVector<ReportEntry> &reportCatalog()
{
    static const QVector<ReportEntry> catalog = [] {
        QVector<ReportEntry> all = catalogEntries();
        std::sort(all.begin(), all.end(),
                  [](const ReportEntry &a, const ReportEntry &b) { return a.name < b.name; });
        return all;
    }();
    return catalog;
}

const ReportEntry *findReport(const QString &name)
{
    for (const ReportEntry &e : reportCatalog())
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

namespace {

const ReportParameter *findParameter(const ReportEntry &entry, const QString &key)
{
    for (const ReportParameter &p : entry.parameters)
        if (p.key.compare(key, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QVariant typedValue(const ReportEntry &entry, const ReportParameter &p, const QVariant &value)
{
    auto wrong = [&](const QString &what) {
        return ReportError(QStringLiteral("Parâmetro %1 do relatório %2: \"%3\" não é %4.")
                               .arg(p.key, entry.name, value.toString(), what));
    };
    switch (p.type) {
    case ReportParameter::Type::Integer: {
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
            || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong)
            return value.toLongLong();
        bool ok = false;
        const qlonglong n = value.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw wrong(QStringLiteral("um número inteiro"));
        return n;
    }
    case ReportParameter::Type::Date: {
        if (value.typeId() == QMetaType::QDate) {
            if (!value.toDate().isValid())
                throw wrong(QStringLiteral("uma data válida"));
            return value;
        }
        const QString t = value.toString().trimmed();
        QDate d = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
        if (!d.isValid())
            d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid())
            throw wrong(QStringLiteral("uma data válida (dd/mm/aaaa)"));
        return d;
    }
    case ReportParameter::Type::Text:
        break;
    }
    return value.toString();
}

} // namespace

QVariantMap checkParameters(const ReportEntry &entry, const QVariantMap &params)
{
    QVariantMap out;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        const ReportParameter *p = findParameter(entry, it.key());
        if (!p)
            throw ReportError(QStringLiteral("O relatório %1 não tem o parâmetro %2.").arg(entry.name, it.key()));
        out.insert(p->key, typedValue(entry, *p, it.value()));
    }
    for (const ReportParameter &p : entry.parameters)
        if (p.required && !out.contains(p.key))
            throw ReportError(QStringLiteral("Parâmetro %1 do relatório %2 deve ser informado!").arg(p.key, entry.name));
    return out;
}

QVariantMap parseParameters(const ReportEntry &entry, const QStringList &keyValues)
{
    QVariantMap raw;
    for (const QString &kv : keyValues) {
        const int eq = kv.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw ReportError(QStringLiteral("Parâmetro \"%1\" deve ser escrito CHAVE=VALOR.").arg(kv));
        const QString key = kv.left(eq).trimmed();
        if (raw.contains(key.toUpper()))
            throw ReportError(QStringLiteral("Parâmetro %1 informado mais de uma vez.").arg(key));
        raw.insert(key.toUpper(), kv.mid(eq + 1));
    }
    return checkParameters(entry, raw);
}

ReportDefinition makeReport(const QString &name, data::Connection &connection, const QVariantMap &params)
{
    const ReportEntry *entry = findReport(name);
    if (!entry)
        throw ReportError(QStringLiteral("Relatório desconhecido: %1.").arg(name));
    ReportDefinition def = entry->make(connection, checkParameters(*entry, params));
    if (def.name.isEmpty())
        def.name = entry->name;
    return def;
}

} // namespace reports
