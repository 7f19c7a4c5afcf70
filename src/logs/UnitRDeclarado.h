#pragma once

#include "EntradaListWindow.h"

class QCheckBox;

namespace widgets { class DBLookupComboBox; }

// Declared against measured volume of a period, of one supplier or all
// (RepDeclarado).
class TfrmRDeclarado : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRDeclarado(data::TDM *dm, QWidget *parent = nullptr);

    QCheckBox *CheckBox1; // "&Fornecedor"
    widgets::DBLookupComboBox *Fornecedor;

protected:
    bool checkFields() override;
    void addParameters(QVariantMap &params) override;
    void clearFields() override;
};
