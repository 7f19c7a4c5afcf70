#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
namespace data { class TDM; }

// The product's page on the maker's site. Without an embedded browser the
// window shows the address and hands it to the system's browser on request.
class TfrmAtualizacao : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAtualizacao(data::TDM *dm, QWidget *parent = nullptr);

    QLabel *WebBrowser1;
    QPushButton *BitBtn1;
};
