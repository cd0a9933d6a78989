// Opens one data-entry dialog on a project file, for looking at it as a user would (under Xvfb,
// at any QT_SCALE_FACTOR). Not part of the installed program.
//
//   dialog_gallery <Form2|Form3|Form4|Form6> <project.tsp> [shot.png]
//
// With a picture name the dialog is drawn into it and the program ends; without one the dialog
// stays open for xdotool until it is closed, and the record it hands back is printed.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <iostream>

#include "files/open_project.h"
#include "ui/scales_dialog.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"

using namespace tessarin;

namespace {

QDialog* MakeDialog(const QString& form, const Project& project) {
    if (form == "Form2")
        return new ScalesDialog(project);
    if (form == "Form3")
        return new WaveletDialog(project);
    if (form == "Form4")
        return new WellDatumDialog(project);
    if (form == "Form6")
        return new SyntheticInformationDialog(project);
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: dialog_gallery <Form2|Form3|Form4|Form6> <project.tsp> [shot.png]\n";
        return 2;
    }
    Project project;
    MemorySettingsStore settings;
    OpenProjectFile(project, settings, argv[2]);
    QDialog* dialog = MakeDialog(argv[1], project);
    if (!dialog) {
        std::cerr << "no dialog " << argv[1] << "\n";
        return 2;
    }
    if (argc > 3) {
        const QString shot = argv[3];
        dialog->show();
        QTimer::singleShot(300, [dialog, shot]() {
            dialog->grab().save(shot);
            QApplication::quit();
        });
        return app.exec();
    }
    const int answer = dialog->exec();
    std::cout << (answer == QDialog::Accepted ? "accepted" : "rejected") << "\n";
    return 0;
}
