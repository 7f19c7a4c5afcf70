#pragma once

#include "core/EditMask.h"

#include <QObject>
#include <QPointer>

class QLineEdit;

namespace widgets {

class DBEdit;

// A digit field typed in a masked edit that is not bound to the table and
// is paired with a hidden edit bound to the column: every change of the
// masked edit copies its text without the mask's literals into the column,
// and every change of the column copies it back into the masked edit.
class MaskedFieldPair : public QObject
{
    Q_OBJECT
public:
    MaskedFieldPair(QLineEdit *masked, DBEdit *hidden, const QString &mask, QObject *parent = nullptr);

    QLineEdit *masked() const { return m_masked; }
    DBEdit *hidden() const { return m_hidden; }
    const core::EditMask &mask() const { return m_mask; }

private:
    void maskedChanged();
    void columnChanged();

    QPointer<QLineEdit> m_masked;
    QPointer<DBEdit> m_hidden;
    core::EditMask m_mask;
    bool m_copying = false;
};

} // namespace widgets
