#include "UnitUsuario.h"

#include "Pictures.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace widgets;

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &hint,
                    QStyle::StandardPixmap icon)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setFocusPolicy(Qt::ClickFocus); // none is a tab stop
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmUsuario::TfrmUsuario(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setObjectName(QStringLiteral("TfrmUsuario"));
    setWindowTitle(QStringLiteral("Usuário(s)"));

    auto *heading = new QLabel(this);
    heading->setPixmap(app::pictures::heading(QSize(440, 48), QStringLiteral("Manutenção de Usuário(s)")));
    heading->setAccessibleName(QStringLiteral("Manutenção de Usuário(s)"));

    auto *searchGroup = new QGroupBox(QStringLiteral("Selecione o usuário que deseja"), this);
    Edit1 = new QLineEdit(searchGroup);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(searchGroup->title());
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString &t) {
        // The search edit is upper case.
        const int pos = Edit1->cursorPosition();
        if (t != t.toUpper()) {
            Edit1->setText(t.toUpper());
            Edit1->setCursorPosition(pos);
        }
    });
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString &t) { guarded(this, [&] { Edit1Change(t); }); });
    auto *searchLayout = new QVBoxLayout(searchGroup);
    searchLayout->addWidget(Edit1);

    DBEdit1 = new DBEdit(dm->DLOGIN, QStringLiteral("USUARIO"), this);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit2 = new DBEdit(dm->DLOGIN, QStringLiteral("SENHA"), this);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    setStarEcho(DBEdit2);
    C = new QLineEdit(this);
    C->setObjectName(QStringLiteral("C"));
    setStarEcho(C);
    C->setMaxLength(10);
    auto *l1 = new QLabel(QStringLiteral("Usuário"), this);
    l1->setBuddy(DBEdit1);
    auto *l2 = new QLabel(QStringLiteral("Senha"), this);
    l2->setBuddy(DBEdit2);
    auto *l3 = new QLabel(QStringLiteral("Confirmação de Senha"), this);
    l3->setBuddy(C);
    auto *fields = new QGridLayout;
    fields->addWidget(l1, 0, 0);
    fields->addWidget(DBEdit1, 0, 1);
    fields->addWidget(l2, 1, 0);
    fields->addWidget(DBEdit2, 1, 1);
    fields->addWidget(l3, 2, 0);
    fields->addWidget(C, 2, 1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(dm->DLOGIN);
    DBGrid1->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("Código"), 77},
                         {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), 338}});
    DBGrid1->setMinimumHeight(150);

    BitBtn1 = button(this, "BitBtn1", QStringLiteral("&Incluir"), QStringLiteral("Incluir Cliente"),
                     QStyle::SP_FileDialogNewFolder);
    BitBtn2 = button(this, "BitBtn2", QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro"),
                     QStyle::SP_DialogCancelButton);
    BitBtn3 = button(this, "BitBtn3", QStringLiteral("E&xcluir"), QStringLiteral("Exlui Usuário"),
                     QStyle::SP_TrashIcon);
    BitBtn4 = button(this, "BitBtn4", QStringLiteral("&Gravar"), QStringLiteral("Grava Estoque"),
                     QStyle::SP_DialogSaveButton);
    BitBtn5 = button(this, "BitBtn5", QStringLiteral("&Retornar"), QStringLiteral("Retornar"),
                     QStyle::SP_ArrowBack);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn4Click(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn5Click(); }); });
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(searchGroup);
    layout->addLayout(fields);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
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
