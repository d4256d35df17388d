#include "app/gui/bookmarks/XbelBookmarks.h"

#include <QXmlStreamReader>

namespace torvex {

namespace {

// The <title> of the bookmark whose start the reader stands on; the reader ends at its end.
QString bookmarkTitle(QXmlStreamReader &xml)
{
    QString title;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (depth == 1 && xml.name() == QLatin1String("title")) {
                title = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                continue;
            }
            ++depth;
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return title.trimmed();
}

} // namespace

std::vector<DesktopBookmark> readXbelBookmarks(const QByteArray &xml)
{
    std::vector<DesktopBookmark> bookmarks;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("bookmark"))
            continue;
        const QByteArray href = reader.attributes().value(QLatin1String("href")).toUtf8();
        const QString title = bookmarkTitle(reader);
        if (reader.hasError())
            break;
        if (std::optional<std::string> folder = folderOfFileUri(href.toStdString()))
            bookmarks.push_back({ std::move(*folder), title.toStdString() });
    }
    return bookmarks;
}

} // namespace torvex
