#pragma once

#include <QVariant>

namespace data { class Connection; }

namespace rules {

// What is available of one sawn-wood species and product: sawn intake plus
// production minus output, each summed over the rows of that species code
// and product code. An empty value counts as nothing.
struct SawnBalance
{
    double intake = 0;     // ENTRADA_SERRADA_DISCRIMINACAO.QUANTIDADE
    // PRODUCAO.QSERRADA. PRODUCAO keeps no product code: its CODPRODUTO is
    // the sawn log's plate, and it is that column the balance has always
    // matched against the product code.
    double production = 0;
    double output = 0;     // SAIDA_MADEIRAS_DISCRIMINACAO.TOTALM3
    double balance = 0;    // intake + production - output

    // The three sums and the balance in one statement, so they come from
    // one consistent view of the database.
    static SawnBalance of(data::Connection *connection, const QVariant &species, const QVariant &product);
};

} // namespace rules
