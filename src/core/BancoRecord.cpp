#include "core/BancoRecord.h"

#include <QSettings>

#include <algorithm>

namespace core {

namespace {

constexpr int kServerLengthAt = 0;
constexpr int kPathLengthAt = 1 + BancoRecord::kServerMax;

void putSlot(QByteArray &record, int lengthAt, int maxLength, const QString &text)
{
    const QByteArray bytes = text.left(maxLength).toLatin1().left(maxLength);
    record[lengthAt] = static_cast<char>(bytes.size());
    std::copy(bytes.cbegin(), bytes.cend(), record.begin() + lengthAt + 1);
}

QString takeSlot(const QByteArray &record, int lengthAt, int maxLength)
{
    if (record.size() <= lengthAt)
        return QString();
    const int stored = static_cast<unsigned char>(record.at(lengthAt));
    const int available = static_cast<int>(record.size()) - lengthAt - 1;
    const int length = std::min({stored, maxLength, available});
    return QString::fromLatin1(record.constData() + lengthAt + 1, length);
}

} // namespace

QByteArray BancoRecord::encode() const
{
    QByteArray record(kSize, '\0');
    putSlot(record, kServerLengthAt, kServerMax, server);
    putSlot(record, kPathLengthAt, kPathMax, path);
    return record;
}

BancoRecord BancoRecord::decode(const QByteArray &bytes)
{
    BancoRecord r;
    r.server = takeSlot(bytes, kServerLengthAt, kServerMax);
    r.path = takeSlot(bytes, kPathLengthAt, kPathMax);
    return r;
}

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       kSettingsOrganisation, kSettingsApplication);
}

std::optional<BancoRecord> readBanco(QSettings &settings)
{
    if (!settings.contains(kBancoKey))
        return std::nullopt;
    return BancoRecord::decode(settings.value(kBancoKey).toByteArray());
}

bool writeBanco(QSettings &settings, const BancoRecord &record)
{
    settings.setValue(kBancoKey, record.encode());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString readSkinPath(QSettings &settings)
{
    return settings.value(kSkinPathKey).toString();
}

void writeSkinPath(QSettings &settings, const QString &path)
{
    settings.setValue(kSkinPathKey, path);
}

} // namespace core
