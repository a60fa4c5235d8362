#include "report/window/ReportLinks.h"

#include "tests/support/Deadline.h"
#include "tests/support/SeamFixture.h"
#include "tests/support/TextViewPoints.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>

namespace {

// The middle of the character at `index` of the view's first line; for -1, a point on that line far right of its end.
QPoint pointOnLine(const QTextEdit& view, int index)
{
    return index < 0 ? pointRightOfLine(&view, 0) : pointOnCharacter(&view, index);
}

void sendMouse(QTextEdit& view, QEvent::Type type, Qt::MouseButton button, const QPoint& point)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(point), QPointF(view.viewport()->mapToGlobal(point)), button, held, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &event);
}

QStringList urlsOf(const QList<ReportLinks::Link>& links)
{
    QStringList urls;
    for (const ReportLinks::Link& link : links) {
        urls.append(link.url.toString(QUrl::FullyEncoded));
    }
    return urls;
}

// The layout formats that mark links in a block, as (start, length) of each underlined range.
QList<QPair<int, int>> markedRanges(const QTextBlock& block, const QColor& linkColour)
{
    QList<QPair<int, int>> ranges;
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (range.format.fontUnderline() && range.format.foreground().color() == linkColour) {
            ranges.append({range.start, range.length});
        }
    }
    return ranges;
}

} // namespace

class ReportLinksTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void findsOnlyWebAddresses_data();
    void findsOnlyWebAddresses();
    void linkEndsBeforeSentencePunctuation();
    void pressOnTheView_data();
    void pressOnTheView();
    void movesAndReleasesOpenNothing();
    void insertedAndTypedAddressesShowAsLinks();
    void markingLeavesTheDocumentAndItsHistoryAlone();

private:
    void tearDown() override { m_view.reset(); }
    void showView(const QString& text);

    std::unique_ptr<QTextEdit> m_view;
};

void ReportLinksTest::showView(const QString& text)
{
    m_view = std::make_unique<QTextEdit>();
    m_view->resize(600, 200);
    new ReportLinks(m_view.get());
    m_view->setPlainText(text);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get(), Deadline::eventMs));
}

void ReportLinksTest::findsOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("urls");

    const QString longest
        = QStringLiteral("www.example.com/") + QString(ReportLinks::maximumLinkLength - 16, QLatin1Char('a'));
    QTest::newRow("www address") << QStringLiteral("Visit www.example.com today")
                                 << QStringList {QStringLiteral("http://www.example.com")};
    QTest::newRow("https with path") << QStringLiteral("See https://example.org/a/b?c=1#d.")
                                     << QStringList {QStringLiteral("https://example.org/a/b?c=1#d")};
    QTest::newRow("scheme in capitals") << QStringLiteral("HTTP://EXAMPLE.COM/x")
                                        << QStringList {QStringLiteral("http://example.com/x")};
    QTest::newRow("two links") << QStringLiteral("a http://a.example b www.b.example")
                               << QStringList {QStringLiteral("http://a.example"),
                                               QStringLiteral("http://www.b.example")};
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << QStringList {};
    QTest::newRow("javascript around http") << QStringLiteral("javascript:http://evil.example") << QStringList {};
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << QStringList {};
    QTest::newRow("file with a www host") << QStringLiteral("file://www.example.com/x") << QStringList {};
    QTest::newRow("ftp") << QStringLiteral("ftp://example.com") << QStringList {};
    QTest::newRow("mail address") << QStringLiteral("mailto:me@www.example.com") << QStringList {};
    QTest::newRow("www inside a word") << QStringLiteral("xwww.example.com") << QStringList {};
    QTest::newRow("scheme alone") << QStringLiteral("http:// and www.") << QStringList {};
    QTest::newRow("1024 characters") << longest << QStringList {QStringLiteral("http://") + longest};
    QTest::newRow("1025 characters ignored") << longest + QStringLiteral("a") << QStringList {};
}

void ReportLinksTest::findsOnlyWebAddresses()
{
    QFETCH(QString, text);
    QFETCH(QStringList, urls);
    QCOMPARE(urlsOf(ReportLinks::linksIn(text)), urls);
}

void ReportLinksTest::linkEndsBeforeSentencePunctuation()
{
    const QList<ReportLinks::Link> links = ReportLinks::linksIn(QStringLiteral("(see www.example.com)."));
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.constFirst().start, 5);
    QCOMPARE(links.constFirst().length, 15);
}

