#include "desktop/KeptPanelStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

QImage rendered(QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

int largestDifference(const QImage& shown, const QImage& expected)
{
    int largest = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return largest;
}

} // namespace

// A read-only edit drawn through the kept panels looks as one the application's style draws, the first time and
// every time after, at each size.
class KeptPanelStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void looksAsTheApplicationsStyleDraws_data();
    void looksAsTheApplicationsStyleDraws();
};

void KeptPanelStyleTest::looksAsTheApplicationsStyleDraws_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::newRow("an attribute box") << QSize(235, 22) << 1.0;
    QTest::newRow("a narrow box") << QSize(40, 22) << 1.0;
}

void KeptPanelStyleTest::looksAsTheApplicationsStyleDraws()
{
    QFETCH(QSize, size);
    QFETCH(qreal, devicePixelRatio);
    KeptPanelStyle kept;
    QLineEdit plain(QStringLiteral("Ketu"));
    QLineEdit throughKept(QStringLiteral("Ketu"));
    throughKept.setStyle(&kept);
    for (QLineEdit* edit : {&plain, &throughKept}) {
        edit->setReadOnly(true);
        edit->resize(size);
    }
    const QImage expected = rendered(plain, devicePixelRatio);
    for (int paint = 1; paint <= 2; ++paint) {
        QCOMPARE_LE(largestDifference(rendered(throughKept, devicePixelRatio), expected), 2);
    }
}

QTEST_MAIN(KeptPanelStyleTest)
#include "KeptPanelStyleTest.moc"
