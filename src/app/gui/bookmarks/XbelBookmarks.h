#pragma once

#include "platform/DesktopBookmarks.h"

#include <QByteArray>

#include <vector>

namespace torvex {

// The folders of KDE's places file (XBEL): each <bookmark> whose href is a "file://" URI,
// labelled with its <title>. Other schemes are passed over; a file that is not well-formed
// XML gives the bookmarks read before the fault.
std::vector<DesktopBookmark> readXbelBookmarks(const QByteArray &xml);

} // namespace torvex
