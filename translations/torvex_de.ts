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
    <name>torvex::ButtonColumn</name>
    <message>
        <source> Save (F2) </source>
        <translation> Speichern (F2) </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saves the menu into the ini file</source>
        <translation>Speichert das Menü in die INI-Datei</translation>
    </message>
    <message>
        <source> Show Command folder (F8) </source>
        <translation> Befehlsordner anzeigen (F8) </translation>
    </message>
    <message>
        <source>Show Command folder</source>
        <translation>Befehlsordner anzeigen</translation>
    </message>
    <message>
        <source>Opens the folder list at the folder of the selected entry&apos;s command</source>
        <translation>Öffnet die Ordnerliste beim Ordner des Befehls des gewählten Eintrags</translation>
    </message>
    <message>
        <source> Add dropped menu at the end of the list (Ctrl+1) </source>
        <translation> Abgelegtes Menü am Ende der Liste anfügen (Ctrl+1) </translation>
    </message>
    <message>
        <source>Drop at the end of the list</source>
        <translation>Am Ende der Liste ablegen</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the end of the destination&apos;s level</source>
        <translation>Ablagemodus: ein abgelegter Eintrag wird am Ende der Ebene des Ziels angefügt</translation>
    </message>
    <message>
        <source> Add dropped menu at the beginning of the list (Ctrl+2) </source>
        <translation> Abgelegtes Menü am Anfang der Liste einfügen (Ctrl+2) </translation>
    </message>
    <message>
        <source>Drop at the beginning of the list</source>
        <translation>Am Anfang der Liste ablegen</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the beginning of the destination&apos;s level</source>
        <translation>Ablagemodus: ein abgelegter Eintrag wird am Anfang der Ebene des Ziels eingefügt</translation>
    </message>
    <message>
        <source> Add dropped menu as the last submenu of the destination (Ctrl+3) </source>
        <translation> Abgelegtes Menü als letztes Untermenü des Ziels anfügen (Ctrl+3) </translation>
    </message>
    <message>
        <source>Drop as the last entry of the destination</source>
        <translation>Als letzten Eintrag des Ziels ablegen</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the last entry in the destination&apos;s submenu</source>
        <translation>Ablagemodus: ein abgelegter Eintrag wird der letzte Eintrag im Untermenü des Ziels</translation>
    </message>
    <message>
        <source> Add dropped menu as the first submenu of the destination (Ctrl+4) </source>
        <translation> Abgelegtes Menü als erstes Untermenü des Ziels einfügen (Ctrl+4) </translation>
    </message>
    <message>
        <source>Drop as the first entry of the destination</source>
        <translation>Als ersten Eintrag des Ziels ablegen</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the first entry in the destination&apos;s submenu</source>
        <translation>Ablagemodus: ein abgelegter Eintrag wird der erste Eintrag im Untermenü des Ziels</translation>
    </message>
    <message>
        <source> Insert dropped menu before the destination menu (Ctrl+5) </source>
        <translation> Abgelegtes Menü vor dem Zielmenü einfügen (Ctrl+5) </translation>
    </message>
    <message>
        <source>Drop before the destination</source>
        <translation>Vor dem Ziel ablegen</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is inserted directly before the destination</source>
        <translation>Ablagemodus: ein abgelegter Eintrag wird direkt vor dem Ziel eingefügt</translation>
    </message>
    <message>
        <source> Find menus with broken (nonexistent) paths (F11) </source>
        <translation> Menüs mit ungültigen (nicht vorhandenen) Pfaden suchen (F11) </translation>
    </message>
    <message>
        <source>Find broken paths</source>
        <translation>Ungültige Pfade suchen</translation>
    </message>
    <message>
        <source>Selects the next entry whose command leads to a folder that does not exist</source>
        <translation>Wählt den nächsten Eintrag, dessen Befehl zu einem nicht vorhandenen Ordner führt</translation>
    </message>
    <message>
        <source> Find menus with no Command strings (F12) </source>
        <translation> Menüs ohne Befehl suchen (F12) </translation>
    </message>
    <message>
        <source>Find empty commands</source>
        <translation>Leere Befehle suchen</translation>
    </message>
    <message>
        <source>Selects the next entry that has no command</source>
        <translation>Wählt den nächsten Eintrag ohne Befehl</translation>
    </message>
