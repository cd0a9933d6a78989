#include "ui/dialog_support.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace tessarin {

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("Command1"));
    cancel->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* MakeFigureLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("–"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* NamedButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QHBoxLayout* MakeFileTableButtons(QDialog* dialog, QWidget* previous,
                                  const std::function<void()>& open,
                                  const std::function<void()>& save) {
    auto* ok = NamedButton(QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* cancel = NamedButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));
    auto* openButton = NamedButton(QStringLiteral("Command3"), QStringLiteral("Open File"));
    auto* saveButton = NamedButton(QStringLiteral("Command4"), QStringLiteral("Save File"));
    ok->setDefault(true);
    // In the dialog from the start, for the tab order below (the layout would reparent them later).
    for (QPushButton* button : {openButton, saveButton, ok, cancel}) {
        button->setParent(dialog);
    }
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(openButton, &QPushButton::clicked, dialog, open);
    QObject::connect(saveButton, &QPushButton::clicked, dialog, save);

    auto* row = new QHBoxLayout;
    row->addWidget(openButton);
    row->addWidget(saveButton);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);

    QWidget::setTabOrder(previous, openButton);
    QWidget::setTabOrder(openButton, saveButton);
    QWidget::setTabOrder(saveButton, ok);
    QWidget::setTabOrder(ok, cancel);
    return row;
}

QLabel* MakeRefusalLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("refusalReason"));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    label->setPalette(palette);
    label->hide();
    return label;
}

void Refuse(QLabel* refusalLabel, const std::string& reason) {
    QApplication::beep();
    refusalLabel->setText(QString::fromStdString(reason));
    refusalLabel->setVisible(!reason.empty());
    // The dialog grows to make room for the reason rather than squeezing its boxes.
    QWidget* dialog = refusalLabel->window();
    dialog->layout()->activate();
    const int needed = dialog->hasHeightForWidth() ? dialog->heightForWidth(dialog->width())
                                                   : dialog->sizeHint().height();
    if (needed > dialog->height()) {
        dialog->resize(dialog->width(), needed);
    }
}

// Selected backwards, so that the cursor stays at the start and a long text shows its beginning.
void SelectFirst(QLineEdit* box, int count) {
    const int n = std::min(count, static_cast<int>(box->text().size()));
    box->setSelection(n, -n);
}

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace tessarin
