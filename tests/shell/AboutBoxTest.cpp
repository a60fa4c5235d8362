#include "desktop/LinkLabel.h"
#include "desktop/WebAddresses.h"
#include "shell/FrmAbout.h"
#include "tests/support/FrmAboutDriver.h"
#include "tests/support/SeamFixture.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

class AboutBoxTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void showsNameDescriptionAndOffer();
    void linksOpenPages_data();
    void linksOpenPages();
    void okClosesTheBox();
};

void AboutBoxTest::showsNameDescriptionAndOffer()
{
    FrmAbout about;
    const FrmAboutDriver box(&about);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(about.isModal());
    QVERIFY(!box.child<QLabel>("Picture1")->pixmap().isNull());
    QCOMPARE(box.textOf("Label2"), QStringLiteral("Ondara v1.90"));
    const QString description = box.textOf("Label1");
    for (const char* subject :
         {"nakshatra", "Vedic astrology", "Moon", "dashas", "sun sign", "positive and negative", "All rights"}) {
        QVERIFY2(description.contains(QLatin1String(subject)), subject);
    }
    QCOMPARE(box.textOf("Label3"),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                            "Get this software fully branded for your website."));
    QCOMPARE(box.child<QFrame>("Line1")->frameShape(), QFrame::HLine);
    QVERIFY(box.child<LinkLabel>("lblHomePage")->text().contains(QLatin1String(WebAddresses::siteName)));
    // The atlas's data licence asks for a credit where the program names its sources.
    const QString credit = box.textOf("lblAtlasCredit");
    QVERIFY2(credit.contains(QLatin1String("GeoNames")) && credit.contains(QLatin1String("CC BY 4.0")),
             qPrintable(credit));
}

void AboutBoxTest::linksOpenPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");
    QTest::newRow("lblCoBrand") << "lblCoBrand" << QString::fromLatin1(WebAddresses::fullBrandPage);
    QTest::newRow("lblHomePage") << "lblHomePage" << QString::fromLatin1(WebAddresses::homePage);
}

void AboutBoxTest::linksOpenPages()
{
    QFETCH(QString, label);
    QFETCH(QString, page);
    FrmAbout about;
    const FrmAboutDriver box(&about);
    QVERIFY(box.show());
    QTest::mouseClick(box.child<LinkLabel>(qPrintable(label)), Qt::LeftButton);
    QCOMPARE(seams().urls.openedStrings(), QStringList {page});
    QVERIFY(about.isVisible());
}

void AboutBoxTest::okClosesTheBox()
{
    FrmAbout about;
    const FrmAboutDriver box(&about);
    QVERIFY(box.show());
    QCOMPARE(box.textOf("cmdOK"), QStringLiteral("OK"));
    box.pressOk();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