</context>
<context>
    <name>torvex::ChangesWindow</name>
    <message>
        <source>Show changes</source>
        <translation>Änderungen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Key lines</source>
        <translation>&amp;Schlüsselzeilen</translation>
    </message>
    <message>
        <source>Show the numbered lines of the file instead of the entries</source>
        <translation>Die nummerierten Zeilen der Datei statt der Einträge zeigen</translation>
    </message>
    <message>
        <source>&amp;Side by side</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Auf der Platte</translation>
    </message>
    <message>
        <source>To be saved</source>
        <translation>Zu speichern</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>No menu file is open.</source>
        <translation>Keine Menüdatei geöffnet.</translation>
    </message>
    <message>
        <source>Show changes - %1</source>
        <translation>Änderungen anzeigen - %1</translation>
    </message>
</context>
<context>
    <name>torvex::DirListBox</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folders of the drive; Enter opens the selected folder, F5 to F7 put the open folder into the selected entry, a drag onto the menu adds folders</source>
        <translation>Die Ordner des Laufwerks; Enter öffnet den gewählten Ordner, F5 bis F7 übernehmen den geöffneten Ordner in den gewählten Eintrag, Ziehen auf das Menü fügt Ordner hinzu</translation>
    </message>
</context>
<context>
    <name>torvex::DrivePanel</name>
    <message>
        <source>; keys: Space or %1 chooses it, Left and Right go to the other drives </source>
        <translation>; Tasten: Space oder %1 wählt es, Left und Right führen zu den anderen Laufwerken </translation>
    </message>
    <message>
        <source>Drive %1</source>
        <translation>Laufwerk %1</translation>
    </message>
    <message>
        <source>Chooses drive %1; Left and Right go to the other drives</source>
        <translation>Wählt Laufwerk %1; Left und Right führen zu den anderen Laufwerken</translation>
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
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;menu as loaded&gt;</source>
        <translation>&lt;Menü wie geladen&gt;</translation>
    </message>
</context>
<context>
    <name>torvex::EditorTexts</name>
    <message>
        <source>Total Commander will only show the first 200 items!</source>
        <translation>Total Commander zeigt nur die ersten 200 Einträge an!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK to make &apos;%1&apos;</source>
        <translation>Soll „%1“</translation>
    </message>
    <message>
        <source>into a menu with submenus but</source>
        <translation>zu einem Menü mit Untermenüs werden,</translation>
    </message>
    <message>
        <source>no command/target path?</source>
        <translation>ohne Befehl und Zielpfad?</translation>
    </message>
    <message>
        <source>You can&apos;t move a menu to one of its own submenus!</source>
        <translation>Ein Menü kann nicht in eines seiner eigenen Untermenüs verschoben werden!</translation>
    </message>
    <message>
        <source>Illegal drop</source>
        <translation>Ablegen nicht möglich</translation>
    </message>
    <message>
        <source>Make sub menu?</source>
        <translation>Untermenü anlegen?</translation>
    </message>
    <message>
        <source>The menu could not be moved.</source>
        <translation>Das Menü konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>A separator cannot hold entries</source>
        <translation>Ein Trenner kann keine Einträge enthalten</translation>
    </message>
    <message>
        <source> None found</source>
        <translation>Nichts gefunden</translation>
    </message>
    <message>
        <source>No menus with broken paths were found  </source>
        <translation>Es wurden keine Einträge mit ungültigen Pfaden gefunden.</translation>
    </message>
    <message>
        <source>No menus with empty command strings were found  </source>
        <translation>Es wurden keine Einträge mit leerem Befehl gefunden.</translation>
    </message>
    <message>
        <source>(search started from menu number %1).</source>
        <translation>(Suche ab Eintrag Nummer %1.)</translation>
    </message>
    <message>
        <source>Searched from %1 to %2</source>
        <translation>Durchsucht von %1 bis %2</translation>
    </message>
    <message>
        <source> Title = folder name (%1) </source>
        <translation> Titel = Ordnername (%1) </translation>
    </message>
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move u&amp;p</source>
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
    <name>torvex::FileCommands</name>
    <message>
        <source>Can&apos;t find this ini file:</source>
        <translation>Diese INI-Datei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>The menu was not saved to %1.</source>
        <translation>Das Menü wurde nicht in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Close anyway?</source>
        <translation>Trotzdem schließen?</translation>
    </message>
    <message>
        <source>Nothing to save...     </source>
        <translation>Nichts zu speichern.</translation>
    </message>
    <message>
        <source> Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>No ini file (wincmd.ini) was found!</source>
        <translation>Es wurde keine INI-Datei (wincmd.ini) gefunden!</translation>
    </message>
    <message>
        <source> No ini file found!</source>
        <translation>Keine INI-Datei gefunden!</translation>
    </message>
    <message>
        <source> Selected ini file not found!</source>
        <translation>Gewählte INI-Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Save menus?</source>
        <translation>Menüs speichern?</translation>
    </message>
    <message>
        <source> Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Do you want to exit without saving any changes you might have made?</source>
        <translation>Möchten Sie das Programm beenden, ohne Ihre Änderungen zu speichern?</translation>
    </message>
    <message>
        <source> Exit without saving?</source>
        <translation>Ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The window settings were not saved.</source>
        <translation>Die Fenstereinstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source> Choose ini file to get data from</source>
        <translation>INI-Datei zum Laden wählen</translation>
    </message>
    <message>
        <source> Choose ini file to save data in</source>
        <translation>INI-Datei zum Speichern wählen</translation>
    </message>
