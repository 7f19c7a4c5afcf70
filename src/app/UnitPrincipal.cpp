#include "UnitPrincipal.h"

#include "Contacts.h"
#include "Pictures.h"
#include "Skin.h"
#include "TBanner.h"
#include "UnitCalculadora.h"
#include "core/AppPaths.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kNoEntries = QStringLiteral("Não há lançamento(s) de Entrada(s), Verífique!");
const QString kNoInvoices = QStringLiteral("Não há lançamentos de Entrada, por favor Verífique!");
const QString kNotAvailable = QStringLiteral("Menu não disponivel nesta versão!");

// The picture behind everything in the main window.
class TBackground : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0xf4, 0xef, 0xe6));
        g.setColorAt(1, QColor(0xc9, 0xb2, 0x8e));
        p.fillRect(rect(), g);
        const QSize pic(qMin(width() / 2, 520), qMin(height() / 2, 300));
        if (pic.width() > 40 && pic.height() > 40) {
            const QPixmap scene = app::pictures::woodScene(pic);
            p.setOpacity(0.85);
            p.drawPixmap((width() - pic.width()) / 2, (height() - pic.height()) / 2 - 30, scene);
            p.setOpacity(1);
        }
        QFont f = font();
        f.setBold(true);
        f.setPointSize(22);
        p.setFont(f);
        p.setPen(QColor(0x3b, 0x25, 0x10));
        p.drawText(QRect(0, height() / 2 + pic.height() / 2 - 20, width(), 50), Qt::AlignHCenter,
                   QStringLiteral("SISTEMA DE CONTROLE MADEIREIRO"));
    }
};

QIcon icon(QWidget *w, QStyle::StandardPixmap p)
{
    return w->style()->standardIcon(p);
}

} // namespace

// --- TfrmPrincipal ---------------------------------------------------------

TfrmPrincipal::TfrmPrincipal(QWidget *parent) : QMainWindow(parent), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("TfrmPrincipal"));
    setWindowTitle(QStringLiteral("QUELVORA - SISTEMA DE CONTROLE MADEIREIRO V-4.0"));
    setWindowIcon(app::pictures::appIcon());

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(Panel1);
    auto *image = new TBackground(central);
    image->setObjectName(QStringLiteral("Image1"));
    layout->addWidget(image, 1);
    Banner1 = new TBanner(app::contacts::kContactLine, central);
    connect(Banner1, &TBanner::clicked, this, [this] { showWindow(QStringLiteral("TfrmSobre")); });
    layout->addWidget(Banner1);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();

    Sair = new QAction(QStringLiteral("Sair"), this);
    Sair->setObjectName(QStringLiteral("Sair"));
    Sair->setShortcut(Qt::Key_F3);
    Sair->setShortcutContext(Qt::WindowShortcut);
    connect(Sair, &QAction::triggered, this, [this] {
        if (confirmExit())
            close();
    });
    addAction(Sair);

    TrayIcon1 = new QSystemTrayIcon(app::pictures::appIcon(), this);
    TrayIcon1->setToolTip(QStringLiteral("...::Quelvora::..."));
    if (QSystemTrayIcon::isSystemTrayAvailable())
        TrayIcon1->show();

    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmPrincipal::Timer1Timer);
    Timer1->start();
    Timer1Timer();

    // Reading the skin path is part of making the main window.
    app::skin().applyStoredSkin();
    updateAvailability();
}

