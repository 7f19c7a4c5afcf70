#pragma once

#include "logs/PackingListReportWindow.h"

class QComboBox;

// One sawn-wood packing list of a client, printed with the client's address,
// the observation and the receipt lines (RepRomaneioserrada).
class TfrmRRomaneioSerrada : public logs::PackingListReportWindow
{
    Q_OBJECT
public:
    explicit TfrmRRomaneioSerrada(data::TDM *dm, QWidget *parent = nullptr);

    QComboBox *ComboBox1 = nullptr; // "Classificação dos Registros"

protected:
    void picked(const widgets::PickedRow &row) override;
    void produce(logs::ReportOutput output) override;
    void clearFields() override;
};
