#include "ui/search_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "files/tie_search.h"
#include "ui/search_map_layout.h"

namespace tessarin {
namespace {

QLabel* Line(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// "inline 13, crossline 21: r 0.99 at +8.0 ms"; along a line "trace 19: ...".
QString CellText(const TieSearch& s, std::size_t k) {
    const SegyTracePlace& p = s.places[k];
    const LagPeak& best = s.search.cells[k].best;
    const QString where =
        s.alongLine
            ? QStringLiteral("trace %1").arg(p.traceNumber)
            : QStringLiteral("inline %1, crossline %2").arg(p.inlineNumber).arg(p.crosslineNumber);
    if (!std::isfinite(best.r)) {
        return where + QStringLiteral(": no r");
    }
    return where + QStringLiteral(": r %1 at %2")
                       .arg(search_map::RText(best.r, 2), search_map::LagText(best.lag));
}

}  // namespace

SearchPanel::SearchPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Search around the well"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    reach_ = new QSpinBox(this);
    reach_->setObjectName(QStringLiteral("searchReach"));
    reach_->setRange(1, kLargestSearchReach);
    reach_->setValue(kDefaultSearchReach);
    reach_->setToolTip(
        QStringLiteral("Inlines and crosslines either side of the tie's trace; traces either "
                       "side along a 2D line"));
    search_ = new QPushButton(QStringLiteral("Search Around Well"), this);
    search_->setObjectName(QStringLiteral("searchTraces"));
    search_->setToolTip(
        QStringLiteral("Tie the synthetic to every trace within the reach: a better tie nearby "
                       "says that the well or the seismic is mispositioned"));
    auto* reachLabel = new QLabel(QStringLiteral("Reach:"), this);
    reachLabel->setBuddy(reach_);
    row->addWidget(reachLabel);
    row->addWidget(reach_);
    row->addWidget(search_, 1);
    note_ = Line("searchNote", this);
    best_ = Line("searchBest", this);
    best_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    map_ = new SearchMap(this);
    layout->addLayout(row);
    layout->addWidget(note_);
    layout->addWidget(best_);
    layout->addWidget(map_);
    connect(search_, &QPushButton::clicked, this,
            [this] { emit SearchRequested(reach_->value()); });
    connect(map_, &SearchMap::CellClicked, this, &SearchPanel::CellChosen);
}

void SearchPanel::Show(const Project& project, SearchMapData map, const QString& problem) {
    const std::optional<std::string> refusal = SearchRefusal(project);
    reach_->setEnabled(!refusal);
    search_->setEnabled(!refusal);
    const QString note = refusal ? QString::fromStdString(*refusal) : problem;
    note_->setText(note);
    note_->setStyleSheet(refusal ? QString() : QStringLiteral("color: #a00000"));
    note_->setVisible(!note.isEmpty());
    QString best;
    if (map.search && map.search->search.best) {
        best = QStringLiteral("Best: ") + CellText(*map.search, *map.search->search.best);
        // Always two lines, so that the map does not jump as a click ties to the best trace.
        if (map.tied) {
            best += QStringLiteral("\nTied: ") + (*map.tied == *map.search->search.best
                                                      ? QStringLiteral("the best trace")
                                                      : CellText(*map.search, *map.tied));
        }
    } else if (map.search) {
        best = QStringLiteral("No trace around ties over the window.");
    }
    best_->setText(best);
    best_->setVisible(!best.isEmpty());
    map_->setVisible(!refusal);
    map_->SetData(std::move(map));
}

}  // namespace tessarin
