#pragma once

#include "ui_UnitUsuario.h"

#include <QDialog>

namespace data { class TDM; }

// Keeps the users who may log in. Its form is UnitUsuario.ui: the search
// edit `Edit1`, the bound `DBEdit1` (USUARIO) and `DBEdit2` (SENHA), the
// password confirmation `C`, the grid and the buttons `BitBtn1`..`BitBtn5`
// ("&Incluir", "&Cancelar", "E&xcluir", "&Gravar", "&Retornar").
class TfrmUsuario : public QDialog, public Ui::TfrmUsuario
{
    Q_OBJECT
public:
    explicit TfrmUsuario(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow();
    void Edit1Change(const QString &text);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    data::TDM *m_dm;
};
