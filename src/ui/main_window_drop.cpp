// Files dropped on the main window: a project opens, as by Open Project; a LAS file starts a New
// Project with that file as its log.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "files/project_file.h"
#include "import/las_reader.h"
#include "ui/main_window.h"

namespace tessarin {
namespace {

// The one local project or LAS file a drop carries, or an empty text.
QString DroppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) {
        return {};
    }
    const QString path = mime->urls().constFirst().toLocalFile();
    const std::string name = QFile::encodeName(path).toStdString();
    return IsProjectPath(name) || IsLasPath(name) ? path : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The commands ask questions: they run once the drop is over, so that the program the file
    // was dragged from is not kept waiting.
    QTimer::singleShot(0, this, [this, path] {
        if (IsProjectPath(QFile::encodeName(path).toStdString())) {
            if (MayDiscardChanges()) {
                OpenProject(path);
            }
        } else {
            droppedLog_ = path;
            NewProject();
            droppedLog_.clear();
        }
        UpdateActions();
    });
}

}  // namespace tessarin
