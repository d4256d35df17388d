<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>Signets &amp;Linux...</translation>
    </message>
    <message>
        <source>The desktop names no folders: no GTK or KDE bookmarks and no XDG user folders were found.</source>
        <translation>Le bureau ne nomme aucun dossier : aucun signet GTK ou KDE ni aucun dossier utilisateur XDG n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Check the folders to add to the menu after the selected entry; each becomes an entry that changes to the folder through the Wine prefix&apos;s drives.</source>
        <translation>Cochez les dossiers à ajouter au menu après l&apos;entrée sélectionnée ; chacun devient une entrée qui ouvre le dossier par les lecteurs du préfixe Wine.</translation>
    </message>
    <message>
        <source>GTK&apos;s bookmarks file cannot be found: neither HOME nor XDG_CONFIG_HOME is set.</source>
        <translation>Le fichier des signets GTK est introuvable : ni HOME ni XDG_CONFIG_HOME n&apos;est défini.</translation>
    </message>
    <message>
        <source>The menu has no entries with a command.</source>
        <translation>Le menu n&apos;a aucune entrée avec une commande.</translation>
    </message>
    <message>
        <source>Check the entries whose folders to add to GTK&apos;s bookmarks (%1). The bookmarks there stay as they are; a folder already there is not added again. Entries that lead to no folder are skipped.</source>
        <translation>Cochez les entrées dont les dossiers sont à ajouter aux signets GTK (%1). Les signets existants restent tels quels ; un dossier déjà présent n&apos;est pas ajouté de nouveau. Les entrées qui ne mènent à aucun dossier sont ignorées.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders added to %1.</source>
        <translation>
            <numerusform>%n dossier ajouté à %1.</numerusform>
            <numerusform>%n dossiers ajoutés à %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders were there already.</source>
        <translation>
            <numerusform>%n dossier y figurait déjà.</numerusform>
            <numerusform>%n dossiers y figuraient déjà.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries skipped: no command, or no folder where the command leads.</source>
        <translation>
            <numerusform>%n entrée ignorée : pas de commande, ou pas de dossier là où mène la commande.</numerusform>
            <numerusform>%n entrées ignorées : pas de commande, ou pas de dossier là où mène la commande.</numerusform>
        </translation>
    </message>
    <message>
        <source>Linux bookmarks</source>
        <translation>Signets Linux</translation>
    </message>
</context>
<context>
    <name>torvex::ButtonColumn</name>
    <message>
        <source> Save (F2) </source>
        <translation> Enregistrer (F2) </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saves the menu into the ini file</source>
        <translation>Enregistre le menu dans le fichier ini</translation>
    </message>
    <message>
        <source> Show Command folder (F8) </source>
        <translation> Afficher le dossier de la commande (F8) </translation>
    </message>
    <message>
        <source>Show Command folder</source>
        <translation>Afficher le dossier de la commande</translation>
    </message>
    <message>
        <source>Opens the folder list at the folder of the selected entry&apos;s command</source>
        <translation>Ouvre la liste des dossiers sur le dossier de la commande de l’entrée sélectionnée</translation>
    </message>
    <message>
        <source> Add dropped menu at the end of the list (Ctrl+1) </source>
        <translation> Ajouter le menu déposé à la fin de la liste (Ctrl+1) </translation>
    </message>
    <message>
        <source>Drop at the end of the list</source>
        <translation>Déposer à la fin de la liste</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the end of the destination&apos;s level</source>
        <translation>Mode de dépôt : une entrée déposée est ajoutée à la fin du niveau de la destination</translation>
    </message>
    <message>
        <source> Add dropped menu at the beginning of the list (Ctrl+2) </source>
        <translation> Ajouter le menu déposé au début de la liste (Ctrl+2) </translation>
    </message>
    <message>
        <source>Drop at the beginning of the list</source>
        <translation>Déposer au début de la liste</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is added at the beginning of the destination&apos;s level</source>
        <translation>Mode de dépôt : une entrée déposée est ajoutée au début du niveau de la destination</translation>
    </message>
    <message>
        <source> Add dropped menu as the last submenu of the destination (Ctrl+3) </source>
        <translation> Ajouter le menu déposé comme dernier sous-menu de la destination (Ctrl+3) </translation>
    </message>
    <message>
        <source>Drop as the last entry of the destination</source>
        <translation>Déposer comme dernière entrée de la destination</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the last entry in the destination&apos;s submenu</source>
        <translation>Mode de dépôt : une entrée déposée devient la dernière entrée du sous-menu de la destination</translation>
    </message>
    <message>
        <source> Add dropped menu as the first submenu of the destination (Ctrl+4) </source>
        <translation> Ajouter le menu déposé comme premier sous-menu de la destination (Ctrl+4) </translation>
    </message>
    <message>
        <source>Drop as the first entry of the destination</source>
        <translation>Déposer comme première entrée de la destination</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry becomes the first entry in the destination&apos;s submenu</source>
        <translation>Mode de dépôt : une entrée déposée devient la première entrée du sous-menu de la destination</translation>
    </message>
    <message>
        <source> Insert dropped menu before the destination menu (Ctrl+5) </source>
        <translation> Insérer le menu déposé avant le menu de destination (Ctrl+5) </translation>
    </message>
    <message>
        <source>Drop before the destination</source>
        <translation>Déposer avant la destination</translation>
    </message>
    <message>
        <source>Drop mode: a dropped entry is inserted directly before the destination</source>
        <translation>Mode de dépôt : une entrée déposée est insérée juste avant la destination</translation>
    </message>
    <message>
        <source> Find menus with broken (nonexistent) paths (F11) </source>
        <translation> Rechercher les menus aux chemins invalides (inexistants) (F11) </translation>
    </message>
    <message>
        <source>Find broken paths</source>
        <translation>Rechercher les chemins invalides</translation>
    </message>
    <message>
        <source>Selects the next entry whose command leads to a folder that does not exist</source>
        <translation>Sélectionne l’entrée suivante dont la commande mène à un dossier inexistant</translation>
    </message>
    <message>
        <source> Find menus with no Command strings (F12) </source>
        <translation> Rechercher les menus sans commande (F12) </translation>
    </message>
    <message>
        <source>Find empty commands</source>
        <translation>Rechercher les commandes vides</translation>
    </message>
    <message>
        <source>Selects the next entry that has no command</source>
        <translation>Sélectionne l’entrée suivante sans commande</translation>
    </message>
