<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>&amp;Linux-Lesezeichen...</translation>
    </message>
</context>
<context>
    <name>torvex::EditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Move &amp;out of submenu</source>
        <translation>Aus dem Untermenü &amp;heraus verschieben</translation>
    </message>
    <message>
        <source>Move &amp;into submenu above</source>
        <translation>In das Untermenü &amp;darüber verschieben</translation>
    </message>
</context>
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
    <name>torvex::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;file...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save &amp;to file...</source>
        <translation>In &amp;Datei speichern...</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Änderungen anzeigen...</translation>
    </message>
    <message>
        <source>Exit &amp;without saving</source>
        <translation>Beenden &amp;ohne Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit and save</source>
        <translation>Speichern und &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Add &amp;submemu</source>
        <translation>&amp;Untermenü hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add sister menu</source>
        <translation>Menü &amp;daneben hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;copy</source>
        <translation>&amp;Kopie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete selected menu</source>
        <translation>Gewähltes Menü &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Add menu</source>
        <translation>Menü hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Show Command &amp;folder</source>
        <translation>Befehls&amp;ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>torvex::MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreviewPopup</name>
    <message>
        <source>Pre&amp;view menu</source>
        <translation>Menü&amp;vorschau</translation>
    </message>
    <message>
        <source>Shows the menu as the file manager will pop it up</source>
        <translation>Zeigt das Menü so, wie der Dateimanager es aufklappen wird</translation>
    </message>
    <message>
        <source>The menu is empty</source>
        <translation>Das Menü ist leer</translation>
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
<context>
    <name>torvex::ProblemDock</name>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
</context>
<context>
    <name>torvex::SortCommands</name>
    <message>
        <source>&amp;Sort by title</source>
        <translation>Nach &amp;Titel sortieren</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Sortiert die Einträge neben dem gewählten</translation>
    </message>
    <message>
        <source>Sort &amp;all levels</source>
        <translation>&amp;Alle Ebenen sortieren</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Unter&amp;menüs zuerst</translation>
    </message>
</context>
</TS>
