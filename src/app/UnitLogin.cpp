#include "UnitLogin.h"

#include "Application.h"
#include "Pictures.h"
#include "data/DatabaseCreator.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

using namespace widgets;

TfrmLogin::TfrmLogin(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setObjectName(QStringLiteral("TfrmLogin"));
    setWindowTitle(QStringLiteral("Login"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(app::pictures::woodScene(QSize(150, 200)));

    const QString user = QString::fromLatin1(data::DatabaseCreator::DefaultUser);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    Label3->setWordWrap(true);
    Label3->setText(QStringLiteral("Usuário e senha padrão: \"%1\" / \"%1\".\n"
                                   "Altere a senha pelo menu \"Ferramentas\" após o primeiro acesso.")
                        .arg(user));

    auto *group = new QGroupBox(QStringLiteral("Login"), this);
    edusuario = new QLineEdit(group);
    edusuario->setObjectName(QStringLiteral("edusuario"));
    edusuario->setMaxLength(15);
    edsenha = new QLineEdit(group);
    edsenha->setObjectName(QStringLiteral("edsenha"));
    widgets::setStarEcho(edsenha);
    edsenha->setMaxLength(10);
    auto *userLabel = new QLabel(QStringLiteral("Usuário"), group);
    userLabel->setBuddy(edusuario);
    auto *passwordLabel = new QLabel(QStringLiteral("Senha"), group);
    passwordLabel->setBuddy(edsenha);
    auto *grid = new QGridLayout(group);
    grid->addWidget(userLabel, 0, 0);
    grid->addWidget(edusuario, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(edsenha, 1, 1);

    BitBtn2 = new QPushButton(QStringLiteral("Logar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn3 = new QPushButton(QStringLiteral("&Cancelar"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    auto *right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(group);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(right, 1);

    // The buttons come first, so Enter in the password edit wraps to "Logar".
    setTabOrder(BitBtn2, BitBtn3);
    setTabOrder(BitBtn3, edusuario);
    setTabOrder(edusuario, edsenha);

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
