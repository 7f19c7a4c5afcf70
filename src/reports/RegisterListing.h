#pragma once

#include "ReportDefinition.h"

namespace reports {

// A column of a register listing: its title and the value under it.
struct ListingColumn
{
    double x;
    double width;
    QString caption;
    QString field;
    Qt::Alignment align = Qt::AlignLeft;
    QString mask = {};
};

// The register listings' shape: A4, the company heading and TITLE, bold
// column titles between rules, one line per row of TABLE in ORDER.
ReportDefinition registerListing(const QString &name, const QString &title, const QString &table,
                                 const QString &key, const QString &order, const QVector<ListingColumn> &columns);

} // namespace reports
