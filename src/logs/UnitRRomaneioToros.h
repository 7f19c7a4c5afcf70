#pragma once

#include "PackingListReportWindow.h"

// The log packing list of one client and number, printed (RepRomaneioToros).
class TfrmRRomaneioToros : public logs::PackingListReportWindow
{
    Q_OBJECT
public:
    explicit TfrmRRomaneioToros(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void produce(logs::ReportOutput output) override;
};
