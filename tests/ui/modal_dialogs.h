#pragma once

// Answers the modal dialogs a command opens, in the order they must come: a message box, an
// input box, a file dialog, one of our own dialogs, or several in turn (an import, New Project,
// the unsaved-changes question). No test can hang on a dialog:
// - a dialog that comes out of turn fails the test and is cancelled;
// - a dialog still open past the deadline after its answer fails the test and is cancelled;
// - a file dialog that an answer left open (it was still reading its folder) is answered again;
// - a step that never comes fails the test once the command has ended and the deadline passed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
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
#include <memory>
#include <vector>

namespace tessarin::test {

class ModalScript {
public:
    // The next dialog must be a T, shown while the step `what` is expected.
    template <typename T>
    ModalScript& Then(const QString& what, std::function<void(T*)> act) {
        steps_.push_back(
            {what, [](QWidget* widget) { return qobject_cast<T*>(widget) != nullptr; },
             [act = std::move(act)](QWidget* widget) { act(qobject_cast<T*>(widget)); }});
        return *this;
    }

    // Runs `command`, answering its dialogs, and waits for the steps a command shows after it
    // returns (a dialog opened from a signal or a timer). Checks afterwards that every step came,
    // in turn, and nothing else.
    void Run(const std::function<void()>& command) {
        // A modal dialog open before the command (the dialog under test) is its owner, never a
        // step: it is active again for a moment between a step's closing and the next's showing.
        owner_ = QApplication::activeModalWidget();
        QTimer timer;
        QElapsedTimer sinceLastStep;
        sinceLastStep.start();
        QObject::connect(&timer, &QTimer::timeout, [&] { Poll(sinceLastStep); });
        timer.start(20);
        command();
        (void)QTest::qWaitFor([&] { return Finished(); }, kDeadlineMs);
        timer.stop();
        if (QWidget* left = StillOpen()) {
            unexpected_ << "still open: " + Describe(left);
            Cancel(left);
        }
        QStringList missing;
        for (std::size_t i = next_; i < steps_.size(); ++i) {
            missing << steps_[i].what;
        }
        EXPECT_TRUE(missing.isEmpty()) << "never came: " << missing.join(", ").toStdString();
        EXPECT_TRUE(unexpected_.isEmpty())
            << "came out of turn: " << unexpected_.join(", ").toStdString();
    }

private:
    struct Step {
        QString what;
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    static QString Describe(QWidget* widget) {
        QString text = QString::fromUtf8(widget->metaObject()->className()) + " \"" +
                       widget->windowTitle() + "\"";
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            text += ": " + box->text();
        }
        return text;
    }

