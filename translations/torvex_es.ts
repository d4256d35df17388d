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
    <name>torvex::ButtonColumn</name>
    <message>
        <source> Save (F2) </source>
        <translation> Guardar (F2) </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the menu into the ini file</source>
        <translation>Guarda el menú en el archivo ini</translation>
    </message>
    <message>
        <source> Show Command folder (F8) </source>
        <translation> Mostrar carpeta del comando (F8) </translation>
    </message>
    <message>
        <source>Show Command folder</source>
        <translation>Mostrar carpeta del comando</translation>
    </message>
    <message>
        <source>Opens the folder list at the folder of the selected entry&apos;s command</source>
        <translation>Abre la lista de carpetas en la carpeta del comando de la entrada seleccionada</translation>
    </message>
    <message>
        <source> Add dropped menu at the end of the list (Ctrl+1) </source>
        <translation> Añadir el menú soltado al final de la lista (Ctrl+1) </translation>
    </message>
    <message>
        <source>Drop at the end of the list</source>
        <translation>Soltar al final de la lista</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the end of the destination&apos;s level</source>
        <translation>Modo de soltar: una entrada soltada se añade al final del nivel del destino</translation>
    </message>
    <message>
        <source> Add dropped menu at the beginning of the list (Ctrl+2) </source>
        <translation> Añadir el menú soltado al principio de la lista (Ctrl+2) </translation>
    </message>
    <message>
        <source>Drop at the beginning of the list</source>
        <translation>Soltar al principio de la lista</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the beginning of the destination&apos;s level</source>
        <translation>Modo de soltar: una entrada soltada se añade al principio del nivel del destino</translation>
    </message>
    <message>
        <source> Add dropped menu as the last submenu of the destination (Ctrl+3) </source>
        <translation> Añadir el menú soltado como último submenú del destino (Ctrl+3) </translation>
    </message>
    <message>
        <source>Drop as the last entry of the destination</source>
        <translation>Soltar como última entrada del destino</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the last entry in the destination&apos;s submenu</source>
        <translation>Modo de soltar: una entrada soltada pasa a ser la última entrada del submenú del destino</translation>
    </message>
    <message>
        <source> Add dropped menu as the first submenu of the destination (Ctrl+4) </source>
        <translation> Añadir el menú soltado como primer submenú del destino (Ctrl+4) </translation>
    </message>
    <message>
        <source>Drop as the first entry of the destination</source>
        <translation>Soltar como primera entrada del destino</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the first entry in the destination&apos;s submenu</source>
        <translation>Modo de soltar: una entrada soltada pasa a ser la primera entrada del submenú del destino</translation>
    </message>
    <message>
        <source> Insert dropped menu before the destination menu (Ctrl+5) </source>
        <translation> Insertar el menú soltado antes del menú de destino (Ctrl+5) </translation>
    </message>
    <message>
        <source>Drop before the destination</source>
        <translation>Soltar antes del destino</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is inserted directly before the destination</source>
        <translation>Modo de soltar: una entrada soltada se inserta justo antes del destino</translation>
    </message>
    <message>
        <source> Find menus with broken (nonexistent) paths (F11) </source>
        <translation> Buscar menús con rutas rotas (inexistentes) (F11) </translation>
    </message>
    <message>
        <source>Find broken paths</source>
        <translation>Buscar rutas rotas</translation>
    </message>
    <message>
        <source>Selects the next entry whose command leads to a folder that does not exist</source>
        <translation>Selecciona la siguiente entrada cuyo comando lleva a una carpeta que no existe</translation>
    </message>
    <message>
        <source> Find menus with no Command strings (F12) </source>
        <translation> Buscar menús sin comando (F12) </translation>
    </message>
    <message>
        <source>Find empty commands</source>
        <translation>Buscar comandos vacíos</translation>
    </message>
    <message>
        <source>Selects the next entry that has no command</source>
        <translation>Selecciona la siguiente entrada sin comando</translation>
    </message>
