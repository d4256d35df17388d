<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>&amp;Linux-Lesezeichen...</translation>
    </message>
    <message>
        <source>The desktop names no folders: no GTK or KDE bookmarks and no XDG user folders were found.</source>
        <translation>Die Arbeitsumgebung nennt keine Ordner: Es wurden weder GTK- oder KDE-Lesezeichen noch XDG-Benutzerordner gefunden.</translation>
    </message>
    <message>
        <source>Check the folders to add to the menu after the selected entry; each becomes an entry that changes to the folder through the Wine prefix&apos;s drives.</source>
        <translation>Kreuzen Sie die Ordner an, die nach dem gewählten Eintrag ins Menü kommen sollen; jeder wird ein Eintrag, der über die Laufwerke des Wine-Präfixes in den Ordner wechselt.</translation>
    </message>
    <message>
        <source>GTK&apos;s bookmarks file cannot be found: neither HOME nor XDG_CONFIG_HOME is set.</source>
        <translation>Die Lesezeichendatei von GTK ist nicht auffindbar: Weder HOME noch XDG_CONFIG_HOME ist gesetzt.</translation>
    </message>
    <message>
        <source>The menu has no entries with a command.</source>
        <translation>Das Menü hat keine Einträge mit einem Befehl.</translation>
    </message>
    <message>
        <source>Check the entries whose folders to add to GTK&apos;s bookmarks (%1). The bookmarks there stay as they are; a folder already there is not added again. Entries that lead to no folder are skipped.</source>
        <translation>Kreuzen Sie die Einträge an, deren Ordner zu den GTK-Lesezeichen (%1) hinzukommen sollen. Die vorhandenen Lesezeichen bleiben, wie sie sind; ein Ordner, der schon dort steht, wird nicht noch einmal hinzugefügt. Einträge, die zu keinem Ordner führen, werden übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders added to %1.</source>
        <translation>
            <numerusform>%n Ordner zu %1 hinzugefügt.</numerusform>
            <numerusform>%n Ordner zu %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders were there already.</source>
        <translation>
            <numerusform>%n Ordner war schon vorhanden.</numerusform>
            <numerusform>%n Ordner waren schon vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries skipped: no command, or no folder where the command leads.</source>
        <translation>
            <numerusform>%n Eintrag übersprungen: kein Befehl oder kein Ordner, zu dem der Befehl führt.</numerusform>
            <numerusform>%n Einträge übersprungen: kein Befehl oder kein Ordner, zu dem der Befehl führt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Linux bookmarks</source>
        <translation>Linux-Lesezeichen</translation>
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
    <name>torvex::DestinationReason</name>
    <message>
        <source>no folder is given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner ist nicht vorhanden</translation>
    </message>
    <message>
        <source>not a folder change</source>
        <translation>kein Ordnerwechsel</translation>
    </message>
    <message>
        <source>the variable %1 is not defined</source>
        <translation>die Variable %1 ist nicht definiert</translation>
    </message>
    <message>
        <source>a network path</source>
        <translation>ein Netzwerkpfad</translation>
    </message>
    <message>
        <source>a path without a drive, relative to the current folder</source>
        <translation>ein Pfad ohne Laufwerk, relativ zum aktuellen Ordner</translation>
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
    <name>torvex::DirMenuFindings</name>
    <message>
        <source>Lines of the file that the menu does not show (saving removes them):</source>
        <translation>Zeilen der Datei, die das Menü nicht zeigt (Speichern entfernt sie):</translation>
    </message>
    <message>
        <source>past a gap in the numbering, where the file manager stops reading</source>
        <translation>nach einer Lücke in der Nummerierung, wo der Dateimanager zu lesen aufhört</translation>
    </message>
    <message>
        <source>a second DirMenu section; only the first is read</source>
        <translation>ein zweiter DirMenu-Abschnitt; nur der erste wird gelesen</translation>
    </message>
    <message>
        <source>in a second DirMenu section</source>
        <translation>in einem zweiten DirMenu-Abschnitt</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>ein Kommentar</translation>
    </message>
    <message>
        <source>a blank line between entries</source>
        <translation>eine Leerzeile zwischen Einträgen</translation>
    </message>
    <message>
        <source>a line without a key</source>
        <translation>eine Zeile ohne Schlüssel</translation>
    </message>
    <message>
        <source>a key the menu does not use</source>
        <translation>ein Schlüssel, den das Menü nicht verwendet</translation>
    </message>
    <message>
        <source>the key stands twice; only its first value is read</source>
        <translation>der Schlüssel steht doppelt; nur sein erster Wert wird gelesen</translation>
    </message>
    <message>
        <source>an entry without a title</source>
        <translation>ein Eintrag ohne Titel</translation>
    </message>
    <message>
        <source>belongs to an entry without a title</source>
        <translation>gehört zu einem Eintrag ohne Titel</translation>
    </message>
    <message>
        <source>a separator has no command or target path</source>
        <translation>ein Trenner hat keinen Befehl und keinen Zielpfad</translation>
    </message>
    <message>
        <source>an end line has no command or target path</source>
        <translation>eine Endzeile hat keinen Befehl und keinen Zielpfad</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters is cut</source>
        <translation>ein Untermenütitel mit mehr als 99 Zeichen wird gekürzt</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuStorability</name>
    <message>
        <source>a separator cannot hold entries</source>
        <translation>ein Trenner kann keine Einträge enthalten</translation>
    </message>
    <message>
        <source>a separator cannot hold a command or target path</source>
        <translation>ein Trenner kann keinen Befehl und keinen Zielpfad haben</translation>
    </message>
    <message>
        <source>a submenu without a title reads back as a separator</source>
        <translation>ein Untermenü ohne Titel wird als Trenner zurückgelesen</translation>
    </message>
    <message>
        <source>a submenu title beginning with &quot;-&quot; reads back as the end of a submenu</source>
        <translation>ein Untermenütitel, der mit „-“ beginnt, wird als Ende eines Untermenüs zurückgelesen</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters reads back cut</source>
        <translation>ein Untermenütitel mit mehr als 99 Zeichen wird gekürzt zurückgelesen</translation>
    </message>
    <message>
        <source>an entry without a title is not read back</source>
        <translation>ein Eintrag ohne Titel wird nicht zurückgelesen</translation>
    </message>
    <message>
        <source>a title beginning with &quot;-&quot; reads back as a submenu</source>
        <translation>ein Titel, der mit „-“ beginnt, wird als Untermenü zurückgelesen</translation>
    </message>
    <message>
        <source>a title beginning with &quot;--&quot; reads back as the end of a submenu</source>
        <translation>ein Titel, der mit „--“ beginnt, wird als Ende eines Untermenüs zurückgelesen</translation>
    </message>
    <message>
        <source>the title holds a line break</source>
        <translation>der Titel enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the command holds a line break</source>
        <translation>der Befehl enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the target path holds a line break</source>
        <translation>der Zielpfad enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the title holds a NUL character</source>
        <translation>der Titel enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the command holds a NUL character</source>
        <translation>der Befehl enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the target path holds a NUL character</source>
        <translation>der Zielpfad enthält ein NUL-Zeichen</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuWriter</name>
    <message>
        <source>Entry %1 &quot;%2&quot;: %3</source>
        <translation>Eintrag %1 „%2“: %3</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>The value of %1 holds a line break</source>
        <translation>Der Wert von %1 enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>The value of %1 holds a NUL character</source>
        <translation>Der Wert von %1 enthält ein NUL-Zeichen</translation>
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
    <name>torvex::ErrorReporter</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
    <message>
        <source>Close the find box (Esc) to drop or move entries</source>
        <translation>Schließen Sie das Suchfeld (Esc), um Einträge abzulegen oder zu verschieben</translation>
    </message>
