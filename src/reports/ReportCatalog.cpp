#include "ReportCatalog.h"

#include "UnitRepCredores.h"
#include "UnitRepCredoresCompleto.h"
#include "UnitRepDeclarado.h"
#include "UnitRepEntrada.h"
#include "UnitRepEntrada1.h"
#include "UnitRepEntrada2.h"
#include "UnitRepEntrada3.h"
#include "UnitRepEssencia.h"
#include "UnitRepEstoque.h"
#include "UnitRepEtiquetas.h"
#include "UnitRepFornecedores.h"
#include "UnitRepMunicipio.h"
#include "UnitRepProducao.h"
#include "UnitRepProducao1.h"
#include "UnitRepRendimento.h"
#include "UnitRepProduto.h"
#include "UnitRepRomaneioToros.h"
#include "UnitRepRomaneioserrada.h"
#include "UnitRepSaida.h"
#include "UnitRepSaida1.h"
#include "Unitrepsubprodutos.h"

namespace reports {

QVector<ReportEntry> catalogEntries()
{
    return {
        repEstoqueEntry(),
        repEntradaEntry(),
        repEntrada1Entry(),
        repEntrada2Entry(),
        repEntrada3Entry(),
        repRomaneioTorosEntry(),
        repProducaoEntry(),
        repProducao1Entry(),
        repRendimentoEntry(),
        repDeclaradoEntry(),
        repSaidaEntry(),
        repSaida1Entry(),
        repRomaneioserradaEntry(),
        repEssenciaEntry(),
        repProdutoEntry(),
        repsubprodutoEntry(),
        repMunicipioEntry(),
        repFornecedoresEntry(),
        repCredoresEntry(),
        repCredores1Entry(),
        repEtiquetasEntry(),
    };
}

} // namespace reports
