#include <gtest/gtest.h>

#include "batch/BatchArguments.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedUserPort.h"

namespace {

std::optional<BatchArguments> parse(QStringList arguments, QString* error = nullptr) {
    QString ignored;
    arguments << "/foto/IMG_0001.jpg"
              << "/foto/IMG_0040.jpg";
    return ParseBatchArguments(arguments, error ? *error : ignored);
}

}  // namespace

TEST(BatchArguments, DetailsAreTidiedAsTheFieldsTidyThem) {
    const std::optional<BatchArguments> parsed =
        parse({"--black", " Rossi/Mario ", "--black-rank", "3D", "--komi", "6,5x", "--rules",
               "giapponesi", "--main-time", "90 min", "--date", "2026-12-06", "--result",
               "b+resign", "--handicap", "4", "--title", "Finale: primo turno"});
    ASSERT_TRUE(parsed);
    const GameDetails& d = parsed->details;
    EXPECT_EQ(d.blackName, "RossiMario");  // "/" cannot stand in a file name
    EXPECT_EQ(RankText(d.blackRankIndex), "3d");
    EXPECT_EQ(d.komi, "6.5");
    EXPECT_EQ(d.rules, "Japanese");
    EXPECT_EQ(d.mainTime, "90");
    EXPECT_EQ(d.date, "2026-12-06");
    EXPECT_EQ(d.result, "B+R");
    EXPECT_EQ(HandicapStonesSet(d), 4);
    EXPECT_EQ(d.gameName, "Finale primo turno");
    EXPECT_EQ(parsed->request.firstPhoto, "/foto/IMG_0001.jpg");
    EXPECT_FALSE(parsed->request.grid);
}

TEST(BatchArguments, AnswersAndGridAreRead) {
    const std::optional<BatchArguments> defaults = parse({});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->answers.onWhiteFirst, Answer::Yes);  // a pass by Black
    EXPECT_EQ(defaults->answers.blackSide, "");              // the side as guessed

    const std::optional<BatchArguments> given = parse(
        {"--black-side", "W", "--on-unchanged", "ignore", "--on-white-first", "no", "--on-anomaly",
         "two-moves", "--size", "13", "--corners", "10,20,300,22,305,310,8,300"});
    ASSERT_TRUE(given);
    EXPECT_EQ(given->answers.blackSide, "W");
    EXPECT_EQ(given->answers.onUnchanged, Answer::Cancel);
    EXPECT_EQ(given->answers.onWhiteFirst, Answer::No);
    EXPECT_EQ(given->answers.onAnomaly, 1);
    ASSERT_TRUE(given->request.grid);
    EXPECT_EQ(given->request.grid->boardSize, 13);
    EXPECT_EQ(given->request.grid->corners[2], QPoint(305, 310));
}

TEST(BatchArguments, WhatTheWindowWouldRefuseIsAnError) {
    const QList<QStringList> refused = {
        {"--date", "-6-12"},       {"--result", "vinto"},
        {"--handicap", "1"},       {"--handicap", "10"},
        {"--black-rank", "31k"},   {"--size", "15"},
        {"--corners", "1,2,3"},    {"--size", "9", "--corners", "1,2,3,4,5,6,7,x"},
        {"--on-anomaly", "forse"}, {"--kifu-unit", "mm"},
        {"--colore", "nero"},      {"--find-grid", "/foto/IMG_0002.jpg"},  // besides the series
    };
    for (const QStringList& arguments : refused) {
        QString error;
        EXPECT_FALSE(parse(arguments, &error)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    EXPECT_FALSE(ParseBatchArguments({"/foto/IMG_0001.jpg"}, error));
    EXPECT_FALSE(parse({"--corners", "1,2,3,4,5,6,7,8"}, &error));  // without --size
    EXPECT_EQ(error, "--corners richiede --size");
}

TEST(BatchArguments, OutputChoicesOverrideTheSettingsWithinBounds) {
    ScriptedUserPort port;
    OutputOptions options;  // 8 inch at 300 DPI
    OutputChoices choices;
    choices.widthUnit = kUnitCm;
    ApplyOutputChoices(choices, options, port);
    EXPECT_EQ(options.sheetWidthTag, "2400");  // the same sheet, now given in cm
    EXPECT_EQ(options.widthUnit, kUnitCm);

    choices.widthUnit = kUnitPixel;
    choices.width = "20000";
    ApplyOutputChoices(choices, options, port);
    EXPECT_EQ(options.sheetWidthTag, "9600");
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "Larghezza del kifu corretta: 9600");
}
