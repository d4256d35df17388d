#include "app/gui/files/NoticeBar.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvex {

NoticeBar::NoticeBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("noticeBar"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    // The colours of a tooltip: a note beside the work, not an error.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 3, 3);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("noticeText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    row->addWidget(m_text, 1);
    m_detailsButton = new QPushButton(tr("Details..."), this);
    m_detailsButton->setObjectName(QStringLiteral("noticeDetailsButton"));
    row->addWidget(m_detailsButton);
    m_actionButton = new QPushButton(this);
    m_actionButton->setObjectName(QStringLiteral("noticeActionButton"));
    row->addWidget(m_actionButton);
    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("noticeCloseButton"));
    m_closeButton->setText(QStringLiteral("\u00D7"));
    m_closeButton->setToolTip(tr(" Close this notice "));
    m_closeButton->setAutoRaise(true);
    row->addWidget(m_closeButton);

    connect(m_detailsButton, &QPushButton::clicked, this, &NoticeBar::showDetails);
    connect(m_actionButton, &QPushButton::clicked, this, [this] {
        // Taken first: the action may show another notice.
        const std::function<void()> action = m_action;
        dismiss();
        if (action)
            action();
    });
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        dismiss();
        Q_EMIT closedByUser();
    });
    hide();
}

void NoticeBar::showNotice(
    const QString &text, const QStringList &details, std::optional<Action> action)
{
    m_text->setText(text);
    m_details = details;
    m_detailsButton->setVisible(!details.isEmpty());
    m_action = action ? action->run : std::function<void()>();
    m_actionButton->setVisible(action.has_value());
    if (action)
        m_actionButton->setText(action->text);
    if (m_detailsWindow && m_detailsWindow->isVisible())
        showDetails();
    show();
}

void NoticeBar::dismiss()
{
    hide();
    if (m_detailsWindow)
        m_detailsWindow->hide();
}

QString NoticeBar::text() const
{
    return m_text->text();
}

void NoticeBar::showDetails()
{
    if (!m_detailsWindow) {
        m_detailsWindow = new QDialog(this);
        m_detailsWindow->setObjectName(QStringLiteral("noticeDetails"));
        m_detailsWindow->setWindowTitle(tr("Details"));
        auto *column = new QVBoxLayout(m_detailsWindow);
        m_detailsList = new QPlainTextEdit(m_detailsWindow);
        m_detailsList->setObjectName(QStringLiteral("noticeDetailsList"));
        m_detailsList->setReadOnly(true);
        m_detailsList->setLineWrapMode(QPlainTextEdit::NoWrap);
        column->addWidget(m_detailsList);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_detailsWindow);
        connect(buttons, &QDialogButtonBox::rejected, m_detailsWindow, &QDialog::hide);
        column->addWidget(buttons);
        m_detailsWindow->resize(560, 300);
    }
    m_detailsList->setPlainText(m_details.join(QLatin1Char('\n')));
    m_detailsWindow->show();
    m_detailsWindow->raise();
    m_detailsWindow->activateWindow();
}

} // namespace torvex
