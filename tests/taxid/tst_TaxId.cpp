#include "taxid/TaxId.h"

#include <QtTest>

// Check digits below were worked by hand; the sums are noted where the
// example was built for a particular branch of a rule.
class TestTaxId : public QObject
{
    Q_OBJECT

private slots:
    void cpf_data();
    void cpf();
    void cnpj_data();
    void cnpj();
    void ie_data();
    void ie();
    void ieAnyStateRefuses_data();
    void ieAnyStateRefuses();
};

void TestTaxId::cpf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("masked") << "111.444.777-35" << true;
    QTest::newRow("bare digits") << "11144477735" << true;
    QTest::newRow("second example") << "529.982.247-25" << true;
    // S1 = 9*6 = 54, 54 mod 11 = 10 -> 0; S2 = 8*6 = 48 -> 4
    QTest::newRow("first digit from remainder 10") << "000.000.006-04" << true;
    QTest::newRow("spaces and underscores") << " 111 444 777_35 " << true;

    QTest::newRow("wrong second digit") << "111.444.777-36" << false;
    QTest::newRow("wrong first digit") << "111.444.777-45" << false;
    QTest::newRow("swapped digits") << "111.444.777-53" << false;

    QTest::newRow("empty") << "" << true;
    QTest::newRow("mask only") << "___.___.___-__" << true;
    QTest::newRow("mask of spaces") << "   .   .   -  " << true;

    QTest::newRow("zeros") << "000.000.000-00" << false;
    // passes the arithmetic, refused only for its repeated digit
    QTest::newRow("all ones") << "111.111.111-11" << false;

    // would pass if padded with a zero in front
    QTest::newRow("one digit short") << "00.000.006-04" << false;
    QTest::newRow("one digit too many") << "111.444.777-350" << false;

    QTest::newRow("letter O for zero") << "OOO.OOO.OO6-O4" << false;
    QTest::newRow("trailing letter") << "111.444.777-35x" << false;
    QTest::newRow("comma") << "111,444,777-35" << false;
    QTest::newRow("tab") << "111444777\t35" << false;
    QTest::newRow("letter alone") << "a" << false;
    QTest::newRow("non-latin digit") << QString::fromUtf8("11144477735\u0663") << false;
}

void TestTaxId::cpf()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(taxid::isValidCpf(text), valid);
}

void TestTaxId::cnpj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("masked") << "11.222.333/0001-81" << true;
    QTest::newRow("bare digits") << "11222333000181" << true;
    QTest::newRow("second example") << "00.000.000/0001-91" << true;
    // S1 = 9*6 = 54 -> remainder 10 -> 0; S2 = 8*6 + 9*0 = 48 -> 4
    QTest::newRow("first digit from remainder 10") << "00.000.000/0006-04" << true;

    QTest::newRow("wrong second digit") << "11.222.333/0001-80" << false;
    QTest::newRow("wrong first digit") << "11.222.333/0001-71" << false;

    QTest::newRow("empty") << "" << true;
    QTest::newRow("mask only") << "__.___.___/____-__" << true;
    QTest::newRow("zeros") << "00.000.000/0000-00" << false;
    QTest::newRow("all twos") << "22.222.222/2222-22" << false;

    QTest::newRow("one digit short") << "0.000.000/0001-91" << false;
    QTest::newRow("one digit too many") << "11.222.333/0001-810" << false;
    QTest::newRow("a CPF is not a CNPJ") << "111.444.777-35" << false;
    QTest::newRow("letters, check digits of the digit value") << "11.222.333/OOO1-81" << false;

    // Letters in the root and branch count as their code minus 48 (A = 17).
    QTest::newRow("alphanumeric masked") << "12.ABC.345/01DE-35" << true;
    QTest::newRow("alphanumeric bare") << "12ABC34501DE35" << true;
    QTest::newRow("letters only in the root") << "ZZ.ZZZ.ZZZ/ZZZZ-62" << true;
    QTest::newRow("letter in the branch") << "00.000.000/000A-04" << true;
    QTest::newRow("letters, letters' own check digits") << "11.222.333/OOO1-03" << true;
    QTest::newRow("alphanumeric, wrong first digit") << "12.ABC.345/01DE-45" << false;
    QTest::newRow("alphanumeric, wrong second digit") << "12.ABC.345/01DE-36" << false;
    QTest::newRow("lower case letters") << "12.abc.345/01de-35" << false;
    QTest::newRow("letter as first check digit") << "12.ABC.345/01DE-A5" << false;
    QTest::newRow("letter as second check digit") << "12.ABC.345/01DE-3E" << false;
    QTest::newRow("accented letter") << "12.ÁBC.345/01DE-35" << false;
    QTest::newRow("letter beyond Z") << "12.AB[.345/01DE-35" << false;
    QTest::newRow("backslash") << "11.222.333\\0001-81" << false;
}

