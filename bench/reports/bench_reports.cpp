// quelvora-bench-reports [PATH]: the yard stock report over the seeded
// database (bench/run.sh seeds it): the first page in the preview, then the
// whole report to PDF, each with the process's peak memory.
#include "data/Connection.h"
#include "data/DataError.h"
#include "reports/ReportDocument.h"
#include "reports/UnitRepEstoque.h"
#include "widgets/ReportPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Peak resident memory in MB since the last reset.
double peakMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/quelvora-bench.fdb");
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "%s not found; run bench/run.sh to seed it.\n", qPrintable(path));
        return 1;
    }
    try {
        data::Connection conn(QStringLiteral("bench"));
        conn.setDatabaseName(path);
        conn.open();
        std::printf("start: peak %.0f MB\n", peakMb());

        resetPeak();
        QElapsedTimer t;
        t.start();
        {
            widgets::ReportPreview preview(std::make_unique<reports::ReportDocument>(reports::RepEstoque(), &conn));
            preview.show();
            while (preview.paintedPages() < 1)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            std::printf("preview, first page shown: %7.0f ms  peak %.0f MB\n", double(t.elapsed()), peakMb());
            // Let the preview lay out the rest as it would while the user reads.
            t.restart();
            while (!preview.document().isComplete())
                QCoreApplication::processEvents();
            std::printf("preview, layout of all %d pages: %7.0f ms  peak %.0f MB\n", preview.document().pageCount(),
                        double(t.elapsed()), peakMb());
            t.restart();
            preview.showPage(preview.document().pageCount() - 1);
            while (preview.paintedPages() < 2)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            std::printf("preview, last page shown: %7.0f ms\n", double(t.elapsed()));
        }

        resetPeak();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("estoque.pdf"));
        t.restart();
        reports::ReportDocument doc(reports::RepEstoque(), &conn);
        reports::writePdf(doc, pdf);
        std::printf("whole report to PDF: %d pages, %.1f MB file, %7.0f ms  peak %.0f MB\n", doc.pageCount(),
                    QFileInfo(pdf).size() / 1048576.0, double(t.elapsed()), peakMb());
    } catch (const data::DataError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
