#pragma once

#include <string>

class QObject;

namespace torvex {

// The class name the error log gives for an object: the windows and controls keep the names
// users and support staff know from the log ("TForm1" for the main window, "TForm2" for the
// Options dialog, "TForm3" for the chooser); any other class gives its own name without the
// namespace.
std::string loggedClassName(const QObject *object);

} // namespace torvex
