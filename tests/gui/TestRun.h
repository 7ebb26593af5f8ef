// One run of the program inside a test: virtual time for every timer, the
// message box and the end of the process recorded instead of carried out, and
// every window dropped afterwards.
#pragma once

#include "flow/WindowRegistry.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QStringList>

struct TestRun {
    toolkit::TestClock clock; // first: every timer of the run follows it
    QStringList boxes;        // "title|prompt" of each message box shown
    QList<int> exits;         // exit codes asked for

    TestRun()
    {
        toolkit::resetForTests();
        toolkit::hooks().exitProcess = [this](int code) { exits << code; };
        toolkit::hooks().msgBox = [this](const QString &prompt, int, const QString &title) {
            boxes << title + QLatin1Char('|') + prompt;
            return 1;
        };
    }

    ~TestRun()
    {
        flow::WindowRegistry::reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        toolkit::Timer::tickProbe = nullptr;
        toolkit::resetForTests();
    }
};

// A close command from the window system (close box, Alt+F4).
inline void closeFromWindowSystem(toolkit::Form &form)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(&form.window(), &close); // sendEvent would clear the mark
}

inline QList<QWidget *> visibleWindowsCaptioned(const QString &caption)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == caption)
            found << w;
    return found;
}

// A test main that runs the test object under the program's own application.
#define ZELOR_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                \
        toolkit::Application::prepareProcessEnvironment();                                                          \
        toolkit::Application application(argc, argv);                                                               \
        TestObject test;                                                                                             \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }
