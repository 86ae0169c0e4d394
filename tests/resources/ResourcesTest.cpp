#include "TestMain.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTest>

namespace {
const QSize iconSize(32, 32);

// Every picture the programs name by path (the logos are checked on their own). A misspelt or
// forgotten one shows as an empty icon without any error at run time, so each is looked up here.
const QVector<QPair<QString, QSize>>& veltranoPictures()
{
    static const QVector<QPair<QString, QSize>> pictures = [] {
        QVector<QPair<QString, QSize>> list = {
            {QStringLiteral(":res/images/Torvane_splash.png"), QSize(600, 360)},
            {QStringLiteral(":res/images/Torvane_bg.jpg"), QSize(1600, 1000)},
            {QStringLiteral(":res/images/Torvane_col_small.jpg"), QSize(200, 60)},
            {QStringLiteral(":res/images/FavouritesStar32x32.png"), iconSize},
            {QStringLiteral(":res/images/FavouritesStar32x32toggled.png"), iconSize},
            {QStringLiteral(":/images/toolbar_bg.png"), QSize(8, 40)},
        };
        const QStringList fileTypes = {
            "folder", "chp_folder", "search", "inspection", "report", "certificate",
            "installation_diagram", "checklist", "chart", "pdf", "image", "spreadsheet",
            "document", "html", "file"};
        for (const QString& name : fileTypes)
            list.append({QStringLiteral(":res/fileTypes/%1.png").arg(name), iconSize});
        const QStringList toolButtons = {
            "settings", "delete", "rename", "save", "about", "import", "download",
            "zorn_download", "export_pdf", "export_img", "printer", "undo", "redo",
            "context-undo", "context-redo", "context-cut", "context-copy", "context-paste",
            "close", "window_tile", "window_cascade", "window_next", "window_prev", "zoomIn",
            "zoomOut", "plus_sign", "delete_row", "module32", "save_favourite", "wire",
            "cable1core", "cable2core", "cable3core"};
        for (const QString& name : toolButtons)
            list.append({QStringLiteral(":res/toolButtons/%1.png").arg(name), iconSize});
        return list;
    }();
    return pictures;
}

QList<QSize> sizesInFile(const QString& path)
{
    QList<QSize> sizes;
    QImageReader reader(path);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        sizes.append(reader.read().size());
    }
    return sizes;
}
} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureLoads_data();
    void everyPictureLoads();
    void logosHoldTheSmallSizes_data();
    void logosHoldTheSmallSizes();
    void downloadProgramNeedsNoOtherResource();
};

void ResourcesTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    Q_INIT_RESOURCE(quillet);
}

void ResourcesTest::everyPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const auto& picture : veltranoPictures())
        QTest::newRow(qPrintable(picture.first)) << picture.first << picture.second;
}

void ResourcesTest::everyPictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QCOMPARE(pixmap.size(), size);
    QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
}

void ResourcesTest::logosHoldTheSmallSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("Torvane_logo") << QStringLiteral(":res/images/Torvane_logo.ico");
    QTest::newRow("logo") << QStringLiteral(":res/images/logo.ico");
}

// Windows and the window frames take the 16 and 32 pixel pictures from the file itself;
// scaled-down large ones look blurred.
void ResourcesTest::logosHoldTheSmallSizes()
{
    QFETCH(QString, path);
    const QList<QSize> sizes = sizesInFile(path);
    QVERIFY2(sizes.contains(QSize(16, 16)), qPrintable(path));
    QVERIFY2(sizes.contains(QSize(32, 32)), qPrintable(path));
    QVERIFY(QIcon(path).availableSizes().contains(QSize(16, 16)));
}

// TorvaneQuillet links only its own resource: with Veltrano's unregistered its pictures must
// still be there.
void ResourcesTest::downloadProgramNeedsNoOtherResource()
{
    Q_CLEANUP_RESOURCE(veltrano);
    const bool splashGone = QPixmap(QStringLiteral(":res/images/Torvane_splash.png")).isNull();
    const QList<QSize> logoSizes = sizesInFile(QStringLiteral(":res/images/Torvane_logo.ico"));
    const QPixmap brand(QStringLiteral(":res/images/quillet.png"));
    Q_INIT_RESOURCE(veltrano);
    QVERIFY(splashGone);
    QVERIFY(logoSizes.contains(QSize(16, 16)));
    QVERIFY(logoSizes.contains(QSize(32, 32)));
    QVERIFY(!brand.isNull());
}

VELTRANO_TEST(ResourcesTest)
#include "ResourcesTest.moc"
