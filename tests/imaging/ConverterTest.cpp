// The converter runs on real files with the real converter (ImageMagick).
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include "imaging/Converter.h"
#include "imaging/ConverterRuns.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override {
        converter = FindConverter(QString());
        ASSERT_FALSE(converter.isEmpty()) << "ImageMagick's convert is not installed";
    }

    TempProgramDir dir;
    ScriptedUserPort port;
    QString converter;
};

}  // namespace

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
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(QColor(210, 160, 80));
    ASSERT_TRUE(photo.save(dir.path() + "a.jpg"));
    ASSERT_TRUE(RunGammaCorrection(dir.path() + "a.jpg", dir.path(), converter, port));
    EXPECT_EQ(QImage(dir.path() + "temp.jpg").size(), QSize(640, 480));

    EXPECT_FALSE(RunGammaCorrection(dir.path() + "a.jpg", dir.path(), QString(), port));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].text.startsWith("Impossibile trovare vconvert.exe"));
}