void TfrmPrincipal::buildToolBar()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(0);
    struct Tool
    {
        int number;
        const char *hint;
        QStyle::StandardPixmap picture;
        std::function<void()> action;
        QStringList needs;
    };
    const QVector<Tool> tools = {
        {1, "Lançamento de Entrada", QStyle::SP_FileDialogNewFolder,
         [this] { showWindow(QStringLiteral("TfrmEntradaToros")); }, {QStringLiteral("TfrmEntradaToros")}},
        {3, "Lançamento da Produção", QStyle::SP_BrowserReload,
         [this] {
             if (movementCheck(m_dm->QEntrada, kNoInvoices))
                 showWindow(QStringLiteral("TfrmProducao"));
         },
         {QStringLiteral("TfrmProducao")}},
        {4, "Lançamento de Saída", QStyle::SP_ArrowForward,
         [this] { showWindow(QStringLiteral("TfrmSaidaMadeiras")); }, {QStringLiteral("TfrmSaidaMadeiras")}},
        {5, "Consulta Estoque do Pátio(Tora)", QStyle::SP_FileDialogContentsView,
         [this] { showWindow(QStringLiteral("TfrmConsultaEPatio")); }, {QStringLiteral("TfrmConsultaEPatio")}},
        {2, "Consulta Produção", QStyle::SP_FileDialogDetailedView,
         [this] { showWindow(QStringLiteral("TfrmConsultaProducao")); }, {QStringLiteral("TfrmConsultaProducao")}},
        {8, "Consulta Estoque do Pátio(Serrada)", QStyle::SP_FileDialogListView,
         [this] { showWindow(QStringLiteral("TfrmConsultaESerrada")); }, {QStringLiteral("TfrmConsultaESerrada")}},
        {9, "Gravar Cópia de Segurança", QStyle::SP_DriveHDIcon,
         [this] {
             clearSkinFileName();
             showWindow(QStringLiteral("TfrmBackup"));
         },
         {QStringLiteral("TfrmBackup")}},
        {7, "Restaurar Cópia de Segurança", QStyle::SP_DialogResetButton, [this] { showRestore(); },
         {QStringLiteral("TfrmRestore")}},
        {6, "Sair do Sistema", QStyle::SP_DialogCloseButton,
         [this] {
             if (confirmExit())
                 close();
         },
         {}},
    };
    SpeedButton[0] = nullptr;
    for (const Tool &t : tools) {
        if (t.number == 6)
            bar->addSpacing(17);
        auto *b = new QToolButton(Panel1);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(t.number));
        const QString hint = QString::fromUtf8(t.hint);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setAccessibleName(hint);
        b->setIcon(icon(this, t.picture));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(79, 47);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("needs", t.needs);
        b->setProperty("beforeLogin", t.number == 6); // leaving works without a login
        auto action = t.action;
        connect(b, &QToolButton::clicked, this, [this, action] { guarded(this, action); });
        bar->addWidget(b);
        SpeedButton[t.number] = b;
    }
    bar->addStretch();
}

void TfrmPrincipal::buildStatusBar()
{
    const int widths[4] = {360, 280, 75, 60};
    for (int i = 0; i < 4; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setMinimumWidth(widths[i]);
        StatusPanel[i]->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
    StatusPanel[0]->setText(QStringLiteral("F3 - Sair do Sistema"));
    StatusPanel[1]->setText(app::contacts::kMakerSite);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusPanel[0], 1);
    for (int i = 1; i < 4; ++i)
        statusBar()->addPermanentWidget(StatusPanel[i]);
}

void TfrmPrincipal::Timer1Timer()
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    StatusPanel[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    StatusPanel[3]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
}

