// The converter runs on real files with the real converter (ImageMagick).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "imaging/Converter.h"
#include "imaging/ConverterRuns.h"
#include "imaging/PhotoPreparation.h"
#include "imaging/ScriptRunner.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override {
        converter = FindConverter(QString());
        ASSERT_FALSE(converter.isEmpty()) << "ImageMagick's convert is not installed";
    }

    // A photograph of the given size with something on it, as a JPEG.
    void writePhoto(const QString& name, QSize size) const {
        QImage photo(size, QImage::Format_RGB32);
        photo.fill(QColor(210, 160, 80));
        for (int x = 0; x < size.width(); x += 40)
            for (int y = 0; y < size.height(); ++y) photo.setPixel(x, y, qRgb(20, 20, 20));
        QDir().mkpath(photoFolder());
        ASSERT_TRUE(photo.save(photoFolder() + "/" + name, "JPG", 90));
    }
    QString photoFolder() const { return dir.path() + "partita"; }
    QSize sizeOf(const QString& path) const { return QImage(path).size(); }

    TempProgramDir dir;
    ScriptedUserPort port;
    ScriptRunner runner;
    QString converter;
};

}  // namespace

TEST(ConverterLocation, ProgramFolderFirstThenTheSearchPath) {
    TempProgramDir program, tools;
    EXPECT_EQ(FindConverter(program.path(), {}), "");  // nothing anywhere
    tools.write("magick", "#!/bin/sh\n");
    QFile::setPermissions(tools.path() + "magick", QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(FindConverter(program.path(), {tools.path()}), tools.path() + "magick");
    program.write("vconvert", "#!/bin/sh\n");
    QFile::setPermissions(program.path() + "vconvert", QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(FindConverter(program.path(), {tools.path()}), program.path() + "vconvert");
}

TEST_F(ConverterTest, ASeriesIsShrunkIntoTheWorkingFolder) {
    writePhoto("img 01.jpg", {2400, 1800});     // blanks in the name
    writePhoto("mossa è 02.jpg", {800, 1200});  // an accented letter, already small
    dir.write("temp/stale.jpg", "from an earlier run");
    const PhotoSeries series{photoFolder(), {"img 01.jpg", "mossa è 02.jpg"}};

    PreparePhotos(dir.path(), series, converter, runner, port);
    const QString second = PreparedCopy(dir.path(), "mossa è 02.jpg");
    EXPECT_TRUE(QFile::exists(second));  // complete when PreparePhotos returns
    EXPECT_EQ(sizeOf(second), QSize(800, 1200));
    EXPECT_FALSE(dir.exists("temp/stale.jpg"));
    const QString first = PreparedCopy(dir.path(), "img 01.jpg");
    ASSERT_TRUE(runner.WaitForFile(first, port));
    EXPECT_EQ(sizeOf(first), QSize(1600, 1200));
    EXPECT_TRUE(port.messages.empty());

    const QString expected =
        QString(
            "@echo off\r\ncls\r\n\"%1\" \"%2/img 01.jpg\" -resize \"1600x1600>\" "
            "\"%3temp/img 01.jpg\"\r\n\"%1\" \"%2/mossa è 02.jpg\" -resize "
            "\"1600x1600>\" \"%3temp/mossa è 02.jpg\"\r\n")
            .arg(converter, photoFolder(), dir.path());
    EXPECT_EQ(QString::fromUtf8(dir.read("temp.bat")), expected);
}

TEST_F(ConverterTest, WithoutAConverterThePhotosAreCopiedAndTheUserWarned) {
    writePhoto("a.jpg", {2400, 1800});
    writePhoto("b.jpg", {2400, 1800});
    const QString none = FindConverter(dir.path(), {});  // an empty folder and search path
    PreparePhotos(dir.path(), {photoFolder(), {"a.jpg", "b.jpg"}}, none, runner, port);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Banmark - Elaborazione");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(port.messages[0].text,
              "Impossibile trovare vconvert.exe e/o vcomp100.dll (ImageMagick).\r\n"
              "Ripristinarli da una distribuzione di Banmark v1.00.");
    EXPECT_TRUE(
        QString::fromUtf8(dir.read("temp.bat"))
            .endsWith(
                QString("copy \"%1/b.jpg\" \"%2temp/b.jpg\"\r\n").arg(photoFolder(), dir.path())));
    ASSERT_TRUE(runner.WaitForFile(PreparedCopy(dir.path(), "b.jpg"), port));
    EXPECT_EQ(dir.read("temp/b.jpg"), dir.read("partita/b.jpg"));  // full size, unchanged
}

TEST_F(ConverterTest, APhotoTheConverterCannotReadIsKnownMissing) {
    writePhoto("a.jpg", {300, 200});
    dir.write("partita/b.jpg", "not a picture");
    writePhoto("c.jpg", {300, 200});
    PreparePhotos(dir.path(), {photoFolder(), {"a.jpg", "b.jpg", "c.jpg"}}, converter, runner,
                  port);
    EXPECT_FALSE(runner.WaitForFile(PreparedCopy(dir.path(), "b.jpg"), port));  // no endless wait
    EXPECT_TRUE(runner.WaitForFile(PreparedCopy(dir.path(), "c.jpg"), port));
}

TEST_F(ConverterTest, KifuSheetBecomesAGreyPngWithAWhiteBorder) {
    QImage sheet(2000, 3000, QImage::Format_RGB32);
    sheet.fill(QColor(40, 90, 200));
    const QString base =
        dir.path() + "partita [kifu]";  // brackets, which ImageMagick reads as a pattern
    ASSERT_TRUE(SavePictureAsPng(sheet, base,
                                 "  -bordercolor #FFFFFF -border 12x -type Grayscale -quality 94 ",
                                 converter, port));
    const QImage png(base + ".png");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(2024, 3000));
    EXPECT_TRUE(png.isGrayscale());
    EXPECT_EQ(png.pixel(5, 1500), qRgb(255, 255, 255));  // the border
    EXPECT_NE(png.pixel(1000, 1500), qRgb(255, 255, 255));
    EXPECT_FALSE(QFile::exists(base + ".bmp"));

    // A conversion that fails leaves neither the old sheet nor the BMP.
    ASSERT_TRUE(SavePictureAsPng(sheet, base, "-no-such-option", converter, port));
    EXPECT_FALSE(QFile::exists(base + ".png"));
    EXPECT_FALSE(QFile::exists(base + ".bmp"));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ConverterTest, WithoutAConverterTheBmpStaysAndAnUnwritableFolderIsReported) {
    QImage sheet(300, 400, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const QString base = dir.path() + "partita";
    EXPECT_TRUE(SavePictureAsPng(sheet, base, "-quality 94", QString(), port));
    EXPECT_TRUE(QFile::exists(base + ".bmp"));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(
        port.messages[0].text,
        QString("Impossibile effettuare la compressione in formato PNG del file:\r\n\"%1.bmp\"."
                "\r\n\r\nRipristinare vconvert.exe e/o vcomp100.dll (ImageMagick) da una "
                "distribuzione di Banmark v1.00.")
            .arg(base));

    const QString nowhere = dir.path() + "missing folder/partita";
    EXPECT_FALSE(SavePictureAsPng(sheet, nowhere, "-quality 94", converter, port));
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[1].text,
              QString("Impossibile salvare il file:\r\n\"%1.bmp\".").arg(nowhere));
}

