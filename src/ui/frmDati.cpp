#include "ui/frmDati.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "recognition/PointInspection.h"
#include "ui/FormControls.h"
#include "ui/WindowPlacement.h"

namespace {

struct Row {
    const char* fixedName;
    const char* caption;
    QLabel*& value;
    const char* valueName;
};

QString signedPercent(int value) {
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value) + u'%';
}

QString colourText(int red, int green, int blue) {
    return QStringLiteral("%1 %2 %3").arg(red).arg(green).arg(blue);
}

// Lays the rows out from grid row `first` on, each with its ":" label, and
// returns every widget of them.
QList<QWidget*> addRows(QGridLayout* grid, std::initializer_list<Row> rows, int first) {
    QList<QWidget*> widgets;
    int r = first;
    for (const Row& row : rows) {
        row.value = named(new QLabel, row.valueName);
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* caption = named(new QLabel(QString::fromUtf8(row.caption)), row.fixedName);
        auto* colon = new QLabel(QStringLiteral(":"));
        colon->setObjectName(QStringLiteral("lblDuPunti%1").arg(r));
        grid->addWidget(caption, r, 0);
        grid->addWidget(colon, r, 1);
        grid->addWidget(row.value, r, 2);
        widgets << caption << colon << row.value;
        ++r;
    }
    return widgets;
}

}  // namespace

frmDati::frmDati(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDati"));
    setWindowTitle(QStringLiteral("Banmark - Analisi"));
    auto* grid = new QGridLayout(this);
    fixedRows_ = addRows(grid,
                         {
                             {"lblL", "Luminanza ....", lblLuminanza, "lblLuminanza"},
                             {"lblMR", "Media rosso ..", lblMediaRosso, "lblMediaRosso"},
                             {"lblMV", "Media verde ..", lblMediaVerde, "lblMediaVerde"},
                             {"lblMB", "Media blu ......", lblMediaBlu, "lblMediaBlu"},
                             {"lblSQM", "Scarto q. m. ..", lblScartoQM, "lblScartoQM"},
                             {"lblDN", "Distanza da N", lblDistanzaNero, "lblDistanzaNero"},
                             {"lblDB", "Distanza da B", lblDistanzaBianco, "lblDistanzaBianco"},
                         },
                         0);
    // The reading against the game's empty board has figures of its own.
    calibratedRows_ = addRows(grid,
                              {
                                  {"lblGV", "Goban vuoto ..", lblGobanVuoto, "lblGobanVuoto"},
                                  {"lblQF", "Questa foto ...", lblQuestaFoto, "lblQuestaFoto"},
                                  {"lblLD", "Luminosità ....", lblDifferenza, "lblDifferenza"},
                                  {"lblPC", "Perdita colore", lblPerditaColore, "lblPerditaColore"},
                                  {"lblSG", "Soglie N / B ..", lblSoglie, "lblSoglie"},
                              },
                              7);
    auto* fraDivisorio = named(new QFrame, "fraDivisorio");
    fraDivisorio->setFrameShape(QFrame::HLine);
    grid->addWidget(fraDivisorio, 12, 0, 1, 3);
    lblResult = named(new QLabel, "lblResult");
    QFont bold = lblResult->font();
    bold.setBold(true);
    lblResult->setFont(bold);
    lblResult->setAlignment(Qt::AlignCenter);
    // Wide enough for the window's caption to show in full.
    lblResult->setMinimumWidth(2 * fontMetrics().horizontalAdvance(windowTitle()));
    grid->addWidget(lblResult, 13, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void frmDati::Show(const PointAnalysis& analysis, const QString& place, const QRect& anchor) {
    lblLuminanza->setNum(analysis.luminance);
    lblMediaRosso->setNum(analysis.meanRed);
    lblMediaVerde->setNum(analysis.meanGreen);
    lblMediaBlu->setNum(analysis.meanBlue);
    lblScartoQM->setNum(analysis.saturation);
    lblDistanzaNero->setNum(analysis.distanceBlack);
    lblDistanzaBianco->setNum(analysis.distanceWhite);
    showRows(true);
    showModally(analysis.verdict + place, anchor);
}

void frmDati::ShowCalibrated(const CalibratedAnalysis& analysis, const QString& place,
                             const QRect& anchor) {
    lblGobanVuoto->setText(colourText(analysis.emptyRed, analysis.emptyGreen, analysis.emptyBlue));
    lblQuestaFoto->setText(colourText(analysis.seenRed, analysis.seenGreen, analysis.seenBlue));
    lblDifferenza->setText(signedPercent(analysis.brightness));
    lblPerditaColore->setText(QString::number(analysis.greyness) + u'%');
    lblSoglie->setText(signedPercent(analysis.blackLimit) + QStringLiteral(" / ") +
                       signedPercent(analysis.whiteLimit));
    showRows(false);
    showModally(analysis.verdict + place, anchor);
}

void frmDati::showRows(bool fixed) {
    for (QWidget* widget : fixedRows_) widget->setVisible(fixed);
    for (QWidget* widget : calibratedRows_) widget->setVisible(!fixed);
}

void frmDati::showModally(const QString& verdict, const QRect& anchor) {
    lblResult->setText(verdict);
    PlaceBeside(this, anchor, true);
    exec();
}

// The labels pass their clicks on to the window.
void frmDati::mousePressEvent(QMouseEvent*) { hide(); }

void frmDati::keyPressEvent(QKeyEvent*) { hide(); }
