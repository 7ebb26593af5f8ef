#include "Application.h"

#include "Errors.h"
#include "Form.h"

#include <QFont>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace toolkit {

namespace {

// Once the process is ending, no further handler runs.
bool s_ending = false;

constexpr int MsgBoxOk = 1;
const char *const ErrorBoxTitle = "ZELOR os";

// The default font of every window: a face that Debian's fonts-liberation
// provides, so that layouts are the same on every machine.
const char *const DefaultFontFamily = "Liberation Sans";
constexpr int DefaultFontPointSize = 8;

constexpr int ExitAfterError = 1;

void hideEveryWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->hide();
}

void endProcess(int exitCode)
{
    if (s_ending)
        return;
    s_ending = true;
    hideEveryWindow();
    hooks().exitProcess(exitCode);
}

void showErrorBoxAndEnd(int number, const QString &description)
{
    const QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(description);
    MsgBox(text, vbCritical, QString::fromLatin1(ErrorBoxTitle));
    endProcess(ExitAfterError);
}

#ifdef Q_OS_UNIX
int s_signalPipe[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    const ssize_t written = ::write(s_signalPipe[1], &byte, 1); // async-signal-safe
    (void)written;
}
#endif

} // namespace

Hooks &hooks()
{
    static Hooks h{
        [](int exitCode) { QCoreApplication::exit(exitCode); },
        [](const QString &prompt, int style, const QString &title) {
            const auto icon = style == vbCritical ? QMessageBox::Critical : QMessageBox::NoIcon;
            QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
            box.exec();
            return MsgBoxOk;
        },
    };
    return h;
}

void End() { endProcess(0); }

void DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

int MsgBox(const QString &prompt, int style, const QString &title) { return hooks().msgBox(prompt, style, title); }

void runHandler(const std::function<void()> &handler)
{
    if (s_ending)
        return;
    try {
        handler();
    } catch (const Error &error) {
        showErrorBoxAndEnd(error.number(), QString::fromStdString(error.description()));
    } catch (const std::exception &error) {
        showErrorBoxAndEnd(0, QString::fromLocal8Bit(error.what()));
    }
}

void unloadAll(int16_t unloadMode)
{
    runHandler([unloadMode] {
        for (Form *form : Form::loadedForms())
            form->Unload(unloadMode);
    });
    // A window that refused must not hold the session up.
    if (!Form::loadedForms().empty())
        End();
}

void processEndsWhenNoWindowIsLoaded()
{
    // Checked once the running handler has returned: it may still show a window.
    QTimer::singleShot(0, [] {
        if (Form::loadedForms().empty())
            endProcess(0);
    });
}

void resetForTests() { s_ending = false; }

void Application::prepareProcessEnvironment()
{
    // The program talks to nothing but the display. Without these, Qt joins
    // the desktop session over ICE, and its accessibility bridge looks for a
    // D-Bus session bus (which, when there is none, libdbus starts, writing
    // under $HOME and outliving the program).
    qunsetenv("SESSION_MANAGER");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "0");
#ifdef Q_OS_UNIX
    // Without a runtime directory Qt makes one under /tmp and leaves it
    // behind; the session's own is the one to use when the variable is lost.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray sessionRuntime = "/run/user/" + QByteArray::number(::getuid());
        struct stat info {};
        if (::stat(sessionRuntime.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()
            && (info.st_mode & 0777) == 0700)
            qputenv("XDG_RUNTIME_DIR", sessionRuntime);
    }
#endif
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false); // the program ends when no window is loaded
    setFont(QFont(QString::fromLatin1(DefaultFontFamily), DefaultFontPointSize));
    QObject::connect(this, &QGuiApplication::commitDataRequest, this, [](QSessionManager &) {
        unloadAll(SessionEnding);
    });
    watchTerminationSignals();
}

Application::~Application()
{
#ifdef Q_OS_UNIX
    for (int &fd : s_signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
#endif
}

void Application::watchTerminationSignals()
{
#ifdef Q_OS_UNIX
    // A signal handler may only write to a pipe; the event loop reads it and
    // asks the windows to unload, as a session end or a task manager would.
    if (::pipe(s_signalPipe) != 0)
        return;
    for (int fd : s_signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, this);
    QObject::connect(notifier, &QSocketNotifier::activated, this, [] {
        unsigned char signalNumber = 0;
        if (::read(s_signalPipe[0], &signalNumber, 1) != 1)
            return;
        unloadAll(signalNumber == SIGHUP ? SessionEnding : OutsideRequest);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGHUP, SIGINT, SIGTERM})
        ::sigaction(signalNumber, &action, nullptr);
#endif
}

} // namespace toolkit
