#include "RegisterTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDataModule.h"

#include "registers/UnitCredor.h"
#include "registers/UnitFornecedor.h"
#include "registers/UnitProdutos.h"
#include "registers/Unitsubprodutos.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using B = widgets::RegisterWindow::Button;

// The steps the registers take from their descriptions: required fields
// found by name and checked in order, and the empty-table messages of
// "&Pesquisar" and "E&xcluir".
class TestRegisterSteps : public QObject
{
    Q_OBJECT

    const QString kConfirm = QStringLiteral("Confirmação");

private slots:
    void clientRequiredFieldsInOrderEachTakingTheFocus()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5103403', 'CUIABÁ', '51', 'MT')"));
        TfrmCredor w(&dm);
        QVERIFY(kit::showActive(&w));
        w.button(B::Incluir)->click();
        ScriptedPrompter p;
        const QString caption = QStringLiteral("Cadastro");
        auto refused = [&](const QString &message, QWidget *field) {
            p.clear();
            p.info(message, caption);
            w.button(B::Gravar)->click();
            QVERIFY_PROMPTS(p);
            QCOMPARE(QApplication::focusWidget(), field);
        };
        refused(QStringLiteral("Tipo de Cliente deve ser informado!"), w.TIPOCLIENTE);
        w.TIPOCLIENTE->setCurrentText(QStringLiteral("2-PESSOA JURÍDICA"));
        refused(QStringLiteral("Razão Social/Nome deve ser informado!"), w.NOMECREDOR);
        kit::type(w.NOMECREDOR, QStringLiteral("serraria boa vista"));
        refused(QStringLiteral("Endereço deve ser informado!"), w.ENDERECO);
        kit::type(w.ENDERECO, QStringLiteral("rua b"));
        refused(QStringLiteral("Bairro deve ser informado!"), w.BAIRRO);
        kit::type(w.BAIRRO, QStringLiteral("centro"));
        refused(QStringLiteral("Cidade deve ser informada!"), w.CIDADE->view()); // entering it drops the list down
        w.CIDADE->hidePopup();
        w.CIDADE->setCurrentIndex(w.CIDADE->findText(QStringLiteral("CUIABÁ")));
        emit w.CIDADE->activated(w.CIDADE->currentIndex());
        // The masked CEP counts as empty while its column is.
        refused(QStringLiteral("CEP deve ser informado!"), w.CEP.edit);
        kit::typeMasked(w.CEP.edit, QStringLiteral("78000000"));
        p.clear();
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TCredor->state(), data::DataSetState::Insert);
        QCOMPARE(kit::scalar(dm, "select count(*) from CREDOR"), QStringLiteral("0"));
        w.button(B::Cancelar)->click();
    }

    // A supplier's checks show the tab of the missing field.
    void supplierRequiredFieldShowsItsTab()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into MUNICIPIO values ('5107909', 'SINOP', '51', 'MT')"));
        TfrmFornecedores w(&dm);
        QVERIFY(kit::showActive(&w));
        w.button(B::Incluir)->click();
        kit::type(w.NOMEFORNECEDOR, QStringLiteral("a"));
        kit::type(w.ENDERECO, QStringLiteral("b"));
        kit::type(w.BAIRRO, QStringLiteral("c"));
        w.CIDADE->setCurrentIndex(w.CIDADE->findText(QStringLiteral("SINOP")));
        emit w.CIDADE->activated(w.CIDADE->currentIndex());
        kit::type(w.CIDADEUF, QStringLiteral("mt"));
        kit::typeMasked(w.CEP.edit, QStringLiteral("78550000"));
        ScriptedPrompter p;
        p.info(QStringLiteral("Tipo de Fornecedor deve ser informado!"), QStringLiteral("Dados Basicos"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(w.PageControl1->currentWidget(), w.TabSheet2);
        QCOMPARE(QApplication::focusWidget(), w.TIPOCLIENTE);
        w.button(B::Cancelar)->click();
    }

    void emptyTablesAreToldForSearchAndDelete()
    {
        TestDataModule dm;
        ScriptedPrompter p;
        {
            Tfrmsubprodutos w(&dm);
            QVERIFY(kit::showActive(&w));
            p.info(QStringLiteral("Não hà Produto cadastrados para pesquisa!"), QStringLiteral("Pesquisa"));
            w.button(B::Pesquisar)->click();
            QVERIFY_PROMPTS(p);
            QCOMPARE(w.PageControl1->currentWidget(), w.TabSheet1);
            QCOMPARE(QApplication::focusWidget(), w.NOMEGRAU);
            p.clear();
            p.info(QStringLiteral("Não hà sub-produto para ser excluído!"), QStringLiteral("Informação"));
            w.button(B::Excluir)->click();
            QVERIFY_PROMPTS(p);
        }
        {
            TfrmCredor w(&dm);
            QVERIFY(kit::showActive(&w));
            p.clear();
            p.info(QStringLiteral("Não hà Clientes cadastrados para execução deste menu!"), QStringLiteral("Pesquisa"));
            w.button(B::Pesquisar)->click();
            QVERIFY_PROMPTS(p);
            QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Clientes"));
            QVERIFY(w.button(B::Pesquisar)->isVisible());
            p.clear();
            p.info(QStringLiteral("Não hà Clientes para serem Excluídos!"), QStringLiteral("Alteração"));
            w.button(B::Excluir)->click();
            QVERIFY_PROMPTS(p);
        }
    }

    // With rows, "E&xcluir" asks first; No keeps the row, Yes deletes it.
    void deleteAsksFirst()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "insert into PRODUTO (NOMEGRAU, UNIDADE, FATOR) values ('TABUA', 'M3', 1.5)"));
        TfrmProdutos w(&dm);
        QVERIFY(kit::showActive(&w));
        ScriptedPrompter p;
        p.question(QStringLiteral("Confirma Exclusão deste produto?"), kConfirm, false);
        w.button(B::Excluir)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select count(*) from PRODUTO"), QStringLiteral("1"));
        p.clear();
        p.question(QStringLiteral("Confirma Exclusão deste produto?"), kConfirm, true);
        w.button(B::Excluir)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select count(*) from PRODUTO"), QStringLiteral("0"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestRegisterSteps t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_registersteps.moc"
