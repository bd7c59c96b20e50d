#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

using kolv::test::readFile;
using kolv::test::TemporaryFolder;

namespace {

int runGeoJson(const std::vector<std::string>& files, const std::string& output, std::string& errors)
{
    TemporaryFolder folder;
    std::string command = "QT_QPA_PLATFORM=kolv-no-such-platform '" + std::string(KOLV_CLI_PATH) + "' geojson";
    for (const std::string& file : files)
        command += " '" + file + "'";
    command += " -o '" + output + "' >/dev/null 2>'" + folder.file("err") + "'";
    const int status = std::system(command.c_str());
    errors = readFile(folder.file("err"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string fixture(const std::string& name)
{
    return std::string(KOLV_FIXTURE_DIR) + "/delivery/" + name;
}

// Checks the parts of RFC 7946 a map needs: a FeatureCollection of Point
// features with [longitude, latitude] and an object of properties.
QJsonArray validFeatures(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject collection = document.object();
    EXPECT_EQ(collection.value("type").toString(), "FeatureCollection");
    const QJsonArray features = collection.value("features").toArray();
    for (const QJsonValue& value : features) {
        const QJsonObject feature = value.toObject();
        EXPECT_EQ(feature.value("type").toString(), "Feature");
        EXPECT_TRUE(feature.value("properties").isObject());
        const QJsonObject geometry = feature.value("geometry").toObject();
        EXPECT_EQ(geometry.value("type").toString(), "Point");
        const QJsonArray coordinates = geometry.value("coordinates").toArray();
        EXPECT_EQ(coordinates.size(), 2);
        EXPECT_LE(std::abs(coordinates.at(0).toDouble()), 180.0);
        EXPECT_LE(std::abs(coordinates.at(1).toDouble()), 90.0);
    }
    return features;
}

QJsonObject featureNamed(const QJsonArray& features, const QString& name)
{
    for (const QJsonValue& value : features)
        if (value.toObject().value("properties").toObject().value("name").toString() == name)
            return value.toObject();
    ADD_FAILURE() << "no feature " << name.toStdString();
    return {};
}

}  // namespace

TEST(GeoJsonCli, EveryBoreholeIsAPointWhereItsFileSaysWithItsProperties)
{
    TemporaryFolder folder;
    // A borehole in the old Tokyo datum: moved about 300 m to the world datum.
    const std::string tokyo = folder.file("tokyo.xml");
    std::string text = readFile(fixture("clean/DATA/BED0001.XML"));
    text.replace(text.find("<測地系>02</測地系>"), std::string("<測地系>02</測地系>").size(), "<測地系>0</測地系>");
    text.replace(text.find("No.1"), 4, "T-1");
    kolv::test::writeFile(tokyo, text);

    const std::string output = folder.file("boreholes.geojson");
    std::string errors;
    EXPECT_EQ(runGeoJson({fixture("planted"), tokyo}, output, errors), 0) << errors;
    // No.3 of the planted delivery has no exchange file and no latitude: named, left off.
    EXPECT_NE(errors.find("No.3: the exchange file DATA/BED0003.XML is missing"), std::string::npos) << errors;
    const QJsonArray features = validFeatures(readFile(output));
    ASSERT_EQ(features.size(), 3);

    const QJsonObject first = featureNamed(features, "No.1");
    const QJsonArray position = first.value("geometry").toObject().value("coordinates").toArray();
    EXPECT_NEAR(position.at(0).toDouble(), 135 + 44 / 60.0 + 23.88 / 3600.0, 1e-7);
    EXPECT_NEAR(position.at(1).toDouble(), 35 + 29 / 60.0 + 55.67 / 3600.0, 1e-7);
    const QJsonObject properties = first.value("properties").toObject();
    EXPECT_DOUBLE_EQ(properties.value("elevation").toDouble(), 1.82);
    EXPECT_DOUBLE_EQ(properties.value("depth").toDouble(), 6.0);
    EXPECT_DOUBLE_EQ(properties.value("water_level").toDouble(), 1.2);
    EXPECT_EQ(properties.value("dtd_version").toString(), "4.00");
    EXPECT_EQ(properties.value("datum").toString(), "JGD2011");
    EXPECT_EQ(properties.value("serial").toString(), "1");
    EXPECT_EQ(properties.value("log_file").toString(), "BRG0001.PDF");
    EXPECT_TRUE(properties.value("path").toString().endsWith("planted/DATA/BED0001.XML"));

    // The exchange file's own position, not that of BORING.XML, places No.2a.
    const QJsonArray second =
        featureNamed(features, "No.2a").value("geometry").toObject().value("coordinates").toArray();
    EXPECT_NEAR(second.at(0).toDouble(), 135 + 44 / 60.0 + 34.1 / 3600.0, 1e-7);

    const QJsonObject moved = featureNamed(features, "T-1");
    const QJsonArray world = moved.value("geometry").toObject().value("coordinates").toArray();
    EXPECT_NEAR(world.at(0).toDouble() - position.at(0).toDouble(), -0.0032, 0.0005);
    EXPECT_NEAR(world.at(1).toDouble() - position.at(1).toDouble(), 0.0032, 0.0005);
    EXPECT_EQ(moved.value("properties").toObject().value("datum").toString(), "Tokyo");

    EXPECT_EQ(runGeoJson({fixture("planted/DATA/BED0404.XML")}, folder.file("x.geojson"), errors), 3);
    EXPECT_EQ(runGeoJson({}, folder.file("x.geojson"), errors), 2);
}

TEST(GeoJsonCli, CorpusDeliveriesLieInFukui)
{
    if (!kolv::test::corpusAvailable())
        GTEST_SKIP() << "no corpus";
    TemporaryFolder folder;
    const std::string root = kolv::test::corpusDir() + "/xml-real/geofukui-jiban-opendata/";
    std::string errors;
    EXPECT_EQ(runGeoJson({root + "18000103101301603", root + "18000230651901371", root + "18000230652004105",
                          root + "18000230960903672"},
                         folder.file("fukui.geojson"), errors),
              0)
        << errors;
    const QJsonArray features = validFeatures(readFile(folder.file("fukui.geojson")));
    EXPECT_EQ(features.size(), 13);
    for (const QJsonValue& feature : features) {
        const QJsonArray position = feature.toObject().value("geometry").toObject().value("coordinates").toArray();
        EXPECT_NEAR(position.at(0).toDouble(), 136.0, 1.0);
        EXPECT_NEAR(position.at(1).toDouble(), 35.8, 0.6);
    }
}
