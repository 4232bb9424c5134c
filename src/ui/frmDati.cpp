#include "ui/frmDati.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "recognition/PointInspection.h"
#include "ui/FormControls.h"
#include "ui/WindowPlacement.h"

frmDati::frmDati(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDati"));
    setWindowTitle(QStringLiteral("Banmark - Analisi"));
    struct Row {
        const char* fixedName;
        const char* caption;
        QLabel*& value;
        const char* valueName;
    };
    const Row rows[] = {
        {"lblL", "Luminanza ....", lblLuminanza, "lblLuminanza"},
        {"lblMR", "Media rosso ..", lblMediaRosso, "lblMediaRosso"},
        {"lblMV", "Media verde ..", lblMediaVerde, "lblMediaVerde"},
        {"lblMB", "Media blu ......", lblMediaBlu, "lblMediaBlu"},
        {"lblSQM", "Scarto q. m. ..", lblScartoQM, "lblScartoQM"},
        {"lblDN", "Distanza da N", lblDistanzaNero, "lblDistanzaNero"},
        {"lblDB", "Distanza da B", lblDistanzaBianco, "lblDistanzaBianco"},
    };
    auto* grid = new QGridLayout(this);
    int r = 0;
    for (const Row& row : rows) {
        row.value = named(new QLabel, row.valueName);
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(named(new QLabel(QString::fromUtf8(row.caption)), row.fixedName), r, 0);
        auto* colon = new QLabel(QStringLiteral(":"));
        colon->setObjectName(QStringLiteral("lblDuPunti%1").arg(r));
        grid->addWidget(colon, r, 1);
        grid->addWidget(row.value, r, 2);
        ++r;
    }
    auto* fraDivisorio = named(new QFrame, "fraDivisorio");
    fraDivisorio->setFrameShape(QFrame::HLine);
    grid->addWidget(fraDivisorio, r++, 0, 1, 3);
    lblResult = named(new QLabel, "lblResult");
    QFont bold = lblResult->font();
    bold.setBold(true);
    lblResult->setFont(bold);
    lblResult->setAlignment(Qt::AlignCenter);
    // Wide enough for the window's caption to show in full.
    lblResult->setMinimumWidth(2 * fontMetrics().horizontalAdvance(windowTitle()));
    grid->addWidget(lblResult, r, 0, 1, 3);
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
    lblResult->setText(analysis.verdict + place);
    PlaceBeside(this, anchor, true);
    exec();
}

// The labels pass their clicks on to the window.
void frmDati::mousePressEvent(QMouseEvent*) { hide(); }

void frmDati::keyPressEvent(QKeyEvent*) { hide(); }
