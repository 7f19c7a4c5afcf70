#pragma once

#include <QHash>
#include <QString>

class QLineEdit;
class QWidget;

namespace data {
class DataSet;
class DataSource;
}

namespace widgets {

class MaskedFieldPair;

// Binds a form laid out in Designer to its data. Every control below the
// form that names its column in the dynamic property "field" is bound to
// the source: the data-bound controls (DBEdit, NumericEdit, DateEdit,
// DBComboBox, DBLookupComboBox, DBMemo, DBText) through their field link,
// and a plain QLineEdit that also has a "mask" ("99999-999;0;_") becomes the
// masked half of a MaskedFieldPair whose hidden, bound edit is named after
// the column. Other properties the binder reads:
//   charCase     "upper" or "lower" (on a plain edit or editable list: upper only)
//   decimals     decimals of a NumericEdit
//   zeroPadding  digits of a zero-padded number edit
//   columns      on a DBGrid, "FIELD|Title|width|align|look" per column (align
//                left, center or right; look "bold" and/or a colour name, the
//                last two parts optional); binds the grid
//   standardIcon on a button, the style's picture ("SP_DialogOkButton")
//   longest      a sample of the longest value: the field stays wide enough
//                to show it whole (widgets::fitWidthTo)
//   source       on a form bound to several sources, the name of the one this
//                control or grid takes; "none" on a grid: titles only, no rows
// So a window's bindings are declared in its form, not written per field.
class FormBinder
{
public:
    static void bind(QWidget *form, data::DataSource *source);
    static void bind(QWidget *form, data::DataSet *dataSet);
    // A form whose controls show several sources: the control's "source"
    // names its entry; controls without one take the entry named "".
    static void bind(QWidget *form, const QHash<QString, data::DataSource *> &sources);
    // Only the properties that need no data: character case, decimals, padding, icons.
    static void applyLooks(QWidget *form);

    // The pair the binder made for a masked edit; null for any other edit.
    static MaskedFieldPair *pairOf(QLineEdit *masked);

private:
    static void bindAll(QWidget *form, const QHash<QString, data::DataSource *> &sources, data::DataSet *dataSet);
};

} // namespace widgets
