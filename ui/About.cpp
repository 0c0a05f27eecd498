#include "ui/About.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "ui/DialogParts.h"

namespace {

// An arrow from origin to tip with a filled head.
void DrawVector(QPainter& painter, QPointF origin, QPointF tip, const QColor& colour)
{
    painter.setPen(QPen(colour, 2));
    painter.drawLine(origin, tip);
    const QLineF shaft(tip, origin);
    QLineF left = shaft;
    left.setLength(8);
    left.setAngle(shaft.angle() + 25);
    QLineF right = shaft;
    right.setLength(8);
    right.setAngle(shaft.angle() - 25);
    QPainterPath head(tip);
    head.lineTo(left.p2());
    head.lineTo(right.p2());
    head.closeSubpath();
    painter.fillPath(head, colour);
}

// Roots of a system drawn as vectors on the complex plane.
QPixmap VectorDiagramPicture()
{
    constexpr int kSize = 72;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (int line = 12; line < kSize; line += 12) {
        painter.drawLine(line, 0, line, kSize);
        painter.drawLine(0, line, kSize, line);
    }
    const QPointF origin(kSize / 2.0, kSize / 2.0);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(0, origin.y()), QPointF(kSize, origin.y()));
    painter.drawLine(QPointF(origin.x(), 0), QPointF(origin.x(), kSize));
    DrawVector(painter, origin, QPointF(62, 14), QColor(200, 0, 0));
    DrawVector(painter, origin, QPointF(12, 20), QColor(0, 0, 200));
    DrawVector(painter, origin, QPointF(50, 62), QColor(0, 140, 0));
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kSize - 1, kSize - 1);
    return picture;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    SetFixedDialogFrame(*this, "О программе", 298, 209);

    AddBevel(*this, 8, 8, 281, 161);
    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(VectorDiagramPicture());
    picture->setGeometry(20, 20, 72, 72);

    auto* title = new QLabel("Система линейных уравнений", this);
    title->setObjectName("ProductName");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(13);
    title->setFont(titleFont);
    title->setWordWrap(true);
    title->setGeometry(104, 20, 177, 36);

    auto* version = new QLabel("Version: 1.04.  2010г", this);
    version->setObjectName("Version");
    version->setGeometry(104, 60, 177, 18);

    auto* comments = new QLabel(
        "Решение систем линейных уравнений с комплексными коэффициентами методом Гаусса", this);
    comments->setObjectName("Comments");
    comments->setWordWrap(true);
    comments->setGeometry(20, 104, 261, 56);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    ok->setGeometry(111, 177, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
