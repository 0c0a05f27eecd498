#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/Regional.h"
#include "ui/TSDIAppForm.h"

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "linsys: no display found (DISPLAY is not set); start it inside a desktop session.\n");
        return 1;
    }
    // A write beyond a file-size limit must fail with an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    platform::LoadRegionalSettings();

    TSDIAppForm mainForm;
    mainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, mainForm.size(),
                                             QGuiApplication::primaryScreen()->availableGeometry()));
    mainForm.show();
    return app.exec();
}
