#include "RegisterTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDataModule.h"

#include "registers/UnitCredor.h"
#include "registers/UnitFornecedor.h"
#include "registers/UnitManutencao1.h"
#include "registers/UnitMunicipio.h"
#include "registers/UnitProdutos.h"
#include "registers/Unitsubprodutos.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using B = widgets::RegisterWindow::Button;

namespace {
const QString kConfirm = QStringLiteral("Confirmação");

// Leaves the focused field for another one, as Tab would.
void leaveTo(QWidget *next)
{
    next->setFocus(Qt::TabFocusReason);
}
}

class TestRegisters : public QObject
{
    Q_OBJECT

private slots:
    void productIndexOfZeroIsRefused()
    {
        TestDataModule dm;
        TfrmProdutos w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Produto(s)"));
        w.button(B::Incluir)->click();
        QVERIFY(!w.button(B::Retornar)->isEnabled());
        kit::retype(w.NOMEGRAU, QStringLiteral("prancha"));
        kit::retype(w.UNIDADE, QStringLiteral("m3"));
        ScriptedPrompter p;
        p.info(QStringLiteral("Indice de transformação deve ser informado!"), QStringLiteral("Cadastro"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.NOMEGRAU));
        QCOMPARE(kit::scalar(dm, "select count(*) from PRODUTO"), QStringLiteral("0"));

        kit::retype(w.FATOR, QStringLiteral("45,5"));
        leaveTo(w.NOMEGRAU);
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select NOMEGRAU || '|' || UNIDADE from PRODUTO"), QStringLiteral("PRANCHA|M3"));
        QCOMPARE(kit::scalar(dm, "select FATOR from PRODUTO").toDouble(), 45.5);
        QVERIFY(w.button(B::Retornar)->isEnabled());
        // On the search tab a save cannot be started.
        w.button(B::Pesquisar)->click();
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Pesquisa de Produto(s)"));
        QVERIFY(!w.button(B::Gravar)->isEnabled());
    }

    void duplicateSubProductIsRefusedAndStaysPending()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into SUBPRODUTO (NOMEGRAU) values ('FORRO')"));
        Tfrmsubprodutos w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Sub-Produto(s)"));
        w.button(B::Incluir)->click();
        kit::type(w.NOMEGRAU, QStringLiteral("forro"));
        ScriptedPrompter p;
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .warning(QStringLiteral("Produto já Cadastrado!"), QStringLiteral("Sub-Produto"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TSUBPRODUTOS->state(), data::DataSetState::Insert);
        QCOMPARE(w.NOMEGRAU->text(), QStringLiteral("FORRO"));
        kit::retype(w.NOMEGRAU, QStringLiteral("LAMBRI"));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select count(*) from SUBPRODUTO"), QStringLiteral("2"));
    }

