#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

// What the three check components share: the verdict on the held value and
// the link to an edit field whose leaving runs the check.
//
// The field is any object with a "text" property and the "selectAll" and
// "setFocus" slots (a QLineEdit, for instance); this library knows no
// widgets. When the field loses the focus to another field of the active
// window, its text is checked. A valid text lets the field's own leaving
// handling go on (QLineEdit's editingFinished, for instance); an invalid one
// stops it, calls OnError (or beeps), selects the text and takes the focus
// back, so the user cannot leave the field until it is valid or empty.
class TCheckBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Valid READ Valid WRITE setValid)
    Q_PROPERTY(QObject *Associate READ Associate WRITE setAssociate)

public:
    // Called with the field whose text failed.
    using ErrorHandler = std::function<void(QObject *sender)>;

    ~TCheckBase() override;

    bool Valid() const { return m_valid; }
    // Assigning recomputes the verdict from the held value; the assigned
    // value itself is ignored.
    void setValid(bool ignored);

    QObject *Associate() const { return m_field; }
    void setAssociate(QObject *field);

    const ErrorHandler &OnError() const { return m_onError; }
    void setOnError(ErrorHandler handler) { m_onError = std::move(handler); }

    // QtCore has no beep of its own: the application installs one
    // (QApplication::beep). Without it a failed check without OnError is silent.
    static void setBeep(std::function<void()> beep);

protected:
    // RULE judges a text; a check with more to know (the state of an IE)
    // overrides check() instead.
    using Rule = bool (*)(QStringView text);
    explicit TCheckBase(Rule rule, QObject *parent);

    virtual bool check(const QString &text) const { return m_rule(text); }
    // The held value (CPF, CNPJ, IE); assigning it recomputes the verdict.
    const QString &value() const { return m_value; }
    void setValue(const QString &value);
    void recompute();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool leavesForAnotherField(QObject *field) const;

    Rule m_rule;
    QString m_value;
    bool m_valid = true; // the empty held value is valid
    QPointer<QObject> m_field;
    ErrorHandler m_onError;
};
