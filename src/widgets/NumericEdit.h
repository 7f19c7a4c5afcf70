#pragma once

#include "FieldLink.h"

#include <QLineEdit>

namespace widgets {

// A number edit with fixed decimals: "1.234,56" while not focused, plain
// "1234,56" while typing, "0,00" (or "0,0000") when empty. Leaving it puts
// the value back as shown, rounded to its decimals; bound to a column it
// writes that value. With zero padding it shows whole numbers as "000042".
class NumericEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumericEdit(QWidget *parent = nullptr, int decimals = 2);

    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    void setThousands(bool on) { m_thousands = on; reformat(); }
    // Whole numbers padded with zeros to `digits` ("000000" with 6).
    void setZeroPadding(int digits);

    double value() const;
    void setValue(double value);
    // True when the text is the empty value ("0,00", "000000" or blank).
    bool isZero() const { return value() == 0.0; }

    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataSet(data::DataSet *dataSet) { m_link->setDataSet(dataSet); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    FieldLink *link() const { return m_link; }

    QString shownText(double value, bool focused) const;

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void reformat();
    void refresh();
    void commit();

    FieldLink *m_link;
    int m_decimals;
    int m_padding = 0;
    bool m_thousands = true;
};

// A number edit named `objectName`, bound to `field` of `source` when a
// field is given.
NumericEdit *makeNumericEdit(const QString &objectName, data::DataSource *source, const QString &field,
                             int decimals);

// Zero-padded number edit ("000000" when empty), for document numbers.
class ZeroPadEdit : public NumericEdit
{
    Q_OBJECT
public:
    explicit ZeroPadEdit(QWidget *parent = nullptr, int digits = 6) : NumericEdit(parent, 0)
    { setZeroPadding(digits); }
};

} // namespace widgets
