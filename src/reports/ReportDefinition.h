#pragma once

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QSizeF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <memory>

class QPainter;

namespace reports {

class ReportContext;

// The title every report gives its preview and its print job.
inline const QString kReportTitle = QStringLiteral("Controle da Produção e do Estoque");

// Custom: ReportDefinition::customPaper (a thermal label roll).
enum class Paper { A4, Letter, Custom };

// Millimetres.
struct Margins
{
    double top = 10, bottom = 5, left = 10, right = 10;
};

struct FontStyle
{
    QString family;       // empty: the report's font
    double pointSize = 0; // 0: the report's size
    bool bold = false;
    bool italic = false;
};

// Where the rows come from. The condition carries ":name" markers whose
// values are bound, never pasted into the text. Rows are read in the order
// given (ascending), with the key column appended so that every row has one
// place and a page can be read again from where it started.
struct RowSource
{
    QString table;           // a table name
    QString condition;       // without WHERE; may be empty
    QVariantMap params;      // values of the condition's markers
    QStringList order;       // columns, ascending
    QString key;             // a unique, never-NULL column (the integer key)
    QStringList columns;     // columns to read (or "TABLE.*" and expressions "(...) AS NAME"); empty reads them all
};

// One thing printed in a band, in millimetres from the band's top-left
// corner (x counts from the left margin).
struct Element
{
    // Barcode: a Code 128 of the text, bars only, filling the rectangle's
    // height and centred in its width with its quiet zones.
    enum class Kind { Text, Line, Shade, Drawing, Barcode };
    Kind kind = Kind::Text;
    QRectF rect;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    FontStyle font;
    QColor color = Qt::black;
    // The text to print, asked each time the band prints. Lines separated
    // by "\n" print one under the other from the top of the rectangle (the
    // band must be high enough for them).
    std::function<QString(const ReportContext &)> text;
    // A Drawing paints itself into the rectangle (device units) on the
    // painter of the page; text sinks see nothing of it.
    std::function<void(QPainter &, const QRectF &)> draw;
    // Set by field(): the column printed and its mask, so that a spreadsheet
    // export keeps the value's own type.
    QString column;
    QString mask;
};

enum class BandType { PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

struct Band
{
    double height = 0; // millimetres; 0 leaves the band out
    QVector<Element> elements;
    // Runs before the band prints: the place for subtotal rules.
    std::function<void(ReportContext &)> beforePrint;

    Band &add(const Element &e) { elements.push_back(e); return *this; }
};

// Rows whose key is the same form one group; the key is worked out from
// the row (for example the first 20 characters of ESSENCIA).
struct Group
{
    std::function<QVariant(const ReportContext &)> key;
    Band header;
    Band footer;
};

// A running sum of a column over the detail lines, kept by the engine;
// with resetGroup >= 0 it starts again at each header of that group.
struct SumDefinition
{
    QString name;
    QString field;
    int resetGroup = -1;
};

struct ReportDefinition
{
    QString name;                  // "RepEstoque"
    QString title = kReportTitle;  // of the preview and the print job
    Paper paper = Paper::A4;
    QSizeF customPaper; // millimetres, with Paper::Custom
    Margins margins;
    FontStyle font{QStringLiteral("Courier New"), 9, false, false};
    RowSource data;
    Band pageHeader;   // every page, the first and the last included
    Band columnHeader; // under the page header, every page
    QVector<Group> groups; // outermost first
    Band detail;
    Band summary;      // once, after the last line
    Band pageFooter;   // every page, at the bottom
    QVector<SumDefinition> sums;
    QVariantMap params; // what the caller chose, for headings
    // A group header is moved to the next page rather than left alone at
    // the bottom of one.
    bool keepGroupHeaderWithDetail = true;
    // Label sheets: the detail band is printed detailColumns times across,
    // detailColumnPitch millimetres apart, before the next row goes under
    // it; the first detailSkip places of the first page stay empty, so a
    // sheet partly used already can go through the printer again.
    int detailColumns = 1;
    double detailColumnPitch = 0;
    int detailSkip = 0;
};

// The company row that every page header shows.
struct Company
{
    QString name;          // NOMEEMPRESA
    QString stateRegistry; // INSCESTADUAL
    QString cnpj;          // CNPJ
    bool found = false;
};

// What a band's texts and hooks see while it prints.
class ReportContext
{
public:
    // The current row: the detail's own line, the first line of a group in
    // its header, the last one in its footer; in a page header the line the
    // page starts with. Null with no row; a column the report does not read
    // throws ReportError.
    QVariant value(const QString &field) const;
    bool hasRow() const { return m_row != nullptr; }
    // The value as printed through a mask (see formatValue).
    QString text(const QString &field, const QString &mask = QString()) const;