    QWidget* StillOpen() const {
        for (const QPointer<QWidget>& widget : answered_) {
            if (widget && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }

    bool Finished() const { return next_ == steps_.size() && !StillOpen(); }

    void Poll(QElapsedTimer& sinceLastStep) {
        QWidget* active = QApplication::activeModalWidget();
        if (!active || active == owner_) {
            return;
        }
        const bool answeredLast = !answered_.empty() && answered_.back() == active;
        const bool answeredBefore =
            std::find(answered_.begin(), answered_.end(), active) != answered_.end();
        const bool nextStepMatches = next_ < steps_.size() && steps_[next_].matches(active);
        // Answered, yet still open: the dialog refused the answer, or it is finishing after a
        // question of its own (a file dialog after "replace the file?") and closes next. A dialog
        // answered before that comes back for the next step (after Open File) is that step.
        if (answeredLast || (answeredBefore && !nextStepMatches)) {
            if (sinceLastStep.elapsed() > kDeadlineMs) {
                unexpected_ << "still open: " + Describe(active);
                std::erase(answered_, active);
                Cancel(active);
            } else if (answeredLast && lastAct_ && qobject_cast<QFileDialog*>(active) &&
                       sinceLastAct_.elapsed() > kRetryMs) {
                sinceLastAct_.restart();
                QTimer::singleShot(0, active, [act = lastAct_, active] { act(active); });
            }
            return;
        }
        answered_.emplace_back(active);
        sinceLastStep.restart();
        if (nextStepMatches) {
            // Answered from the event loop, not from here: an answer that opens a dialog of its
            // own (a file that exists, Open File) must not hold up the answers to come.
            lastAct_ = steps_[next_].act;
            sinceLastAct_.start();
            QTimer::singleShot(0, active, [act = lastAct_, active] { act(active); });
            ++next_;
            return;
        }
        lastAct_ = nullptr;
        unexpected_ << Describe(active);
        Cancel(active);
    }

    static void Cancel(QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialog->reject();
        } else {
            widget->close();
        }
    }

    static constexpr int kDeadlineMs = 30000;
    static constexpr int kRetryMs = 1000;

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> owner_;
    std::vector<QPointer<QWidget>> answered_;  // every dialog answered so far
    std::function<void(QWidget*)> lastAct_;
    QElapsedTimer sinceLastAct_;
    QStringList unexpected_;
};

// A command that opens one dialog, answered by `act`.
template <typename T>
void AnswerModal(const std::function<void(T*)>& act, const std::function<void()>& command) {
    ModalScript().Then<T>(QString::fromUtf8(T::staticMetaObject.className()), act).Run(command);
}

// A command that must open no dialog at all.
inline void ExpectNoDialog(const std::function<void()>& command) {
    ModalScript().Run(command);
}

// What a message box showed before a step answered it.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButtons buttons;
};

// A step that keeps what the message box showed in `seen` and clicks `answer`.
inline std::function<void(QMessageBox*)> Answer(QMessageBox::StandardButton answer,
                                                SeenMessage* seen = nullptr) {
    return [answer, seen](QMessageBox* box) {
        if (seen) {
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            seen->defaultButton = box->standardButton(box->defaultButton());
            seen->buttons = box->standardButtons();
        }
        QAbstractButton* button = box->button(answer);
        if (button) {
            button->click();
        } else {
            ADD_FAILURE() << "the message has no such button: " << box->text().toStdString();
            box->reject();
        }
    };
}

// Closes the message box with its only button and keeps what it showed.
inline std::function<void(QMessageBox*)> Acknowledge(SeenMessage* seen = nullptr) {
    return [seen](QMessageBox* box) {
        if (seen) {
            *seen = {box->windowTitle(), box->text(), box->icon(),
                     box->standardButton(box->defaultButton()), box->standardButtons()};
        }
        box->accept();
    };
}

// Types `path` into the name box of a file dialog, as a user does, and accepts it. (Choosing it
// with selectFile can leave the box empty while the dialog still reads the folder, and the
// dialog then only opens the folder; the script answers a dialog left open again.)
inline void EnterFileName(QFileDialog* dialog, const QString& path) {
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setText(path);
    } else {
        dialog->selectFile(path);
    }
    QMetaObject::invokeMethod(dialog, "accept");
}

// What a file dialog showed before a step answered it.
struct SeenFileDialog {
    QString title;
    QString folder;
    QString filter;
    QStringList proposed;
};

// A step that chooses `path` in a file dialog and keeps what it showed in `seen`.
inline std::function<void(QFileDialog*)> ChooseFile(const QString& path,
                                                    SeenFileDialog* seen = nullptr) {
    return [path, seen](QFileDialog* dialog) {
        if (seen && seen->title.isEmpty()) {
            *seen = {dialog->windowTitle(), dialog->directory().absolutePath(),
                     dialog->selectedNameFilter(), dialog->selectedFiles()};
        }
        EnterFileName(dialog, path);
    };
}

// A step that chooses `path` in a file dialog, after checking its caption.
inline std::function<void(QFileDialog*)> ChooseIn(const QString& title, const QString& path) {
    return [title, path](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), title);
        EnterFileName(dialog, path);
    };
}

// A step that leaves a file dialog without a file, after checking its caption (when one is given)
// and keeping what it showed.
inline std::function<void(QFileDialog*)> CancelFileDialog(const QString& title = {},
                                                          SeenFileDialog* seen = nullptr) {
    return [title, seen](QFileDialog* dialog) {
        if (!title.isEmpty()) {
            EXPECT_EQ(dialog->windowTitle(), title);
        }
        if (seen) {
            *seen = {dialog->windowTitle(), dialog->directory().absolutePath(),
                     dialog->selectedNameFilter(), dialog->selectedFiles()};
        }
        dialog->reject();
    };
}

}  // namespace tessarin::test
