#include "plot/pdf_reader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tessarin::test {

namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput();
}

}  // namespace

QString InfoField(const QString& path, const QString& field) {
    const QString info = QString::fromUtf8(Run("pdfinfo", {path}));
    const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

int PdfPageCount(const QString& path) {
    return InfoField(path, "Pages").toInt();
}

QSizeF PdfPageSize(const QString& path) {
    const QRegularExpression size("([\\d.]+) x ([\\d.]+) pts");
    const auto match = size.match(InfoField(path, "Page size"));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

std::string PdfPageText(const QString& path, int page) {
    const QString n = QString::number(page);
    QString text = QString::fromUtf8(Run("pdftotext", {"-layout", "-f", n, "-l", n, path, "-"}));
    return text.simplified().toStdString();
}

QImage PdfPageImage(const QString& path, int page, int dotsPerInch) {
    QTemporaryDir dir;
    const QString n = QString::number(page);
    Run("pdftoppm", {"-f", n, "-l", n, "-r", QString::number(dotsPerInch), "-gray", "-png",
                     "-singlefile", path, dir.filePath("page")});
    return QImage(dir.filePath("page.png"));
}

}  // namespace tessarin::test