    void duplicateMunicipalityCodeIsRefused_sameNameIsNot()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5107909', 'SINOP', '51', 'MT')"));
        TfrmMunicipio w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Municipio"));
        w.button(B::Incluir)->click();
        kit::type(w.COD_MUNIC, QStringLiteral("5107909"));
        kit::retype(w.NOM_MUNIC, QStringLiteral("sinop"));
        kit::retype(w.SIG_UF, QStringLiteral("mt"));
        ScriptedPrompter p;
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .warning(QStringLiteral("Município já Cadastrado!"), QStringLiteral("Município"));
        leaveTo(w.COD_MUNIC); // leaving "UF" presses "&Gravar"
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TMunicipio->state(), data::DataSetState::Insert);
        kit::retype(w.COD_MUNIC, QStringLiteral("5107910"));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select count(*) from MUNICIPIO where NOM_MUNIC = 'SINOP'"), QStringLiteral("2"));
        // "&Retornar" stays off after a save that followed "&Incluir", until "&Cancelar".
        QVERIFY(!w.button(B::Retornar)->isEnabled());
        QVERIFY(w.button(B::Pesquisar)->isEnabled());
        w.button(B::Cancelar)->click();
        QVERIFY(w.button(B::Retornar)->isEnabled());

        kit::retype(w.COD_MUNIC, QString());
        p.info(QStringLiteral("Código do Município deve ser informado!"), QStringLiteral("Cadastro"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        w.button(B::Cancelar)->click();

        // Each button writes its title before showing its tab, whose own title then stands.
        w.button(B::Pesquisar)->click();
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Pesquisa de Município"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.Edit1));
        w.button(B::Cadastro)->click();
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Municipio"));
        QVERIFY(w.button(B::Pesquisar)->isVisible());
        QVERIFY(!w.button(B::Cadastro)->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.COD_MUNIC));
    }

    // A company registered since July 2026 may carry letters in its CNPJ:
    // typed in lower case it shows and is kept upper case; a letter never
    // reaches the two check places, and a wrong check digit is refused.
    void clientAlphanumericCnpj()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5107909', 'SINOP', '51', 'MT')"));
        TfrmCredor w(&dm);
        QVERIFY(kit::showActive(&w));
        w.button(B::Incluir)->click();
        ScriptedPrompter p;
        w.TIPOCLIENTE->setFocus();
        w.TIPOCLIENTE->setCurrentText(QStringLiteral("2-PESSOA JURÍDICA"));
        leaveTo(w.NOMECREDOR);
        QVERIFY(w.CNPJ.edit->isEnabled());
        kit::type(w.NOMECREDOR, QStringLiteral("SERRARIA NOVA"));
        kit::retype(w.ENDERECO, QStringLiteral("RUA A"));
        kit::retype(w.BAIRRO, QStringLiteral("CENTRO"));
        w.CIDADE->setCurrentIndex(w.CIDADE->findText(QStringLiteral("SINOP")));
        emit w.CIDADE->activated(w.CIDADE->currentIndex());
        QTest::qWait(1);
        w.UF->setFocus(Qt::TabFocusReason);
        w.CEP.edit->setFocus(Qt::TabFocusReason);
        leaveTo(w.EMAIL);

        // A letter typed into a check place is not taken: the CNPJ stays short.
        kit::typeMasked(w.CNPJ.edit, QStringLiteral("12abc34501dea5"));
        QCOMPARE(w.CNPJ.edit->text(), QStringLiteral("12.ABC.345/01DE-5"));
        p.info(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), QStringLiteral("Informação"));
        leaveTo(w.IE);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.CNPJ.edit));

        kit::typeMasked(w.CNPJ.edit, QStringLiteral("12abc34501de36"));
        p.info(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), QStringLiteral("Informação"));
        leaveTo(w.IE);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.CNPJ.edit));

        kit::typeMasked(w.CNPJ.edit, QStringLiteral("12abc34501de35"));
        QCOMPARE(w.CNPJ.edit->text(), QStringLiteral("12.ABC.345/01DE-35"));
        leaveTo(w.IE);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.IE));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select CNPJ from CREDOR where NOMECREDOR = 'SERRARIA NOVA'"),
                 QStringLiteral("12ABC34501DE35"));
        // Shown again from the column, with its mask.
        dm.TCredor->refresh();
        QCOMPARE(w.CNPJ.edit->text(), QStringLiteral("12.ABC.345/01DE-35"));
    }

    void clientNaturalPersonZerosAndDuplicateName()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5103403', 'CUIABÁ', '51', 'MT')"));
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5107909', 'SINOP', '51', 'RO')"));
        QVERIFY(kit::exec(dm, "insert into CREDOR (NOMECREDOR) values ('MADEIRAS VG')"));
        TfrmCredor w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Clientes"));
        w.button(B::Incluir)->click();
        QVERIFY(!w.button(B::Excluir)->isEnabled());
        ScriptedPrompter p;
        w.TIPOCLIENTE->setFocus();
        w.TIPOCLIENTE->setCurrentText(QStringLiteral("1-PESSOA FÍSICA"));
        leaveTo(w.NOMECREDOR);
        // Fourteen zeros at once, before any save.
        QCOMPARE(dm.TCredor->asString("CNPJ"), QStringLiteral("00000000000000"));
        QCOMPARE(dm.TCredor->asString("IE"), QStringLiteral("00000000000000"));
        QVERIFY(w.CPF.edit->isEnabled());
        QVERIFY(!w.CNPJ.edit->isEnabled());
        QVERIFY(!w.IE->isEnabled());
        kit::type(w.NOMECREDOR, QStringLiteral("madeiras vg"));
        kit::retype(w.ENDERECO, QStringLiteral("RUA A"));
        kit::retype(w.BAIRRO, QStringLiteral("CENTRO"));
        w.CIDADE->setCurrentIndex(w.CIDADE->findText(QStringLiteral("SINOP")));
        emit w.CIDADE->activated(w.CIDADE->currentIndex());
        QTest::qWait(1);
        w.UF->setFocus(Qt::TabFocusReason); // entering "UF" copies the municipality's state
        QCOMPARE(w.UF->text(), QStringLiteral("RO"));
        w.CEP.edit->setFocus(Qt::TabFocusReason);
        leaveTo(w.EMAIL); // an empty CEP becomes zeros
        QCOMPARE(dm.TCredor->asString("CEP"), QStringLiteral("00000000"));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .warning(QStringLiteral("Cliente já Cadastrado, Verifique!"), QStringLiteral("Cliente"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TCredor->state(), data::DataSetState::Insert);
        kit::retype(w.NOMECREDOR, QStringLiteral("FERNANDA LOPES"));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select CPF || '|' || CNPJ || '|' || IE || '|' || CIDADE || '|' || UF from CREDOR "
                                 "where NOMECREDOR = 'FERNANDA LOPES'"),
                 QStringLiteral("00000000000|00000000000000|00000000000000|SINOP|RO"));
        w.button(B::Pesquisar)->click();
        QCOMPARE(w.Panel1->text(), QStringLiteral("Cliente(s) Cadastrado(s).: 2"));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Pesquisa de Clientes"));
        const QAbstractItemModel *grid = w.DBGrid1->model();
        QCOMPARE(grid->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Telefone"));
        QCOMPARE(Qt::Alignment(grid->index(0, 2).data(Qt::TextAlignmentRole).toInt()), Qt::AlignCenter);
        QCOMPARE(Qt::Alignment(grid->index(0, 0).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        w.button(B::Cadastro)->click();

        // Typing in the type list drops it down on the item typed; Enter takes it.
        w.button(B::Incluir)->click();
        w.TIPOCLIENTE->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.TIPOCLIENTE, Qt::Key_2);
        QVERIFY(w.TIPOCLIENTE->view()->isVisible());
        QTest::keyClick(w.TIPOCLIENTE->view(), Qt::Key_Return);
        QTRY_VERIFY(!w.TIPOCLIENTE->view()->isVisible());
        QCOMPARE(w.TIPOCLIENTE->currentText(), QStringLiteral("2-PESSOA JURÍDICA"));
        QCOMPARE(dm.TCredor->asString("TIPOCLIENTE"), QStringLiteral("2-PESSOA JURÍDICA"));
        w.button(B::Cancelar)->click();
    }

    void supplierPhoneLengths_requiredOrder_duplicateStateRegistration()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5107909', 'SINOP', '51', 'MT')"));
        QVERIFY(kit::exec(dm, "insert into FORNECEDOR (NOMEFORNECEDOR, INSCESTADUAL) values ('TORAS SA', '131234567')"));
        TfrmFornecedores w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Fornecedores"));
        w.button(B::Incluir)->click();
        ScriptedPrompter p;
        // Telephone: 8 digits refused on leaving, 9 accepted.
        kit::typeMasked(w.FONE.edit, QStringLiteral("66353112"));
        p.info(QStringLiteral("Campo preenchido incorretamente, Verefique!"), QStringLiteral("Informação"));
        leaveTo(w.FAX.edit);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.FONE.edit));
        kit::typeMasked(w.FONE.edit, QStringLiteral("663531120"));
        leaveTo(w.FAX.edit);
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TFornecedor->asString("FONE"), QStringLiteral("663531120"));
        leaveTo(w.EMAIL); // an empty fax becomes zeros
        QCOMPARE(dm.TFornecedor->asString("FAX"), QStringLiteral("0000000000"));

        // Required fields, first one missing.
        p.info(QStringLiteral("Razão Social/Nome deve ser informado!"), QStringLiteral("Dados Basicos"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        kit::type(w.NOMEFORNECEDOR, QStringLiteral("Madeiras Silva"));
        kit::retype(w.ENDERECO, QStringLiteral("RUA B"));
        kit::retype(w.BAIRRO, QStringLiteral("CENTRO"));
        w.CIDADE->setCurrentIndex(0);
        emit w.CIDADE->activated(0);
        kit::retype(w.CIDADEUF, QStringLiteral("MT"));
        w.CEP.edit->setFocus(Qt::TabFocusReason);
        leaveTo(w.EMAIL);
        QCOMPARE(dm.TFornecedor->asString("CEP"), QStringLiteral("00000000"));
        p.info(QStringLiteral("Tipo de Fornecedor deve ser informado!"), QStringLiteral("Dados Basicos"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(w.PageControl1->currentWidget(), w.TabSheet2);
        w.TIPOCLIENTE->setCurrentText(QStringLiteral("PESSOA JURÍDICA"));
        w.TIPOCLIENTE->setFocus();
        leaveTo(w.CONTATO);
        // "Ramal" is a number edit of four digits padded with zeros.
        QCOMPARE(w.CONTATORAMAL->text(), QStringLiteral("0000"));
        w.CONTATORAMAL->setFocus(Qt::TabFocusReason);
        w.CONTATORAMAL->selectAll();
        QTest::keyClicks(w.CONTATORAMAL, "12345");
        leaveTo(w.CONTATOEMAIL);
        QCOMPARE(w.CONTATORAMAL->text(), QStringLiteral("1234"));
        w.CONTATORAMAL->setFocus(Qt::TabFocusReason);
        w.CONTATORAMAL->selectAll();
        QTest::keyClicks(w.CONTATORAMAL, "12");
        leaveTo(w.CONTATOEMAIL);
        QCOMPARE(w.CONTATORAMAL->text(), QStringLiteral("0012"));
        QVERIFY(w.CNPJ.edit->isEnabled());
        QVERIFY(!w.CPF.edit->isEnabled());
        kit::retype(w.INSCESTADUAL, QStringLiteral("131234567"));
        p.question(QStringLiteral("Confirma Inclusão/Alteração?"), kConfirm, true)
            .warning(QStringLiteral("Inscrição Estadual já cadastrada, Verifique!"), QStringLiteral("Fornecedor"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TFornecedor->state(), data::DataSetState::Insert);
        QVERIFY(!w.button(B::Retornar)->isEnabled());
        kit::retype(w.INSCESTADUAL, QStringLiteral("131234568"));
        p.question(QStringLiteral("Confirma Inclusão/Alteração?"), kConfirm, true)
            .question(QStringLiteral("Continua Cadastramento?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select CNPJ || '|' || CPF || '|' || FONE from FORNECEDOR where INSCESTADUAL = "
                                 "'131234568'"),
                 QStringLiteral("00000000000000|00000000000|663531120"));
        QVERIFY(w.button(B::Retornar)->isEnabled());

        // An invalid CNPJ keeps the focus in its field.
        kit::typeMasked(w.CNPJ.edit, QStringLiteral("11222333000180"));
        p.info(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), QStringLiteral("Informação"));
        leaveTo(w.INSCESTADUAL);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.CNPJ.edit));
        kit::typeMasked(w.CNPJ.edit, QStringLiteral("11222333000181"));
        leaveTo(w.INSCESTADUAL);
        QVERIFY_PROMPTS(p);
        w.button(B::Cancelar)->click();

        w.button(B::Pesquisar)->click();
        QCOMPARE(w.Panel1->text(), QStringLiteral("Fornecedor(es) Cadastrado(s).: 2"));
        kit::type(w.Edit1, QStringLiteral("mad"));
        QCOMPARE(dm.TFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("MADEIRAS SILVA"));
        w.button(B::Cadastro)->click();
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Fornecedores"));
    }

    void companyDataSavedThenDeleted()
    {
        TestDataModule dm;
        TfrmManutencao1 w(&dm);
        QVERIFY(kit::showActive(&w));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Parametros da Empresa"));
        QCOMPARE(dm.TManutencao->state(), data::DataSetState::Insert);
        ScriptedPrompter p;
        kit::type(w.NOMEEMPRESA, QStringLiteral("madeireira teste ltda"));
        kit::retype(w.NOMEFANTASIA, QStringLiteral("TESTE"));
        w.LOGRADOURO->setCurrentText(QStringLiteral("RUA"));
        kit::retype(w.ENDERECO, QStringLiteral("DAS FLORES"));
        p.info(QStringLiteral("Numero deve ser informado!"), QStringLiteral("Dados Basicos"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        kit::retype(w.NUMERO, QStringLiteral("12"));
        kit::retype(w.BAIRRO, QStringLiteral("CENTRO"));
        kit::typeMasked(w.CEP.edit, QStringLiteral("7855"));
        p.info(QStringLiteral("Campo preenchido incorretamente, Verefique!"), QStringLiteral("Informação"));
        leaveTo(w.CIDADE);
        QVERIFY_PROMPTS(p);
        kit::typeMasked(w.CEP.edit, QStringLiteral("78550000"));
        kit::retype(w.CIDADE, QStringLiteral("SINOP"));
        w.CIDADEUF->setCurrentText(QStringLiteral("MT"));
        p.info(QStringLiteral("CNPJ deve ser informado!"), QStringLiteral("Inscrições"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(w.PageControl1->currentWidget(), w.TabSheet2);
        kit::typeMasked(w.CNPJ.edit, QStringLiteral("11222333000181"));
        kit::typeMasked(w.INSCESTADUAL.edit, QStringLiteral("131234567"));
        // No CPF of the responsible person: still saved.
        p.question(QStringLiteral("Confirma a Inclusão?"), kConfirm, true);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!w.isVisible());
        QCOMPARE(kit::scalar(dm, "select NOMEEMPRESA || '|' || NUMERO || '|' || CEP || '|' || CNPJ from MANUTENCAO"),
                 QStringLiteral("MADEIREIRA TESTE LTDA|12|78550000|11222333000181"));

        QVERIFY(kit::showActive(&w));
        p.question(QStringLiteral("Confirma Exclusão?"), kConfirm, true);
        w.button(B::Excluir)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select count(*) from MANUTENCAO"), QStringLiteral("0"));
        p.warning(QStringLiteral("Não há dados para exclusão!"), QStringLiteral("Informação"));
        w.button(B::Excluir)->click();
        QVERIFY_PROMPTS(p);
        w.reject();
        QVERIFY(!w.isVisible());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestRegisters t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_registers.moc"
