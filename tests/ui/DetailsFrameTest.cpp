#include <QComboBox>
#include <QLineEdit>

#include "ui/FieldLook.h"
#include "ui/MainWindowTest.h"

namespace {

class DetailsFrameTest : public MainWindowTest {
protected:
    // Types the text into an emptied field and leaves it.
    QString enterAndLeave(QLineEdit* field, const QString& text) {
        field->clear();
        type(field, text);
        leave(field);
        return field->text();
    }
};

QColor background(const QWidget* field) { return field->palette().color(QPalette::Base); }

}  // namespace

TEST_F(DetailsFrameTest, NamesLoseWhatAFileNameCannotHoldAtOnce) {
    QLineEdit* name = details().txtNero;
    name->setFocus();
    name->insert("Kim: 2/3");  // as a paste arrives
    EXPECT_EQ(name->text(), "Kim 23");
    EXPECT_EQ(name->cursorPosition(), 6);
    EXPECT_FALSE(name->hasSelectedText());
    EXPECT_EQ(program.details.blackName, "Kim 23");

    EXPECT_EQ(enterAndLeave(details().txtTurno, "  3\" turno  "), "3 turno");
    EXPECT_EQ(program.details.round, "3 turno");
}

TEST_F(DetailsFrameTest, KomiIsAWholeOrHalfNumberOrNothing) {
    QLineEdit* komi = details().txtKomi;
    type(komi, "6,5");
    EXPECT_EQ(komi->text(), "6.5");
    leave(komi);
    EXPECT_EQ(komi->text(), "6.5");
    EXPECT_EQ(program.details.komi, "6.5");
    EXPECT_EQ(enterAndLeave(komi, "7"), "7");
    EXPECT_EQ(enterAndLeave(komi, "6.75"), "7");
    EXPECT_EQ(enterAndLeave(komi, "6.25"), "6");
    EXPECT_EQ(enterAndLeave(komi, "-0.25"), "");
    EXPECT_EQ(enterAndLeave(komi, "0"), "");

    komi->setText("6.5");
    komi->setFocus();
    komi->end(false);
    QTest::keyClicks(komi, ".,-a");  // a second point, a minus after the start, a letter
    EXPECT_EQ(komi->text(), "6.5");
    komi->home(false);
    QTest::keyClicks(komi, "--");  // one minus at the start, no second one
    EXPECT_EQ(komi->text(), "-6.5");
}

TEST_F(DetailsFrameTest, ResultsAreWrittenTheSgfWayOrRefusedWithABeep) {
    QLineEdit* result = details().txtRisultato;
    const std::pair<const char*, const char*> accepted[] = {
        {"b+resign", "B+R"}, {"w+abc", "W+R"}, {"b+3,5", "B+3.5"}, {"W+12", "W+12"},
        {"w+time", "W+T"},   {"draw", "0"},    {"VOID", "Void"},   {"?", "?"},
    };
    for (const auto& [typed, shown] : accepted) EXPECT_EQ(enterAndLeave(result, typed), shown);
    EXPECT_EQ(program.details.result, "?");
    EXPECT_EQ(port.beeps, 0);

    for (const char* typed : {"b+3.7", "b+0", "jigo"}) {
        EXPECT_EQ(enterAndLeave(result, typed), "") << typed;
        EXPECT_TRUE(result->hasFocus()) << typed;  // the user is sent back to it
    }
    EXPECT_EQ(port.beeps, 3);
}

