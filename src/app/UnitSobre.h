#pragma once

#include "ui_UnitSobre.h"

#include <QDialog>

class QTimer;
namespace data { class TDM; }

// About the system: the maker's data and where the database is. Its form
// is UnitSobre.ui; `Label1` is the scrolling database line.
class TfrmSobre : public QDialog, public Ui::TfrmSobre
{
    Q_OBJECT
public:
    explicit TfrmSobre(data::TDM *dm, QWidget *parent = nullptr);

    QString scrollText() const { return m_text; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scroll();
    QString m_text;
    int m_offset = 0;
    QTimer *m_timer;
};
