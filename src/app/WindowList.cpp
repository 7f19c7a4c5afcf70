#include "WindowList.h"

// To add a window: include its unit below and put one line
//     window<TfrmX>(),
// in the list. A window that does not exist yet is simply left out, and the
// main window's menu item for it stays disabled until it is here.
#include "app/UnitAtualizacao.h"
#include "app/UnitInfo.h"
#include "app/UnitLogin.h"
#include "app/UnitSobre.h"
#include "app/UnitUsuario.h"
#include "app/Unitconfgbd.h"
#include "registers/UnitCredor.h"
#include "registers/UnitEssencia.h"
#include "registers/UnitFornecedor.h"
#include "registers/UnitManutencao1.h"
#include "registers/UnitMunicipio.h"
#include "registers/UnitProdutos.h"
#include "registers/Unitsubprodutos.h"
#include "logs/UnitConsultaEPatio.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "logs/UnitREntrada.h"
#include "logs/UnitREntrada1.h"
#include "logs/UnitREntrada2.h"
#include "logs/UnitREntrada3.h"
#include "logs/UnitRRomaneioToros.h"
#include "logs/Unitromaneiotoro.h"
#include "logs/Unitromaneiotorosprodutos.h"
#include "sawn/UnitSaidaMadeiras.h"
#include "sawn/UnitSaidaMadeirasProdutos.h"
#include "sawn/Unitromaneioserrada.h"
#include "sawn/UnitromaneioSerradaProdutos.h"
#include "statements/UnitPesquisa3.h"
#include "statements/UnitPesquisaEntrada.h"
#include "statements/Unitconsultaproduto.h"
#include "widgets/ReportPreview.h"

namespace app {

namespace {

template <typename T>
WindowEntry window()
{
    return {T::staticMetaObject.className(),
            [](data::TDM *dm, QWidget *parent) -> QWidget * { return new T(dm, parent); }};
}

// A report of the catalogue, reached by its name.
template <const char *Name>
WindowEntry report()
{
    return {Name, [](data::TDM *dm, QWidget *parent) -> QWidget * {
                return new widgets::ReportWindow(QString::fromLatin1(Name), dm, parent);
            }};
}

constexpr char RepEstoque[] = "RepEstoque";
constexpr char RepEssencia[] = "RepEssencia";
constexpr char RepCredores[] = "RepCredores";
constexpr char RepFornecedores[] = "RepFornecedores";
constexpr char RepProduto[] = "RepProduto";
constexpr char RepMunicipio[] = "RepMunicipio";
constexpr char RepCredores1[] = "RepCredores1";
constexpr char Repsubproduto[] = "Repsubproduto";

} // namespace

const QVector<WindowEntry> &windowList()
{
    static const QVector<WindowEntry> list = {
        window<TfrmEssencia>(),
        window<TfrmCredor>(),
        window<TfrmMunicipio>(),
        window<TfrmProdutos>(),
        window<TfrmInfo>(),
        window<TfrmSobre>(),
        report<RepEssencia>(),
        report<RepCredores>(),
        report<RepFornecedores>(),
        report<RepProduto>(),
        report<RepMunicipio>(),
        // TfrmBackup, TfrmRestore,
        window<TfrmEntradaToros>(),
        window<TfrmFornecedores>(),
        window<TfrmEntradaTorosProdutos>(),
        window<TfrmSaidaMadeiras>(),
        window<TfrmSaidaMadeirasProdutos>(),
        window<TfrmConsultaEPatio>(),
        // TfrmConsultaESerrada, TfrmProducao,
        window<TfrmPesquisa>(),
        // TfrmPesquisa1, TfrmPesquisa2,
        window<TfrmPesquisa3>(),
        // TfrmConsultaProducao, TfrmDemo,
        window<TfrmREntrada>(),
        window<TfrmREntrada1>(),
        // RepEntrada, RepEntrada1, RepSaida, RepSaida1,
        // TfrmRSaida, TfrmRSaida1, RepProducao, RepProducao1, TfrmRProducao,
        // TfrmRProducao1,
        report<RepEstoque>(),
        window<TfrmManutencao1>(),
        window<TfrmLogin>(),
        window<TfrmAtualizacao>(),
        window<TfrmUsuario>(),
        // TfrmFunRural, TfrmEntradaSerrada, TfrmEntradaSerradaProdutos,
        window<TfrmREntrada2>(),
        window<TfrmREntrada3>(),
        // RepEntrada2, RepEntrada3, RepRomaneioToros,
        report<RepCredores1>(),
        // TfrmRRomaneioSerrada, RepRomaneioserrada,
        window<TfrmRomaneioserrada>(),
        window<TfrmromaneioSerradaProdutos>(),
        window<Tfrmsubprodutos>(),
        report<Repsubproduto>(),
        window<TfrmRomaneiotoro>(),
        window<TfrmRomaneiotorosprodutos>(),
        window<TfrmRRomaneioToros>(),
        // TfrmLimparBD, TfrmSkin,
        window<TfrmConsultaProduto>(),
        window<Tfrmconfigbd>(),
    };
    return list;
}

} // namespace app