</context>
<context>
    <name>torvex::ChangesWindow</name>
    <message>
        <source>Show changes</source>
        <translation>Mostrar cambios</translation>
    </message>
    <message>
        <source>&amp;Key lines</source>
        <translation>&amp;Líneas de claves</translation>
    </message>
    <message>
        <source>Show the numbered lines of the file instead of the entries</source>
        <translation>Mostrar las líneas numeradas del archivo en lugar de las entradas</translation>
    </message>
    <message>
        <source>&amp;Side by side</source>
        <translation>En &amp;paralelo</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>En disco</translation>
    </message>
    <message>
        <source>To be saved</source>
        <translation>Por guardar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>No menu file is open.</source>
        <translation>No hay ningún archivo de menú abierto.</translation>
    </message>
    <message>
        <source>Show changes - %1</source>
        <translation>Mostrar cambios - %1</translation>
    </message>
</context>
<context>
    <name>torvex::DirListBox</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The folders of the drive; Enter opens the selected folder, F5 to F7 put the open folder into the selected entry, a drag onto the menu adds folders</source>
        <translation>Las carpetas de la unidad; Enter abre la carpeta seleccionada, F5 a F7 ponen la carpeta abierta en la entrada seleccionada, arrastrar al menú añade carpetas</translation>
    </message>
</context>
<context>
    <name>torvex::DrivePanel</name>
    <message>
        <source>; keys: Space or %1 chooses it, Left and Right go to the other drives </source>
        <translation>; teclas: Space o %1 lo elige, Left y Right llevan a las otras unidades </translation>
    </message>
    <message>
        <source>Drive %1</source>
        <translation>Unidad %1</translation>
    </message>
    <message>
        <source>Chooses drive %1; Left and Right go to the other drives</source>
        <translation>Elige la unidad %1; Left y Right llevan a las otras unidades</translation>
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
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&lt;menu as loaded&gt;</source>
        <translation>&lt;menú tal como se cargó&gt;</translation>
    </message>
</context>
<context>
    <name>torvex::EditorTexts</name>
    <message>
        <source>Total Commander will only show the first 200 items!</source>
        <translation>¡Total Commander solo muestra los primeros 200 elementos!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>OK to make &apos;%1&apos;</source>
        <translation>¿Convertir «%1»</translation>
    </message>
    <message>
        <source>into a menu with submenus but</source>
        <translation>en un menú con submenús, pero</translation>
    </message>
    <message>
        <source>no command/target path?</source>
        <translation>sin comando ni ruta de destino?</translation>
    </message>
    <message>
        <source>You can&apos;t move a menu to one of its own submenus!</source>
        <translation>¡No se puede mover un menú a uno de sus propios submenús!</translation>
    </message>
    <message>
        <source>Illegal drop</source>
        <translation>No se puede soltar aquí</translation>
    </message>
    <message>
        <source>Make sub menu?</source>
        <translation>¿Crear submenú?</translation>
    </message>
    <message>
        <source>The menu could not be moved.</source>
        <translation>No se pudo mover el menú.</translation>
    </message>
    <message>
        <source>A separator cannot hold entries</source>
        <translation>Un separador no puede contener entradas</translation>
    </message>
    <message>
        <source> None found</source>
        <translation>No se encontró nada</translation>
    </message>
    <message>
        <source>No menus with broken paths were found  </source>
        <translation>No se encontraron entradas con rutas no válidas.</translation>
    </message>
    <message>
        <source>No menus with empty command strings were found  </source>
        <translation>No se encontraron entradas con el comando vacío.</translation>
    </message>
    <message>
        <source>(search started from menu number %1).</source>
        <translation>(búsqueda iniciada en la entrada número %1).</translation>
    </message>
    <message>
        <source>Searched from %1 to %2</source>
        <translation>Buscado de %1 a %2</translation>
    </message>
    <message>
        <source> Title = folder name (%1) </source>
        <translation> Título = nombre de carpeta (%1) </translation>
    </message>
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move u&amp;p</source>
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
    <name>torvex::FileCommands</name>
    <message>
        <source>Can&apos;t find this ini file:</source>
        <translation>No se encuentra este archivo ini:</translation>
    </message>
    <message>
        <source>The menu was not saved to %1.</source>
        <translation>El menú no se guardó en %1.</translation>
    </message>
    <message>
        <source>Close anyway?</source>
        <translation>¿Cerrar de todos modos?</translation>
    </message>
    <message>
        <source>Nothing to save...     </source>
        <translation>No hay nada que guardar.</translation>
    </message>
    <message>
        <source> Nothing to save</source>
        <translation>Nada que guardar</translation>
    </message>
    <message>
        <source>No ini file (wincmd.ini) was found!</source>
        <translation>¡No se encontró ningún archivo ini (wincmd.ini)!</translation>
    </message>
    <message>
        <source> No ini file found!</source>
        <translation>¡No se encontró ningún archivo ini!</translation>
    </message>
    <message>
        <source> Selected ini file not found!</source>
        <translation>¡No se encuentra el archivo ini elegido!</translation>
    </message>
    <message>
        <source>Save menus?</source>
        <translation>¿Guardar los menús?</translation>
    </message>
    <message>
        <source> Save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Do you want to exit without saving any changes you might have made?</source>
        <translation>¿Desea salir sin guardar los cambios que haya hecho?</translation>
    </message>
    <message>
        <source> Exit without saving?</source>
        <translation>¿Salir sin guardar?</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>The window settings were not saved.</source>
        <translation>No se guardó la configuración de la ventana.</translation>
    </message>
    <message>
        <source> Choose ini file to get data from</source>
        <translation>Elegir el archivo ini del que leer</translation>
    </message>
    <message>
        <source> Choose ini file to save data in</source>
        <translation>Elegir el archivo ini en el que guardar</translation>
    </message>
