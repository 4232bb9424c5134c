#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/Program.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"
#include "ui/DetailsFrame.h"
#include "ui/OptionsFrame.h"
#include "ui/PhotoView.h"
#include "ui/frmMain.h"

// A part of the main window, found by its name.
template <class Widget>
Widget* part(const QWidget& window, const char* name) {
    Widget* found = window.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs the actions once the modal window of the given kind shows, with that
// window. The offscreen platform leaves a new dialog inactive; it is made the
// active window first, as the window system would.
template <class Window>
void whileShown(const std::function<void(Window*)>& actions) {
    QTimer::singleShot(0, [actions] {
        auto* shown = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        QApplication::setActiveWindow(shown);
        actions(shown);
    });
}

// The main window loaded from an empty program folder, shown and active, so
// that focus changes reach its fields as they do on a desktop. It talks to
// the scripted user port, or with realPort to its own message boxes.
class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(bool realPort = false) {
        program.state.ProgramDir = dir.path();
        window = std::make_unique<frmMain>(program, realPort ? nullptr : &port);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        port.beeps = 0;  // the start-up's own beep for the missing settings file
    }

    OptionsFrame& options() const { return *part<OptionsFrame>(*window, "fraOpzioni"); }
    DetailsFrame& details() const { return *part<DetailsFrame>(*window, "fraInformazioni"); }
    PhotoView& photo() const { return *part<PhotoView>(*window, "imgShow"); }

    // Shows a photograph of one colour in the processing view, which takes
    // the place of the options.
    void showPhoto(const QColor& colour, QSize size = {800, 600}) {
        options().hide();
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        window->ShowPhoto(picture);
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
        options().chkSGF->setFocus();
        QCoreApplication::processEvents();
    }

    TempProgramDir dir;
    Program program;
    ScriptedUserPort port;
    std::unique_ptr<frmMain> window;
};
