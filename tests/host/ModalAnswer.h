// SPDX-License-Identifier: MIT
// Answers the host's real modal dialogs and popup menus from a timer, as a user would, and
// makes sure no test waits for one forever: a dialog that never opens, or stays open after
// its answer, fails the test after a bound of seconds, saying what was open, and is closed
// so the call that runs it returns.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace modalanswer {

// Long beside the few milliseconds a dialog takes to open on a busy machine, short beside
// ctest's timeout.
inline constexpr int kBoundMilliseconds = 10000;

inline std::string Describe(const QWidget* widget)
{
    if (!widget)
        return "none";
    std::string text = std::string(widget->metaObject()->className()) + " \""
        + widget->windowTitle().toStdString() + "\"";
    if (const auto* dialog = qobject_cast<const QFileDialog*>(widget)) {
        const auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        text += " in " + dialog->directory().absolutePath().toStdString() + ", name \""
            + (name ? name->text().toStdString() : std::string("?")) + "\", filter \""
            + dialog->selectedNameFilter().toStdString() + "\", selected \""
            + dialog->selectedFiles().join(QStringLiteral("\", \"")).toStdString() + "\"";
    }
    return text;
}

// Every shown top-level window and the active modal and popup widgets, for a failure message.
inline std::string DescribeScreen()
{
    std::string text = "active modal: " + Describe(QApplication::activeModalWidget())
        + "; active popup: " + Describe(QApplication::activePopupWidget()) + "; shown windows:";
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            text += " [" + Describe(window) + "]";
    return text;
}

// Closes what a test left open, so the host's call under test returns.
inline void CloseEverythingModal()
{
    // A popup that refused to close would otherwise be asked forever.
    for (int tries = 0; tries < 10 && QApplication::activePopupWidget(); ++tries)
        QApplication::activePopupWidget()->close();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
}

} // namespace modalanswer

// While it lives, answers the first widget find returns with answer, then watches that widget
// until it closes. Fails the test when none was found, or the one found is still open, when
// the bound has passed since it was made; it then closes every dialog and popup.
template <class Widget> class ModalAnswer {
public:
    ModalAnswer(std::function<Widget*()> find, std::function<void(Widget*)> answer)
        : FState(std::make_unique<State>())
    {
        FState->timer.setInterval(5);
        FState->clock.start();
        State* state = FState.get();
        QObject::connect(&state->timer, &QTimer::timeout, &state->timer,
            [state, find = std::move(find), answer = std::move(answer)] {
                if (!state->answered) {
                    if (Widget* widget = find()) {
                        state->answered = true;
                        state->widget = widget;
                        answer(widget);
                        return;
                    }
                } else if (!state->widget || !state->widget->isVisible()) {
                    state->timer.stop();
                    return;
                }
                if (state->clock.elapsed() < modalanswer::kBoundMilliseconds)
                    return;
                state->timer.stop();
                ADD_FAILURE() << (state->answered ? "still open " : "never opened within ")
                              << modalanswer::kBoundMilliseconds / 1000 << " s after the answer was ready; "
                              << modalanswer::DescribeScreen();
                modalanswer::CloseEverythingModal();
            });
        FState->timer.start();
    }
    ~ModalAnswer()
    {
        if (!FState->answered)
            ADD_FAILURE() << "the answer was ready but nothing to answer opened; "
                          << modalanswer::DescribeScreen();
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    struct State {
        QTimer timer;
        QElapsedTimer clock;
        bool answered = false;
        QPointer<Widget> widget;
    };
    std::unique_ptr<State> FState;
};

// Answers the modal dialog of that class once it is the active modal widget.
template <class Dialog> class DialogAnswer : public ModalAnswer<Dialog> {
public:
    explicit DialogAnswer(std::function<void(Dialog*)> answer)
        : ModalAnswer<Dialog>([] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); },
              std::move(answer))
    {
    }
};

// Answers the popup menu once it is the active popup.
class MenuAnswer : public ModalAnswer<QMenu> {
public:
    explicit MenuAnswer(std::function<void(QMenu*)> answer)
        : ModalAnswer<QMenu>([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
              std::move(answer))
    {
    }
};

// Types a name into a file dialog's name field, as a user does. QFileDialog::selectFile leaves
// the field alone while it has the focus, which it gets whenever the dialog is activated
// before the answer comes; the dialog then refused to accept and waited forever.
inline void TypeFileName(QFileDialog* dialog, const QString& name)
{
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr) << "the file dialog has no name field";
    field->setText(name);
}
