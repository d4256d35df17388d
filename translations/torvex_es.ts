<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</TS>
