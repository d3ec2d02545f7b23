#include <QApplication>

#include "Startup.h"
#include "platform/Platform.h"
#include "shell/Password.h"

int main(int argc, char *argv[]) {
    vel::PrepareRendering();
    QApplication app(argc, argv);
    vel::InitPlatform();
    vel::CreateWindows();
    vel::frmPassword->Show();
    const int code = app.exec();
    vel::DestroyWindows();
    return code;
}
