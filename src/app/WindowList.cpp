#include "WindowList.h"

// To add a window: include its unit below and put one line
//     window<TfrmX>(),
// in the list. A window that does not exist yet is simply left out, and the
// main window's menu item for it stays disabled until it is here.
#include "app/UnitAtualizacao.h"
#include "app/UnitCoeficiente.h"
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
#include "logs/UnitConsultaDeclarado.h"
#include "logs/UnitConsultaEPatio.h"
#include "logs/UnitRDeclarado.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "logs/UnitREntrada.h"
#include "logs/UnitREntrada1.h"
#include "logs/UnitREntrada2.h"
#include "logs/UnitREntrada3.h"
#include "logs/UnitRRomaneioToros.h"
#include "logs/Unitromaneiotoro.h"
#include "logs/Unitromaneiotorosprodutos.h"
#include "sawn/UnitEntradaSerrada.h"
#include "sawn/UnitEntradaSerradaProdutos.h"
#include "sawn/UnitConsultaESerrada.h"
#include "sawn/UnitConsultaProducao.h"
#include "sawn/UnitConsultaRendimento.h"
#include "sawn/UnitRRendimento.h"
#include "sawn/UnitProducao.h"
#include "sawn/UnitRProducao.h"
#include "sawn/UnitRProducao1.h"
#include "sawn/UnitRRomaneioSerrada.h"
#include "sawn/UnitRSaida.h"
#include "sawn/UnitRSaida1.h"
#include "sawn/UnitSaidaMadeiras.h"
#include "sawn/UnitSaidaMadeirasProdutos.h"
#include "sawn/Unitromaneioserrada.h"
#include "sawn/UnitromaneioSerradaProdutos.h"
#include "statements/UnitPesquisa1.h"
#include "statements/UnitPesquisa2.h"
#include "statements/UnitPesquisa3.h"
#include "statements/UnitPesquisaEntrada.h"
#include "statements/Unitconsultaproduto.h"
#include "statements/UnitDemo.h"
#include "statements/UnitfrmFunrural.h"
#include "maintenance/UnitBackup.h"
#include "maintenance/UnitLimparBD.h"
#include "maintenance/UnitRestore.h"
#include "maintenance/Unitskin.h"
#include "widgets/ReportPreview.h"
#include "widgets/ReportWindow.h"
#include "widgets/WindowRegistry.h"
#include "widgets/WindowSource.h"

namespace app {

namespace {

// A picker as the windows that use it reach it: made when first opened.
template <typename P>
widgets::Picker picker()
{
    return widgets::Picker([] { return static_cast<widgets::PickerWindow *>(widgets::windows().get<P>()); });
}

// What a window is given when it is made: its pickers, by type. A window
// that uses none takes the first form.
template <typename T>
void givePickers(T *) {}
void givePickers(TfrmEntradaToros *w) { w->setSupplierPicker(picker<TfrmPesquisa>()); }
void givePickers(TfrmEntradaSerrada *w) { w->setSupplierPicker(picker<TfrmPesquisa>()); }
void givePickers(TfrmREntrada1 *w) { w->setPicker(picker<TfrmPesquisa>()); }
void givePickers(TfrmREntrada3 *w) { w->setPicker(picker<TfrmPesquisa>()); }
void givePickers(TfrmFunRural *w) { w->setSupplierPicker(picker<TfrmPesquisa>()); }
void givePickers(TfrmRomaneiotoro *w) { w->setClientPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmRRomaneioToros *w) { w->setPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmRSaida1 *w) { w->setPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmRRomaneioSerrada *w) { w->setPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmSaidaMadeiras *w) { w->setClientPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmRomaneioserrada *w) { w->setClientPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmConsultaProduto *w) { w->setClientPicker(picker<TfrmPesquisa3>()); }
void givePickers(TfrmProducao *w) { w->setPickers(picker<TfrmPesquisa1>(), picker<TfrmPesquisa2>()); }

// A window of the list as another window reaches it: made when first opened.
template <typename W>
widgets::WindowSource made()
{
    return [] { return static_cast<QWidget *>(widgets::windows().get<W>()); };
}

// The other windows a window opens (its line window, its report): handed
// over here, so that no window looks another up by name.
template <typename T>
void giveWindows(T *) {}
void giveWindows(TfrmEntradaToros *w) { w->setLineWindow(made<TfrmEntradaTorosProdutos>()); }
void giveWindows(TfrmEntradaSerrada *w) { w->setLineWindow(made<TfrmEntradaSerradaProdutos>()); }
void giveWindows(TfrmSaidaMadeiras *w) { w->setLineWindow(made<TfrmSaidaMadeirasProdutos>()); }
void giveWindows(TfrmRomaneiotoro *w)
{
    w->setLineWindow(made<TfrmRomaneiotorosprodutos>());
    w->setReportWindows(made<TfrmRRomaneioToros>(), made<TfrmManutencao1>());
}
void giveWindows(TfrmRomaneioserrada *w)
{
    w->setLineWindow(made<TfrmromaneioSerradaProdutos>());
    w->setReportWindows(made<TfrmRRomaneioSerrada>(), made<TfrmManutencao1>());
}

template <typename T>
WindowEntry window()
{
    return {T::staticMetaObject.className(), [](data::TDM *dm, QWidget *parent) -> QWidget * {
                T *w = new T(dm, parent);
                givePickers(w);
                giveWindows(w);
                return w;
            }};
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
        window<TfrmBackup>(),
        window<TfrmRestore>(),
        window<TfrmEntradaToros>(),
        window<TfrmFornecedores>(),
        window<TfrmEntradaTorosProdutos>(),
        window<TfrmEntradaSerrada>(),
        window<TfrmEntradaSerradaProdutos>(),
        window<TfrmSaidaMadeiras>(),
        window<TfrmSaidaMadeirasProdutos>(),
        window<TfrmConsultaEPatio>(),
        window<TfrmConsultaESerrada>(),
        window<TfrmProducao>(),
        window<TfrmPesquisa>(),
        window<TfrmPesquisa1>(),
        window<TfrmPesquisa2>(),
        window<TfrmPesquisa3>(),
        window<TfrmConsultaProducao>(),
        window<TfrmDemo>(),
        window<TfrmREntrada>(),
        window<TfrmREntrada1>(),
        window<TfrmRSaida>(),
        window<TfrmRSaida1>(),
        window<TfrmRProducao>(),
        window<TfrmRProducao1>(),
        report<RepEstoque>(),
        window<TfrmManutencao1>(),
        window<TfrmLogin>(),
        window<TfrmAtualizacao>(),
        window<TfrmUsuario>(),
        window<TfrmFunRural>(),
        window<TfrmREntrada2>(),
        window<TfrmREntrada3>(),
        report<RepCredores1>(),
        window<TfrmRRomaneioSerrada>(),
        window<TfrmRomaneioserrada>(),
        window<TfrmromaneioSerradaProdutos>(),
        window<Tfrmsubprodutos>(),
        report<Repsubproduto>(),
        window<TfrmRomaneiotoro>(),
        window<TfrmRomaneiotorosprodutos>(),
        window<TfrmRRomaneioToros>(),
        window<TfrmLimparBD>(),
        window<TfrmSkin>(),
        window<TfrmConsultaProduto>(),
        window<Tfrmconfigbd>(),
        window<TfrmConsultaRendimento>(),
        window<TfrmRRendimento>(),
        window<TfrmCoeficiente>(),
        window<TfrmConsultaDeclarado>(),
        window<TfrmRDeclarado>(),
    };
    return list;
}

} // namespace app
