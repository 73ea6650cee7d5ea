// The settings file: ReadIni's defaults and odd values, WriteIni creating the
// file and failing quietly where it cannot write.
#include "TestSupport.h"
#include "UMy.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

void WriteText(const QString &file, const QByteArray &text)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QString ReadCB2(const QString &file)
{
    return ReadIni(file, QStringLiteral("lvRac"), QStringLiteral("CB2"), QStringLiteral("1"));
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readValues_data();
    void readValues();
    void readOtherDefault();
    void writeCreatesFile();
    void writeKeepsOtherKeys();
    void folderWithCyrillicName();
    void writeFails_data();
    void writeFails();
};

void SettingsTest::readValues_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");
    QTest::newRow("no file") << false << QByteArray() << "1";
    QTest::newRow("empty file") << true << QByteArray() << "1";
    QTest::newRow("other section") << true << QByteArray("[other]\nCB2=0\n") << "1";
    QTest::newRow("key missing") << true << QByteArray("[lvRac]\nCB1=0\n") << "1";
    QTest::newRow("empty value") << true << QByteArray("[lvRac]\nCB2=\n") << "1";
    QTest::newRow("0") << true << QByteArray("[lvRac]\nCB2=0\n") << "0";
    QTest::newRow("1") << true << QByteArray("[lvRac]\nCB1=0\nCB2=1\n") << "1";
    QTest::newRow("yes") << true << QByteArray("[lvRac]\nCB2=yes\n") << "yes";
    QTest::newRow("2") << true << QByteArray("[lvRac]\nCB2=2\n") << "2";
    QTest::newRow("blanks around") << true << QByteArray("[lvRac]\nCB2 = 0 \n") << "0";
    QTest::newRow("Windows line ends") << true << QByteArray("[lvRac]\r\nCB2=0\r\n") << "0";
    QTest::newRow("quoted") << true << QByteArray("[lvRac]\nCB2=\"0\"\n") << "0";
    QTest::newRow("with a comma") << true << QByteArray("[lvRac]\nCB2=1,0\n") << "1,0";
    QTest::newRow("Cyrillic") << true << QByteArray("[lvRac]\nCB2=да\n") << "да";
    QTest::newRow("not an ini file") << true << QByteArray("\x01\x02garbage\xff\n") << "1";
}

void SettingsTest::readValues()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(QString, value);
    TestFolder folder(TestFolder::NoDb);
    const QString ini = folder.File("setting.ini");
    if (exists)
        WriteText(ini, content);
    QCOMPARE(ReadCB2(ini), value);
    QCOMPARE(QFile::exists(ini), exists); // reading never creates the file
}

void SettingsTest::readOtherDefault()
{
    TestFolder folder(TestFolder::NoDb);
    const QString ini = folder.File("setting.ini");
    QCOMPARE(ReadIni(ini, "lvRac", "CB3", "0"), QStringLiteral("0"));
    WriteText(ini, "[lvRac]\nCB3=\n");
    QCOMPARE(ReadIni(ini, "lvRac", "CB3", "x"), QStringLiteral("x"));
}

void SettingsTest::writeCreatesFile()
{
    TestFolder folder(TestFolder::NoDb);
    const QString ini = folder.File("setting.ini");
    // The order in which closing the main window writes them.
    const QList<QPair<QString, QString>> keys = {
        {"CB1", "1"}, {"CB2", "0"}, {"CB4", "1"}, {"CB3", "0"}};
    for (const auto &[key, value] : keys)
        QVERIFY(WriteIni(ini, "lvRac", key, value));
    for (const auto &[key, value] : keys)
        QCOMPARE(ReadIni(ini, "lvRac", key, "1"), value);
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY2(text.startsWith("[lvRac]\n"), text.constData());
    for (const QByteArray line : {"CB1=1", "CB2=0", "CB3=0", "CB4=1"})
        QVERIFY2(text.contains(line + '\n'), text.constData());
}

void SettingsTest::writeKeepsOtherKeys()
{
    TestFolder folder(TestFolder::NoDb);
    const QString ini = folder.File("setting.ini");
    WriteText(ini, "[other]\nname=value\n[lvRac]\nCB1=0\nCB2=1\n");
    QVERIFY(WriteIni(ini, "lvRac", "CB2", "0"));
    QCOMPARE(ReadIni(ini, "lvRac", "CB1", "1"), QStringLiteral("0"));
    QCOMPARE(ReadCB2(ini), QStringLiteral("0"));
    QCOMPARE(ReadIni(ini, "other", "name", ""), QStringLiteral("value"));
}

void SettingsTest::folderWithCyrillicName()
{
    TestFolder folder(TestFolder::NoDb);
    QVERIFY(QDir(folder.Path()).mkdir("Сытомир 2"));
    const QString ini = folder.File("Сытомир 2/setting.ini");
    QVERIFY(WriteIni(ini, "lvRac", "CB2", "0"));
    QCOMPARE(ReadCB2(ini), QStringLiteral("0"));
}

void SettingsTest::writeFails_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("setting.ini is a folder") << "dir";
    QTest::newRow("read-only folder") << "readonly";
}

void SettingsTest::writeFails()
{
    QFETCH(QString, how);
    TestFolder folder(TestFolder::NoDb);
    QString ini;
    if (how == "file") {
        WriteText(folder.File("notafolder"), "x");
        ini = folder.File("notafolder/setting.ini");
    } else if (how == "dir") {
        QVERIFY(QDir(folder.Path()).mkdir("setting.ini"));
        ini = folder.File("setting.ini");
    } else {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir(folder.Path()).mkdir("ro"));
        QFile::setPermissions(folder.File("ro"), QFile::ReadOwner | QFile::ExeOwner);
        ini = folder.File("ro/setting.ini");
    }
    QCOMPARE(WriteIni(ini, "lvRac", "CB1", "0"), false);
    QCOMPARE(ReadIni(ini, "lvRac", "CB1", "1"), QStringLiteral("1"));
    if (how == "readonly") {
        QVERIFY(!QFile::exists(ini));
        QFile::setPermissions(folder.File("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
