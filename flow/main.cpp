// The process entry: runs the toolkit with the first windows of the chain.
// Everything after that happens in the windows' handlers and timer ticks.
#include "backdrop/form_Background.h"
#include "flow/WindowRegistry.h"
#include "installer/form_002.h"
#include "toolkit/Application.h"

int main(int argc, char *argv[])
{
    toolkit::Application::prepareProcessEnvironment();
    toolkit::Application application(argc, argv);
    toolkit::runHandler([] {
        backdrop::form_Background::instance().Show();
        installer::form_002::instance().Show();
    });
    const int exitCode = application.exec();
    flow::WindowRegistry::reset();
    return exitCode;
}