</context>
<context>
    <name>torvex::FileController</name>
    <message>
        <source>Save to file...</source>
        <translation>Guardar en archivo...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
</context>
<context>
    <name>torvex::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source> Title, command or target path (Enter, F3: next match) </source>
        <translation> Título, comando o ruta de destino (Enter, F3: siguiente coincidencia) </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Shows the entries whose title, command or target path holds the text; Enter or F3 goes to the next match, Shift+F3 to the previous one, Esc closes the find box</source>
        <translation>Muestra las entradas cuyo título, comando o ruta de destino contiene el texto; Enter o F3 va a la siguiente coincidencia, Shift+F3 a la anterior, Esc cierra el cuadro de búsqueda</translation>
    </message>
    <message>
        <source> Close the find box (Esc) </source>
        <translation> Cerrar el cuadro de búsqueda (Esc) </translation>
    </message>
    <message>
        <source>Close the find box</source>
        <translation>Cerrar el cuadro de búsqueda</translation>
    </message>
    <message>
        <source>Closes the find box (Esc)</source>
        <translation>Cierra el cuadro de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>torvex::HelpViewer</name>
    <message>
        <source>Torvex Help</source>
        <translation>Ayuda de Torvex</translation>
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
    <name>torvex::ItemCount</name>
    <message numerus="yes">
        <source> %n items</source>
        <translation>
            <numerusform> %n elemento</numerusform>
            <numerusform> %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You now have %n items!</source>
        <translation>
            <numerusform>¡Ahora tiene %n elemento!</numerusform>
            <numerusform>¡Ahora tiene %n elementos!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>torvex::ItemEditorPanel</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>Target &amp;path:</source>
        <translation>Ruta de &amp;destino:</translation>
    </message>
    <message>
        <source> Title = folder name </source>
        <translation> Título = nombre de la carpeta </translation>
    </message>
    <message>
        <source> Command (source path) = selected path (see status bar) </source>
        <translation> Comando (ruta de origen) = ruta elegida (ver barra de estado) </translation>
    </message>
    <message>
        <source> Target path = selected path (see status bar) </source>
        <translation> Ruta de destino = ruta elegida (ver barra de estado) </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>The title of the selected entry as the menu shows it</source>
        <translation>El título de la entrada seleccionada tal como lo muestra el menú</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>What the selected entry runs, such as cd and a folder</source>
        <translation>Lo que ejecuta la entrada seleccionada, por ejemplo cd y una carpeta</translation>
    </message>
    <message>
        <source>Target path</source>
        <translation>Ruta de destino</translation>
    </message>
    <message>
        <source>Where the selected entry takes the other panel, such as cd and a folder</source>
        <translation>Adónde lleva la entrada seleccionada el otro panel, por ejemplo cd y una carpeta</translation>
    </message>
    <message>
        <source>Title from folder name</source>
        <translation>Título desde el nombre de la carpeta</translation>
    </message>
    <message>
        <source>Sets the title to the name of the folder open in the folder list (F5)</source>
        <translation>Pone como título el nombre de la carpeta abierta en la lista de carpetas (F5)</translation>
    </message>
    <message>
        <source>Command from folder</source>
        <translation>Comando desde la carpeta</translation>
    </message>
    <message>
        <source>Sets the command to the folder open in the folder list (F6)</source>
        <translation>Pone como comando la carpeta abierta en la lista de carpetas (F6)</translation>
    </message>
    <message>
        <source>Target path from folder</source>
        <translation>Ruta de destino desde la carpeta</translation>
    </message>
    <message>
        <source>Sets the target path to the folder open in the folder list (F7)</source>
        <translation>Pone como ruta de destino la carpeta abierta en la lista de carpetas (F7)</translation>
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
    <message>
        <source> No Wine prefix </source>
        <translation> Sin prefijo de Wine </translation>
    </message>
    <message>
        <source> Drive Z: is the root folder </source>
        <translation> La unidad Z: es la carpeta raíz </translation>
    </message>
