// makepictures: draws the pictures Pipfall's table shows (the logo and the six
// die faces) and writes them into the directory given on the command line.
//
// Every picture is drawn from vectors in a fixed logical size and multiplied by
// a scale factor, so the @2x files are real double-density drawings rather than
// enlarged copies of the 1x ones.

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontInfo>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QTransform>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDieSize = 39;    // die face, logical pixels
constexpr int kLogoWidth = 122; // logo, logical pixels
constexpr int kLogoHeight = 98;

// Where a pip sits on the face's 3 x 3 grid: column 0 is the left one and
// row 0 the top one.
struct Cell {
    int col;
    int row;
};

std::vector<Cell> pipCells(int value) {
    switch (value) {
    case 1:
        return {{1, 1}};
    case 2:
        return {{2, 0}, {0, 2}};
    case 3:
        return {{2, 0}, {1, 1}, {0, 2}};
    case 4:
        return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5:
        return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6:
        return {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
    default:
        return {};
    }
}

struct DieStyle {
    QColor face;
    QColor edge;
    QColor pip;
    qreal edgeWidth;   // logical pixels
    qreal radius;      // corner radius, logical pixels
    qreal pipDiameter; // logical pixels
    qreal pipStep;     // distance between pip columns, logical pixels
};

// Draws a die face of logical side `side` whose top-left corner is at the
// painter's origin. The caller sets up any scale or rotation.
void drawDie(QPainter& p, qreal side, int value, const DieStyle& style) {
    const qreal half = style.edgeWidth / 2.0;
    const QRectF body(half, half, side - style.edgeWidth, side - style.edgeWidth);

    p.setPen(style.edgeWidth > 0 ? QPen(style.edge, style.edgeWidth) : QPen(Qt::NoPen));
    p.setBrush(style.face);
    p.drawRoundedRect(body, style.radius, style.radius);

    p.setPen(Qt::NoPen);
    p.setBrush(style.pip);
    const qreal centre = side / 2.0;
    const qreal r = style.pipDiameter / 2.0;
    for (const Cell& c : pipCells(value)) {
        const QPointF at(centre + (c.col - 1) * style.pipStep,
                         centre + (c.row - 1) * style.pipStep);
        p.drawEllipse(at, r, r);
    }
}

QImage blankImage(int width, int height, int scale) {
    QImage img(width * scale, height * scale, QImage::Format_RGB888);
    img.fill(Qt::white);
    return img;
}

QImage makeDieFace(int value, int scale) {
    QImage img = blankImage(kDieSize, kDieSize, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);

    // With a 39 px side the pip columns sit at 9.5, 19.5 and 29.5, so 7 px
    // pips cover whole pixels (6..13, 16..23, 26..33) and stay sharp at 1x.
    const DieStyle style{
        QColor(253, 253, 250), // face
        QColor(150, 150, 150), // edge
        QColor(0, 0, 0),       // pip
        1.0,                   // edgeWidth
        6.0,                   // radius
        7.0,                   // pipDiameter
        10.0,                  // pipStep
    };
    drawDie(p, kDieSize, value, style);
    p.end();
    return img;
}

// Returns `text` as an outline with its baseline on y = 0 and the left edge of
// its ink on x = 0.
QPainterPath baselineOutline(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromTranslate(-path.boundingRect().left(), 0).map(path);
}

QImage makeLogo(int scale) {
    QImage img = blankImage(kLogoWidth, kLogoHeight, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);

    // The red die, showing three and turned as if tumbling, near the top centre.
    const qreal dieSide = 27.0;
    const DieStyle red{
        QColor(214, 30, 36),   // face
        QColor(160, 16, 22),   // edge
        QColor(255, 255, 255), // pip
        1.0,                   // edgeWidth
        5.5,                   // radius
        5.2,                   // pipDiameter
        7.4,                   // pipStep
    };
    p.save();
    p.translate(kLogoWidth / 2.0, 17.5);
    p.rotate(-17.0);
    p.translate(-dieSide / 2.0, -dieSide / 2.0);
    drawDie(p, dieSide, 3, red);
    p.restore();

    // The two-line wordmark, drawn as outlines so that both densities come
    // out of the same geometry. The font is loaded at 100 px and scaled down;
    // the scale is picked so the capital height is a whole number of pixels,
    // and the baselines and cap line are put on pixel edges, which keeps the
    // flat tops and feet of the letters sharp at 1x.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6.0);
    if (QFontInfo(font).family() != font.family())
        std::fprintf(stderr, "makepictures: warning: %s is not installed, the logo uses %s\n",
                     qPrintable(font.family()), qPrintable(QFontInfo(font).family()));

    const QPainterPath pip = baselineOutline(QStringLiteral("Pip"), font);
    const QPainterPath fall = baselineOutline(QStringLiteral("fall"), font);
    const qreal capHeight = -baselineOutline(QStringLiteral("P"), font).boundingRect().top();

    const qreal capPixels = 23.0;          // height of the P
    const qreal k = capPixels / capHeight; // font units to logo pixels
    const qreal firstBaseline = 60.0;      // "Pip"; its p hangs below
    const qreal secondBaseline = 95.0;     // "fall"
    const qreal widen = 1.25;              // a slightly extended face suits the wide box

    // Both lines get the width of "Pip" so the block has straight sides.
    const qreal width = std::round(pip.boundingRect().width() * k * widen);
    const qreal left = std::floor((kLogoWidth - width) / 2.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    auto place = [&](const QPainterPath& path, qreal baseline) {
        QTransform t;
        t.translate(left, baseline);
        t.scale(width / path.boundingRect().width(), k);
        p.drawPath(t.map(path));
    };
    place(pip, firstBaseline);
    place(fall, secondBaseline);
    p.end();
    return img;
}

bool save(const QImage& img, const QDir& dir, const QString& name, const char* format) {
    const QString path = dir.filePath(name);
    if (!img.save(path, format)) {
        std::fprintf(stderr, "makepictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: makepictures OUTDIR\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "makepictures: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    bool ok = true;
    ok &= save(makeLogo(1), dir, QStringLiteral("logo.bmp"), "BMP");
    ok &= save(makeLogo(2), dir, QStringLiteral("logo@2x.png"), "PNG");
    for (int v = 1; v <= 6; ++v) {
        ok &= save(makeDieFace(v, 1), dir, QStringLiteral("imgdie%1.bmp").arg(v), "BMP");
        ok &= save(makeDieFace(v, 2), dir, QStringLiteral("imgdie%1@2x.png").arg(v), "PNG");
    }
    return ok ? 0 : 1;
}
