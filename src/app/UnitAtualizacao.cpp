#include "UnitAtualizacao.h"

#include "Contacts.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

TfrmAtualizacao::TfrmAtualizacao(data::TDM *, QWidget *parent) : QDialog(parent)
{
    setupUi(this);
    setWindowTitle(app::contacts::kMakerSite);
    WebBrowser1->setText(QStringLiteral("<p>As atualizações do sistema estão na página:</p><p><b>%1</b></p>")
                             .arg(app::contacts::kUpdateUrl.toHtmlEscaped()));
    connect(BitBtn1, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(app::contacts::kUpdateUrl)); });
}
