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
    for (const QString& folder :
         {programDir, QDir(programDir).filePath(QStringLiteral("../share/tessarin/help"))}) {
        if (const QString found = HelpFileIn(folder); !found.isEmpty()) {
            return found;
        }
    }
    // Every folder of PATH, the last one too even without a separator after it.
    for (const QString& folder : pathVariable.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        if (const QString found = HelpFileIn(folder); !found.isEmpty()) {
            return found;
        }
    }
    return QString();
}

QString FindExamplesFolder(const QString& programDir) {
    const QFileInfo folder(QDir(programDir).filePath(QStringLiteral("../share/tessarin/examples")));
    return folder.isDir() ? QDir::cleanPath(folder.absoluteFilePath()) : QString();
}

QString HelpMissingMessage() {
    const QString name = QString::fromUtf8(kHelpFileName);
    return name + QStringLiteral(" not found in your path.\n\n") +
           QStringLiteral("Tessarin searches your PATH environment variable for help files, ") +
           QStringLiteral("so you need to copy ") + name +
           QStringLiteral(" to a directory included in your ") +
           QStringLiteral(
               "PATH or into the directory that contains tessarin if you wish to "
               "obtain help while running Tessarin.");
}

}  // namespace tessarin
