#include "app/gui/files/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace torvex {

namespace {

QString filterText(const FileDialogRequest &request)
{
    QStringList filters;
    for (const std::string &filter : request.filters)
        filters.append(QString::fromStdString(filter));
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogs::fileToOpen(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getOpenFileName(m_owner,
        QString::fromStdString(request.caption),
        QString::fromStdString(request.start),
        filterText(request)));
}

std::optional<std::string> QtFileDialogs::fileToSaveInto(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getSaveFileName(m_owner,
        QString::fromStdString(request.caption),
        QString::fromStdString(request.start),
        filterText(request)));
}

} // namespace torvex
