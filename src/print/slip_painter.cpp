#include "print/slip_painter.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace razoz {

QFont slipQFont(const SlipFont& f)
{
    QFont font(f.family);
    font.setPointSize(f.pointSize > 0 ? f.pointSize : 8);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

QPageLayout slipPageLayout(const SlipPaper& paper)
{
    const QPageSize size(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

void paintSlipPage(QPainter& painter, const SlipPage& page)
{
    QPaintDevice* device = painter.device();
    const double kx = device->logicalDpiX() / 96.0, ky = device->logicalDpiY() / 96.0;
    painter.save();
    if (!page.picturePath.isEmpty()) {
        QImageReader reader(page.picturePath);
        const QImage image = reader.read();
        if (!image.isNull()) {
            // At its own size, one pixel a unit; what lies beyond the picture frame is cut off.
            const QRect source(0, 0, std::min(image.width(), page.pictureWidth),
                               std::min(image.height(), page.pictureHeight));
            const QRectF target(page.pictureLeft * kx, page.pictureTop * ky, source.width() * kx, source.height() * ky);
            painter.drawImage(target, image, source);
        }
    }
    // Point sizes are the device's own: only positions are scaled.
    const QFont font(slipQFont(page.font), device);
    painter.setFont(font);
    painter.setPen(page.font.color);
    const double ascent = QFontMetricsF(font, device).ascent();
    auto draw = [&](const SlipLabel& label) {
        if (!label.enabled || label.caption.isEmpty() || !label.placed) return;
        painter.drawText(QPointF(label.left * kx, label.top * ky + ascent), label.caption);
    };
    for (const SlipLabel& box : page.boxes) draw(box);
    for (const SlipLabel& mark : page.marks) draw(mark);
    painter.restore();
}

void writeSlipPdf(const SlipPage& page, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SlipError(
            QStringLiteral("Die PDF-Datei kann nicht angelegt werden: %1 (%2)").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(page.title);
        writer.setCreator(QStringLiteral("Tallwicks Razoz"));
        writer.setResolution(1200);
        writer.setPageLayout(slipPageLayout(page.paper));
        QPainter painter;
        if (!painter.begin(&writer))
            throw SlipError(QStringLiteral("Die PDF-Datei kann nicht beschrieben werden: %1").arg(path));
        paintSlipPage(painter, page);
        painter.end();
    }
    if (!file.commit())
        throw SlipError(
            QStringLiteral("Die PDF-Datei kann nicht geschrieben werden: %1 (%2)").arg(path, file.errorString()));
}

} // namespace razoz
