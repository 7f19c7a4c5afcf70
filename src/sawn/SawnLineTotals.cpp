#include "SawnLineTotals.h"

#include "core/Formats.h"
#include "core/SawnMeasure.h"
#include "data/DataSet.h"
#include "widgets/NumericEdit.h"

#include <QLabel>

namespace {

const QString kUnit = QStringLiteral("UNIDADE");
const QString kTotal = QStringLiteral("TOTALM3");

// Results are stored as the general number text reads back, as shown.
double written(double value)
{
    return core::editValue(core::generalNumber(value));
}

} // namespace

SawnLineTotals::SawnLineTotals(data::DataSet *rows, const QString &priceColumn, const QString &valueColumn,
                               QObject *parent)
    : QObject(parent), m_rows(rows), m_price(priceColumn), m_value(valueColumn)
{
    connect(rows, &data::DataSet::fieldChanged, this, &SawnLineTotals::fieldChanged);
    connect(rows, &data::DataSet::rowChanged, this, &SawnLineTotals::unitShown);
}

void SawnLineTotals::showTotalIn(widgets::NumericEdit *total, QLabel *caption, widgets::NumericEdit *balance)
{
    m_total = total;
    m_caption = caption;
    m_balance = balance;
}

void SawnLineTotals::fieldChanged(const QString &field)
{
    if (m_writing)
        return;
    const QString f = field.toUpper();
    if (f == kUnit)
        unitShown();
    if (f == kUnit || f == QLatin1String("QUANTIDADE") || f == QLatin1String("COMPRIMENTO")
        || f == QLatin1String("LARGURA") || f == QLatin1String("EXPESSURA") || f == m_price)
        recompute();
}

void SawnLineTotals::unitShown()
{
    if (!m_rows->isActive())
        return;
    const QString unit = m_rows->asString(kUnit);
    const int decimals = core::sawnTotalDecimals(unit);
    if (decimals < 0)
        return;
    if (m_total)
        m_total->setDecimals(decimals);
    if (m_balance)
        m_balance->setDecimals(decimals);
    if (m_caption)
        m_caption->setText(QStringLiteral("Total %1").arg(unit.trimmed().toUpper()));
}

void SawnLineTotals::recompute()
{
    if (!m_rows->isEditing() || m_writing)
        return;
    m_writing = true;
    auto number = [this](const char *column) { return m_rows->asDouble(QString::fromLatin1(column)); };
    double total = 0;
    QVariant stored;
    if (core::sawnTotal(m_rows->asString(kUnit), number("QUANTIDADE"), number("COMPRIMENTO"), number("LARGURA"),
                        number("EXPESSURA"), &total)) {
        total = written(total);
        stored = total;
    }
    m_rows->setValue(kTotal, stored);
    m_rows->setValue(m_value, written(total * m_rows->asDouble(m_price)));
    m_writing = false;
}
