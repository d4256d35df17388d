// Drag and drop in the main window: folders from the folder list onto the tree, nodes within
// the tree, and the five drop-mode buttons. Filled in by the drag-and-drop work; until then
// no drop is accepted.

#include "app/gui/TForm1.h"

#include <QDragMoveEvent>
#include <QDropEvent>

namespace torvex {

void TForm1::tviewStartDrag() { }

void TForm1::tviewDragOver(QDragMoveEvent *event)
{
    event->ignore();
}

void TForm1::tviewDragDrop(QDropEvent *event)
{
    event->ignore();
}

void TForm1::DirListBoxMouseDown(const QPoint &) { }

void TForm1::SBut_AddClick()
{
    dropMode = 0;
}

void TForm1::SBut_AddFirstClick()
{
    dropMode = 1;
}

void TForm1::SBut_AddChildClick()
{
    dropMode = 2;
}

void TForm1::SBut_AddChildFirstClick()
{
    dropMode = 3;
}

void TForm1::SBut_InsertClick()
{
    dropMode = 4;
}

} // namespace torvex
