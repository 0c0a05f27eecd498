#pragma once

#include <QMainWindow>

// The program's main window.
class TSDIAppForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TSDIAppForm(QWidget* parent = nullptr);

    // The caption names the file the current system belongs to.
    void UpdateCaption();
};