</context>
<context>
    <name>torvex::FileController</name>
    <message>
        <source>Save to file...</source>
        <translation>In Datei speichern...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>torvex::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source> Title, command or target path (Enter, F3: next match) </source>
        <translation> Titel, Befehl oder Zielpfad (Enter, F3: nächster Treffer) </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Shows the entries whose title, command or target path holds the text; Enter or F3 goes to the next match, Shift+F3 to the previous one, Esc closes the find box</source>
        <translation>Zeigt die Einträge, deren Titel, Befehl oder Zielpfad den Text enthält; Enter oder F3 geht zum nächsten Treffer, Shift+F3 zum vorigen, Esc schließt das Suchfeld</translation>
    </message>
    <message>
        <source> Close the find box (Esc) </source>
        <translation> Suchfeld schließen (Esc) </translation>
    </message>
    <message>
        <source>Close the find box</source>
        <translation>Suchfeld schließen</translation>
    </message>
    <message>
        <source>Closes the find box (Esc)</source>
        <translation>Schließt das Suchfeld (Esc)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>torvex::HelpViewer</name>
    <message>
        <source>Torvex Help</source>
        <translation>Torvex-Hilfe</translation>
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
    <name>torvex::ItemCount</name>
    <message numerus="yes">
        <source> %n items</source>
        <translation>
            <numerusform> %n Eintrag</numerusform>
            <numerusform> %n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You now have %n items!</source>
        <translation>
            <numerusform>Sie haben jetzt %n Eintrag!</numerusform>
            <numerusform>Sie haben jetzt %n Einträge!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>torvex::ItemEditorPanel</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>Be&amp;fehl:</translation>
    </message>
    <message>
        <source>Target &amp;path:</source>
        <translation>&amp;Zielpfad:</translation>
    </message>
    <message>
        <source> Title = folder name </source>
        <translation> Titel = Ordnername </translation>
    </message>
    <message>
        <source> Command (source path) = selected path (see status bar) </source>
        <translation> Befehl (Quellpfad) = gewählter Pfad (siehe Statusleiste) </translation>
    </message>
    <message>
        <source> Target path = selected path (see status bar) </source>
        <translation> Zielpfad = gewählter Pfad (siehe Statusleiste) </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The title of the selected entry as the menu shows it</source>
        <translation>Der Titel des gewählten Eintrags, wie das Menü ihn zeigt</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>What the selected entry runs, such as cd and a folder</source>
        <translation>Was der gewählte Eintrag ausführt, etwa cd und ein Ordner</translation>
    </message>
    <message>
        <source>Target path</source>
        <translation>Zielpfad</translation>
    </message>
    <message>
        <source>Where the selected entry takes the other panel, such as cd and a folder</source>
        <translation>Wohin der gewählte Eintrag das andere Fenster führt, etwa cd und ein Ordner</translation>
    </message>
    <message>
        <source>Title from folder name</source>
        <translation>Titel aus Ordnername</translation>
    </message>
    <message>
        <source>Sets the title to the name of the folder open in the folder list (F5)</source>
        <translation>Setzt den Titel auf den Namen des in der Ordnerliste geöffneten Ordners (F5)</translation>
    </message>
    <message>
        <source>Command from folder</source>
        <translation>Befehl aus Ordner</translation>
    </message>
    <message>
        <source>Sets the command to the folder open in the folder list (F6)</source>
        <translation>Setzt den Befehl auf den in der Ordnerliste geöffneten Ordner (F6)</translation>
    </message>
    <message>
        <source>Target path from folder</source>
        <translation>Zielpfad aus Ordner</translation>
    </message>
    <message>
        <source>Sets the target path to the folder open in the folder list (F7)</source>
        <translation>Setzt den Zielpfad auf den in der Ordnerliste geöffneten Ordner (F7)</translation>
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
    <message>
        <source> No Wine prefix </source>
        <translation> Kein Wine-Präfix </translation>
    </message>
    <message>
        <source> Drive Z: is the root folder </source>
        <translation> Laufwerk Z: ist der Stammordner </translation>
    </message>
