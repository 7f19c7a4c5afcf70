#include "UpperCaseValidator.h"

#include <QComboBox>
#include <QLineEdit>

namespace widgets {

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    // "ß" grows into "SS": the cursor stays after what was before it.
    pos = int(input.left(pos).toUpper().size());
    input = input.toUpper();
    return Acceptable;
}

void UpperCaseValidator::install(QLineEdit *edit)
{
    edit->setValidator(new UpperCaseValidator(edit));
}

void UpperCaseValidator::install(QComboBox *combo)
{
    if (combo->lineEdit())
        install(combo->lineEdit());
}

} // namespace widgets
