#include "PictureChooser.h"
#include "ReportFile.h"
#include "ReportLimits.h"
#include "ReportPage.h"
#include "ReportResizableImage.h"
#include "ReportText.h"
#include "SceneFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

// A report the program saved always opens again: the writer refuses what the reader would, and
// pictures are checked and reduced when they are added.

namespace {
const char layout[] = "<document><page id='p'>"
                      "<text id='field' editable='1' x='10' y='10' width='200' height='30'/>"
                      "</page></document>";

QByteArray encoded(const QSize& size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QSize decodedSize(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

QString writePicture(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QList<ReportResizableImage*> shownPictures(const QGraphicsScene& scene)
{
    QList<ReportResizableImage*> found;
    for (QGraphicsItem* item : scene.items(Qt::AscendingOrder))
        if (auto* picture = qgraphicsitem_cast<ReportResizableImage*>(item))
            if (picture->isVisible())
                found << picture;
    return found;
}
} // namespace

class SavedReportLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ReportScene::setScreenDpiY(96.0); }
    void writerRefusesATextTheReaderWould();
    void phonePhotosAreReducedToPrintResolution();
    void pictureCountIsLimitedWhenAdding();
    void pictureTakesTheFrameOfTheDeletedOne();
    void largePictureIsFittedOntoThePage();
};

void SavedReportLimitsTest::writerRefusesATextTheReaderWould()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* field = fixture.item<ReportText>("field");
    const QString path = folder.filePath("full.arvreport");
    field->setText(QString(ReportLimits::maximumTextLength, 'x'));
    QVERIFY(!ReportFile::save(fixture.scene, path).failed());
    SceneFixture reopened;
    QVERIFY(!ReportFile::load(reopened.scene, path).failed());

    const QString tooLong = folder.filePath("too long.arvreport");
    field->setText(QString(ReportLimits::maximumTextLength + 1, 'x'));
    const Failure failure = ReportFile::save(fixture.scene, tooLong);
    QVERIFY(!QFile::exists(tooLong));
    QCOMPARE(failure.text, tooLong + " was not saved: it holds more than a report can hold, so it could not be opened again.");
    QVERIFY(failure.informativeText.contains("a text is longer than 10000 characters"));
}

void SavedReportLimitsTest::phonePhotosAreReducedToPrintResolution()
{
    // A 48-megapixel photograph in 4:3; A4's long side at 300 dpi is 297 / 25.4 * 300 = 3508 pixels.
    QString key = QStringLiteral("jpg");
    QByteArray photo = encoded(QSize(8000, 6000), "JPEG");
    QVERIFY(PictureChooser::reduceForPrint(key, photo));
    QCOMPARE(key, QStringLiteral("jpg"));
    QCOMPARE(decodedSize(photo), QSize(3508, 2631));
    QVERIFY(6 * ReportResizableImage::pixelCount(key, photo) <= ReportLimits::maximumPixelsPerReport);
    // At the print size itself nothing changes.
    QString pngKey = QStringLiteral("png");
    const QByteArray exact = encoded(QSize(3508, 10), "PNG");
    QByteArray unchanged = exact;
    QVERIFY(PictureChooser::reduceForPrint(pngKey, unchanged));
    QCOMPARE(unchanged, exact);
    QByteArray upright = encoded(QSize(10, 3509), "PNG");
    QVERIFY(PictureChooser::reduceForPrint(pngKey, upright));
    QCOMPARE(decodedSize(upright).height(), 3508);
}

void SavedReportLimitsTest::pictureCountIsLimitedWhenAdding()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* page = fixture.item<ReportPage>("p");
    const QString path = writePicture(folder, "dot.png", encoded(QSize(2, 2), "PNG"));
    for (int added = 0; added < ReportLimits::maximumPictures; ++added) {
        prompts.answer(path);
        fixture.scene.addImage(page, QPointF(100, 100));
    }
    QCOMPARE(shownPictures(fixture.scene).size(), ReportLimits::maximumPictures);
    QCOMPARE(prompts.messageTexts(), QStringList());
    prompts.answer(path);
    fixture.scene.addImage(page, QPointF(100, 100));
    QCOMPARE(shownPictures(fixture.scene).size(), ReportLimits::maximumPictures);
    QCOMPARE(prompts.messageTexts(), QStringList({path + " was not added: a report holds at most 200 pictures."}));
    // A deleted picture is not saved, so it makes room.
    fixture.scene.deletePicture(shownPictures(fixture.scene).first());
    prompts.answer(path);
    fixture.scene.addImage(page, QPointF(100, 100));
    QCOMPARE(shownPictures(fixture.scene).size(), ReportLimits::maximumPictures);
    QCOMPARE(prompts.messageTexts().size(), 1);
}

void SavedReportLimitsTest::pictureTakesTheFrameOfTheDeletedOne()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* page = fixture.item<ReportPage>("p");
    // The shipped forms' logo frame: 159.77 x 60 at (595.23, 22).
    prompts.answer(writePicture(folder, "logo.png", encoded(QSize(688, 258), "PNG")));
    fixture.scene.addImage(page, QPointF(595.23, 22));
    ReportResizableImage* logo = shownPictures(fixture.scene).first();
    logo->setPos(595.23, 22);
    logo->setSize(QSizeF(159.77, 60), ReportResizableItem::BottomEdge);
    fixture.scene.deletePicture(logo);
    // Twice as wide as high: the frame's width decides, 159.77 x 79.885 would be too high.
    prompts.answer(writePicture(folder, "new logo.png", encoded(QSize(400, 200), "PNG")));
    fixture.scene.addImage(page, QPointF(650, 50));
    ReportResizableImage* replacement = shownPictures(fixture.scene).first();
    QCOMPARE(replacement->pos(), QPointF(595.23, 22));
    QCOMPARE(replacement->rect().size(), QSizeF(120, 60));
}

void SavedReportLimitsTest::largePictureIsFittedOntoThePage()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    // 3000 x 1500 on an A4 page of 793 x 1123 with 20 left free at each edge: 753 wide.
    prompts.answer(writePicture(folder, "photo.png", encoded(QSize(3000, 1500), "PNG")));
    fixture.scene.addImage(fixture.item<ReportPage>("p"), QPointF(400, 1100));
    ReportResizableImage* picture = shownPictures(fixture.scene).first();
    QCOMPARE(picture->rect().size(), QSizeF(753, 376.5));
    QCOMPARE(picture->pos(), QPointF(20, 1123 - 20 - 376.5));
    // A small picture keeps its size where it was put.
    prompts.answer(writePicture(folder, "stamp.png", encoded(QSize(40, 20), "PNG")));
    fixture.scene.addImage(fixture.item<ReportPage>("p"), QPointF(300, 400));
    picture = shownPictures(fixture.scene).last();
    QCOMPARE(picture->rect().size(), QSizeF(40, 20));
    QCOMPARE(picture->pos(), QPointF(300, 400));
}

VELTRANO_TEST(SavedReportLimitsTest)
#include "SavedReportLimitsTest.moc"
