// The process entry: runs the toolkit with the first window of the chain.
// Everything after that happens in the windows' handlers and timer ticks.
#include "flow/WindowRegistry.h"
#include "installer/form_001.h"
#include "toolkit/Application.h"

int main(int argc, char *argv[])
{
    toolkit::Application::prepareProcessEnvironment();
    toolkit::Application application(argc, argv);
    toolkit::runHandler([] { installer::form_001::instance().Show(); });
    const int exitCode = application.exec();
    flow::WindowRegistry::reset();
    return exitCode;
}
