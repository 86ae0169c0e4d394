#include "IconRenderCommand.h"
#include "TestMain.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Wider than high, so that square pictures show whether the proportions are kept.
const QByteArray drawing = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10' viewBox='0 0 20 10'>"
                           "<rect x='5' width='10' height='10' fill='#2A6FB0'/></svg>";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class IconRenderCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesEveryFormatAtTheGivenSizes_data();
    void writesEveryFormatAtTheGivenSizes();
    void keepsTheDrawingsProportions();
    void failuresKeepTheOldOutput_data();
    void failuresKeepTheOldOutput();

private:
    int run(const QStringList& arguments);

    QTemporaryDir folder;
    QString svg;
    QString errors;
};

void IconRenderCommandTest::init()
{
    svg = folder.filePath(QStringLiteral("drawing.svg"));
    QVERIFY(writeFile(svg, drawing));
    errors.clear();
}

int IconRenderCommandTest::run(const QStringList& arguments)
{
    QTextStream err(&errors);
    IconRenderCommand command(err);
    return command.run(arguments);
}

void IconRenderCommandTest::writesEveryFormatAtTheGivenSizes_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QList<QSize>>("expected");
    QTest::newRow("png") << "a.png" << QStringList{"32"} << QList<QSize>{{32, 32}};
    QTest::newRow("jpg, upper-case suffix") << "b.JPG" << QStringList{"200x60"} << QList<QSize>{{200, 60}};
    QTest::newRow("ico, several sizes") << "c.ico" << QStringList{"16", "32", "48", "256"}
                                        << QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}};
}

void IconRenderCommandTest::writesEveryFormatAtTheGivenSizes()
{
    QFETCH(QString, output);
    QFETCH(QStringList, sizes);
    QFETCH(QList<QSize>, expected);
    const QString path = folder.filePath(output);
    QCOMPARE(run(QStringList{svg, path} + sizes), 0);
    QCOMPARE(errors, QString());
    QImageReader reader(path);
    QCOMPARE(reader.imageCount() > 0 ? reader.imageCount() : 1, expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QSize size = expected.at(i);
        reader.jumpToImage(i);
        const QImage image = reader.read();
        QCOMPARE(image.size(), size);
        // The drawing's blue reaches the middle at every size; a blank picture would not. JPEG
        // may shift it a little.
        QVERIFY(qAbs(image.pixelColor(size.width() / 2, size.height() / 2).blue() - 0xB0) <= 8);
    }
}

// A square icon from a wide drawing keeps the drawing centred, neither stretched nor cut.
void IconRenderCommandTest::keepsTheDrawingsProportions()
{
    const QString path = folder.filePath(QStringLiteral("square.png"));
    QCOMPARE(run({svg, path, QStringLiteral("20")}), 0);
    const QImage image(path);
    QCOMPARE(image.pixelColor(10, 10), QColor(0x2A, 0x6F, 0xB0));
    QCOMPARE(image.pixelColor(10, 2).alpha(), 0);
    QCOMPARE(image.pixelColor(2, 10).alpha(), 0);
}

void IconRenderCommandTest::failuresKeepTheOldOutput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing drawing") << "missing.svg" << "out.png" << QStringList{"32"} << 1
                                     << "iconrender: Cannot read \"%1/missing.svg\": No such file or directory\n";
    QTest::newRow("not SVG") << "notes.svg" << "out.png" << QStringList{"32"} << 1
                             << "iconrender: \"%1/notes.svg\" is not a valid SVG drawing.\n";
    QTest::newRow("unknown format") << "drawing.svg" << "out.gif" << QStringList{"32"} << 1
                                    << "iconrender: Cannot tell the picture format of \"%1/out.gif\": use .png, .jpg or .ico.\n";
    QTest::newRow("several sizes in a png") << "drawing.svg" << "out.png" << QStringList{"16", "32"} << 1
                                            << "iconrender: \"%1/out.png\" can hold only one size; only an .ico file holds several.\n";
    QTest::newRow("ico larger than 256") << "drawing.svg" << "out.ico" << QStringList{"16", "512"} << 1
                                         << "iconrender: Cannot encode \"%1/out.ico\": An icon picture can be at most 256 pixels wide and high.\n";
    QTest::newRow("folder missing") << "drawing.svg" << "missing/out.png" << QStringList{"32"} << 1
                                    << "iconrender: Cannot write \"%1/missing/out.png\": ";
    QTest::newRow("zero size") << "drawing.svg" << "out.png" << QStringList{"0"} << 2 << "iconrender: \"0\" is not a size";
    QTest::newRow("no size") << "drawing.svg" << "out.png" << QStringList() << 2 << "usage: iconrender";
}

void IconRenderCommandTest::failuresKeepTheOldOutput()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QStringList, sizes);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QVERIFY(writeFile(folder.filePath(QStringLiteral("notes.svg")), "shopping list"));
    const QString target = folder.filePath(output);
    const bool hadTarget = writeFile(target, "previous picture");

    QCOMPARE(run(QStringList{folder.filePath(input), target} + sizes), exitCode);
    QVERIFY2(errors.startsWith(message.replace(QLatin1String("%1"), folder.path())), qPrintable(errors));
    if (hadTarget)
        QCOMPARE(readFile(target), QByteArray("previous picture"));
}

VELTRANO_TEST(IconRenderCommandTest)
#include "IconRenderCommandTest.moc"