bool TfrmPrincipal::event(QEvent *event)
{
    // Hints of the controls and menu items replace the first panel's text.
    if (event->type() == QEvent::StatusTip) {
        StatusPanel[0]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

QMenu *TfrmPrincipal::addMenu(QMenu *parent, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    connect(menu, &QMenu::hovered, this, [this](QAction *a) { StatusPanel[0]->setText(a->statusTip()); });
    return menu;
}

QAction *TfrmPrincipal::addItem(QMenu *menu, const QString &caption, const QStringList &needs,
                                std::function<void()> action, const QString &hint, const QIcon &picture)
{
    QAction *a = menu->addAction(picture, caption);
    QStringList path{caption};
    for (QMenu *m = menu; m; m = qobject_cast<QMenu *>(m->parentWidget()))
        path.prepend(m->title());
    a->setObjectName(path.join(QLatin1Char('|')));
    a->setProperty("needs", needs);
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    connect(a, &QAction::triggered, this, [this, action] { guarded(this, action); });
    m_items << a;
    return a;
}

QAction *TfrmPrincipal::menuItem(const QString &path) const
{
    for (QAction *a : m_items)
        if (a->objectName() == path)
            return a;
    return nullptr;
}

void TfrmPrincipal::updateAvailability()
{
    auto available = [](const QStringList &needs) {
        for (const QString &n : needs)
            if (!windows().contains(n))
                return false;
        return true;
    };
    auto allowed = [this](const QObject *o) { return m_loggedIn || o->property("beforeLogin").toBool(); };
    for (QAction *a : m_items)
        a->setEnabled(allowed(a) && available(a->property("needs").toStringList()));
    for (int i = 1; i <= 9; ++i)
        if (SpeedButton[i])
            SpeedButton[i]->setEnabled(allowed(SpeedButton[i])
                                       && available(SpeedButton[i]->property("needs").toStringList()));
}

void TfrmPrincipal::setLoggedIn(bool loggedIn)
{
    m_loggedIn = loggedIn;
    updateAvailability();
}

void TfrmPrincipal::buildMenus()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    using Q = data::Query *data::TDM::*;
    auto need = [](std::initializer_list<const char *> names) {
        QStringList l;
        for (const char *n : names)
            l << QString::fromLatin1(n);
        return l;
    };
    auto show = [this](const char *cls) {
        const QString name = QString::fromLatin1(cls);
        return [this, name] { showWindow(name); };
    };
    // A window after a movement check on the data module's query Q.
    auto checked = [this](Q query, const QString &message, const char *cls) {
        const QString name = QString::fromLatin1(cls);
        return [this, query, message, name] {
            if (movementCheck(m_dm->*query, message))
                showWindow(name);
        };
    };
    // Report windows: the company check, then the movement check when given.
    auto report = [this](const char *cls, Q query = nullptr, const QString &message = {}) {
        const QString name = QString::fromLatin1(cls);
        return [this, name, query, message] {
            if (!companyCheck())
                return;
            if (query && !movementCheck(m_dm->*query, message))
                return;
            showWindow(name);
        };
    };
    auto listing = [this](Q query, const QString &message, const char *sql, const char *rep) {
        const QString s = QString::fromLatin1(sql), r = QString::fromLatin1(rep);
        return [this, query, message, s, r] { registerListing(m_dm->*query, message, s, r); };
    };
    auto web = [this](const QString &url) { return [this, url] { webLink(url); }; };
    const QIcon printIcon = icon(this, QStyle::SP_FileDialogDetailedView);
    const QIcon registerIcon = icon(this, QStyle::SP_FileIcon);
    const QIcon entryIcon = icon(this, QStyle::SP_ArrowDown);
    const QIcon queryIcon = icon(this, QStyle::SP_FileDialogContentsView);
    const QIcon linkIcon = icon(this, QStyle::SP_DriveNetIcon);

    QMenu *m = addMenu(nullptr, QStringLiteral("&Parametros"));
    addItem(m, QStringLiteral("&Manutenção"), need({"TfrmManutencao1"}), show("TfrmManutencao1"), {},
            icon(this, QStyle::SP_ComputerIcon));

    m = addMenu(nullptr, QStringLiteral("&Cadastro"));
    addItem(m, QStringLiteral("&Essência"), need({"TfrmEssencia"}), show("TfrmEssencia"), {}, registerIcon);
    addItem(m, QStringLiteral("&Produtos"), need({"TfrmProdutos"}), show("TfrmProdutos"), {}, registerIcon);
    addItem(m, QStringLiteral("Sub-Produtos"), need({"Tfrmsubprodutos"}), show("Tfrmsubprodutos"), {}, registerIcon);
    m->addSeparator();
    addItem(m, QStringLiteral("&Município"), need({"TfrmMunicipio"}), show("TfrmMunicipio"), {},
            icon(this, QStyle::SP_DirHomeIcon));
    addItem(m, QStringLiteral("&Fornecedores"), need({"TfrmFornecedores"}), show("TfrmFornecedores"), {},
            icon(this, QStyle::SP_DirLinkIcon));
    addItem(m, QStringLiteral("Cl&ientes"), need({"TfrmCredor"}), show("TfrmCredor"), {},
            icon(this, QStyle::SP_DirLinkIcon));

    m = addMenu(nullptr, QStringLiteral("Lançamento"));
    QMenu *sub = addMenu(m, QStringLiteral("Entrada"));
    addItem(sub, QStringLiteral("Madeira em &Toro"), need({"TfrmEntradaToros"}), show("TfrmEntradaToros"), {},
            entryIcon);
    addItem(sub, QStringLiteral("Madeira &Serrada"), need({"TfrmEntradaSerrada"}), show("TfrmEntradaSerrada"), {},
            entryIcon);
    sub = addMenu(m, QStringLiteral("&Produção"));
    addItem(sub, QStringLiteral("Madeira Serrada"), need({"TfrmProducao"}),
            checked(&data::TDM::QEntrada_Discriminacao, kNoEntries, "TfrmProducao"), {},
            icon(this, QStyle::SP_BrowserReload));
    sub = addMenu(m, QStringLiteral("&Saída"));
    addItem(sub, QStringLiteral("&Madeira Serrada"), need({"TfrmSaidaMadeiras"}), show("TfrmSaidaMadeiras"), {},
            icon(this, QStyle::SP_ArrowUp));
    sub = addMenu(m, QStringLiteral("Romaneio"));
    addItem(sub, QStringLiteral("Madeira Serrada"), need({"TfrmRomaneioserrada"}), show("TfrmRomaneioserrada"), {},
            icon(this, QStyle::SP_FileDialogListView));
    addItem(sub, QStringLiteral("Madeira em Toro"), need({"TfrmRomaneiotoro"}), show("TfrmRomaneiotoro"), {},
            icon(this, QStyle::SP_FileDialogListView));

    m = addMenu(nullptr, QStringLiteral("Co&nsulta"));
    addItem(m, QStringLiteral("Estoque do Pa&tio (Toro)"), need({"TfrmConsultaEPatio"}), show("TfrmConsultaEPatio"),
            {}, queryIcon);
    addItem(m, QStringLiteral("Estoque Madeira &Serrada"), need({"TfrmConsultaESerrada"}),
            show("TfrmConsultaESerrada"), {}, queryIcon);
    addItem(m, QStringLiteral("&Produção"), need({"TfrmConsultaProducao"}), show("TfrmConsultaProducao"), {},
            queryIcon);
    addItem(m, QStringLiteral("&Lançamento por Essência"), need({"TfrmConsultaProduto"}),
            show("TfrmConsultaProduto"), {}, queryIcon);
    addItem(m, QStringLiteral("&Rendimento da Produção"), need({"TfrmConsultaRendimento"}),
            show("TfrmConsultaRendimento"), {}, queryIcon);
    addItem(m, QStringLiteral("Volume Declarado x &Medido"), need({"TfrmConsultaDeclarado"}),
            show("TfrmConsultaDeclarado"), {}, queryIcon);
    m->addSeparator();
    addItem(m, QStringLiteral("&Demonstrativo de Compras/Vendas"), need({"TfrmDemo"}), show("TfrmDemo"), {},
            icon(this, QStyle::SP_FileDialogInfoView));
    addItem(m, QStringLiteral("&Valor FunRural"), need({"TfrmFunRural"}),
            checked(&data::TDM::QEntrada, kNoInvoices, "TfrmFunRural"), {},
            icon(this, QStyle::SP_FileDialogInfoView));

    m = addMenu(nullptr, QStringLiteral("&Relatório"));
    sub = addMenu(m, QStringLiteral("&Cadastro"));
    addItem(sub, QStringLiteral("&Essência"), need({"RepEssencia"}),
            listing(&data::TDM::QEssencia, QStringLiteral("Não há Essência cadastrada!"),
                    "Select * from Essencia Order by ESSENCIA", "RepEssencia"),
            {}, printIcon);
    addItem(sub, QStringLiteral("&Produto"), need({"RepProduto"}),
            listing(&data::TDM::QProduto, QStringLiteral("Não há Produto(s) cadastrado(s)!"),
                    "Select * from Produto Order by NOMEGRAU", "RepProduto"),
            {}, printIcon);
    addItem(sub, QStringLiteral("Sub-Produto"), need({"Repsubproduto"}),
            [this] {
                if (!companyCheck())
                    return;
                data::Table *t = m_dm->TSUBPRODUTOS;
                t->close();
                t->open();
                if (t->recordCount() == 0) {
                    t->close();
                    inform(QStringLiteral("Não há Produto(s) cadastrado(s)!"), kInfo, this);
                    return;
                }
                m_dm->QManutencao->close();
                m_dm->QManutencao->open();
                t->setIndexName(QStringLiteral("SUBPRODUTO"));
                previewReport(QStringLiteral("Repsubproduto"));
            },
            {}, printIcon);
    addItem(sub, QStringLiteral("&Município"), need({"RepMunicipio"}),
            listing(&data::TDM::QMunicipio, QStringLiteral("Não há Município(s) cadastrado(s)!"),
                    "Select * from Municipio Order by NOM_MUNIC", "RepMunicipio"),
            {}, printIcon);
    addItem(sub, QStringLiteral("Fornece&dor"), need({"RepFornecedores"}),
            listing(&data::TDM::QFornecedor, QStringLiteral("Não há Fornecedor(es) cadastrado(s)!"),
                    "Select * from FORNECEDOR Order by NOMEFORNECEDOR", "RepFornecedores"),
            {}, printIcon);
    addItem(sub, QStringLiteral("&Clientes"), need({"RepCredores"}),
            listing(&data::TDM::QCredor, QStringLiteral("Não há Cliente(s) cadastrado(s)!"),
                    "Select * from CREDOR Order by NOMECREDOR", "RepCredores"),
            {}, printIcon);
    addItem(sub, QStringLiteral("Cl&ientes Completo"), need({"RepCredores1"}),
            listing(&data::TDM::QCredor, QStringLiteral("Não há Cliente(s) cadastrado(s)!"),
                    "Select * from CREDOR Order by NOMECREDOR", "RepCredores1"),
            {}, printIcon);

    sub = addMenu(m, QStringLiteral("&Entrada de Mad em Toros"));
    addItem(sub, QStringLiteral("&Lançamentos"), need({"TfrmREntrada"}),
            report("TfrmREntrada", &data::TDM::QEntrada_Discriminacao, kNoEntries), {}, printIcon);
    addItem(sub, QStringLiteral("&Detalhado"), need({"TfrmREntrada1"}),
            report("TfrmREntrada1", &data::TDM::QEntrada_Discriminacao, kNoEntries), {}, printIcon);
    addItem(sub, QStringLiteral("Volume Declarado x &Medido"), need({"TfrmRDeclarado"}), report("TfrmRDeclarado"), {},
            printIcon);
    sub = addMenu(m, QStringLiteral("En&trada de Mad Serrada"));
    addItem(sub, QStringLiteral("&Lançamento"), need({"TfrmREntrada2"}),
            report("TfrmREntrada2", &data::TDM::QSERRADA_DISCRIMINACAO, kNoEntries), {}, printIcon);
    addItem(sub, QStringLiteral("&Detalhado"), need({"TfrmREntrada3"}),
            report("TfrmREntrada3", &data::TDM::QSERRADA_DISCRIMINACAO, kNoEntries), {}, printIcon);
    sub = addMenu(m, QStringLiteral("Produção"));
    addItem(sub, QStringLiteral("&Lançamento"), need({"TfrmRProducao"}), report("TfrmRProducao"), {}, printIcon);
    addItem(sub, QStringLiteral("&Detalhado"), need({"TfrmRProducao1"}), report("TfrmRProducao1"), {}, printIcon);
    addItem(sub, QStringLiteral("&Rendimento"), need({"TfrmRRendimento"}), report("TfrmRRendimento"), {}, printIcon);
    const QString noSales = QStringLiteral("Não há lançamento(s) de Saída(s), Verífique!");
    sub = addMenu(m, QStringLiteral("&Saída de Mad Serrada"));
    addItem(sub, QStringLiteral("&Lançamento"), need({"TfrmRSaida"}),
            report("TfrmRSaida", &data::TDM::QSaida_Discriminacao, noSales), {}, printIcon);
    addItem(sub, QStringLiteral("&Detalhado"), need({"TfrmRSaida1"}),
            report("TfrmRSaida1", &data::TDM::QSaida_Discriminacao, noSales), {}, printIcon);
    sub = addMenu(m, QStringLiteral("Estoque do &Patio"));
    addItem(sub, QStringLiteral("Madeira em Toro"), need({"RepEstoque"}),
            [this] {
                if (!companyCheck())
                    return;
                data::Query *q = m_dm->QEntrada_Discriminacao;
                q->open();
                if (q->recordCount() == 0) {
                    q->close();
                    inform(kNoEntries, kInfo, this);
                    return;
                }
                // The report narrows its own table to the logs in the yard.
                previewReport(QStringLiteral("RepEstoque"));
            },
            {}, printIcon);
    addItem(sub, QStringLiteral("Madeira Serrada"), {}, [this] { inform(kNotAvailable, kInfo, this); }, {},
            printIcon);
    sub = addMenu(m, QStringLiteral("Romaneio"));
    addItem(sub, QStringLiteral("Toros"), need({"TfrmRRomaneioToros"}),
            report("TfrmRRomaneioToros", &data::TDM::QROMANEIOTORO,
                   QStringLiteral("Não há lançamento(s) de Romaneio de Toras, Verífique!")),
            {}, printIcon);
    addItem(sub, QStringLiteral("Serrada"), need({"TfrmRRomaneioSerrada"}),
            report("TfrmRRomaneioSerrada", &data::TDM::QROMANEIOSERRADADISC,
                   QStringLiteral("Não há lançamento(s) de Romaneio de Madeira Serrada, Verífique!")),
            {}, printIcon);

    m = addMenu(nullptr, QStringLiteral("&Utilitário"));
    addItem(m, QStringLiteral("Cálculadora"), {},
            [this] {
                TfrmCalculadora calculator(this);
                calculator.exec();
            },
            {}, icon(this, QStyle::SP_DesktopIcon));
    sub = addMenu(m, QStringLiteral("Links - MT"));
    addItem(sub, QStringLiteral("SISFLORA"), {}, web(app::contacts::kSisflora),
            QStringLiteral("Acesso a pagina do SISFLORA"), linkIcon);
    addItem(sub, QStringLiteral("FIEMT"), {}, web(app::contacts::kFiemt),
            QStringLiteral("Acesso a pagina da Federação das Industrias do Estado de Mato Grosso"), linkIcon);
    addItem(sub, QStringLiteral("SEFAZ"), {}, web(app::contacts::kSefaz),
            QStringLiteral("Acesso a pagina da Secretaria de Estado de Fazenda"), linkIcon);
    addItem(sub, QStringLiteral("SEMA"), {}, web(app::contacts::kSema),
            QStringLiteral("Acesso a pagina da Secretaria do Meio Ambiente"), linkIcon);
    addItem(sub, QStringLiteral("Pauta/Frete"), {}, web(app::contacts::kPautaFrete),
            QStringLiteral("Acesso a pagina da Pauta do Frete"), linkIcon);
    addItem(sub, QStringLiteral("Pauta/Madeira"), {}, web(app::contacts::kPautaMadeira),
            QStringLiteral("Acesso a pagina da Pauta da Madeira"), linkIcon);
    sub = addMenu(m, QStringLiteral("Outros Links"));
    addItem(sub, QStringLiteral("IBAMA"), {}, web(app::contacts::kIbama),
            QStringLiteral("Acesso a pagina do Instituto Brasileiro do Meio Ambiente e dos Recursos Naturais "
                           "Renovaveis"),
            linkIcon);
    addItem(sub, QStringLiteral("Ministério do Meio Ambiente"), {}, web(app::contacts::kMma),
            QStringLiteral("Acesso a pagina do Ministério do Meio Ambiente"), linkIcon);

    m = addMenu(nullptr, QStringLiteral("&Ferramentas"));
    sub = addMenu(m, QStringLiteral("Cópia de Segurança"));
    addItem(sub, QStringLiteral("&Gravar Cópia de Segurança"), need({"TfrmBackup"}),
            [this] {
                clearSkinFileName();
                showWindow(QStringLiteral("TfrmBackup"));
            },
            {}, icon(this, QStyle::SP_DriveHDIcon));
    addItem(sub, QStringLiteral("&Restaurar Cópia de Segurança"), need({"TfrmRestore"}), [this] { showRestore(); },
            {}, icon(this, QStyle::SP_DialogResetButton));
    addItem(m, QStringLiteral("Configurar Banco de Dados"), need({"Tfrmconfigbd"}),
            [this] {
                clearSkinFileName();
                showWindow(QStringLiteral("Tfrmconfigbd"));
            },
            {}, icon(this, QStyle::SP_DriveHDIcon))
        ->setProperty("beforeLogin", true);
    addItem(m, QStringLiteral("&Manutenção de Usuário(s)"), need({"TfrmUsuario"}), show("TfrmUsuario"), {},
            icon(this, QStyle::SP_DirHomeIcon));
    addItem(m, QStringLiteral("&Limpar Banco de Dados"), need({"TfrmLimparBD"}), show("TfrmLimparBD"), {},
            icon(this, QStyle::SP_TrashIcon));
    addItem(m, QStringLiteral("Skin"), need({"TfrmSkin"}), [this] { showSkin(); }, {},
            icon(this, QStyle::SP_DesktopIcon));
    addItem(m, QStringLiteral("&Coeficiente de Rendimento"), need({"TfrmCoeficiente"}), show("TfrmCoeficiente"), {},
            icon(this, QStyle::SP_FileDialogInfoView));

    m = addMenu(nullptr, QStringLiteral("&Ajuda"));
    addItem(m, QStringLiteral("&Ultimas Atualizações"), need({"TfrmInfo"}), show("TfrmInfo"), {},
            icon(this, QStyle::SP_FileDialogInfoView));
    addItem(m, QStringLiteral("Verificar Atualizações"), need({"TfrmAtualizacao"}),
            [this] {
                if (confirm(QStringLiteral("Certifique-se de estar conectado a internet, e clique em OK para "
                                           "continuar!"),
                            QStringLiteral("Confirmação"), this))
                    showWindow(QStringLiteral("TfrmAtualizacao"));
            },
            {}, icon(this, QStyle::SP_BrowserReload));
    addItem(m, QStringLiteral("&Conteudo"), {}, [this] { inform(kNotAvailable, kInfo, this); }, {},
            icon(this, QStyle::SP_DialogHelpButton));
    m->addSeparator();
    addItem(m, QStringLiteral("&Enviar e-mail para Suporte"), {},
            [] { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + app::contacts::kSupportMail)); }, {},
            icon(this, QStyle::SP_MessageBoxInformation));
    addItem(m, QStringLiteral("&Visitar à Pagina da Tarvic na Internet"), {}, web(app::contacts::kMakerUrl), {},
            linkIcon);
    m->addSeparator();
    addItem(m, QStringLiteral("&Sobre o Sistema"), need({"TfrmSobre"}), show("TfrmSobre"), {},
            icon(this, QStyle::SP_MessageBoxQuestion));
    // The help menu reads no data: it works before anybody has logged in.
    for (QAction *a : m->actions())
        a->setProperty("beforeLogin", true);
}

