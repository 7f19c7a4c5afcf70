#pragma once

#include "widgets/DBGrid.h"

#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QJsonObject;

namespace data {
class DataSource;
class Table;
}

namespace widgets {

// What a register window is, as data: its table, the nouns of its hints,
// its titles, its search tab, its required fields and its messages.
// RegisterWindow builds and runs the common parts from it; the register
// class adds its fields and whatever is its own. The registers keep theirs
// in a JSON file (fromJson).
struct RegisterDescription
{
    QString objectName; // "TfrmProdutos"
    QString caption;    // window caption
    data::Table *table = nullptr;
    data::DataSource *source = nullptr;

    QStringList navigatorHints; // first, prior, next, last
    struct ButtonText
    {
        QString caption; // empty: the button is not on the bar
        QString hint;
    };
    // In the order of RegisterWindow::Button.
    QVector<ButtonText> buttons;

    QStringList tabs;   // tab captions; none for a window without tabs
    QString entryTitle; // title over the entry tab
    QString searchTitle;

    // The search tab (the last tab) when searchField is set.
    QString searchCaption = QStringLiteral("Pesquisa (Digite o nome do Cliente que deseja localizar)");
    QString searchField; // the column each change of the search edit locates
    QVector<DBGrid::Column> searchColumns;
    QSize gridMinimum;
    QString countPrefix; // with a count panel and an order list
    // Caption and order ("NOMEFORNECEDOR", or "index:NAME") of each item of the order list.
    QVector<QPair<QString, QString>> orders;
    QString initialOrder;
    QString searchEmptyMessage; // "&Pesquisar" on an empty table

    // Checked in this order at "&Gravar"; the first empty one stops the save.
    struct Required
    {
        QString field; // objectName of the control the user fills
        QString message;
        QString caption;
        int tab = -1; // the tab it is on, for registers whose checks show it
    };
    QVector<Required> required;

    QString duplicateMessage; // a unique key refused the save
    QString duplicateCaption;

    QString deleteEmptyMessage; // "E&xcluir" on an empty table
    QString deleteEmptyCaption = QStringLiteral("Informação");
    QString deleteQuestion;

    QString entryField; // objectName of the control a new or cancelled row starts at
    QString nameField;  // objectName of the control "&Pesquisar" on an empty table returns to
    QString index;      // the index the table is read in when the window shows

    // A description from its JSON object: the fields above by name, "table"
    // and "source" the objectNames of DATAMODULE's objects, "noun" (with
    // "feminine") the hints, "includeHint"/"deleteHint" the usual bar and
    // "buttons" its exceptions by button name (an empty array: not on the bar),
    // "searchColumns" as a grid's `columns` property, "required" entries
    // [field, message, tab] with the caption "requiredCaption".
    static RegisterDescription fromJson(const QJsonObject &json, QObject *dataModule);

    // The usual hints: "Primeiro NOUN", "NOUN Anterior"... (feminine: "Primeira", "Proxima", "Ultima").
    static QStringList hintsFor(const QString &noun, bool feminine = false);
    // The usual bar: "&Incluir" ... "&Retornar", "Ca&dastro" hidden until the search tab.
    static QVector<ButtonText> standardButtons(const QString &includeHint, const QString &deleteHint);
};

} // namespace widgets
