#include "MaskedFieldPair.h"

#include "DBEdit.h"
#include "Prompter.h"

#include <QLineEdit>

namespace widgets {

MaskedFieldPair::MaskedFieldPair(QLineEdit *masked, DBEdit *hidden, const QString &mask, QObject *parent)
    : QObject(parent ? parent : masked), m_masked(masked), m_hidden(hidden), m_mask(mask)
{
    m_masked->setInputMask(m_mask.inputMask());
    m_hidden->hide();
    connect(m_masked, &QLineEdit::textChanged, this, &MaskedFieldPair::maskedChanged);
    connect(m_hidden, &QLineEdit::textChanged, this, &MaskedFieldPair::columnChanged);
    columnChanged();
}

void MaskedFieldPair::maskedChanged()
{
    if (m_copying)
        return;
    m_copying = true;
    const QString digits = m_mask.stripLiterals(m_masked->text());
    if (digits != m_hidden->text()) {
        m_hidden->setText(digits);
        // setText does not count as typing; hand the text to the column.
        if (m_masked->hasFocus() || m_masked->isModified())
            emit m_hidden->textEdited(digits);
    }
    m_copying = false;
}

void MaskedFieldPair::columnChanged()
{
    if (m_copying)
        return;
    m_copying = true;
    const QString digits = m_hidden->text();
    if (m_mask.stripLiterals(m_masked->text()) != digits) {
        m_masked->setText(m_mask.display(digits));
        m_masked->setModified(false);
    }
    m_copying = false;
}

} // namespace widgets
