#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QSettings;

// Where the database is, as kept in the user's settings under the value
// "banco": a 142-byte record of two length-prefixed Latin-1 texts in fixed
// slots,
//   [0] server length (0..40)  [1..40] server
//   [41] path length (0..100)  [42..141] path.
namespace core {

inline const QString kSettingsOrganisation = QStringLiteral("Tarvic Softwares");
inline const QString kSettingsApplication = QStringLiteral("Quelvora");
inline const QString kBancoKey = QStringLiteral("banco");
inline const QString kSkinPathKey = QStringLiteral("CaminhoSkin");

struct BancoRecord
{
    static constexpr int kSize = 142;
    static constexpr int kServerMax = 40;
    static constexpr int kPathMax = 100;

    QString server;
    QString path;

    // Exactly kSize bytes; texts cut to 40 and 100 characters, characters
    // outside Latin-1 written as "?", unused slot bytes zero.
    QByteArray encode() const;

    // Reads the two length bytes and only the bytes they cover; a short or
    // damaged record gives what can be read (lengths clamped to the slot
    // and to the data), never reading past the array.
    static BancoRecord decode(const QByteArray &bytes);

    // The name handed to the database client: server immediately followed
    // by path, nothing between ("srv:" + "/db/x.gdb", or just the path).
    QString databaseName() const { return server + path; }

    // How the about window shows it: server, ":", path.
    QString aboutText() const { return server + u':' + path; }

    bool operator==(const BancoRecord &o) const { return server == o.server && path == o.path; }
};

// The per-user settings store (native format).
std::unique_ptr<QSettings> openUserSettings();

// The stored record, or nothing when the value "banco" is missing.
std::optional<BancoRecord> readBanco(QSettings &settings);
// Writes the 142-byte record; false when the store reports an error.
bool writeBanco(QSettings &settings, const BancoRecord &record);

// The skin file path ("" when none is kept).
QString readSkinPath(QSettings &settings);
void writeSkinPath(QSettings &settings, const QString &path);

} // namespace core
