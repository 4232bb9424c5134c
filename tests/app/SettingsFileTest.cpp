#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

const QByteArray kDefaultFile =
    "[Banmark v1.00 by Orrimax]\r\nLanguage=Italiano\r\nSaveSGF=1\r\nSaveKifu=1\r\n\r\n"
    "[Kifu]\r\nUnit=1\r\nWidth=8\r\nDPI=300\r\nInterval=0\r\n";

// A valid settings file with some of its lines replaced (1-based).
QByteArray settingsWith(const std::vector<std::pair<int, const char*>>& replaced) {
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

// Each line is read strictly: an invalid one falls back to its default, with
// one beep, and the file is rewritten; lines ended by CR alone read the same.
TEST_F(SettingsFileTest, EachLineIsReadStrictlyAndAnInvalidOneFallsBack) {
    struct Case {
        std::vector<std::pair<int, const char*>> lines;
        bool invalid;
        const char* width;
        bool saveSgf = true;
        bool saveKifu = true;
        bool interval = false;
    };
    const Case cases[] = {
        {{{8, "Width="}}, true, "8"},                           // nothing after "Width="
        {{{7, "Unit=2"}, {8, "Width=  8000"}}, false, "8000"},  // six characters, blanks trimmed
        {{{7, "Unit=2"}, {8, "Width=000800"}}, false, "000800"},
        {{{8, "Width=0000008"}}, true, "8"},  // seven are too many
        {{{8, "Width=8,5"}}, false, "8.5"},   // a decimal comma reads as a point
        {{{3, "SaveSGF=2"}}, true, "8"},
        {{{3, "SaveSGF=11"}}, true, "8"},
        {{{4, "SaveKifu=0 "}}, true, "8"},
        {{{3, "SaveSGF=0"}, {4, "SaveKifu=0"}, {8, "Width=9"}}, false, "9", false, false},
        {{{10, "Interval=1"}}, false, "8", true, true, true},
        {{{10, "Interval=2"}}, true, "8"},
    };
    for (const Case& c : cases) {
        for (const bool crOnly : {false, true}) {
            QByteArray file = settingsWith(c.lines);
            if (crOnly) file.replace("\r\n", "\r");
            port.beeps = 0;
            EXPECT_EQ(readFrom(file), c.invalid) << file.toStdString();
            EXPECT_EQ(port.beeps, c.invalid ? 1 : 0) << file.toStdString();
            EXPECT_EQ(options.widthText, c.width) << file.toStdString();
            EXPECT_EQ(options.saveSgf, c.saveSgf) << file.toStdString();
            EXPECT_EQ(options.saveKifu, c.saveKifu) << file.toStdString();
            EXPECT_EQ(options.intervalPhotos, c.interval) << file.toStdString();
        }
    }
    EXPECT_TRUE(readFrom(settingsWith({{7, "Unit=3"}})));
    EXPECT_EQ(options.widthUnit, kUnitInch);
    // The file of the versions before the tenth line is good as it stands;
    // written next, it gains that line, as every file written does.
    options.intervalPhotos = true;
    EXPECT_FALSE(readFrom(kDefaultFile.left(kDefaultFile.indexOf("Interval"))));
    EXPECT_FALSE(options.intervalPhotos);
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

// A missing or damaged file gives the defaults, one beep and a well-formed file.
TEST_F(SettingsFileTest, MissingAndDamagedFilesGiveTheDefaults) {
    QByteArray binary(200, '\0');
    for (int k = 0; k < binary.size(); ++k) binary[k] = static_cast<char>(k * 37);
    const QByteArray damaged[] = {
        QByteArray(),              // empty
        binary,                    // not text at all
        kDefaultFile.left(40),     // cut short in its second line
        QByteArray(1 << 20, 'x'),  // a megabyte on one line
    };
    options.saveSgf = false;
    options.widthText = "3";
    ReadSettings(dir.path(), options, port);  // no file at all
    EXPECT_EQ(dir.read("Banmark.ini"), kDefaultFile);
    for (const QByteArray& file : damaged) {
        EXPECT_TRUE(readFrom(file));
        EXPECT_EQ(dir.read("Banmark.ini"), kDefaultFile);
    }
    EXPECT_EQ(port.beeps, 5);
    EXPECT_TRUE(options.saveSgf && options.saveKifu);
    EXPECT_EQ(options.widthUnit, kUnitInch);
    EXPECT_EQ(options.widthText, "8");
    EXPECT_EQ(options.dpiText, "300");
    EXPECT_EQ(options.sheetWidthTag, "2400");
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
