// The chain from the language window on, on the screens of the layout this
// test runs with (one, two or three offscreen screens, some at negative
// coordinates): which backdrops exist and where, in what order the windows
// appear, and every way the language window hands over or does not.
#include "TestRun.h"
#include "backdrop/form_Background.h"
#include "display/MonitorNumbers.h"
#include "display/ToolkitForms.h"
#include "display/clsMonitors.h"
#include "installer/form_001.h"
#include "installer/form_002.h"
#include "installer/form_003.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextLayout>
#include <QtTest>

using installer::form_001;
using installer::form_002;
using installer::form_003;
using State = toolkit::Form::State;

namespace {

const QString BackgroundCaption = QStringLiteral("Form1");
const QString ConfirmationCaption = QStringLiteral("Z.E.L.O.R. English UK installation.");
const QString OtherScreenCaption = QStringLiteral("Background wondow for other screens.");

struct Backdrop {
    QRect geometry; // Qt global pixels
    QString label;
};

// The secondary backdrops each layout must get.
QList<Backdrop> expectedBackdrops()
{
    const QString number = QStringLiteral("Display screen monitor number %1.");
    switch (QGuiApplication::screens().size()) {
    case 1:
        return {};
    case 2: // a monitor left of the primary, met first by the scan
        return {{QRect(-1280, 0, 1280, 1024), number.arg(2)}};
    default: // and one above, met before both
        return {{QRect(0, -1080, 1920, 1080), number.arg(2)}, {QRect(-1280, 0, 1280, 1024), number.arg(3)}};
    }
}

// Records the captions of top-level windows in the order they are shown.
class ShowRecorder : public QObject {
public:
    ShowRecorder() { qApp->installEventFilter(this); }
    ~ShowRecorder() override { qApp->removeEventFilter(this); }
    QStringList shown;

    int count(const QString &caption) const { return int(shown.count(caption)); }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            shown << widget->windowTitle();
        return false;
    }
};

QList<QWidget *> otherScreenBackdrops() { return visibleWindowsCaptioned(OtherScreenCaption); }

} // namespace

class ChainTest : public QObject {
    Q_OBJECT

private slots:
    void languageWindowAtStart();
    void promptShowsFiveLines();
    void handOver_data();
    void handOver();
    void outsideRequestsShowNoWindow_data();
    void outsideRequestsShowNoWindow();
    void secondaryBackdrops();
    void monitorNumbers_data();
    void monitorNumbers();
    void centringOnAMonitor();
};

void ChainTest::languageWindowAtStart()
{
    TestRun run;
    form_001 &language = form_001::instance();
    language.Show();
    auto &ui = language.ui();
    QCOMPARE(ui.Combo1->ListCount(), 149);
    QCOMPARE(ui.Combo1->ListIndex(), 37);
    QCOMPARE(ui.Combo1->Text(), QStringLiteral("English (UK)"));
    QCOMPARE(ui.Combo1->itemText(0), QStringLiteral("Afrikaans"));
    QCOMPARE(ui.Combo1->itemText(148), QStringLiteral("Zulu"));
    QCOMPARE(language.window().focusWidget(), ui.cmd_oo1);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2((language.window().frameGeometry().center() - screen.center()).manhattanLength() <= 2,
             "it opens at the centre of the screen");
}

void ChainTest::promptShowsFiveLines()
{
    TestRun run;
    toolkit::Label &prompt = *form_001::instance().ui().lab_02;
    const QString text = prompt.Caption();
    QCOMPARE(text.size(), 343);

    QTextLayout layout(text, prompt.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<int> lineStarts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(prompt.contentsRect().width());
        lineStarts << line.textStart();
    }
    layout.endLayout();

    QList<int> sentenceStarts;
    for (const char *start : {"EN.", "FR.", "GR.", "IT.", "MT."})
        sentenceStarts << int(text.indexOf(QLatin1String(start)));
    QCOMPARE(lineStarts, sentenceStarts);
    QVERIFY2(5 * QFontMetrics(prompt.font()).lineSpacing() <= prompt.height(), "the five lines fit the label");
}

void ChainTest::handOver_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK, then the pause's tick") << "ok";
    QTest::newRow("close command while ready") << "close ready";
    QTest::newRow("close command while pausing") << "close pausing";
}

void ChainTest::handOver()
{
    QFETCH(QString, how);
    TestRun run;
    form_001 &language = form_001::instance();
    language.Show();
    ShowRecorder recorder;

    if (how != "close ready") {
        language.ui().Combo1->setListIndex(5); // the choice is never read
        language.ui().cmd_oo1->click();
        QCOMPARE(language.ui().Combo1->ListIndex(), 37);
        QVERIFY(!language.ui().Combo1->isEnabled());
        QVERIFY(!language.ui().cmd_oo1->isEnabled());
        run.clock.advance(799);
        QCOMPARE(language.state(), State::Visible);
    }
    if (how == "ok")
        run.clock.advance(1);
    else
        closeFromWindowSystem(language);

    QCOMPARE(language.state(), State::NotLoaded);
    run.clock.advance(5000); // a pending tick would hand over a second time
    QStringList expected{BackgroundCaption, ConfirmationCaption};
    for (int i = 0; i < expectedBackdrops().size(); ++i)
        expected << OtherScreenCaption;
    QCOMPARE(recorder.shown, expected);
    QCOMPARE(form_002::instance().state(), State::Visible);
    QVERIFY(!backdrop::form_Background::instance().Enabled());
    QVERIFY(run.exits.isEmpty());
}

