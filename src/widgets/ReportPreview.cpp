#include "ReportPreview.h"
#include "SheetSaving.h"

#include "Prompter.h"

#include "data/DataError.h"
#include "data/UnitDM.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace widgets {

namespace {

const QString kCaption = QStringLiteral("Informação");

} // namespace

// One page, painted into an image the first time it is shown at a zoom.
class ReportPageView : public QWidget
{
public:
    ReportPageView(reports::ReportDocument &doc, QWidget *parent) : QWidget(parent), m_doc(doc)
    {
        setAutoFillBackground(false);
    }

    void setPage(int page)
    {
        if (page == m_page)
            return;
        m_page = page;
        m_image = QImage();
        update();
    }
    void setScale(double pixelsPerMm)
    {
        m_pxPerMm = pixelsPerMm;
        const QSizeF mm = m_doc.pageSizeMm();
        setFixedSize(qRound(mm.width() * m_pxPerMm), qRound(mm.height() * m_pxPerMm));
        m_image = QImage();
        update();
    }
    int painted = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (m_image.isNull() || m_image.size() != size()) {
            m_image = QImage(size(), QImage::Format_RGB32);
            m_image.fill(Qt::white);
            QPainter ip(&m_image);
            try {
                m_doc.paint(m_page, ip, QSizeF(m_image.size()));
            } catch (const std::exception &e) {
                ip.end();
                QTimer::singleShot(0, parentWidget(), [this, text = QString::fromUtf8(e.what())] {
                    showUnhandled(text, window());
                });
            }
            ++painted;
        }
        p.drawImage(0, 0, m_image);
    }

private:
    reports::ReportDocument &m_doc;
    int m_page = -1;
    double m_pxPerMm = 3;
    QImage m_image;
};

ReportPreview::ReportPreview(std::unique_ptr<reports::ReportDocument> document, QWidget *parent)
    : QDialog(parent), m_doc(std::move(document))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(m_doc->definition().title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto tool = [this](const QString &name, const QString &text, const QString &tip) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        return b;
    };
    btnFirst = tool(QStringLiteral("btnFirst"), QStringLiteral("|<"), QStringLiteral("Primeira página"));
    btnPrior = tool(QStringLiteral("btnPrior"), QStringLiteral("<"), QStringLiteral("Página anterior"));
    btnNext = tool(QStringLiteral("btnNext"), QStringLiteral(">"), QStringLiteral("Próxima página"));
    btnLast = tool(QStringLiteral("btnLast"), QStringLiteral(">|"), QStringLiteral("Última página"));
    pageEdit = new QSpinBox(this);
    pageEdit->setObjectName(QStringLiteral("pageEdit"));
    pageEdit->setRange(1, 1);
    pageCountLabel = new QLabel(this);
    pageCountLabel->setObjectName(QStringLiteral("pageCountLabel"));
    zoomCombo = new QComboBox(this);
    zoomCombo->setObjectName(QStringLiteral("zoomCombo"));
    for (int z : {50, 75, 100, 150, 200})
        zoomCombo->addItem(QStringLiteral("%1%").arg(z), z);
    zoomCombo->addItem(QStringLiteral("Largura da página"), 0);
    zoomCombo->setCurrentIndex(2);
    btnImprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    btnSalvarPdf = new QPushButton(QStringLiteral("&Salvar PDF"), this);
    btnSalvarPdf->setObjectName(QStringLiteral("btnSalvarPdf"));
    btnSalvarPlanilha = new QPushButton(QStringLiteral("Salvar P&lanilha"), this);
    btnSalvarPlanilha->setObjectName(QStringLiteral("btnSalvarPlanilha"));
    btnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    for (QPushButton *b : {btnImprimir, btnSalvarPdf, btnSalvarPlanilha, btnFechar})
        b->setAutoDefault(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(btnFirst);
    bar->addWidget(btnPrior);
    bar->addWidget(new QLabel(QStringLiteral("Página"), this));
    bar->addWidget(pageEdit);
    bar->addWidget(pageCountLabel);
    bar->addWidget(btnNext);
    bar->addWidget(btnLast);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("Zoom"), this));
    bar->addWidget(zoomCombo);
    bar->addStretch();
    bar->addWidget(btnImprimir);
    bar->addWidget(btnSalvarPdf);
    bar->addWidget(btnSalvarPlanilha);
    bar->addWidget(btnFechar);

    m_view = new ReportPageView(*m_doc, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(btnFirst, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(btnPrior, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(btnNext, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(btnLast, &QToolButton::clicked, this, [this] {
        if (!m_doc->isComplete()) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            guarded(this, [this] { m_doc->layoutAll(); });
            QApplication::restoreOverrideCursor();
            updateCount();
        }
        showPage(m_doc->pageCount() - 1);
    });
    connect(pageEdit, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    connect(zoomCombo, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(zoomCombo->currentData().toInt()); });
    connect(btnImprimir, &QPushButton::clicked, this, &ReportPreview::printClick);
    connect(btnSalvarPdf, &QPushButton::clicked, this, &ReportPreview::savePdfClick);
    connect(btnSalvarPlanilha, &QPushButton::clicked, this, [this] {
        saveSheet(this, m_doc->definition().name, [this] { return m_doc->toSheet(); });
    });
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::reject);

    // The rest of the pages is laid out while the first is read.
    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setInterval(0);
    connect(m_layoutTimer, &QTimer::timeout, this, &ReportPreview::layoutStep);
    if (m_doc->pageCount() == 0)
        m_doc->layoutMore(1);
    if (!m_doc->isComplete())
        m_layoutTimer->start();

    setZoom(100);
    m_page = -1;
    showPage(0);
    updateCount();
    resize(1000, 760);
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::paintedPages() const
{
    return m_view->painted;
}

void ReportPreview::layoutStep()
{
    try {
        if (m_doc->layoutMore(20))
            m_layoutTimer->stop();
    } catch (const std::exception &e) {
        m_layoutTimer->stop();
        showUnhandled(QString::fromUtf8(e.what()), this);
    }
    updateCount();
}

void ReportPreview::updateCount()
{
    const int n = m_doc->pageCount();
    pageCountLabel->setText(m_doc->isComplete() ? QStringLiteral("de %1").arg(n) : QStringLiteral("de %1...").arg(n));
    const QSignalBlocker block(pageEdit);
    pageEdit->setRange(1, qMax(1, n));
    pageEdit->setValue(m_page + 1);
    btnFirst->setEnabled(m_page > 0);
    btnPrior->setEnabled(m_page > 0);
    btnNext->setEnabled(m_page + 1 < n);
    btnLast->setEnabled(m_page + 1 < n || !m_doc->isComplete());
}

void ReportPreview::showPage(int index)
{
    // A page further on than the layout has come is laid out now.
    while (index >= m_doc->pageCount() && !m_doc->isComplete()) {
        if (!guarded(this, [this] { m_doc->layoutMore(1); }))
            break;
    }
    index = qBound(0, index, m_doc->pageCount() - 1);
    if (index == m_page)
        return;
    m_page = index;
    m_view->setPage(index);
    m_scroll->ensureVisible(0, 0);
    updateCount();
}

void ReportPreview::setZoom(int percent)
{
    const double screenPxPerMm = logicalDpiX() / 25.4;
    double pxPerMm = screenPxPerMm * percent / 100.0;
    if (percent <= 0)
        pxPerMm = (m_scroll->viewport()->width() - 24) / m_doc->pageSizeMm().width();
    m_view->setScale(qMax(0.5, pxPerMm));
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            btnLast->click();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreview::printClick()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        inform(kNoPrinter, kCaption, this);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_doc->definition().title);
    printer.setPageLayout(m_doc->pageLayout());
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printDocument(*m_doc, printer, this);
}

void ReportPreview::savePdfClick()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"),
                                                      QDir(dir).filePath(m_doc->definition().name + QStringLiteral(".pdf")),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf"));
}

