#include "NakshatraPicture.h"

#include "DrawingStyle.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace nakshatraPicture {

namespace {

constexpr int supersampling = 4; // drawn four times larger, then reduced, for smooth edges
constexpr qreal titleMargin = 3.0; // px left free on each side of the name
constexpr qreal titleCentreY = 24.0; // px, middle of the name block
constexpr int maxTitlePixelSize = 19;
constexpr QPointF discCentre(39.5, 86.0);
constexpr qreal discRadius = 36.5; // px; the disc runs from y 49.5 to 122.5
constexpr qreal discRimWidth = 1.0; // px

// Debian's fonts-dancingscript; an italic serif stands in where it is missing.
const QString scriptFamily = QStringLiteral("Dancing Script");

QFont baseFont()
{
    if (QFontDatabase::families().contains(scriptFamily)) {
        QFont font(scriptFamily);
        font.setBold(true);
        return font;
    }
    qWarning("picturegen: font family \"Dancing Script\" not found, using an italic serif");
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setBold(true);
    return font;
}

void paintTitle(QPainter& painter, const QString& name, const QFont& font)
{
    const QStringList lines = titleLines(name);
    const QFontMetricsF metrics(font);
    const qreal lineSpacing = font.pixelSize() * 0.98;
    const qreal capHeight = metrics.capHeight();
    qreal baseline = titleCentreY - lineSpacing * (lines.size() - 1) / 2.0 + capHeight / 2.0;
    painter.setFont(font);
    painter.setPen(QColor(style::titleRed));
    for (const QString& line : lines) {
        const qreal lineWidth = metrics.horizontalAdvance(line);
        painter.drawText(QPointF((width - lineWidth) / 2.0, baseline), line);
        baseline += lineSpacing;
    }
}

void paintDisc(QPainter& painter, SymbolPainter paintSymbol)
{
    painter.setPen(QPen(QColor(style::discRim), discRimWidth));
    painter.setBrush(QColor(style::discYellow));
    painter.drawEllipse(discCentre, discRadius, discRadius);
    painter.save();
    painter.translate(discCentre);
    painter.scale(discRadius / 100.0, discRadius / 100.0);
    paintSymbol(painter);
    painter.restore();
}

} // namespace

QStringList titleLines(const QString& name)
{
    return name.split(QLatin1Char(' '));
}

QFont titleFont(const QStringList& names)
{
    QFont font = baseFont();
    font.setHintingPreference(QFont::PreferNoHinting); // drawn enlarged, so measure without hinting
    for (int size = maxTitlePixelSize; size > 8; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        bool fits = true;
        for (const QString& name : names) {
            for (const QString& line : titleLines(name)) {
                fits = fits && metrics.horizontalAdvance(line) <= width - 2 * titleMargin;
            }
        }
        if (fits) {
            break;
        }
    }
    return font;
}

QImage draw(const QString& name, SymbolPainter paintSymbol, const QFont& font)
{
    QImage large(width * supersampling, height * supersampling, QImage::Format_RGB32);
    large.fill(Qt::white);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(supersampling, supersampling);
        paintTitle(painter, name, font);
        paintDisc(painter, paintSymbol);
    }
    return large.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace nakshatraPicture
