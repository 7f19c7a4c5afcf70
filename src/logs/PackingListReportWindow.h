#pragma once

#include "ReportParameterWindow.h"

#include <QVector>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QVBoxLayout;

namespace logs {

// The printing of one packing list of a client and number: the client row
// the client picker fills (code, name and, hidden, the address), the
// invoice number and the observation. Each window adds what is its own and
// then its button row.
class PackingListReportWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    QLineEdit *FORNECEDOR; // client name
    QLineEdit *Edit1;      // client code
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota;        // "Nota Fiscal"
    QPlainTextEdit *Memo1; // "Observação"

    void FormShow() override;

protected:
    // HIDDEN: the object names of the seven hidden edits for address,
    // district, city, state, telephone, CNPJ and CPF.
    PackingListReportWindow(data::TDM *dm, const QString &name, const QString &title, const QString &clientCaption,
                            const QStringList &hidden, QWidget *parent);

    QVBoxLayout *formLayout() const { return m_layout; }
    // The hidden edits, in the order given to the constructor.
    const QVector<QLineEdit *> &addressEdits() const { return m_address; }

    void picked(const widgets::PickedRow &row) override;
    void clearFields() override;
    // "Cliente deve ser informado!" with the focus on "&P" when no client is
    // chosen; true when one is.
    bool hasClient();
    // The parameters every packing-list report takes.
    QVariantMap clientParams() const;

private:
    QVBoxLayout *m_layout;
    QVector<QLineEdit *> m_address;
};

} // namespace logs
