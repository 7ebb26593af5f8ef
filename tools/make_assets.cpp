// Draws the program's pictures and writes them, byte for byte the same on
// every run, into the folder given on the command line:
//
//   zelor.ico     the application icon: one 32 x 40 image, 32 bits with alpha
//   backdrop.bmp  the full-screen backdrop: 640 x 480, 24 bits, uncompressed
//   zelor-os.png  the same badge as a 48 x 48 icon for Linux desktops
//
// The ICO and BMP byte layouts are written here rather than by QImage's
// writers, so that every header field is ours and stays put across Qt
// versions. Text is filled as outlines from fixed font files, loaded directly
// instead of chosen by fontconfig, so that neither the installed font set nor
// the hinting settings of the machine can change a pixel.
//
// See tools/README.md for how to rebuild and rerun it.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

// ---- Fonts (fonts-dejavu-core) -------------------------------------------

constexpr auto kBoldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr auto kRegularFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// ---- File format constants -------------------------------------------------

constexpr int kFileHeaderSize = 14;   // BITMAPFILEHEADER
constexpr int kInfoHeaderSize = 40;   // BITMAPINFOHEADER
constexpr int kIconDirSize = 6;       // ICONDIR
constexpr int kIconDirEntrySize = 16; // ICONDIRENTRY
constexpr quint16 kBmpMagic = 0x4D42; // "BM"
constexpr quint16 kIconResourceType = 1;
constexpr quint32 kUncompressed = 0;  // BI_RGB

// ---- The icon ----------------------------------------------------------------

constexpr int kIconWidth = 32;
constexpr int kIconHeight = 40;
constexpr int kIconBitsPerPixel = 32;
constexpr int kIconBytesPerPixel = kIconBitsPerPixel / 8;
// One bit per pixel, rows padded to whole 32-bit words.
constexpr int kMaskRowBytes = (kIconWidth + 31) / 32 * 4;
constexpr int kIconColourBytes = kIconWidth * kIconHeight * kIconBytesPerPixel;
constexpr int kIconMaskBytes = kMaskRowBytes * kIconHeight;
constexpr int kIconImageBytes = kInfoHeaderSize + kIconColourBytes + kIconMaskBytes;
constexpr int kIconImageOffset = kIconDirSize + kIconDirEntrySize;
static_assert(kIconImageOffset + kIconImageBytes == 5342);

// The badge is drawn in icon pixels; the PNG draws it scaled up.
constexpr QPointF kDiscCentre{16.0, 15.5};
constexpr qreal kDiscRadius = 15.5;
constexpr QPointF kDiscHighlight{11.5, 10.0};
constexpr qreal kRingRadius = 13.0;
constexpr qreal kRingWidth = 1.0;
constexpr qreal kLetterPixelSize = 21.0;
constexpr QPointF kLetterShadowOffset{0.7, 0.9};
constexpr auto kBadgeLetter = "Z";

const QColor kDiscLight{0x9C, 0xCB, 0xFF};
const QColor kDiscMiddle{0x35, 0x7C, 0xDB};
const QColor kDiscDark{0x16, 0x3A, 0x8A};
const QColor kRingColour{0xE4, 0xF0, 0xFF, 0xB0};
const QColor kLetterColour{0xFF, 0xFF, 0xFF};
const QColor kLetterShadow{0x0A, 0x1E, 0x50, 0xA0};
const QColor kRibbonColour{0xC8, 0x22, 0x28};
const QColor kRibbonEdge{0x7A, 0x10, 0x14};

// The two ribbon tails that hang below the disc; the right one is the mirror
// image of the left one.
const QPolygonF kLeftRibbon{QList<QPointF>{
    {8.5, 22.0}, {16.0, 26.0}, {13.5, 39.5}, {10.0, 36.0}, {5.5, 39.5}}};

// ---- The Linux desktop icon -------------------------------------------------

constexpr int kPngSize = 48;
constexpr qreal kPngScale = qreal(kPngSize) / kIconHeight;

// ---- The backdrop ------------------------------------------------------------

constexpr int kBackdropWidth = 640;
constexpr int kBackdropHeight = 480;
constexpr int kBackdropBitsPerPixel = 24;
constexpr int kBackdropBytesPerPixel = kBackdropBitsPerPixel / 8;
// Rows are padded to whole 32-bit words; 640 * 3 needs none.
constexpr int kBackdropRowBytes = (kBackdropWidth * kBackdropBytesPerPixel + 3) / 4 * 4;
constexpr int kBackdropPixelBytes = kBackdropRowBytes * kBackdropHeight;
constexpr int kBackdropPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr int kBackdropFileBytes = kBackdropPixelOffset + kBackdropPixelBytes;
static_assert(kBackdropFileBytes == 921654);
constexpr qint32 kPixelsPerMetre = 3780; // 96 dots per inch

constexpr int kGradientTop = 8;     // grey level of the first row
constexpr int kGradientBottom = 76; // grey level of the last row

