#include "UnitAtualizacao.h"

#include "Contacts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TfrmAtualizacao::TfrmAtualizacao(data::TDM *, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAtualizacao"));
    setWindowTitle(app::contacts::kMakerSite);
    resize(849, 532);

    WebBrowser1 = new QLabel(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAlignment(Qt::AlignCenter);
    WebBrowser1->setWordWrap(true);
    WebBrowser1->setTextFormat(Qt::RichText);
    WebBrowser1->setText(QStringLiteral("<p>As atualizações do sistema estão na página:</p><p><b>%1</b></p>")
                             .arg(app::contacts::kUpdateUrl.toHtmlEscaped()));
    WebBrowser1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BitBtn1 = new QPushButton(QStringLiteral("&Abrir no navegador"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(app::contacts::kUpdateUrl)); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WebBrowser1, 1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}
