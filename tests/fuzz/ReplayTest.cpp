// Replays the committed seed corpus and every input that once broke a property through the same checks the
// fuzzers run, so a fixed finding stays fixed in the ordinary test suite.
#include "tests/fuzz/FuzzChecks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

using Check = void (*)(const std::uint8_t*, std::size_t);

struct Target
{
    const char* name;
    Check check;
};

constexpr Target targets[] = {
    {"bir_reader", checkBirReader},
    {"scrambling", checkScrambling},
    {"numeric_box", checkNumericBox},
};

} // namespace

class ReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void corpusAndRegressionsKeepEveryProperty_data();
    void corpusAndRegressionsKeepEveryProperty();
};

void ReplayTest::corpusAndRegressionsKeepEveryProperty_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("file");
    const QDir root(QStringLiteral(ONDARA_FUZZ_DATA));
    for (int t = 0; t < int(std::size(targets)); ++t) {
        for (const char* kind : {"corpus", "regressions"}) {
            const QString folder
                = root.filePath(QStringLiteral("%1/%2").arg(QLatin1String(kind), QLatin1String(targets[t].name)));
            QDirIterator files(folder, QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                QTest::addRow("%s %s %s", targets[t].name, kind, qPrintable(QFileInfo(path).fileName())) << t << path;
            }
        }
    }
}

void ReplayTest::corpusAndRegressionsKeepEveryProperty()
{
    QFETCH(int, target);
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    targets[target].check(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

QTEST_GUILESS_MAIN(ReplayTest)
#include "ReplayTest.moc"
