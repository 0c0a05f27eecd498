#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "files/ESetFile.h"
#include "tests/files/EsmBytes.h"
#include "tests/files/FileFixture.h"

namespace {

const std::string kOpenError = " OPEN I/O ERROR.\r\n ОШИБКА ОТКРЫТИЯ ФАЙЛА ПО ЧТЕНИЮ.";
const std::string kCloseBox = " ERROR (Report from ColoseUFCB ):\r\n ОПЕРАЦИЯ ВВОДА/ВЫВОДА ЗАВЕРШИЛАСЬ АВАРИЙНО.";
const std::string kCloseDebugAtEnd =
    "D:I/O - ERROR. LastErrorCode = 199 >> Прочитано неправильное число записей :  Запрошено = 1 Прочитано = 0";
const std::string kHeaderReadError = " I/O ERROR. НЕВОЗМОЖНО ПРОЧЕСТЬ ЗАГОЛОВОК ФАЙЛА";
const std::string kHeaderCheckError = " ОШИБКИ СТРУКТУРЫ ИЛИ ДАННЫХ В ЗАГОЛОВКЕ ФАЙЛА";
const std::string kHeaderRead = "D: Заголовок файла успешно прочитан";
const std::string kHeaderChecked = "D: Заголовок файла успешно проверен";
const std::string kArraysSized = "D: Размеры динамических массивов инициализированы";
const std::string kBodyLoaded = "D: Тело файла успешно загужено";
const std::string kTrailerLoaded = "D: Трейлер файла успешно загужен";
const std::string kLoaded = "D: Успешное завершение загрузки файла в динамические массивы";

std::string ReadError(int row, int col)
{
    return " I/O ERROR. Ошибка операции чтения. Row = " + std::to_string(row) + ", Col = " + std::to_string(col);
}

std::string DataError(int recId, int row, int col)
{
    return "D: Ошибки данных в записи. RecId = " + std::to_string(recId) + ", Row = " + std::to_string(row)
           + ", Col = " + std::to_string(col);
}

// The value of entry [k][i] in the crafted files: its own coordinates.
TComplex CellValue(int k, int i)
{
    return {static_cast<long double>(k), static_cast<long double>(i), 0.5L, -0.25L};
}

std::string BodyRecord(int k, int i) { return esm::Body(2, k, i, esm::Value(CellValue(k, i))); }

// The body of a two-equation system, in order.
std::vector<std::string> BodyRecords()
{
    std::vector<std::string> records;
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 3; ++i)
            records.push_back(BodyRecord(k, i));
    return records;
}

std::string Joined(const std::vector<std::string>& records, std::size_t count)
{
    std::string bytes;
    for (std::size_t r = 0; r < count && r < records.size(); ++r)
        bytes += records[r];
    return bytes;
}

const std::string kHeader2 = esm::Header(1, 2, 3);
const std::string kGoodFile = kHeader2 + Joined(BodyRecords(), 6);

std::string Swapped()
{
    auto records = BodyRecords();
    std::swap(records[1], records[2]);
    return kHeader2 + Joined(records, 6);
}

std::string WithWrongRecId()
{
    auto records = BodyRecords();
    records[3] = esm::Body(7, 1, 0, esm::Value(CellValue(1, 0)));
    return kHeader2 + Joined(records, 6);
}

std::string WithAlteredText()
{
    std::string bytes = kGoodFile;
    bytes.replace(5, 16, "Something Else!!");
    bytes.replace(22, 4, "V9.9");
    bytes[26] = '\x7F';
    bytes[40] = '\x01';
    bytes[esm::kRecord + 53] = '\x55';  // reserved bytes of a body record
    return bytes;
}

