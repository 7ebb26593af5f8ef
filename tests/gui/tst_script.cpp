// The progress script run without a window: the texts it leaves and the
// times at which its steps come, from the intervals it sets.
#include "TestRun.h"
#include "installer/ProgressScript.h"
#include "toolkit/Timer.h"

#include <QtTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString DefaultPartition = QStringLiteral("Install in partation 1 replacing old o.s. 682GB");

// Plays the progress window's part: a label, a frame and the script's timer.
class ScriptRunner : public installer::script::Target {
public:
    explicit ScriptRunner(toolkit::TestClock &clock) : m_clock(clock), m_timer(&m_owner)
    {
        m_timer.onTick([this] {
            stepTimes[step] = m_clock.now();
            installer::script::runStep(step, *this, partitionName);
            ++step;
        });
        m_timer.setInterval(1000); // as the window's load does
        m_timer.setEnabled(true);
    }

    // Runs until the step with this number has run (or the timer stops).
    void runThrough(int lastStep)
    {
        while (step <= lastStep) {
            if (waitingForPartition) {
                // The partition window's OK, some time after it opened.
                m_clock.advance(okDelay);
                okAt = m_clock.now();
                waitingForPartition = false;
                if (choosePartition)
                    partitionName = DefaultPartition;
                m_timer.setEnabled(true);
            }
            if (!m_clock.fireNext())
                return;
        }
    }

    QString label = QStringLiteral("Checking your hardware system...");
    QString frame = QStringLiteral(" Checking hardware: ");
    QString partitionName = QStringLiteral("Main drive");
    bool choosePartition = true;
    int okDelay = 3000;
    int16_t step = 0;
    qint64 okAt = -1;
    bool waitingForPartition = false;
    bool windowEnabled = true;
    bool revealed = false;
    QMap<int, qint64> stepTimes;

private:
    QString labelCaption() override { return label; }
    void setLabelCaption(const QString &caption) override { label = caption; }
    void setFrameCaption(const QString &caption) override { frame = caption; }
    void setTimerInterval(int milliseconds) override { m_timer.setInterval(milliseconds); }
    void setTimerEnabled(bool enabled) override { m_timer.setEnabled(enabled); }
    void setWindowEnabled(bool enabled) override { windowEnabled = enabled; }
    void showPartitionWindow() override { waitingForPartition = true; }
    void doEvents() override {}
    void revealQuit() override { revealed = true; }

    toolkit::TestClock &m_clock;
    QObject m_owner;
    toolkit::Timer m_timer;
};

QString dots(int n) { return QString(n, QLatin1Char('.')); }

} // namespace

class ScriptTest : public QObject {
    Q_OBJECT

private slots:
    void labelAfterStep_data();
    void labelAfterStep();
    void partitionTextWithoutChoice();
    void pauseAtPartitionStep();
    void nominalTimes();
    void lastStepStopsForGood();
};

void ScriptTest::labelAfterStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("frame");

    const QString checking = QStringLiteral(" Checking hardware: ");
    const QString formatting = QStringLiteral(" Formatting hard drive partition: ");
    const QString installing = QStringLiteral(" Installing ZELOR os: ");
    const QString formatted = "Formatting hard drive." + CRLF + CRLF + DefaultPartition + CRLF + CRLF;

    QTest::newRow("after step 6: four lines")
        << 6
        << "Checking Internet access." + CRLF + CRLF + "Internet connection established." + CRLF
               + "Software updates will be downloaded during installation."
        << checking;
    QTest::newRow("step 11 names the chosen partition")
        << 11 << "Formatting hard drive." + CRLF + CRLF + DefaultPartition << formatting;
    QTest::newRow("after step 37") << 37 << formatted + "Formatting" + dots(26) << formatting;
    QTest::newRow("after step 121")
        << 121 << formatted + "Formatting" + dots(26) + CRLF + dots(42) + CRLF + dots(42) << formatting;
    QTest::newRow("after step 211")
        << 211
        << "Installing ZELOR os pre-release version 1" + CRLF + dots(15) + CRLF + dots(42) + CRLF + dots(32)
        << installing;
    QTest::newRow("after step 224")
        << 224 << "Downloading and installing applications from the Internet." + CRLF + dots(15) << installing;
    QTest::newRow("step 227 names the partition")
        << 227 << "Z.E.L.O.R. installed." + CRLF + "Installed at; " + DefaultPartition << installing;
    QTest::newRow("final text: nine lines")
        << 231
        << QStringList{"Installed ZELOR os Pre-release version 1.", "", "Zelor Pre-Release 1", "", "APR 1", "", "",
                       "To close this April Fools Joke,", "move this window to the side and click on 'Quit'."}
               .join(CRLF)
        << installing;
}

void ScriptTest::labelAfterStep()
{
    QFETCH(int, step);
    QFETCH(QString, label);
    QFETCH(QString, frame);

    TestRun run;
    ScriptRunner script(run.clock);
    script.runThrough(step);
    QCOMPARE(script.step, step + 1);
    QCOMPARE(script.label, label);
    QCOMPARE(script.frame, frame);
}

void ScriptTest::partitionTextWithoutChoice()
{
    TestRun run;
    ScriptRunner script(run.clock);
    script.choosePartition = false; // nothing ever calls SetPartitionName
    script.runThrough(11);
    QCOMPARE(script.label, "Formatting hard drive." + CRLF + CRLF + "Main drive");
    script.runThrough(227);
    QCOMPARE(script.label, "Z.E.L.O.R. installed." + CRLF + "Installed at; Main drive");
}

void ScriptTest::pauseAtPartitionStep()
{
    TestRun run;
    ScriptRunner script(run.clock);
    script.runThrough(7);
    QVERIFY(script.waitingForPartition);
    QVERIFY(!script.windowEnabled);
    QCOMPARE(script.step, int16_t(8));
    QCOMPARE(script.label, QStringLiteral("PLEASE SELECT HARD DRIVE PARTITION IN THE INSTALL TO WINDOW."));
    QVERIFY2(!run.clock.fireNext(), "no tick may come while the partition window is open");
}

void ScriptTest::nominalTimes()
{
    TestRun run;
    ScriptRunner script(run.clock);
    script.runThrough(231);

    QCOMPARE(script.stepTimes.value(0), qint64(1000));
    QCOMPARE(script.stepTimes.value(6), qint64(7000));
    QCOMPARE(script.stepTimes.value(7), qint64(7500));
    // Counted from the partition window's OK: the first tick 50 ms later.
    const QList<QPair<int, qint64>> afterOk{{8, 50},       {12, 4050},    {122, 26050},  {212, 27850},
                                            {213, 29850},  {225, 31050},  {226, 36550},  {227, 44550},
                                            {228, 52550},  {229, 60550},  {230, 68550},  {231, 76550}};
    for (const auto &[step, at] : afterOk)
        QCOMPARE(script.stepTimes.value(step) - script.okAt, at);
}

void ScriptTest::lastStepStopsForGood()
{
    TestRun run;
    ScriptRunner script(run.clock);
    script.runThrough(231);
    QVERIFY(script.revealed);
    QCOMPARE(script.step, int16_t(232));
    QVERIFY(!run.clock.fireNext());
}

ZELOR_TEST_MAIN(ScriptTest)
#include "tst_script.moc"
