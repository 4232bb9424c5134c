#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Program.h"
#include "support/TempProgramDir.h"
#include "ui/QtUserPort.h"
#include "ui/frmMain.h"

TEST(QtUserPort, TheExitQuestionIsARealItalianQuestionBoxWithNoAsDefault) {
    TempProgramDir dir;
    Program program;
    program.state.ProgramDir = dir.path();
    frmMain window(program);  // with its own, real user port
    window.show();

    bool seen = false;
    // Read the box while it is open, then answer No.
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
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
