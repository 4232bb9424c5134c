#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <memory>

#include "app/Program.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"
#include "ui/OptionsFrame.h"
#include "ui/frmMain.h"

// The main window loaded from an empty program folder, shown and active, so
// that focus changes reach its fields as they do on a desktop.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        program.state.ProgramDir = dir.path();
        window = std::make_unique<frmMain>(program, &port);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        port.beeps = 0;  // the start-up's own beep for the missing settings file
    }

    // Gives the field the focus and types into it.
    static void type(QWidget* field, const QString& keys) {
        field->setFocus();
        QTest::keyClicks(field, keys);
    }
    // Moves the focus from the field to a control with no rule of its own,
    // then lets the posted events run.
    void leave(QWidget* field) {
        ASSERT_TRUE(field->hasFocus());
        window->fraOpzioni->chkSGF->setFocus();
        QCoreApplication::processEvents();
    }

    TempProgramDir dir;
    Program program;
    ScriptedUserPort port;
    std::unique_ptr<frmMain> window;
};