bool TfrmPrincipal::companyCheck()
{
    data::Query *q = m_dm->QManutencao;
    q->open();
    if (q->recordCount() > 0)
        return true; // stays open: the reports print the company from it
    q->close();
    inform(QStringLiteral("Parametros da Empresa não informados, Verífique!"), kInfo, this);
    showWindow(QStringLiteral("TfrmManutencao1"));
    return false;
}

bool TfrmPrincipal::movementCheck(data::Query *query, const QString &message)
{
    query->open();
    const bool any = query->recordCount() > 0;
    query->close();
    if (!any)
        inform(message, kInfo, this);
    return any;
}

void TfrmPrincipal::registerListing(data::Query *query, const QString &message, const QString &sql,
                                    const QString &report)
{
    if (!companyCheck())
        return;
    query->close();
    query->open();
    if (query->recordCount() == 0) {
        query->close();
        inform(message, kInfo, this);
        return;
    }
    m_dm->QManutencao->close();
    m_dm->QManutencao->open();
    query->close();
    query->setSql(sql);
    query->open();
    previewReport(report);
}

void TfrmPrincipal::webLink(const QString &url)
{
    if (confirm(QStringLiteral("Certifique-se de estar conectado a internet, e clique em OK para continuar!"),
                QStringLiteral("Confirmação"), this))
        QDesktopServices::openUrl(QUrl(url));
}

