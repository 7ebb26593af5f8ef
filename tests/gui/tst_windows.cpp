// The windows of the installer chain on Qt's offscreen platform, from the
// confirmation window to Quit, driven as a user would drive them, with the
// timers on the test clock.
#include "TestRun.h"
#include "backdrop/form_Background.h"
#include "installer/form_001.h"
#include "installer/form_002.h"
#include "installer/form_003.h"
#include "installer/form_004.h"
#include "toolkit/Application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using backdrop::form_Background;
using installer::form_002;
using installer::form_003;
using installer::form_004;
using State = toolkit::Form::State;

namespace {

const QString ProgressCaption = QStringLiteral("ZELOR os checking hardware and installing.");

// As the language window's hand-over leaves it: the backdrop and the
// confirmation window in front of it.
void startConfirming()
{
    form_Background::instance().Show();
    form_002::instance().Show();
}

void clickInstall() { form_002::instance().ui().cmd_oo1[0]->click(); }

// Runs the script to its partition step and leaves the partition window open.
void runToPartitionWindow(TestRun &run)
{
    startConfirming();
    clickInstall();
    run.clock.advance(7500);
}


void pressKey(toolkit::Form &form, int key, Qt::KeyboardModifiers modifiers, quint32 nativeKey = 0)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, 0, nativeKey, 0);
    QApplication::sendEvent(&form.window(), &press);
}

enum class Key { Esc, LeftWindows, RightWindows };

} // namespace

Q_DECLARE_METATYPE(Key)

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void confirmationLeadsToProgressOnce_data();
    void confirmationLeadsToProgressOnce();
    void queryUnload_data();
    void queryUnload();
    void progressWindowBeforeFirstTick();
    void partitionWindowDefaults();
    void partitionTabOrderPassesTheUnseenButton();
    void partitionChoiceReachesTheScript();
    void wholeRunToQuit();
    void keys_data();
    void keys();
    void disabledProgressWindowIgnoresShiftEsc();
    void endRunsNoCloseHandler();
    void backdropLayout();
    void backdropStaysBehindWhileDisabled();
    void uncaughtErrorShowsTheErrorBox();
    void captionsFitTheirLabels();
    void sessionEndUnloadsEveryWindow_data();
    void sessionEndUnloadsEveryWindow();
};

void WindowsTest::confirmationLeadsToProgressOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Install") << "install";
    QTest::newRow("Continue") << "continue";
    QTest::newRow("close box") << "close";
}

void WindowsTest::confirmationLeadsToProgressOnce()
{
    QFETCH(QString, how);
    TestRun run;
    startConfirming();
    form_002 &confirmation = form_002::instance();
    if (how == "install")
        confirmation.ui().cmd_oo1[0]->click();
    else if (how == "continue")
        confirmation.ui().cmd_oo1[1]->click();
    else
        closeFromWindowSystem(confirmation);

    QCOMPARE(confirmation.state(), State::NotLoaded);
    QCOMPARE(form_003::instance().state(), State::Visible);
    QCOMPARE(visibleWindowsCaptioned(ProgressCaption).size(), 1);
    QCOMPARE(form_003::instance().StepNumber(), int16_t(0));
}

void WindowsTest::queryUnload_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("stays");
    QTest::addColumn<bool>("progressShown");

    for (int mode = 0; mode <= 3; ++mode) {
        const QByteArray m = QByteArray::number(mode);
        QTest::newRow("form_002, mode " + m) << "form_002" << mode << false << (mode <= 1);
        QTest::newRow("form_003, mode " + m) << "form_003" << mode << (mode == 0) << (mode == 0);
        QTest::newRow("form_004, mode " + m) << "form_004" << mode << (mode == 0) << true;
    }
}

