// The tax-identifier commands of the tool: check-batch reads lines from a
// pipe, the others take their value as an argument.

#include "FuzzTarget.h"

#include "taxid/TaxId.h"
#include "taxid/TaxIdCommands.h"

#include <QBuffer>
#include <QTextStream>

std::vector<std::string> fuzzSeeds()
{
    // Byte strings with NULs and line ends, lengths taken from the literals.
#define BYTES(s) std::string(s, sizeof(s) - 1)
    return {
        BYTES("\0CPF\t\t111.444.777-35\nCNPJ\t\t11.222.333/0001-81\r\nIE\tSP\t110.042.490.114\n"),
        BYTES("\0\xef\xbb\xbfIE\tmg\t0623079040081\nCPF\tSP\t11144477735"),
        BYTES("\0\n\n\t\t\n\xff\xfe\nCNPJ\t\t\t\n"),
        BYTES("\1check-ie\x1eSP\x1eP-01100424.3/002"),
    };
#undef BYTES
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The bytes after the first as the command's input.
    QByteArray input;
    if (size > 1)
        input = QByteArray(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    QString output, errors;
    QTextStream out(&output), err(&errors);
    FUZZ_CHECK(taxid::runCommand({QStringLiteral("check-batch")}, in, out, err) == 0, "check-batch failed");

    // One verdict per line, in order, whatever bytes a line holds.
    const QList<QByteArray> lines = input.isEmpty() ? QList<QByteArray>() : input.split('\n');
    const qsizetype expected = lines.isEmpty() ? 0 : (lines.last().isEmpty() ? lines.size() - 1 : lines.size());
    const QStringList verdicts = output.split(u'\n', Qt::SkipEmptyParts);
    FUZZ_CHECK(verdicts.size() == expected && (output.isEmpty() || output.endsWith(u'\n')),
               "%d verdicts for %d lines", int(verdicts.size()), int(expected));
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        QByteArray line = lines.at(i);
        if (i == 0 && line.startsWith("\xef\xbb\xbf"))
            line.remove(0, 3);
        if (line.endsWith('\r'))
            line.chop(1);
        const QStringList f = QString::fromUtf8(line).split(u'\t');
        bool valid = false;
        if (f.size() == 3) {
            if (f[0] == QLatin1String("IE"))
                valid = taxid::isValidIe(f[1], f[2]);
            else if (f[0] == QLatin1String("CPF"))
                valid = f[1].isEmpty() && taxid::isValidCpf(f[2]);
            else if (f[0] == QLatin1String("CNPJ"))
                valid = f[1].isEmpty() && taxid::isValidCnpj(f[2]);
        }
        FUZZ_CHECK(verdicts[i] == (valid ? QLatin1String("1") : QLatin1String("0")), "line %d: %s", int(i),
                   line.toHex(' ').constData());
    }

    // The same bytes as a command line.
    const fuzz::Fields fields(data, size);
    QStringList args;
    for (int i = 0; i < fields.count() && i < 5; ++i)
        args << fields.text(i);
    static const char *const commands[] = {"check-cpf", "check-cnpj", "check-ie", "check-batch"};
    if (!args.isEmpty() && size > 0 && data[size - 1] % 2)
        args[0] = QString::fromLatin1(commands[data[size - 1] / 2 % 4]);
    QByteArray none;
    QBuffer empty(&none);
    empty.open(QIODevice::ReadOnly);
    QString answer;
    QTextStream answerOut(&answer);
    const int status = taxid::runCommand(args, empty, answerOut, err);
    FUZZ_CHECK(status >= -1 && status <= 2, "status %d", status);
    if (status == 0 || status == 1) {
        const QString verdict = answer.trimmed();
        if (args[0] != QLatin1String("check-batch"))
            FUZZ_CHECK(verdict == (status == 0 ? QLatin1String("valid") : QLatin1String("invalid")), "%s",
                       qPrintable(verdict));
        if (args[0] == QLatin1String("check-cpf"))
            FUZZ_CHECK(taxid::isValidCpf(args[1]) == (status == 0), "check-cpf disagrees");
        if (args[0] == QLatin1String("check-cnpj"))
            FUZZ_CHECK(taxid::isValidCnpj(args[1]) == (status == 0), "check-cnpj disagrees");
    }
    return 0;
}
