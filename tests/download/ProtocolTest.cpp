#include "DialogLanguage.h"
#include "DownloadBytes.h"
#include "DownloadProtocol.h"
#include "TestMain.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class ProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lineIsNineSixHundredEightNOneWithoutFlowControl();
    void readTimeoutSetting_data();
    void readTimeoutSetting();
    void chunksAreCountedAndShown();
    void paneTextStopsAtNulAndDropsCarriageReturns();
    void savedBytesAreSevenBit();
    void decimalCommaConversion();
    void csvSuffixInAnyCase();
    void languagesListEnglishFirst();
    void languagePreselection();
};

void ProtocolTest::init()
{
    QSettings().clear();
}

void ProtocolTest::lineIsNineSixHundredEightNOneWithoutFlowControl()
{
    const SerialSettings line = DownloadProtocol::lineSettings();
    // Every field is set: nothing of a previous program's configuration survives.
    QCOMPARE(line.changeMask(), (1u << SerialSettings::FieldCount) - 1);
    QCOMPARE(line.value(SerialSettings::BaudRate), 9600u);
    QCOMPARE(line.value(SerialSettings::ByteSize), 8u);
    QCOMPARE(line.value(SerialSettings::Parity), 0u);
    QCOMPARE(line.value(SerialSettings::StopBits), 0u);
    QCOMPARE(line.value(SerialSettings::fDtrControl), 1u);
    QCOMPARE(line.value(SerialSettings::fRtsControl), 1u);
    QCOMPARE(line.value(SerialSettings::fOutX) + line.value(SerialSettings::fInX) + line.value(SerialSettings::fOutxCtsFlow), 0u);
    QCOMPARE(line.value(SerialSettings::XonChar), 0x11u);
    QCOMPARE(line.value(SerialSettings::XoffChar), 0x13u);
    QCOMPARE(line.value(SerialSettings::XonLim), 100u);
    QCOMPARE(DownloadProtocol::remoteCommand(), QByteArray("SYST:REM\r\n"));
    QCOMPARE(DownloadProtocol::memoryCommand(), QByteArray("MEM:DATA? ALL\r\n"));
}

void ProtocolTest::readTimeoutSetting_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("absent") << QVariant() << 110;
    QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 110;
    QTest::newRow("zero") << QVariant(0) << 110;
    QTest::newRow("negative") << QVariant(-5) << 110;
    QTest::newRow("500") << QVariant(500) << 500;
}

void ProtocolTest::readTimeoutSetting()
{
    QFETCH(QVariant, stored);
    QFETCH(int, used);
    QSettings settings;
    if (stored.isValid())
        settings.setValue(QStringLiteral("Device/ReadTimeout"), stored);
    QCOMPARE(DownloadProtocol::readTimeout(settings), used);
    QCOMPARE(settings.value(QStringLiteral("Device/ReadTimeout")).toInt(), used);
}

void ProtocolTest::chunksAreCountedAndShown()
{
    const QByteArray chunk("\x41\xC1\x0D\x0A");
    QCOMPARE(DownloadBytes::extendedCount(chunk), 1);
    QCOMPARE(DownloadBytes::paneText(chunk), QStringLiteral("A\uFFFD\n"));
    QCOMPARE(DownloadBytes::sevenBit(chunk), QByteArray("\x41\x41\x0D\x0A"));
}

void ProtocolTest::paneTextStopsAtNulAndDropsCarriageReturns()
{
    QCOMPARE(DownloadBytes::paneText(QByteArray("ab\r\ncd\0ef", 9)), QStringLiteral("ab\ncd"));
    QCOMPARE(DownloadBytes::paneText(QByteArray("\xC3\xA4\r", 3)), QStringLiteral("\u00E4"));
    QCOMPARE(DownloadBytes::paneText(QByteArray("\0x", 2)), QString());
}

void ProtocolTest::savedBytesAreSevenBit()
{
    QByteArray all;
    for (int value = 0; value < 256; ++value)
        all.append(char(value));
    const QByteArray masked = DownloadBytes::sevenBit(all);
    QCOMPARE(masked.size(), 256);
    for (int value = 0; value < 256; ++value)
        QCOMPARE(int(quint8(masked.at(value))), value & 0x7F);
}

void ProtocolTest::decimalCommaConversion()
{
    QCOMPARE(DownloadBytes::decimalComma("1.5,2.0"), QByteArray("1,5;2,0"));
    QCOMPARE(DownloadBytes::decimalComma("a;b"), QByteArray("a;b"));
}

void ProtocolTest::csvSuffixInAnyCase()
{
    QVERIFY(DownloadBytes::isCsvFile(QStringLiteral("/tmp/RESULTS.CSV")));
    QVERIFY(DownloadBytes::isCsvFile(QStringLiteral("report.Csv")));
    QVERIFY(!DownloadBytes::isCsvFile(QStringLiteral("report.txt")));
    QVERIFY(!DownloadBytes::isCsvFile(QStringLiteral("csv")));
    QVERIFY(!DownloadBytes::isCsvFile(QStringLiteral("report.csv.txt")));
}

void ProtocolTest::languagesListEnglishFirst()
{
    QTemporaryDir folder;
    for (const char* name : { "TorvaneQuillet_de.qm", "TorvaneQuillet_en.qm", "TorvaneQuillet_fr.qm", "arventa_en.qm" }) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QDir().mkdir(folder.filePath(QStringLiteral("TorvaneQuillet_it.qm")));
    const QVector<LanguageEntry> entries = DialogLanguage::entries(folder.path());
    QStringList names;
    for (const LanguageEntry& entry : entries)
        names << entry.name;
    QCOMPARE(names, (QStringList { "English", "German", "French" }));
    QCOMPARE(entries.at(1).code, QStringLiteral("de"));
    QCOMPARE(entries.at(1).path, folder.filePath(QStringLiteral("TorvaneQuillet_de.qm")));
    QVERIFY(DialogLanguage::entries(folder.filePath(QStringLiteral("missing"))).isEmpty());
}

void ProtocolTest::languagePreselection()
{
    const QVector<LanguageEntry> entries { { "English", "/t/TorvaneQuillet_en.qm", "en" },
                                           { "German", "/t/TorvaneQuillet_de.qm", "de" },
                                           { "German", "/t/TorvaneQuilletAlt_de.qm", "de" },
                                           { "French", "/t/TorvaneQuillet_fr.qm", "fr" } };
    QCOMPARE(DialogLanguage::preferredIndex(entries, QString(), QLocale::German), 2);
    QCOMPARE(DialogLanguage::preferredIndex(entries, QString(), QLocale::French), 3);
    QCOMPARE(DialogLanguage::preferredIndex(entries, QString(), QLocale::Japanese), 0);
    QCOMPARE(DialogLanguage::preferredIndex(entries, QStringLiteral("/t/TorvaneQuillet_de.qm"), QLocale::French), 1);
    // A saved catalogue that is gone selects nothing in particular.
    QCOMPARE(DialogLanguage::preferredIndex(entries, QStringLiteral("/t/deleted_de.qm"), QLocale::German), 0);
}

VELTRANO_TEST(ProtocolTest)
#include "ProtocolTest.moc"
