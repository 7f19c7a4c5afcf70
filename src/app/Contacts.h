#pragma once

#include <QString>

// The maker's addresses and the public bodies' pages the program links to.
namespace app::contacts {

inline const QString kMakerName = QStringLiteral("Tarvic - Software");
inline const QString kMakerSite = QStringLiteral("www.tarvic.com.br");
inline const QString kMakerUrl = QStringLiteral("http://www.tarvic.com.br");
inline const QString kUpdateUrl = QStringLiteral("http://www.tarvic.com.br/quelvora/atualizacoes.html");
inline const QString kSupportMail = QStringLiteral("suporte@tarvic.com.br");
inline const QString kContactLine = QStringLiteral(
    "Tarvic - Software  *  Fone: (65) 3321-0000  *  Contato: Marcos Tarvic  *  "
    "E-mail: suporte@tarvic.com.br  *  MSN: tarvic@hotmail.com  *  www.tarvic.com.br");

inline const QString kSisflora = QStringLiteral("http://www.sema.mt.gov.br/sisflora");
inline const QString kFiemt = QStringLiteral("http://www.fiemt.com.br");
inline const QString kSefaz = QStringLiteral("http://www.sefaz.mt.gov.br");
inline const QString kSema = QStringLiteral("http://www.sema.mt.gov.br");
inline const QString kPautaFrete = QStringLiteral("http://www.sefaz.mt.gov.br/pauta/frete.pdf");
inline const QString kPautaMadeira = QStringLiteral("http://www.sefaz.mt.gov.br/pauta/madeira.pdf");
inline const QString kIbama = QStringLiteral("http://www.ibama.gov.br");
inline const QString kMma = QStringLiteral("http://www.mma.gov.br");

} // namespace app::contacts