bool ReportPreview::savePdf(const QString &path)
{
    QProgressDialog progress(QStringLiteral("Gravando o PDF..."), QStringLiteral("Cancelar"), 0, 0, this);
    progress.setWindowTitle(m_doc->definition().title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    bool done = false;
    guarded(this, [&] {
        reports::writePdf(*m_doc, path, [&](int page, int pages) {
            progress.setMaximum(pages);
            progress.setValue(pages ? page : 0);
            progress.setLabelText(QStringLiteral("Gravando a página %1...").arg(page));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        done = !progress.wasCanceled();
    });
    updateCount();
    return done;
}

bool printDocument(reports::ReportDocument &doc, QPrinter &printer, QWidget *parent)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        error(QStringLiteral("Não foi possível iniciar a impressão em \"%1\".").arg(printer.printerName()), kCaption,
              parent);
        return false;
    }
    QProgressDialog progress(QStringLiteral("Imprimindo..."), QStringLiteral("Cancelar"), 0, 0, parent);
    progress.setWindowTitle(doc.definition().title);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    const QSizeF size = printer.paperRect(QPrinter::DevicePixel).size();
    bool ok = true;
    try {
        for (int i = 0; i < doc.pageCount() || !doc.isComplete(); ++i) {
            progress.setMaximum(doc.isComplete() ? doc.pageCount() : 0);
            progress.setValue(doc.isComplete() ? i : 0);
            progress.setLabelText(QStringLiteral("Imprimindo a página %1...").arg(i + 1));
            QCoreApplication::processEvents();
            if (progress.wasCanceled()) {
                printer.abort();
                ok = false;
                break;
            }
            if (i > 0 && !printer.newPage()) {
                ok = false;
                error(QStringLiteral("A impressora recusou a página %1.").arg(i + 1), kCaption, parent);
                break;
            }
            // Pages not laid out yet are laid out and printed in one pass.
            if (i < doc.pageCount())
                doc.paint(i, painter, size);
            else
                doc.layoutAndPaintNext(painter, size);
        }
    } catch (const std::exception &e) {
        painter.end();
        showUnhandled(QString::fromUtf8(e.what()), parent);
        return false;
    }
    painter.end();
    return ok;
}

namespace {

std::unique_ptr<reports::ReportDocument> makeDocument(const reports::ReportDefinition &def,
                                                      data::Connection *connection, QWidget *parent)
{
    std::unique_ptr<reports::ReportDocument> doc;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    guarded(parent, [&] {
        doc = std::make_unique<reports::ReportDocument>(def, connection);
        doc->layoutMore(1);
    });
    QApplication::restoreOverrideCursor();
    return doc;
}

} // namespace

bool previewReport(const reports::ReportDefinition &def, data::Connection *connection, QWidget *parent)
{
    auto doc = makeDocument(def, connection, parent);
    if (!doc)
        return false;
    ReportPreview preview(std::move(doc), parent);
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
    return true;
}

bool printReport(const reports::ReportDefinition &def, data::Connection *connection, QWidget *parent)
{
    const QPrinterInfo info =
        QPrinterInfo::defaultPrinter().isNull() && !QPrinterInfo::availablePrinters().isEmpty()
            ? QPrinterInfo::availablePrinters().first()
            : QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        inform(kNoPrinter, kCaption, parent);
        return false;
    }
    auto doc = makeDocument(def, connection, parent);
    if (!doc)
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(def.title);
    printer.setPageLayout(doc->pageLayout());
    printer.setFullPage(true);
    return printDocument(*doc, printer, parent);
}

} // namespace widgets
