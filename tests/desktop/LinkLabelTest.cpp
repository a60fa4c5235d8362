#include "desktop/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// The link label remembers its height for each width; what it remembers must never outlive the text or the font
// it was measured with. A plain QLabel with the same text and font is the yardstick.
class LinkLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void heightFollowsTheText();
    void heightFollowsTheFont();
    void measuresAsAPlainLabel_data();
    void measuresAsAPlainLabel();
    void keysAndLeftClickPressTheLink_data();
    void keysAndLeftClickPressTheLink();
    void storedCaptionShowsOneAmpersand();
    void screenReadersMeetALinkThatCanBePressed();
    void keyboardFocusIsDrawn();
};

namespace {

int plainHeight(const QString& text, const QFont& font, int width)
{
    QLabel label(text);
    label.setWordWrap(true);
    label.setFont(font);
    return label.heightForWidth(width);
}

const QString shortText = QStringLiteral("Click here.");
const QString longText = QStringLiteral(
    "Our discussion board is the friendliest place on the web to talk about astrology. Come and join in!");

} // namespace

void LinkLabelTest::heightFollowsTheText()
{
    LinkLabel link(shortText);
    const int width = 120;
    QCOMPARE(link.heightForWidth(width), plainHeight(shortText, link.font(), width));

    link.setText(longText);
    QCOMPARE(link.heightForWidth(width), plainHeight(longText, link.font(), width));
    QVERIFY(link.heightForWidth(width) > plainHeight(shortText, link.font(), width));

    link.setText(shortText);
    QCOMPARE(link.heightForWidth(width), plainHeight(shortText, link.font(), width));
}

void LinkLabelTest::heightFollowsTheFont()
{
    LinkLabel link(longText);
    const int width = 200;
    const int before = link.heightForWidth(width);

    QFont larger = link.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    link.setFont(larger);

    QCOMPARE(link.heightForWidth(width), plainHeight(longText, larger, width));
    QVERIFY(link.heightForWidth(width) > before);
}

// The label shapes its text once and lays it out again for each width; its sizes must stay those of a plain label,
// which measures from scratch each time: at widths that break lines in different places, one word to a line and all
// on one line.
void LinkLabelTest::measuresAsAPlainLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    const QString offer = QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                         "online. Get this software fully branded for your website. Click here for "
                                         "more details.");
    QTest::newRow("a long offer") << offer << 9.0;
    QTest::newRow("a long offer, larger") << offer << 13.5;
    QTest::newRow("the board") << longText << 9.0;
    QTest::newRow("one short line") << shortText << 9.0;
    QTest::newRow("a line break") << QStringLiteral("First line\nand a second, longer line of words") << 9.0;
}

void LinkLabelTest::measuresAsAPlainLabel()
{
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    LinkLabel link(text);
    QFont font = link.font();
    font.setPointSizeF(pointSize);
    link.setFont(font);
    QLabel plain(text);
    plain.setWordWrap(true);
    plain.setFont(font);
    for (const int width : {30, 61, 97, 150, 233, 377, 610, 987, QWIDGETSIZE_MAX}) {
        QCOMPARE(link.heightForWidth(width), plain.heightForWidth(width));
    }
}

void LinkLabelTest::keysAndLeftClickPressTheLink_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::newRow("space") << int(Qt::Key_Space) << 1;
    QTest::newRow("return") << int(Qt::Key_Return) << 1;
    QTest::newRow("enter") << int(Qt::Key_Enter) << 1;
    QTest::newRow("a letter") << int(Qt::Key_A) << 0;
}

void LinkLabelTest::keysAndLeftClickPressTheLink()
{
    QFETCH(int, key);
    QFETCH(int, presses);
    LinkLabel link(shortText);
    QSignalSpy clicked(&link, &LinkLabel::clicked);
    QTest::keyClick(&link, static_cast<Qt::Key>(key));
    QCOMPARE(clicked.size(), presses);
    QTest::mouseClick(&link, Qt::RightButton);
    QCOMPARE(clicked.size(), presses);
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(clicked.size(), presses + 1);
}

void LinkLabelTest::storedCaptionShowsOneAmpersand()
{
    LinkLabel* link = LinkLabel::named("lblTest", QStringLiteral("Latitude && Longitude"));
    QCOMPARE(link->text(), QStringLiteral("Latitude & Longitude"));
    QCOMPARE(link->accessibleName(), QStringLiteral("Latitude & Longitude"));
    QCOMPARE(link->objectName(), QStringLiteral("lblTest"));
    delete link;
}

void LinkLabelTest::screenReadersMeetALinkThatCanBePressed()
{
    LinkLabel link(shortText);
    link.setAccessibleName(shortText);
    QSignalSpy clicked(&link, &LinkLabel::clicked);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&link);
    if (accessible == nullptr) {
        QFAIL("the link label has no accessible interface");
        return;
    }
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), shortText);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    if (actions == nullptr) {
        QFAIL("the link label offers no actions");
        return;
    }
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
}

// Reached by Tab, the link shows the style's focus mark; the same link without the focus looks as before.
void LinkLabelTest::keyboardFocusIsDrawn()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit;
    auto* link = new LinkLabel(shortText);
    layout->addWidget(before);
    layout->addWidget(link);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage unfocused = link->grab().toImage();

    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(link->hasFocus());
    const QImage focused = link->grab().toImage();
    QVERIFY2(focused != unfocused, "a link reached by Tab looks the same as one without the focus");

    QTest::keyClick(link, Qt::Key_Backtab);
    QVERIFY(!link->hasFocus());
    QCOMPARE(link->grab().toImage(), unfocused);
}

QTEST_MAIN(LinkLabelTest)
#include "LinkLabelTest.moc"
