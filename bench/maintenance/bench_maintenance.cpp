// Times the purchases/sales statement and the FunRural query against the
// bare SUMs, and backup and restore (quelvora-tool, through the service
// manager) against gbak through the service manager, on a seeded database
// (quelvora-bench seed).
#include "ScriptedPrompter.h"
#include "data/UnitDM.h"
#include "statements/UnitDemo.h"
#include "statements/UnitfrmFunrural.h"
#include "widgets/DateEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &timed)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        timed();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void bareSums(data::Connection *c, const QStringList &sqls, const QDate &from, const QDate &to)
{
    for (const QString &sql : sqls) {
        QSqlQuery q(c->database());
        q.prepare(sql);
        q.addBindValue(from.startOfDay());
        q.addBindValue(to.addDays(1).startOfDay());
        q.exec();
        q.next();
    }
}

double runProcess(const QString &program, const QStringList &args)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(-1);
    const double ms = t.nsecsElapsed() / 1e6;
    if (p.exitCode() != 0)
        std::printf("  %s failed: %s\n", qPrintable(program), p.readAll().right(400).constData());
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/quelvora-bench.fdb");
    ScriptedPrompter quiet;
    const QDate from(2020, 1, 1), to(2020, 12, 31);
    {
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(path);
        dm.IBDatabase1->open();

        TfrmDemo demo(&dm);
        demo.show();
        demo.DateEdit1->setDate(from);
        demo.DateEdit2->setDate(to);
        const QStringList purchases = {
            "select sum(QUANTIDADE), sum(VALTOTAL) from ENTRADA_TOROS_DISCRIMINACAO "
            "where DATALANCAMENTO >= ? and DATALANCAMENTO < ?",
            "select sum(QUANTIDADE), sum(VALTOTAL) from ENTRADA_SERRADA_DISCRIMINACAO "
            "where DATALANCAMENTO >= ? and DATALANCAMENTO < ?"};
        const QStringList sales = {
            "select sum(QUANTIDADE), sum(VALTOTAL) from SAIDA_MADEIRAS_DISCRIMINACAO1 "
            "where DATALANCAMENTO >= ? and DATALANCAMENTO < ?",
            "select sum(TOTALM3), sum(VALTOTAL) from SAIDA_MADEIRAS_DISCRIMINACAO "
            "where DATALANCAMENTO >= ? and DATALANCAMENTO < ?"};
        for (QRadioButton *type : {demo.Compras, demo.Vendas}) {
            type->click();
            const double window = medianMs(5, [&] { demo.BitBtn1->click(); });
            const double bare = medianMs(5, [&] { bareSums(dm.IBDatabase1, type == demo.Compras ? purchases : sales, from, to); });
            std::printf("statement %-8s a year: %8.1f ms, bare SUMs %8.1f ms, ratio %.2f (%s / %s)\n",
                        qPrintable(type->text()), window, bare, window / bare, qPrintable(demo.QUANTIDADE->text()),
                        qPrintable(demo.ESTOQUE->text()));
        }

        TfrmFunRural funrural(&dm);
        funrural.show();
        funrural.DateEdit1->setDate(QDate(2019, 1, 1));
        funrural.DateEdit2->setDate(QDate(2040, 12, 31));
        const double fr = medianMs(5, [&] { funrural.BitBtn1->click(); });
        const int headers = [&] {
            QSqlQuery q(dm.IBDatabase1->database());
            q.exec("select count(*) from ENTRADA_TOROS");
            return q.next() ? q.value(0).toInt() : 0;
        }();
        std::printf("FunRural over %d invoice headers: %8.1f ms (total %s)\n", headers, fr,
                    qPrintable(funrural.ESTOQUE->text()));
        funrural.BitBtn2->click();
        demo.BitBtn2->click();
        dm.closeAll();
        dm.IBDatabase1->close();
    }

    // Each in a process of its own on the same file, as a scheduled job runs.
    const QString gbk = path + QStringLiteral(".bench.gbk");
    const QString restored = path + QStringLiteral(".bench-restored.fdb");
    const QString gbak = QStringLiteral("gbak");
    const QStringList login = {"-user", "SYSDBA", "-password", "lumbrpass", "-se", "service_mgr"};
    std::vector<double> ours, theirs, oursR, theirsR;
    for (int i = 0; i < 3; ++i) {
        QFile::remove(gbk);
        theirs.push_back(runProcess(gbak, QStringList{"-b", "-v", "-ig", "-nt", path, gbk} + login));
        QFile::remove(gbk);
        ours.push_back(runProcess(QStringLiteral(QUELVORA_TOOL), {"backup", "--database", path, "--to", gbk}));
        QFile::remove(restored);
        theirsR.push_back(runProcess(gbak, QStringList{"-c", "-v", "-rep", "-use_all_space", "-p", "4096", "-bu",
                                                       "3000", gbk, restored} + login));
        QFile::remove(restored);
        oursR.push_back(runProcess(QStringLiteral(QUELVORA_TOOL), {"restore", "--from", gbk, "--database", restored}));
    }
    for (auto *v : {&ours, &theirs, &oursR, &theirsR})
        std::sort(v->begin(), v->end());
    std::printf("backup:  ours %8.0f ms, gbak %8.0f ms, ratio %.2f\n", ours[1], theirs[1], ours[1] / theirs[1]);
    std::printf("restore: ours %8.0f ms, gbak %8.0f ms, ratio %.2f\n", oursR[1], theirsR[1], oursR[1] / theirsR[1]);
    QFile::remove(gbk);
    QFile::remove(restored);
    return 0;
}
