#include "UnitRestore.h"

#include "core/AppPaths.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"

#include <QPlainTextEdit>

using namespace widgets;

// Both captions would take Alt+R. Alt+R leaves every other window, so it
// leaves this one too; the restore, which replaces the database without a
// question, gets no letter and is reached by Tab or a click.
TfrmRestore::TfrmRestore(data::TDM *dm_, QWidget *parent) : ServiceWindow(dm_, parent)
{
    setupUi(this);
    takeForm({Image1, QStyle::SP_BrowserReload, mmRestaurar, ProgressBar1, BitBtn1, BitBtn2},
             [this] { BitBtn1Click(); });
    browse(feRestaurar, false, QStringLiteral("Backup"), QStringLiteral("Arquivo de Backup (*.gbk)"),
           [] { return core::backupDir(); });
    browse(feRestBanco, false, QStringLiteral("Banco de Dados"), QStringLiteral("Interbase Database *.gbd (*.gdb)"),
           [] { return core::databaseDir(); });
    feRestBanco->setText(workingDatabase());
}

void TfrmRestore::BitBtn1Click()
{
    const QString caption = QStringLiteral("Restore");
    if (!filled(feRestaurar, QStringLiteral("Arquivo de Backup deve ser informado!"), caption)
        || !filled(feRestBanco, QStringLiteral("Banco de dados deve ser informado!"), caption))
        return;
    const QString file = feRestaurar->text().trimmed();
    const QString database = feRestBanco->text().trimmed();
    // Nothing of the program may hold the database being replaced.
    dm->closeAll();
    dm->IBDatabase1->close();
    runService([file, database](const data::DatabaseService::LineSink &sink) {
        data::DatabaseService::restore(file, database, sink);
    });
    inform(QStringLiteral("Restauração realizada com sucesso!"), QStringLiteral("Restore"), this);
    dm->IBDatabase1->open();
    mmRestaurar->clear();
}
