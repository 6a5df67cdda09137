// Tests of the picture tool and of the pictures staged in the program directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include "drawings.h"
#include "picture_list.h"
#include "render_picture.h"

namespace {

using pictures::PictureEntry;

QList<PictureEntry> deliveredPictures() {
    QFile list(QStringLiteral(TERVALO_PICTURE_SOURCES "/pictures.lst"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QStringList problems;
    return pictures::parsePictureList(QString::fromUtf8(list.readAll()), problems);
}

TEST(ClimateZones, PlacesFallIntoTheirZoneFromMildToCold) {
    const struct {
        const char* place;
        double lon, lat;
        int zone;
    } rows[] = {
        {"Lisbon", -9.1, 38.7, 1}, {"Rome", 12.5, 41.9, 1},     {"Athens", 23.7, 38.0, 1},
        {"Paris", 2.3, 48.9, 2},   {"London", -0.1, 51.5, 2},   {"Berlin", 13.4, 52.5, 3},
        {"Warsaw", 21.0, 52.2, 3}, {"Helsinki", 25.0, 60.2, 4}, {"Moscow", 37.6, 55.8, 4},
        {"Kiruna", 20.2, 67.9, 4},
    };
    for (const auto& row : rows) EXPECT_EQ(pictures::climateZoneAt(row.lon, row.lat), row.zone) << row.place;
}

TEST(PictureList, ReadsEntriesAndReportsMalformedLines) {
    const QString text =
        "# comment line\n"
        "\n"
        "brcap.bmp   48x48  icon  icons/a.svg   # trailing comment\n"
        "map.bmp     420x380 scene climate-map map/outline.txt\n"
        "short.bmp   48x48  icon\n"
        "nosize.bmp  48     icon  icons/a.svg\n"
        "zero.bmp    0x48   icon  icons/a.svg\n"
        "odd.bmp     48x48  photo icons/a.svg\n"
        "long.bmp    48x48  draw  a b c\n";
    QStringList problems;
    const auto entries = pictures::parsePictureList(text, problems);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].output, "brcap.bmp");
    EXPECT_EQ(entries[0].size, QSize(48, 48));
    EXPECT_EQ(entries[0].source, "icons/a.svg");
    EXPECT_TRUE(entries[0].data.isEmpty());
    EXPECT_EQ(entries[1].data, "map/outline.txt");
    EXPECT_EQ(entries[1].line, 4);
    ASSERT_EQ(problems.size(), 5);
    EXPECT_TRUE(problems[0].contains("line 5"));
}

TEST(RenderPicture, FailsOnMissingSourcesAndUnknownDrawings) {
    const QDir sources(QStringLiteral(TERVALO_PICTURE_SOURCES));
    const struct {
        const char* kind;
        const char* source;
        const char* data;
    } rows[] = {
        {"icon", "icons/no-such-icon.svg", ""},
        {"flag", "flags/no-such-flag.svg", ""},
        {"draw", "no-such-drawing", ""},
        {"scene", "climate-map", "map/no-such-outline.txt"},
    };
    for (const auto& row : rows) {
        QImage image;
        const PictureEntry entry{"x.bmp", QSize(40, 30), row.kind, row.source, row.data, 1};
        EXPECT_FALSE(pictures::renderPicture(entry, sources, image)) << row.source;
    }
    // A file that is not SVG at all.
    QTemporaryDir scratch;
    QFile junk(scratch.filePath("junk.svg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x00\x01 not a picture", 16);
    junk.close();
    QImage image;
    EXPECT_FALSE(pictures::renderPicture({"x.bmp", QSize(40, 30), "icon", "junk.svg", "", 1},
                                         QDir(scratch.path()), image));
}

TEST(RenderPicture, BlankImagesAreRecognised) {
    QImage plain(8, 8, QImage::Format_RGB32);
    plain.fill(Qt::white);
    EXPECT_FALSE(pictures::hasContent(plain));
    plain.setPixel(7, 7, qRgb(0, 0, 0));
    EXPECT_TRUE(pictures::hasContent(plain));
    EXPECT_FALSE(pictures::hasContent(QImage()));
}

TEST(DeliveredPictures, ListHoldsEveryPictureThatTheProgramsLoad) {
    static const char* const loaded[] = {
        "brcap.bmp",    "prcap.bmp",    "hpcap.bmp",    "endcap.bmp",   "OKcap.bmp",    "abcap.bmp",
        "stcap.bmp",    "pscap.bmp",    "zoomcap.bmp",  "z_maxcap.bmp", "Arabic.bmp",   "Bulgaria.bmp",
        "england.bmp",  "Germany.bmp",  "Griechl.bmp",  "Frankr.bmp",   "SPANIEN.bmp",  "Ungarn.bmp",
        "niederl.bmp",  "italien.bmp",  "schweden.bmp", "Portugal.bmp", "russisch.bmp", "polen.bmp",
        "tuerkei.bmp",  "rumaen.bmp",   "exv1cap.bmp",  "herm2cap.bmp", "MagV1cap.bmp", "samm1cap.bmp",
        "schg2cap.bmp", "trok1cap.bmp", "verd1cap.bmp", "verf1cap.bmp", "absp1cap.bmp", "oela1cap.bmp",
        "halb2cap.bmp", "kw02cap.bmp",  "pres3cap.bmp", "verf6cap.bmp", "start01.bmp",  "start02.bmp",
        "start03.bmp",  "start04.bmp",  "pic1.bmp",     "pic2.bmp",     "pic3.bmp",     "pic4.bmp",
        "pic5.bmp",     "pic6.bmp",     "KlimaZ01.bmp", "iceCube.bmp",  "backg01.bmp",  "backg02.bmp",
        "backg03.bmp",  "backg04.bmp",  "backg05.bmp",  "backg11.bmp",  "backg17.bmp",
    };
    QSet<QString> listed;
    for (const auto& entry : deliveredPictures()) listed.insert(entry.output);
    for (const char* name : loaded) EXPECT_TRUE(listed.contains(name)) << name;
}

TEST(DeliveredPictures, NamesAreUniqueWithoutRegardToCase) {
    const auto entries = deliveredPictures();
    ASSERT_FALSE(entries.isEmpty());
    QSet<QString> seen;
    for (const auto& entry : entries)
        EXPECT_FALSE(seen.contains(entry.output.toLower())) << qPrintable(entry.output);
    for (const auto& entry : entries) seen.insert(entry.output.toLower());
}

TEST(DeliveredPictures, EveryPictureIsStagedWithItsSizeAndContent) {
    const QDir dist(QStringLiteral(TERVALO_DIST_DIR));
    const auto entries = deliveredPictures();
    ASSERT_FALSE(entries.isEmpty());
    for (const auto& entry : entries) {
        const QImage image(dist.filePath(entry.output), "BMP");
        ASSERT_FALSE(image.isNull()) << "missing or unreadable: " << qPrintable(entry.output);
        EXPECT_EQ(image.size(), entry.size) << qPrintable(entry.output);
        EXPECT_TRUE(pictures::hasContent(image)) << qPrintable(entry.output);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
