#include "UnitLogin.h"

#include "Application.h"
#include "Pictures.h"
#include "data/DatabaseCreator.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QTimer>

using namespace widgets;

TfrmLogin::TfrmLogin(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setupUi(this);
    widgets::FormBinder::applyLooks(this);
    Image1->setPixmap(app::pictures::woodScene(QSize(150, 200)));
    const QString user = QString::fromLatin1(data::DatabaseCreator::DefaultUser);
    Label3->setText(QStringLiteral("Usuário e senha padrão: \"%1\" / \"%1\".\n"
                                   "Altere a senha pelo menu \"Ferramentas\" após o primeiro acesso.")
                        .arg(user));
    widgets::setStarEcho(edsenha);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    const QSize hint = sizeHint().expandedTo(QSize(444, 232));
    setFixedSize(hint);
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    app::trace("login-shown");
    guarded(this, [this] { m_dm->TLOGIN->open(); });
    edusuario->setFocus();
    QTimer::singleShot(0, edusuario, [this] { edusuario->setFocus(); });
}

void TfrmLogin::BitBtn2Click()
{
    if (edusuario->text().isEmpty()) {
        warn(QStringLiteral("Usuário deve ser informado!"), QStringLiteral("Login"), this);
        edusuario->setFocus();
        return;
    }
    if (edsenha->text().isEmpty()) {
        warn(QStringLiteral("Senha deve ser informada!"), QStringLiteral("Login"), this);
        edsenha->setFocus();
        return;
    }
    data::Table *login = m_dm->TLOGIN;
    login->open();
    if (!login->locate(QStringLiteral("USUARIO"), edusuario->text(), {true, false})) {
        error(QStringLiteral("Usuário inválido ou digitado incorretamente, Verífique!"), QStringLiteral("Login"), this);
        edusuario->clear();
        edusuario->setFocus();
        return;
    }
    if (login->asString(QStringLiteral("SENHA")) != edsenha->text()) {
        error(QStringLiteral("Senha invália ou digitada incorretamente, Verífique!"), QStringLiteral("Login"), this);
        edsenha->clear();
        edsenha->setFocus();
        return;
    }
    login->close();
    accept();
}

void TfrmLogin::BitBtn3Click()
{
    if (ask(QStringLiteral("O Sistema será encerrado, Confirma?"), QStringLiteral("Login"), this)) {
        m_dm->TLOGIN->close();
        QDialog::reject();
        return;
    }
    edusuario->setFocus();
}

void TfrmLogin::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}
