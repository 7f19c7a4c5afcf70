#pragma once

#include <QString>

namespace data {

class Connection;

// A database a new user can try the program on: a sawmill company of Mato
// Grosso with its municipalities, a dozen Amazon species, products with
// their transformation indexes, sub-products, and suppliers and clients
// whose CPF, CNPJ and state registrations carry valid check digits.
class DemoDatabase
{
public:
    // Fills a freshly created, empty database. Throws DataError.
    static void fill(Connection *connection);
    // Creates PATH from the schema (refusing an existing file) and fills it.
    static void create(const QString &path);

    // Check digits, so that the demo numbers pass the program's own checks.
    static QString cpfWithDigits(const QString &nineDigits);
    static QString cnpjWithDigits(const QString &twelveDigits);
    static QString mtIeWithDigit(const QString &tenDigits);

private:
    static void fillMovements(Connection *connection);
};

} // namespace data
