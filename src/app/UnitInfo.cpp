#include "UnitInfo.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

const char *const kNotes[] = {
    "Versão 4.0 de 23/01/2009\n"
    "- Romaneio de madeira serrada com relatório próprio.\n"
    "- Consulta de lançamentos por essência.\n"
    "ATENÇÃO: cópias de segurança gravadas antes desta versão não devem ser restauradas.",
    "Versão 3.9 de 10/11/2008\n"
    "- Limpeza do banco de dados por tabela.\n"
    "- Cadastro de sub-produtos.\n"
    "ATENÇÃO: cópias de segurança gravadas antes desta versão não devem ser restauradas.",
    "Versão 3.8 de 02/09/2008\n"
    "- Relatórios de entrada de madeira serrada (lançamento e detalhado).\n"
    "- Skins: escolha da aparência das janelas.\n"
    "ATENÇÃO: cópias de segurança gravadas antes desta versão não devem ser restauradas.",
    "Versão 3.5 de 14/04/2008\n"
    "- Consulta do valor do FunRural por período e fornecedor.\n"
    "- Demonstrativo de compras e vendas.",
    "Versão 3.0 de 20/09/2007\n"
    "- Produção: desdobro das toras em madeira serrada.\n"
    "- Consulta do estoque de madeira serrada.",
    "Versão 2.5 de 11/05/2007\n"
    "- Romaneio de toras.\n"
    "- Manutenção de usuários.",
    "Versão 2.0 de 25/01/2007\n"
    "- Primeira versão com entrada de toras por nota fiscal, saída de madeira serrada e estoque do pátio.",
};

const char *const kMenus =
    "O SISTEMA, MENU A MENU\n\n"
    "Parametros: dados da empresa, impressos no cabeçalho de todos os relatórios.\n"
    "Cadastro: essências, produtos, sub-produtos, municípios, fornecedores e clientes.\n"
    "Lançamento: entrada de madeira em toro e serrada, produção, saída de madeira serrada e romaneios.\n"
    "Consulta: estoque do pátio (toras), estoque de madeira serrada, produção, lançamentos por essência, "
    "demonstrativo de compras/vendas e valor do FunRural.\n"
    "Relatório: listagens dos cadastros, entradas, produção, saídas, estoque do pátio e romaneios.\n"
    "Utilitário: calculadora e páginas de órgãos públicos na internet.\n"
    "Ferramentas: cópia de segurança, configuração do banco de dados, usuários, limpeza do banco e skins.\n"
    "Ajuda: estas informações, atualizações, suporte e informações sobre o sistema.";

} // namespace

QString TfrmInfo::releaseNotes()
{
    QStringList parts;
    for (const char *note : kNotes)
        parts << QString::fromUtf8(note);
    const QString separator = QLatin1Char('\n') + QString(60, QLatin1Char('_')) + QStringLiteral("\n\n");
    return parts.join(separator) + separator + QString::fromUtf8(kMenus);
}

TfrmInfo::TfrmInfo(data::TDM *, QWidget *parent) : QDialog(parent)
{
    setupUi(this);
    QFont f = Heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    Heading->setFont(f);
    Memo1->setPlainText(releaseNotes());
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInfo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
