#pragma once

#include <QString>

// Where the program keeps its files: one application root with the
// sub-folders Skin, BancoDados and BackupBanco.
namespace core {

// $QUELVORA_HOME when set and not empty, else ~/Tarvic-Software/Quelvora.
// Always an absolute, cleaned path; the folder need not exist.
QString appRoot();

QString skinDir();          // <root>/Skin
QString databaseDir();      // <root>/BancoDados
QString backupDir();        // <root>/BackupBanco

// <root>/BancoDados/DIZADAVAZI.GDB, the database the configuration offers.
QString defaultDatabasePath();

// Creates the root and its sub-folders; false when one cannot be made.
bool ensureAppFolders();

} // namespace core
