#include "UnitLimparBD.h"

#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"

#include <QCheckBox>

using namespace widgets;

TfrmLimparBD::TfrmLimparBD(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent, true)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    onClick(BitBtn1, [this] { BitBtn1Click(); });
    // Esc and the title bar only close: the boxes stay as they were.
    setReturn(BitBtn2, [this] { BitBtn2Click(); }, false);
}

QVector<TfrmLimparBD::Box> TfrmLimparBD::boxes() const
{
    auto t = [](const char *a, const char *b = nullptr) {
        QStringList l{QString::fromLatin1(a)};
        if (b)
            l << QString::fromLatin1(b);
        return l;
    };
    return {
        {CheckBox13, t("MANUTENCAO"), QStringLiteral("Tabela Manutenção limpa com sucesso!")},
        {CheckBox1, t("ESSENCIA"), QStringLiteral("Tabela essência limpa com sucesso!")},
        {CheckBox2, t("PRODUTO"), QStringLiteral("Tabela produtos limpa com sucesso!")},
        {CheckBox3, t("SUBPRODUTO"), QStringLiteral("Tabela Sub-produtos limpa com sucesso!")},
        {CheckBox4, t("MUNICIPIO"), QStringLiteral("Tabela município limpa com sucesso!")},
        {CheckBox5, t("FORNECEDOR"), QStringLiteral("Tabela fornecedor limpa com sucesso!")},
        {CheckBox6, t("CREDOR"), QStringLiteral("Tabela clientes limpa com sucesso!")},
        {CheckBox7, t("ENTRADA_TOROS", "ENTRADA_TOROS_DISCRIMINACAO"),
         QStringLiteral("Tabela entrada de madeiras em toros limpa com sucesso!")},
        {CheckBox8, t("ENTRADA_SERRADA", "ENTRADA_SERRADA_DISCRIMINACAO"),
         QStringLiteral("Tabela entrada de madeira serrada limpa com sucesso!")},
        {CheckBox9, t("PRODUCAO"), QStringLiteral("Tabela produção limpa com sucesso!")},
        {CheckBox10, t("SAIDA_MADEIRAS", "SAIDA_MADEIRAS_DISCRIMINACAO"),
         QStringLiteral("Tabela saída de madeira serrada limpa com sucesso!")},
        {CheckBox11, t("ROMANEIO_TORO"), QStringLiteral("Tabela romaneio de madeiras em toros limpa com sucesso!")},
        {CheckBox12, t("ROMANEIO_SERRADA"), QStringLiteral("Tabela romaneio de madeira serrada limpa com sucesso!")},
    };
}

void TfrmLimparBD::empty(const Box &box)
{
    {
        data::Transaction work(dm->IBDatabase1);
        // Every row, whatever filter a window left on the shared table object.
        for (const QString &table : box.tables)
            data::execute(dm->IBDatabase1, QStringLiteral("DELETE FROM ") + table);
        work.commit();
    }
    // Windows that have these tables open show them empty.
    for (data::DataSet *set : dm->dataSets())
        if (auto *table = qobject_cast<data::Table *>(set); table && table->isActive()
                                                             && box.tables.contains(table->tableName()))
            table->refresh();
    bool emptied = true;
    for (const QString &table : box.tables)
        emptied = emptied && data::firstRow(dm->IBDatabase1, QStringLiteral("SELECT FIRST 1 1 FROM ") + table).isEmpty();
    if (emptied)
        inform(box.message, QStringLiteral("Informação"), this);
}

void TfrmLimparBD::BitBtn1Click()
{
    const QVector<Box> all = boxes();
    if (std::none_of(all.begin(), all.end(), [](const Box &b) { return b.box->isChecked(); })) {
        inform(QStringLiteral("Selecione pelo menos uma das opções!"), QStringLiteral("Informação"), this);
        return;
    }
    if (!ask(QStringLiteral("Ao confirmar, todos os lançamentos registrados até a presente data serão excluídos, "
                            "Confirma?"),
             QStringLiteral("Confirmação"), this))
        return;
    // A refusal raises and ends the run: the boxes after it stay as they are.
    for (const Box &b : all)
        if (b.box->isChecked())
            empty(b);
}

void TfrmLimparBD::BitBtn2Click()
{
    for (const Box &b : boxes())
        b.box->setChecked(false);
    leave();
}
