#include "ui/help_viewer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/app_icon.h"

namespace tessarin {
namespace {

const char* const kHelpOnHelp = R"(
<h1>Using Tessarin Help</h1>
<p>The help window shows the Tessarin help document. It stays open while you work in the main
window, so you can follow the steps of a well tie as you go.</p>
<h2>Moving around</h2>
<ul>
<li>Click an underlined <b>link</b> to go to the section it names.</li>
<li><b>Back</b> (or Alt+Left) returns to where you were; <b>Forward</b> (or Alt+Right) undoes
Back.</li>
<li><b>Contents</b> returns to the start of the document, where every section is listed.</li>
<li>Scroll with the scroll bar, the mouse wheel, or Page Up and Page Down.</li>
</ul>
<h2>Finding a word</h2>
<p>Type a word in the <b>Find</b> box (Ctrl+F takes you there) and press Enter. Each Enter jumps
to the next place the word appears; after the last one the search starts again at the top.</p>
<h2>Opening help</h2>
<p>In the main window, <b>Help &gt; Contents</b> opens this window at the contents, and the
<b>?</b> button of the toolbar does the same. <b>Help &gt; Help on Help</b> shows this page.</p>
<h2>Where the help document lives</h2>
<p>Tessarin looks for its help document <code>tessarin.html</code> when it starts: first in its
own folder, then in <code>share/tessarin/help</code> beside that folder (where an installation
puts it), then in each folder of the PATH environment variable. If it finds none, it says so at
start-up and the Contents command cannot open the help.</p>
)";

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        QStyle::StandardPixmap picture) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Tessarin Help"));
    setWindowIcon(ProgramIcon());

    back_ = MakeButton(this, "helpBack", QStringLiteral("Back"), QStyle::SP_ArrowBack);
    forward_ = MakeButton(this, "helpForward", QStringLiteral("Forward"), QStyle::SP_ArrowForward);
    home_ = MakeButton(this, "helpContents", QStringLiteral("Contents"), QStyle::SP_DirHomeIcon);
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("helpFind"));
    find_->setPlaceholderText(QStringLiteral("Find on this page"));
    find_->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
    findLabel->setBuddy(find_);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(12);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(home_);
    bar->addStretch(1);
    bar->addWidget(findLabel);
    bar->addWidget(find_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(find_, &QLineEdit::returnPressed, this, &HelpViewer::FindNext);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this]() {
        find_->setFocus();
        find_->selectAll();
    });
    // Wide enough for the pictures of the document without sideways scrolling, but never larger
    // than the screen (a small screen, or a large scale factor), where its edges could not be
    // reached.
    QSize size(800, 680);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);
}

void HelpViewer::ShowContents(const QString& helpFilePath) {
    const QUrl url = QUrl::fromLocalFile(helpFilePath);
    if (browser_->source() == url) {
        // Back from Help on Help, or the help document was edited since it was opened.
        browser_->reload();
    } else {
        browser_->setSource(url);
    }
    browser_->clearHistory();
    home_->setEnabled(true);
}

void HelpViewer::ShowHelpOnHelp() {
    browser_->setHtml(QString::fromUtf8(kHelpOnHelp));
    browser_->clearHistory();
    // Contents returns to the document only once it has been opened.
    home_->setEnabled(browser_->source().isValid());
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    // Closed as a dialog is, though it is a window of its own.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::FindNext() {
    const QString text = find_->text();
    if (text.isEmpty()) {
        return;
    }
    if (!browser_->find(text)) {
        // From the top again after the last match.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(text);
    }
}

}  // namespace tessarin
