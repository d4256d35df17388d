<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
</TS>
