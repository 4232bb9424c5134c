#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Program.h"
#include "support/TempProgramDir.h"
#include "ui/QtUserPort.h"
#include "ui/frmMain.h"

namespace {

// What the message box on screen showed, read while it is open.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Reads the message box that opens next, then presses the button captioned press.
void answerNextBox(SeenBox& seen, const QString& press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) button->click();
        }
    });
}

}  // namespace

TEST(QtUserPort, TheExitQuestionIsARealItalianQuestionBoxWithNoAsDefault) {
    TempProgramDir dir;
    Program program;
    program.state.ProgramDir = dir.path();
    frmMain window(program);  // with its own, real user port
    window.show();

    SeenBox seen;
    answerNextBox(seen, "&No");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);

    EXPECT_EQ(seen.title, "Banmark");
    EXPECT_EQ(seen.text, "Uscire da Banmark?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);
    EXPECT_TRUE(seen.buttons.contains("&Sì"));
    EXPECT_EQ(seen.defaultButton, "&No");
    EXPECT_TRUE(window.isVisible());  // No: the program goes on
}

TEST(QtUserPort, MessageTextLinesAreShownOnePerLine) {
    TempProgramDir dir;
    Program program;
    program.state.ProgramDir = dir.path();
    frmMain window(program);
    QtUserPort port(window);

    SeenBox seen;
    answerNextBox(seen, "OK");
    const Answer answer =
        port.ShowMessage({"Banmark - Elaborazione", "prima riga\r\nseconda riga",
                          MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    EXPECT_EQ(answer, Answer::Ok);
    EXPECT_EQ(seen.text, "prima riga\nseconda riga");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}
