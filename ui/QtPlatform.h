#pragma once

#include <QString>
#include <string>
#include <vector>

#include "platform/Memo.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgressBar.h"
#include "platform/StaticText.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QWidget;

// The Qt implementations of the platform stand-ins the core reports through.

QString ToQString(const std::string& text);  // UTF-8, CR LF shown as one line break

// The toolkit's standard message boxes, parented to the main window.
class QtMessageBoxes : public platform::MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
    void Show(platform::MsgKind kind, const std::string& text) override;
    bool Ask(platform::MsgKind kind, const std::string& text) override;

private:
    QWidget* parent_;
};

// The journal on a plain-text control that keeps its end in view.
class QtMemo : public platform::Memo {
public:
    explicit QtMemo(QPlainTextEdit& edit);
    void Clear() override;
    void Add(const std::string& text) override;
    std::vector<std::string> Lines() const override { return lines_; }

private:
    QPlainTextEdit& edit_;
    std::vector<std::string> lines_;
};

// A label with a background colour.
class QtStaticText : public platform::StaticText {
public:
    explicit QtStaticText(QLabel& label) : label_(label) {}
    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return caption_; }
    void SetColor(platform::Color color) override;
    platform::Color GetColor() const override { return color_; }

private:
    QLabel& label_;
    std::string caption_;
    platform::Color color_ = platform::clBtnFace;
};

// The bar's state, mirrored on a QProgressBar, which is repainted at once so
// that a long operation shows its advance.
class QtProgressBar : public platform::ProgressBar {
public:
    explicit QtProgressBar(QProgressBar& bar);

protected:
    void Changed() override;

private:
    QProgressBar& bar_;
};
