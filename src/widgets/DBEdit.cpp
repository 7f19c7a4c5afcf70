#include "DBEdit.h"

#include "Prompter.h"
#include "core/Formats.h"
#include "data/DataSet.h"
#include "data/Table.h"

namespace widgets {

static QString applyCase(const QString &text, CharCase c)
{
    switch (c) {
    case CharCase::Upper: return text.toUpper();
    case CharCase::Lower: return text.toLower();
    default: return text;
    }
}

// The text a bound edit shows for a value: numbers in the general format,
// which is also how they are read back.
static QString editText(const data::Field *f, const QVariant &v)
{
    if (!f || v.isNull())
        return {};
    if (f->type == QMetaType::Double)
        return core::generalNumber(v.toDouble());
    return data::DataSet::formatValue(*f, v);
}

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), m_link(new FieldLink(this))
{
    connect(m_link, &FieldLink::refreshNeeded, this, &DBEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::typed);
}

DBEdit::DBEdit(data::DataSource *source, const QString &field, QWidget *parent) : DBEdit(parent)
{
    setObjectName(field);
    m_link->setDataSource(source);
    m_link->setDataField(field);
}

void DBEdit::refresh()
{
    if (m_link->isWriting())
        return;
    const data::Field *f = m_link->field();
    if (f && f->type == QMetaType::QString && f->size > 0)
        setMaxLength(f->size);
    const QString text = editText(f, m_link->value());
    if (text != this->text())
        setText(text);
}

void DBEdit::typed(const QString &raw)
{
    const QString text = applyCase(raw, m_case);
    if (text != raw) {
        const int pos = cursorPosition();
        setText(text);
        setCursorPosition(pos);
    }
    if (!m_link->isActive())
        return;
    const data::Field *f = m_link->field();
    guarded(this, [&] {
        if (f && (f->type == QMetaType::Double || f->type == QMetaType::Int)) {
            if (text.trimmed().isEmpty())
                m_link->setValue(QVariant());
            else
                m_link->setValue(core::editValue(text));
        } else {
            m_link->setValue(text.isEmpty() ? QVariant() : QVariant(text));
        }
    });
}

DBEdit *makeDBEdit(data::DataSource *source, QWidget *page, const QString &field, CharCase charCase, int width)
{
    auto *e = new DBEdit(source, field, page);
    e->setCharCase(charCase);
    if (width)
        e->setFixedWidth(width);
    return e;
}

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent), m_link(new FieldLink(this))
{
    connect(m_link, &FieldLink::refreshNeeded, this, &DBMemo::refresh);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loading || !m_link->isActive())
            return;
        const QString raw = toPlainText();
        const QString text = applyCase(raw, m_case);
        if (text != raw) {
            m_loading = true;
            QTextCursor c = textCursor();
            const int pos = c.position();
            setPlainText(text);
            c = textCursor();
            c.setPosition(qMin(pos, int(text.size())));
            setTextCursor(c);
            m_loading = false;
        }
        guarded(this, [&] { m_link->setValue(text.isEmpty() ? QVariant() : QVariant(text)); });
    });
}

void DBMemo::refresh()
{
    if (m_link->isWriting())
        return;
    m_loading = true;
    const QString text = m_link->value().toString();
    if (text != toPlainText())
        setPlainText(text);
    m_loading = false;
}

DBText::DBText(QWidget *parent) : QLabel(parent), m_link(new FieldLink(this))
{
    connect(m_link, &FieldLink::refreshNeeded, this, &DBText::refresh);
}

void DBText::refresh()
{
    const data::Field *f = m_link->field();
    setText(f ? data::DataSet::formatValue(*f, m_link->value()) : QString());
}

void setStarEcho(QLineEdit *edit)
{
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

} // namespace widgets
