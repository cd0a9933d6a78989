#pragma once

// Answers the dialogs of a command that asks several questions in turn (an import, New Project,
// the unsaved-changes question), in the order they must come. A dialog that comes out of turn
// fails the test and is cancelled; a dialog left open past a deadline is cancelled too, so no test
// can hang on a command that waits for an answer.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
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

    // Runs `command`, answering its dialogs, and checks afterwards that every step came, in turn,
    // and nothing else.
    void Run(const std::function<void()>& command) {
        QTimer timer;
        QElapsedTimer sinceLastStep;
        sinceLastStep.start();
        QObject::connect(&timer, &QTimer::timeout, [&] { Poll(sinceLastStep); });
        timer.start(20);
        command();
        timer.stop();
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

    void Poll(QElapsedTimer& sinceLastStep) {
        QWidget* active = QApplication::activeModalWidget();
        if (!active) {
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
            }
            return;
        }
        answered_.emplace_back(active);
        sinceLastStep.restart();
        if (next_ < steps_.size() && steps_[next_].matches(active)) {
            // Answered from the event loop, not from here: an answer that opens a dialog of its
            // own (a file that exists, Open File) must not hold up the answers to come.
            QTimer::singleShot(0, active, [act = steps_[next_].act, active] { act(active); });
            ++next_;
            return;
        }
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

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::vector<QPointer<QWidget>> answered_;  // every dialog answered so far
    QStringList unexpected_;
};

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
        box->button(answer)->click();
    };
}

// A step that chooses `path` in a file dialog, after checking its caption.
inline std::function<void(QFileDialog*)> ChooseIn(const QString& title, const QString& path) {
    return [title, path](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), title);
        // The dialog leaves a name being typed alone: the name box must not have the focus.
        if (QWidget* focused = dialog->focusWidget()) {
            focused->clearFocus();
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

// A step that leaves a file dialog without a file.
inline std::function<void(QFileDialog*)> CancelFileDialog(const QString& title) {
    return [title](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), title);
        dialog->reject();
    };
}

}  // namespace tessarin::test
