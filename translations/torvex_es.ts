<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>Marcadores de &amp;Linux...</translation>
    </message>
</context>
<context>
    <name>torvex::EditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move &amp;up</source>
        <translation>Mover &amp;arriba</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Mover aba&amp;jo</translation>
    </message>
    <message>
        <source>Move &amp;out of submenu</source>
        <translation>Sacar del s&amp;ubmenú</translation>
    </message>
    <message>
        <source>Move &amp;into submenu above</source>
        <translation>Meter en el sub&amp;menú de arriba</translation>
    </message>
</context>
<context>
    <name>torvex::IniChooserDialog</name>
    <message>
        <source> Open ini file</source>
        <translation> Abrir archivo ini</translation>
    </message>
    <message>
        <source>Select the ini file you want to use:</source>
        <translation>Elija el archivo ini que desea usar:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source> Don&apos;t open anything </source>
        <translation> No abrir nada </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source> Open the selected ini file </source>
        <translation> Abrir el archivo ini elegido </translation>
    </message>
</context>
<context>
    <name>torvex::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;file...</source>
        <translation>Abrir &amp;archivo...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save &amp;to file...</source>
        <translation>Guardar en arc&amp;hivo...</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Mostrar cambios...</translation>
    </message>
    <message>
        <source>Exit &amp;without saving</source>
        <translation>Salir &amp;sin guardar</translation>
    </message>
    <message>
        <source>E&amp;xit and save</source>
        <translation>Guardar y sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Add &amp;submemu</source>
        <translation>Añadir &amp;submenú</translation>
    </message>
    <message>
        <source>&amp;Add sister menu</source>
        <translation>&amp;Añadir menú hermano</translation>
    </message>
    <message>
        <source>Add &amp;copy</source>
        <translation>Añadir &amp;copia</translation>
    </message>
    <message>
        <source>&amp;Delete selected menu</source>
        <translation>&amp;Eliminar menú seleccionado</translation>
    </message>
    <message>
        <source>&amp;Add menu</source>
        <translation>Añadir &amp;menú</translation>
    </message>
    <message>
        <source>Show Command &amp;folder</source>
        <translation>Mostrar carpeta del coman&amp;do</translation>
    </message>
</context>
<context>
    <name>torvex::MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreviewPopup</name>
    <message>
        <source>Pre&amp;view menu</source>
        <translation>&amp;Vista previa del menú</translation>
    </message>
    <message>
        <source>Shows the menu as the file manager will pop it up</source>
        <translation>Muestra el menú tal como lo abrirá el gestor de archivos</translation>
    </message>
    <message>
        <source>The menu is empty</source>
        <translation>El menú está vacío</translation>
    </message>
</context>
<context>
    <name>torvex::OptionsDialog</name>
    <message>
        <source>Fixed</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Extraíble</translation>
    </message>
    <message>
        <source>CDRom</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>Ram disk</source>
        <translation>Disco RAM</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Opciones</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source> &amp;Background color: </source>
        <translation> Color de &amp;fondo: </translation>
    </message>
    <message>
        <source> Select background color... </source>
        <translation> Elegir el color de fondo... </translation>
    </message>
    <message>
        <source> &amp;Font color: </source>
        <translation> Color del &amp;texto: </translation>
    </message>
    <message>
        <source> Select font color </source>
        <translation> Elegir el color del texto </translation>
    </message>
    <message>
        <source>&amp;Use Windows colors</source>
        <translation>Colores &amp;Windows</translation>
    </message>
    <message>
        <source> Use standard background and font colors  </source>
        <translation> Usar los colores estándar de fondo y texto  </translation>
    </message>
    <message>
        <source> Show these &amp;disk types: </source>
        <translation> &amp;Discos visibles: </translation>
    </message>
    <message>
        <source> Confirmation &amp;when: </source>
        <translation> Co&amp;nfirmar al: </translation>
    </message>
    <message>
        <source>Closing without saving</source>
        <translation>cerrar sin guardar</translation>
    </message>
    <message>
        <source> Check this if you want to be asked </source>
        <translation> Marque esta casilla para que se le pregunte </translation>
    </message>
    <message>
        <source>Drop target has command</source>
        <translation>soltar en entrada con orden</translation>
    </message>
    <message>
        <source> Check this to be asked when adding submenus (and thus remove the parent menu&apos;s command) </source>
        <translation> Marque esta casilla para que se le pregunte al añadir submenús (lo que quita la orden de la entrada superior) </translation>
    </message>
    <message>
        <source>Keep a backup before the first save</source>
        <translation>Copia de seguridad antes de guardar</translation>
    </message>
    <message>
        <source> The first save of a run keeps the file as it was, as wincmd.ini.bak beside it </source>
        <translation> El primer guardado de una sesión conserva el archivo tal como era, como wincmd.ini.bak a su lado </translation>
    </message>
</context>
<context>
    <name>torvex::ProblemDock</name>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
</context>
<context>
    <name>torvex::SortCommands</name>
    <message>
        <source>&amp;Sort by title</source>
        <translation>Ordenar por &amp;título</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Ordena las entradas junto a la seleccionada</translation>
    </message>
    <message>
        <source>Sort &amp;all levels</source>
        <translation>Ordenar todos los &amp;niveles</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Submenús &amp;primero</translation>
    </message>
</context>
</TS>
