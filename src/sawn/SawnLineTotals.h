#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;

namespace data { class DataSet; }
namespace widgets { class NumericEdit; }

// The area or volume (TOTALM3) and the value of a sawn-wood line, kept equal
// to the row's quantity, dimensions, unit and unit price as they stand: each
// change of one of them computes both again, so a line is never stored with
// the volume of figures it no longer has. A unit with no computed total
// leaves TOTALM3 empty and the value 0.
class SawnLineTotals : public QObject
{
    Q_OBJECT
public:
    // The unit-price and value columns (the sale lines and the packing list
    // name them differently).
    SawnLineTotals(data::DataSet *rows, const QString &priceColumn, const QString &valueColumn,
                   QObject *parent = nullptr);

    // "Total" and its caption follow the unit: 2 decimals and "Total M/2",
    // 4 decimals and "Total M/3"; other units leave them as they are.
    // `balance`, when given, takes the same decimals.
    void showTotalIn(widgets::NumericEdit *total, QLabel *caption, widgets::NumericEdit *balance = nullptr);

    // Computes both from the row now (also run before a save).
    void recompute();

private:
    void fieldChanged(const QString &field);
    void unitShown();

    data::DataSet *m_rows;
    QString m_price, m_value;
    QPointer<widgets::NumericEdit> m_total, m_balance;
    QPointer<QLabel> m_caption;
    bool m_writing = false;
};
