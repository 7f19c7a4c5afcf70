#include "InvoiceTaxCarrier.h"

#include "DBEdit.h"
#include "DateEdit.h"
#include "FieldLink.h"
#include "FormBinder.h"
#include "LookupCombo.h"
#include "MaskedFieldPair.h"
#include "MovementWindow.h"
#include "NumericEdit.h"
#include "Prompter.h"

#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/DataSet.h"

#include <QDate>
#include <QLineEdit>
#include <QRegularExpression>

namespace widgets {

template <typename T>
T *InvoiceTaxCarrier::control(const char *name) const
{
    auto *w = m_form->findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(w, "InvoiceTaxCarrier", name);
    return w;
}

InvoiceTaxCarrier::InvoiceTaxCarrier(QWidget *form, Hooks hooks)
    : QObject(form), m_form(form), m_hooks(std::move(hooks))
{
    m_party = control<DBEdit>("fornecedor");
    m_nota = control<ZeroPadEdit>("nota");
    m_data = control<DateEdit>("data");
    m_saida = control<DateEdit>("saida");
    m_hour = control<QLineEdit>("maskedit1");
    m_municipality = control<DBLookupComboBox>("MUNICIPIO_TRANSPORTADOR");
    m_totalproduto = control<NumericEdit>("totalproduto");
    m_totalnota = control<NumericEdit>("totalnota");
    m_bcicms = control<NumericEdit>("bcicms");
    m_aliqicms = control<NumericEdit>("aliqicms");
    m_valicms = control<NumericEdit>("valicms");
    m_bcfunrural = control<NumericEdit>("bcfunrural");
    m_aliqfunrural = control<NumericEdit>("aliqfunrural");
    m_valfunrural = control<NumericEdit>("valfunrural");
    if (m_hooks.municipalities)
        m_municipality->setListSource(m_hooks.municipalities, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));

    onEnter(m_data, [this] { dataEnter(); });
    onEnter(m_saida, [this] { saidaEnter(); });
    onExit(m_hour, [this] { maskedit1Exit(); });
    onExit(m_municipality, [this] { MUNICIPIO_TRANSPORTADORExit(); });
    onExit(control<NumericEdit>("PESO_LIQUIDO"), [this] { PESO_LIQUIDOExit(); });
    for (const QString &name : std::as_const(m_hooks.takeProductsTotal)) {
        auto *edit = control<NumericEdit>(qPrintable(name));
        onEnter(edit, [this, edit] { takeProductsTotal(edit); });
    }
    onExit(m_aliqicms, [this] { aliqicmsExit(); });
    onExit(m_aliqfunrural, [this] { aliqfunruralExit(); });
    onExit(control<NumericEdit>("OUTRAS_DESPESAS"), [this] { OUTRAS_DESPESASExit(); });
}

void InvoiceTaxCarrier::dataEnter()
{
    m_data->setDate(QDate::currentDate());
}

void InvoiceTaxCarrier::saidaEnter()
{
    m_saida->setDate(m_data->date());
}

void InvoiceTaxCarrier::maskedit1Exit()
{
    const MaskedFieldPair *pair = FormBinder::pairOf(m_hour);
    const QString digits = pair ? pair->hidden()->text() : QString();
    if (digits.isEmpty() && !m_hour->text().contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return;
    if (digits.size() < 4) {
        error(QStringLiteral("Hora Informada Inválida, Verifique!"), QStringLiteral("Informação"), m_form);
        m_hour->setFocus();
        m_hour->clear();
        if (m_hooks.header->isEditing())
            m_hooks.header->setValue(QStringLiteral("HORA_SAIDA"), QVariant());
    }
}

void InvoiceTaxCarrier::MUNICIPIO_TRANSPORTADORExit()
{
    if (!m_hooks.header->isEditing())
        return;
    const QVariant uf = m_municipality->hasSelection() ? m_municipality->listValue(QStringLiteral("SIG_UF")) : QVariant();
    m_hooks.header->setValue(QStringLiteral("UF_TRANSPORTADOR"), uf.toString());
}

void InvoiceTaxCarrier::PESO_LIQUIDOExit()
{
    if (m_party->text().isEmpty())
        return;
    if (m_nota->text() == QStringLiteral("000000")) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), QStringLiteral("Lançamento"), m_form);
        m_nota->setFocus();
        return;
    }
    if (ask(QStringLiteral("Deseja Inserir Produtos Agora?"), QStringLiteral("Confirmação"), m_form))
        m_hooks.addLine();
    else
        m_totalnota->setFocus();
}

void InvoiceTaxCarrier::takeProductsTotal(NumericEdit *edit)
{
    if (!m_hooks.header->isEditing())
        return;
    const double total = core::editValue(m_totalproduto->text());
    m_hooks.header->setValue(edit->link()->dataField(), total);
    edit->setValue(total);
}

void InvoiceTaxCarrier::writeResult(NumericEdit *edit, const QString &column, double value)
{
    const QString text = core::generalNumber(value);
    if (m_hooks.header->isEditing())
        m_hooks.header->setValue(column, core::editValue(text));
    edit->setText(text);
}

void InvoiceTaxCarrier::aliqicmsExit()
{
    writeResult(m_valicms, QStringLiteral("VALOR_ICMS"),
                core::percentOf(core::editValue(m_bcicms->text()), core::editValue(m_aliqicms->text())));
}

void InvoiceTaxCarrier::aliqfunruralExit()
{
    writeResult(m_valfunrural, QStringLiteral("VALOR_FUNRURAL"),
                core::percentOf(core::editValue(m_bcfunrural->text()), core::editValue(m_aliqfunrural->text())));
}

void InvoiceTaxCarrier::OUTRAS_DESPESASExit()
{
    // With no invoice being typed there is nothing to save.
    if (!m_hooks.header->isEditing())
        return;
    if (!m_hooks.hasLines()) {
        error(QStringLiteral("Deve-se informar pelo menos 01(um) produto para esta Nota Fiscal!"),
              QStringLiteral("Informação"), m_form);
        return;
    }
    m_hooks.save();
}

} // namespace widgets
