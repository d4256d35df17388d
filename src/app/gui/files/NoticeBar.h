#pragma once

#include <QFrame>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace torvex {

// A bar that tells the user something without stopping the work: a text, a "Details..."
// button that opens a list of the particulars, an optional button for what can be done about
// it, and a button that closes the bar. Hidden until a notice is shown; a new notice
// replaces the one shown.
class NoticeBar : public QFrame
{
    Q_OBJECT

public:
    explicit NoticeBar(QWidget *parent = nullptr);

    struct Action
    {
        QString text;
        std::function<void()> run;
    };

    // Shows `text`. "Details..." is offered when there are `details` (one line each); an
    // `action` adds a button that closes the bar and runs it.
    void showNotice(const QString &text,
        const QStringList &details,
        std::optional<Action> action = std::nullopt);
    // Hides the bar and its details.
    void dismiss();

    QString text() const;
    const QStringList &details() const { return m_details; }
    // Opens the list of details beside the window (not modal).
    void showDetails();
    // The window of the details; nullptr before it was first opened.
    QDialog *detailsWindow() const { return m_detailsWindow; }

Q_SIGNALS:
    // The user closed the bar.
    void closedByUser();

private:
    QLabel *m_text = nullptr;
    QPushButton *m_detailsButton = nullptr;
    QPushButton *m_actionButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    QDialog *m_detailsWindow = nullptr;
    QPlainTextEdit *m_detailsList = nullptr;
    QStringList m_details;
    std::function<void()> m_action;
};

} // namespace torvex
