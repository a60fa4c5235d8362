#include "desktop/KeptPanelStyle.h"

#include "tests/support/WidgetImages.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

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
    const QImage expected = renderedWidget(plain, devicePixelRatio, Qt::white);
    for (int paint = 1; paint <= 2; ++paint) {
        QCOMPARE_LE(largestChannelDifference(renderedWidget(throughKept, devicePixelRatio, Qt::white), expected), 2);
    }
}

QTEST_MAIN(KeptPanelStyleTest)
#include "KeptPanelStyleTest.moc"
