// The toolkit's process-wide services: End, DoEvents, the message box, the
// handling of errors that no handler catches, and the requests from outside
// (session end, termination signals) that unload every loaded window.
//
// Every call from the windowing library into a window's handler goes through
// runHandler(), so an error never travels through the library's own frames.
#pragma once

#include <QApplication>
#include <QString>

#include <cstdint>
#include <functional>

namespace toolkit {

// Message box styles the windows use.
enum MsgBoxStyle : int { vbCritical = 16 };

// Ends the process at once: no close request, Form_QueryUnload or hand-over runs.
void End();

// Runs every pending window event, other handlers included.
void DoEvents();

// A modal message box; the answer is the button pressed (1 for OK).
int MsgBox(const QString &prompt, int style, const QString &title);

// Runs one handler; an error it does not catch shows the error box and ends the process.
void runHandler(const std::function<void()> &handler);

// Asks every loaded window to unload with the given mode (session end, signals).
void unloadAll(int16_t unloadMode);

// Ends the process once the running handler has returned, if no window is loaded then.
void processEndsWhenNoWindowIsLoaded();

// Seams for tests: how the process ends and how a message box is shown.
struct Hooks {
    std::function<void(int exitCode)> exitProcess;
    std::function<int(const QString &prompt, int style, const QString &title)> msgBox;
};
Hooks &hooks();
// Lets handlers run again after a test has ended the "process".
void resetForTests();

// The application object: sets the environment up so that the program writes
// nothing and talks to nothing but the display, chooses the default font and
// turns session-end requests and termination signals into unload requests.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    ~Application() override;

    // Must run before the application object exists.
    static void prepareProcessEnvironment();

private:
    void watchTerminationSignals();
};

} // namespace toolkit
