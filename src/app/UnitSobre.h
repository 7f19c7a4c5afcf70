#pragma once

#include <QDialog>

class QLabel;
class QTimer;
namespace data { class TDM; }

// About the system: the maker's data and where the database is.
class TfrmSobre : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSobre(data::TDM *dm, QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1; // the scrolling database line
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
