#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace torvex {

// Runs a command for the plus key of the main keyboard, pressed without modifiers, while
// `widget` has the keyboard focus. The keypad's plus key and Shift with the plus key go on to
// the widget as any other key.
class MainPlusKey : public QObject
{
    Q_OBJECT

public:
    MainPlusKey(QWidget &widget, std::function<void()> command);

    // Whether the key press is that key: on layouts where it types "+" (German, Nordic) it
    // arrives as the plus key, on a US layout as "=", the key's unshifted character.
    static bool isMainPlus(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_command;
};

} // namespace torvex
