#pragma once

#include <QString>
#include <QVector>

// The edit masks of the data fields ("99.999.999/9999-99;0;_" and the like).
//
// Mask language: the part before the first unescaped ";" is the pattern:
//   "0" digit required, "9" digit optional, "#" digit or sign optional,
//   "L"/"l" letter required/optional, "A"/"a" letter or digit,
//   "C"/"c" any character, ">" upper case, "<" lower case, "<>" no case
//   change, "\" the next character is a literal, "_" a literal blank,
//   "!" optional positions left empty become leading rather than trailing
//   blanks; every other character is a literal.
// After it, ";0" means the literals are not stored (any other value, or none,
// stores them), and a further ";c" gives the blank shown for empty positions
// ("_" when missing).
namespace core {

class EditMask
{
public:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case { Keep, Upper, Lower };

    struct Slot
    {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;         // Literal slots only
        Case letterCase = Case::Keep;
    };

    EditMask() = default;
    explicit EditMask(const QString &mask);

    QString mask() const { return m_mask; }
    bool isEmpty() const { return m_slots.isEmpty(); }
    bool storesLiterals() const { return m_storesLiterals; }
    bool leadingBlanks() const { return m_leadingBlanks; }
    QChar blank() const { return m_blank; }
    const QVector<Slot> &positions() const { return m_slots; }
    int editablePositions() const;

    // The text shown for a value: either the bare characters of the editable
    // positions ("12345678000195") or an already masked text
    // ("12.345.678/0001-95"). Missing positions show the blank; a short
    // bare value fills from the left, or from the right with "!". Characters
    // a position does not accept show as blank; extra ones are dropped.
    // EditMask("99999-999").display("85010") == "85010-___".
    QString display(const QString &value) const;

    // The characters typed in the editable positions, without literals and
    // without the empty ones: "12:3_" -> "123". Accepts the shown text or
    // a line edit's text() (blanks already removed).
    QString stripLiterals(const QString &text) const;

    // What the field stores for a shown text: stripLiterals() when the mask
    // does not store literals; otherwise the shown text with empty positions
    // as spaces, or "" when nothing was typed.
    QString storedText(const QString &text) const;

    // True when every required position holds a character it accepts.
    bool isComplete(const QString &text) const;

    // An equivalent QLineEdit::inputMask. Differences: the digit letters
    // swap ("0" required here is "9" there and vice versa), letters and
    // alphanumerics map to "A"/"a" and "N"/"n"; "!" (leading blanks) has no
    // counterpart and is dropped; a line edit always keeps the literals in
    // text(), so pass its text through storedText() before storing.
    QString inputMask() const;

    bool accepts(const Slot &slot, QChar c) const;

private:
    QVector<QChar> editableChars(const QString &value) const;
    bool isMaskedText(const QString &text) const;
    // What is neither a literal nor a blank: a line edit's text() drops the
    // empty positions, so positions no longer line up with the mask.
    QVector<QChar> looseChars(const QString &text) const;
    // CHARS in the editable positions, EMPTY where one is null, the literals between.
    QString withLiterals(const QVector<QChar> &chars, QChar empty) const;

    QString m_mask;
    QVector<Slot> m_slots;
    bool m_storesLiterals = true;
    bool m_leadingBlanks = false;
    QChar m_blank = u'_';
};

} // namespace core
