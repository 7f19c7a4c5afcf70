#pragma once

#include <QVariant>

namespace data { class Connection; }

namespace rules {

// What is available of sawn wood: sawn intake plus production minus output.
// An empty value counts as nothing. Every window that shows a sawn balance
// or a production figure by species or product asks here. The figures come
// from the summary the database keeps (sql/stock.sql).
//
// Intake and output lines carry the species code and the sub-product code
// (SUBPRODUTO.GRAUIND). A production row carries the species code but no
// product code (its CODPRODUTO is the sawn log's plate): it counts for a
// sub-product when its PRODUTO, the product name cut to 30 characters as it
// was stored, is that sub-product's name, ignoring case and outer blanks.
struct SawnBalance
{
    double intake = 0;     // ENTRADA_SERRADA_DISCRIMINACAO.QUANTIDADE
    double production = 0; // PRODUCAO.QSERRADA
    double output = 0;     // SAIDA_MADEIRAS_DISCRIMINACAO.TOTALM3
    double balance = 0;    // intake + production - output

    // One species and one sub-product. The three sums and the balance come
    // from one statement, so from one consistent view of the database.
    static SawnBalance of(data::Connection *connection, const QVariant &species, const QVariant &product);
    // One sub-product, every species.
    static SawnBalance ofProduct(data::Connection *connection, const QVariant &product);
    // Everything.
    static SawnBalance overall(data::Connection *connection);
};

} // namespace rules
