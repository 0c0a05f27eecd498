#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/ui/DialogDriver.h"
#include "ui/About.h"
#include "ui/EditESetDialod.h"
#include "ui/NewESetDialog.h"
#include "ui/ShowCTRLDialog.h"

namespace {

using namespace testing_support;

TEST(DialogFrames, FixedClientAreasWithTheirCaptions)
{
    TNewESetForm newESet;
    TESetEditForm cellEdit;
    TFormShowCTRL showCTRL;
    TAboutBox about;
    const struct {
        QDialog& dialog;
        const char* caption;
        QSize client;
    } frames[] = {
        {newESet, " Параметры для новой системы уравнений", {339, 349}},
        {cellEdit, " Редактирование ячейки матрицы", {312, 323}},
        {showCTRL, "Параметры просмотра данных", {322, 221}},
        {about, "О программе", {298, 209}},
    };
    for (const auto& frame : frames) {
        SCOPED_TRACE(frame.caption);
        EXPECT_EQ(frame.dialog.windowTitle(), QString::fromUtf8(frame.caption));
        EXPECT_EQ(frame.dialog.minimumSize(), frame.client);
        EXPECT_EQ(frame.dialog.maximumSize(), frame.client);
        EXPECT_FALSE(frame.dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(frame.dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    }
}

TEST(DialogFrames, AboutBoxShowsTitleVersionAndPictureAndClosesWithOk)
{
    TAboutBox about;
    const int result = RunModal(about, [&] {
        EXPECT_EQ(Child<QLabel>(about, "Version").text(), "Version: 1.04.  2010г");
        EXPECT_EQ(Child<QLabel>(about, "ProductName").text(), "Система линейных уравнений");
        EXPECT_FALSE(Child<QLabel>(about, "ProgramIcon").pixmap().isNull());
        Click(Child<QPushButton>(about, "OKButton"));
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

}  // namespace
