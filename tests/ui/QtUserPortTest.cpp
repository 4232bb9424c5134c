#include <QMessageBox>
#include <QPushButton>

#include "ui/MainWindowTest.h"

TEST(QtUserPort, TheExitQuestionIsARealItalianQuestionBoxWithNoAsDefault) {
    TempProgramDir dir;
    Program program;
    program.state.ProgramDir = dir.path();
    frmMain window(program);  // with its own, real user port
    window.show();

    bool seen = false;
    // Read the box while it is open, then answer No.
    whileShown<QMessageBox>([&seen](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->windowTitle(), "Banmark");
        EXPECT_EQ(box->text(), "Uscire da Banmark?");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        ASSERT_EQ(box->buttons().size(), 2);
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Sì");
        EXPECT_EQ(box->defaultButton()->text(), "&No");
        box->defaultButton()->click();
    });
    QTest::mouseClick(window.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);

    EXPECT_TRUE(seen);
    EXPECT_TRUE(window.isVisible());  // No: the program goes on
}