</context>
<context>
    <name>torvex::FolderList</name>
    <message>
        <source>%1, drive, open</source>
        <translation>%1, Laufwerk, geöffnet</translation>
    </message>
    <message>
        <source>%1, drive</source>
        <translation>%1, Laufwerk</translation>
    </message>
    <message>
        <source>%1, open folder</source>
        <translation>%1, geöffneter Ordner</translation>
    </message>
    <message>
        <source>%1, folder above the open one</source>
        <translation>%1, Ordner über dem geöffneten</translation>
    </message>
    <message>
        <source>%1, subfolder</source>
        <translation>%1, Unterordner</translation>
    </message>
</context>
<context>
    <name>torvex::FolderPane</name>
    <message>
        <source>Drive %1: is not available</source>
        <translation>Laufwerk %1: ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>torvex::HelpCommands</name>
    <message>
        <source>The help file (%1) should be in this folder:  </source>
        <translation>Die Hilfedatei (%1) sollte in diesem Ordner liegen:  </translation>
    </message>
    <message>
        <source> Can&apos;t find help file</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>An editor for the directory menu of the file manager: load the menu, arrange it by drag and drop, edit each entry and save it back.</source>
        <translation>Ein Editor für das Verzeichnismenü des Dateimanagers: Menü laden, per Ziehen und Ablegen ordnen, jeden Eintrag bearbeiten und zurückspeichern.</translation>
    </message>
    <message>
        <source>Written in C++ with Qt. Pictures drawn for Torvex.</source>
        <translation>Geschrieben in C++ mit Qt. Die Bilder wurden für Torvex gezeichnet.</translation>
    </message>
    <message>
        <source>Thanks to everyone who tried the early versions and reported what broke.</source>
        <translation>Dank an alle, die frühe Versionen ausprobiert und Fehler gemeldet haben.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source> About</source>
        <translation>Info</translation>
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
    <name>torvex::MenuComparison</name>
    <message>
        <source>The entries are the same; only the lines that hold them differ.</source>
        <translation>Die Einträge sind gleich; nur die Zeilen, in denen sie stehen, unterscheiden sich.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries added</source>
        <translation>
            <numerusform>%n Eintrag hinzugefügt</numerusform>
            <numerusform>%n Einträge hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries removed</source>
        <translation>
            <numerusform>%n Eintrag entfernt</numerusform>
            <numerusform>%n Einträge entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries changed</source>
        <translation>
            <numerusform>%n Eintrag geändert</numerusform>
            <numerusform>%n Einträge geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n geändert</numerusform>
            <numerusform>%n geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved</source>
        <translation>
            <numerusform>%n Eintrag verschoben</numerusform>
            <numerusform>%n Einträge verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n verschoben</numerusform>
            <numerusform>%n verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu on disk is the same as in the editor.</source>
        <translation>Das Menü auf der Platte ist dasselbe wie im Editor.</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>oberste Ebene</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>kind %1 -&gt; %2</source>
        <translation>Art %1 -&gt; %2</translation>
    </message>
    <message>
        <source>place %1 -&gt; %2</source>
        <translation>Ort %1 -&gt; %2</translation>
    </message>
    <message>
        <source>title &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Titel „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>command &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Befehl „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>target path &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Zielpfad „%1“ -&gt; „%2“</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>Changed: %1: %2</source>
        <translation>Geändert: %1: %2</translation>
    </message>
    <message>
        <source>from the top level (position %1)</source>
        <translation>von der obersten Ebene (Position %1)</translation>
    </message>
    <message>
        <source>from %1 (position %2)</source>
        <translation>von %1 (Position %2)</translation>
    </message>
    <message>
        <source>to the top level (position %1)</source>
        <translation>auf die oberste Ebene (Position %1)</translation>
    </message>
    <message>
        <source>to %1 (position %2)</source>
        <translation>nach %1 (Position %2)</translation>
    </message>
    <message>
        <source>Moved: %1, %2 %3</source>
        <translation>Verschoben: %1, %2 %3</translation>
    </message>
