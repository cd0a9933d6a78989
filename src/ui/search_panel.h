#pragma once

// The search's part of the tie window: the reach, the button Search Around Well, the best trace
// found beside the tie's own, and the map of r around the well (search_map.h). It only shows
// what the main window hands it; the search and a click on a cell go out as signals.
//
// Children by objectName: the box "searchReach", the button "searchTraces", the lines
// "searchNote" (why there is nothing to search, or what went wrong) and "searchBest", the map
// "searchMap".

#include <QGroupBox>
#include <optional>

#include "model/project.h"
#include "ui/search_map.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tessarin {

class SearchPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit SearchPanel(QWidget* parent = nullptr);

    // The project's tie with the last search around it (none after a trace from elsewhere), and
    // why the last search failed, if it did.
    void Show(const Project& project, SearchMapData map, const QString& problem);

    SearchMap* Map() const { return map_; }

signals:
    void SearchRequested(int reach);
    // A click on the map's cell: tie to its trace.
    void CellChosen(int cell);

private:
    QSpinBox* reach_ = nullptr;
    QPushButton* search_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* best_ = nullptr;
    SearchMap* map_ = nullptr;
};

}  // namespace tessarin
