// Every public exchange file of the corpus, opened as the Open command opens
// it and compared with an independent reading by Qt's XML parser.
#include "ExchangeFile.h"

#include "data/Fields.h"
#include "formats/FormatDetection.h"
#include "formats/LineDispatch.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace kolv {
namespace {

using test::corpusAvailable;
using test::corpusDir;
using test::openExchangeFile;
using test::readFile;
using test::utf8;

std::string xmlRealDir()
{
    return corpusDir() + "/xml-real";
}

std::vector<std::string> corpusXmlFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(xmlRealDir())) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".xml")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isManagementFile(const std::string& path)
{
    return std::filesystem::path(path).filename() == "BORING.XML";
}

// What the import maps, counted by a real XML parser.
struct OracleTest {
    std::string depth;
    std::string nText;
};

struct OracleReading {
    QString root;
    std::vector<double> layerDepths;  // ascending, as the post-processing sorts them
    std::vector<OracleTest> penetrationTests;
    std::vector<std::string> waterLevels;
    std::string headingWaterLevel;  // the measured level of the latest date, file order within a day
    int samples = 0;
    int notes = 0;
    int inSituTests = 0;
};

bool beginsWithNumber(const QString& text)
{
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == QChar(0x3000))
            continue;
        return QStringLiteral("0123456789.+-").contains(c);
    }
    return false;
}

double leadingNumber(const QString& text)
{
    return std::strtod(text.trimmed().toUtf8().constData(), nullptr);
}

// The text of every element of one group, by element name (repeated
// elements joined).
QMap<QString, QString> readGroup(QXmlStreamReader& xml, const QString& groupName)
{
    QMap<QString, QString> texts;
    QString current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement())
            current = xml.name().toString();
        else if (xml.isCharacters() && !current.isEmpty())
            texts[current] += xml.text().toString();
        else if (xml.isEndElement()) {
            if (xml.name() == groupName)
                break;
            current.clear();
        }
    }
    return texts;
}

