#include <QImage>
#include <QWidget>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

#include <jpeglib.h>

#include "graph/GraphXYv03.h"
#include "tests/graph/SurfacePixels.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

constexpr platform::Color kRed = 0x000000FF;

std::set<std::string> FilesIn(const std::string& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// The standard quantisation tables of the JPEG standard (Annex K), in
// natural order, and libjpeg's scaling of them for a quality.
constexpr std::array<unsigned, 64> kLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,  14, 13, 16, 24,  40,  57,
    69, 56, 14, 17, 22,  29,  51,  87,  80, 62, 18, 22, 37,  56,  68,  109, 103, 77, 24, 35, 55,  64,
    81, 104, 113, 92, 49, 64, 78,  87,  103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
constexpr std::array<unsigned, 64> kChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::array<unsigned, 64> Scaled(const std::array<unsigned, 64>& table, int quality)
{
    const unsigned factor = unsigned(quality < 50 ? 5000 / quality : 200 - 2 * quality);
    std::array<unsigned, 64> scaled{};
    for (std::size_t i = 0; i < 64; ++i)
        scaled[i] = std::clamp((table[i] * factor + 50) / 100, 1u, 255u);
    return scaled;
}

struct DecodedJpeg {
    bool ok = false;
    int width = 0, height = 0, components = 0;
    bool jfif = false, progressive = false;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    std::array<std::array<unsigned, 64>, 2> quantisation{};
    QImage pixels;
};

struct DecodeErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) { std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->jump, 1); }

struct Decompression {
    jpeg_decompress_struct info;
    DecodeErrors errors;
};

void DecodeInto(Decompression& job, const std::string& bytes, DecodedJpeg& out)
{
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = JumpOut;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_decompress(&job.info);
        out.ok = false;
        return;
    }
    jpeg_create_decompress(&job.info);
    jpeg_mem_src(&job.info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&job.info, TRUE);
    out.width = int(job.info.image_width);
    out.height = int(job.info.image_height);
    out.components = job.info.num_components;
    out.jfif = job.info.saw_JFIF_marker;
    out.progressive = job.info.progressive_mode;
    out.colorSpace = job.info.jpeg_color_space;
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t i = 0; i < 64 && job.info.quant_tbl_ptrs[t]; ++i)
            out.quantisation[t][i] = job.info.quant_tbl_ptrs[t]->quantval[i];
    job.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.info);
    out.pixels = QImage(out.width, out.height, QImage::Format_RGB888);
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = out.pixels.scanLine(int(job.info.output_scanline));
        jpeg_read_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    out.ok = true;
}

DecodedJpeg Decode(const std::string& bytes)
{
    DecodedJpeg out;
    Decompression job{};
    DecodeInto(job, bytes, out);
    return out;
}

// Baseline sequential frames are marked SOF0; extended and progressive ones
// SOF1 and SOF2. Entropy-coded data never holds 0xFF followed by these.
bool HasMarker(const std::string& bytes, unsigned char marker)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && static_cast<unsigned char>(bytes[i + 1]) == marker)
            return true;
    return false;
}

class SaveImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.resize(446, 430);
        panel.show();
        graph.BuildOnPanel(&panel, "S");
        ASSERT_TRUE(graph.IsBuilt());
        // A big red dot in the upper left quarter shows the orientation and
        // the order of the colour channels.
        graph.FindOptimalScale(true, true, {{-5, -5}, {5, 5}});
        graph.PaintPointXY(kRed, kRed, -3, 3, 40);
        dotCentre = QPoint(graph.XToPixel(-3), graph.YToPixel(3));
    }

    testing_support::TestEnvironment environment;
    testing_support::RecordingBoxes boxes;
    TempDir dir;
    QWidget panel;
    TGraphXY graph;
    QPoint dotCentre;
};

