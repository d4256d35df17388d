<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>Marcadores de &amp;Linux...</translation>
    </message>
    <message>
        <source>The desktop names no folders: no GTK or KDE bookmarks and no XDG user folders were found.</source>
        <translation>El escritorio no indica ninguna carpeta: no se encontraron marcadores de GTK o KDE ni carpetas de usuario XDG.</translation>
    </message>
    <message>
        <source>Check the folders to add to the menu after the selected entry; each becomes an entry that changes to the folder through the Wine prefix&apos;s drives.</source>
        <translation>Marque las carpetas que se añadirán al menú tras la entrada seleccionada; cada una será una entrada que cambia a la carpeta a través de las unidades del prefijo de Wine.</translation>
    </message>
    <message>
        <source>GTK&apos;s bookmarks file cannot be found: neither HOME nor XDG_CONFIG_HOME is set.</source>
        <translation>No se encuentra el archivo de marcadores de GTK: no están definidas ni HOME ni XDG_CONFIG_HOME.</translation>
    </message>
    <message>
        <source>The menu has no entries with a command.</source>
        <translation>El menú no tiene entradas con un comando.</translation>
    </message>
    <message>
        <source>Check the entries whose folders to add to GTK&apos;s bookmarks (%1). The bookmarks there stay as they are; a folder already there is not added again. Entries that lead to no folder are skipped.</source>
        <translation>Marque las entradas cuyas carpetas se añadirán a los marcadores de GTK (%1). Los marcadores existentes se quedan como están; una carpeta que ya figura no se añade de nuevo. Las entradas que no llevan a ninguna carpeta se omiten.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders added to %1.</source>
        <translation>
            <numerusform>%n carpeta añadida a %1.</numerusform>
            <numerusform>%n carpetas añadidas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders were there already.</source>
        <translation>
            <numerusform>%n carpeta ya estaba.</numerusform>
            <numerusform>%n carpetas ya estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries skipped: no command, or no folder where the command leads.</source>
        <translation>
            <numerusform>%n entrada omitida: sin comando, o sin carpeta adonde lleva el comando.</numerusform>
            <numerusform>%n entradas omitidas: sin comando, o sin carpeta adonde lleva el comando.</numerusform>
        </translation>
    </message>
    <message>
        <source>Linux bookmarks</source>
        <translation>Marcadores de Linux</translation>
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
    <name>torvex::DestinationReason</name>
    <message>
        <source>no folder is given</source>
        <translation>no se indica ninguna carpeta</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>not a folder change</source>
        <translation>no es un cambio de carpeta</translation>
    </message>
    <message>
        <source>the variable %1 is not defined</source>
        <translation>la variable %1 no está definida</translation>
    </message>
    <message>
        <source>a network path</source>
        <translation>una ruta de red</translation>
    </message>
    <message>
        <source>a path without a drive, relative to the current folder</source>
        <translation>una ruta sin unidad, relativa a la carpeta actual</translation>
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
    <name>torvex::DirMenuFindings</name>
    <message>
        <source>Lines of the file that the menu does not show (saving removes them):</source>
        <translation>Líneas del archivo que el menú no muestra (al guardar se eliminan):</translation>
    </message>
    <message>
        <source>past a gap in the numbering, where the file manager stops reading</source>
        <translation>tras un hueco en la numeración, donde el gestor de archivos deja de leer</translation>
    </message>
    <message>
        <source>a second DirMenu section; only the first is read</source>
        <translation>una segunda sección DirMenu; solo se lee la primera</translation>
    </message>
    <message>
        <source>in a second DirMenu section</source>
        <translation>en una segunda sección DirMenu</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>un comentario</translation>
    </message>
    <message>
        <source>a blank line between entries</source>
        <translation>una línea en blanco entre entradas</translation>
    </message>
    <message>
        <source>a line without a key</source>
        <translation>una línea sin clave</translation>
    </message>
    <message>
        <source>a key the menu does not use</source>
        <translation>una clave que el menú no usa</translation>
    </message>
    <message>
        <source>the key stands twice; only its first value is read</source>
        <translation>la clave aparece dos veces; solo se lee su primer valor</translation>
    </message>
    <message>
        <source>an entry without a title</source>
        <translation>una entrada sin título</translation>
    </message>
    <message>
        <source>belongs to an entry without a title</source>
        <translation>pertenece a una entrada sin título</translation>
    </message>
    <message>
        <source>a separator has no command or target path</source>
        <translation>un separador no tiene comando ni ruta de destino</translation>
    </message>
    <message>
        <source>an end line has no command or target path</source>
        <translation>una línea de fin no tiene comando ni ruta de destino</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters is cut</source>
        <translation>un título de submenú de más de 99 caracteres se recorta</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuStorability</name>
    <message>
        <source>a separator cannot hold entries</source>
        <translation>un separador no puede contener entradas</translation>
    </message>
    <message>
        <source>a separator cannot hold a command or target path</source>
        <translation>un separador no puede tener comando ni ruta de destino</translation>
    </message>
    <message>
        <source>a submenu without a title reads back as a separator</source>
        <translation>un submenú sin título se vuelve a leer como separador</translation>
    </message>
    <message>
        <source>a submenu title beginning with &quot;-&quot; reads back as the end of a submenu</source>
        <translation>un título de submenú que empieza por «-» se vuelve a leer como fin de un submenú</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters reads back cut</source>
        <translation>un título de submenú de más de 99 caracteres se vuelve a leer recortado</translation>
    </message>
    <message>
        <source>an entry without a title is not read back</source>
        <translation>una entrada sin título no se vuelve a leer</translation>
    </message>
    <message>
        <source>a title beginning with &quot;-&quot; reads back as a submenu</source>
        <translation>un título que empieza por «-» se vuelve a leer como submenú</translation>
    </message>
    <message>
        <source>a title beginning with &quot;--&quot; reads back as the end of a submenu</source>
        <translation>un título que empieza por «--» se vuelve a leer como fin de un submenú</translation>
    </message>
    <message>
        <source>the title holds a line break</source>
        <translation>el título contiene un salto de línea</translation>
    </message>
    <message>
        <source>the command holds a line break</source>
        <translation>el comando contiene un salto de línea</translation>
    </message>
    <message>
        <source>the target path holds a line break</source>
        <translation>la ruta de destino contiene un salto de línea</translation>
    </message>
    <message>
        <source>the title holds a NUL character</source>
        <translation>el título contiene un carácter NUL</translation>
    </message>
    <message>
        <source>the command holds a NUL character</source>
        <translation>el comando contiene un carácter NUL</translation>
    </message>
    <message>
        <source>the target path holds a NUL character</source>
        <translation>la ruta de destino contiene un carácter NUL</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuWriter</name>
    <message>
        <source>Entry %1 &quot;%2&quot;: %3</source>
        <translation>Entrada %1 «%2»: %3</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrada %1: %2</translation>
    </message>
    <message>
        <source>The value of %1 holds a line break</source>
        <translation>El valor de %1 contiene un salto de línea</translation>
    </message>
    <message>
        <source>The value of %1 holds a NUL character</source>
        <translation>El valor de %1 contiene un carácter NUL</translation>
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
    <name>torvex::ErrorReporter</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
    <message>
        <source>Close the find box (Esc) to drop or move entries</source>
        <translation>Cierre el cuadro de búsqueda (Esc) para soltar o mover entradas</translation>
    </message>