void ChainTest::outsideRequestsShowNoWindow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pausing");
    QTest::newRow("session ends, ready") << int(toolkit::SessionEnding) << false;
    QTest::newRow("told to close, pausing") << int(toolkit::OutsideRequest) << true;
}

void ChainTest::outsideRequestsShowNoWindow()
{
    QFETCH(int, mode);
    QFETCH(bool, pausing);
    TestRun run;
    form_001::instance().Show();
    if (pausing)
        form_001::instance().ui().cmd_oo1->click();
    ShowRecorder recorder;
    toolkit::unloadAll(int16_t(mode));
    run.clock.advance(1000);
    QVERIFY(recorder.shown.isEmpty());
    QVERIFY(toolkit::Form::loadedForms().empty());
    QTRY_COMPARE(run.exits, QList<int>{0});
}

void ChainTest::secondaryBackdrops()
{
    TestRun run;
    form_001::instance().Show();
    form_001::instance().Unload();

    // By label: the windows' own order among the top-level widgets is Qt's.
    QMap<QString, QWidget *> found;
    for (QWidget *window : otherScreenBackdrops()) {
        const auto labels = window->findChildren<toolkit::Label *>();
        QCOMPARE(labels.size(), 1);
        found.insert(labels.first()->Caption(), window);
    }
    const QList<Backdrop> expected = expectedBackdrops();
    QCOMPARE(found.size(), expected.size());
    for (const Backdrop &backdrop : expected) {
        QWidget *window = found.value(backdrop.label);
        QVERIFY2(window, qPrintable(backdrop.label));
        QCOMPARE(window->frameGeometry(), backdrop.geometry);
        QVERIFY(!window->isEnabled());
        const auto pictures = window->findChildren<toolkit::Image *>();
        QCOMPARE(pictures.first()->geometry(), QRect(QPoint(0, 0), backdrop.geometry.size()));
    }
    // The main backdrop covers the primary screen, and only it.
    QCOMPARE(backdrop::form_Background::instance().window().geometry(),
             QGuiApplication::primaryScreen()->geometry());
}

void ChainTest::monitorNumbers_data()
{
    QTest::addColumn<QList<QRect>>("setOrder"); // the records as the scan met them
    QTest::addColumn<QList<int>>("numbered");   // their positions by monitor number

    QTest::newRow("primary met first") << QList<QRect>{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}} << QList<int>{0, 1};
    QTest::newRow("monitor left of primary covered twice")
        << QList<QRect>{{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}} << QList<int>{1, 0};
    QTest::newRow("monitor above, then left, then primary")
        << QList<QRect>{{0, -1080, 1920, 1080}, {-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}} << QList<int>{2, 0, 1};
    QTest::newRow("no record holds the origin")
        << QList<QRect>{{2000, 0, 800, 600}, {-800, 0, 800, 600}} << QList<int>{0, 1};
}

void ChainTest::monitorNumbers()
{
    QFETCH(QList<QRect>, setOrder);
    QFETCH(QList<int>, numbered);

    toolkit::Collection<display::clsMonitor> monitors;
    QList<const display::clsMonitor *> records;
    for (const QRect &r : setOrder) {
        auto record = std::make_shared<display::clsMonitor>();
        record->setLeft(r.left());
        record->setTop(r.top());
        record->setRight(r.left() + r.width());
        record->setBottom(r.top() + r.height());
        records << record.get();
        monitors.Add(record, std::to_string(records.size()));
    }
    QList<int> positions;
    for (const display::clsMonitor *record : display::byMonitorNumber(monitors))
        positions << int(records.indexOf(record));
    QCOMPARE(positions, numbered);
}

// A window of the test's own as the reference: only its native id matters.
class WidgetReference : public display::ReferenceObject {
public:
    explicit WidgetReference(QWidget &widget) : m_widget(widget) {}
    std::int64_t Property(std::string_view name) const override
    {
        if (name != "hwnd")
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "no such property");
        return std::int64_t(m_widget.winId());
    }

private:
    QWidget &m_widget;
};

void ChainTest::centringOnAMonitor()
{
    TestRun run;
    form_001::instance().Show();
    form_001::instance().Unload();
    form_002 &confirmation = form_002::instance();
    display::CenteredForm centred(confirmation);
    display::clsMonitors set(display::defaultPlatform());

    set.CenterFormOnMonitor(centred);
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    QVERIFY((confirmation.window().frameGeometry().center() - primary.center()).manhattanLength() <= 2);

    for (QWidget *backdrop : otherScreenBackdrops()) {
        WidgetReference reference(*backdrop);
        set.CenterFormOnMonitor(centred, &reference);
        QVERIFY2((confirmation.window().frameGeometry().center() - backdrop->frameGeometry().center())
                         .manhattanLength() <= 2,
                 "centred on the reference window's monitor");
    }

    const QRect before = confirmation.window().frameGeometry();
    class NoHandle : public display::ReferenceObject {
        std::int64_t Property(std::string_view) const override
        {
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "no such property");
        }
    } withoutHandle;
    set.CenterFormOnMonitor(centred, &withoutHandle);
    QCOMPARE(confirmation.window().frameGeometry(), before);
}

ZELOR_TEST_MAIN(ChainTest)
#include "tst_chain.moc"
