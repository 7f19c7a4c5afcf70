#include "RegisterListing.h"

namespace reports {

ReportDefinition registerListing(const QString &name, const QString &title, const QString &table,
                                 const QString &key, const QString &order, const QVector<ListingColumn> &columns)
{
    const double line = 4.5;
    ReportDefinition def;
    def.name = name;
    def.paper = Paper::A4;
    def.data.table = table;
    def.data.order = {order};
    def.data.key = key;
    def.pageHeader = standardPageHeader(def, title);
    QVector<ColumnTitle> titles;
    def.detail.height = line;
    for (const ListingColumn &c : columns) {
        titles.push_back({c.x, c.width, c.caption, c.align});
        def.detail.add(field(c.x, 0, c.width, line, c.field, c.mask, c.align));
    }
    def.columnHeader = columnTitles(def, titles);
    def.pageFooter = standardPageFooter(def);
    return def;
}

} // namespace reports