void TfrmPrincipal::showWindow(const QString &className)
{
    // No window that reads or writes data opens before a successful login.
    static const QStringList withoutLogin = {QStringLiteral("Tfrmconfigbd"), QStringLiteral("TfrmSobre"),
                                             QStringLiteral("TfrmInfo"), QStringLiteral("TfrmAtualizacao")};
    if (!m_loggedIn && !withoutLogin.contains(className))
        return;
    QWidget *w = windows().find(className);
    if (!w)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->exec();
    else
        w->show();
}

void TfrmPrincipal::previewReport(const QString &report)
{
    // Report objects offer their print preview as an invokable "preview".
    if (QWidget *r = windows().find(report))
        QMetaObject::invokeMethod(r, "preview");
}

void TfrmPrincipal::clearSkinFileName()
{
    app::skin().setFileName(QString());
}

void TfrmPrincipal::showRestore()
{
    m_dm->IBDatabase1->close();
    clearSkinFileName();
    showWindow(QStringLiteral("TfrmRestore"));
}

void TfrmPrincipal::showSkin()
{
    if (QDir(core::skinDir()).exists())
        showWindow(QStringLiteral("TfrmSkin"));
    else
        error(QStringLiteral("O sistema não foi capaz de localizar a pasta SKIN, provavelmente ela foi movida ou "
                             "removida, Verífique!"),
              kInfo, this);
}

bool TfrmPrincipal::confirmExit()
{
    m_exitConfirmed = ask(QStringLiteral("Confirma saida do sistema?"), QStringLiteral("Confirmação"), this);
    return m_exitConfirmed;
}

void TfrmPrincipal::closeEvent(QCloseEvent *event)
{
    if (m_exitConfirmed || confirmExit()) {
        event->accept();
        emit exitConfirmed();
    } else {
        event->ignore();
    }
}

void TfrmPrincipal::endProgram()
{
    m_exitConfirmed = true;
    if (isVisible())
        close();
    else
        emit exitConfirmed();
}

void TfrmPrincipal::bringToFront()
{
    // During start-up the window up is the login or the configuration.
    QWidget *target = QApplication::activeModalWidget();
    if (!target)
        target = this;
    if (target->isMinimized())
        target->setWindowState(target->windowState() & ~Qt::WindowMinimized);
    if (target == this && !isVisible())
        return;
    target->show();
    target->raise();
    target->activateWindow();
}
