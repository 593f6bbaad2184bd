#include "app/shell/tessara_app.h"

int main(int argc, char** argv)
{
    tessara::CTessaraApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return tessara::CTessaraApp::exec();
}
