#include "Unitskin.h"

#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "widgets/Prompter.h"
#include "widgets/Skin.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QSignalBlocker>

using namespace widgets;

TfrmSkin::TfrmSkin(data::TDM *, QWidget *parent) : QDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // A click or a move with the keys both choose a skin.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { guarded(this, [this] { ListBox1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
}

void TfrmSkin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmSkin::listFolder(const QString &folder)
{
    const QSignalBlocker quiet(ListBox1);
    m_folder = folder;
    ListBox1->clear();
    ListBox1->addItems(QDir(folder).entryList({QStringLiteral("*.skn")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    ListBox1->setCurrentRow(-1);
}

void TfrmSkin::FormShow()
{
    listFolder(core::skinDir());
    auto settings = core::openUserSettings();
    const QString stored = core::readSkinPath(*settings);
    if (stored.isEmpty())
        return;
    const QFileInfo fi(stored);
    if (fi.absoluteDir().exists())
        listFolder(fi.absolutePath());
    const QList<QListWidgetItem *> found = ListBox1->findItems(fi.fileName(), Qt::MatchExactly);
    if (!found.isEmpty()) {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentItem(found.first());
    }
}

QString TfrmSkin::selectedFile() const
{
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item || !item->isSelected())
        return {};
    return QDir(m_folder).filePath(item->text());
}

void TfrmSkin::ListBox1Click()
{
    const QString file = selectedFile();
    if (!file.isEmpty())
        skin().setFileName(file);
}

void TfrmSkin::BitBtn1Click()
{
    auto settings = core::openUserSettings();
    core::writeSkinPath(*settings, selectedFile());
    accept();
}