OracleReading readWithQt(const std::string& fileBytes)
{
    // The parser trusts the declaration, which real files often get wrong:
    // it is given UTF-8 and told so.
    const std::string utf8Text = looksLikeUtf8(fileBytes) ? fileBytes : cp932ToUtf8(fileBytes);
    QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    text.replace(QRegularExpression(QStringLiteral("encoding=\"[^\"]*\"")), QStringLiteral("encoding=\"UTF-8\""));

    const QMap<QString, QString> layerDepthElement = {
        {QStringLiteral("地質区分"), QStringLiteral("地質区分_深度")},
        {QStringLiteral("土質岩種区分"), QStringLiteral("土質岩種区分_下端深度")},
        {QStringLiteral("岩石土区分"), QStringLiteral("岩石土区分_下端深度")},
        {QStringLiteral("工学的地質区分名現場土質名"), QStringLiteral("工学的地質区分名現場土質名_下端深度")},
    };
    OracleReading reading;
    std::vector<double> layers;
    qint64 latestWaterLevelDay = -1;
    QXmlStreamReader xml(text.toUtf8());
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (reading.root.isEmpty()) {
            reading.root = name;
            continue;
        }
        if (layerDepthElement.contains(name)) {
            const QString depth = readGroup(xml, name).value(layerDepthElement[name]);
            if (beginsWithNumber(depth) && layers.size() < 200)
                layers.push_back(leadingNumber(depth));
        } else if (name == u"色調") {
            const QString depth = readGroup(xml, name).value(QStringLiteral("色調_下端深度"));
            if (!beginsWithNumber(depth))
                continue;
            const double value = leadingNumber(depth);
            const bool matched = std::any_of(layers.begin(), layers.end(),
                                             [&](double layer) { return std::fabs(layer - value) < 0.001; });
            if (!matched && layers.size() < 200)
                layers.push_back(value);
        } else if (name == u"標準貫入試験") {
            const QMap<QString, QString> test = readGroup(xml, name);
            const QString depth = test.value(QStringLiteral("標準貫入試験_開始深度"));
            if (!beginsWithNumber(depth))
                continue;
            bool millimetres = false;
            for (const QString& element : test.keys())
                millimetres = millimetres || element.contains(QStringLiteral("_0_100"));
            QString penetration = test.value(QStringLiteral("標準貫入試験_合計貫入量"));
            if (millimetres && beginsWithNumber(penetration))
                penetration = QString::number(std::atol(penetration.toUtf8().constData()) / 10);
            reading.penetrationTests.push_back(
                {depth.toStdString(),
                 (test.value(QStringLiteral("標準貫入試験_合計打撃回数")) + u'/' + penetration).toStdString()});
        } else if (name == u"孔内水位") {
            // -99.99 or the kind code 91: no level was measured.
            const QMap<QString, QString> measurement = readGroup(xml, name);
            const QString level = measurement.value(QStringLiteral("孔内水位_孔内水位"));
            if (!beginsWithNumber(level) || std::fabs(leadingNumber(level) + 99.99) < 1e-6
                || measurement.value(QStringLiteral("孔内水位_水位種別コード")).trimmed() == u"91")
                continue;
            const QString levelText = QString::asprintf("%+.2f", 0.0 - leadingNumber(level));
            reading.waterLevels.push_back(levelText.toStdString());
            QStringList date = measurement.value(QStringLiteral("孔内水位_測定年月日")).trimmed().split(u'-');
            if (date.size() != 3)
                date = {measurement.value(QStringLiteral("孔内水位_測定年")),
                        measurement.value(QStringLiteral("孔内水位_測定月")),
                        measurement.value(QStringLiteral("孔内水位_測定日"))};
            const QDate day(date[0].toInt(), date[1].toInt(), date[2].toInt());
            const qint64 order = day.isValid() ? day.toJulianDay() : 0;
            if (order >= latestWaterLevelDay) {
                latestWaterLevelDay = order;
                reading.headingWaterLevel = levelText.toStdString();
            }
        } else if (name == u"試料採取") {
            reading.samples += beginsWithNumber(readGroup(xml, name).value(QStringLiteral("試料採取_上端深度")));
        } else if (name == u"観察記事") {
            const QMap<QString, QString> note = readGroup(xml, name);
            reading.notes += beginsWithNumber(note.value(QStringLiteral("観察記事_上端深度")))
                || beginsWithNumber(note.value(QStringLiteral("観察記事_下端深度")));
        } else if (name == u"孔内水平載荷試験" || name == u"孔内載荷試験" || name == u"その他原位置試験") {
            const QMap<QString, QString> test = readGroup(xml, name);
            reading.inSituTests += beginsWithNumber(test.value(name + QStringLiteral("_試験深度")))
                || beginsWithNumber(test.value(name + QStringLiteral("_上端深度")));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    std::sort(layers.begin(), layers.end());
    reading.layerDepths = layers;
    return reading;
}

void expectAgreesWithIndependentReading(const BoringData& data, const OracleReading& oracle)
{
    ASSERT_EQ(occupiedRowCount(data.layerRows), static_cast<int>(oracle.layerDepths.size()));
    for (std::size_t row = 0; row < oracle.layerDepths.size(); ++row)
        EXPECT_NEAR(std::strtod(data.layerRows.cell(static_cast<int>(row) + 1, 1).c_str(), nullptr),
                    oracle.layerDepths[row], 1e-9);

    ASSERT_EQ(occupiedRowCount(data.sptRows), static_cast<int>(oracle.penetrationTests.size()));
    for (std::size_t row = 0; row < oracle.penetrationTests.size(); ++row) {
        EXPECT_EQ(data.sptRows.cell(static_cast<int>(row) + 1, 1), oracle.penetrationTests[row].depth);
        EXPECT_EQ(data.sptRows.cell(static_cast<int>(row) + 1, 2), oracle.penetrationTests[row].nText);
    }

    ASSERT_EQ(occupiedRowCount(data.waterLevelRows), static_cast<int>(oracle.waterLevels.size()));
    for (std::size_t row = 0; row < oracle.waterLevels.size(); ++row)
        EXPECT_EQ(data.waterLevelRows.cell(static_cast<int>(row) + 1, 1), oracle.waterLevels[row]);
    EXPECT_EQ(data.headingLine(HeadingLine::WaterLevel), oracle.headingWaterLevel);

    EXPECT_EQ(occupiedRowCount(data.sampleRows), oracle.samples);
    EXPECT_EQ(occupiedRowCount(data.observationRows), oracle.notes);
    EXPECT_EQ(occupiedRowCount(data.inSituRows), oracle.inSituTests);
}

TEST(XmlCorpus, EveryFileOpensAndAgreesWithAnIndependentReading)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    const std::vector<std::string> files = corpusXmlFiles();
    ASSERT_GE(files.size(), 16u);
    std::size_t layersInAll = 0;
    std::size_t testsInAll = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const OracleReading oracle = readWithQt(readFile(path));
        layersInAll += oracle.layerDepths.size();
        testsInAll += oracle.penetrationTests.size();
        const auto opened = openExchangeFile(path);
        if (isManagementFile(path)) {
            EXPECT_EQ(oracle.root, QStringLiteral("BORING"));
            EXPECT_EQ(opened->status, OpenStatus::NotRecognised);
            EXPECT_TRUE(opened->hasMessage(32793));
            continue;
        }
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        // Every character of these files has a code-page-932 form.
        EXPECT_TRUE(opened->issues.empty());
        expectAgreesWithIndependentReading(opened->data, oracle);
    }
    // The independent reading found what the files hold.
    EXPECT_GT(layersInAll, 80u);
    EXPECT_GT(testsInAll, 150u);
}