    // Variables the hooks keep (subtotals and the like).
    QVariant var(const QString &name) const { return m_vars.value(name); }
    double number(const QString &name) const { return m_vars.value(name).toDouble(); }
    void setVar(const QString &name, const QVariant &value) { m_vars.insert(name, value); }
    void addTo(const QString &name, double amount) { m_vars.insert(name, number(name) + amount); }

    // A running sum of the definition, by name.
    double sum(const QString &name) const;

    int pageNumber() const { return m_page; }
    // 0 until the whole report is laid out.
    int pageCount() const { return m_pageCount; }
    QDateTime printedAt() const { return m_printedAt; }
    const Company &company() const { return *m_company; }
    QVariant param(const QString &key) const { return m_def->params.value(key); }

private:
    friend class ReportDocument;
    friend class PageRunner;
    const ReportDefinition *m_def = nullptr;
    const Company *m_company = nullptr;
    const QVector<QVariant> *m_row = nullptr;
    const QHash<QString, int> *m_columns = nullptr;
    QVariantMap m_vars;
    QVector<double> m_sums;
    int m_page = 0;
    int m_pageCount = 0;
    QDateTime m_printedAt;
};

// A value as a report prints it: numbers through a number pattern
// ("0.0000", "#,####0.00", "000000"; core/Formats rules), texts through an
// edit mask when one is given ("999.999.999-99"), dates as dd/MM/yyyy;
// NULL prints nothing.
QString formatValue(const QVariant &value, const QString &mask = QString());

// Element builders. x and width in millimetres from the band's left.
Element label(double x, double y, double width, double height, const QString &text,
              Qt::Alignment align = Qt::AlignLeft, bool bold = false);
Element field(double x, double y, double width, double height, const QString &column,
              const QString &mask = QString(), Qt::Alignment align = Qt::AlignLeft, bool bold = false);
Element computed(double x, double y, double width, double height,
                 std::function<QString(const ReportContext &)> text, Qt::Alignment align = Qt::AlignLeft,
                 bool bold = false);
// An engine sum through a number pattern.
Element sumField(double x, double y, double width, double height, const QString &sum, const QString &mask,
                 Qt::Alignment align = Qt::AlignRight, bool bold = true);
// A horizontal rule across the band at y.
Element rule(double y, double width = 0 /* 0: the whole printable width */);
// A grey box behind a band's texts.
Element shade(double x, double y, double width, double height);
// A picture painted by DRAW into the rectangle (a chart).
Element drawing(double x, double y, double width, double height, std::function<void(QPainter &, const QRectF &)> draw);
// A Code 128 of what `text` gives (see Element::Kind::Barcode).
Element barcode(double x, double y, double width, double height,
                std::function<QString(const ReportContext &)> text);

// Group key: the first n characters of a text column.
std::function<QVariant(const ReportContext &)> leftOf(const QString &column, int n);

// The paper's size in millimetres (not for Paper::Custom).
QSizeF paperSize(Paper paper);
// The size of the report's pages in millimetres.
QSizeF paperSize(const ReportDefinition &def);
// The printable width (paper less left and right margins) in millimetres.
double printableWidth(const ReportDefinition &def);

// The page header and footer every report of the program shares: company
// name, "INS. ESTADUAL.:", "CNPJ (MF).:", "PAGINA " with the number, the
// bold centred title, rules; footer date, maker's line and time. Heading
// lines of a report's own go in `extra`, placed under the title starting
// at `extraTop` millimetres from the band's top; the band grows to hold them.
Band standardPageHeader(const ReportDefinition &def, const QString &title, const QVector<Element> &extra = {},
                        double extraHeight = 0);
Band standardPageFooter(const ReportDefinition &def);
// Bold column titles between two rules: (x, width, caption, alignment).
struct ColumnTitle
{
    double x;
    double width;
    QString caption;
    Qt::Alignment align = Qt::AlignLeft;
};
Band columnTitles(const ReportDefinition &def, const QVector<ColumnTitle> &titles);

// The maker's line of every footer.
inline const QString kMakerLine = QStringLiteral("Tarvic - Software/Fone: (65) 3321-0000");

} // namespace reports
