#include "graph/JpegEncoder.h"

#include <QImage>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kQuality = 90;

// libjpeg ends a fatal error in error_exit, which must not return: it keeps
// the message and jumps back into Compress.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings and traces have nowhere to go in a windowed program.
void DropMessage(j_common_ptr) {}

// Everything libjpeg works on lives outside the frame that calls setjmp, so
// the jump finds it in memory and skips no destructor.
struct Compression {
    jpeg_compress_struct info;
    ErrorManager errors;
    unsigned char* bytes;  // allocated by libjpeg's memory destination
    unsigned long size;
};

bool Compress(Compression& job, const QImage& image, std::vector<JSAMPLE>& row)
{
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = JumpOnError;
    job.errors.base.output_message = DropMessage;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_compress(&job.info);
        return false;
    }
    jpeg_create_compress(&job.info);
    jpeg_mem_dest(&job.info, &job.bytes, &job.size);
    job.info.image_width = JDIMENSION(image.width());
    job.info.image_height = JDIMENSION(image.height());
    job.info.input_components = 3;
    job.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, kQuality, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    JSAMPROW rows[1] = {row.data()};
    while (job.info.next_scanline < job.info.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(int(job.info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            row[std::size_t(3 * x)] = JSAMPLE(qRed(pixels[x]));
            row[std::size_t(3 * x + 1)] = JSAMPLE(qGreen(pixels[x]));
            row[std::size_t(3 * x + 2)] = JSAMPLE(qBlue(pixels[x]));
        }
        jpeg_write_scanlines(&job.info, rows, 1);
    }
    jpeg_finish_compress(&job.info);
    jpeg_destroy_compress(&job.info);
    return true;
}

}  // namespace

std::string EncodeJpeg(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<JSAMPLE> row(std::size_t(3 * std::max(rgb.width(), 1)));
    Compression job{};
    const bool done = Compress(job, rgb, row);
    std::string bytes;
    if (done)
        bytes.assign(reinterpret_cast<const char*>(job.bytes), job.size);
    std::free(job.bytes);
    if (!done)
        throw std::runtime_error(std::string("JPEG: ") + job.errors.message);
    return bytes;
}
