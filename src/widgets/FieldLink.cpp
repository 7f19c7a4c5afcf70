#include "FieldLink.h"

#include "data/DataSet.h"
#include "data/Table.h"

namespace widgets {

FieldLink::FieldLink(QObject *owner) : QObject(owner) {}

void FieldLink::setDataSource(data::DataSource *source)
{
    setDataSet(source ? source->dataSet() : nullptr);
}

void FieldLink::setDataSet(data::DataSet *dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    attach();
    emit refreshNeeded();
}

void FieldLink::setDataField(const QString &field)
{
    m_field = field;
    emit refreshNeeded();
}

void FieldLink::attach()
{
    if (!m_dataSet)
        return;
    connect(m_dataSet, &data::DataSet::rowChanged, this, &FieldLink::refreshNeeded);
    connect(m_dataSet, &data::DataSet::activeChanged, this, &FieldLink::refreshNeeded);
    connect(m_dataSet, &data::DataSet::stateChanged, this, &FieldLink::refreshNeeded);
    connect(m_dataSet, &data::DataSet::fieldChanged, this, [this](const QString &f) {
        if (!m_writing && f.compare(m_field, Qt::CaseInsensitive) == 0)
            emit refreshNeeded();
    });
}

bool FieldLink::isActive() const
{
    return isBound() && m_dataSet->isActive();
}

const data::Field *FieldLink::field() const
{
    if (!isActive() || !m_dataSet->hasField(m_field))
        return nullptr;
    return &m_dataSet->fields().at(m_dataSet->fieldIndex(m_field));
}

QVariant FieldLink::value() const
{
    if (!isActive() || !m_dataSet->hasField(m_field))
        return {};
    return m_dataSet->value(m_field);
}

void FieldLink::setValue(const QVariant &value)
{
    if (!isActive())
        return;
    m_writing = true;
    try {
        m_dataSet->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

} // namespace widgets