</context>
<context>
    <name>torvex::ChangesWindow</name>
    <message>
        <source>Show changes</source>
        <translation>Afficher les modifications</translation>
    </message>
    <message>
        <source>&amp;Key lines</source>
        <translation>&amp;Lignes de clés</translation>
    </message>
    <message>
        <source>Show the numbered lines of the file instead of the entries</source>
        <translation>Afficher les lignes numérotées du fichier au lieu des entrées</translation>
    </message>
    <message>
        <source>&amp;Side by side</source>
        <translation>Côte à &amp;côte</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Sur le disque</translation>
    </message>
    <message>
        <source>To be saved</source>
        <translation>À enregistrer</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>No menu file is open.</source>
        <translation>Aucun fichier de menu n’est ouvert.</translation>
    </message>
    <message>
        <source>Show changes - %1</source>
        <translation>Afficher les modifications - %1</translation>
    </message>
</context>
<context>
    <name>torvex::DestinationReason</name>
    <message>
        <source>no folder is given</source>
        <translation>aucun dossier indiqué</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>not a folder change</source>
        <translation>pas un changement de dossier</translation>
    </message>
    <message>
        <source>the variable %1 is not defined</source>
        <translation>la variable %1 n&apos;est pas définie</translation>
    </message>
    <message>
        <source>a network path</source>
        <translation>un chemin réseau</translation>
    </message>
    <message>
        <source>a path without a drive, relative to the current folder</source>
        <translation>un chemin sans lecteur, relatif au dossier courant</translation>
    </message>
</context>
<context>
    <name>torvex::DirListBox</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The folders of the drive; Enter opens the selected folder, F5 to F7 put the open folder into the selected entry, a drag onto the menu adds folders</source>
        <translation>Les dossiers du lecteur ; Enter ouvre le dossier sélectionné, F5 à F7 placent le dossier ouvert dans l’entrée sélectionnée, un glisser sur le menu ajoute des dossiers</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuFindings</name>
    <message>
        <source>Lines of the file that the menu does not show (saving removes them):</source>
        <translation>Lignes du fichier que le menu n&apos;affiche pas (l&apos;enregistrement les supprime) :</translation>
    </message>
    <message>
        <source>past a gap in the numbering, where the file manager stops reading</source>
        <translation>après un trou dans la numérotation, où le gestionnaire de fichiers arrête de lire</translation>
    </message>
    <message>
        <source>a second DirMenu section; only the first is read</source>
        <translation>une seconde section DirMenu ; seule la première est lue</translation>
    </message>
    <message>
        <source>in a second DirMenu section</source>
        <translation>dans une seconde section DirMenu</translation>
    </message>
    <message>
        <source>a comment</source>
        <translation>un commentaire</translation>
    </message>
    <message>
        <source>a blank line between entries</source>
        <translation>une ligne vide entre des entrées</translation>
    </message>
    <message>
        <source>a line without a key</source>
        <translation>une ligne sans clé</translation>
    </message>
    <message>
        <source>a key the menu does not use</source>
        <translation>une clé que le menu n&apos;utilise pas</translation>
    </message>
    <message>
        <source>the key stands twice; only its first value is read</source>
        <translation>la clé figure deux fois ; seule sa première valeur est lue</translation>
    </message>
    <message>
        <source>an entry without a title</source>
        <translation>une entrée sans titre</translation>
    </message>
    <message>
        <source>belongs to an entry without a title</source>
        <translation>appartient à une entrée sans titre</translation>
    </message>
    <message>
        <source>a separator has no command or target path</source>
        <translation>un séparateur n&apos;a ni commande ni chemin cible</translation>
    </message>
    <message>
        <source>an end line has no command or target path</source>
        <translation>une ligne de fin n&apos;a ni commande ni chemin cible</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters is cut</source>
        <translation>un titre de sous-menu de plus de 99 caractères est tronqué</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuStorability</name>
    <message>
        <source>a separator cannot hold entries</source>
        <translation>un séparateur ne peut pas contenir d&apos;entrées</translation>
    </message>
    <message>
        <source>a separator cannot hold a command or target path</source>
        <translation>un séparateur ne peut avoir ni commande ni chemin cible</translation>
    </message>
    <message>
        <source>a submenu without a title reads back as a separator</source>
        <translation>un sous-menu sans titre est relu comme un séparateur</translation>
    </message>
    <message>
        <source>a submenu title beginning with &quot;-&quot; reads back as the end of a submenu</source>
        <translation>un titre de sous-menu commençant par « - » est relu comme la fin d&apos;un sous-menu</translation>
    </message>
    <message>
        <source>a submenu title of more than 99 characters reads back cut</source>
        <translation>un titre de sous-menu de plus de 99 caractères est relu tronqué</translation>
    </message>
    <message>
        <source>an entry without a title is not read back</source>
        <translation>une entrée sans titre n&apos;est pas relue</translation>
    </message>
    <message>
        <source>a title beginning with &quot;-&quot; reads back as a submenu</source>
        <translation>un titre commençant par « - » est relu comme un sous-menu</translation>
    </message>
    <message>
        <source>a title beginning with &quot;--&quot; reads back as the end of a submenu</source>
        <translation>un titre commençant par « -- » est relu comme la fin d&apos;un sous-menu</translation>
    </message>
    <message>
        <source>the title holds a line break</source>
        <translation>le titre contient un saut de ligne</translation>
    </message>
    <message>
        <source>the command holds a line break</source>
        <translation>la commande contient un saut de ligne</translation>
    </message>
    <message>
        <source>the target path holds a line break</source>
        <translation>le chemin cible contient un saut de ligne</translation>
    </message>
    <message>
        <source>the title holds a NUL character</source>
        <translation>le titre contient un caractère NUL</translation>
    </message>
    <message>
        <source>the command holds a NUL character</source>
        <translation>la commande contient un caractère NUL</translation>
    </message>
    <message>
        <source>the target path holds a NUL character</source>
        <translation>le chemin cible contient un caractère NUL</translation>
    </message>
