#include "app/application.h"
#include "app/tfmmain.h"

int main(int argc, char** argv)
{
    SelvaneApplication app(argc, argv);
    TfmMain window;
    window.show();
    return app.exec();
}
