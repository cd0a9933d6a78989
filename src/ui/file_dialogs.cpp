#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSettings>
#include <QStringList>

namespace tessarin {
namespace {

const QString kFolderGroup = QStringLiteral("Folders");

// The name the dialog starts with: a proposed name without a folder of its own opens in the
// folder remembered for its kind.
QString StartingPath(const FileDialogRequest& request) {
    const QFileInfo proposed(request.proposedName);
    const QString folder = RememberedFolder(request.kind);
    if (request.proposedName.contains(QLatin1Char('/')) || folder.isEmpty()) {
        return request.proposedName;
    }
    return QDir(folder).filePath(request.proposedName);
}

// Qt's own provider tells a file's type and icon from its content when the name does not. In
// /proc that means reading files such as kmsg, which wait for the kernel's next message, and the
// dialog hung as soon as the user typed "/proc/". The name says enough for a list of files.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override {
        if (info.isDir()) {
            return QFileIconProvider::type(info);  // a folder is never read
        }
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }
};

QFileDialog* MakeDialog(QWidget* parent, const FileDialogRequest& request) {
    static NameOnlyIconProvider nameOnly;
    auto* dialog = new QFileDialog(parent, request.title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(&nameOnly);
    const QStringList filters = QtFileFilter(request.filter).split(QStringLiteral(";;"));
    dialog->setNameFilters(filters);
    const int index = request.filterIndex - 1;
    if (index >= 0 && index < filters.size()) {
        dialog->selectNameFilter(filters[index]);
    }
    const QFileInfo start(StartingPath(request));
    if (!start.path().isEmpty() && start.path() != QStringLiteral(".")) {
        dialog->setDirectory(start.path());
    }
    // A wildcard name such as "*.tsp" is the filter's business, not a file to propose.
    if (!start.fileName().contains(QLatin1Char('*'))) {
        dialog->selectFile(start.fileName());
    }
    return dialog;
}

// The suffix a filter such as "Bitmap Files (*.bmp)" stands for, or empty for "All Files (*)".
QString FilterSuffix(const QString& filter) {
    const qsizetype start = filter.lastIndexOf(QStringLiteral("(*."));
    if (start < 0 || !filter.endsWith(QLatin1Char(')'))) {
        return {};
    }
    const QString suffix = filter.mid(start + 3, filter.size() - start - 4);
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char(' ')) ? QString()
                                                                                  : suffix;
}

QString Run(QFileDialog* dialog, const FileDialogRequest& request) {
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().constFirst();
        RememberFolder(request.kind, chosen);
    }
    delete dialog;
    return chosen;
}

}  // namespace

QString QtFileFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        label.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        filters << label;
    }
    return filters.join(QStringLiteral(";;"));
}

QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog* dialog = MakeDialog(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return Run(dialog, request);
}

QString NameBesideProject(const std::string& projectFileName, const QString& ending) {
    const std::string& name = projectFileName;
    return QString::fromStdString(name.size() > 4 ? name.substr(0, name.size() - 4) : "well") +
           ending;
}

QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog* dialog = MakeDialog(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(request.defaultSuffix);
    // A name typed without a suffix takes the one of the file type chosen in the dialog.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& f) {
        if (const QString suffix = FilterSuffix(f); !suffix.isEmpty()) {
            dialog->setDefaultSuffix(suffix);
        }
    });
    return Run(dialog, request);
}

QString RememberedFolder(const QString& kind) {
    QSettings settings;
    settings.beginGroup(kFolderGroup);
    return settings.value(kind).toString();
}

void RememberFolder(const QString& kind, const QString& chosenPath) {
    QSettings settings;
    settings.beginGroup(kFolderGroup);
    settings.setValue(kind, QFileInfo(chosenPath).absolutePath());
}

}  // namespace tessarin