</context>
<context>
    <name>torvex::DirMenuWriter</name>
    <message>
        <source>Entry %1 &quot;%2&quot;: %3</source>
        <translation>Entrée %1 « %2 » : %3</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrée %1 : %2</translation>
    </message>
    <message>
        <source>The value of %1 holds a line break</source>
        <translation>La valeur de %1 contient un saut de ligne</translation>
    </message>
    <message>
        <source>The value of %1 holds a NUL character</source>
        <translation>La valeur de %1 contient un caractère NUL</translation>
    </message>
</context>
<context>
    <name>torvex::DrivePanel</name>
    <message>
        <source>; keys: Space or %1 chooses it, Left and Right go to the other drives </source>
        <translation>; touches : Space ou %1 le choisit, Left et Right mènent aux autres lecteurs </translation>
    </message>
    <message>
        <source>Drive %1</source>
        <translation>Lecteur %1</translation>
    </message>
    <message>
        <source>Chooses drive %1; Left and Right go to the other drives</source>
        <translation>Choisit le lecteur %1 ; Left et Right mènent aux autres lecteurs</translation>
    </message>
</context>
<context>
    <name>torvex::EditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Rétab&amp;lir</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&lt;menu as loaded&gt;</source>
        <translation>&lt;menu tel que chargé&gt;</translation>
    </message>
</context>
<context>
    <name>torvex::EditorTexts</name>
    <message>
        <source>Total Commander will only show the first 200 items!</source>
        <translation>Total Commander n&apos;affiche que les 200 premiers éléments !</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK to make &apos;%1&apos;</source>
        <translation>Faire de « %1 »</translation>
    </message>
    <message>
        <source>into a menu with submenus but</source>
        <translation>un menu avec sous-menus, mais</translation>
    </message>
    <message>
        <source>no command/target path?</source>
        <translation>sans commande ni chemin cible ?</translation>
    </message>
    <message>
        <source>You can&apos;t move a menu to one of its own submenus!</source>
        <translation>Impossible de déplacer un menu dans l&apos;un de ses propres sous-menus !</translation>
    </message>
    <message>
        <source>Illegal drop</source>
        <translation>Dépôt impossible</translation>
    </message>
    <message>
        <source>Make sub menu?</source>
        <translation>Créer un sous-menu ?</translation>
    </message>
    <message>
        <source>The menu could not be moved.</source>
        <translation>Le menu n&apos;a pas pu être déplacé.</translation>
    </message>
    <message>
        <source>A separator cannot hold entries</source>
        <translation>Un séparateur ne peut pas contenir d&apos;entrées</translation>
    </message>
    <message>
        <source> None found</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No menus with broken paths were found  </source>
        <translation>Aucune entrée avec un chemin invalide n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>No menus with empty command strings were found  </source>
        <translation>Aucune entrée avec une commande vide n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>(search started from menu number %1).</source>
        <translation>(recherche commencée à l&apos;entrée numéro %1).</translation>
    </message>
    <message>
        <source>Searched from %1 to %2</source>
        <translation>Recherche de %1 à %2</translation>
    </message>
    <message>
        <source> Title = folder name (%1) </source>
        <translation> Titre = nom du dossier (%1) </translation>
    </message>
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Move &amp;out of submenu</source>
        <translation>&amp;Sortir du sous-menu</translation>
    </message>
    <message>
        <source>Move &amp;into submenu above</source>
        <translation>&amp;Placer dans le sous-menu du dessus</translation>
    </message>