</context>
<context>
    <name>torvex::MenuFileSteps</name>
    <message>
        <source>Can&apos;t find Windows Commander&apos;s ini file:   </source>
        <translation>Die INI-Datei von Windows Commander wurde nicht gefunden:   </translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Abbruch.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n lines that the menu does not show; saving will remove them.</source>
        <translation>
            <numerusform>Die Datei enthält %n Zeile, die das Menü nicht zeigt; Speichern entfernt sie.</numerusform>
            <numerusform>Die Datei enthält %n Zeilen, die das Menü nicht zeigt; Speichern entfernt sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (%3)</source>
        <translation>Zeile %1: %2 (%3)</translation>
    </message>
    <message>
        <source>entry %1, at the top level (saved as number %2)</source>
        <translation>Eintrag %1 auf der obersten Ebene (gespeichert als Nummer %2)</translation>
    </message>
    <message>
        <source>entry %1, under %2 (saved as number %3)</source>
        <translation>Eintrag %1 unter %2 (gespeichert als Nummer %3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file cannot store these entries as they are:</source>
        <translation>Die Datei kann diese Einträge nicht so speichern, wie sie sind:</translation>
    </message>
    <message>
        <source>Saved anyway, they read back changed or not at all.</source>
        <translation>Trotzdem gespeichert, werden sie verändert oder gar nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>The menu in %1 was changed by another program after Torvex loaded it.</source>
        <translation>Das Menü in %1 wurde von einem anderen Programm geändert, nachdem Torvex es geladen hatte.</translation>
    </message>
    <message>
        <source>Overwrite it with the menu shown here? The other program&apos;s change to the menu is then lost.</source>
        <translation>Mit dem hier gezeigten Menü überschreiben? Die Änderung des anderen Programms am Menü geht dann verloren.</translation>
    </message>
    <message>
        <source>Reload shows the menu of the file instead, losing the changes made here.</source>
        <translation>Neu laden zeigt stattdessen das Menü der Datei; die hier gemachten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>%1 was moved or deleted after Torvex loaded it. Save to file... keeps the menu shown here in a file of your choice.</source>
        <translation>%1 wurde verschoben oder gelöscht, nachdem Torvex die Datei geladen hatte. In Datei speichern... bewahrt das hier gezeigte Menü in einer Datei Ihrer Wahl auf.</translation>
    </message>
    <message>
        <source>Load the menu of %1 again?</source>
        <translation>Das Menü von %1 neu laden?</translation>
    </message>
    <message>
        <source>The changes made to the menu in Torvex are lost.</source>
        <translation>Die in Torvex gemachten Änderungen am Menü gehen verloren.</translation>
    </message>
    <message>
        <source>No backup of %1 could be kept:</source>
        <translation>Von %1 konnte keine Sicherung angelegt werden:</translation>
    </message>
    <message>
        <source>Save without a backup?</source>
        <translation>Ohne Sicherung speichern?</translation>
    </message>
    <message>
        <source> Data saved; the file as it was is kept in %1</source>
        <translation> Gespeichert; die vorherige Datei liegt in %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n entries from the file?</source>
        <translation>
            <numerusform>%n Eintrag aus der Datei entfernen?</numerusform>
            <numerusform>Alle %n Einträge aus der Datei entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Daten werden geladen...</translation>
    </message>
    <message>
        <source>Saving data...</source>
        <translation>Daten werden gespeichert...</translation>
    </message>
    <message>
        <source> Data saved</source>
        <translation> Gespeichert</translation>
    </message>
    <message>
        <source> Nothing was saved: Torvex could not show the menu of this file</source>
        <translation> Nichts gespeichert: Torvex konnte das Menü dieser Datei nicht zeigen</translation>
    </message>
    <message>
        <source>Lines not shown</source>
        <translation>Nicht gezeigte Zeilen</translation>
    </message>
    <message>
        <source>Save and remove them</source>
        <translation>Speichern und entfernen</translation>
    </message>
    <message>
        <source>Cannot be stored</source>
        <translation>Nicht speicherbar</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove all entries?</source>
        <translation>Alle Einträge entfernen?</translation>
    </message>
    <message>
        <source>Menu changed on disk</source>
        <translation>Menü auf der Platte geändert</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Änderungen anzeigen...</translation>
    </message>
    <message>
        <source>Reload?</source>
        <translation>Neu laden?</translation>
    </message>
    <message>
        <source>No backup</source>
        <translation>Keine Sicherung</translation>
    </message>
    <message>
        <source>Save without backup</source>
        <translation>Ohne Sicherung speichern</translation>
    </message>
    <message>
        <source>Can&apos;t find ini file</source>
        <translation>INI-Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Save failed: nothing was saved</source>
        <translation>Speichern fehlgeschlagen: nichts wurde gespeichert</translation>
    </message>
    <message>
        <source> No changes to save: the file was left as it is</source>
        <translation> Keine Änderungen zu speichern: die Datei bleibt, wie sie ist</translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreview</name>
    <message numerus="yes">
        <source>%n entries not shown (the file manager reads %1)</source>
        <translation>
            <numerusform>%n Eintrag nicht gezeigt (der Dateimanager liest %1)</numerusform>
            <numerusform>%n Einträge nicht gezeigt (der Dateimanager liest %1)</numerusform>
        </translation>
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
    <name>torvex::MenuProblems</name>
    <message>
        <source>entry %1 of the file; the file manager reads %2</source>
        <translation>Eintrag %1 der Datei; der Dateimanager liest %2</translation>
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
    <message>
        <source>Showing selected drives...</source>
        <translation>Ausgewählte Laufwerke werden angezeigt...</translation>
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
    <name>torvex::RecoveryCopy</name>
    <message>
        <source>A save did not finish; the earlier content of the file is kept in %1</source>
        <translation>Ein Speichervorgang wurde nicht beendet; der vorherige Inhalt der Datei liegt in %1</translation>
    </message>
    <message>
        <source>A save of %1 did not finish; its earlier content is kept in %2</source>
        <translation>Das Speichern von %1 wurde nicht beendet; der vorherige Inhalt liegt in %2</translation>
    </message>
    <message>
        <source>Unfinished save</source>
        <translation>Unvollendetes Speichern</translation>
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
    <name>torvex::SpokenEntry</name>
    <message>
        <source>separator</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>%1, submenu</source>
        <translation>%1, Untermenü</translation>
    </message>
    <message>
        <source>%1, item</source>
        <translation>%1, Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>no command</source>
        <translation>kein Befehl</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>Befehl %1</translation>
    </message>
    <message>
        <source>%1, target path %2</source>
        <translation>%1, Zielpfad %2</translation>
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
<context>
    <name>torvex::WindowsView</name>
    <message>
        <source>Local Disk (%1:)</source>
        <translation>Lokaler Datenträger (%1:)</translation>
    </message>
</context>
<context>
    <name>torvex::main</name>
    <message>
        <source>Edits the directory menu (section DirMenu) of a wincmd.ini.</source>
        <translation>Bearbeitet das Verzeichnismenü (Abschnitt DirMenu) einer wincmd.ini.</translation>
    </message>
    <message>
        <source>Starts in the Wine prefix &lt;folder&gt; and keeps to it.</source>
        <translation>Startet im Wine-Präfix &lt;Ordner&gt; und bleibt darin.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The wincmd.ini to edit.</source>
        <translation>Die zu bearbeitende wincmd.ini.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
</TS>
