<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>torvex::BookmarkCommands</name>
    <message>
        <source>&amp;Linux bookmarks...</source>
        <translation>Signets &amp;Linux...</translation>
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
</context>
<context>
    <name>torvex::EntryMoveCommands</name>
    <message>
        <source>Move &amp;up</source>
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
    <name>torvex::SortCommands</name>
    <message>
        <source>&amp;Sort by title</source>
        <translation>&amp;Trier par titre</translation>
    </message>
    <message>
        <source>Sorts the entries beside the selected one</source>
        <translation>Trie les entrées voisines de l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>Sort &amp;all levels</source>
        <translation>Trier tous les &amp;niveaux</translation>
    </message>
    <message>
        <source>Sort su&amp;bmenus first</source>
        <translation>Sous-menus en pr&amp;emier</translation>
    </message>
</context>
</TS>