</context>
<context>
    <name>torvex::ErrorReporter</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>torvex::FileCommands</name>
    <message>
        <source>Can&apos;t find this ini file:</source>
        <translation>Fichier ini introuvable :</translation>
    </message>
    <message>
        <source>The menu was not saved to %1.</source>
        <translation>Le menu n&apos;a pas été enregistré dans %1.</translation>
    </message>
    <message>
        <source>Close anyway?</source>
        <translation>Fermer quand même ?</translation>
    </message>
    <message>
        <source>Nothing to save...     </source>
        <translation>Rien à enregistrer.</translation>
    </message>
    <message>
        <source> Nothing to save</source>
        <translation>Rien à enregistrer</translation>
    </message>
    <message>
        <source>No ini file (wincmd.ini) was found!</source>
        <translation>Aucun fichier ini (wincmd.ini) n&apos;a été trouvé !</translation>
    </message>
    <message>
        <source> No ini file found!</source>
        <translation>Aucun fichier ini trouvé !</translation>
    </message>
    <message>
        <source> Selected ini file not found!</source>
        <translation>Fichier ini choisi introuvable !</translation>
    </message>
    <message>
        <source>Save menus?</source>
        <translation>Enregistrer les menus ?</translation>
    </message>
    <message>
        <source> Save?</source>
        <translation>Enregistrer ?</translation>
    </message>
    <message>
        <source>Do you want to exit without saving any changes you might have made?</source>
        <translation>Voulez-vous quitter sans enregistrer les modifications éventuelles ?</translation>
    </message>
    <message>
        <source> Exit without saving?</source>
        <translation>Quitter sans enregistrer ?</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The window settings were not saved.</source>
        <translation>Les paramètres de la fenêtre n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source> Choose ini file to get data from</source>
        <translation>Choisir le fichier ini à lire</translation>
    </message>
    <message>
        <source> Choose ini file to save data in</source>
        <translation>Choisir le fichier ini où enregistrer</translation>
    </message>
</context>
<context>
    <name>torvex::FileController</name>
    <message>
        <source>Save to file...</source>
        <translation>Enregistrer dans un fichier...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
</context>
<context>
    <name>torvex::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source> Title, command or target path (Enter, F3: next match) </source>
        <translation> Titre, commande ou chemin cible (Enter, F3 : occurrence suivante) </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Shows the entries whose title, command or target path holds the text; Enter or F3 goes to the next match, Shift+F3 to the previous one, Esc closes the find box</source>
        <translation>Affiche les entrées dont le titre, la commande ou le chemin cible contient le texte ; Enter ou F3 passe à l’occurrence suivante, Shift+F3 à la précédente, Esc ferme la zone de recherche</translation>
    </message>
    <message>
        <source> Close the find box (Esc) </source>
        <translation> Fermer la zone de recherche (Esc) </translation>
    </message>
    <message>
        <source>Close the find box</source>
        <translation>Fermer la zone de recherche</translation>
    </message>
    <message>
        <source>Closes the find box (Esc)</source>
        <translation>Ferme la zone de recherche (Esc)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Close the find box (Esc) to drop or move entries</source>
        <translation>Fermez la zone de recherche (Esc) pour déposer ou déplacer des entrées</translation>
    </message>
</context>
<context>
    <name>torvex::FolderList</name>
    <message>
        <source>%1, drive, open</source>
        <translation>%1, lecteur, ouvert</translation>
    </message>
    <message>
        <source>%1, drive</source>
        <translation>%1, lecteur</translation>
    </message>
    <message>
        <source>%1, open folder</source>
        <translation>%1, dossier ouvert</translation>
    </message>
    <message>
        <source>%1, folder above the open one</source>
        <translation>%1, dossier au-dessus du dossier ouvert</translation>
    </message>
    <message>
        <source>%1, subfolder</source>
        <translation>%1, sous-dossier</translation>
    </message>
</context>
<context>
    <name>torvex::FolderPane</name>
    <message>
        <source>Drive %1: is not available</source>
        <translation>Le lecteur %1: n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>torvex::HelpCommands</name>
    <message>
        <source>The help file (%1) should be in this folder:  </source>
        <translation>Le fichier d&apos;aide (%1) devrait se trouver dans ce dossier :  </translation>
    </message>
    <message>
        <source> Can&apos;t find help file</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>An editor for the directory menu of the file manager: load the menu, arrange it by drag and drop, edit each entry and save it back.</source>
        <translation>Un éditeur du menu des répertoires du gestionnaire de fichiers : chargez le menu, organisez-le par glisser-déposer, modifiez chaque entrée et enregistrez-le.</translation>
    </message>
    <message>
        <source>Written in C++ with Qt. Pictures drawn for Torvex.</source>
        <translation>Écrit en C++ avec Qt. Images dessinées pour Torvex.</translation>
    </message>
    <message>
        <source>Thanks to everyone who tried the early versions and reported what broke.</source>
        <translation>Merci à tous ceux qui ont essayé les premières versions et signalé ce qui ne marchait pas.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Journal : %1</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide : %1</translation>
    </message>
    <message>
        <source> About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>torvex::HelpViewer</name>
    <message>
        <source>Torvex Help</source>
        <translation>Aide de Torvex</translation>
    </message>
</context>
<context>
    <name>torvex::IniChooserDialog</name>
    <message>
        <source> Open ini file</source>
        <translation> Ouvrir un fichier ini</translation>
    </message>
    <message>
        <source>Select the ini file you want to use:</source>
        <translation>Choisissez le fichier ini à utiliser :</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source> Don&apos;t open anything </source>
        <translation> Ne rien ouvrir </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source> Open the selected ini file </source>
        <translation> Ouvrir le fichier ini choisi </translation>
    </message>
