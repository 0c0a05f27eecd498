#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/MessageBoxes.h"
#include "platform/Regional.h"
#include "ui/About.h"
#include "ui/EditESetDialod.h"
#include "ui/NewESetDialog.h"
#include "ui/QtPlatform.h"
#include "ui/ShowCTRLDialog.h"
#include "ui/TSDIAppForm.h"

namespace {

bool HasDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || (platform && *platform);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "linsys: no graphical display (DISPLAY is not set); start it in a desktop session.\n");
        return 1;
    }
    // A write beyond a file-size limit must fail with an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Linsys"));
    // Qt's own Russian texts for the standard buttons of message boxes and dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    platform::LoadRegionalSettings();

    TSDIAppForm mainForm;
    QtMessageBoxes boxes(&mainForm);
    platform::SetMessageBoxes(&boxes);
    TAboutBox aboutBox(&mainForm);
    TESetEditForm cellEditForm(&mainForm);
    TNewESetForm newESetForm(&mainForm);
    TFormShowCTRL showCTRLForm(&mainForm);
    mainForm.SetDialogs(&aboutBox, &cellEditForm, &newESetForm, &showCTRLForm);

    mainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, mainForm.size(),
                                             QGuiApplication::primaryScreen()->availableGeometry()));
    mainForm.show();
    const int result = QApplication::exec();
    platform::SetMessageBoxes(nullptr);
    return result;
}
