#pragma once

#include <QVariantMap>
#include <QWidget>

namespace data {
class TDM;
}

namespace widgets {

// A report of the program as a window of the run (`RepEstoque`): the main
// menu opens its preview through the invokable preview(); parameter windows
// call preview(params) or print(params).
class ReportWindow : public QWidget
{
    Q_OBJECT
public:
    ReportWindow(const QString &reportName, data::TDM *dm, QWidget *parent = nullptr);
    QString reportName() const { return m_name; }

    Q_INVOKABLE bool preview(const QVariantMap &params = {});
    Q_INVOKABLE bool print(const QVariantMap &params = {});

private:
    QString m_name;
    data::TDM *m_dm;
};

} // namespace widgets