</context>
<context>
    <name>torvex::FolderList</name>
    <message>
        <source>%1, drive, open</source>
        <translation>%1, unidad, abierta</translation>
    </message>
    <message>
        <source>%1, drive</source>
        <translation>%1, unidad</translation>
    </message>
    <message>
        <source>%1, open folder</source>
        <translation>%1, carpeta abierta</translation>
    </message>
    <message>
        <source>%1, folder above the open one</source>
        <translation>%1, carpeta por encima de la abierta</translation>
    </message>
    <message>
        <source>%1, subfolder</source>
        <translation>%1, subcarpeta</translation>
    </message>
</context>
<context>
    <name>torvex::FolderPane</name>
    <message>
        <source>Drive %1: is not available</source>
        <translation>La unidad %1: no está disponible</translation>
    </message>
</context>
<context>
    <name>torvex::HelpCommands</name>
    <message>
        <source>The help file (%1) should be in this folder:  </source>
        <translation>El archivo de ayuda (%1) debería estar en esta carpeta:  </translation>
    </message>
    <message>
        <source> Can&apos;t find help file</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>An editor for the directory menu of the file manager: load the menu, arrange it by drag and drop, edit each entry and save it back.</source>
        <translation>Un editor del menú de directorios del gestor de archivos: cargue el menú, ordénelo arrastrando y soltando, edite cada entrada y vuelva a guardarlo.</translation>
    </message>
    <message>
        <source>Written in C++ with Qt. Pictures drawn for Torvex.</source>
        <translation>Escrito en C++ con Qt. Imágenes dibujadas para Torvex.</translation>
    </message>
    <message>
        <source>Thanks to everyone who tried the early versions and reported what broke.</source>
        <translation>Gracias a todos los que probaron las primeras versiones e informaron de lo que fallaba.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
    <message>
        <source> About</source>
        <translation>Acerca de</translation>
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
    <name>torvex::MenuComparison</name>
    <message>
        <source>The entries are the same; only the lines that hold them differ.</source>
        <translation>Las entradas son las mismas; solo difieren las líneas que las contienen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries added</source>
        <translation>
            <numerusform>%n entrada añadida</numerusform>
            <numerusform>%n entradas añadidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n añadida</numerusform>
            <numerusform>%n añadidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries removed</source>
        <translation>
            <numerusform>%n entrada eliminada</numerusform>
            <numerusform>%n entradas eliminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n eliminada</numerusform>
            <numerusform>%n eliminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries changed</source>
        <translation>
            <numerusform>%n entrada modificada</numerusform>
            <numerusform>%n entradas modificadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificada</numerusform>
            <numerusform>%n modificadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved</source>
        <translation>
            <numerusform>%n entrada movida</numerusform>
            <numerusform>%n entradas movidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n movida</numerusform>
            <numerusform>%n movidas</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu on disk is the same as in the editor.</source>
        <translation>El menú en disco es el mismo que en el editor.</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>nivel superior</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>submenú</translation>
    </message>
    <message>
        <source>item</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>kind %1 -&gt; %2</source>
        <translation>tipo %1 -&gt; %2</translation>
    </message>
    <message>
        <source>place %1 -&gt; %2</source>
        <translation>ubicación %1 -&gt; %2</translation>
    </message>
    <message>
        <source>title &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>título «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>command &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>comando «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>target path &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>ruta de destino «%1» -&gt; «%2»</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadida: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Eliminada: %1</translation>
    </message>
    <message>
        <source>Changed: %1: %2</source>
        <translation>Modificada: %1: %2</translation>
    </message>
    <message>
        <source>from the top level (position %1)</source>
        <translation>del nivel superior (posición %1)</translation>
    </message>
    <message>
        <source>from %1 (position %2)</source>
        <translation>de %1 (posición %2)</translation>
    </message>
    <message>
        <source>to the top level (position %1)</source>
        <translation>al nivel superior (posición %1)</translation>
    </message>
    <message>
        <source>to %1 (position %2)</source>
        <translation>a %1 (posición %2)</translation>
    </message>
    <message>
        <source>Moved: %1, %2 %3</source>
        <translation>Movida: %1, %2 %3</translation>
    </message>
