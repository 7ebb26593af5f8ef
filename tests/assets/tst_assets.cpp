#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kCommittedDir = QStringLiteral(ZELOR_ASSETS_DIR);
const QString kGenerator = QStringLiteral(ZELOR_MAKE_ASSETS);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray committed(const QString &name)
{
    return readAll(QDir(kCommittedDir).filePath(name));
}

quint32 littleEndian(const QByteArray &bytes, int offset, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(offset + i));
    return value;
}

bool isGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// The smallest rectangle around every pixel that matches, searched in area.
template <typename Match>
QRect inkBox(const QImage &image, const QRect &area, Match match)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void generatorRedrawsCommittedFile_data();
    void generatorRedrawsCommittedFile();
    void resourceHoldsCommittedFile_data();
    void resourceHoldsCommittedFile();
    void fileSize_data();
    void fileSize();
    void headerField_data();
    void headerField();
    void iconMaskMarksExactlyTheClearPixels();
    void iconShowsBadgeAboveRibbons();
    void backdropLayout();

private:
    QTemporaryDir m_generated;
};

void AssetsTest::initTestCase()
{
    QVERIFY(m_generated.isValid());
    QProcess generator;
    generator.start(kGenerator, {m_generated.path()});
    QVERIFY2(generator.waitForFinished(60000), qPrintable(generator.errorString()));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());
}

void AssetsTest::generatorRedrawsCommittedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("icon") << "zelor.ico";
    QTest::newRow("backdrop") << "backdrop.bmp";
    QTest::newRow("desktop icon") << "zelor-os.png";
}

void AssetsTest::generatorRedrawsCommittedFile()
{
    QFETCH(QString, name);
    const QByteArray expected = committed(name);
    const QByteArray drawn = readAll(QDir(m_generated.path()).filePath(name));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(drawn.size(), expected.size());
    qsizetype first = 0;
    while (first < drawn.size() && drawn.at(first) == expected.at(first))
        ++first;
    QVERIFY2(first == drawn.size(),
             qPrintable(QStringLiteral("first differing byte at offset %1; run the "
                                       "regenerate_assets target and commit the result")
                            .arg(first)));
}

void AssetsTest::resourceHoldsCommittedFile_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("name");
    QTest::newRow("icon") << ":/assets/zelor.ico" << "zelor.ico";
    QTest::newRow("backdrop") << ":/assets/backdrop.bmp" << "backdrop.bmp";
}

void AssetsTest::resourceHoldsCommittedFile()
{
    QFETCH(QString, resource);
    QFETCH(QString, name);
    QFile file(resource);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(resource + " is not compiled in"));
    QVERIFY(file.readAll() == committed(name));
}

void AssetsTest::fileSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("icon") << "zelor.ico" << qsizetype(5342);
    QTest::newRow("backdrop") << "backdrop.bmp" << qsizetype(921654);
}

void AssetsTest::fileSize()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, size);
    QCOMPARE(committed(name).size(), size);
}

void AssetsTest::headerField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::addColumn<quint32>("value");

    const auto ico = [](const char *field, int offset, int width, quint32 value) {
        QTest::addRow("ico %s", field) << "zelor.ico" << offset << width << value;
    };
    ico("reserved", 0, 2, 0);
    ico("type icon", 2, 2, 1);
    ico("image count", 4, 2, 1);
    ico("entry width", 6, 1, 32);
    ico("entry height", 7, 1, 40);
    ico("entry palette size", 8, 1, 0);
    ico("entry reserved", 9, 1, 0);
    ico("entry planes", 10, 2, 1);
    ico("entry bit count", 12, 2, 32);
    ico("entry image bytes", 14, 4, 5320);
    ico("entry image offset", 18, 4, 22);
    ico("header size", 22, 4, 40);
    ico("width", 26, 4, 32);
    ico("height of colours and mask", 30, 4, 80);
    ico("planes", 34, 2, 1);
    ico("bit count", 36, 2, 32);
    ico("compression", 38, 4, 0);
    ico("pixel bytes", 42, 4, 5280);

    const auto bmp = [](const char *field, int offset, int width, quint32 value) {
        QTest::addRow("bmp %s", field) << "backdrop.bmp" << offset << width << value;
    };
    bmp("magic BM", 0, 2, 0x4D42);
    bmp("file size", 2, 4, 921654);
    bmp("reserved 1", 6, 2, 0);
    bmp("reserved 2", 8, 2, 0);
    bmp("pixel offset", 10, 4, 54);
    bmp("header size", 14, 4, 40);
    bmp("width", 18, 4, 640);
    bmp("height, bottom-up", 22, 4, 480);
    bmp("planes", 26, 2, 1);
    bmp("bit count", 28, 2, 24);
    bmp("compression", 30, 4, 0);
    bmp("pixel bytes", 34, 4, 921600);
    bmp("pixels per metre across", 38, 4, 3780);
    bmp("pixels per metre down", 42, 4, 3780);
    bmp("palette size", 46, 4, 0);
    bmp("important colours", 50, 4, 0);
}