</context>
<context>
    <name>torvex::MainWindowPanes</name>
    <message>
        <source> Ini file </source>
        <translation> Archivo ini </translation>
    </message>
    <message>
        <source>Max. number of items allowed: 200</source>
        <translation>Máx. de entradas permitidas: 200</translation>
    </message>
    <message>
        <source> Windows Commander only reads 200 items </source>
        <translation> Windows Commander solo lee 200 entradas </translation>
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
    <name>torvex::MenuTreeView</name>
    <message>
        <source>Menu entries</source>
        <translation>Entradas del menú</translation>
    </message>
    <message>
        <source>The directory menu. Insert, Delete and the plus key add and delete entries, Ctrl and the arrows move the selected entry, the menu key opens the popup menu</source>
        <translation>El menú de directorios. Insert, Delete y la tecla más añaden y eliminan entradas, Ctrl y las flechas mueven la entrada seleccionada, la tecla de menú abre el menú contextual</translation>
    </message>
</context>
<context>
    <name>torvex::NoticeBar</name>
    <message>
        <source>Details...</source>
        <translation>Detalles...</translation>
    </message>
    <message>
        <source> Close this notice </source>
        <translation> Cerrar este aviso </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
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
    <name>torvex::ProblemKind</name>
    <message>
        <source>no command</source>
        <translation>sin comando</translation>
    </message>
    <message>
        <source>broken path</source>
        <translation>ruta rota</translation>
    </message>
    <message>
        <source>broken target path</source>
        <translation>ruta de destino rota</translation>
    </message>
    <message>
        <source>cannot be stored</source>
        <translation>no se puede guardar</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>por encima del límite</translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation>no se puede saber</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemListPanel</name>
    <message>
        <source>No problems found</source>
        <translation>No se encontraron problemas</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>, %1 that cannot be told</source>
        <translation>, %1 que no se pueden determinar</translation>
    </message>
    <message>
        <source>Cannot tell</source>
        <translation>Indeterminado</translation>
    </message>
    <message>
        <source>Also list the entries whose command cannot be checked here, with the reason</source>
        <translation>Listar también las entradas cuyo comando no se puede comprobar aquí, con el motivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the entries of the selected rows</source>
        <translation>Eliminar las entradas de las filas seleccionadas</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The entries with a problem; Enter or a click selects one in the menu, Delete deletes the entries of the selected rows</source>
        <translation>Las entradas con un problema; Enter o un clic selecciona una en el menú, Delete elimina las entradas de las filas seleccionadas</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemRowsModel</name>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Folder or reason</source>
        <translation>Carpeta o motivo</translation>
    </message>
