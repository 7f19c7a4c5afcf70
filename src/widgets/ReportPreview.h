#pragma once

#include "reports/ReportDefinition.h"

#include <QDialog>
#include <QImage>
#include <QVariantMap>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolButton;

namespace data { class Connection; class TDM; }
namespace reports { class ReportDocument; }

namespace widgets {

class ReportPageView;

// The on-screen preview of a report: one page at a time, painted when it is
// shown (pages further on are laid out meanwhile, a few at a time), with page
// navigation, zoom, "Imprimir", "Salvar PDF" and "Salvar Planilha" (.xlsx or
// CSV). Its title is the report's.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    // Takes the document; the first page is laid out before it returns.
    ReportPreview(std::unique_ptr<reports::ReportDocument> document, QWidget *parent = nullptr);
    ~ReportPreview() override;

    reports::ReportDocument &document() const { return *m_doc; }
    int currentPage() const { return m_page; } // 0-based
    void showPage(int index);
    // Zoom in percent; 0 fits the page's width.
    void setZoom(int percent);
    // Writes the report to `path`; shows what went wrong. True when written.
    bool savePdf(const QString &path);
    // How many pages have been painted since the window opened (for tests).
    int paintedPages() const;

    QToolButton *btnFirst, *btnPrior, *btnNext, *btnLast;
    QSpinBox *pageEdit;
    QLabel *pageCountLabel;
    QComboBox *zoomCombo;
    QPushButton *btnImprimir, *btnSalvarPdf, *btnSalvarPlanilha, *btnFechar;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void layoutStep();
    void updateCount();
    void printClick();
    void savePdfClick();

    std::unique_ptr<reports::ReportDocument> m_doc;
    QScrollArea *m_scroll;
    ReportPageView *m_view;
    QTimer *m_layoutTimer;
    int m_page = 0;
};

// Prints the whole report on `printer` with a cancellable progress window.
// Shows an error when the printer cannot start. True when every page went.
bool printDocument(reports::ReportDocument &document, QPrinter &printer, QWidget *parent);

// Shows a report in the preview, modally. False (with the error shown)
// when the report could not be made.
bool previewReport(const reports::ReportDefinition &def, data::Connection *connection, QWidget *parent);
// Sends a report straight to the default printer with a progress window;
// with no printer installed the user is told so. True when it printed.
bool printReport(const reports::ReportDefinition &def, data::Connection *connection, QWidget *parent);

// The message when there is no printer to print on.
inline const QString kNoPrinter = QStringLiteral(
    "Nenhuma impressora instalada. Instale uma impressora ou use \"Salvar PDF\" na visualização do relatório.");

} // namespace widgets
