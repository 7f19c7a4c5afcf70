#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace widgets {

// Turns whatever is typed or pasted into upper case, keeping the cursor
// where it was. The one way an unbound edit forces upper case; bound edits
// use DBEdit's own character case.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT
public:
    explicit UpperCaseValidator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;

    // Installs one on EDIT (or on the typing line of an editable COMBO).
    static void install(QLineEdit *edit);
    static void install(QComboBox *combo);
};

} // namespace widgets