void ReportLinksTest::pressOnTheView_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QStringList>("opened");

    const QString text = QStringLiteral("Visit www.example.com today");
    const QStringList site {QStringLiteral("http://www.example.com")};
    QTest::newRow("left on the middle") << text << 12 << Qt::LeftButton << site;
    QTest::newRow("left on the first character") << text << 6 << Qt::LeftButton << site;
    QTest::newRow("left on the last character") << text << 20 << Qt::LeftButton << site;
    QTest::newRow("left right of a line that ends in a link")
        << QStringLiteral("Visit www.example.com") << -1 << Qt::LeftButton << QStringList {};
    QTest::newRow("left on the blank after") << text << 21 << Qt::LeftButton << QStringList {};
    QTest::newRow("left on a plain word") << text << 23 << Qt::LeftButton << QStringList {};
    QTest::newRow("right") << text << 12 << Qt::RightButton << QStringList {};
    QTest::newRow("middle") << text << 12 << Qt::MiddleButton << QStringList {};
    QTest::newRow("javascript text") << QStringLiteral("javascript:alert(1)") << 3 << Qt::LeftButton << QStringList {};
    QTest::newRow("file text") << QStringLiteral("file:///etc/passwd") << 8 << Qt::LeftButton << QStringList {};
}

void ReportLinksTest::pressOnTheView()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QStringList, opened);
    showView(text);
    QTest::mousePress(m_view->viewport(), button, {}, pointOnLine(*m_view, index));
    QCOMPARE(seams().urls.openedStrings(), opened);
}

void ReportLinksTest::movesAndReleasesOpenNothing()
{
    showView(QStringLiteral("Visit www.example.com today"));
    const QPoint onLink = pointOnCharacter(m_view.get(), 12);
    sendMouse(*m_view, QEvent::MouseMove, Qt::NoButton, onLink);
    QCOMPARE(m_view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    sendMouse(*m_view, QEvent::MouseButtonRelease, Qt::LeftButton, onLink);
    sendMouse(*m_view, QEvent::MouseMove, Qt::NoButton, pointOnCharacter(m_view.get(), 2));
    QCOMPARE(m_view->viewport()->cursor().shape(), Qt::IBeamCursor);
    QVERIFY(seams().urls.opened.isEmpty());

    sendMouse(*m_view, QEvent::MouseButtonPress, Qt::LeftButton, onLink);
    sendMouse(*m_view, QEvent::MouseMove, Qt::LeftButton, pointOnCharacter(m_view.get(), 15));
    sendMouse(*m_view, QEvent::MouseButtonRelease, Qt::LeftButton, pointOnCharacter(m_view.get(), 15));
    QCOMPARE(seams().urls.openedStrings(), QStringList {QStringLiteral("http://www.example.com")});
}

void ReportLinksTest::insertedAndTypedAddressesShowAsLinks()
{
    showView(QStringLiteral("Notes: "));
    const QColor linkColour = m_view->palette().color(QPalette::Link);
    QVERIFY(markedRanges(m_view->document()->firstBlock(), linkColour).isEmpty());

    m_view->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_view.get(), QStringLiteral("go to www.example.org now"));
    using Range = QPair<int, int>;
    QCOMPARE(markedRanges(m_view->document()->firstBlock(), linkColour), QList<Range> {Range(13, 15)});

    m_view->textCursor().insertText(QStringLiteral("\nand https://example.net/"));
    QCOMPARE(markedRanges(m_view->document()->lastBlock(), linkColour), QList<Range> {Range(4, 20)});

    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, pointOnCharacter(m_view.get(), 16));
    QCOMPARE(seams().urls.openedStrings(), QStringList {QStringLiteral("http://www.example.org")});

    // Breaking the address breaks the link.
    QTextCursor cursor(m_view->document());
    cursor.setPosition(16);
    cursor.insertText(QStringLiteral(" "));
    QVERIFY(markedRanges(m_view->document()->firstBlock(), linkColour).isEmpty());
}

void ReportLinksTest::markingLeavesTheDocumentAndItsHistoryAlone()
{
    showView(QStringLiteral("www.example.com"));
    const QColor linkColour = m_view->palette().color(QPalette::Link);
    QCOMPARE(markedRanges(m_view->document()->firstBlock(), linkColour).size(), 1);
    QTextCursor cursor(m_view->document());
    cursor.setPosition(3);
    QVERIFY(!cursor.charFormat().fontUnderline());
    QVERIFY(!m_view->document()->isUndoAvailable());
    QVERIFY(!m_view->document()->isModified());
}

QTEST_MAIN(ReportLinksTest)
#include "ReportLinksTest.moc"
