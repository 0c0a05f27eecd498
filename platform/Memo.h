#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The multi-line text control that holds the journal. Add appends one item;
// an item containing line breaks (CR LF, LF or CR) shows as several lines.
class Memo {
public:
    virtual ~Memo() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual std::vector<std::string> Lines() const = 0;
};

// Splits a text at CR LF, LF or CR, as the memo shows it; an empty text is one
// empty line.
std::vector<std::string> SplitLines(std::string_view text);

// A memo that only keeps its lines: what the tests bind the journal to.
class TextMemo : public Memo {
public:
    void Clear() override { lines_.clear(); }
    void Add(const std::string& text) override;
    std::vector<std::string> Lines() const override { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace platform