TEST_F(ConverterTest, TheLargestSheetConverts) {
    QImage sheet(9600, 12500, QImage::Format_Grayscale8);
    sheet.fill(255);
    for (int y = 100; y < 12400; y += 500)
        for (int x = 100; x < 9500; ++x) sheet.scanLine(y)[x] = 0;
    const QString base = dir.path() + "large";
    ASSERT_TRUE(SavePictureAsPng(sheet, base, "-type Grayscale -quality 94", converter, port));
    QImageReader reader(base + ".png");
    reader.setAllocationLimit(0);  // Qt's own limit stops at 256 MB
    const QImage png = reader.read();
    EXPECT_EQ(png.size(), QSize(9600, 12500));
    EXPECT_EQ(qGray(png.pixel(5000, 600)), 0);
}

TEST_F(ConverterTest, GammaCorrectionWritesTheWorkingPhoto) {
    writePhoto("a.jpg", {640, 480});
    ASSERT_TRUE(RunGammaCorrection(photoFolder() + "/a.jpg", dir.path(), converter, port));
    EXPECT_EQ(sizeOf(dir.path() + "temp.jpg"), QSize(640, 480));

    EXPECT_FALSE(RunGammaCorrection(photoFolder() + "/a.jpg", dir.path(), QString(), port));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].text.startsWith("Impossibile trovare vconvert.exe"));
}
