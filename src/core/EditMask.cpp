#include "core/EditMask.h"

#include <QStringList>

namespace core {

EditMask::EditMask(const QString &mask)
    : m_mask(mask)
{
    Case letterCase = Case::Keep;
    int i = 0;
    const int n = mask.size();
    auto editable = [&](Kind kind, bool required) {
        Slot s;
        s.kind = kind;
        s.required = required;
        s.letterCase = letterCase;
        m_slots << s;
    };
    auto literal = [&](QChar c) {
        Slot s;
        s.literal = c;
        m_slots << s;
    };

    for (; i < n; ++i) {
        const QChar c = mask.at(i);
        if (c == u';')
            break;
        switch (c.unicode()) {
        case u'\\':
            if (i + 1 < n)
                literal(mask.at(++i));
            break;
        case u'!': m_leadingBlanks = true; break;
        case u'>': letterCase = Case::Upper; break;
        case u'<':
            if (i + 1 < n && mask.at(i + 1) == u'>') {
                letterCase = Case::Keep;
                ++i;
            } else {
                letterCase = Case::Lower;
            }
            break;
        case u'0': editable(Kind::Digit, true); break;
        case u'9': editable(Kind::Digit, false); break;
        case u'#': editable(Kind::DigitOrSign, false); break;
        case u'L': editable(Kind::Letter, true); break;
        case u'l': editable(Kind::Letter, false); break;
        case u'A': editable(Kind::LetterOrDigit, true); break;
        case u'a': editable(Kind::LetterOrDigit, false); break;
        case u'C': editable(Kind::Any, true); break;
        case u'c': editable(Kind::Any, false); break;
        case u'_': literal(u' '); break;
        default: literal(c); break;
        }
    }

    if (i < n) {
        const QStringList fields = mask.mid(i + 1).split(u';');
        if (!fields.isEmpty() && fields.at(0) == QLatin1String("0"))
            m_storesLiterals = false;
        if (fields.size() > 1 && !fields.at(1).isEmpty())
            m_blank = fields.at(1).at(0);
    }
}

int EditMask::editablePositions() const
{
    int count = 0;
    for (const Slot &s : m_slots)
        count += s.kind != Kind::Literal;
    return count;
}

bool EditMask::accepts(const Slot &slot, QChar c) const
{
    switch (slot.kind) {
    case Kind::Literal: return c == slot.literal;
    case Kind::Digit: return c.isDigit();
    case Kind::DigitOrSign: return c.isDigit() || c == u'+' || c == u'-';
    case Kind::Letter: return c.isLetter();
    case Kind::LetterOrDigit: return c.isLetterOrNumber();
    case Kind::Any: return !c.isNull();
    }
    return false;
}

bool EditMask::isMaskedText(const QString &text) const
{
    if (text.size() != m_slots.size())
        return false;
    for (int i = 0; i < m_slots.size(); ++i) {
        const Slot &s = m_slots.at(i);
        if (s.kind == Kind::Literal && text.at(i) != s.literal)
            return false;
    }
    return true;
}

QVector<QChar> EditMask::editableChars(const QString &value) const
{
    QVector<const Slot *> editable;
    for (const Slot &s : m_slots) {
        if (s.kind != Kind::Literal)
            editable << &s;
    }

    QVector<QChar> raw;
    if (isMaskedText(value)) {
        for (int i = 0; i < m_slots.size(); ++i) {
            if (m_slots.at(i).kind == Kind::Literal)
                continue;
            const QChar c = value.at(i);
            raw << ((c == m_blank || c == u' ') ? QChar() : c);
        }
    } else {
        raw = looseChars(value);
        const int n = editable.size();
        if (raw.size() > n)
            raw.resize(n);
        if (raw.size() < n) {
            const QVector<QChar> blanks(n - raw.size());
            raw = m_leadingBlanks ? blanks + raw : raw + blanks;
        }
    }

    for (int i = 0; i < raw.size(); ++i) {
        QChar &c = raw[i];
        if (c.isNull())
            continue;
        const Slot &s = *editable.at(i);
        if (!accepts(s, c)) {
            c = QChar();
        } else if (s.letterCase == Case::Upper) {
            c = c.toUpper();
        } else if (s.letterCase == Case::Lower) {
            c = c.toLower();
        }
    }
    return raw;
}

QString EditMask::display(const QString &value) const
{
    return withLiterals(editableChars(value), m_blank);
}

QString EditMask::withLiterals(const QVector<QChar> &chars, QChar empty) const
{
    QString out;
    int next = 0;
    for (const Slot &s : m_slots) {
        if (s.kind == Kind::Literal) {
            out += s.literal;
        } else {
            const QChar c = chars.at(next++);
            out += c.isNull() ? empty : c;
        }
    }
    return out;
}

QString EditMask::stripLiterals(const QString &text) const
{
    QString out;
    if (isMaskedText(text)) {
        for (const QChar c : editableChars(text)) {
            if (!c.isNull())
                out += c;
        }
        return out;
    }
    for (const QChar c : looseChars(text))
        out += c;
    return out;
}

QVector<QChar> EditMask::looseChars(const QString &text) const
{
    QString literals;
    for (const Slot &s : m_slots) {
        if (s.kind == Kind::Literal)
            literals += s.literal;
    }
    QVector<QChar> out;
    for (const QChar c : text) {
        if (c != m_blank && c != u' ' && !literals.contains(c))
            out << c;
    }
    return out;
}

QString EditMask::storedText(const QString &text) const
{
    if (!m_storesLiterals)
        return stripLiterals(text);
    const QVector<QChar> chars = editableChars(text);
    bool any = false;
    for (const QChar c : chars)
        any = any || !c.isNull();
    if (!any)
        return QString();
    return withLiterals(chars, QChar(u' '));
}

bool EditMask::isComplete(const QString &text) const
{
    const QVector<QChar> chars = editableChars(text);
    int next = 0;
    for (const Slot &s : m_slots) {
        if (s.kind == Kind::Literal)
            continue;
        if (s.required && chars.at(next).isNull())
            return false;
        ++next;
    }
    return true;
}

QString EditMask::inputMask() const
{
    if (m_slots.isEmpty())
        return QString();
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{};");
    QString out;
    Case current = Case::Keep;
    for (const Slot &s : m_slots) {
        if (s.kind == Kind::Literal) {
            if (special.contains(s.literal))
                out += u'\\';
            out += s.literal;
            continue;
        }
        if (s.letterCase != current) {
            current = s.letterCase;
            out += current == Case::Upper ? u'>' : current == Case::Lower ? u'<' : u'!';
        }
        switch (s.kind) {
        case Kind::Digit: out += s.required ? u'9' : u'0'; break;
        case Kind::DigitOrSign: out += u'#'; break;
        case Kind::Letter: out += s.required ? u'A' : u'a'; break;
        case Kind::LetterOrDigit: out += s.required ? u'N' : u'n'; break;
        case Kind::Any: out += s.required ? u'X' : u'x'; break;
        case Kind::Literal: break;
        }
    }
    return out + u';' + m_blank;
}

} // namespace core