</context>
<context>
    <name>torvex::MainWindowPanes</name>
    <message>
        <source> Ini file </source>
        <translation> INI-Datei </translation>
    </message>
    <message>
        <source>Max. number of items allowed: 200</source>
        <translation>Max. erlaubte Einträge: 200</translation>
    </message>
    <message>
        <source> Windows Commander only reads 200 items </source>
        <translation> Windows Commander liest nur 200 Einträge </translation>
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
    <name>torvex::MenuTreeView</name>
    <message>
        <source>Menu entries</source>
        <translation>Menüeinträge</translation>
    </message>
    <message>
        <source>The directory menu. Insert, Delete and the plus key add and delete entries, Ctrl and the arrows move the selected entry, the menu key opens the popup menu</source>
        <translation>Das Verzeichnismenü. Insert, Delete und die Plustaste fügen Einträge hinzu und löschen sie, Ctrl und die Pfeiltasten verschieben den gewählten Eintrag, die Menütaste öffnet das Kontextmenü</translation>
    </message>
</context>
<context>
    <name>torvex::NoticeBar</name>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source> Close this notice </source>
        <translation> Diesen Hinweis schließen </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
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
    <name>torvex::ProblemKind</name>
    <message>
        <source>no command</source>
        <translation>kein Befehl</translation>
    </message>
    <message>
        <source>broken path</source>
        <translation>ungültiger Pfad</translation>
    </message>
    <message>
        <source>broken target path</source>
        <translation>ungültiger Zielpfad</translation>
    </message>
    <message>
        <source>cannot be stored</source>
        <translation>nicht speicherbar</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>über der Grenze</translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation>nicht feststellbar</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemListPanel</name>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>, %1 that cannot be told</source>
        <translation>, %1 nicht feststellbar</translation>
    </message>
    <message>
        <source>Cannot tell</source>
        <translation>Unklar</translation>
    </message>
    <message>
        <source>Also list the entries whose command cannot be checked here, with the reason</source>
        <translation>Auch die Einträge auflisten, deren Befehl hier nicht geprüft werden kann, mit dem Grund</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the entries of the selected rows</source>
        <translation>Die Einträge der gewählten Zeilen löschen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>The entries with a problem; Enter or a click selects one in the menu, Delete deletes the entries of the selected rows</source>
        <translation>Die Einträge mit einem Problem; Enter oder ein Klick wählt einen im Menü, Delete löscht die Einträge der gewählten Zeilen</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemRowsModel</name>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Folder or reason</source>
        <translation>Ordner oder Grund</translation>
    </message>