struct LoadCase {
    const char* name;
    std::optional<std::string> bytes;  // no file at all when empty
    bool loads;
    std::vector<std::string> texts;  // journal texts with debug on; "D:" marks debug lines
    std::vector<std::string> boxTexts;  // Error boxes
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

std::vector<LoadCase> Cases()
{
    const std::vector<std::string> headerPassed = {kHeaderRead, kHeaderChecked, kHeaderChecked, kArraysSized};
    auto after = [](std::vector<std::string> first, const std::vector<std::string>& then) {
        first.insert(first.end(), then.begin(), then.end());
        return first;
    };
    const std::vector<std::string> loaded = after(headerPassed, {kBodyLoaded, kTrailerLoaded, kLoaded});
    return {
        {"MissingFile", std::nullopt, false, {kOpenError}, {kOpenError}},
        {"EmptyFile", "", false, {kCloseDebugAtEnd, kCloseBox, kHeaderReadError}, {kCloseBox, kHeaderReadError}},
        {"ShortHeader", kHeader2.substr(0, 55), false, {kCloseDebugAtEnd, kCloseBox, kHeaderReadError},
         {kCloseBox, kHeaderReadError}},
        {"OneRow", esm::Header(1, 1, 2) + BodyRecord(0, 0), false, {kHeaderRead, kHeaderCheckError},
         {kHeaderCheckError}},
        {"ThousandAndOneRows", esm::Header(1, 1001, 1002), false, {kHeaderRead, kHeaderCheckError},
         {kHeaderCheckError}},
        {"HugeRowCount", esm::Header(1, INT_MAX, INT_MIN), false, {kHeaderRead, kHeaderCheckError},
         {kHeaderCheckError}},
        {"ColumnsNotRowsPlusOne", esm::Header(1, 2, 2) + Joined(BodyRecords(), 6), false,
         {kHeaderRead, kHeaderCheckError}, {kHeaderCheckError}},
        {"BodyRecordFirst", esm::Header(2, 2, 3) + Joined(BodyRecords(), 6), false,
         {kHeaderRead, kHeaderCheckError}, {kHeaderCheckError}},
        {"CutAfterHeader", kHeader2, false, after(headerPassed, {kCloseDebugAtEnd, kCloseBox, ReadError(0, 0)}),
         {kCloseBox, ReadError(0, 0)}},
        {"CutInsideBody", kHeader2 + Joined(BodyRecords(), 4) + BodyRecord(1, 1).substr(0, 30), false,
         after(headerPassed, {kCloseDebugAtEnd, kCloseBox, ReadError(1, 1)}), {kCloseBox, ReadError(1, 1)}},
        {"TwoRecordsSwapped", Swapped(), false, after(headerPassed, {DataError(2, 0, 2)}), {}},
        {"WrongRecIdInBody", WithWrongRecId(), false, after(headerPassed, {DataError(7, 1, 0)}), {}},
        {"RecordsAfterBody", kGoodFile + BodyRecord(0, 0) + "tail", true, loaded, {}},
        {"AlteredSignatureVersionAndReserved", WithAlteredText(), true, loaded, {}},
    };
}

class ESetLoadFailureTest : public FileFixture, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ESetLoadFailureTest, ShowsTheMessagesAndLeavesTheFileClosed)
{
    const LoadCase& c = GetParam();
    const std::string name = dir.File("case.esm");
    if (c.bytes)
        testing_support::WriteFile(name, *c.bytes);

    std::vector<testing_support::RecordingBoxes::Box> expectedBoxes;
    for (const auto& text : c.boxTexts)
        expectedBoxes.push_back(ErrorBox(text));
    for (const bool debug : {true, false}) {
        SCOPED_TRACE(debug ? "debug on" : "debug off");
        ClearShown();
        SetDebugMode(debug);
        std::vector<std::string> texts;
        for (const auto& text : c.texts)
            if (debug || !text.starts_with("D:"))
                texts.push_back(text);

        TESetCTRL set;
        EXPECT_EQ(LoadESetFromFile(name, set, ESetUFCB), c.loads);
        const Shown shown = CurrentlyShown();
        EXPECT_EQ(shown.lines, JournalLines(texts));
        EXPECT_EQ(shown.boxes, expectedBoxes);
        EXPECT_FALSE(ESetUFCB.IsOpen);
        EXPECT_FALSE(ESetUFCB.FileVar.IsOpen());
        EXPECT_EQ(bar.Position(), 0);
        if (c.loads) {
            ASSERT_EQ(set.A.size(), 2u);
            for (int k = 0; k < 2; ++k)
                for (int i = 0; i < 3; ++i)
                    EXPECT_TRUE(esm::SameBits(set.A[k][i], CellValue(k, i))) << k << ", " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ESetLoadFailureTest, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