constexpr auto kTitle = "Z.E.L.O.R. os";
constexpr qreal kTitlePixelSize = 72.0;
constexpr qreal kTitleTop = 64.0;   // top of the letters
constexpr QPointF kTitleShadowOffset{3.0, 3.0};
const QColor kTitleColour{0xE0, 0x1B, 0x1B};
const QColor kTitleShadow{0x00, 0x00, 0x00, 0xA0};

constexpr auto kSubtitle = "Pre-release version 0.00.0002";
constexpr qreal kSubtitlePixelSize = 22.0;
constexpr qreal kSubtitleGap = 18.0; // between the title's letters and the subtitle's
const QColor kSubtitleColour{0xC8, 0xC8, 0xC8};

constexpr auto kLegend = "Installing ZELOR os...";
constexpr qreal kLegendPixelSize = 18.0;
constexpr qreal kLegendMargin = 24.0; // from the right and bottom edges
const QColor kLegendColour{0xFF, 0xFF, 0xFF};

// ---- Byte writing --------------------------------------------------------------

// Appends little-endian fields, the byte order of both file formats.
class LittleEndian {
public:
    explicit LittleEndian(QByteArray &out) : m_out(out) {}
    void u8(quint8 value) { m_out.append(char(value)); }
    void u16(quint16 value)
    {
        u8(quint8(value));
        u8(quint8(value >> 8));
    }
    void u32(quint32 value)
    {
        u16(quint16(value));
        u16(quint16(value >> 16));
    }
    void i32(qint32 value) { u32(quint32(value)); }

private:
    QByteArray &m_out;
};

void writeInfoHeader(LittleEndian &out, qint32 width, qint32 height, quint16 bitsPerPixel,
                     quint32 imageBytes, qint32 pixelsPerMetre)
{
    out.u32(kInfoHeaderSize);
    out.i32(width);
    out.i32(height); // positive: rows are stored bottom-up
    out.u16(1);      // planes
    out.u16(bitsPerPixel);
    out.u32(kUncompressed);
    out.u32(imageBytes);
    out.i32(pixelsPerMetre);
    out.i32(pixelsPerMetre);
    out.u32(0); // colours used: no palette
    out.u32(0); // important colours: all
}

// ---- Fonts ---------------------------------------------------------------------

struct Fonts {
    QString bold;
    QString regular;
};

QString loadFamily(const char *file)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        std::fprintf(stderr, "make_assets: cannot load the font %s\n", file);
        return {};
    }
    return families.first();
}