</context>
<context>
    <name>torvex::SortCommands</name>
    <message>
        <source>Sort by &amp;title</source>
        <translation>Nach &amp;Titel sortieren</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Sortiert die Einträge neben dem gewählten</translation>
    </message>
    <message>
        <source>Sort all &amp;levels</source>
        <translation>&amp;Alle Ebenen sortieren</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Unter&amp;menüs zuerst</translation>
    </message>
</context>
<context>
    <name>torvex::StartUpSequence</name>
    <message>
        <source> Load ini file by clicking Open in the File menu...</source>
        <translation> INI-Datei mit Öffnen... im Menü Datei laden</translation>
    </message>
    <message>
        <source>Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key to drop a folder&apos;s name and path onto an existing menu. Drag and drop single menu items.</source>
        <translation>Ordner aus der Ordnerliste hierher ziehen, um Untermenüs hinzuzufügen. Mit gedrückter Ctrl-Taste legen Sie Name und Pfad eines Ordners auf einem vorhandenen Eintrag ab. Einzelne Einträge lassen sich ebenfalls ziehen.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file given on the command line does not exist:</source>
        <translation>Die in der Befehlszeile angegebene Datei existiert nicht:</translation>
    </message>
</context>
<context>
    <name>torvex::UndoHistory</name>
    <message numerus="yes">
        <source>Import %n Linux bookmarks</source>
        <translation>
            <numerusform>%n Linux-Lesezeichen importieren</numerusform>
            <numerusform>%n Linux-Lesezeichen importieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Nach oben: %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Nach unten: %1</translation>
    </message>
    <message>
        <source>Move out of submenu %1</source>
        <translation>Aus dem Untermenü: %1</translation>
    </message>
    <message>
        <source>Move into submenu above %1</source>
        <translation>In das Untermenü darüber: %1</translation>
    </message>
    <message>
        <source>Edit title of %1</source>
        <translation>Titel bearbeiten: %1</translation>
    </message>
    <message>
        <source>Edit command of %1</source>
        <translation>Befehl bearbeiten: %1</translation>
    </message>
    <message>
        <source>Edit target path of %1</source>
        <translation>Zielpfad bearbeiten: %1</translation>
    </message>
    <message>
        <source>Title from folder for %1</source>
        <translation>Titel aus Ordner: %1</translation>
    </message>
    <message>
        <source>Command from folder for %1</source>
        <translation>Befehl aus Ordner: %1</translation>
    </message>
    <message>
        <source>Target path from folder for %1</source>
        <translation>Zielpfad aus Ordner: %1</translation>
    </message>
    <message>
        <source>Sort &quot;%1&quot;</source>
        <translation>„%1“ sortieren</translation>
    </message>
    <message>
        <source>Sort the top level</source>
        <translation>Oberste Ebene sortieren</translation>
    </message>
    <message>
        <source>Sort all levels</source>
        <translation>Alle Ebenen sortieren</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Löschen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries</source>
        <translation>
            <numerusform>%n Eintrag löschen</numerusform>
            <numerusform>%n Einträge löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Verschieben: %1</translation>
    </message>
    <message>
        <source>Rename %1 after folder</source>
        <translation>Nach Ordner umbenennen: %1</translation>
    </message>
    <message>
        <source>Add folder %1</source>
        <translation>Ordner hinzufügen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n folders</source>
        <translation>
            <numerusform>%n Ordner hinzufügen</numerusform>
            <numerusform>%n Ordner hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Add submenu to %1</source>
        <translation>Untermenü anfügen an: %1</translation>
    </message>
    <message>
        <source>Add sister menu of %1</source>
        <translation>Eintrag anfügen neben: %1</translation>
    </message>
    <message>
        <source>Add copy of %1</source>
        <translation>Kopie anfügen von: %1</translation>
    </message>
    <message>
        <source>Add menu</source>
        <translation>Menü hinzufügen</translation>
    </message>
</context>
</TS>
