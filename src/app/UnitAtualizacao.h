#pragma once

#include "ui_UnitAtualizacao.h"

#include <QDialog>

namespace data { class TDM; }

// The product's page on the maker's site. Without an embedded browser the
// window shows the address and hands it to the system's browser on request.
class TfrmAtualizacao : public QDialog, public Ui::TfrmAtualizacao
{
    Q_OBJECT
public:
    explicit TfrmAtualizacao(data::TDM *dm, QWidget *parent = nullptr);

};
