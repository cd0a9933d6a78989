#pragma once

// Answers the modal dialogs a command opens, in the order they must come: a message box, an
// input box, a file dialog, one of our own dialogs, or several in turn (an import, New Project,
// the unsaved-changes question). No test can hang on a dialog:
// - a dialog that comes out of turn fails the test and is cancelled;
// - a dialog still open past the deadline after its answer fails the test and is cancelled;
// - a file dialog that an answer left open (it was still reading its folder) is answered again;
// - a step that never comes fails the test soon after the command has ended.
// A dialog already open when the command runs (the dialog a test drives) is no step.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

// Failures show texts as texts.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}

namespace tessarin::test {

inline QString Describe(QWidget* dialog) {
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    return QString::fromUtf8(dialog->metaObject()->className()) + " \"" + dialog->windowTitle() +
           "\"" + (box ? ": " + box->text() : QString());
}

inline void Cancel(QWidget* dialog) {
    auto* modal = qobject_cast<QDialog*>(dialog);
    modal ? modal->reject() : void(dialog->close());
}

class ModalScript {
public:
    // The next dialog must be a T, shown while the step `what` is expected.
    template <typename T>
    ModalScript& Then(const QString& what, std::function<void(T*)> act) {
        steps_.push_back({what, [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                          [act = std::move(act)](QWidget* w) { act(qobject_cast<T*>(w)); }});
        return *this;
    }

    // Runs `command`, answering its dialogs, and waits for the steps a command shows after it
    // returns (a dialog opened from a signal or a timer). Checks afterwards that every step came,
    // in turn, and nothing else.
    void Run(const std::function<void()>& command) {
        QTimer timer;
        host_ = QApplication::activeModalWidget();
        sinceLastStep_.start();
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start(20);
        command();
        // A dialog the command opens from a signal or a timer comes at once; when none is open,
        // a step that has not come by then never will.
        QElapsedTimer sinceCommand;
        sinceCommand.start();
        (void)QTest::qWaitFor(
            [&] {
                const QWidget* active = QApplication::activeModalWidget();
                const bool dialogOpen = active != nullptr && active != host_;
                const bool finished = next_ == steps_.size() && !StillOpen();
                return finished || (!dialogOpen && sinceCommand.elapsed() > kLateStepMs);
            },
            kDeadlineMs);
        timer.stop();
        if (QWidget* left = StillOpen()) {
            unexpected_ << "still open: " + Describe(left);
            Cancel(left);
        }
        for (std::size_t i = next_; i < steps_.size(); ++i) {
            unexpected_ << "never came: " + steps_[i].what;
        }
        EXPECT_TRUE(unexpected_.isEmpty()) << unexpected_.join(", ").toStdString();
    }

private:
    struct Step {
        QString what;
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    QWidget* StillOpen() const {
        const auto open =
            std::ranges::find_if(answered_, [](auto& w) { return w && w->isVisible(); });
        return open == answered_.end() ? nullptr : open->data();
    }

    void Poll() {
        // The dialog a test drives itself is active between the dialogs it opens.
        QWidget* active = QApplication::activeModalWidget();
        if (!active || active == host_) {
            return;
        }
        const bool answeredLast = !answered_.empty() && answered_.back() == active;
        const bool answeredBefore = std::count(answered_.begin(), answered_.end(), active) > 0;
        const bool nextStepMatches = next_ < steps_.size() && steps_[next_].matches(active);
        // Answered, yet still open: the dialog refused the answer, or it is finishing after a
        // question of its own (a file dialog after "replace the file?") and closes next. A dialog
        // answered before that comes back for the next step (after Open File) is that step.
        if (answeredLast || (answeredBefore && !nextStepMatches)) {
            if (sinceLastStep_.elapsed() > kDeadlineMs) {
                unexpected_ << "still open: " + Describe(active);
                std::erase(answered_, active);
                Cancel(active);
            } else if (answeredLast && lastAct_ && qobject_cast<QFileDialog*>(active) &&
                       sinceLastAct_.elapsed() > kRetryMs) {
                Act(lastAct_, active);
            }
            return;
        }
        answered_.emplace_back(active);
        sinceLastStep_.restart();
        lastAct_ = nullptr;
        if (!nextStepMatches) {
            unexpected_ << "out of turn: " + Describe(active);
            Cancel(active);
            return;
        }
        Act(steps_[next_++].act, active);
    }

    // Answered from the event loop, not from the poll: an answer that opens a dialog of its own
    // (a file that exists, Open File) must not hold up the answers to come.
    void Act(const std::function<void(QWidget*)>& act, QWidget* dialog) {
        lastAct_ = act;
        sinceLastAct_.start();
        QTimer::singleShot(0, dialog, [act, dialog] { act(dialog); });
    }

    static constexpr int kDeadlineMs = 30000;
    // How long after its command a step may still come while no dialog is open.
    static constexpr int kLateStepMs = 5000;
    static constexpr int kRetryMs = 1000;

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> host_;                   // the dialog open before the command ran
    std::vector<QPointer<QWidget>> answered_;  // every dialog answered so far
    std::function<void(QWidget*)> lastAct_;
    QElapsedTimer sinceLastStep_;
    QElapsedTimer sinceLastAct_;
    QStringList unexpected_;
};

// A command that opens one dialog, answered by `act`.
template <typename T>
void AnswerModal(const std::function<void(T*)>& act, const std::function<void()>& command) {
    ModalScript().Then<T>(QString::fromUtf8(T::staticMetaObject.className()), act).Run(command);
}

// Started once by the test program: a dialog left open with no script to answer it (a command
// that should have opened none) fails the test it came in, and is closed, well before the test's
// time limit.
inline void CloseForgottenDialogs() {
    static QPointer<QWidget> open;
    static QElapsedTimer since;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget* active = QApplication::activeModalWidget();
        if (active != open) {
            open = active;
            since.start();
        } else if (active && since.elapsed() > 45000) {
            ADD_FAILURE() << "no test answered " << Describe(active).toStdString();
            since.start();
            Cancel(active);
        }
    });
    timer->start(1000);
}

// A command that must open no dialog at all.
inline void ExpectNoDialog(const std::function<void()>& command) {
    ModalScript().Run(command);
}

// What a message box or a file dialog showed before a step answered it.
struct Seen {
    QString title, text, folder, filter;
    QStringList proposed;
};

// A step that keeps what the message box showed in `seen` and clicks `answer`.
inline std::function<void(QMessageBox*)> Answer(
    Seen* seen = nullptr, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    return [answer, seen](QMessageBox* box) {
        if (seen) {
            seen->title = box->windowTitle();
            seen->text = box->text();
        }
        QAbstractButton* button = box->button(answer);
        ASSERT_NE(button, nullptr) << "the message has no such button: " << box->text();
        button->click();
    };
}

// The title and text of the message box `command` shows, closed with OK.
inline QString MessageFrom(const std::function<void()>& command) {
    Seen seen;
    AnswerModal<QMessageBox>(Answer(&seen), command);
    return seen.title + ": " + seen.text;
}

// A step that checks a file dialog's caption (when one is given), keeps what it showed, and
// types `path` into its name box as a user does, or cancels it when `path` is empty. (Choosing
// with selectFile can leave the box empty while the dialog still reads the folder, and the dialog
// then only opens the folder; the script answers a dialog left open again.)
inline std::function<void(QFileDialog*)> ChooseFile(const QString& path, const QString& title = {},
                                                    Seen* seen = nullptr) {
    return [path, title, seen](QFileDialog* dialog) {
        if (!title.isEmpty()) {
            EXPECT_EQ(dialog->windowTitle(), title);
        }
        if (seen && seen->title.isEmpty()) {
            seen->title = dialog->windowTitle();
            seen->folder = dialog->directory().absolutePath();
            seen->filter = dialog->selectedNameFilter();
            seen->proposed = dialog->selectedFiles();
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name ? name->setText(path) : dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

}  // namespace tessarin::test