</context>
<context>
    <name>torvex::MenuFileSteps</name>
    <message>
        <source>Can&apos;t find Windows Commander&apos;s ini file:   </source>
        <translation>No se encuentra el archivo ini de Windows Commander:   </translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Cancelando.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n lines that the menu does not show; saving will remove them.</source>
        <translation>
            <numerusform>El archivo contiene %n línea que el menú no muestra; al guardar se eliminará.</numerusform>
            <numerusform>El archivo contiene %n líneas que el menú no muestra; al guardar se eliminarán.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (%3)</source>
        <translation>línea %1: %2 (%3)</translation>
    </message>
    <message>
        <source>entry %1, at the top level (saved as number %2)</source>
        <translation>entrada %1, en el nivel superior (guardada con el número %2)</translation>
    </message>
    <message>
        <source>entry %1, under %2 (saved as number %3)</source>
        <translation>entrada %1, dentro de %2 (guardada con el número %3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file cannot store these entries as they are:</source>
        <translation>El archivo no puede guardar estas entradas tal como están:</translation>
    </message>
    <message>
        <source>Saved anyway, they read back changed or not at all.</source>
        <translation>Si se guardan de todos modos, se vuelven a leer cambiadas o no se leen.</translation>
    </message>
    <message>
        <source>The menu in %1 was changed by another program after Torvex loaded it.</source>
        <translation>Otro programa cambió el menú de %1 después de que Torvex lo cargara.</translation>
    </message>
    <message>
        <source>Overwrite it with the menu shown here? The other program&apos;s change to the menu is then lost.</source>
        <translation>¿Sobrescribirlo con el menú que se muestra aquí? El cambio del otro programa en el menú se perderá.</translation>
    </message>
    <message>
        <source>Reload shows the menu of the file instead, losing the changes made here.</source>
        <translation>Recargar muestra en cambio el menú del archivo y se pierden los cambios hechos aquí.</translation>
    </message>
    <message>
        <source>%1 was moved or deleted after Torvex loaded it. Save to file... keeps the menu shown here in a file of your choice.</source>
        <translation>%1 se movió o eliminó después de que Torvex lo cargara. Guardar en archivo... conserva el menú que se muestra aquí en un archivo de su elección.</translation>
    </message>
    <message>
        <source>Load the menu of %1 again?</source>
        <translation>¿Volver a cargar el menú de %1?</translation>
    </message>
    <message>
        <source>The changes made to the menu in Torvex are lost.</source>
        <translation>Se perderán los cambios hechos al menú en Torvex.</translation>
    </message>
    <message>
        <source>No backup of %1 could be kept:</source>
        <translation>No se pudo conservar una copia de seguridad de %1:</translation>
    </message>
    <message>
        <source>Save without a backup?</source>
        <translation>¿Guardar sin copia de seguridad?</translation>
    </message>
    <message>
        <source> Data saved; the file as it was is kept in %1</source>
        <translation> Guardado; el archivo anterior se conserva en %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n entries from the file?</source>
        <translation>
            <numerusform>¿Eliminar %n entrada del archivo?</numerusform>
            <numerusform>¿Eliminar las %n entradas del archivo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Saving data...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source> Data saved</source>
        <translation> Guardado</translation>
    </message>
    <message>
        <source> Nothing was saved: Torvex could not show the menu of this file</source>
        <translation> No se guardó nada: Torvex no pudo mostrar el menú de este archivo</translation>
    </message>
    <message>
        <source>Lines not shown</source>
        <translation>Líneas no mostradas</translation>
    </message>
    <message>
        <source>Save and remove them</source>
        <translation>Guardar y eliminarlas</translation>
    </message>
    <message>
        <source>Cannot be stored</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove all entries?</source>
        <translation>¿Eliminar todas las entradas?</translation>
    </message>
    <message>
        <source>Menu changed on disk</source>
        <translation>Menú cambiado en disco</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Mostrar cambios...</translation>
    </message>
    <message>
        <source>Reload?</source>
        <translation>¿Recargar?</translation>
    </message>
    <message>
        <source>No backup</source>
        <translation>Sin copia de seguridad</translation>
    </message>
    <message>
        <source>Save without backup</source>
        <translation>Guardar sin copia</translation>
    </message>
    <message>
        <source>Can&apos;t find ini file</source>
        <translation>No se encuentra el archivo ini</translation>
    </message>
    <message>
        <source>Save failed: nothing was saved</source>
        <translation>Error al guardar: no se guardó nada</translation>
    </message>
    <message>
        <source> No changes to save: the file was left as it is</source>
        <translation> No hay cambios que guardar: el archivo se quedó como estaba</translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreview</name>
    <message numerus="yes">
        <source>%n entries not shown (the file manager reads %1)</source>
        <translation>
            <numerusform>%n entrada no mostrada (el gestor de archivos lee %1)</numerusform>
            <numerusform>%n entradas no mostradas (el gestor de archivos lee %1)</numerusform>
        </translation>
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
    <name>torvex::MenuProblems</name>
    <message>
        <source>entry %1 of the file; the file manager reads %2</source>
        <translation>entrada %1 del archivo; el gestor de archivos lee %2</translation>
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
    <message>
        <source>Showing selected drives...</source>
        <translation>Mostrando las unidades seleccionadas...</translation>
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
    <name>torvex::RecoveryCopy</name>
    <message>
        <source>A save did not finish; the earlier content of the file is kept in %1</source>
        <translation>Un guardado no terminó; el contenido anterior del archivo se conserva en %1</translation>
    </message>
    <message>
        <source>A save of %1 did not finish; its earlier content is kept in %2</source>
        <translation>El guardado de %1 no terminó; su contenido anterior se conserva en %2</translation>
    </message>
    <message>
        <source>Unfinished save</source>
        <translation>Guardado sin terminar</translation>
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
    <name>torvex::SpokenEntry</name>
    <message>
        <source>separator</source>
        <translation>separador</translation>
    </message>
    <message>
        <source>%1, submenu</source>
        <translation>%1, submenú</translation>
    </message>
    <message>
        <source>%1, item</source>
        <translation>%1, entrada</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>no command</source>
        <translation>sin comando</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>comando %1</translation>
    </message>
    <message>
        <source>%1, target path %2</source>
        <translation>%1, ruta de destino %2</translation>
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
<context>
    <name>torvex::WindowsView</name>
    <message>
        <source>Local Disk (%1:)</source>
        <translation>Disco local (%1:)</translation>
    </message>
</context>
<context>
    <name>torvex::main</name>
    <message>
        <source>Edits the directory menu (section DirMenu) of a wincmd.ini.</source>
        <translation>Edita el menú de directorios (sección DirMenu) de un wincmd.ini.</translation>
    </message>
    <message>
        <source>Starts in the Wine prefix &lt;folder&gt; and keeps to it.</source>
        <translation>Empieza en el prefijo de Wine &lt;carpeta&gt; y se queda en él.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>The wincmd.ini to edit.</source>
        <translation>El wincmd.ini que se editará.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
</TS>
