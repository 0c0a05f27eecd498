#include "ui/TSDIAppForm.h"

#include <QGuiApplication>
#include <QScreen>

#include "model/MAINDATA.h"

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("SDIAppForm");
    resize(792, 554);
    UpdateCaption();
}

void TSDIAppForm::UpdateCaption()
{
    const std::string file = ESet.ShortName.empty() ? "(отсутствует)" : ESet.ShortName;
    setWindowTitle(QString::fromStdString(" v.1.04. Система линейных уравнений файл : " + file));
}
