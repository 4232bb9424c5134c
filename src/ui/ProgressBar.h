#pragma once

#include <QWidget>

#include "app/ProgressModel.h"

// The thin progress bar at the bottom of the main window (picProgressBar):
// the done part in pure blue with the percentage riding at its right end.
class ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    // Applies ShowProgress(value, maximum): shows the bar when it starts or
    // moves, hides it when it stops, does nothing on an update while it is
    // not in use. The caller lays out the window when the result is Started
    // or Stopped, and paints the bar when it is Started or Updated.
    ProgressChange Show(long& value, long maximum);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressModel model_;
};