void WindowsTest::queryUnload()
{
    QFETCH(QString, window);
    QFETCH(int, mode);
    QFETCH(bool, stays);
    QFETCH(bool, progressShown);

    TestRun run;
    toolkit::Form *form = nullptr;
    if (window == "form_002") {
        startConfirming();
        form = &form_002::instance();
    } else if (window == "form_003") {
        startConfirming();
        clickInstall();
        form = &form_003::instance();
    } else {
        runToPartitionWindow(run);
        form = &form_004::instance();
    }
    if (mode == toolkit::CloseCommand)
        closeFromWindowSystem(*form);
    else
        form->Unload(int16_t(mode));

    QCOMPARE(form->isLoaded(), stays);
    QCOMPARE(form_003::instance().state() == State::Visible, progressShown);
}

void WindowsTest::progressWindowBeforeFirstTick()
{
    TestRun run;
    startConfirming();
    clickInstall();
    auto &ui = form_003::instance().ui();
    QCOMPARE(ui.lab_001->Caption(), QStringLiteral("Checking your hardware system..."));
    QCOMPARE(ui.frame_001->Caption(), QStringLiteral(" Checking hardware: "));
    run.clock.advance(999);
    QCOMPARE(form_003::instance().StepNumber(), int16_t(0));
    run.clock.advance(1);
    QCOMPARE(ui.lab_001->Caption(), QStringLiteral("Checking processor type. (32 bit or 64 bit)"));
}

void WindowsTest::partitionWindowDefaults()
{
    TestRun run;
    runToPartitionWindow(run);
    form_004 &partition = form_004::instance();
    QCOMPARE(partition.state(), State::Visible);
    QVERIFY(!form_003::instance().Enabled());
    QCOMPARE(form_003::instance().StepNumber(), int16_t(8));

    auto &ui = partition.ui();
    QCOMPARE(ui.Combo1->ListCount(), 6);
    QCOMPARE(ui.Combo1->ListIndex(), 1);
    QCOMPARE(ui.Combo1->Text(), QStringLiteral("Install in partation 1 replacing old o.s. 682GB"));
    QCOMPARE(partition.window().focusWidget(), ui.Combo1);
    QVERIFY2(ui.cmd_oo1->y() >= partition.window().height(), "the first OK lies below the client area");

    QVERIFY(!run.clock.fireNext()); // the script waits
}

void WindowsTest::partitionTabOrderPassesTheUnseenButton()
{
    TestRun run;
    runToPartitionWindow(run);
    QWidget &window = form_004::instance().window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto &ui = form_004::instance().ui();

    QCOMPARE(QApplication::focusWidget(), ui.Combo1);
    QTest::keyClick(ui.Combo1, Qt::Key_Return);
    QTest::keyClick(ui.Combo1, Qt::Key_Escape);
    QCOMPARE(form_004::instance().state(), State::Visible);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.cmd_oo1);
    QTest::keyClick(ui.cmd_oo1, Qt::Key_Space);
    QTest::keyClick(ui.cmd_oo1, Qt::Key_Return);
    QCOMPARE(form_004::instance().state(), State::Visible); // it has no click handler
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.cmd_001);
}

void WindowsTest::partitionChoiceReachesTheScript()
{
    TestRun run;
    runToPartitionWindow(run);
    form_004::instance().ui().Combo1->setListIndex(0);
    run.clock.advance(1234);
    form_004::instance().ui().cmd_001->click();

    QCOMPARE(form_004::instance().state(), State::NotLoaded);
    QVERIFY(form_003::instance().Enabled());
    QCOMPARE(form_003::instance().PartitionName(),
             QStringLiteral("Install on main hard drive replacing all partations 2728GB"));
    const qint64 okAt = run.clock.now();
    QVERIFY(run.clock.fireNext());
    QCOMPARE(run.clock.now() - okAt, qint64(50)); // not 500 or 1000
    QCOMPARE(form_003::instance().StepNumber(), int16_t(9));
}

