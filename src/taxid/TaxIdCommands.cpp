#include "taxid/TaxIdCommands.h"

#include "taxid/TaxId.h"

#include <QIODevice>
#include <QTextStream>

namespace taxid {
namespace {

constexpr int UsageError = 2;

int usage(QTextStream &err, const char *synopsis)
{
    err << "uso: " << synopsis << '\n';
    err.flush();
    return UsageError;
}

int verdict(bool valid, QTextStream &out)
{
    out << (valid ? "valid" : "invalid") << '\n';
    out.flush();
    return valid ? 0 : 1;
}

bool checkBatchLine(QStringView line)
{
    if (line.endsWith(u'\r'))
        line.chop(1);
    const qsizetype tab1 = line.indexOf(u'\t');
    if (tab1 < 0)
        return false;
    const qsizetype tab2 = line.indexOf(u'\t', tab1 + 1);
    if (tab2 < 0 || line.indexOf(u'\t', tab2 + 1) >= 0)
        return false;
    const QStringView kind = line.left(tab1);
    const QStringView uf = line.mid(tab1 + 1, tab2 - tab1 - 1);
    const QStringView value = line.mid(tab2 + 1);
    if (kind == u"IE")
        return isValidIe(uf, value);
    // A state code on a CPF or CNPJ line means the line is not what it claims.
    if (!uf.isEmpty())
        return false;
    if (kind == u"CPF")
        return isValidCpf(value);
    if (kind == u"CNPJ")
        return isValidCnpj(value);
    return false;
}

int checkBatch(QIODevice &in, QTextStream &out)
{
    // A text stream guesses the encoding from the first bytes and decodes
    // across its reads, which can lose or merge lines; the verdicts must
    // line up with the input, so split first and decode each line alone.
    QByteArray pending;
    bool first = true;
    auto verdictFor = [&](QByteArrayView line) {
        if (first && line.startsWith("\xef\xbb\xbf"))
            line = line.sliced(3);
        first = false;
        out << (checkBatchLine(QString::fromUtf8(line)) ? '1' : '0') << '\n';
    };
    for (;;) {
        const QByteArray block = in.read(64 * 1024);
        if (block.isEmpty() && !in.waitForReadyRead(-1))
            break; // end of input (files and pipes block in read())
        pending += block;
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1)
            verdictFor(QByteArrayView(pending).sliced(start, end - start));
        pending.remove(0, start);
    }
    if (!pending.isEmpty())
        verdictFor(pending);
    out.flush();
    return 0;
}

} // namespace

int runCommand(const QStringList &args, QIODevice &in, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return NotATaxIdCommand;
    const QString &command = args.first();
    if (command == QLatin1String("check-cpf")) {
        if (args.size() != 2)
            return usage(err, "check-cpf CPF");
        return verdict(isValidCpf(args.at(1)), out);
    }
    if (command == QLatin1String("check-cnpj")) {
        if (args.size() != 2)
            return usage(err, "check-cnpj CNPJ");
        return verdict(isValidCnpj(args.at(1)), out);
    }
    if (command == QLatin1String("check-ie")) {
        if (args.size() != 3)
            return usage(err, "check-ie UF IE");
        return verdict(isValidIe(args.at(1), args.at(2)), out);
    }
    if (command == QLatin1String("check-batch")) {
        if (args.size() != 1)
            return usage(err, "check-batch < linhas TIPO<TAB>UF<TAB>VALOR");
        return checkBatch(in, out);
    }
    return NotATaxIdCommand;
}

} // namespace taxid