</context>
<context>
    <name>torvex::SortCommands</name>
    <message>
        <source>Sort by &amp;title</source>
        <translation>Ordenar por &amp;título</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Ordena las entradas junto a la seleccionada</translation>
    </message>
    <message>
        <source>Sort all &amp;levels</source>
        <translation>Ordenar todos los &amp;niveles</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Submenús &amp;primero</translation>
    </message>
</context>
<context>
    <name>torvex::StartUpSequence</name>
    <message>
        <source> Load ini file by clicking Open in the File menu...</source>
        <translation> Cargue un archivo ini con Abrir en el menú Archivo...</translation>
    </message>
    <message>
        <source>Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key to drop a folder&apos;s name and path onto an existing menu. Drag and drop single menu items.</source>
        <translation>Arrastre carpetas desde la lista de carpetas (para añadir submenús). Mantenga pulsada la tecla Ctrl para soltar el nombre y la ruta de una carpeta sobre una entrada existente. Las entradas también se mueven arrastrándolas.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>The file given on the command line does not exist:</source>
        <translation>El archivo indicado en la línea de órdenes no existe:</translation>
    </message>
</context>
<context>
    <name>torvex::UndoHistory</name>
    <message numerus="yes">
        <source>Import %n Linux bookmarks</source>
        <translation>
            <numerusform>Importar %n marcador de Linux</numerusform>
            <numerusform>Importar %n marcadores de Linux</numerusform>
        </translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Subir: %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Bajar: %1</translation>
    </message>
    <message>
        <source>Move out of submenu %1</source>
        <translation>Sacar del submenú: %1</translation>
    </message>
    <message>
        <source>Move into submenu above %1</source>
        <translation>Meter en el submenú de arriba: %1</translation>
    </message>
    <message>
        <source>Edit title of %1</source>
        <translation>Editar título: %1</translation>
    </message>
    <message>
        <source>Edit command of %1</source>
        <translation>Editar comando: %1</translation>
    </message>
    <message>
        <source>Edit target path of %1</source>
        <translation>Editar ruta de destino: %1</translation>
    </message>
    <message>
        <source>Title from folder for %1</source>
        <translation>Título desde la carpeta: %1</translation>
    </message>
    <message>
        <source>Command from folder for %1</source>
        <translation>Comando desde la carpeta: %1</translation>
    </message>
    <message>
        <source>Target path from folder for %1</source>
        <translation>Ruta de destino desde la carpeta: %1</translation>
    </message>
    <message>
        <source>Sort &quot;%1&quot;</source>
        <translation>Ordenar «%1»</translation>
    </message>
    <message>
        <source>Sort the top level</source>
        <translation>Ordenar el nivel superior</translation>
    </message>
    <message>
        <source>Sort all levels</source>
        <translation>Ordenar todos los niveles</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries</source>
        <translation>
            <numerusform>Eliminar %n entrada</numerusform>
            <numerusform>Eliminar %n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover: %1</translation>
    </message>
    <message>
        <source>Rename %1 after folder</source>
        <translation>Renombrar según la carpeta: %1</translation>
    </message>
    <message>
        <source>Add folder %1</source>
        <translation>Añadir carpeta: %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n folders</source>
        <translation>
            <numerusform>Añadir %n carpeta</numerusform>
            <numerusform>Añadir %n carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Add submenu to %1</source>
        <translation>Añadir submenú a: %1</translation>
    </message>
    <message>
        <source>Add sister menu of %1</source>
        <translation>Añadir entrada junto a: %1</translation>
    </message>
    <message>
        <source>Add copy of %1</source>
        <translation>Añadir copia de: %1</translation>
    </message>
    <message>
        <source>Add menu</source>
        <translation>Añadir menú</translation>
    </message>
</context>
</TS>
