#include "UnitPesquisaEntrada.h"

#include "data/UnitDM.h"

#include <QStyledItemDelegate>

namespace {

const QString kByName = QStringLiteral("NOMEFORNECEDOR");
const QString kByCode = QStringLiteral("CODIGOFORNECEDOR");

// The code column in bold red.
class CodeColumnDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(true);
        option->palette.setColor(QPalette::Text, Qt::red);
        option->palette.setColor(QPalette::HighlightedText, QColor(255, 200, 200));
    }
};

} // namespace

QVector<TfrmPesquisa::Caller> &TfrmPesquisa::table()
{
    static QVector<Caller> callers = {
        {QStringLiteral("TfrmEntradaSerrada"),
         {{QStringLiteral("RAZAO_SOCIAL"), kByName},
          {QStringLiteral("CGC"), QStringLiteral("CNPJ")},
          {QStringLiteral("INSC_ESTADUAL"), QStringLiteral("INSCESTADUAL")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}},
        {QStringLiteral("TfrmEntradaToros"),
         {{QStringLiteral("fornecedor"), kByName},
          {QStringLiteral("DBEdit1"), QStringLiteral("CPF")},
          {QStringLiteral("inscricao"), QStringLiteral("INSCESTADUAL")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         QStringLiteral("nota"),
         {}},
        {QStringLiteral("TfrmREntrada1"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         QStringLiteral("nota1"),
         {}},
        {QStringLiteral("TfrmFunRural"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("essencia"), kByCode}},
         QStringLiteral("BitBtn1"),
         {}},
        {QStringLiteral("TfrmREntrada3"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         QStringLiteral("nota1"),
         {}},
    };
    return callers;
}

const QVector<TfrmPesquisa::Caller> &TfrmPesquisa::callers()
{
    return table();
}

void TfrmPesquisa::registerCaller(const Caller &caller)
{
    registerInto(table(), caller);
}

TfrmPesquisa::TfrmPesquisa(data::TDM *dm, QWidget *parent)
    : PickerWindow(
          Setup{QStringLiteral("TfrmPesquisa"),
                QStringLiteral("(Digite o nome do Fornecedor que deseja Localizar e tecle \"ENTER\")"),
                dm->QFornecedor,
                dm->DQFornecedor,
                QStringLiteral("Fornecedor"),
                kByName,
                {{kByCode, QStringLiteral("Código"), 70},
                 {kByName, QStringLiteral("Fornecedor"), 330},
                 {QStringLiteral("INSCESTADUAL"), QStringLiteral("Insc.Estadual"), 130}},
                580,
                {{QStringLiteral("CÓDIGO"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName}},
                1,
                &table(),
                /*closeWithoutCaller=*/true,
                /*writeAsText=*/false},
          parent)
{
    DBGrid1->setItemDelegateForColumn(0, new CodeColumnDelegate(DBGrid1));
}

bool TfrmPesquisa::closesListOnReturn(const QWidget *, const Caller &) const
{
    return true;
}
