#include "graph/ImageFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <stdexcept>
#include <string_view>

#include "graph/JpegEncoder.h"
#include "platform/FileNames.h"
#include "platform/ReplacingFile.h"

namespace {

[[noreturn]] void Fail(const std::string& target, const std::string& reason)
{
    throw std::runtime_error("ОШИБКА ЗАПИСИ ФАЙЛА " + target + " : " + reason);
}

void WriteImageBytes(const std::string& target, std::string_view bytes)
{
    platform::ReplacingFile file(target);
    if (!file.Write(bytes) || !file.Commit())
        Fail(target, platform::SystemErrorMessage(file.Error()));
}

}  // namespace

void WriteJpegFile(const QImage& image, const std::string& Target)
{
    std::string bytes;
    try {
        bytes = EncodeJpeg(image);
    } catch (const std::runtime_error& error) {
        Fail(Target, error.what());
    }
    WriteImageBytes(Target, bytes);
}

void WriteBmpFile(const QImage& image, const std::string& Target)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        Fail(Target, "ПУСТОЕ ИЗОБРАЖЕНИЕ");
    WriteImageBytes(Target, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
