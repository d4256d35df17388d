<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>torvex::IniChooserDialog</name>
    <message>
        <source> Open ini file</source>
        <translation> INI-Datei öffnen</translation>
    </message>
    <message>
        <source>Select the ini file you want to use:</source>
        <translation>Wählen Sie die INI-Datei, die Sie verwenden möchten:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source> Don&apos;t open anything </source>
        <translation> Nichts öffnen </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source> Open the selected ini file </source>
        <translation> Die gewählte INI-Datei öffnen </translation>
    </message>
</context>
<context>
    <name>torvex::OptionsDialog</name>
    <message>
        <source>Fixed</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Netzlaufwerk</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Wechselmedium</translation>
    </message>
    <message>
        <source>CDRom</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>Ram disk</source>
        <translation>RAM-Disk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source> &amp;Background color: </source>
        <translation> &amp;Hintergrundfarbe: </translation>
    </message>
    <message>
        <source> Select background color... </source>
        <translation> Hintergrundfarbe wählen... </translation>
    </message>
    <message>
        <source> &amp;Font color: </source>
        <translation> &amp;Schriftfarbe: </translation>
    </message>
    <message>
        <source> Select font color </source>
        <translation> Schriftfarbe wählen </translation>
    </message>
    <message>
        <source>&amp;Use Windows colors</source>
        <translation>Windows-&amp;Farben</translation>
    </message>
    <message>
        <source> Use standard background and font colors  </source>
        <translation> Standardfarben für Hintergrund und Schrift verwenden  </translation>
    </message>
    <message>
        <source> Show these &amp;disk types: </source>
        <translation> &amp;Laufwerke zeigen: </translation>
    </message>
    <message>
        <source> Confirmation &amp;when: </source>
        <translation> Nachfragen, &amp;wenn: </translation>
    </message>
    <message>
        <source>Closing without saving</source>
        <translation>ohne Speichern beendet wird</translation>
    </message>
    <message>
        <source> Check this if you want to be asked </source>
        <translation> Ankreuzen, um gefragt zu werden </translation>
    </message>
    <message>
        <source>Drop target has command</source>
        <translation>Ablageziel einen Befehl hat</translation>
    </message>
    <message>
        <source> Check this to be asked when adding submenus (and thus remove the parent menu&apos;s command) </source>
        <translation> Ankreuzen, um beim Anlegen von Untermenüs gefragt zu werden (dabei entfällt der Befehl des übergeordneten Eintrags) </translation>
    </message>
    <message>
        <source>Keep a backup before the first save</source>
        <translation>Vor dem ersten Speichern sichern</translation>
    </message>
    <message>
        <source> The first save of a run keeps the file as it was, as wincmd.ini.bak beside it </source>
        <translation> Das erste Speichern eines Laufs bewahrt die Datei, wie sie war, als wincmd.ini.bak daneben auf </translation>
    </message>
</context>
</TS>