TEST_F(SaveImageTest, NameLosesEverythingFromTheFirstDotOfTheFileName)
{
    struct Case {
        const char* name;
        char kind;
        const char* written;  // empty: nothing
    };
    for (const Case c : {Case{"pic", 'J', "pic.jpg"}, Case{"pic.old.jpeg", 'J', "pic.jpg"}, Case{"pic.", 'J', "pic.jpg"},
                         Case{".jpg", 'J', ""}, Case{"pic", 'j', "pic.jpg"}, Case{"pic.png", 'B', "pic.bmp"},
                         Case{"pic", 'b', "pic.bmp"}, Case{"pic", 'X', ""}, Case{"", 'J', ""}}) {
        TempDir target;
        graph.SaveImage(target.File(c.name), c.kind);
        const std::set<std::string> expected =
            *c.written ? std::set<std::string>{c.written} : std::set<std::string>{};
        EXPECT_EQ(FilesIn(target.path()), expected) << "'" << c.name << "' " << c.kind;
    }
    // Only the file name counts: a dot in a folder name stays.
    std::filesystem::create_directory(dir.File("my.dir"));
    graph.SaveImage(dir.File("my.dir/roots.jpeg"), 'J');
    EXPECT_EQ(FilesIn(dir.File("my.dir")), std::set<std::string>{"roots.jpg"});
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SaveImageTest, JpegIsABaselineSequentialJfifOfTheSurfaceAtQuality90)
{
    graph.SaveImage(dir.File("pic"), 'J');
    const std::string bytes = ReadFile(dir.File("pic.jpg"));
    ASSERT_GT(bytes.size(), 11u);
    EXPECT_EQ(bytes.substr(0, 4), "\xFF\xD8\xFF\xE0");
    EXPECT_EQ(bytes.substr(6, 5), std::string("JFIF\0", 5));
    EXPECT_TRUE(HasMarker(bytes, 0xC0));
    EXPECT_FALSE(HasMarker(bytes, 0xC1));
    EXPECT_FALSE(HasMarker(bytes, 0xC2));

    const DecodedJpeg jpeg = Decode(bytes);
    ASSERT_TRUE(jpeg.ok);
    const QImage& surface = SurfaceOf(graph);
    EXPECT_EQ(jpeg.width, surface.width());
    EXPECT_EQ(jpeg.height, surface.height());
    EXPECT_EQ(jpeg.components, 3);
    EXPECT_TRUE(jpeg.jfif);
    EXPECT_FALSE(jpeg.progressive);
    EXPECT_EQ(jpeg.colorSpace, JCS_YCbCr);
    EXPECT_EQ(jpeg.quantisation[0], Scaled(kLuminance, 90));
    EXPECT_EQ(jpeg.quantisation[1], Scaled(kChrominance, 90));

    const QColor centre = jpeg.pixels.pixelColor(dotCentre);
    EXPECT_GT(centre.red(), 240);
    EXPECT_LT(centre.green(), 16);
    EXPECT_LT(centre.blue(), 16);
    const QImage expected = surface.convertToFormat(QImage::Format_RGB888);
    long long difference = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QColor a = expected.pixelColor(x, y), b = jpeg.pixels.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(double(difference) / (3.0 * expected.width() * expected.height()), 4.0);
}

TEST_F(SaveImageTest, BitmapReadsBackWithTheSurfacesPixels)
{
    graph.SaveImage(dir.File("pic.jpg"), 'B');
    const std::string bytes = ReadFile(dir.File("pic.bmp"));
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    QImage read;
    ASSERT_TRUE(read.load(dir.File("pic.bmp").c_str(), "BMP"));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), SurfaceOf(graph));
}

TEST_F(SaveImageTest, ExistingFileIsReplacedWithoutAsking)
{
    WriteFile(dir.File("pic.jpg"), "old picture");
    graph.SaveImage(dir.File("pic"), 'J');
    EXPECT_TRUE(Decode(ReadFile(dir.File("pic.jpg"))).ok);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SaveImageTest, WriteFailureThrowsAndLeavesNoTraces)
{
    EXPECT_THROW(graph.SaveImage(dir.File("missing/pic"), 'J'), std::runtime_error);
    EXPECT_TRUE(FilesIn(dir.path()).empty());

    std::filesystem::create_directory(dir.File("pic.jpg"));
    try {
        graph.SaveImage(dir.File("pic"), 'J');
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(dir.File("pic.jpg")), std::string::npos) << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("pic.jpg")));
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"pic.jpg"});

    // A panel shrunk below the frame's margins leaves an empty surface, which
    // libjpeg refuses: its error reaches the caller as a failure.
    panel.resize(10, 10);
    graph.ClearGraph();
    ASSERT_TRUE(SurfaceOf(graph).isNull());
    TempDir empty;
    EXPECT_THROW(graph.SaveImage(empty.File("pic"), 'J'), std::runtime_error);
    EXPECT_THROW(graph.SaveImage(empty.File("pic"), 'B'), std::runtime_error);
    EXPECT_TRUE(FilesIn(empty.path()).empty());
}

