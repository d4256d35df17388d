#pragma once

#include <QObject>

class QWidget;

namespace torvex {

// The one place where the user's input to the program is watched and, while long work lets
// events run, held back. It filters the whole application once: while blocked for file work
// the main window's input is dropped (message boxes, being windows of their own, still take
// it); while blocked for a search all input is dropped. Unblocked, it reports the input the
// window's parts react to.
class InputGate : public QObject
{
    Q_OBJECT

public:
    enum class Reason {
        FileWork, // loading or saving: the menu must not change, the window must not close
        Search, // a search walks the tree and shows each find
    };

    // Watches the input of `window` (and, during a search, of every window).
    explicit InputGate(QWidget *window);
    ~InputGate() override;

    // Holds the user's input back until the matching unblock(); calls nest.
    void block(Reason reason);
    void unblock(Reason reason);
    bool isBlocked(Reason reason) const;

    // Blocks for the lifetime of the object.
    class Hold
    {
    public:
        Hold(InputGate &gate, Reason reason)
            : m_gate(gate)
            , m_reason(reason)
        {
            m_gate.block(m_reason);
        }
        ~Hold() { m_gate.unblock(m_reason); }
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        InputGate &m_gate;
        Reason m_reason;
    };

Q_SIGNALS:
    // The user is about to act on `widget` of the window (a key, a click, a drop, the focus):
    // before an edit's text can change, it must show the selected node.
    void inputArriving(QWidget *widget);
    // A key pressed on its way to the window's focused control (seen once; not consumed).
    void keyPressed(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool belongsToWindow(const QObject *object) const;

    QWidget *m_window;
    int m_fileWork = 0;
    int m_search = 0;
};

} // namespace torvex
