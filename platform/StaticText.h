#pragma once

#include <string>

#include "platform/Color.h"

namespace platform {

// A static text control: a caption on a coloured background.
class StaticText {
public:
    virtual ~StaticText() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetColor(Color color) = 0;
    virtual Color GetColor() const = 0;
};

// A static text that only keeps its state, for tests and headless use.
class PlainStaticText : public StaticText {
public:
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetColor(Color color) override { color_ = color; }
    Color GetColor() const override { return color_; }

private:
    std::string caption_;
    Color color_ = clBtnFace;
};

}  // namespace platform
