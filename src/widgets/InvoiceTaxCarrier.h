#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLineEdit;

namespace data { class DataSet; }

namespace widgets {

class DateEdit;
class DBEdit;
class DBLookupComboBox;
class NumericEdit;
class ZeroPadEdit;

// The dates, exit hour, carrier and tax block of an invoice header, which
// the log intake and the sale share: the emission date is today on entry and
// the exit date copies it; the exit hour needs four digits; the carrier's UF
// follows the municipality; the totals fields take the products' total on
// entry; ICMS and FunRural are computed when their rates are left; leaving
// the net weight offers to type the lines, and leaving "Outras Despesas"
// saves the invoice when it has lines.
//
// The window's form holds the controls under their own names (fornecedor,
// nota, data, saida, maskedit1 with its bound hour, MUNICIPIO_TRANSPORTADOR,
// PESO_LIQUIDO, totalproduto, totalnota, bcicms, aliqicms, valicms,
// bcfunrural, aliqfunrural, valfunrural, OUTRAS_DESPESAS); the window gives
// what is its own through the hooks.
class InvoiceTaxCarrier : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        data::DataSet *header = nullptr;         // the invoice row being typed
        data::DataSet *municipalities = nullptr; // NOM_MUNIC and SIG_UF of the carrier's list
        // The edits that take the products' total when entered.
        QStringList takeProductsTotal = {QStringLiteral("totalnota"), QStringLiteral("bcicms")};
        std::function<void()> addLine;   // line "Incluir"
        std::function<bool()> hasLines;  // the invoice's lines, read again: any?
        std::function<void()> save;      // "&Gravar"
    };

    InvoiceTaxCarrier(QWidget *form, Hooks hooks);

    void dataEnter();
    void saidaEnter();
    void maskedit1Exit();
    void MUNICIPIO_TRANSPORTADORExit();
    void PESO_LIQUIDOExit();
    void takeProductsTotal(NumericEdit *edit);
    void aliqicmsExit();
    void aliqfunruralExit();
    void OUTRAS_DESPESASExit();

private:
    template <typename T>
    T *control(const char *name) const;
    // Written as the general number text: the column keeps every digit.
    void writeResult(NumericEdit *edit, const QString &column, double value);

    QWidget *m_form;
    Hooks m_hooks;
    DBEdit *m_party;
    ZeroPadEdit *m_nota;
    DateEdit *m_data, *m_saida;
    QLineEdit *m_hour;
    DBLookupComboBox *m_municipality;
    NumericEdit *m_totalproduto, *m_totalnota, *m_bcicms, *m_aliqicms, *m_valicms, *m_bcfunrural, *m_aliqfunrural,
        *m_valfunrural;
};

} // namespace widgets