void AssetsTest::headerField()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, width);
    QFETCH(quint32, value);
    const QByteArray bytes = committed(name);
    QVERIFY(bytes.size() >= offset + width);
    QCOMPARE(littleEndian(bytes, offset, width), value);
}

// A system that draws icons without alpha uses the mask alone; a pixel it
// hides must be clear, and a pixel it shows must not be.
void AssetsTest::iconMaskMarksExactlyTheClearPixels()
{
    constexpr int width = 32, height = 40, colours = 22 + 40, mask = colours + width * height * 4;
    const QByteArray bytes = committed("zelor.ico");
    QCOMPARE(bytes.size(), mask + 4 * height);
    int hidden = 0;
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            const int alpha = quint8(bytes.at(colours + (row * width + x) * 4 + 3));
            const bool bit = quint8(bytes.at(mask + row * 4 + x / 8)) & (0x80 >> (x % 8));
            QVERIFY2(bit == (alpha == 0), qPrintable(QStringLiteral("stored row %1, column %2")
                                                         .arg(row).arg(x)));
            hidden += bit;
        }
    }
    QVERIFY(hidden > 0);
}

void AssetsTest::iconShowsBadgeAboveRibbons()
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        QSKIP("Qt's ICO reader is not installed");
    const QImage icon = QImage(":/assets/zelor.ico").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(32, 40));
    QVERIFY(icon.hasAlphaChannel());

    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(31, 39)), 0);

    // The round edge is smoothed by partly clear pixels, not cut hard, and
    // they keep the edge's colour: alpha is stored straight, since stored
    // premultiplied it would give the badge a dark fringe.
    int partial = 0, straight = 0;
    for (int x = 0; x < 32; ++x) {
        const QRgb pixel = icon.pixel(x, 3);
        if (qAlpha(pixel) == 0 || qAlpha(pixel) == 255)
            continue;
        ++partial;
        straight += qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) > qAlpha(pixel);
    }
    QVERIFY(partial >= 2);
    QVERIFY(straight >= 1);

    const QRgb disc = icon.pixel(4, 15);
    QCOMPARE(qAlpha(disc), 255);
    QVERIFY(qBlue(disc) > qRed(disc) + 60);

    const QRgb ribbon = icon.pixel(10, 33);
    QCOMPARE(qAlpha(ribbon), 255);
    QVERIFY(qRed(ribbon) > qBlue(ribbon) + 60);

    const QRgb letter = icon.pixel(16, 16);
    QVERIFY(qRed(letter) > 200 && qGreen(letter) > 200 && qBlue(letter) > 200);
}

void AssetsTest::backdropLayout()
{
    const QImage backdrop(":/assets/backdrop.bmp");
    QCOMPARE(backdrop.size(), QSize(640, 480));
    QVERIFY(!backdrop.hasAlphaChannel());

    // The left edge holds no text: pure gradient, dark at the top, getting
    // lighter row by row.
    int previous = -1;
    for (int y = 0; y < 480; ++y) {
        const QRgb pixel = backdrop.pixel(2, y);
        QVERIFY(isGrey(pixel));
        QVERIFY2(qRed(pixel) >= previous, qPrintable(QString::number(y)));
        previous = qRed(pixel);
    }
    QVERIFY(qRed(backdrop.pixel(2, 0)) < 20);
    QVERIFY(qRed(backdrop.pixel(2, 479)) > 50 && qRed(backdrop.pixel(2, 479)) < 110);

    const QRect whole = backdrop.rect();
    const QRect title = inkBox(backdrop, whole, [](QRgb p) {
        return qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
    });
    QVERIFY(!title.isEmpty());
    QVERIFY(title.top() > 20 && title.bottom() < 160);
    QVERIFY(title.width() > 320);
    QVERIFY(qAbs(title.center().x() - 320) <= 4);

    const auto lightGrey = [](QRgb p) { return isGrey(p) && qRed(p) > 150 && qRed(p) < 240; };
    const QRect subtitle = inkBox(backdrop, QRect(0, title.bottom() + 1, 640, 100), lightGrey);
    QVERIFY(!subtitle.isEmpty());
    QVERIFY(subtitle.top() - title.bottom() < 40);
    QVERIFY(qAbs(subtitle.center().x() - 320) <= 4);

    const auto white = [](QRgb p) { return qRed(p) > 245 && qGreen(p) > 245 && qBlue(p) > 245; };
    const QRect legend = inkBox(backdrop, QRect(0, 240, 640, 240), white);
    QVERIFY(!legend.isEmpty());
    QVERIFY(legend.left() > 320 && legend.top() > 400);
    QVERIFY(legend.right() < 639 && legend.bottom() < 479);
}

QTEST_GUILESS_MAIN(AssetsTest)
#include "tst_assets.moc"
