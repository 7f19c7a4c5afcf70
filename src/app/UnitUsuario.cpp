#include "UnitUsuario.h"

#include "Pictures.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

using namespace widgets;

TfrmUsuario::TfrmUsuario(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setupUi(this);
    FormBinder::bind(this, dm->DLOGIN);
    Heading->setPixmap(app::pictures::heading(QSize(440, 48), QStringLiteral("Manutenção de Usuário(s)")));
    setStarEcho(DBEdit2);
    setStarEcho(C);
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString &t) { guarded(this, [&] { Edit1Change(t); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn4Click(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn5Click(); }); });
    setFixedSize(sizeHint().expandedTo(QSize(460, 460)));
}

void TfrmUsuario::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guarded(this, [this] { FormShow(); });
}

void TfrmUsuario::FormShow()
{
    Edit1->setFocus();
    data::Table *t = m_dm->TLOGIN;
    t->close();
    t->open();
    t->setIndexFieldNames(QStringLiteral("USUARIO"));
    t->refresh();
    // Opens editing the first user; an empty table starts a new one.
    if (t->recordCount() > 0)
        t->edit();
    else
        t->append();
}

void TfrmUsuario::Edit1Change(const QString &text)
{
    if (text.isEmpty() || !m_dm->TLOGIN->isActive())
        return;
    m_dm->TLOGIN->locate(QStringLiteral("USUARIO"), text, {true, true});
}

void TfrmUsuario::BitBtn1Click()
{
    DBEdit1->setFocus();
    m_dm->TLOGIN->append();
}

void TfrmUsuario::BitBtn2Click()
{
    m_dm->TLOGIN->cancel();
}

void TfrmUsuario::BitBtn3Click()
{
    data::Table *t = m_dm->TLOGIN;
    if (t->recordCount() == 1) {
        warn(QStringLiteral("É necessário pelo menos um usuário cadastrado!"), QStringLiteral("Informação"), this);
        Edit1->setFocus();
        return;
    }
    if (ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this)) {
        t->remove();
        t->refresh();
    }
}

void TfrmUsuario::BitBtn4Click()
{
    const QString info = QStringLiteral("Informação");
    if (DBEdit1->text().isEmpty()) {
        inform(QStringLiteral("Usuário deve ser informado!"), info, this);
        DBEdit1->setFocus();
        return;
    }
    if (DBEdit2->text().isEmpty()) {
        inform(QStringLiteral("Senha deve ser informada!"), info, this);
        DBEdit2->setFocus();
        return;
    }
    if (C->text().isEmpty()) {
        inform(QStringLiteral("Confirmação de Senha deve ser informada!"), info, this);
        C->setFocus();
        return;
    }
    if (C->text() != DBEdit2->text()) {
        inform(QStringLiteral("Confirmação de Senha diferente da senha, Verífique!"), info, this);
        m_dm->TLOGIN->setValue(QStringLiteral("SENHA"), QString());
        DBEdit2->clear();
        DBEdit2->setFocus();
        C->clear();
        return;
    }
    if (ask(QStringLiteral("Confirma Manutenção de Usuário?"), QStringLiteral("Confirmação"), this)) {
        data::Table *t = m_dm->TLOGIN;
        t->post();
        t->refresh();
        Edit1->clear();
        C->clear();
    }
}

void TfrmUsuario::BitBtn5Click()
{
    C->clear();
    Edit1->clear();
    m_dm->TLOGIN->cancel();
    m_dm->TLOGIN->close();
    QDialog::reject();
}

void TfrmUsuario::reject()
{
    guarded(this, [this] { BitBtn5Click(); });
}