QFont fontOf(const QString &family, bool bold, qreal pixelSize)
{
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(qRound(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    return font;
}

// The outline of a text whose ink's top-left corner is at the origin, so that
// it can be placed by what the eye sees rather than by font metrics.
QPainterPath textOutline(const QFont &font, const QString &text)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    return path.translated(-ink.topLeft());
}

void fillWithShadow(QPainter &painter, const QPainterPath &path, const QColor &colour,
                    const QPointF &shadowOffset, const QColor &shadowColour)
{
    painter.fillPath(path.translated(shadowOffset), shadowColour);
    painter.fillPath(path, colour);
}

// ---- The badge -----------------------------------------------------------------

QPolygonF mirrored(const QPolygonF &polygon)
{
    QPolygonF result;
    for (const QPointF &point : polygon)
        result << QPointF(kIconWidth - point.x(), point.y());
    return result;
}

// Draws the badge into a kIconWidth x kIconHeight area at the painter's origin.
void paintBadge(QPainter &painter, const Fonts &fonts)
{
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(kRibbonEdge, 0.8));
    painter.setBrush(kRibbonColour);
    painter.drawPolygon(kLeftRibbon);
    painter.drawPolygon(mirrored(kLeftRibbon));

    QRadialGradient shading(kDiscCentre, kDiscRadius, kDiscHighlight);
    shading.setColorAt(0.0, kDiscLight);
    shading.setColorAt(0.55, kDiscMiddle);
    shading.setColorAt(1.0, kDiscDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shading);
    painter.drawEllipse(kDiscCentre, kDiscRadius, kDiscRadius);

    painter.setPen(QPen(kRingColour, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kDiscCentre, kRingRadius, kRingRadius);

    const QPainterPath letter = textOutline(fontOf(fonts.bold, true, kLetterPixelSize),
                                            QString::fromLatin1(kBadgeLetter));
    const QRectF ink = letter.boundingRect();
    const QPainterPath placed = letter.translated(kDiscCentre - ink.center());
    fillWithShadow(painter, placed, kLetterColour, kLetterShadowOffset, kLetterShadow);
}

QImage drawBadge(const Fonts &fonts)
{
    QImage image(kIconWidth, kIconHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBadge(painter, fonts);
    painter.end();
    // The icon stores straight (not premultiplied) alpha.
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawDesktopIcon(const Fonts &fonts)
{
    QImage image(kPngSize, kPngSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate((kPngSize - kIconWidth * kPngScale) / 2, 0);
    painter.scale(kPngScale, kPngScale);
    paintBadge(painter, fonts);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray encodeIcon(const QImage &badge)
{
    QByteArray bytes;
    LittleEndian out(bytes);

    out.u16(0); // reserved
    out.u16(kIconResourceType);
    out.u16(1); // one image

    out.u8(kIconWidth);
    out.u8(kIconHeight);
    out.u8(0); // colours in a palette: none
    out.u8(0); // reserved
    out.u16(1); // planes
    out.u16(kIconBitsPerPixel);
    out.u32(kIconImageBytes);
    out.u32(kIconImageOffset);

    // An icon image's header counts the colour rows and the mask rows together.
    writeInfoHeader(out, kIconWidth, 2 * kIconHeight, kIconBitsPerPixel,
                    kIconColourBytes + kIconMaskBytes, 0);

    for (int y = kIconHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kIconWidth; ++x) {
            const QRgb pixel = badge.pixel(x, y);
            out.u8(quint8(qBlue(pixel)));
            out.u8(quint8(qGreen(pixel)));
            out.u8(quint8(qRed(pixel)));
            out.u8(quint8(qAlpha(pixel)));
        }
    }

    // The mask is what a system without alpha blending uses: a set bit
    // leaves the screen showing through, so only fully clear pixels get one.
    for (int y = kIconHeight - 1; y >= 0; --y) {
        QByteArray row(kMaskRowBytes, '\0');
        for (int x = 0; x < kIconWidth; ++x) {
            if (qAlpha(badge.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(row);
    }
    return bytes;
}

// ---- The backdrop ----------------------------------------------------------------

int gradientLevel(int row)
{
    const int span = kBackdropHeight - 1;
    return kGradientTop + ((kGradientBottom - kGradientTop) * row + span / 2) / span;
}

QImage drawBackdrop(const Fonts &fonts)
{
    QImage image(kBackdropWidth, kBackdropHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBackdropHeight; ++y) {
        const int level = gradientLevel(y);
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kBackdropWidth; ++x)
            row[x] = qRgb(level, level, level);
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPainterPath title = textOutline(fontOf(fonts.bold, true, kTitlePixelSize),
                                           QString::fromLatin1(kTitle));
    const QRectF titleInk = title.boundingRect();
    const QPointF titleAt((kBackdropWidth - titleInk.width()) / 2, kTitleTop);
    fillWithShadow(painter, title.translated(titleAt), kTitleColour, kTitleShadowOffset,
                   kTitleShadow);

    const QPainterPath subtitle = textOutline(
        fontOf(fonts.regular, false, kSubtitlePixelSize), QString::fromLatin1(kSubtitle));
    const QPointF subtitleAt((kBackdropWidth - subtitle.boundingRect().width()) / 2,
                             kTitleTop + titleInk.height() + kSubtitleGap);
    painter.fillPath(subtitle.translated(subtitleAt), kSubtitleColour);

    const QPainterPath legend = textOutline(fontOf(fonts.bold, true, kLegendPixelSize),
                                            QString::fromLatin1(kLegend));
    const QRectF legendInk = legend.boundingRect();
    const QPointF legendAt(kBackdropWidth - kLegendMargin - legendInk.width(),
                           kBackdropHeight - kLegendMargin - legendInk.height());
    painter.fillPath(legend.translated(legendAt), kLegendColour);

    painter.end();
    return image;
}

QByteArray encodeBackdrop(const QImage &backdrop)
{
    QByteArray bytes;
    LittleEndian out(bytes);

    out.u16(kBmpMagic);
    out.u32(kBackdropFileBytes);
    out.u16(0); // reserved
    out.u16(0); // reserved
    out.u32(kBackdropPixelOffset);

    writeInfoHeader(out, kBackdropWidth, kBackdropHeight, kBackdropBitsPerPixel,
                    kBackdropPixelBytes, kPixelsPerMetre);

    constexpr int padding = kBackdropRowBytes - kBackdropWidth * kBackdropBytesPerPixel;
    for (int y = kBackdropHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kBackdropWidth; ++x) {
            const QRgb pixel = backdrop.pixel(x, y);
            out.u8(quint8(qBlue(pixel)));
            out.u8(quint8(qGreen(pixel)));
            out.u8(quint8(qRed(pixel)));
        }
        for (int i = 0; i < padding; ++i)
            out.u8(0);
    }
    return bytes;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) ? bytes : QByteArray();
}

bool writeFile(const QDir &folder, const char *name, const QByteArray &bytes)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Only the offscreen platform draws the same everywhere, display or not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_assets: no folder %s\n", qPrintable(args.at(1)));
        return 2;
    }

    const Fonts fonts{loadFamily(kBoldFontFile), loadFamily(kRegularFontFile)};
    if (fonts.bold.isEmpty() || fonts.regular.isEmpty())
        return 1;

    const QImage badge = drawBadge(fonts);
    const bool written = writeFile(folder, "zelor.ico", encodeIcon(badge))
        && writeFile(folder, "backdrop.bmp", encodeBackdrop(drawBackdrop(fonts)))
        && writeFile(folder, "zelor-os.png", encodePng(drawDesktopIcon(fonts)));
    return written ? 0 : 1;
}