void WindowsTest::wholeRunToQuit()
{
    TestRun run;
    runToPartitionWindow(run);
    form_004::instance().ui().cmd_001->click();
    run.clock.advance(76550 - 1);
    auto &background = form_Background::instance();
    QVERIFY(!background.Enabled());
    QVERIFY(!background.ui().cmd_Quit->Visible());
    QCOMPARE(background.ui().cmd_Quit->Caption(), QStringLiteral("?"));

    run.clock.advance(1);
    QCOMPARE(form_003::instance().StepNumber(), int16_t(232));
    QVERIFY(form_003::instance().ui().lab_001->Caption().endsWith(
        QStringLiteral("move this window to the side and click on 'Quit'.")));
    QVERIFY(background.Enabled());
    toolkit::CommandButton &quit = *background.ui().cmd_Quit;
    QVERIFY(quit.isVisible());
    QVERIFY(quit.isEnabled());
    QCOMPARE(quit.Caption(), QStringLiteral("&Quit"));
    QVERIFY(!run.clock.fireNext());

    quit.click();
    QCOMPARE(run.exits, QList<int>{0});
    QVERIFY2(form_003::instance().isLoaded(), "Quit runs no close handler on the way out");
}

void WindowsTest::keys_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("ends");

    QTest::newRow("Esc alone") << Key::Esc << int(Qt::NoModifier) << 0 << false;
    QTest::newRow("Shift+Esc") << Key::Esc << int(Qt::ShiftModifier) << 0 << true;
    QTest::newRow("Shift+Ctrl+Esc") << Key::Esc << int(Qt::ShiftModifier | Qt::ControlModifier) << 0 << false;
    QTest::newRow("Shift+Alt+Esc") << Key::Esc << int(Qt::ShiftModifier | Qt::AltModifier) << 0 << false;
    QTest::newRow("left Windows key") << Key::LeftWindows << int(Qt::NoModifier) << 1 << false;
    QTest::newRow("right Windows key") << Key::RightWindows << int(Qt::NoModifier) << 0 << false;
}

void WindowsTest::keys()
{
    QFETCH(Key, key);
    QFETCH(int, modifiers);
    QFETCH(int, boxes);
    QFETCH(bool, ends);

    constexpr quint32 KeysymSuperL = 0xffeb, KeysymSuperR = 0xffec;
    TestRun run;
    startConfirming();
    clickInstall();
    form_003 &progress = form_003::instance();
    for (int press = 0; press < 2; ++press) {
        const auto mods = Qt::KeyboardModifiers(modifiers);
        switch (key) {
        case Key::Esc: pressKey(progress, Qt::Key_Escape, mods); break;
        case Key::LeftWindows: pressKey(progress, Qt::Key_Meta, mods, KeysymSuperL); break;
        case Key::RightWindows: pressKey(progress, Qt::Key_Meta, mods, KeysymSuperR); break;
        }
        toolkit::resetForTests(); // so that a second press is seen after an End
    }
    const QString box = QStringLiteral("ZELOR install interepted.|Please do not press that key.");
    QCOMPARE(run.boxes, QStringList(QList<QString>(boxes * 2, box)));
    QCOMPARE(!run.exits.isEmpty(), ends);
    if (ends)
        QCOMPARE(run.exits.first(), 0);
}

