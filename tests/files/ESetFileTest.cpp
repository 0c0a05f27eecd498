#include <gtest/gtest.h>

#include <random>

#include "files/ESetFile.h"
#include "model/ESetArrayService.h"
#include "tests/files/EsmBytes.h"
#include "tests/files/FileFixture.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

class ESetFileTest : public FileFixture {
protected:
    // A system of n equations whose every field is an arbitrary bit pattern.
    TESetCTRL RandomSystem(std::int32_t n, std::uint64_t seed)
    {
        TESetCTRL set;
        EXPECT_TRUE(InitESetArrays(set, n));
        std::mt19937_64 random(seed);
        for (std::int32_t k = 0; k < n; ++k)
            for (auto& entry : set.A[k])
                entry = esm::RandomBits(random);
        return set;
    }

    static void ExpectSameA(const TESetCTRL& expected, const TESetCTRL& actual)
    {
        ASSERT_EQ(actual.A.size(), expected.A.size());
        for (std::size_t k = 0; k < expected.A.size(); ++k) {
            ASSERT_EQ(actual.A[k].size(), expected.A[k].size());
            for (std::size_t i = 0; i < expected.A[k].size(); ++i)
                ASSERT_TRUE(esm::SameBits(actual.A[k][i], expected.A[k][i])) << "entry " << k << ", " << i;
        }
    }
};

TEST_F(ESetFileTest, SaveThenLoadGivesBackEveryBitOfA)
{
    for (const std::int32_t n : {2, 7, 100}) {
        SCOPED_TRACE(n);
        const TESetCTRL saved = RandomSystem(n, 1000u + static_cast<std::uint64_t>(n));
        TESetCTRL loaded = RandomSystem(3, 1);  // a previous system, to be replaced wholly
        ClearShown();
        SetDebugMode(true);
        const std::string name = dir.File("system.esm");
        ASSERT_TRUE(SaveESetToFile(name, saved, ESetUFCB));
        EXPECT_FALSE(ESetUFCB.IsOpen);
        EXPECT_EQ(ReadFile(name).size(), esm::kRecord * (1 + static_cast<std::size_t>(n) * (n + 1)));
        EXPECT_EQ(FolderContents(dir.path()), std::set<std::string>{"system.esm"});

        ASSERT_TRUE(LoadESetFromFile(name, loaded, ESetUFCB));
        SetDebugMode(false);
        EXPECT_FALSE(ESetUFCB.IsOpen);
        EXPECT_EQ(loaded.NRows, n);
        EXPECT_EQ(loaded.NCols, n + 1);
        ExpectSameA(saved, loaded);

        const Shown shown = CurrentlyShown();
        EXPECT_EQ(shown.lines, (std::vector<std::string>{
                                   "D: Заголовок файла успешно записан",
                                   "D: Тело файла успешно записано",
                                   "D: Трейлер файла успешно записан",
                                   "D: Успешное завершение всех операций сохранения файла",
                                   "D: Заголовок файла успешно прочитан",
                                   "D: Заголовок файла успешно проверен",
                                   "D: Заголовок файла успешно проверен",
                                   "D: Размеры динамических массивов инициализированы",
                                   "D: Тело файла успешно загужено",
                                   "D: Трейлер файла успешно загужен",
                                   "D: Успешное завершение загрузки файла в динамические массивы",
                               }));
        EXPECT_TRUE(shown.boxes.empty());
        EXPECT_EQ(bar.Position(), 0);
    }
}

TEST_F(ESetFileTest, HeaderOfTwoEquationsIsTheFormatExample)
{
    const unsigned char expected[56] = {
        0x01, 0x00, 0x00, 0x00, 0x10, 0x45, 0x53, 0x65, 0x74, 0x20, 0x4D, 0x61, 0x74, 0x72,
        0x69, 0x78, 0x20, 0x44, 0x61, 0x74, 0x61, 0x04, 0x20, 0x56, 0x31, 0x20, 0x00, 0x00,
        0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00};  // then 20 bytes 00
    const std::string name = dir.File("two.esm");
    ASSERT_TRUE(SaveESetToFile(name, RandomSystem(2, 7), ESetUFCB));
    const std::string bytes = ReadFile(name);
    ASSERT_EQ(bytes.size(), 392u);
    EXPECT_EQ(bytes.substr(0, 56), std::string(reinterpret_cast<const char*>(expected), 56));
}

