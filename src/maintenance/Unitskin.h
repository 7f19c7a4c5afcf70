#pragma once

#include "ui_Unitskin.h"

#include <QDialog>

namespace data { class TDM; }

// The skin files of the skin folder: a click puts one on every window at
// once; "&Retornar" keeps the choice for the next start, the close box
// does not.
class TfrmSkin : public QDialog, public Ui::TfrmSkin
{
    Q_OBJECT
public:
    explicit TfrmSkin(data::TDM *dm = nullptr, QWidget *parent = nullptr);

    void FormShow();
    void ListBox1Click();
    void BitBtn1Click(); // "&Retornar"

    // The listed folder and the full path of the selected file (empty when none).
    QString folder() const { return m_folder; }
    QString selectedFile() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void listFolder(const QString &folder);
    QString m_folder;
};
