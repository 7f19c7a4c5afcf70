#pragma once

#include "logs/EntradaListWindow.h"

namespace widgets { class DBLookupComboBox; }

// The production of a period for one species (RepProducao1).
class TfrmRProducao1 : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRProducao1(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DBLookupComboBox *Essencia; // "Essência"

    void FormShow() override;

protected:
    bool checkFields() override;
    void addParameters(QVariantMap &params) override;
    void clearFields() override;
};