</context>
<context>
    <name>torvex::ItemCount</name>
    <message numerus="yes">
        <source> %n items</source>
        <translation>
            <numerusform> %n élément</numerusform>
            <numerusform> %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You now have %n items!</source>
        <translation>
            <numerusform>Vous avez maintenant %n élément !</numerusform>
            <numerusform>Vous avez maintenant %n éléments !</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>torvex::ItemEditorPanel</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Commande :</translation>
    </message>
    <message>
        <source>Target &amp;path:</source>
        <translation>C&amp;hemin cible :</translation>
    </message>
    <message>
        <source> Title = folder name </source>
        <translation> Titre = nom du dossier </translation>
    </message>
    <message>
        <source> Command (source path) = selected path (see status bar) </source>
        <translation> Commande (chemin source) = chemin choisi (voir la barre d’état) </translation>
    </message>
    <message>
        <source> Target path = selected path (see status bar) </source>
        <translation> Chemin cible = chemin choisi (voir la barre d’état) </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>The title of the selected entry as the menu shows it</source>
        <translation>Le titre de l’entrée sélectionnée tel que le menu l’affiche</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>What the selected entry runs, such as cd and a folder</source>
        <translation>Ce que l’entrée sélectionnée exécute, par exemple cd et un dossier</translation>
    </message>
    <message>
        <source>Target path</source>
        <translation>Chemin cible</translation>
    </message>
    <message>
        <source>Where the selected entry takes the other panel, such as cd and a folder</source>
        <translation>Où l’entrée sélectionnée mène l’autre panneau, par exemple cd et un dossier</translation>
    </message>
    <message>
        <source>Title from folder name</source>
        <translation>Titre depuis le nom du dossier</translation>
    </message>
    <message>
        <source>Sets the title to the name of the folder open in the folder list (F5)</source>
        <translation>Donne au titre le nom du dossier ouvert dans la liste des dossiers (F5)</translation>
    </message>
    <message>
        <source>Command from folder</source>
        <translation>Commande depuis le dossier</translation>
    </message>
    <message>
        <source>Sets the command to the folder open in the folder list (F6)</source>
        <translation>Donne à la commande le dossier ouvert dans la liste des dossiers (F6)</translation>
    </message>
    <message>
        <source>Target path from folder</source>
        <translation>Chemin cible depuis le dossier</translation>
    </message>
    <message>
        <source>Sets the target path to the folder open in the folder list (F7)</source>
        <translation>Donne au chemin cible le dossier ouvert dans la liste des dossiers (F7)</translation>
    </message>
</context>
<context>
    <name>torvex::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;file...</source>
        <translation>Ouvrir un &amp;fichier...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer s&amp;ous...</translation>
    </message>
    <message>
        <source>Save &amp;to file...</source>
        <translation>Enregistrer &amp;dans un fichier...</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Afficher les modifications...</translation>
    </message>
    <message>
        <source>Exit &amp;without saving</source>
        <translation>Quitter &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit and save</source>
        <translation>Enregistrer et &amp;quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Add &amp;submemu</source>
        <translation>Ajouter un &amp;sous-menu</translation>
    </message>
    <message>
        <source>&amp;Add sister menu</source>
        <translation>&amp;Ajouter un menu voisin</translation>
    </message>
    <message>
        <source>Add &amp;copy</source>
        <translation>Ajouter une &amp;copie</translation>
    </message>
    <message>
        <source>&amp;Delete selected menu</source>
        <translation>Su&amp;pprimer le menu sélectionné</translation>
    </message>
    <message>
        <source>&amp;Add menu</source>
        <translation>Ajouter un &amp;menu</translation>
    </message>
    <message>
        <source>Show Command &amp;folder</source>
        <translation>Afficher le &amp;dossier de la commande</translation>
    </message>
</context>
<context>
    <name>torvex::MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source> No Wine prefix </source>
        <translation> Aucun préfixe Wine </translation>
    </message>
    <message>
        <source> Drive Z: is the root folder </source>
        <translation> Le lecteur Z: est le dossier racine </translation>
    </message>
</context>
<context>
    <name>torvex::MainWindowPanes</name>
    <message>
        <source> Ini file </source>
        <translation> Fichier ini </translation>
    </message>
    <message>
        <source>Max. number of items allowed: 200</source>
        <translation>Nombre max. d’entrées : 200</translation>
    </message>
    <message>
        <source> Windows Commander only reads 200 items </source>
        <translation> Windows Commander ne lit que 200 entrées </translation>
    </message>
</context>
<context>
    <name>torvex::MenuComparison</name>
    <message>
        <source>The entries are the same; only the lines that hold them differ.</source>
        <translation>Les entrées sont les mêmes ; seules les lignes qui les contiennent diffèrent.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries added</source>
        <translation>
            <numerusform>%n entrée ajoutée</numerusform>
            <numerusform>%n entrées ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries removed</source>
        <translation>
            <numerusform>%n entrée supprimée</numerusform>
            <numerusform>%n entrées supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries changed</source>
        <translation>
            <numerusform>%n entrée modifiée</numerusform>
            <numerusform>%n entrées modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifiée</numerusform>
            <numerusform>%n modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries moved</source>
        <translation>
            <numerusform>%n entrée déplacée</numerusform>
            <numerusform>%n entrées déplacées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n déplacée</numerusform>
            <numerusform>%n déplacées</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu on disk is the same as in the editor.</source>
        <translation>Le menu sur le disque est le même que dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>niveau supérieur</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>sous-menu</translation>
    </message>
    <message>
        <source>item</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>kind %1 -&gt; %2</source>
        <translation>type %1 -&gt; %2</translation>
    </message>
    <message>
        <source>place %1 -&gt; %2</source>
        <translation>emplacement %1 -&gt; %2</translation>
    </message>
    <message>
        <source>title &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>titre « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>command &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>commande « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>target path &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>chemin cible « %1 » -&gt; « %2 »</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajoutée : %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Supprimée : %1</translation>
    </message>
    <message>
        <source>Changed: %1: %2</source>
        <translation>Modifiée : %1 : %2</translation>
    </message>
    <message>
        <source>from the top level (position %1)</source>
        <translation>du niveau supérieur (position %1)</translation>
    </message>
    <message>
        <source>from %1 (position %2)</source>
        <translation>de %1 (position %2)</translation>
    </message>
    <message>
        <source>to the top level (position %1)</source>
        <translation>au niveau supérieur (position %1)</translation>
    </message>
    <message>
        <source>to %1 (position %2)</source>
        <translation>vers %1 (position %2)</translation>
    </message>
    <message>
        <source>Moved: %1, %2 %3</source>
        <translation>Déplacée : %1, %2 %3</translation>
    </message>
