#include "FormBinder.h"

#include "DBEdit.h"
#include "DBGrid.h"
#include "FieldLink.h"
#include "FieldWidth.h"
#include "MaskedFieldPair.h"
#include "NumericEdit.h"
#include "UpperCaseValidator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaEnum>
#include <QStyle>

namespace widgets {

namespace {

const char *const kField = "field";

CharCase charCaseOf(const QWidget *w)
{
    const QString c = w->property("charCase").toString();
    if (c.compare(QLatin1String("upper"), Qt::CaseInsensitive) == 0)
        return CharCase::Upper;
    if (c.compare(QLatin1String("lower"), Qt::CaseInsensitive) == 0)
        return CharCase::Lower;
    return CharCase::Normal;
}

void look(QWidget *w)
{
    if (const QString longest = w->property("longest").toString(); !longest.isEmpty())
        fitWidthTo(w, longest);
    const QString icon = w->property("standardIcon").toString();
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !icon.isEmpty()) {
        const QMetaEnum pixmaps = QMetaEnum::fromType<QStyle::StandardPixmap>();
        bool ok = false;
        const int which = pixmaps.keyToValue(icon.toLatin1().constData(), &ok);
        Q_ASSERT_X(ok, "FormBinder", qPrintable(icon));
        if (ok)
            button->setIcon(button->style()->standardIcon(QStyle::StandardPixmap(which)));
        return;
    }
    const CharCase c = charCaseOf(w);
    if (auto *edit = qobject_cast<DBEdit *>(w)) {
        edit->setCharCase(c);
    } else if (auto *memo = qobject_cast<DBMemo *>(w)) {
        memo->setCharCase(c);
    } else if (auto *number = qobject_cast<NumericEdit *>(w)) {
        if (w->property("decimals").isValid())
            number->setDecimals(w->property("decimals").toInt());
        if (w->property("zeroPadding").isValid())
            number->setZeroPadding(w->property("zeroPadding").toInt());
    } else if (c == CharCase::Upper) {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            UpperCaseValidator::install(line);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            UpperCaseValidator::install(combo);
    }
}

} // namespace

void FormBinder::applyLooks(QWidget *form)
{
    for (QWidget *w : form->findChildren<QWidget *>())
        if (w->property("charCase").isValid() || w->property("decimals").isValid()
            || w->property("zeroPadding").isValid() || w->property("standardIcon").isValid()
            || w->property("longest").isValid())
            look(w);
}

void FormBinder::bind(QWidget *form, data::DataSource *source)
{
    bindAll(form, {{QString(), source}}, nullptr);
}

void FormBinder::bind(QWidget *form, data::DataSet *dataSet)
{
    bindAll(form, {}, dataSet);
}

void FormBinder::bind(QWidget *form, const QHash<QString, data::DataSource *> &sources)
{
    bindAll(form, sources, nullptr);
}

void FormBinder::bindAll(QWidget *form, const QHash<QString, data::DataSource *> &sources, data::DataSet *dataSet)
{
    applyLooks(form);
    for (QWidget *w : form->findChildren<QWidget *>()) {
        const QString sourceName = w->property("source").toString();
        const bool none = sourceName == QLatin1String("none");
        data::DataSource *source = sources.value(sourceName);
        Q_ASSERT_X(dataSet || none || source || !(w->property("columns").isValid() || w->property(kField).isValid()),
                   "FormBinder", qPrintable(w->objectName()));
        if (auto *grid = qobject_cast<DBGrid *>(w); grid && w->property("columns").isValid()) {
            if (!none)
                source ? grid->setDataSource(source) : grid->setDataSet(dataSet);
            grid->setColumns(DBGrid::columnsOf(w->property("columns").toStringList()));
            continue;
        }
        const QString field = w->property(kField).toString();
        if (field.isEmpty() || none)
            continue;
        if (auto *link = w->findChild<FieldLink *>(QString(), Qt::FindDirectChildrenOnly)) {
            source ? link->setDataSource(source) : link->setDataSet(dataSet);
            link->setDataField(field);
            continue;
        }
        auto *masked = qobject_cast<QLineEdit *>(w);
        const QString mask = w->property("mask").toString();
        Q_ASSERT_X(masked && !mask.isEmpty(), "FormBinder", qPrintable(w->objectName()));
        if (!masked || mask.isEmpty() || pairOf(masked))
            continue;
        // The stored digits live in a hidden edit beside the one the user types in.
        auto *column = new DBEdit(w->parentWidget());
        column->setObjectName(field);
        source ? column->setDataSource(source) : column->setDataSet(dataSet);
        column->setDataField(field);
        new MaskedFieldPair(masked, column, mask, masked);
    }
}

MaskedFieldPair *FormBinder::pairOf(QLineEdit *masked)
{
    return masked ? masked->findChild<MaskedFieldPair *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace widgets