TEST_F(SaveImageTest, FailedWriteKeepsTheOldFileByteForByte)
{
    for (const char kind : {'J', 'B'}) {
        TempDir target;
        const std::string name = target.File(kind == 'J' ? "pic.jpg" : "pic.bmp");
        WriteFile(name, "the old picture");
        testing_support::ChildLimits limits;
        limits.fileSizeLimit = 100;  // far below the picture's size
        const auto result = testing_support::RunInChild(limits, [&] {
            graph.SaveImage(target.File("pic"), kind);
            return std::string("saved");
        });
        EXPECT_EQ(result.exitCode, 1) << kind << ": " << result.output;
        EXPECT_EQ(result.output.rfind("exception: ОШИБКА ЗАПИСИ ФАЙЛА " + name, 0), 0u) << result.output;
        EXPECT_EQ(ReadFile(name), "the old picture");
        EXPECT_EQ(FilesIn(target.path()).size(), 1u) << kind;
    }
}

// A folder that does not exist, a folder in the place of the file, and a
// folder that may not be written (without root, in a child): each write
// throws naming the file, keeps the old file and leaves nothing behind, and
// the next save to a good place works.
TEST_F(SaveImageTest, WriteFaultsKeepTheOldFileAndTheNextSaveWorks)
{
    struct Case {
        const char* label;
        char kind;
        const char* name;     // given to SaveImage, inside the case's folder
        const char* written;  // the file it aims at
        bool readOnlyFolder;
    };
    const std::string open = dir.File("open");
    std::filesystem::create_directory(open);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    std::filesystem::permissions(open, std::filesystem::perms::all);
    for (const Case& c : {Case{"missing folder", 'B', "missing/pic", "missing/pic.bmp", false},
                          Case{"folder in the place of the file", 'B', "pic", "pic.bmp", false},
                          Case{"read-only folder", 'J', "pic", "pic.jpg", true},
                          Case{"read-only folder", 'B', "pic", "pic.bmp", true}}) {
        SCOPED_TRACE(std::string(c.label) + " " + c.kind);
        TempDir folder;
        const std::string target = folder.File(c.written);
        if (c.readOnlyFolder)
            WriteFile(target, "the old picture");
        else if (std::string(c.name) == "pic")
            std::filesystem::create_directory(target);
        // Only the case's own obstacle stands in the way of the child.
        if (std::filesystem::exists(target))
            std::filesystem::permissions(target, std::filesystem::perms::all);
        const std::set<std::string> before = FilesIn(folder.path());
        std::filesystem::permissions(folder.path(), c.readOnlyFolder ? std::filesystem::perms(0555)
                                                                     : std::filesystem::perms::all);
        testing_support::ChildLimits limits;
        limits.dropRoot = true;
        const auto result = testing_support::RunInChild(limits, [&] {
            std::string out;
            try {
                graph.SaveImage(folder.File(c.name), c.kind);
                out = "saved";
            } catch (const std::runtime_error& error) {
                out = error.what();
            }
            graph.SaveImage(open + "/next", c.kind);
            return out;
        });
        EXPECT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(result.output.rfind("ОШИБКА ЗАПИСИ ФАЙЛА " + target, 0), 0u) << result.output;
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(FilesIn(folder.path()), before);
        if (c.readOnlyFolder) {
            EXPECT_EQ(ReadFile(target), "the old picture");
        }
        EXPECT_EQ(FilesIn(open), std::set<std::string>{c.kind == 'J' ? "next.jpg" : "next.bmp"});
        std::filesystem::remove(open + (c.kind == 'J' ? "/next.jpg" : "/next.bmp"));
    }
}

}  // namespace
