#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

const QByteArray kDefaultFile =
    "[Banmark v1.00 by Orrimax]\r\nLanguage=Italiano\r\nSaveSGF=1\r\nSaveKifu=1\r\n\r\n"
    "[Kifu]\r\nUnit=1\r\nWidth=8\r\nDPI=300\r\n";

// A valid settings file with some of its nine lines replaced (1-based).
QByteArray settingsWith(std::initializer_list<std::pair<int, const char*>> replaced) {
    QList<QByteArray> lines = kDefaultFile.split('\n');
    for (QByteArray& line : lines) line.chop(1);  // the CR
    for (const auto& [number, text] : replaced) lines[number - 1] = text;
    lines.removeLast();
    return lines.join("\r\n") + "\r\n";
}

class SettingsFileTest : public ::testing::Test {
protected:
    // Writes the file, reads it, and says whether it was rewritten.
    bool readFrom(const QByteArray& file) {
        dir.write("Banmark.ini", file);
        ReadSettings(dir.path(), options, port);
        return dir.read("Banmark.ini") != file;
    }

    TempProgramDir dir;
    OutputOptions options;
    ScriptedUserPort port;
};

}  // namespace

TEST_F(SettingsFileTest, MissingFileGivesDefaultsOneBeepAndAWellFormedFile) {
    options.saveSgf = false;
    options.widthText = "3";
    ReadSettings(dir.path(), options, port);
    EXPECT_TRUE(options.saveSgf);
    EXPECT_TRUE(options.saveKifu);
    EXPECT_EQ(options.widthUnit, kUnitInch);
    EXPECT_EQ(options.widthText, "8");
    EXPECT_EQ(options.dpiText, "300");
    EXPECT_EQ(options.sheetWidthTag, "2400");
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(dir.read("Banmark.ini"), kDefaultFile);
}

TEST_F(SettingsFileTest, WidthLineLengthBoundaries) {
    // "Width=" alone (6 characters) is invalid.
    EXPECT_TRUE(readFrom(settingsWith({{8, "Width="}})));
    EXPECT_EQ(options.widthText, "8");
    EXPECT_EQ(port.beeps, 1);

    // Six characters after "Width=" (12 in all) are valid, blanks trimmed.
    port.beeps = 0;
    EXPECT_FALSE(readFrom(settingsWith({{7, "Unit=2"}, {8, "Width=  8000"}})));
    EXPECT_EQ(options.widthText, "8000");
    EXPECT_FALSE(readFrom(settingsWith({{7, "Unit=2"}, {8, "Width=000800"}})));
    EXPECT_EQ(options.widthText, "000800");
    EXPECT_EQ(port.beeps, 0);

    // Seven characters after it (13 in all) are not: the default stands.
    EXPECT_TRUE(readFrom(settingsWith({{8, "Width=0000008"}})));
    EXPECT_EQ(options.widthText, "8");
    EXPECT_EQ(port.beeps, 1);
}

TEST_F(SettingsFileTest, DecimalCommaReadsAsAPoint) {
    EXPECT_FALSE(readFrom(settingsWith({{8, "Width=8,5"}})));
    EXPECT_EQ(options.widthText, "8.5");
    WriteSettings(dir.path(), options);
    EXPECT_EQ(dir.read("Banmark.ini"), settingsWith({{8, "Width=8.5"}}));
}

TEST_F(SettingsFileTest, InvalidFlagsFallBackToOnAndTheFileIsRewritten) {
    for (const char* line : {"SaveSGF=2", "SaveSGF=11"}) {
        port.beeps = 0;
        EXPECT_TRUE(readFrom(settingsWith({{3, line}}))) << line;
        EXPECT_TRUE(options.saveSgf) << line;
        EXPECT_EQ(port.beeps, 1) << line;
        EXPECT_EQ(dir.read("Banmark.ini"), kDefaultFile) << line;
    }
    EXPECT_TRUE(readFrom(settingsWith({{4, "SaveKifu=0 "}, {7, "Unit=3"}})));
    EXPECT_TRUE(options.saveKifu);
    EXPECT_EQ(options.widthUnit, kUnitInch);
}

TEST_F(SettingsFileTest, AnotherVersionKeepsItsValuesUnderTheCurrentHeader) {
    const QByteArray old = settingsWith({{1, "[Banmark v0.99 by Orrimax]"},
                                         {3, "SaveSGF=0"},
                                         {7, "Unit=0"},
                                         {8, "Width=20"},
                                         {9, "DPI=150"}});
    EXPECT_TRUE(readFrom(old));
    EXPECT_EQ(port.beeps, 1);
    EXPECT_FALSE(options.saveSgf);
    EXPECT_EQ(options.widthUnit, kUnitCm);
    EXPECT_EQ(options.widthText, "20");
    EXPECT_EQ(dir.read("Banmark.ini"),
              settingsWith({{3, "SaveSGF=0"}, {7, "Unit=0"}, {8, "Width=20"}, {9, "DPI=150"}}));
}

TEST_F(SettingsFileTest, DamagedFilesGiveTheDefaults) {
    QByteArray binary(200, '\0');
    for (int k = 0; k < binary.size(); ++k) binary[k] = static_cast<char>(k * 37);
    const QByteArray damaged[] = {
        QByteArray(),              // empty
        binary,                    // not text at all
        kDefaultFile.left(40),     // cut short in its second line
        QByteArray(1 << 20, 'x'),  // a megabyte on one line
    };
    for (const QByteArray& file : damaged) {
        port.beeps = 0;
        EXPECT_TRUE(readFrom(file));
        EXPECT_EQ(port.beeps, 1);
        EXPECT_EQ(dir.read("Banmark.ini"), kDefaultFile);
    }
}

TEST_F(SettingsFileTest, LinesEndedByCarriageReturnsAloneReadTheSame) {
    QByteArray file = settingsWith({{3, "SaveSGF=0"}, {8, "Width=9"}});
    file.replace("\r\n", "\r");
    EXPECT_FALSE(readFrom(file));
    EXPECT_FALSE(options.saveSgf);
    EXPECT_EQ(options.widthText, "9");
    EXPECT_EQ(port.beeps, 0);
}

TEST_F(SettingsFileTest, WrittenNumbersReadBackToTheSameNumber) {
    options.widthUnit = kUnitCm;
    for (const char* width : {"8.25", "20.32", "12."}) {
        options.widthText = width;
        options.dpiText = "0300";
        WriteSettings(dir.path(), options);
        OutputOptions reread;
        ReadSettings(dir.path(), reread, port);
        EXPECT_EQ(reread.widthText.toDouble(), QString(width).toDouble()) << width;
        EXPECT_EQ(reread.dpiText, "300");
    }
    EXPECT_EQ(port.beeps, 0);
}
