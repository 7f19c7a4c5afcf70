// Lives with the app tests because it needs the application skin.
#include "../logs/LogsTestKit.h"
#include "TestDatabase.h"

#include "app/Skin.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "logs/Unitromaneiotoro.h"
#include "logs/Unitromaneiotorosprodutos.h"
#include "widgets/DBGrid.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionSpinBox>
#include <QTemporaryFile>

using namespace logstest;

// The log windows on a 1366 x 768 screen with the built-in skin: every
// field is wide enough for the longest value its column takes, and every
// grid shows its titles. With QUELVORA_SCREENSHOT_DIR set the windows are
// saved there as pictures.
class TestLogScreens : public QObject
{
    Q_OBJECT

    // The longest value each field shows, as the user types or reads it.
    static QHash<QString, QString> longestValues()
    {
        const QString money = QStringLiteral("123.456,78");
        const QString volume = QStringLiteral("1.234,5678");
        const QString ie = QStringLiteral("110.042.490.114"); // the longest state registration
        return {
            // log intake, entry tab
            {"fornecedor", "MADEIREIRA E SERRARIA NOVA ESPERANCA DO NORTE LTDA"},
            {"inscricao", ie},
            {"nota", "000000"},
            {"data", "00/00/0000"},
            {"saida", "00/00/0000"},
            {"maskedit1", "00:00"},
            {"NOME_TRANSPORTADOR", "TRANSPORTADORA RODOVIARIA NOVA ESPERANCA LTDA"},
            {"FRETE", "DESTINATÁRIO"},
            {"PLACA", "QBX1A23"},
            {"PLACA_UF", "SP"},
            {"CNPJ_CPF", "12.345.678/0001-95"},
            {"ENDERECO_TRANSPORTADOR", "AV. PRESIDENTE GETULIO VARGAS, 1234"},
            {"MUNICIPIO_TRANSPORTADOR", "SANTO ANTONIO DO LEVERGER"},
            {"UF_TRANSPORTADOR", "MT"},
            {"IE_TRANSPORTADOR", ie},
            {"ESPECIE", "MADEIRA EM TORAS"},
            {"MARCA", "SERRARIA BOA VISTA"},
            {"NUMERO", "123.456"},
            {"PESO_BRUTO", money},
            {"PESO_LIQUIDO", money},
            {"quantidade", volume},
            {"totalproduto", money},
            {"totalnota", money},
            {"bcicms", money},
            {"aliqicms", "17,00"},
            {"BASE_CALCULO_ICMS_SUBST", money},
            {"bcfunrural", money},
            {"aliqfunrural", "2,3"},
            {"VALOR_FRETE", money},
            {"VALOR_SEGURO", money},
            {"OUTRAS_DESPESAS", money},
            {"valicms", money},
            {"VALOR_ICMS_SUBST", money},
            {"valfunrural", money},
            {"VALOR_IPI", money},
            // log intake, search tab
            {"nota1", "999999"},
            {"fornecedor1", "MADEIREIRA E SERRARIA NOVA ESPERANCA DO NORTE LTDA"},
            // log lines and packing-list lines
            {"DBEDIT1", "000000"},
            {"ESSENCIA", "MACARANDUBA VERMELHA"},
            {"DBComboBox1", "M/3"},
            {"COMPRIMENTO", "1.234,56"},
            {"DIAMETRO", "1.234,56"},
            {"DIAMETRO1", "1.234,56"},
            {"INDICE", "7,854"},
            {"QUANTIDADE", volume},
            {"VALUNITARIO", money},
            {"ALIQICMS", "17,00"},
            {"VALTOTAL", money},
            // packing list
            {"MaskEdit1", "12.345.678/0001-95"},
        };
    }

    // The width a field has for its text, inside its frame and buttons.
    static int textWidth(QWidget *w)
    {
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.rect = e->rect();
            opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
            const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                                .marginsRemoved(e->textMargins());
            return r.width() - 2 * 2; // the line edit's own margin each side
        }
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = c->isEditable();
            return c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
        }
        if (auto *s = qobject_cast<QAbstractSpinBox *>(w)) {
            QStyleOptionSpinBox opt;
            opt.initFrom(s);
            opt.subControls = QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
            opt.buttonSymbols = s->buttonSymbols();
            return s->style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxEditField, s).width() - 4;
        }
        return w->width();
    }

    // Shows the window as the program does (its own size, on the screen)
    // and checks every visible field and grid of the current page.
    static void check(QWidget *w, const QString &name)
    {
        if (!w->isVisible())
            w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY2(w->frameGeometry().width() <= screen.width() && w->frameGeometry().height() <= screen.height(),
                 qPrintable(name));
        const QString dir = qEnvironmentVariable("QUELVORA_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            w->grab().save(QDir(dir).filePath(name + ".png"));
        const QHash<QString, QString> longest = longestValues();
        QStringList narrow;
        int checked = 0;
        for (QWidget *field : w->findChildren<QWidget *>()) {
            if (!field->isVisible() || field->window() != w)
                continue;
            const bool isField = qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field)
                                 || qobject_cast<QAbstractSpinBox *>(field);
            if (!isField || qobject_cast<QComboBox *>(field->parentWidget())
                || qobject_cast<QAbstractSpinBox *>(field->parentWidget()))
                continue;
            QVERIFY2(longest.contains(field->objectName()),
                     qPrintable(name + ": no longest value for " + field->objectName()));
            const QString value = longest.value(field->objectName());
            const int needed = field->fontMetrics().horizontalAdvance(value);
            if (textWidth(field) < needed)
                narrow << QStringLiteral("%1/%2 is %3 px for \"%4\" (%5 px)")
                              .arg(name, field->objectName()).arg(textWidth(field)).arg(value).arg(needed);
            ++checked;
        }
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(QLatin1Char('\n'))));
        QVERIFY2(checked > 0, qPrintable(name));
        for (auto *grid : w->findChildren<widgets::DBGrid *>()) {
            if (!grid->isVisible())
                continue;
            QVERIFY2(grid->model() && grid->model()->columnCount() > 0,
                     qPrintable(name + "/" + grid->objectName() + " has no titles"));
            QVERIFY(!grid->model()->headerData(0, Qt::Horizontal).toString().isEmpty());
        }
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1366, 768));
        app::skin().applyBuiltIn();
    }

    void logIntake()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        widgets::windows().clear();
        TfrmEntradaToros w(&dm);
        auto *line = new TfrmEntradaTorosProdutos(&dm, &w);
        widgets::windows().add(&w);
        w.setLineWindow(line);
        w.show();
        check(&w, "TfrmEntradaToros");
        w.PageControl1->setCurrentIndex(1);
        check(&w, "TfrmEntradaToros-pesquisa");
        w.PageControl1->setCurrentIndex(0);
        line->showFor(&w, line->DBEDIT1);
        check(line, "TfrmEntradaTorosProdutos");
        line->close();
    }

    void packingList()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        widgets::windows().clear();
        TfrmRomaneiotoro w(&dm);
        auto *line = new TfrmRomaneiotorosprodutos(&dm, &w);
        widgets::windows().add(&w);
        w.setLineWindow(line);
        w.show();
        check(&w, "TfrmRomaneiotoro");
        line->showFor(&w, line->DBEDIT1);
        check(line, "TfrmRomaneiotorosprodutos");
        line->close();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    // A 1366 x 768 screen, the smallest the office uses.
    QTemporaryFile screens;
    screens.open();
    screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1366, "height": 768,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestLogScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_logscreens.moc"
