// Draws the title art, the help button face and the credit line of Quorvane.
// The pictures are written at twice their logical size so that they stay crisp on
// high-density screens; their dots-per-meter tell the loader the device pixel ratio.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTextStream>

#include <functional>

namespace {

constexpr int kScale = 2;
// The loader reads 3780 dots per meter (96 dpi) as a device pixel ratio of 1.
constexpr int kDotsPerMeter = kScale * 3780;
const QString kFamily = QStringLiteral("DejaVu Sans");

const QColor kBlue(0x1f, 0x3a, 0x93);
const QColor kGrey(0x5f, 0x63, 0x68);

QFont makeFont(qreal pixelSize, QFont::Weight weight, bool italic = false) {
    QFont font(kFamily);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setItalic(italic);
    // Hinted outlines would snap to the logical pixel grid, not the doubled one drawn on.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text as a path, so that it can be placed by its true ink box rather than font metrics.
QPainterPath textPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Where the calculator window places the title art and the credit line, in logical pixels.
constexpr qreal kTitleOffsetY = -12;
constexpr qreal kCreditTop = 54;
// The baseline of the name in the title art.
constexpr qreal kNameBaseline = 88;

void drawTitle(QPainter& p) {
    // The calculator window hides the leftmost 31 and top 12 logical pixels.
    constexpr qreal left = 44;
    constexpr qreal right = 312;
    constexpr qreal gap = 4;
    constexpr qreal gridToName = 12;

    // The name is sized so that the grid and the name together fill the width of the art.
    QFont nameFont = makeFont(100, QFont::Bold);
    const QString nameText = QStringLiteral("Quorvane");
    const qreal capAt100 = QFontMetricsF(nameFont).capHeight();
    const qreal inkAt100 = textPath(nameText, nameFont).boundingRect().width();
    // The grid is two cells and a gap wide; three cells and two gaps make up the cap height.
    const qreal perPixelSize = inkAt100 / 100 + 2 * capAt100 / 100 / 3;
    const qreal fixedWidth = gridToName + gap - 4 * gap / 3;
    nameFont = makeFont((right - left - fixedWidth) / perPixelSize, QFont::Bold);

    QPainterPath name = textPath(nameText, nameFont);
    const qreal capHeight = QFontMetricsF(nameFont).capHeight();
    const qreal cell = (capHeight - 2 * gap) / 3;
    const qreal gridTop = kNameBaseline - capHeight;

    // A small 3 x 2 grid of cells, shaded like a loading matrix.
    const int shades[3][2] = {{255, 95}, {160, 210}, {95, 235}};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            QColor c = kBlue;
            c.setAlpha(shades[row][col]);
            p.setBrush(c);
            p.drawRoundedRect(
                QRectF(left + col * (cell + gap), gridTop + row * (cell + gap), cell, cell), 2.5,
                2.5);
        }
    }

    const qreal nameLeft = left + 2 * cell + gap + gridToName;
    name.translate(nameLeft - name.boundingRect().left(), kNameBaseline);
    p.setBrush(kBlue);
    p.drawPath(name);
    const qreal nameRight = name.boundingRect().right();

    // A thin rule under the name, fading out to the right, spans the whole art.
    const qreal ruleY = kNameBaseline + 20;
    QLinearGradient rule(left, 0, nameRight, 0);
    rule.setColorAt(0, kBlue);
    QColor fade = kBlue;
    fade.setAlpha(40);
    rule.setColorAt(1, fade);
    p.setBrush(rule);
    p.drawRect(QRectF(left, ruleY, nameRight - left, 1.5));

    const QFont subtitleFont = makeFont(18, QFont::Normal);
    QPainterPath subtitle = textPath(QStringLiteral("Structure matrix calculator"), subtitleFont);
    subtitle.translate(left - subtitle.boundingRect().left(), ruleY + 28);
    p.setBrush(kGrey);
    p.drawPath(subtitle);
}

void drawHelpButton(QPainter& p) {
    const QRectF face(2, 2, 44, 44);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, kBlue.lighter(135));
    fill.setColorAt(1, kBlue);
    p.setPen(QPen(kBlue.darker(130), 1.0));
    p.setBrush(fill);
    p.drawEllipse(face);

    QPainterPath mark = textPath(QStringLiteral("?"), makeFont(32, QFont::Bold));
    const QRectF ink = mark.boundingRect();
    mark.translate(face.center() - ink.center());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(mark);
}

void drawCredit(QPainter& p) {
    // The baseline lines up with the title's name when both sit in the calculator window.
    constexpr qreal width = 316;
    constexpr qreal rightMargin = 6;
    constexpr qreal baseline = kNameBaseline + kTitleOffsetY - kCreditTop;
    const QFont font = makeFont(17, QFont::Normal, true);
    const QString text = QStringLiteral("by the Quorvane authors");
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    QPainterPath credit = textPath(text, font);
    credit.translate(width - rightMargin - advance, baseline);
    p.setPen(Qt::NoPen);
    p.setBrush(kGrey);
    p.drawPath(credit);
}

bool writePicture(const QDir& dir, const QString& name, int width, int height,
                  const std::function<void(QPainter&)>& draw) {
    QImage image(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(kScale);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        QTextStream(stderr) << "picturegen: cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << "wrote " << path << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: picturegen OUTPUT_FOLDER\n";
        return 2;
    }

    // A substitute font would silently change every picture.
    const QFontInfo info(QFont{kFamily});
    if (info.family() != kFamily) {
        QTextStream(stderr) << "picturegen: font " << kFamily << " not found (got " << info.family()
                            << ")\n";
        return 1;
    }

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "picturegen: cannot create " << dir.path() << '\n';
        return 1;
    }

    const bool ok = writePicture(dir, QStringLiteral("Stitle.png"), 325, 175, drawTitle) &&
                    writePicture(dir, QStringLiteral("Q.png"), 48, 48, drawHelpButton) &&
                    writePicture(dir, QStringLiteral("by.png"), 316, 49, drawCredit);
    return ok ? 0 : 1;
}
