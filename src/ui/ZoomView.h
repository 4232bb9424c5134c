#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

struct GameState;

// The close-up of the point inspection (pic3): the photograph at full
// resolution with the inspected pixel in the middle, the window the verdict
// rests on outlined in red, and every intersection of the grid marked in
// blue with the window the classifier reads for it and its name.
class ZoomView : public QWidget {
    Q_OBJECT
public:
    explicit ZoomView(QWidget* parent);

    void showAround(const QImage& photo, QPoint pixel, const GameState& state);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Intersection {
        QPoint point;
        QString name;
    };

    QImage photo_;
    QPoint pixel_;
    std::vector<Intersection> grid_;
};
