#pragma once

#include <QDateTime>
#include <QString>

#include <stdexcept>

// The parts of an electronic invoice (NF-e, layout 4.00) that a log
// purchase needs, read from its XML with or without the authorisation
// envelope (nfeProc). Numbers in the XML carry a decimal point.
namespace core {

// A file that cannot be taken as an NF-e, with the message the user reads.
class NfeError : public std::runtime_error
{
public:
    explicit NfeError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

struct NfeParty
{
    QString cnpj; // digits (or the characters of an alphanumeric one), empty for a person
    QString cpf;
    QString name;
    QString tradeName;
    QString street, number, complement, district, city, uf, cep, phone;
    QString stateRegistration;
};

struct NfeDocument
{
    QString accessKey; // the 44 characters of the invoice's key
    QString model;     // "55"
    qint64 number = 0;
    QString series;
    QString nature;    // natOp
    QString cfop;      // of the first item
    QDateTime issued;  // dhEmi
    QDateTime exit;    // dhSaiEnt; invalid when the invoice gives none

    NfeParty issuer;

    // Transport.
    QString freightMode; // modFrete: 0 issuer, 1 recipient, 2 third party, 9 none
    NfeParty carrier;
    QString plate, plateUf;
    double volumes = 0; // qVol
    QString volumeKind, volumeBrand, volumeNumbers;
    double netWeight = 0, grossWeight = 0;

    // ICMSTot.
    double icmsBase = 0, icms = 0, icmsStBase = 0, icmsSt = 0, products = 0, freight = 0, insurance = 0,
           otherCosts = 0, ipi = 0, total = 0;

    int items = 0;
    // The items' quantities given in cubic metres, summed.
    double declaredM3 = 0;
    int itemsInM3 = 0;

    QString additionalInfo; // infCpl
};

// Reads the XML. Throws NfeError for a malformed file ("XML inválido" with
// the reader's line) and for a well-formed file that is not an NF-e of
// layout 4.00 with an issuer, a number and an issue date.
NfeDocument parseNfe(const QByteArray &xml);

// True for the units of an item quantity that mean cubic metres ("M3",
// "m³", "MC", "M3 ST").
bool isCubicMetreUnit(const QString &unit);

} // namespace core
