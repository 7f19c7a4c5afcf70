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
                1},
          parent)
{
    DBGrid1->setItemDelegateForColumn(0, new CodeColumnDelegate(DBGrid1));
}