</context>
<context>
    <name>torvex::MenuFileSteps</name>
    <message>
        <source>Can&apos;t find Windows Commander&apos;s ini file:   </source>
        <translation>Fichier ini de Windows Commander introuvable :   </translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Abandon.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n lines that the menu does not show; saving will remove them.</source>
        <translation>
            <numerusform>Le fichier contient %n ligne que le menu n&apos;affiche pas ; l&apos;enregistrement la supprimera.</numerusform>
            <numerusform>Le fichier contient %n lignes que le menu n&apos;affiche pas ; l&apos;enregistrement les supprimera.</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 (%3)</source>
        <translation>ligne %1 : %2 (%3)</translation>
    </message>
    <message>
        <source>entry %1, at the top level (saved as number %2)</source>
        <translation>entrée %1, au niveau supérieur (enregistrée sous le numéro %2)</translation>
    </message>
    <message>
        <source>entry %1, under %2 (saved as number %3)</source>
        <translation>entrée %1, sous %2 (enregistrée sous le numéro %3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The file cannot store these entries as they are:</source>
        <translation>Le fichier ne peut pas enregistrer ces entrées telles quelles :</translation>
    </message>
    <message>
        <source>Saved anyway, they read back changed or not at all.</source>
        <translation>Enregistrées quand même, elles seront relues modifiées ou pas du tout.</translation>
    </message>
    <message>
        <source>The menu in %1 was changed by another program after Torvex loaded it.</source>
        <translation>Le menu de %1 a été modifié par un autre programme après son chargement par Torvex.</translation>
    </message>
    <message>
        <source>Overwrite it with the menu shown here? The other program&apos;s change to the menu is then lost.</source>
        <translation>Le remplacer par le menu affiché ici ? La modification du menu par l&apos;autre programme sera alors perdue.</translation>
    </message>
    <message>
        <source>Reload shows the menu of the file instead, losing the changes made here.</source>
        <translation>Recharger affiche plutôt le menu du fichier, en perdant les modifications faites ici.</translation>
    </message>
    <message>
        <source>%1 was moved or deleted after Torvex loaded it. Save to file... keeps the menu shown here in a file of your choice.</source>
        <translation>%1 a été déplacé ou supprimé après son chargement par Torvex. Enregistrer dans un fichier... conserve le menu affiché ici dans un fichier de votre choix.</translation>
    </message>
    <message>
        <source>Load the menu of %1 again?</source>
        <translation>Recharger le menu de %1 ?</translation>
    </message>
    <message>
        <source>The changes made to the menu in Torvex are lost.</source>
        <translation>Les modifications du menu faites dans Torvex seront perdues.</translation>
    </message>
    <message>
        <source>No backup of %1 could be kept:</source>
        <translation>Aucune sauvegarde de %1 n&apos;a pu être conservée :</translation>
    </message>
    <message>
        <source>Save without a backup?</source>
        <translation>Enregistrer sans sauvegarde ?</translation>
    </message>
    <message>
        <source> Data saved; the file as it was is kept in %1</source>
        <translation> Enregistré ; le fichier d&apos;avant est conservé dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n entries from the file?</source>
        <translation>
            <numerusform>Supprimer %n entrée du fichier ?</numerusform>
            <numerusform>Supprimer les %n entrées du fichier ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Saving data...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source> Data saved</source>
        <translation> Enregistré</translation>
    </message>
    <message>
        <source> Nothing was saved: Torvex could not show the menu of this file</source>
        <translation> Rien n&apos;a été enregistré : Torvex n&apos;a pas pu afficher le menu de ce fichier</translation>
    </message>
    <message>
        <source>Lines not shown</source>
        <translation>Lignes non affichées</translation>
    </message>
    <message>
        <source>Save and remove them</source>
        <translation>Enregistrer et les supprimer</translation>
    </message>
    <message>
        <source>Cannot be stored</source>
        <translation>Impossible à enregistrer</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove all entries?</source>
        <translation>Supprimer toutes les entrées ?</translation>
    </message>
    <message>
        <source>Menu changed on disk</source>
        <translation>Menu modifié sur le disque</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Show changes...</source>
        <translation>Afficher les modifications...</translation>
    </message>
    <message>
        <source>Reload?</source>
        <translation>Recharger ?</translation>
    </message>
    <message>
        <source>No backup</source>
        <translation>Pas de sauvegarde</translation>
    </message>
    <message>
        <source>Save without backup</source>
        <translation>Enregistrer sans sauvegarde</translation>
    </message>
    <message>
        <source>Can&apos;t find ini file</source>
        <translation>Fichier ini introuvable</translation>
    </message>
    <message>
        <source>Save failed: nothing was saved</source>
        <translation>Échec de l&apos;enregistrement : rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source> No changes to save: the file was left as it is</source>
        <translation> Aucune modification à enregistrer : le fichier est resté tel quel</translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreview</name>
    <message numerus="yes">
        <source>%n entries not shown (the file manager reads %1)</source>
        <translation>
            <numerusform>%n entrée non affichée (le gestionnaire de fichiers en lit %1)</numerusform>
            <numerusform>%n entrées non affichées (le gestionnaire de fichiers en lit %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>torvex::MenuPreviewPopup</name>
    <message>
        <source>Pre&amp;view menu</source>
        <translation>&amp;Aperçu du menu</translation>
    </message>
    <message>
        <source>Shows the menu as the file manager will pop it up</source>
        <translation>Affiche le menu tel que le gestionnaire de fichiers l’ouvrira</translation>
    </message>
    <message>
        <source>The menu is empty</source>
        <translation>Le menu est vide</translation>
    </message>
</context>
<context>
    <name>torvex::MenuProblems</name>
    <message>
        <source>entry %1 of the file; the file manager reads %2</source>
        <translation>entrée %1 du fichier ; le gestionnaire de fichiers en lit %2</translation>
    </message>
</context>
<context>
    <name>torvex::MenuTreeView</name>
    <message>
        <source>Menu entries</source>
        <translation>Entrées du menu</translation>
    </message>
    <message>
        <source>The directory menu. Insert, Delete and the plus key add and delete entries, Ctrl and the arrows move the selected entry, the menu key opens the popup menu</source>
        <translation>Le menu des dossiers. Insert, Delete et la touche plus ajoutent et suppriment des entrées, Ctrl et les flèches déplacent l’entrée sélectionnée, la touche menu ouvre le menu contextuel</translation>
    </message>
</context>
<context>
    <name>torvex::NoticeBar</name>
    <message>
        <source>Details...</source>
        <translation>Détails...</translation>
    </message>
    <message>
        <source> Close this notice </source>
        <translation> Fermer cet avis </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>torvex::OptionsDialog</name>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Amovible</translation>
    </message>
    <message>
        <source>CDRom</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>Ram disk</source>
        <translation>Disque RAM</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source> &amp;Background color: </source>
        <translation> Couleur de &amp;fond : </translation>
    </message>
    <message>
        <source> Select background color... </source>
        <translation> Choisir la couleur de fond... </translation>
    </message>
    <message>
        <source> &amp;Font color: </source>
        <translation> Couleur du &amp;texte : </translation>
    </message>
    <message>
        <source> Select font color </source>
        <translation> Choisir la couleur du texte </translation>
    </message>
    <message>
        <source>&amp;Use Windows colors</source>
        <translation>Couleurs &amp;Windows</translation>
    </message>
    <message>
        <source> Use standard background and font colors  </source>
        <translation> Utiliser les couleurs standard du fond et du texte  </translation>
    </message>
    <message>
        <source> Show these &amp;disk types: </source>
        <translation> &amp;Disques affichés : </translation>
    </message>
    <message>
        <source> Confirmation &amp;when: </source>
        <translation> Confirmer &amp;quand : </translation>
    </message>
    <message>
        <source>Closing without saving</source>
        <translation>on ferme sans enregistrer</translation>
    </message>
    <message>
        <source> Check this if you want to be asked </source>
        <translation> Cochez pour que la question soit posée </translation>
    </message>
    <message>
        <source>Drop target has command</source>
        <translation>la cible a une commande</translation>
    </message>
    <message>
        <source> Check this to be asked when adding submenus (and thus remove the parent menu&apos;s command) </source>
        <translation> Cochez pour être consulté avant d&apos;ajouter un sous-menu (ce qui retire la commande de l&apos;entrée parente) </translation>
    </message>
    <message>
        <source>Keep a backup before the first save</source>
        <translation>Copie de secours avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source> The first save of a run keeps the file as it was, as wincmd.ini.bak beside it </source>
        <translation> Le premier enregistrement d&apos;une session garde le fichier tel qu&apos;il était, en wincmd.ini.bak à côté </translation>
    </message>
    <message>
        <source>Showing selected drives...</source>
        <translation>Affichage des lecteurs sélectionnés...</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemDock</name>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problèmes</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemKind</name>
    <message>
        <source>no command</source>
        <translation>aucune commande</translation>
    </message>
    <message>
        <source>broken path</source>
        <translation>chemin invalide</translation>
    </message>
    <message>
        <source>broken target path</source>
        <translation>chemin cible invalide</translation>
    </message>
    <message>
        <source>cannot be stored</source>
        <translation>impossible à enregistrer</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>au-delà de la limite</translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation>indéterminable</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemListPanel</name>
    <message>
        <source>No problems found</source>
        <translation>Aucun problème trouvé</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problème</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>, %1 that cannot be told</source>
        <translation>, %1 indéterminables</translation>
    </message>
    <message>
        <source>Cannot tell</source>
        <translation>Indéterminé</translation>
    </message>
    <message>
        <source>Also list the entries whose command cannot be checked here, with the reason</source>
        <translation>Lister aussi les entrées dont la commande ne peut pas être vérifiée ici, avec la raison</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the entries of the selected rows</source>
        <translation>Supprimer les entrées des lignes sélectionnées</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>The entries with a problem; Enter or a click selects one in the menu, Delete deletes the entries of the selected rows</source>
        <translation>Les entrées qui posent problème ; Enter ou un clic en sélectionne une dans le menu, Delete supprime les entrées des lignes sélectionnées</translation>
    </message>
</context>
<context>
    <name>torvex::ProblemRowsModel</name>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Folder or reason</source>
        <translation>Dossier ou raison</translation>
    </message>
</context>
<context>
    <name>torvex::RecoveryCopy</name>
    <message>
        <source>A save did not finish; the earlier content of the file is kept in %1</source>
        <translation>Un enregistrement n&apos;a pas abouti ; l&apos;ancien contenu du fichier est conservé dans %1</translation>
    </message>
    <message>
        <source>A save of %1 did not finish; its earlier content is kept in %2</source>
        <translation>L&apos;enregistrement de %1 n&apos;a pas abouti ; son ancien contenu est conservé dans %2</translation>
    </message>
    <message>
        <source>Unfinished save</source>
        <translation>Enregistrement inachevé</translation>
    </message>
</context>
<context>
    <name>torvex::SortCommands</name>
    <message>
        <source>Sort by &amp;title</source>
        <translation>&amp;Trier par titre</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Trie les entrées voisines de l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>Sort all &amp;levels</source>
        <translation>Trier tous les &amp;niveaux</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Sous-menus en pr&amp;emier</translation>
    </message>
</context>
<context>
    <name>torvex::SpokenEntry</name>
    <message>
        <source>separator</source>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>%1, submenu</source>
        <translation>%1, sous-menu</translation>
    </message>
    <message>
        <source>%1, item</source>
        <translation>%1, entrée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>no command</source>
        <translation>aucune commande</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>commande %1</translation>
    </message>
    <message>
        <source>%1, target path %2</source>
        <translation>%1, chemin cible %2</translation>
    </message>
</context>
<context>
    <name>torvex::StartUpSequence</name>
    <message>
        <source> Load ini file by clicking Open in the File menu...</source>
        <translation> Chargez un fichier ini avec Ouvrir dans le menu Fichier...</translation>
    </message>
    <message>
        <source>Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key to drop a folder&apos;s name and path onto an existing menu. Drag and drop single menu items.</source>
        <translation>Glissez-déposez des dossiers depuis la liste des dossiers (pour ajouter des sous-menus). Maintenez la touche Ctrl pour déposer le nom et le chemin d&apos;un dossier sur une entrée existante. Les entrées se déplacent aussi par glisser-déposer.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>The file given on the command line does not exist:</source>
        <translation>Le fichier indiqué sur la ligne de commande n&apos;existe pas :</translation>
    </message>
</context>
<context>
    <name>torvex::UndoHistory</name>
    <message numerus="yes">
        <source>Import %n Linux bookmarks</source>
        <translation>
            <numerusform>Importer %n signet Linux</numerusform>
            <numerusform>Importer %n signets Linux</numerusform>
        </translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Déplacer vers le haut : %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Déplacer vers le bas : %1</translation>
    </message>
    <message>
        <source>Move out of submenu %1</source>
        <translation>Sortir du sous-menu : %1</translation>
    </message>
    <message>
        <source>Move into submenu above %1</source>
        <translation>Placer dans le sous-menu du dessus : %1</translation>
    </message>
    <message>
        <source>Edit title of %1</source>
        <translation>Modifier le titre : %1</translation>
    </message>
    <message>
        <source>Edit command of %1</source>
        <translation>Modifier la commande : %1</translation>
    </message>
    <message>
        <source>Edit target path of %1</source>
        <translation>Modifier le chemin cible : %1</translation>
    </message>
    <message>
        <source>Title from folder for %1</source>
        <translation>Titre d&apos;après le dossier : %1</translation>
    </message>
    <message>
        <source>Command from folder for %1</source>
        <translation>Commande d&apos;après le dossier : %1</translation>
    </message>
    <message>
        <source>Target path from folder for %1</source>
        <translation>Chemin cible d&apos;après le dossier : %1</translation>
    </message>
    <message>
        <source>Sort &quot;%1&quot;</source>
        <translation>Trier « %1 »</translation>
    </message>
    <message>
        <source>Sort the top level</source>
        <translation>Trier le niveau supérieur</translation>
    </message>
    <message>
        <source>Sort all levels</source>
        <translation>Trier tous les niveaux</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer : %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n entries</source>
        <translation>
            <numerusform>Supprimer %n entrée</numerusform>
            <numerusform>Supprimer %n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer : %1</translation>
    </message>
    <message>
        <source>Rename %1 after folder</source>
        <translation>Renommer d&apos;après le dossier : %1</translation>
    </message>
    <message>
        <source>Add folder %1</source>
        <translation>Ajouter le dossier : %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n folders</source>
        <translation>
            <numerusform>Ajouter %n dossier</numerusform>
            <numerusform>Ajouter %n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Add submenu to %1</source>
        <translation>Ajouter un sous-menu à : %1</translation>
    </message>
    <message>
        <source>Add sister menu of %1</source>
        <translation>Ajouter une entrée à côté de : %1</translation>
    </message>
    <message>
        <source>Add copy of %1</source>
        <translation>Ajouter une copie de : %1</translation>
    </message>
    <message>
        <source>Add menu</source>
        <translation>Ajouter un menu</translation>
    </message>
</context>
<context>
    <name>torvex::WindowsView</name>
    <message>
        <source>Local Disk (%1:)</source>
        <translation>Disque local (%1:)</translation>
    </message>
</context>
<context>
    <name>torvex::main</name>
    <message>
        <source>Edits the directory menu (section DirMenu) of a wincmd.ini.</source>
        <translation>Modifie le menu des répertoires (section DirMenu) d&apos;un wincmd.ini.</translation>
    </message>
    <message>
        <source>Starts in the Wine prefix &lt;folder&gt; and keeps to it.</source>
        <translation>Démarre dans le préfixe Wine &lt;dossier&gt; et s&apos;y tient.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>The wincmd.ini to edit.</source>
        <translation>Le wincmd.ini à modifier.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
</TS>