TEST(XmlCorpus, SampleBoreholeOpensAndAgreesWithAnIndependentReading)
{
    const std::string path = std::string(KOLV_SOURCE_DIR) + "/share/samples/harbour-quay-no2.xml";
    const OracleReading oracle = readWithQt(readFile(path));
    const auto opened = openExchangeFile(path);
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    EXPECT_TRUE(opened->issues.empty());
    expectAgreesWithIndependentReading(opened->data, oracle);
    EXPECT_EQ(oracle.penetrationTests.size(), 29u);
    EXPECT_EQ(opened->heading(27), "53332561");
    EXPECT_EQ(opened->heading(21), "全自動");
}

TEST(XmlCorpus, OfficialExamplesFillTheHeadingLinesTheTagTableMaps)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    struct Case {
        const char* file;
        std::vector<std::pair<int, const char*>> lines;
    };
    const Case cases[] = {
        {"boring-rs/BED0110.XML",
         {{1, "○○共同溝土質調査（その２）"},
          {2, "国道○○号建設事業"},
          {3, "○○県○○郡○○町字○○"},
          {4, "国土交通省○○地方整備局道路部○○課"},
          {5, "B-2"},
          {6, "1999"},
          {7, "5"},
          {8, "1"},
          {9, "1999"},
          {10, "5"},
          {11, "20"},
          {13, "0.23"},
          {16, "○○○○"},
          {17, "△△△△"},
          {18, "××××"},
          {19, "□□□□"},
          {20, "○○○○"},
          {21, "半自動"},
          {22, "△△△△"},
          {23, "××××"},
          {24, "15.00"},
          {25, "10.00"},
          {26, "15.00"},
          {27, "53396543"},
          {37, "23.00"},
          {39, "株式会社○○コンサルタンツ"},
          {40, "012-3455-6789"},
          {51, "34"},
          {52, "59"},
          {53, "53.2000"},
          {54, "135"},
          {55, "49"},
          {56, "58.2000"},
          {57, "1"},
          {58, "65"},
          {59, "43"}}},
        {"boring-rs/BED0300.XML",
         {{1, "○○共同溝土質調査(その2)"},
          {2, "一般国道○○号建設事業"},
          {4, "国土交通省○○地方整備局○○事務所○○課"},
          {5, "B-2"},
          {6, "1999"},
          {7, "05"},
          {8, "01"},
          {9, "1999"},
          {10, "05"},
          {11, "20"},
          {16, "○○○○"},
          {19, "□□□□"},
          {21, "半自動"},
          {23, "×××"},
          {24, "15.00"},
          {25, "10.00"},
          {27, "53396543"},
          {37, "23.00"},
          {57, "1"}}},
        {"boring-rs/BED0400.XML",
         {{1, "○○共同溝土質調査(その2)"},
          {6, "1999"},
          {7, "05"},
          {8, "01"},
          {11, "20"},
          {16, "○○○○"},
          {17, "△△△△"},
          {21, ""},
          {24, "15.00"},
          {25, "10.00"},
          {27, "53396543"},
          {37, "23.00"},
          {57, "11"},
          {76, "54321"},
          {77, ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto opened = openExchangeFile(xmlRealDir() + "/" + c.file);
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        for (const auto& [line, text] : c.lines)
            EXPECT_EQ(opened->heading(line), text) << "heading line " << line;
    }
}

TEST(XmlCorpus, InSituRowsEndAsTheCompletionAndPostProcessingLeaveThem)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    for (const char* file : {"boring-rs/BED0110.XML", "boring-rs/BED0300.XML", "boring-rs/BED0400.XML"}) {
        SCOPED_TRACE(file);
        const auto opened = openExchangeFile(xmlRealDir() + "/" + file);
        const auto& tests = opened->data.inSituRows;
        ASSERT_GT(occupiedRowCount(tests), 0);
        for (int row = 1; row <= occupiedRowCount(tests); ++row) {
            EXPECT_EQ(tests.cell(row, 4), "7");
            EXPECT_EQ(tests.cell(row, 5) + tests.cell(row, 6), "");
            EXPECT_EQ(tests.cell(row, 7), tests.cell(row, 1));
            EXPECT_EQ(tests.cell(row, 8), "7");
        }
    }
    const auto older = openExchangeFile(xmlRealDir() + "/boring-rs/BED0300.XML");
    EXPECT_EQ(utf8(older->data.inSituRows.cell(1, 2)) + " " + older->data.inSituRows.cell(1, 3),
              "孔内載荷試験 1.31E+03");
    // The same survey in 4.00 keeps its loading tests under their new group
    // name, and its unmeasured level (-99.99) makes no water-level row.
    const auto newer = openExchangeFile(xmlRealDir() + "/boring-rs/BED0400.XML");
    std::vector<std::string> loadingTests;
    for (int row = 1; row <= occupiedRowCount(newer->data.inSituRows); ++row)
        if (utf8(newer->data.inSituRows.cell(row, 2)) == "孔内載荷試験")
            loadingTests.push_back(newer->data.inSituRows.cell(row, 1) + " " + newer->data.inSituRows.cell(row, 3));
    EXPECT_EQ(loadingTests, (std::vector<std::string>{"10.00 1.31E+03", "26.30 2.47E+04"}));
    for (int row = 1; row <= occupiedRowCount(newer->data.waterLevelRows); ++row)
        EXPECT_NE(newer->data.waterLevelRows.cell(row, 1), "+99.99");
}

void expectSameStore(const BoringData& actual, const BoringData& expected)
{
    EXPECT_EQ(actual.headingLines, expected.headingLines);
    const auto sameTable = [](const auto& a, const auto& b, const char* name) {
        using Table = std::decay_t<decltype(a)>;
        for (int row = 1; row <= Table::capacity; ++row)
            EXPECT_EQ(a.row(row), b.row(row)) << name << " row " << row;
    };
    sameTable(actual.layerRows, expected.layerRows, "layer");
    sameTable(actual.sptRows, expected.sptRows, "penetration test");
    sameTable(actual.observationRows, expected.observationRows, "observation");
    sameTable(actual.inSituRows, expected.inSituRows, "in-situ");
    sameTable(actual.sampleRows, expected.sampleRows, "sample");
    sameTable(actual.geologicAgeRows, expected.geologicAgeRows, "geologic age");
    sameTable(actual.waterLevelRows, expected.waterLevelRows, "water level");
    sameTable(actual.drillingRows, expected.drillingRows, "drilling");
}

// A Shift_JIS file written one element per line is read as a line reader
// reads its lines as they stand.
TEST(XmlCorpus, OneElementPerLineShiftJisFilesReadAsTheirOwnLines)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    for (const char* file : {"boring-rs/BED0300.XML", "boring-rs/BED0400.XML"}) {
        SCOPED_TRACE(file);
        const std::string path = xmlRealDir() + "/" + file;
        const std::vector<std::string> lines = splitLines(readFile(path));
        std::size_t first = 0;
        FormatCode formatCode = FormatCode::Unknown;
        for (; first < 7 && formatCode == FormatCode::Unknown; ++first)
            formatCode = detectFormat(lines[first]);
        ASSERT_GT(formatCodeNumber(formatCode), 0);
        BoringData lineByLine;
        clear(lineByLine);
        LineReaderState state;
        for (std::size_t line = first - 1; line < lines.size(); ++line)
            dispatchLine(lineByLine, state, formatCode, lines[line]);
        postProcess(lineByLine, formatCode, state);

        expectSameStore(openExchangeFile(path)->data, lineByLine);
    }
}

// The republished files are UTF-8; the same files in Shift_JIS, as they were
// delivered, give the same document.
TEST(XmlCorpus, Utf8FilesAndTheirShiftJisOriginalsGiveTheSameDocument)
{
    if (!corpusAvailable())
        GTEST_SKIP() << "no corpus at " << corpusDir();
    test::TemporaryFolder folder;
    for (const std::string& path : corpusXmlFiles()) {
        const std::string bytes = readFile(path);
        if (!looksLikeUtf8(bytes) || isManagementFile(path))
            continue;
        SCOPED_TRACE(path);
        int replaced = 0;
        const std::string shiftJisPath = folder.file("BED.XML");
        test::writeFile(shiftJisPath, utf8ToCp932(bytes, &replaced));
        ASSERT_EQ(replaced, 0);
        expectSameStore(openExchangeFile(shiftJisPath)->data, openExchangeFile(path)->data);
    }
}

}  // namespace
}  // namespace kolv
