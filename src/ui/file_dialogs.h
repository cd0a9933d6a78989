#pragma once

// The file dialogs of every command. Each kind of file (projects, logs, horizons, surveys,
// exports) remembers the folder it was last opened from or saved to, so that a user working
// through a folder of wells is not sent back to the same place every time. The folders are kept
// in the per-user settings, never in the project.

#include <QString>
#include <string>

class QWidget;

namespace tessarin {

// A Windows-style filter "Project Files (*.tsp)|*.tsp|All Files (*.*)|*.*" as Qt writes it:
// "Project Files (*.tsp);;All Files (*)".
QString QtFileFilter(const QString& windowsFilter);

struct FileDialogRequest {
    QString kind;           // the kind of file whose folder is remembered, such as "project"
    QString title;          // the dialog's caption
    QString proposedName;   // the file name shown at first; may carry a folder of its own
    QString filter;         // in the Windows form above
    int filterIndex = 1;    // 1-based entry of the filter chosen at first
    QString defaultSuffix;  // added to a saved name that has none, such as "tsp"
};

// The chosen path, or an empty text when the user cancelled.
QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request);
// The same for saving; the dialog asks before it overwrites a file.
QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request);

// A file proposed beside the project: its file name without the extension, then `ending`
// ("_stretch.vs" for "well.tsp" gives "well_stretch.vs"); "well" + `ending` before the project
// has a name.
QString NameBesideProject(const std::string& projectFileName, const QString& ending);

// The folder remembered for a kind of file, or an empty text.
QString RememberedFolder(const QString& kind);
void RememberFolder(const QString& kind, const QString& chosenPath);

}  // namespace tessarin
