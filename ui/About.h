#pragma once

#include <QDialog>

// The About box: the program's title, its version, a picture and OK.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
