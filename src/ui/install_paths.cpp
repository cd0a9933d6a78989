#include "ui/install_paths.h"

#include <QDir>
#include <QFileInfo>

namespace tessarin {
namespace {

QString HelpFileIn(const QString& folder) {
    const QFileInfo file(QDir(folder).filePath(QString::fromUtf8(kHelpFileName)));
    return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace

QString FindHelpFile(const QString& programDir, const QString& pathVariable) {
    for (const std::string& folder :
         HelpFolders(programDir.toStdString(), pathVariable.toStdString(),
                     QDir::listSeparator().toLatin1())) {
        if (const QString found = HelpFileIn(QString::fromStdString(folder)); !found.isEmpty()) {
            return found;
        }
    }
    return QString();
}

QString FindExamplesFolder(const QString& programDir) {
    const QFileInfo folder(QDir(programDir).filePath(QStringLiteral("../share/tessarin/examples")));
    return folder.isDir() ? QDir::cleanPath(folder.absoluteFilePath()) : QString();
}

QString HelpMissingMessage(const QString& programDir, const QString& pathVariable) {
    return QString::fromStdString(HelpMissingText(HelpFolders(
        programDir.toStdString(), pathVariable.toStdString(), QDir::listSeparator().toLatin1())));
}

}  // namespace tessarin
