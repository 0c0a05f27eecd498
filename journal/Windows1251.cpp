#include "journal/Windows1251.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

class Converter {
public:
    Converter() : cd_(iconv_open("WINDOWS-1251", "UTF-8"))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: no UTF-8 to WINDOWS-1251 conversion");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view utf8)
    {
        std::string out;
        out.reserve(utf8.size());
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: an unconvertible character or a broken sequence.
            std::size_t skip = SequenceLength(static_cast<unsigned char>(*in));
            if (skip > inLeft)
                skip = inLeft;
            for (std::size_t i = 1; i < skip; ++i)
                if ((static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) {
                    skip = i;
                    break;
                }
            out.push_back('?');
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string ToWindows1251(std::string_view utf8)
{
    Converter converter;
    return converter.Convert(utf8);
}
