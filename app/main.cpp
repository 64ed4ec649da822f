#include "PlannerApplication.h"

int main(int argc, char* argv[])
{
    PlannerApplication app(argc, argv);
    app.startUp();
    const int result = app.run();
    app.shutDown();
    return result;
}
