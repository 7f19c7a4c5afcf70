#include "UpperCaseValidator.h"

#include <QComboBox>
#include <QLineEdit>

namespace widgets {

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    input = input.toUpper();
    pos = qMin(pos, int(input.size())); // "ß" grows into "SS"
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
