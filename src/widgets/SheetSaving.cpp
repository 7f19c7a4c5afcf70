#include "SheetSaving.h"

#include "DBGrid.h"
#include "Prompter.h"

#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "reports/ReportError.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QStandardPaths>

namespace widgets {

namespace {

const QString kCaption = QStringLiteral("Planilha");

SheetFileAsker &asker()
{
    static SheetFileAsker installed;
    return installed;
}

QString askWithDialog(QWidget *parent, const QString &suggested)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString filter = QStringLiteral("Planilha (*.xlsx)");
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Salvar como planilha"),
                                                QDir(dir).filePath(suggested + QStringLiteral(".xlsx")),
                                                QStringLiteral("Planilha (*.xlsx);;CSV separado por ponto e vírgula (*.csv)"),
                                                &filter);
    if (path.isEmpty())
        return path;
    const bool csv = filter.contains(QLatin1String("*.csv"));
    const QString ending = csv ? QStringLiteral(".csv") : QStringLiteral(".xlsx");
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += ending;
    return path;
}

} // namespace

void setSheetFileAsker(SheetFileAsker a)
{
    asker() = std::move(a);
}

bool saveSheet(QWidget *parent, const QString &suggestedName, const std::function<reports::Sheet()> &make)
{
    const QString path = asker() ? asker()(parent, suggestedName) : askWithDialog(parent, suggestedName);
    if (path.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool written = false;
    QString failure;
    // The database's errors go to the standard error box; a file that
    // cannot be written is this window's own message.
    guarded(parent, [&] {
        try {
            reports::writeSheet(make(), path);
            written = true;
        } catch (const reports::ReportError &e) {
            failure = e.message();
        }
    });
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty())
        error(failure, kCaption, parent);
    return written;
}

reports::Sheet gridSheet(const DBGrid *grid)
{
    reports::Sheet sheet;
    sheet.name = grid->window() ? grid->window()->windowTitle() : QString();
    data::DataSet *ds = grid->dataSet();
    const data::DataSetModel *model = grid->dataModel();
    if (!ds || !model || !ds->isActive())
        return sheet;
    const QStringList shown = model->columns();
    QVector<int> fields;
    const QHeaderView *header = grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int c = header->logicalIndex(visual);
        if (grid->isColumnHidden(c))
            continue;
        const int field = shown.isEmpty() ? c : ds->fieldIndex(shown.value(c));
        if (field < 0)
            continue;
        fields << field;
        sheet.titles << model->headerData(c, Qt::Horizontal).toString();
        const data::Field &f = ds->fields().at(field);
        sheet.formats << (f.type == QMetaType::Double || f.type == QMetaType::Int ? f.displayFormat : QString());
    }
    const int rows = ds->recordCount();
    sheet.rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVector<QVariant> cells;
        cells.reserve(fields.size());
        for (int field : fields) {
            const data::Field &f = ds->fields().at(field);
            const QVariant v = ds->valueAt(r, field);
            if (f.type == QMetaType::QString && !f.editMask.isEmpty())
                cells << data::DataSet::formatValue(f, v);
            else
                cells << v;
        }
        sheet.rows << cells;
    }
    return sheet;
}

QAction *addSheetAction(DBGrid *grid)
{
    auto *action = new QAction(QStringLiteral("Salvar como planilha..."), grid);
    action->setObjectName(QStringLiteral("actionSalvarPlanilha"));
    grid->addAction(action);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(action, &QAction::triggered, grid, [grid] {
        const QString name = grid->window() ? grid->window()->windowTitle() : QString();
        saveSheet(grid, name.isEmpty() ? QStringLiteral("planilha") : name, [grid] { return gridSheet(grid); });
    });
    return action;
}

} // namespace widgets
