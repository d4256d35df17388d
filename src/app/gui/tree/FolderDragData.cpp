#include "app/gui/tree/FolderDragData.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QStringList>

namespace torvex::FolderDragData {

namespace {

QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

QMimeData *encode(const std::vector<DirEntry> &entries)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint32>(entries.size());
    QStringList paths;
    for (const DirEntry &entry : entries) {
        out << toQt(entry.text) << toQt(entry.path);
        paths << toQt(entry.path);
    }
    auto *data = new QMimeData;
    data->setData(mimeType, bytes);
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

bool hasFolders(const QMimeData *data)
{
    return data && data->hasFormat(mimeType);
}

std::vector<DirEntry> decode(const QMimeData *data)
{
    if (!hasFolders(data))
        return {};
    const QByteArray bytes = data->data(mimeType);
    QDataStream in(bytes);
    quint32 count = 0;
    in >> count;
    std::vector<DirEntry> entries;
    // The count comes from outside: never trust it for a reservation, the strings decide.
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        QString path;
        in >> text >> path;
        if (in.status() != QDataStream::Ok)
            return {};
        entries.push_back({ text.toStdString(), path.toStdString() });
    }
    return entries;
}

} // namespace torvex::FolderDragData
