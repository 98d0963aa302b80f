// Draws the pictures of the blank slips, "schein.jpg" … "schein12.jpg": for each state lottery's
// preset the twelve fields of 7 × 7 boxes and the day and add-on boxes, where its geometry prints
// the marks, so "Schein zum Test mit anzeigen" shows whether the marks fall into the boxes.
// Usage: razoz-slip-pictures OUTPUT_FOLDER
#include "print/slip.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace razoz;

namespace {

// A mark "x" is drawn from its top-left; its middle lies about this far in.
constexpr int kMarkMidX = 3, kMarkMidY = 6;
constexpr int kPictureLeft = 8, kPictureTop = 4;

QRect boxAround(int left, int top, int w, int h)
{
    return QRect(left + kMarkMidX - w / 2 - kPictureLeft, top + kMarkMidY - h / 2 - kPictureTop, w, h);
}

QImage drawSlip(const SlipPreset& preset)
{
    QImage image(753, 429, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const SlipGeometry& g = preset.geometry;
    const int T = preset.tippTop, L = preset.tippLeft;
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(6);
    QFont caption(QStringLiteral("DejaVu Sans"));
    caption.setPixelSize(9);
    const QColor red(200, 40, 40);
    const int w = std::max(6, g.fieldWidth - 3), h = std::max(6, g.fieldHeight - 4);
    for (int k = 0; k < kSlipFields; ++k) {
        // Row k of the grid in field k: the even grid rows carry the second-row correction.
        for (int n = 1; n <= 49; ++n) {
            const MarkPoint m = markPosition(SlipLayout::Blocks7x7, T, L, g, k, k, n);
            const QRect r = boxAround(m.left, m.top, w, h);
            p.setPen(red);
            p.drawRect(r);
            p.setFont(small);
            p.setPen(QColor(230, 150, 150));
            p.drawText(r, Qt::AlignCenter, QString::number(n));
        }
        const MarkPoint first = markPosition(SlipLayout::Blocks7x7, T, L, g, k, k, 1);
        p.setFont(caption);
        p.setPen(red);
        p.drawText(first.left - kPictureLeft, first.top - kPictureTop - 3, QString::number(k + 1));
    }
    static const char* names[kSlipBoxCount] = {"Sa", "Mi", "77 Ja", "77 Nein", "S6 Ja", "S6 Nein", "GS Ja", "GS Nein"};
    auto box = [&](const BoxOffset& o, const QString& text) {
        const QRect r = boxAround(L + o.left, T + o.top, 11, 11);
        p.setPen(QPen(QColor(40, 40, 160), 1));
        p.drawRect(r);
        p.setFont(small);
        p.drawText(r.right() + 2, r.bottom(), text);
    };
    for (int b = 0; b < kSlipBoxCount; ++b) {
        if (g.glueckOff && (b == Glueck || b == GlueckNein)) continue;
        box(g.boxes[b], QString::fromLatin1(names[b]));
    }
    if (g.bothDays) box(*g.bothDays, QStringLiteral("Sa+Mi"));
    p.setFont(caption);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 405, 753, 20), Qt::AlignCenter,
               QStringLiteral("Lottoschein (Schema) – %1").arg(preset.caption.trimmed()));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: razoz-slip-pictures OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const SlipPreset& preset : slipPresets()) {
        const QString path = out.filePath(preset.picture);
        if (!drawSlip(preset).save(path, "JPG", 90)) {
            std::fprintf(stderr, "razoz-slip-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