TEST_F(DetailsFrameTest, DateMustStartWithAYearAndMainTimeTakesSecondsOnly) {
    QLineEdit* date = details().txtData;
    EXPECT_EQ(enterAndLeave(date, "2012-11-10"), "2012-11-10");
    EXPECT_EQ(port.beeps, 0);
    EXPECT_EQ(enterAndLeave(date, "12-11-10"), "");
    EXPECT_EQ(port.beeps, 1);
    EXPECT_TRUE(date->hasFocus());
    date->clear();
    QTest::keyClicks(date, "2012/11.x10,");  // only digits, "-" and "," are taken
    EXPECT_EQ(date->text(), "20121110,");

    QLineEdit* mainTime = details().txtTempo;
    EXPECT_EQ(enterAndLeave(mainTime, "9a0"), "90");
    EXPECT_EQ(enterAndLeave(mainTime, "0"), "");
    EXPECT_EQ(program.details.mainTime, "");
}

TEST_F(DetailsFrameTest, RulesTakeTheListsSpellingAndKnownNames) {
    QComboBox* rules = details().cboRegole;
    SetFieldBackground(rules, Qt::red);  // as processing marks a missing entry
    type(rules, "ch");
    EXPECT_EQ(rules->currentText(), "Ch");
    EXPECT_EQ(rules->lineEdit()->selectedText(), "Ch");
    EXPECT_NE(background(rules), QColor(Qt::red));
    leave(rules);

    rules->setFocus();  // the whole text is selected, so typing replaces it
    QTest::keyClicks(rules, "giapponesi");
    EXPECT_EQ(rules->currentText(), "Japanese");
    QTest::keyClicks(rules, "x");  // typing goes on after a completed name
    EXPECT_EQ(rules->currentText(), "Japanesex");
    EXPECT_EQ(program.details.rules, "Japanesex");

    rules->setEnabled(false);  // the program fills it in while processing
    rules->setEditText("AGA");
    EXPECT_EQ(background(rules), QColor(255, 255, 0));
}

TEST_F(DetailsFrameTest, ListsOfferRanksAndHandicapsAndTheEmptyEntryMeansNone) {
    QComboBox* rank = details().cboRankBianco;
    ASSERT_EQ(rank->count(), 49);
    EXPECT_EQ(rank->itemText(0) + rank->itemText(1) + rank->itemText(18) + rank->itemText(48),
              "9p1d30k");
    rank->setCurrentIndex(10);
    EXPECT_EQ(program.details.whiteRankIndex, 10);
    details().txtBianco->setFocus();  // Tab goes from the name to its rank, then on
    QTest::keyClick(details().txtBianco, Qt::Key_Tab);
    EXPECT_TRUE(rank->hasFocus());
    QTest::keyClick(rank, Qt::Key_Tab);
    EXPECT_TRUE(details().txtTeamBianco->hasFocus());

    QComboBox* handicap = details().cboHandicap;
    ASSERT_EQ(handicap->count(), 9);
    EXPECT_EQ(handicap->itemText(0) + handicap->itemText(1) + handicap->itemText(8), "29");
    EXPECT_EQ(handicap->currentIndex(), -1);
    handicap->setFocus();
    handicap->setCurrentIndex(3);
    EXPECT_EQ(program.details.handicapIndex, 3);
    handicap->setCurrentIndex(0);
    leave(handicap);
    EXPECT_EQ(handicap->currentIndex(), -1);
    EXPECT_EQ(program.details.handicapIndex, -1);
}

TEST_F(DetailsFrameTest, ChangesTheProgramMakesAreShown) {
    program.details.whiteName = "Sai";
    program.details.handicapIndex = 2;
    program.details.rules = "Japanese";
    details().showDetails();
    EXPECT_EQ(details().txtBianco->text(), "Sai");
    EXPECT_EQ(details().cboHandicap->currentText(), "3");
    EXPECT_EQ(details().cboRegole->currentIndex(), 2);

    // The start-of-game check found twelve handicap stones.
    program.details.handicapMax = 12;
    program.details.handicapIndex = 11;
    details().showDetails();
    EXPECT_EQ(details().cboHandicap->count(), 12);
    EXPECT_EQ(details().cboHandicap->itemText(9), "10");
    EXPECT_EQ(details().cboHandicap->currentText(), "12");
}
