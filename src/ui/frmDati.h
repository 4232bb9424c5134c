#pragma once

#include <QDialog>

struct CalibratedAnalysis;
struct PointAnalysis;
class QLabel;

// The analysis window: the colour statistics of the point the user
// double-clicked on the photograph and what the classifier makes of it. A
// click anywhere on it or any key closes it.
class frmDati : public QDialog {
    Q_OBJECT
public:
    explicit frmDati(QWidget* parent);

    // Shows the figures and the verdict with its place (" (D4)") modally,
    // beside the anchor (on the screen).
    void Show(const PointAnalysis& analysis, const QString& place, const QRect& anchor);
    // The same for the reading against the game's empty board: its looks,
    // the change, the limits and the verdict.
    void ShowCalibrated(const CalibratedAnalysis& analysis, const QString& place,
                        const QRect& anchor);

    QLabel* lblLuminanza = nullptr;
    QLabel* lblMediaRosso = nullptr;
    QLabel* lblMediaVerde = nullptr;
    QLabel* lblMediaBlu = nullptr;
    QLabel* lblScartoQM = nullptr;
    QLabel* lblDistanzaNero = nullptr;
    QLabel* lblDistanzaBianco = nullptr;
    QLabel* lblGobanVuoto = nullptr;
    QLabel* lblQuestaFoto = nullptr;
    QLabel* lblDifferenza = nullptr;
    QLabel* lblPerditaColore = nullptr;
    QLabel* lblSoglie = nullptr;
    QLabel* lblResult = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRows(bool fixed);
    void showModally(const QString& verdict, const QRect& anchor);

    QList<QWidget*> fixedRows_;
    QList<QWidget*> calibratedRows_;
};
