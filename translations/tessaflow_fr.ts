<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Adding</name>
    <message>
        <location filename="../shortcuts/Adding.cpp" line="+50"/>
        <source>These names are not valid UTF-8; Tessaflow could only store them as different names, which would not open. Rename them to add them:
%1</source>
        <extracomment>%1 is the list of names, one a line.</extracomment>
        <translation>Ces noms ne sont pas en UTF-8 valide&#xa0;; Tessaflow ne pourrait les enregistrer que sous d’autres noms, qui ne s’ouvriraient pas. Renommez-les pour les ajouter&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../shortcuts/Adding.h" line="+48"/>
        <source>Tessaflow - Add URL</source>
        <translation>Tessaflow - Adresse web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the URL</source>
        <translation>Veuillez saisir l’adresse web à ajouter</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <location filename="../platform/session/Autostart.cpp" line="+68"/>
        <source>could not remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no login entry can start this copy: %1</source>
        <translation>aucune entrée de démarrage ne peut lancer cet exemplaire du programme&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>could not create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>could not write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+59"/>
        <source>an empty or broken name, not added</source>
        <translation>nom vide ou endommagé, non ajouté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not an absolute path, not added: %1</source>
        <translation>chemin non absolu, non ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+87"/>
        <source>not found, not added: %1</source>
        <translation>introuvable, non ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>no group named &quot;%1&quot;</source>
        <extracomment>Said when the command line&apos;s --group names no group; %1 is the name given.</extracomment>
        <translation>aucun groupe nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A launcher for files, folders and web addresses. Each PATH or URL given is added as a shortcut, in the copy already running if there is one.</source>
        <translation>Un lanceur pour fichiers, dossiers et adresses web. Chaque CHEMIN ou URL donné est ajouté comme raccourci, dans l’instance déjà en cours s’il y en a une.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start hidden in the tray, when there is one.</source>
        <translation>Démarrer caché dans la zone de notification, s’il y en a une.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the running copy, or hide it when it is the active window, as the show/hide key does (bind this to a key in the desktop&apos;s keyboard settings). Starts Tessaflow when none runs.</source>
        <translation>Afficher l’instance en cours, ou la masquer quand c’est la fenêtre active, comme le fait la touche afficher/masquer (associez ceci à une touche dans les réglages clavier du bureau). Lance Tessaflow si aucune instance ne tourne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show the group of shortcuts named NAME (as its tab shows it), in the running copy if there is one; the PATHs and URLs given are added to that group.</source>
        <translation>Afficher le groupe de raccourcis nommé NOM (tel que son onglet le nomme), dans l’instance en cours s’il y en a une&#xa0;; les CHEMINS et URL donnés sont ajoutés à ce groupe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NAME</source>
        <extracomment>The value of --group in the help text.</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import the shortcuts of another profile file, a browser&apos;s bookmarks file (HTML) or a folder of desktop entries, in the copy already running if there is one; what was added is printed.</source>
        <translation>Importer les raccourcis d’un autre fichier de profil, d’un fichier de marque-pages d’un navigateur (HTML) ou d’un dossier d’entrées de bureau, dans l’instance déjà en cours s’il y en a une&#xa0;; ce qui a été ajouté est affiché.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PATH</source>
        <extracomment>The value of --import in the help text.</extracomment>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files, folders or web addresses to add as shortcuts.</source>
        <translation>Fichiers, dossiers ou adresses web à ajouter comme raccourcis.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[PATH|URL...]</source>
        <extracomment>The arguments in the usage line.</extracomment>
        <translation>[CHEMIN|URL...]</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>not found, not imported: %1</source>
        <translation>introuvable, non importé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <location filename="../ui/Commands.cpp" line="+55"/>
        <source>Popup</source>
        <extracomment>The context menu&apos;s title; most desktops do not show it.</extracomment>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <location filename="../ui/CommandTable.cpp" line="+49"/>
        <source>Other Application…</source>
        <translation>Autre application…</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;New Group…</source>
        <translation>&amp;Nouveau groupe…</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+81"/>
        <source>&amp;Undo</source>
        <extracomment>A menu item; %1 names the change it undoes, such as: Delete “report”.</extracomment>
        <translation>Annul&amp;er</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>&amp;Undo %1</source>
        <translation>Annul&amp;er (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+75"/>
        <source>&amp;Redo</source>
        <extracomment>A menu item; %1 names the change it makes again, such as: Delete “report”.</extracomment>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>&amp;Redo %1</source>
        <translation>Réta&amp;blir (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cop&amp;y Path</source>
        <translation>Cop&amp;ier le chemin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cop&amp;y Address</source>
        <translation>Cop&amp;ier l’adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Shortcut</source>
        <translation>&amp;Ouvrir le raccourci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Application</source>
        <extracomment>The first item of the menu of an installed application offered while typing.</extracomment>
        <translation>&amp;Ouvrir l’application</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Open &amp;With…</source>
        <translation>Ou&amp;vrir avec…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;how in Folder</source>
        <translation>Affic&amp;her dans le dossier</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move to &amp;Group</source>
        <translation>Déplacer dans un gro&amp;upe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Shortcut</source>
        <translation>&amp;Supprimer le raccourci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move &amp;Left</source>
        <translation>Déplacer vers la &amp;gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move &amp;Right</source>
        <translation>Déplacer vers la droi&amp;te</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Propert&amp;ies…</source>
        <translation>Propri&amp;étés…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add URL Shortcut</source>
        <translation>Ajouter une &amp;adresse web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files…</source>
        <translation>Ajouter des &amp;fichiers…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Fo&amp;lder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Appli&amp;cation…</source>
        <translation>Ajouter une app&amp;lication…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
</context>
<context>
    <name>Deleting</name>
    <message>
        <location filename="../shortcuts/Deleting.cpp" line="+13"/>
        <source>Are you sure you want to delete “%1”?</source>
        <extracomment>%1 is the shortcut&apos;s caption, in the language&apos;s quotation marks.</extracomment>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only the shortcut is removed; the file, folder or web page it opens is not touched.</source>
        <translation>Seul le raccourci est supprimé&#xa0;; le fichier, le dossier ou la page web qu’il ouvre reste intact.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Remove %n shortcuts?</source>
        <translation>
            <numerusform>Supprimer %n raccourci&#xa0;?</numerusform>
            <numerusform>Supprimer %n raccourcis&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the shortcuts are removed; the files, folders or web pages they open are not touched.</source>
        <translation>Seuls les raccourcis sont supprimés&#xa0;; les fichiers, dossiers ou pages web qu’ils ouvrent restent intacts.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../platform/xdg/DesktopEntry.cpp" line="+221"/>
        <source>there is no program to start</source>
        <translation>il n’y a aucun programme à lancer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds characters a desktop entry cannot hold</source>
        <extracomment>%1 is a program or an argument given to it.</extracomment>
        <translation>%1 contient des caractères qu’un fichier .desktop ne peut pas contenir</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 holds both &quot;%&quot; and &quot;=&quot;, which no desktop can start</source>
        <extracomment>%1 is the program&apos;s path.</extracomment>
        <translation>%1 contient à la fois «&#xa0;%&#xa0;» et «&#xa0;=&#xa0;», ce qu’aucun bureau ne peut lancer</translation>
    </message>
    <message>
        <location filename="../platform/xdg/EntryLaunch.cpp" line="+62"/>
        <source>The desktop entry&apos;s command holds %1, which is no field code.</source>
        <extracomment>%1 is what follows a &quot;%&quot; in the program&apos;s command, such as &quot;%z&quot;.</extracomment>
        <translation>La commande de l’entrée de bureau contient %1, qui n’est pas un code de champ.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The desktop entry&apos;s command has a quote that is not closed.</source>
        <translation>La commande de l’entrée de bureau a un guillemet qui n’est pas fermé.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The desktop entry could not be read.</source>
        <translation>L’entrée de bureau n’a pas pu être lue.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop entry is not an application.</source>
        <translation>L’entrée de bureau n’est pas une application.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The desktop entry has no action %1.</source>
        <extracomment>%1 is the action&apos;s id as the desktop entry names it.</extracomment>
        <translation>L’entrée de bureau n’a pas d’action %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+63"/>
        <source>The desktop entry names no program to start.</source>
        <translation>L’entrée de bureau ne nomme aucun programme à lancer.</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>In the desktop entry&apos;s command, %1 must stand as an argument of its own.</source>
        <extracomment>%1 is a field code such as &quot;%F&quot;.</extracomment>
        <translation>Dans la commande de l’entrée de bureau, %1 doit être un argument à lui seul.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The program opens only files, and %1 is not one.</source>
        <extracomment>%1 is a web address or other link.</extracomment>
        <translation>Le programme n’ouvre que des fichiers, et %1 n’en est pas un.</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <location filename="../platform/globalkey/GlobalKey.cpp" line="+12"/>
        <source>%1 To show and hide Tessaflow with a key, bind the command &quot;tessaflow --toggle&quot; to it in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is a sentence saying why the key cannot be taken here.</extracomment>
        <translation>%1 Pour afficher et masquer Tessaflow avec une touche, associez la commande «&#xa0;tessaflow --toggle&#xa0;» à cette touche dans les paramètres du clavier de votre bureau.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 cannot be the show/hide key: every program would lose it for typing. Add Ctrl, Alt or the logo key, or choose a function key.</source>
        <extracomment>%1 is the key, such as A or Space.</extracomment>
        <translation>%1 ne peut pas être la touche afficher/masquer : aucun programme ne pourrait plus s’en servir pour la saisie. Ajoutez Ctrl, Alt ou la touche logo, ou choisissez une touche de fonction.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This desktop gives programs no global keys.</source>
        <translation>Ce bureau ne permet pas aux programmes de réserver des touches globales.</translation>
    </message>
</context>
<context>
    <name>Importing</name>
    <message>
        <location filename="../config/ProfileImport.cpp" line="+45"/>
        <source>an entry this version cannot read</source>
        <translation>une entrée que cette version ne sait pas lire</translation>
    </message>
    <message>
        <location filename="../shortcuts/Bookmarks.cpp" line="+82"/>
        <source>not a web address</source>
        <translation>pas une adresse web</translation>
    </message>
    <message>
        <location filename="../shortcuts/Importing.cpp" line="+24"/>
        <source>not a readable desktop entry</source>
        <translation>pas une entrée de bureau lisible</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an application</source>
        <translation>pas une application</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+46"/>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>No shortcut was added.</source>
        <translation>Aucun raccourci n’a été ajouté.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n added: %1</source>
        <extracomment>%1 is a list of the first few captions.</extracomment>
        <translation>
            <numerusform>%n ajouté&#xa0;: %1</numerusform>
            <numerusform>%n ajoutés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n already there: %1</source>
        <extracomment>Shortcuts of the same target were there before the import. %1 is a list of captions.</extracomment>
        <translation>
            <numerusform>%n déjà présent&#xa0;: %1</numerusform>
            <numerusform>%n déjà présents&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <extracomment>A name and why it was not imported, as in &quot;mail.desktop (not an application)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n skipped: %1</source>
        <extracomment>%1 is a list of names, each with its reason.</extracomment>
        <translation>
            <numerusform>%n ignoré&#xa0;: %1</numerusform>
            <numerusform>%n ignorés&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <location filename="../platform/ipc/InstanceSocket.cpp" line="+36"/>
        <location line="+17"/>
        <source>is a symbolic link</source>
        <extracomment>Follows a path.</extracomment>
        <translation>est un lien symbolique</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>is a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation>est un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is a socket of another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation>est un socket d’un autre utilisateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a socket</source>
        <extracomment>Follows a path.</extracomment>
        <translation>n’est pas un socket</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>is not a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation>n’est pas un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>belongs to another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>may be used by other users (mode %1)</source>
        <extracomment>Follows a path; %1 is the folder&apos;s permissions in octal.</extracomment>
        <translation>peut être utilisé par d’autres utilisateurs (mode %1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be written to (mode %1)</source>
        <extracomment>Follows a path; %1 is the folder&apos;s permissions in octal.</extracomment>
        <translation>n’est pas accessible en écriture (mode %1)</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>%1 %2</source>
        <extracomment>%1 is a folder&apos;s path, %2 what is wrong with it (&quot;is a symbolic link&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <location filename="../shortcuts/Launch.cpp" line="+53"/>
        <source>%1 cannot be opened: “%2” is missing.

Remove this shortcut?</source>
        <extracomment>%1 is the shortcut&apos;s caption, %2 the file or folder it opens.</extracomment>
        <translation>Impossible d’ouvrir %1&#xa0;: «&#xa0;%2&#xa0;» est introuvable.

Supprimer ce raccourci&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ListItemsModel</name>
    <message>
        <location filename="../platform/widgets/ShownItems.cpp" line="+21"/>
        <source>Alt+%1 opens it</source>
        <extracomment>A line of a shortcut&apos;s tooltip: %1 is a digit from 1 to 9; the key opens the shortcut.</extracomment>
        <translation>Alt+%1 pour l’ouvrir</translation>
    </message>
</context>
<context>
    <name>Opener</name>
    <message>
        <location filename="../platform/process/Opener.cpp" line="+26"/>
        <source>“%1”</source>
        <extracomment>Quotation marks around a file name, folder or address.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No program to open it is installed (xdg-open is missing).</source>
        <translation>Aucun programme n’est installé pour l’ouvrir (xdg-open est absent).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop&apos;s opener (xdg-open) reported an error in its command line.</source>
        <translation>Le programme d’ouverture du bureau (xdg-open) a signalé une erreur dans sa ligne de commande.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or folder does not exist.</source>
        <translation>Le fichier ou le dossier n’existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No program to open it is installed.</source>
        <translation>Aucun programme n’est installé pour l’ouvrir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening it failed.</source>
        <translation>L’ouverture a échoué.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You do not have permission to open it.</source>
        <translation>Vous n’avez pas l’autorisation de l’ouvrir.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 ended with code %2.</source>
        <extracomment>%1 is the program&apos;s file name, %2 the number it ended with.</extracomment>
        <translation>%1 s’est terminé avec le code %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not open %1.

%2</source>
        <extracomment>%1 is the quoted target, %2 the reason it could not be opened.</extracomment>
        <translation>Impossible d’ouvrir %1.

%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+11"/>
        <source>There is nothing to open.</source>
        <translation>Il n’y a rien à ouvrir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file or folder %1 does not exist.</source>
        <translation>Le fichier ou le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file or folder %1 cannot be reached: %2.</source>
        <extracomment>%1 is the quoted path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier ou le dossier %1 est inaccessible : %2.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Its working folder %1 is not there.</source>
        <extracomment>%1 is the quoted folder.</extracomment>
        <translation>Son dossier de travail %1 n’existe pas.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>It is to run in a terminal, and no terminal was found. Install one (such as xterm), or name yours in the TERMINAL environment variable.</source>
        <translation>Il doit s’exécuter dans un terminal, et aucun terminal n’a été trouvé. Installez-en un (comme xterm) ou nommez le vôtre dans la variable d’environnement TERMINAL.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The program %1 is not installed.</source>
        <extracomment>%1 is the quoted name of a program.</extracomment>
        <translation>Le programme %1 n’est pas installé.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is the quoted program, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de lancer %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message numerus="yes">
        <location filename="../shortcuts/Paste.cpp" line="+132"/>
        <source>Only the first %1 of the %n lines pasted were taken.</source>
        <translation>
            <numerusform>Seules les %1 premières lignes collées sur %n ont été prises en compte.</numerusform>
            <numerusform>Seules les %1 premières lignes collées sur %n ont été prises en compte.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 line longer than %1 characters was not taken.</source>
        <extracomment>%1 is the longest line taken, in characters.</extracomment>
        <translation>1 ligne de plus de %1 caractères n’a pas été prise.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines longer than %1 characters were not taken.</source>
        <translation>
            <numerusform>%n ligne de plus de %1 caractères n’a pas été prise.</numerusform>
            <numerusform>%n lignes de plus de %1 caractères n’ont pas été prises.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2</source>
        <extracomment>A paste&apos;s report and the lines it did not take: %1 is the report, %2 the first lines, each in quotes.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <location filename="../platform/profile/ProfileDocument.cpp" line="+161"/>
        <source>the key name is empty</source>
        <translation>le nom de la clé est vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a profile entry cannot hold a line break</source>
        <translation>une entrée du profil ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key name &quot;%1&quot; cannot be stored in a profile</source>
        <translation>le nom de clé «&#xa0;%1&#xa0;» ne peut pas être enregistré dans un profil</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <location filename="../platform/profile/ProfileFile.cpp" line="+36"/>
        <location line="+19"/>
        <location line="+30"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>only part of the data could be written (disk full?)</source>
        <translation>seule une partie des données a pu être écrite (disque plein&#xa0;?)</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <location filename="../platform/profile/ProfileGuard.cpp" line="+36"/>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>c’est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>c’est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+4"/>
        <location line="+12"/>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 the reason.</extracomment>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Cannot keep the other version of %1 as %2: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 the backup&apos;s path, %3 the system&apos;s reason.</extracomment>
        <translation>Impossible de conserver l’autre version de %1 sous le nom %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Cannot write %1: %2 is in the way of its lock: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 its lock file&apos;s path, %3 what is there instead of a file.</extracomment>
        <translation>Impossible d’écrire %1&#xa0;: %2 empêche de le verrouiller&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write %1: another program keeps it locked (%1.lock)</source>
        <translation>Impossible d’écrire %1&#xa0;: un autre programme le garde verrouillé (%1.lock)</translation>
    </message>
</context>
<context>
    <name>ProfileVersions</name>
    <message>
        <location filename="../platform/profile/ProfileVersions.cpp" line="+210"/>
        <source>Cannot keep an earlier version of %1 in %2: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 the folder of its earlier versions, %3 the reason.</extracomment>
        <translation>Impossible de conserver une version antérieure de %1 dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Cannot read the earlier versions in %1: %2</source>
        <extracomment>%1 is the folder of the profile&apos;s earlier versions, %2 the reason.</extracomment>
        <translation>Impossible de lire les versions antérieures dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ShortcutList</name>
    <message>
        <location filename="../shortcuts/ShortcutList.cpp" line="+84"/>
        <source>This file or folder is missing.</source>
        <translation>Ce fichier ou dossier est introuvable.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No shortcuts</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 shortcut</source>
        <translation>1 raccourci</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n raccourci</numerusform>
            <numerusform>%n raccourcis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 of %n shortcuts match</source>
        <extracomment>Read out while typing finds shortcuts: %1 of (%n) all shortcuts match.</extracomment>
        <translation>
            <numerusform>%1 sur %n raccourci correspond</numerusform>
            <numerusform>%1 sur %n raccourcis correspondent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShortcutModel</name>
    <message>
        <location filename="../shortcuts/ShortcutGroups.cpp" line="+13"/>
        <source>Shortcuts</source>
        <extracomment>The first group of shortcuts, until the user renames it.</extracomment>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>A group needs a name.</source>
        <translation>Un groupe doit avoir un nom.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is already a group called “%1”.</source>
        <extracomment>%1 is the name asked for.</extracomment>
        <translation>Il existe déjà un groupe nommé «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>StoredVersions</name>
    <message>
        <location filename="../config/StoredVersions.cpp" line="+76"/>
        <source>%1 holds no shortcuts section</source>
        <extracomment>%1 is the path of an earlier version of the profile.</extracomment>
        <translation>%1 ne contient aucune section de raccourcis</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>other groups</source>
        <extracomment>In the list of earlier versions: the shortcuts are the same, only the groups differ.</extracomment>
        <translation>autres groupes</translation>
    </message>
</context>
<context>
    <name>TypedText</name>
    <message>
        <location filename="../shortcuts/TypedText.cpp" line="+38"/>
        <source>This is not a web address: it needs a host such as example.com.</source>
        <translation>Ce n’est pas une adresse web : il y manque un hôte comme example.com.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing on this desktop opens %1: links.</source>
        <extracomment>%1 is the link&apos;s scheme, such as &quot;htp&quot;.</extracomment>
        <translation>Aucun programme de ce bureau n’ouvre les liens %1:.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Type a web address, such as example.com, or press Cancel.</source>
        <translation>Saisissez une adresse web, par exemple example.com, ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is no file or folder at %1.</source>
        <extracomment>%1 is the path typed.</extracomment>
        <translation>Il n’y a aucun fichier ni dossier à l’emplacement %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is not a web address: it has blanks and no scheme such as https://.</source>
        <translation>Ce n’est pas une adresse web&#xa0;: le texte contient des espaces et aucun préfixe tel que https://.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is not a web address: it has no scheme such as https:// and no host such as example.com.</source>
        <translation>Ce n’est pas une adresse web&#xa0;: le texte n’a ni préfixe tel que https://, ni nom d’hôte tel que example.com.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>No shortcut added</source>
        <translation>Aucun raccourci ajouté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 shortcut added</source>
        <translation>1 raccourci ajouté</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n shortcuts added</source>
        <translation>
            <numerusform>%n raccourci ajouté</numerusform>
            <numerusform>%n raccourcis ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the clipboard holds no file, folder or web address</source>
        <translation>le presse-papiers ne contient aucun fichier, dossier ou adresse web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was not a file, folder or web address</source>
        <translation>1 ligne n’était ni un fichier, ni un dossier, ni une adresse web</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were not a file, folder or web address</source>
        <translation>
            <numerusform>%n ligne n’était ni un fichier, ni un dossier, ni une adresse web</numerusform>
            <numerusform>%n lignes n’étaient ni un fichier, ni un dossier, ni une adresse web</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <extracomment>A paste&apos;s report: %1 says how many shortcuts were added, %2 what of the clipboard was not taken.</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
</context>
<context>
    <name>X11GlobalKey</name>
    <message>
        <location filename="../platform/globalkey/X11GlobalKey.cpp" line="+110"/>
        <source>%1 cannot be used as the show/hide key: this keyboard has no such key.</source>
        <extracomment>%1 is the key, such as Ctrl+Alt+T.</extracomment>
        <translation>Impossible d’utiliser %1 comme touche pour afficher/masquer&#xa0;: ce clavier n’a pas cette touche.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is already used by another program, so it cannot show and hide Tessaflow. Choose another key.</source>
        <extracomment>%1 is the key, such as Ctrl+Alt+T.</extracomment>
        <translation>Un autre programme utilise déjà %1&#xa0;; cette touche ne peut donc pas afficher et masquer Tessaflow. Choisissez-en une autre.</translation>
    </message>
</context>
<context>
    <name>launcher::Controller</name>
    <message>
        <location filename="../launcher/Controller.cpp" line="+92"/>
        <source>The shortcuts could not be read from %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be read.</extracomment>
        <translation>Impossible de lire les raccourcis depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The shortcuts could not be saved to %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Impossible d’enregistrer les raccourcis dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since Tessaflow read it. That version was kept as %2 before the shortcuts shown here were saved.</source>
        <extracomment>%1 is the profile&apos;s path, %2 the file that keeps the version found on disk.</extracomment>
        <translation>%1 a été modifié par un autre programme depuis que Tessaflow l’a lu. Cette version a été conservée sous le nom %2 avant l’enregistrement des raccourcis affichés ici.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The shortcuts were saved, but their earlier version could not be kept. %1</source>
        <extracomment>%1 why the shortcuts as they were could not be kept as an earlier version.</extracomment>
        <translation>Les raccourcis ont été enregistrés, mais leur version antérieure n’a pas pu être conservée. %1</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Properties of “%1”</source>
        <extracomment>An undo step: %1 is the shortcut&apos;s caption before its properties were edited.</extracomment>
        <translation>Propriétés de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tessaflow - Add Files</source>
        <translation>Tessaflow - Ajouter des fichiers</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaflow - Add Folders</source>
        <translation>Tessaflow - Ajouter des dossiers</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Starting at login could not be changed: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Impossible de modifier le lancement à l’ouverture de session&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../launcher/GroupCommands.cpp" line="+8"/>
        <source>Move to Group “%1”</source>
        <extracomment>An undo step: %1 is the group the shortcuts were moved to.</extracomment>
        <translation>Déplacer dans le groupe «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Tessaflow - New Group</source>
        <translation>Tessaflow - Nouveau groupe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name of the new group:</source>
        <extracomment>The prompt for a new group&apos;s name.</extracomment>
        <translation>Nom du nouveau groupe&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New Group “%1”</source>
        <extracomment>An undo step: %1 is the new group&apos;s name.</extracomment>
        <translation>Nouveau groupe «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Tessaflow - Rename Group</source>
        <translation>Tessaflow - Renommer le groupe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New name of the group “%1”:</source>
        <extracomment>%1 is the group&apos;s name now.</extracomment>
        <translation>Nouveau nom du groupe «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename Group “%1”</source>
        <extracomment>An undo step: %1 is the group&apos;s name before it was renamed.</extracomment>
        <translation>Renommer le groupe «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete the group “%1”? Its shortcuts move to “%2”.</source>
        <extracomment>%1 is the group to delete, %2 the group its shortcuts move to.</extracomment>
        <translation>Supprimer le groupe «&#xa0;%1&#xa0;»&#xa0;? Ses raccourcis passent dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaflow - Delete Group</source>
        <translation>Tessaflow - Supprimer le groupe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Delete Group “%1”</source>
        <extracomment>An undo step: %1 is the deleted group&apos;s name.</extracomment>
        <translation>Supprimer le groupe «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Move Group “%1”</source>
        <extracomment>An undo step: %1 is the name of the group whose tab was moved.</extracomment>
        <translation>Déplacer le groupe «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore</source>
        <extracomment>An undo step: every shortcut replaced by an earlier version&apos;s.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <location filename="../launcher/ImportCommands.cpp" line="+48"/>
        <location line="+4"/>
        <source>Nothing imported: %1 cannot be read.</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>Rien n’a été importé&#xa0;: %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing imported from %1: %2</source>
        <extracomment>%1 is a path, %2 why it could not be read.</extracomment>
        <translation>Rien n’a été importé de %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Tessaflow - Import</source>
        <translation>Tessaflow - Importer</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Tessaflow - Export</source>
        <translation>Tessaflow - Exporter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not export to %1: %2</source>
        <extracomment>%1 is a path, %2 why it could not be written.</extracomment>
        <translation>Impossible d’exporter vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../launcher/OutsideChanges.cpp" line="+114"/>
        <source>The shortcuts of %1 were taken in, but the file could not be put away: %2</source>
        <extracomment>%1 is a copy of the profile a sync tool left beside it, %2 why it stays.</extracomment>
        <translation>Les raccourcis de %1 ont été repris, mais le fichier n’a pas pu être mis de côté&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be removed</source>
        <translation>il ne peut pas être supprimé</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 was changed by another program while the same shortcuts were changed here. %n shortcut(s) now show twice: the version made here, and the other one right after it.</source>
        <extracomment>%1 is the profile&apos;s path; %n how many shortcuts now show twice.</extracomment>
        <translation>
            <numerusform>%1 a été modifié par un autre programme pendant que les mêmes raccourcis étaient modifiés ici. %n raccourci apparaît maintenant deux fois&#xa0;: la version faite ici, puis l’autre juste après.</numerusform>
            <numerusform>%1 a été modifié par un autre programme pendant que les mêmes raccourcis étaient modifiés ici. %n raccourcis apparaissent maintenant deux fois&#xa0;: la version faite ici, puis l’autre juste après.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../launcher/UndoCommands.cpp" line="+59"/>
        <source>Rename “%1”</source>
        <extracomment>An undo step: %1 is the shortcut&apos;s caption before it was renamed.</extracomment>
        <translation>Renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Delete “%1”</source>
        <extracomment>An undo step: %1 is the deleted shortcut&apos;s caption.</extracomment>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Delete %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts deleted at once.</extracomment>
        <translation>
            <numerusform>Supprimer %n raccourci</numerusform>
            <numerusform>Supprimer %n raccourcis</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Move “%1”</source>
        <extracomment>An undo step: %1 is the caption of the shortcut moved in the list or on the window.</extracomment>
        <translation>Déplacer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Move %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts moved at once.</extracomment>
        <translation>
            <numerusform>Déplacer %n raccourci</numerusform>
            <numerusform>Déplacer %n raccourcis</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add “%1”</source>
        <extracomment>An undo step: %1 is the added shortcut&apos;s caption.</extracomment>
        <translation>Ajouter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Add %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts added at once.</extracomment>
        <translation>
            <numerusform>Ajouter %n raccourci</numerusform>
            <numerusform>Ajouter %n raccourcis</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change</source>
        <extracomment>An undo step that no other name fits.</extracomment>
        <translation>Modification</translation>
    </message>
</context>
<context>
    <name>options::frmOptions</name>
    <message>
        <location filename="../options/frmOptions.cpp" line="+69"/>
        <source>Start at &amp;login</source>
        <translation>Lancer à l’ouverture de &amp;session</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A &amp;profile or bookmarks file…</source>
        <translation>Un fichier de &amp;profil ou de marque-pages…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A &amp;folder of desktop entries…</source>
        <translation>Un &amp;dossier d’entrées de bureau…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Docks and panels</source>
        <extracomment>Imports the launchers of other docks and panels found in the home folder.</extracomment>
        <translation>Docks et &amp;panneaux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A &amp;copy of the profile…</source>
        <extracomment>A copy of the profile file, tsw.ini.</extracomment>
        <translation>Une &amp;copie du profil…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The &amp;web addresses as bookmarks…</source>
        <extracomment>The shortcuts&apos; web addresses, as a file browsers import.</extracomment>
        <translation>Les adresses &amp;web en marque-pages…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tessaflow - Options</source>
        <translation>Tessaflow - Options</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Manual Icons</source>
        <extracomment>How the icons are arranged: placed by hand.</extracomment>
        <translation>Manuelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Left</source>
        <extracomment>Arranged automatically, in columns from the left.</extracomment>
        <translation>Automatique, à gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Top</source>
        <extracomment>Arranged automatically, in rows from the top.</extracomment>
        <translation>Automatique, en haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut Arrangement</source>
        <translation>Choisir la disposition des raccourcis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Large Icons</source>
        <extracomment>A view of the shortcuts.</extracomment>
        <translation>Grandes icônes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Small Icons</source>
        <translation>Petites icônes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List View</source>
        <translation>Vue en liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut View</source>
        <translation>Choisir l’affichage des raccourcis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit %1</source>
        <extracomment>%1 is the program&apos;s web site.</extracomment>
        <translation>Visiter %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Clear the key</source>
        <extracomment>What a screen reader calls the button that clears the show/hide key.</extracomment>
        <translation>Effacer la touche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press the keys that show and hide Tessaflow from anywhere</source>
        <translation>Appuyez sur les touches qui affichent et masquent Tessaflow depuis n’importe où</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Arrangement:</source>
        <translation>&amp;Disposition&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View:</source>
        <translation>&amp;Affichage&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find &amp;applications too</source>
        <extracomment>Typing in the main window offers installed applications after the shortcuts it finds.</extracomment>
        <translation>Trouver aussi les a&amp;pplications</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show/hide &amp;key:</source>
        <translation>&amp;Touche afficher/masquer&#xa0;:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The desktop has bound it to %1.</source>
        <extracomment>%1 is how the desktop names the key it runs the show/hide key with, e.g. &quot;Ctrl+Alt+K&quot;.</extracomment>
        <translation>Le bureau a attribué la touche %1.</translation>
    </message>
</context>
<context>
    <name>platform::ListView</name>
    <message>
        <location filename="../platform/widgets/ListView.cpp" line="+302"/>
        <source>%1. %2</source>
        <extracomment>Read out for the empty list: %1 says it holds no shortcuts, %2 what it is for.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../platform/widgets/AccessibleList.cpp" line="+74"/>
        <source>Open</source>
        <extracomment>What a screen reader calls the action that opens a shortcut.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Opens the shortcut</source>
        <extracomment>How a screen reader describes the action that opens a shortcut.</extracomment>
        <translation>Ouvre le raccourci</translation>
    </message>
    <message>
        <location filename="../platform/widgets/ListViewOffers.cpp" line="+51"/>
        <source>Applications</source>
        <extracomment>What a screen reader calls the small list of applications offered while typing.</extracomment>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>platform::PortalGlobalKey</name>
    <message>
        <location filename="../platform/globalkey/PortalGlobalKey.cpp" line="+76"/>
        <source>There is no session bus to reach the desktop portal through.</source>
        <translation>Aucun bus de session ne permet d’atteindre le portail de bureau.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The desktop did not bind the key. Choose one for “%1” in its settings (System Settings → Shortcuts).</source>
        <extracomment>%1 is the name of the show/hide key in the desktop&apos;s settings.</extracomment>
        <translation>Le bureau n’a pas attribué la touche. Choisissez-en une pour «&#xa0;%1&#xa0;» dans ses paramètres (Configuration du système → Raccourcis).</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No desktop portal answers here.</source>
        <translation>Aucun portail de bureau ne répond ici.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop portal here has no global shortcuts.</source>
        <translation>Le portail de bureau ne gère pas ici les raccourcis clavier globaux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop portal did not take the key (%1).</source>
        <extracomment>%1 is the portal&apos;s own error message.</extracomment>
        <translation>Le portail de bureau n’a pas accepté la touche (%1).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The desktop portal did not answer in time.</source>
        <translation>Le portail de bureau n’a pas répondu à temps.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The desktop portal stopped, so the key does nothing until the portal is back.</source>
        <translation>Le portail de bureau s’est arrêté&#xa0;: la touche ne fait rien jusqu’à son retour.</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>The desktop portal did not open a session for the key.</source>
        <translation>Le portail de bureau n’a pas ouvert de session pour la touche.</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Show or hide Tessaflow</source>
        <extracomment>How the desktop&apos;s keyboard settings name the show/hide key.</extracomment>
        <translation>Afficher ou masquer Tessaflow</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The desktop did not allow the key.</source>
        <translation>Le bureau n’a pas autorisé la touche.</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <location filename="../platform/ipc/HandOver.cpp" line="+33"/>
        <source>no private folder for the running-copy socket (%1); going on without one</source>
        <extracomment>%1 says why there is none.</extracomment>
        <translation>pas de dossier privé pour le socket de l’instance déjà lancée (%1)&#xa0;; le programme continue sans ce socket</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>could not lock %1</source>
        <translation>impossible de verrouiller %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2, where the running copy&apos;s socket belongs; remove it and start again</source>
        <extracomment>%1 is a path, %2 what is there instead (&quot;is a folder&quot;).</extracomment>
        <translation>%1 %2, à l’emplacement du socket de l’instance déjà lancée&#xa0;; supprimez-le et relancez le programme</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+57"/>
        <source>the running copy does not answer</source>
        <translation>l’instance déjà lancée ne répond pas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is served by another user; nothing handed over</source>
        <translation>%1 est servi par un autre utilisateur&#xa0;; rien n’a été transmis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too many shortcuts to hand over at once</source>
        <translation>trop de raccourcis à transmettre en une fois</translation>
    </message>
    <message>
        <location filename="../platform/ipc/SingleInstance.cpp" line="+154"/>
        <source>could not listen on %1: %2</source>
        <extracomment>%1 is the socket&apos;s path, %2 why.</extracomment>
        <translation>impossible d’écouter sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>1 more not added</source>
        <translation>1 autre non ajouté</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n more not added</source>
        <translation>
            <numerusform>%n autre non ajouté</numerusform>
            <numerusform>%n autres non ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing imported: %1</source>
        <translation>rien n’a été importé&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n more not added: at most %1 are taken at once</source>
        <extracomment>%1 is how many one start may hand over.</extracomment>
        <translation>
            <numerusform>%n autre non ajouté : %1 au plus sont pris à la fois</numerusform>
            <numerusform>%n autres non ajoutés : %1 au plus sont pris à la fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shortcuts::ApplicationModel</name>
    <message>
        <location filename="../shortcuts/ApplicationList.cpp" line="+54"/>
        <source>(already added)</source>
        <extracomment>Beside an application in the Add Applications window that is a shortcut already.</extracomment>
        <translation>(déjà ajoutée)</translation>
    </message>
</context>
<context>
    <name>shortcuts::Finder</name>
    <message>
        <location filename="../shortcuts/Finder.cpp" line="+50"/>
        <source>No exact match; 1 close match</source>
        <extracomment>Read out when nothing matches what was typed and the list shows shortcuts one typing slip away.</extracomment>
        <translation>Aucune correspondance exacte&#xa0;; 1 correspondance proche</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>No exact match; %n close matches</source>
        <translation>
            <numerusform>Aucune correspondance exacte&#xa0;; %n correspondance proche</numerusform>
            <numerusform>Aucune correspondance exacte&#xa0;; %n correspondances proches</numerusform>
        </translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 — no exact match; close matches:</source>
        <extracomment>The filter line when only captions one typing slip away from what was typed (%1) are shown.</extracomment>
        <translation>%1 — aucune correspondance exacte&#xa0;; correspondances proches&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No shortcut matches “%1”</source>
        <extracomment>Shown in the list when typing finds nothing; %1 is what was typed.</extracomment>
        <translation>Aucun raccourci ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No shortcut of this group matches “%1”; other groups&apos; matches are listed.</source>
        <extracomment>Shown in the list when typing finds shortcuts of other groups only; %1 is what was typed.</extracomment>
        <translation>Aucun raccourci de ce groupe ne correspond à «&#xa0;%1&#xa0;»&#xa0;; ceux des autres groupes sont listés.</translation>
    </message>
</context>
<context>
    <name>shortcuts::OfferedApplications</name>
    <message>
        <location filename="../shortcuts/OfferedApplications.cpp" line="+118"/>
        <source>Application</source>
        <extracomment>Under an installed application that typing in the main window offers besides the shortcuts.</extracomment>
        <translation>Application</translation>
    </message>
</context>
<context>
    <name>shortcuts::OtherGroupMatches</name>
    <message>
        <location filename="../shortcuts/OtherGroupMatches.cpp" line="+60"/>
        <source>In “%1”</source>
        <extracomment>Under a shortcut of another group that typing finds; %1 is that group&apos;s name.</extracomment>
        <translation>Dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>In “%1”: %2</source>
        <extracomment>What screen readers say of a shortcut of another group that typing finds: %1 is that group&apos;s name, %2 what the shortcut opens.</extracomment>
        <translation>Dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ui::AddApplications</name>
    <message>
        <location filename="../ui/AddApplications.cpp" line="+25"/>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tessaflow - Add Applications</source>
        <translation>Tessaflow - Ajouter des applications</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaflow - Open With</source>
        <translation>Tessaflow - Ouvrir avec</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name, kind or keyword</source>
        <extracomment>Shown in the empty filter field of the Add Applications window.</extracomment>
        <translation>Nom, type ou mot-clé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Applications</source>
        <extracomment>What a screen reader calls the list of the Add Applications window.</extracomment>
        <translation>Applications</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>ui::EarlierVersions</name>
    <message>
        <location filename="../ui/EarlierVersions.cpp" line="+22"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaflow - Earlier Versions</source>
        <translation>Tessaflow - Versions antérieures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The shortcuts as they were before earlier changes, newest first:</source>
        <extracomment>Above the list of earlier versions of the shortcuts.</extracomment>
        <translation>Les raccourcis tels qu’ils étaient avant des modifications antérieures, les plus récentes d’abord&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Earlier versions</source>
        <extracomment>What a screen reader calls the list of earlier versions.</extracomment>
        <translation>Versions antérieures</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Replaces the shortcuts with those of the chosen version</source>
        <extracomment>What a screen reader says the Restore button does.</extracomment>
        <translation>Remplace les raccourcis par ceux de la version choisie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the same as now</source>
        <extracomment>In the list of earlier versions: one that holds the same shortcuts as now.</extracomment>
        <translation>identique à maintenant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unreadable</source>
        <extracomment>In the list of earlier versions: one that cannot be read.</extracomment>
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>changed by another program</source>
        <extracomment>In the list of earlier versions: one another program had written into the profile.</extracomment>
        <translation>modifié par un autre programme</translation>
    </message>
</context>
<context>
    <name>ui::GroupTabs</name>
    <message>
        <location filename="../ui/GroupTabs.cpp" line="+68"/>
        <source>&amp;Rename Group…</source>
        <translation>&amp;Renommer le groupe…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Group…</source>
        <translation>&amp;Supprimer le groupe…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;New Group…</source>
        <translation>&amp;Nouveau groupe…</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+48"/>
        <source>%1 by %2</source>
        <extracomment>The window title: %1 is the program&apos;s name, %2 its web site.</extracomment>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;SysTray</source>
        <translation>Zone de &amp;notification</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Drag &amp; Drop files to Add</source>
        <translation>Glissez-déposez des fichiers ici pour les ajouter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop files, folders or links here — or press Insert or Ctrl+V, or right-click for Add Application…</source>
        <translation>Déposez ici des fichiers, des dossiers ou des liens — ou appuyez sur Inser ou Ctrl+V, ou choisissez « Ajouter une application… » dans le menu contextuel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shortcuts</source>
        <extracomment>What a screen reader calls the list of shortcuts.</extracomment>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start at &amp;Login</source>
        <translation>Lancer à l’ouverture de &amp;session</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Earlier &amp;Versions…</source>
        <extracomment>Opens the list of the shortcuts as they were before earlier changes.</extracomment>
        <translation>&amp;Versions antérieures…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> - v%1.%2.%3</source>
        <extracomment>Appended to the window title: the version number.</extracomment>
        <translation> - v%1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ui::Properties</name>
    <message>
        <location filename="../ui/Properties.cpp" line="+50"/>
        <source>Run in a &amp;terminal</source>
        <translation>Exécuter dans un t&amp;erminal</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaflow - Properties</source>
        <translation>Tessaflow - Propriétés</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--option &quot;a file name with blanks&quot;</source>
        <extracomment>Shown in the empty arguments field: each argument separated by blanks, quoted where it holds one.</extracomment>
        <translation>--option &quot;un nom de fichier avec des espaces&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <extracomment>Shown in the empty icon field: the icon its kind of target gets.</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Icon preview</source>
        <extracomment>What a screen reader calls the picture of the icon the shortcut will show.</extracomment>
        <translation>Aperçu de l’icône</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the working folder</source>
        <extracomment>What a screen reader says of the button beside the working folder field.</extracomment>
        <translation>Choisir le dossier de travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Image…</source>
        <translation>C&amp;hoisir une image…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset the icon to automatic</source>
        <extracomment>What a screen reader says of the button that gives the shortcut its automatic icon back.</extracomment>
        <translation>Remettre l’icône automatique</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Caption:</source>
        <translation>&amp;Libellé&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Target:</source>
        <translation>&amp;Cible&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Arguments:</source>
        <translation>&amp;Arguments&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Working folder:</source>
        <translation>Dossier de &amp;travail&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Icon:</source>
        <translation>&amp;Icône&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;omment:</source>
        <translation>C&amp;ommentaire&#xa0;:</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Tessaflow - Working Folder</source>
        <translation>Tessaflow - Dossier de travail</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaflow - Icon Image</source>
        <translation>Tessaflow - Image de l’icône</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A shortcut needs a caption.</source>
        <translation>Un raccourci a besoin d’un libellé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This target names nothing that can be opened.</source>
        <translation>Cette cible ne nomme rien qui puisse être ouvert.</translation>
    </message>
</context>
<context>
    <name>ui::ShowHide</name>
    <message>
        <location filename="../ui/ShowHide.cpp" line="+142"/>
        <source>&quot;%1&quot; in tsw.ini is not a key, so Tessaflow has no show/hide key. Choose one in Options.</source>
        <extracomment>%1 is the text of HotKey= in the profile, which names no key.</extracomment>
        <translation>« %1 » dans tsw.ini n’est pas une touche : Tessaflow n’a donc pas de touche afficher/masquer. Choisissez-en une dans les options.</translation>
    </message>
</context>
</TS>
