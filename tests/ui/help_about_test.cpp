// Help, About and Save Settings, through the window's menus.

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include "model/reset.h"
#include "qt_settings_store.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/modal_dialogs.h"
#include "ui/program_info.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using HelpTest = WindowTest;

const QString kShippedHelp = QStringLiteral(TESSARIN_SOURCE_HELP_DIR "/tessarin.html");

HelpViewer* Viewer(MainWindow& window) {
    return window.findChild<HelpViewer*>("HelpViewer");
}

TEST_F(HelpTest, ContentsOpensTheShippedDocumentAndItsLinksWork) {
    window->SetHelpFilePath(kShippedHelp);
    Choose("mnucontents");
    HelpViewer* viewer = Viewer(*window);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    QTextBrowser* text = viewer->Browser();
    EXPECT_EQ(text->documentTitle(), "Tessarin Help");
    EXPECT_TRUE(text->toPlainText().contains("Tying a well, step by step"));

    // Every command of the menus is explained.
    for (QAction* action : window->menuBar()->findChildren<QAction*>()) {
        const QString caption = action->text().remove('&').remove("...");
        // The choices of a submenu are explained with their submenu.
        if (caption.size() > 4 && !action->data().isValid()) {
            EXPECT_TRUE(text->toPlainText().contains(caption, Qt::CaseInsensitive))
                << caption.toStdString();
        }
    }

    text->setSource(QUrl::fromLocalFile(kShippedHelp).resolved(QUrl("#file")));
    auto* back = viewer->findChild<QToolButton*>("helpBack");
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(back->isEnabled());

    Choose("mnuhoh");
    EXPECT_TRUE(text->toPlainText().contains("Using Tessarin Help"));
    Choose("mnucontents");
    EXPECT_TRUE(text->toPlainText().contains("Tying a well, step by step"));
}

// Every link of the shipped document leads somewhere, and every section can be reached from the
// contents at its top, as Help on Help promises.
TEST_F(HelpTest, EveryLinkLeadsToASectionAndTheContentsListEverySection) {
    window->SetHelpFilePath(kShippedHelp);
    Choose("mnucontents");
    ASSERT_NE(Viewer(*window), nullptr);
    const QTextDocument* document = Viewer(*window)->Browser()->document();

    QSet<QString> anchors;
    QSet<QString> linked;
    QStringList sections;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                anchors.insert(name);
                if (block.blockFormat().headingLevel() == 2) {
                    sections.append(name);
                }
            }
            if (format.anchorHref().startsWith('#')) {
                linked.insert(format.anchorHref().mid(1));
            }
        }
    }
    ASSERT_GT(sections.size(), 10);
    for (const QString& target : linked) {
        EXPECT_TRUE(anchors.contains(target)) << "a link leads nowhere: #" << target.toStdString();
    }
    for (const QString& section : sections) {
        if (section != "contents") {
            EXPECT_TRUE(linked.contains(section))
                << "not in the contents: " << section.toStdString();
        }
    }
}

// On a small screen (or with a large scale factor) the help window and the dialogs stay whole on
// the screen, where the user can reach their edges and buttons.
TEST_F(HelpTest, HelpWindowAndDialogsFitTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    window->SetHelpFilePath(kShippedHelp);
    Choose("mnucontents");
    ASSERT_NE(Viewer(*window), nullptr);
    EXPECT_TRUE(area.contains(Viewer(*window)->frameGeometry())) << "help window too large";

    QDialog large(window.get());
    large.resize(area.width() + 300, area.height() + 200);
    window->PlaceDialog(&large);
    large.show();
    EXPECT_TRUE(area.contains(large.frameGeometry()));
}

TEST_F(HelpTest, ContentsWithoutAHelpDocumentSaysWhere) {
    window->SetHelpFilePath(QString());
    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Tessarin help not available");
            box->accept();
        },
        [&] { Choose("mnucontents"); });
    EXPECT_EQ(Viewer(*window), nullptr);
}

TEST_F(HelpTest, AboutShowsTheVersionAndClosesWithOk) {
    AnswerModal<AboutDialog>(
        [](AboutDialog* about) {
            EXPECT_EQ(about->windowTitle(), "About Tessarin");
            EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(),
                      "Version " TESSARIN_VERSION_SHORT);
            EXPECT_FALSE(about->findChild<QLabel*>("picIcon")->pixmap().isNull());
            QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        [&] { Choose("mnuabout"); });
}

TEST_F(HelpTest, SaveSettingsThenAResetReadsTheSameValuesBack) {
    // The real store, which the tests keep in a temporary folder.
    QtSettingsStore saved;
    Project worked;
    MainWindow own(worked, saved);
    own.ResetProjectWindow();
    ASSERT_TRUE(own.OpenProject(DisplayProjectPath()));
    for (const char* item : {"mnuTL50", "mnuDP20", "mnuGPW3", "mnutoolhelp", "mnusaveini"}) {
        own.findChild<QAction*>(item)->trigger();
    }

    Project fresh;
    QtSettingsStore reread;
    EXPECT_TRUE(ResetProject(fresh, reread).empty());
    EXPECT_EQ(fresh.timingLinesPer100ms, 2);
    EXPECT_EQ(fresh.depthTickInterval, 20);
    EXPECT_EQ(fresh.gridPenWidth, 3);
    // The opened project's own values became the defaults.
    EXPECT_EQ(fresh.measurementUnits, kMetric);
    EXPECT_EQ(fresh.timeScale.Number(), worked.timeScale.Number());
    EXPECT_EQ(fresh.lowPass.Number(), 10);
    EXPECT_TRUE(ReadStartupSettings(reread).toolbarHelp);
}

TEST_F(HelpTest, SaveSettingsWritesEveryKeyOnce) {
    Choose("mnusaveini");
    EXPECT_EQ(settings.WriteOrder().size(), 30u);
    EXPECT_EQ(settings.WriteOrder().front(), "Datum Type");
    EXPECT_EQ(settings.Values().at("Toolbar Help"), "0");
    EXPECT_EQ(settings.Values().at("Screen Factor"), "1");
}

}  // namespace
}  // namespace tessarin::test
