#include "core/AppPaths.h"
#include "core/BancoRecord.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using core::BancoRecord;

namespace {

// A record laid out by hand, slot bytes after the used part filled with junk.
QByteArray handRecord(const QByteArray &server, const QByteArray &path, char filler = '\xAA')
{
    QByteArray r(142, filler);
    r[0] = static_cast<char>(server.size());
    r.replace(1, server.size(), server);
    r[41] = static_cast<char>(path.size());
    r.replace(42, path.size(), path);
    return r;
}

} // namespace

class TestBancoRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout();
    void cutToSlots();
    void decodeIgnoresBytesAfterTheUsedPart();
    void decodeDamagedRecords();
    void databaseNameAndAboutText();
    void settingsRoundTrip();
    void applicationFolders();

private:
    QTemporaryDir m_config;
};

void TestBancoRecord::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestBancoRecord::layout()
{
    const BancoRecord rec{"srv:", "/dados/DIZADAVAZI.GDB"};
    const QByteArray bytes = rec.encode();
    QCOMPARE(bytes.size(), 142);
    QCOMPARE(bytes, handRecord("srv:", "/dados/DIZADAVAZI.GDB", '\0'));

    // Latin-1 single bytes: accents take one byte each.
    const QByteArray accented = BancoRecord{"", "C:\\Usuários\\Ação.gdb"}.encode();
    QCOMPARE(int(static_cast<unsigned char>(accented.at(41))), 20);
    QCOMPARE(accented.mid(42, 20), QByteArray("C:\\Usu\xE1rios\\A\xE7\xE3o.gdb"));
    QCOMPARE(BancoRecord::decode(accented).path, QString("C:\\Usuários\\Ação.gdb"));
}

void TestBancoRecord::cutToSlots()
{
    const QString server45 = QString("a").repeated(40) + "bcdef";
    const QString path120 = QString("p").repeated(100) + QString("q").repeated(20);
    const QByteArray bytes = BancoRecord{server45, path120}.encode();
    QCOMPARE(bytes.size(), 142);
    QCOMPARE(int(bytes.at(0)), 40);
    QCOMPARE(int(bytes.at(41)), 100);
    const BancoRecord back = BancoRecord::decode(bytes);
    QCOMPARE(back.server, server45.left(40));
    QCOMPARE(back.path, path120.left(100));
    QCOMPARE(back.databaseName().size(), 140);
}

void TestBancoRecord::decodeIgnoresBytesAfterTheUsedPart()
{
    const BancoRecord rec = BancoRecord::decode(handRecord("10.0.0.2:", "/srv/q.gdb"));
    QCOMPARE(rec.server, QString("10.0.0.2:"));
    QCOMPARE(rec.path, QString("/srv/q.gdb"));

    const BancoRecord empty = BancoRecord::decode(handRecord("", ""));
    QCOMPARE(empty.server, QString());
    QCOMPARE(empty.path, QString());
}

void TestBancoRecord::decodeDamagedRecords()
{
    // Length bytes beyond their slots are clamped to the slot.
    QByteArray bad = handRecord("srv:", "/x.gdb");
    bad[0] = char(200);
    bad[41] = char(250);
    BancoRecord rec = BancoRecord::decode(bad);
    QCOMPARE(rec.server.size(), 40);
    QCOMPARE(rec.path.size(), 100);

    // Short arrays: read what is there, never past the end.
    QCOMPARE(BancoRecord::decode(QByteArray()).server, QString());
    rec = BancoRecord::decode(handRecord("srv:", "/dados/q.gdb").left(48));
    QCOMPARE(rec.server, QString("srv:"));
    QCOMPARE(rec.path, QString("/dados"));
    rec = BancoRecord::decode(QByteArray("\x05" "ab"));
    QCOMPARE(rec.server, QString("ab"));
    QCOMPARE(rec.path, QString());

    // Longer arrays: only the first 142 bytes can matter.
    rec = BancoRecord::decode(handRecord("h:", "/p.gdb") + QByteArray(50, 'z'));
    QCOMPARE(rec.databaseName(), QString("h:/p.gdb"));
}

void TestBancoRecord::databaseNameAndAboutText()
{
    const BancoRecord local{"", "C:\\Tarvic-Software\\Quelvora\\BancoDados\\DIZADAVAZI.GDB"};
    QCOMPARE(local.databaseName(), QString("C:\\Tarvic-Software\\Quelvora\\BancoDados\\DIZADAVAZI.GDB"));
    QCOMPARE(local.aboutText(), QString(":C:\\Tarvic-Software\\Quelvora\\BancoDados\\DIZADAVAZI.GDB"));

    const BancoRecord remote{"192.168.0.1:", "/dados/q.gdb"};
    QCOMPARE(remote.databaseName(), QString("192.168.0.1:/dados/q.gdb"));
    QCOMPARE(remote.aboutText(), QString("192.168.0.1::/dados/q.gdb"));

    // Without the colon the server is glued to the path unchanged.
    const BancoRecord glued{"servidor", "/dados/q.gdb"};
    QCOMPARE(glued.databaseName(), QString("servidor/dados/q.gdb"));
    QCOMPARE(glued.aboutText(), QString("servidor:/dados/q.gdb"));
}

void TestBancoRecord::settingsRoundTrip()
{
    {
        auto settings = core::openUserSettings();
        settings->clear();
        QVERIFY(!core::readBanco(*settings).has_value());
        QCOMPARE(core::readSkinPath(*settings), QString());
        QVERIFY(core::writeBanco(*settings, BancoRecord{QString("s").repeated(45), "/d/q.gdb"}));
        core::writeSkinPath(*settings, "/skins/azul.skn");
    }
    // A fresh store object reads what was written, as the next run would.
    auto settings = core::openUserSettings();
    QVERIFY(settings->fileName().startsWith(m_config.path()));
    QCOMPARE(settings->value("banco").toByteArray().size(), 142);
    const auto rec = core::readBanco(*settings);
    QVERIFY(rec.has_value());
    QCOMPARE(rec->server, QString("s").repeated(40));
    QCOMPARE(rec->path, QString("/d/q.gdb"));
    QCOMPARE(core::readSkinPath(*settings), QString("/skins/azul.skn"));
}

void TestBancoRecord::applicationFolders()
{
    QTemporaryDir home;
    qputenv("QUELVORA_HOME", (home.path() + "/app/../Quelvora").toLocal8Bit());
    QCOMPARE(core::appRoot(), home.path() + "/Quelvora");
    QCOMPARE(core::defaultDatabasePath(), home.path() + "/Quelvora/BancoDados/DIZADAVAZI.GDB");
    QVERIFY(core::ensureAppFolders());
    for (const QString &dir : {core::skinDir(), core::databaseDir(), core::backupDir()})
        QVERIFY2(QDir(dir).exists(), qPrintable(dir));

    qunsetenv("QUELVORA_HOME");
    QCOMPARE(core::appRoot(), QDir::homePath() + "/Tarvic-Software/Quelvora");
}

QTEST_GUILESS_MAIN(TestBancoRecord)
#include "tst_BancoRecord.moc"