void WindowsTest::disabledProgressWindowIgnoresShiftEsc()
{
    TestRun run;
    runToPartitionWindow(run);
    pressKey(form_003::instance(), Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(run.exits.isEmpty());
}

void WindowsTest::endRunsNoCloseHandler()
{
    TestRun run;
    startConfirming();
    toolkit::End();
    QCOMPARE(run.exits, QList<int>{0});
    // The confirmation window's close handler would have shown the progress window.
    QCOMPARE(form_003::instance().state(), State::NotLoaded);
    QVERIFY(!form_002::instance().window().isVisible());
}

void WindowsTest::backdropLayout()
{
    TestRun run;
    startConfirming();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget &window = form_Background::instance().window();
    QCOMPARE(window.geometry(), screen);
    QVERIFY(window.isFullScreen());

    auto &ui = form_Background::instance().ui();
    QCOMPARE(ui.img_BackgroundImage->geometry(), QRect(QPoint(0, 0), screen.size()));
    const QPoint buttonCentre = ui.cmd_Quit->geometry().center();
    QVERIFY2(qAbs(buttonCentre.x() - screen.width() / 2) <= 1 && qAbs(buttonCentre.y() - screen.height() / 2) <= 1,
             "the Quit button sits at the centre of the screen");
    QVERIFY(!ui.cmd_Quit->Visible());
    QCOMPARE(ui.lab_Info->Caption(), QStringLiteral("Main desktop screen monitor."));
}

void WindowsTest::backdropStaysBehindWhileDisabled()
{
    TestRun run;
    startConfirming();
    QWindow *backdrop = form_Background::instance().window().windowHandle();
    QVERIFY(backdrop->flags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(backdrop->flags() & Qt::WindowStaysOnBottomHint);
    QTest::mouseClick(&form_Background::instance().window(), Qt::LeftButton);
    QCOMPARE(form_002::instance().state(), State::Visible);
    form_Background::instance().setEnabled(true);
    QVERIFY2(!(backdrop->flags() & (Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnBottomHint)),
             "once enabled it comes to the front when clicked");
}

void WindowsTest::captionsFitTheirLabels()
{
    TestRun run;
    runToPartitionWindow(run);
    installer::form_001::instance().Load();
    // The one exception: at the size that keeps the language prompt on five
    // lines, the partition prompt needs three lines where its label has two.
    const QString partitionPrompt = form_004::instance().ui().lab_001->text();
    QStringList clipped;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (const toolkit::Label *label : window->findChildren<toolkit::Label *>()) {
            if (label->text() == partitionPrompt)
                continue;
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                                   Qt::TextWordWrap, label->text());
            if (needed.height() > room.height() || needed.width() > room.width())
                clipped << QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                               .arg(window->windowTitle(), label->text())
                               .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

void WindowsTest::uncaughtErrorShowsTheErrorBox()
{
    TestRun run;
    startConfirming();
    // A list index beyond the items is an error that no handler catches here.
    form_002::instance().ui().cmd_oo1[0]->onClick([](int16_t) {
        form_004::instance().ui().Combo1->setListIndex(99);
    });
    clickInstall();
    QCOMPARE(run.boxes, QStringList{QStringLiteral("ZELOR os|Run-time error '380':\n\nInvalid property value")});
    QCOMPARE(run.exits, QList<int>{1});
}

void WindowsTest::sessionEndUnloadsEveryWindow_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("mode");
    for (const char *phase : {"confirming", "installing", "choosing a partition", "revealed"}) {
        QTest::addRow("%s, session ends", phase) << phase << int(toolkit::SessionEnding);
        QTest::addRow("%s, told to close", phase) << phase << int(toolkit::OutsideRequest);
    }
}

void WindowsTest::sessionEndUnloadsEveryWindow()
{
    QFETCH(QString, phase);
    QFETCH(int, mode);
    TestRun run;
    startConfirming();
    if (phase != "confirming")
        clickInstall();
    if (phase == "choosing a partition" || phase == "revealed")
        run.clock.advance(7500);
    if (phase == "revealed") {
        form_004::instance().ui().cmd_001->click();
        run.clock.advance(76550);
    }
    const bool progressWasLoaded = form_003::instance().isLoaded();

    toolkit::unloadAll(int16_t(mode));
    QVERIFY(toolkit::Form::loadedForms().empty());
    QCOMPARE(form_003::instance().isLoaded(), false);
    QVERIFY2(progressWasLoaded || visibleWindowsCaptioned(ProgressCaption).isEmpty(), "no new window is shown");
    QTRY_COMPARE(run.exits, QList<int>{0});
}

ZELOR_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