// The saved file read by plain offsets, not through the program's records.
TEST_F(ESetFileTest, SavedFileDecodesByPlainOffsets)
{
    const std::int32_t n = 3;
    const TESetCTRL saved = RandomSystem(n, 42);
    const std::string name = dir.File("three.esm");
    ASSERT_TRUE(SaveESetToFile(name, saved, ESetUFCB));
    const std::string bytes = ReadFile(name);
    ASSERT_EQ(bytes.size(), esm::kRecord * (1 + n * (n + 1)));

    EXPECT_EQ(esm::ReadInt32(bytes, 0), 1);
    EXPECT_EQ(bytes.substr(4, 22), std::string("\x10" "ESet Matrix Data" "\x04" " V1 "));
    EXPECT_EQ(esm::ReadInt32(bytes, 28), n);
    EXPECT_EQ(esm::ReadInt32(bytes, 32), n + 1);
    EXPECT_EQ(bytes.substr(26, 2) + bytes.substr(36, 20), std::string(22, '\0'));

    std::size_t offset = esm::kRecord;
    for (std::int32_t k = 0; k < n; ++k)
        for (std::int32_t i = 0; i <= n; ++i, offset += esm::kRecord) {
            SCOPED_TRACE(testing::Message() << "record " << k << ", " << i);
            EXPECT_EQ(esm::ReadInt32(bytes, offset), 2);
            EXPECT_EQ(esm::ReadInt32(bytes, offset + 4), k);
            EXPECT_EQ(esm::ReadInt32(bytes, offset + 8), i);
            const TComplex& z = saved.A[k][i];
            EXPECT_EQ(bytes.substr(offset + 12, 10), esm::Extended(z.Re));
            EXPECT_EQ(bytes.substr(offset + 22, 10), esm::Extended(z.Im));
            EXPECT_EQ(bytes.substr(offset + 32, 10), esm::Extended(z.Module));
            EXPECT_EQ(bytes.substr(offset + 42, 10), esm::Extended(z.Phase));
            EXPECT_EQ(bytes.substr(offset + 52, 4), std::string(4, '\0'));
        }
}

// A file put together byte by byte loads, and the format's bytes of 1.0
// and 0.0 are those values.
TEST_F(ESetFileTest, FileBuiltByPlainOffsetsLoads)
{
    const std::string one("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 10);
    const std::string zero(10, '\0');
    const std::string minusTwo("\x00\x00\x00\x00\x00\x00\x00\x80\x00\xC0", 10);
    std::string bytes = esm::Header(1, 2, 3);
    for (std::int32_t k = 0; k < 2; ++k)
        for (std::int32_t i = 0; i < 3; ++i)
            bytes += esm::Body(2, k, i, k == i ? one + minusTwo + one + zero : zero + one + zero + minusTwo);
    const std::string name = dir.File("built.esm");
    WriteFile(name, bytes);

    TESetCTRL loaded;
    ASSERT_TRUE(LoadESetFromFile(name, loaded, ESetUFCB));
    for (std::size_t k = 0; k < 2; ++k)
        for (std::size_t i = 0; i < 3; ++i) {
            const TComplex& z = loaded.A[k][i];
            if (k == i) {
                EXPECT_EQ(z.Re, 1.0L);
                EXPECT_EQ(z.Im, -2.0L);
                EXPECT_EQ(z.Module, 1.0L);
                EXPECT_EQ(z.Phase, 0.0L);
            } else {
                EXPECT_EQ(z.Re, 0.0L);
                EXPECT_EQ(z.Im, 1.0L);
                EXPECT_EQ(z.Module, 0.0L);  // stored as is, not derived from Re and Im
                EXPECT_EQ(z.Phase, -2.0L);
            }
        }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ESetFileTest, SavingOverAFileReplacesItWhole)
{
    const std::string name = dir.File("again.esm");
    ASSERT_TRUE(SaveESetToFile(name, RandomSystem(5, 3), ESetUFCB));
    const TESetCTRL second = RandomSystem(2, 4);
    ASSERT_TRUE(SaveESetToFile(name, second, ESetUFCB));
    EXPECT_EQ(ReadFile(name).size(), 392u);
    EXPECT_EQ(FolderContents(dir.path()), std::set<std::string>{"again.esm"});
    TESetCTRL loaded;
    ASSERT_TRUE(LoadESetFromFile(name, loaded, ESetUFCB));
    ExpectSameA(second, loaded);
}

}  // namespace