void TestTaxId::cnpj()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(taxid::isValidCnpj(text), valid);
}

void TestTaxId::ie_data()
{
    QTest::addColumn<QString>("uf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    // AC: nine-digit old form, or thirteen digits starting 01
    QTest::newRow("AC 13 digits") << "AC" << "01.004.823/001-12" << true;
    QTest::newRow("AC 13 wrong last") << "AC" << "0100482300113" << false;
    QTest::newRow("AC 12 digits padded to 13") << "AC" << "100482300112" << true;
    QTest::newRow("AC 10 digits padded, not 01") << "AC" << "1234567890" << false;
    // 0,1,1,2,3,4,5,6 by 9..2 = 85, 85 mod 11 = 8 -> 3
    QTest::newRow("AC old form") << "AC" << "011234563" << true;
    QTest::newRow("AC old form padded") << "AC" << "11234563" << true;
    QTest::newRow("AC old form wrong") << "AC" << "011234564" << false;
    // digit right (sum 66 -> 0) but the third and fourth are 00
    QTest::newRow("AC old form with 00") << "AC" << "010034560" << false;
    QTest::newRow("AC 9 digits not 01") << "AC" << "021234563" << false;

    QTest::newRow("AL") << "AL" << "240000048" << true;
    // sum 56, 560 mod 11 = 10 -> 0
    QTest::newRow("AL remainder 10") << "AL" << "240000030" << true;
    QTest::newRow("AL wrong") << "AL" << "240000049" << false;
    QTest::newRow("AL not padded") << "AL" << "24000004" << false;
    QTest::newRow("AL other start") << "AL" << "250000048" << false;

    // 0,1,2,3,4,5,6,7 by 9..2 = 112, mod 11 = 2 -> 9
    QTest::newRow("AM") << "AM" << "012345679" << true;
    QTest::newRow("AM 8 digits padded") << "AM" << "12345679" << true;
    QTest::newRow("AM wrong") << "AM" << "012345678" << false;
    QTest::newRow("AM too long") << "AM" << "0012345679" << false;

    // N = 3012345: p = 5, 5 + 74 = 79, mod 11 = 2 -> 9
    QTest::newRow("AP first range") << "AP" << "030123459" << true;
    QTest::newRow("AP first range upper bound") << "AP" << "030170007" << true;
    // N = 3017001: p = 9, 9 + 67 = 76, mod 11 = 10 -> 1
    QTest::newRow("AP second range lower bound") << "AP" << "030170011" << true;
    QTest::newRow("AP second range") << "AP" << "030180009" << true;
    // N = 3018030: 9 + 79 = 88, remainder 0 -> d = 1
    QTest::newRow("AP second range remainder 0") << "AP" << "030180301" << true;
    QTest::newRow("AP second range remainder 0 wrong") << "AP" << "030180300" << false;
    QTest::newRow("AP beyond the ranges") << "AP" << "030200008" << true;
    QTest::newRow("AP wrong") << "AP" << "030123458" << false;
    QTest::newRow("AP other start") << "AP" << "040123459" << false;

    // modulo 10: A = 3, B = 98 + 6 -> 6
    QTest::newRow("BA modulo 10") << "BA" << "123456-63" << true;
    QTest::newRow("BA digits swapped") << "BA" << "123456-36" << false;
    // modulo 11: A = 92 -> 7, B = 113 + 14 = 127 -> 5
    QTest::newRow("BA modulo 11") << "BA" << "612345-57" << true;
    QTest::newRow("BA modulo 11 wrong") << "BA" << "612345-75" << false;
    QTest::newRow("BA padded") << "BA" << "1234550" << true;
    QTest::newRow("BA too long") << "BA" << "123456630" << false;

    QTest::newRow("CE") << "CE" << "06000001-5" << true;
    QTest::newRow("CE wrong") << "CE" << "06000001-6" << false;

    QTest::newRow("DF") << "DF" << "07.300001.001-09" << true;
    QTest::newRow("DF wrong last") << "DF" << "0730000100108" << false;
    QTest::newRow("DF wrong first") << "DF" << "0730000100119" << false;
    QTest::newRow("DF other start") << "DF" << "0740000100109" << false;

    // 9,9,...,9 by 9..2 = 396, remainder 0 -> 0
    QTest::newRow("ES") << "ES" << "99999999-0" << true;
    QTest::newRow("ES wrong") << "ES" << "99999999-1" << false;

    QTest::newRow("GO") << "GO" << "10.987.654-7" << true;
    // sum 34, remainder 1, N = 10110006 inside the range -> 1
    QTest::newRow("GO remainder 1 in range") << "GO" << "101100061" << true;
    QTest::newRow("GO remainder 1 in range, 0") << "GO" << "101100060" << false;
    // sum 34, remainder 1, N = 10100009 outside the range -> 0
    QTest::newRow("GO remainder 1 out of range") << "GO" << "101000090" << true;
    QTest::newRow("GO remainder 1 out of range, 1") << "GO" << "101000091" << false;
    QTest::newRow("GO other start") << "GO" << "120000385" << false;

    QTest::newRow("MA") << "MA" << "120000385" << true;
    QTest::newRow("MA wrong") << "MA" << "120000386" << false;
    QTest::newRow("MA other start") << "MA" << "060000015" << false;

    // T = 0,6,2,0,3,0,7,9,0,4,0,0 -> 32 -> 8; by 3,2,11,10,...,2 = 219 -> 1
    QTest::newRow("MG") << "MG" << "062.307.904/0081" << true;
    QTest::newRow("MG wrong first") << "MG" << "0623079040071" << false;
    QTest::newRow("MG wrong second") << "MG" << "0623079040082" << false;
    QTest::newRow("MG too long") << "MG" << "10623079040081" << false;

    QTest::newRow("MS") << "MS" << "280000006" << true;
    QTest::newRow("MS other start") << "MS" << "270000006" << false;

    QTest::newRow("MT") << "MT" << "0013000001-9" << true;
    QTest::newRow("MT padded") << "MT" << "13000001-9" << true;
    QTest::newRow("MT wrong") << "MT" << "0013000001-8" << false;

    QTest::newRow("PA") << "PA" << "15-999999-5" << true;
    QTest::newRow("PA wrong") << "PA" << "15-999999-4" << false;

    QTest::newRow("PB") << "PB" << "06000001-5" << true;

    QTest::newRow("PE") << "PE" << "18.1.001.0000004-9" << true;
    // sum 55, remainder 0 -> 1
    QTest::newRow("PE remainder 0") << "PE" << "18100100000031" << true;
    // sum 67, remainder 1 -> 0
    QTest::newRow("PE remainder 1") << "PE" << "18100100000090" << true;
    QTest::newRow("PE wrong") << "PE" << "18100100000048" << false;

    QTest::newRow("PI") << "PI" << "012345679" << true;
    QTest::newRow("PI wrong") << "PI" << "012345670" << false;

    QTest::newRow("PR") << "PR" << "123.45678-50" << true;
    QTest::newRow("PR wrong first") << "PR" << "123.45678-40" << false;
    QTest::newRow("PR wrong second") << "PR" << "123.45678-51" << false;

    QTest::newRow("RJ") << "RJ" << "99.999.99-3" << true;
    // 0,1,2,3,4,5,6 by 2,7,6,5,4,3,2 = 77 -> 0
    QTest::newRow("RJ padded") << "RJ" << "1234560" << true;
    QTest::newRow("RJ wrong") << "RJ" << "99.999.99-4" << false;

    QTest::newRow("RN") << "RN" << "20.040.040-1" << true;
    QTest::newRow("RN wrong") << "RN" << "20.040.040-2" << false;
    QTest::newRow("RN other start") << "RN" << "21.040.040-1" << false;

    // 6,2,5,2,1 by 6..2 = 74, remainder 8 -> 3
    QTest::newRow("RO") << "RO" << "101.62521-3" << true;
    QTest::newRow("RO first three carry no weight") << "RO" << "999.62521-3" << true;
    QTest::newRow("RO wrong") << "RO" << "101.62521-4" << false;

    // by 1..8 = 154, mod 9 = 1
    QTest::newRow("RR") << "RR" << "24006628-1" << true;
    QTest::newRow("RR wrong") << "RR" << "24006628-2" << false;
    QTest::newRow("RR other start") << "RR" << "25006628-1" << false;

    QTest::newRow("RS") << "RS" << "224/3658792" << true;
    QTest::newRow("RS wrong") << "RS" << "224/3658793" << false;

    QTest::newRow("SC") << "SC" << "251.040.852" << true;
    QTest::newRow("SC wrong") << "SC" << "251.040.853" << false;

    QTest::newRow("SE") << "SE" << "27123456-3" << true;
    QTest::newRow("SE wrong") << "SE" << "27123456-4" << false;

    // first digit: sum 164, remainder 10 -> 0
    QTest::newRow("SP") << "SP" << "110.042.490.114" << true;
    QTest::newRow("SP wrong first") << "SP" << "110.042.491.114" << false;
    QTest::newRow("SP wrong second") << "SP" << "110.042.490.115" << false;
    QTest::newRow("SP padded") << "SP" << "10000003003" << true;
    QTest::newRow("SP producer") << "SP" << "P-01100424.3/002" << true;
    QTest::newRow("SP producer lower case") << "SP" << "p-01100424.3/002" << true;
    QTest::newRow("SP producer, tail unchecked") << "SP" << "P-01100424.3/999" << true;
    QTest::newRow("SP producer wrong") << "SP" << "P-01100424.4/002" << false;
    QTest::newRow("SP producer too short") << "SP" << "P0110042430" << false;
    QTest::newRow("SP producer twelve") << "SP" << "P01100424300" << false;
    QTest::newRow("SP 13 digits") << "SP" << "0110042430002" << false;
    QTest::newRow("SP P not first") << "SP" << "0P1100424.3/002" << false;
    QTest::newRow("SP P after a space") << "SP" << " P-01100424.3/002" << false;
    QTest::newRow("SP two Ps") << "SP" << "PP1100424.3/002" << false;
    QTest::newRow("SP P alone") << "SP" << "P" << false;
    QTest::newRow("P elsewhere than SP") << "MT" << "P-01100424.3/002" << false;

    // base 2,9,0,2,2,7,8,3 by 9..2 = 170, remainder 5 -> 6
    QTest::newRow("TO") << "TO" << "29.01.022783-6" << true;
    QTest::newRow("TO type 99") << "TO" << "29.99.022783-6" << true;
    QTest::newRow("TO type 04") << "TO" << "29.04.022783-6" << false;
    QTest::newRow("TO wrong") << "TO" << "29.01.022783-7" << false;

    QTest::newRow("state in lower case") << "mt" << "0013000001-9" << true;
    QTest::newRow("state in mixed case") << "sP" << "p-01100424.3/002" << true;
    QTest::newRow("unknown state") << "XX" << "0013000001-9" << false;
    QTest::newRow("empty state") << "" << "0013000001-9" << false;
    QTest::newRow("state with a space") << "MT " << "0013000001-9" << false;
    QTest::newRow("empty value, unknown state") << "XX" << "" << true;
    QTest::newRow("mask only, empty state") << "" << "___.___.___-_" << true;
    QTest::newRow("valid elsewhere, wrong state") << "SP" << "0013000001-9" << false;
}

void TestTaxId::ie()
{
    QFETCH(QString, uf);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(taxid::isValidIe(uf, text), valid);
}

static const char *const allStates[] = {
    "AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
    "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO",
};

void TestTaxId::ieAnyStateRefuses_data()
{
    QTest::addColumn<QString>("uf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    for (const char *uf : allStates) {
        QTest::addRow("%s exemption note", uf) << uf << "ISENTO" << false;
        QTest::addRow("%s single digit", uf) << uf << "5" << false;
        QTest::addRow("%s zeros", uf) << uf << "000.000.000.000" << false;
        QTest::addRow("%s fifteen digits", uf) << uf << "123456789012345" << false;
        QTest::addRow("%s empty", uf) << uf << "" << true;
        QTest::addRow("%s mask only", uf) << uf << " ._-/" << true;
    }
}

void TestTaxId::ieAnyStateRefuses()
{
    QFETCH(QString, uf);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(taxid::isValidIe(uf, text), valid);
}

QTEST_APPLESS_MAIN(TestTaxId)
#include "tst_TaxId.moc"
