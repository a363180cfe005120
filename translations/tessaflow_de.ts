<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Adding</name>
    <message>
        <location filename="../shortcuts/Adding.cpp" line="+50"/>
        <source>These names are not valid UTF-8; Tessaflow could only store them as different names, which would not open. Rename them to add them:
%1</source>
        <extracomment>%1 is the list of names, one a line.</extracomment>
        <translation>Diese Namen sind kein gültiges UTF-8; Tessaflow könnte sie nur unter anderen Namen speichern, die sich dann nicht öffnen ließen. Benennen Sie sie um, um sie hinzuzufügen:
%1</translation>
    </message>
    <message>
        <location filename="../shortcuts/Adding.h" line="+48"/>
        <source>Tessaflow - Add URL</source>
        <translation>Tessaflow - Webadresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the URL</source>
        <translation>Bitte geben Sie die Webadresse ein</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <location filename="../platform/session/Autostart.cpp" line="+68"/>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no login entry can start this copy: %1</source>
        <translation>kein Anmeldeeintrag kann dieses Programm starten: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>could not create %1</source>
        <translation>%1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+59"/>
        <source>an empty or broken name, not added</source>
        <translation>leerer oder beschädigter Name, nicht hinzugefügt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not an absolute path, not added: %1</source>
        <translation>kein absoluter Pfad, nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+87"/>
        <source>not found, not added: %1</source>
        <translation>nicht gefunden, nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>no group named &quot;%1&quot;</source>
        <extracomment>Said when the command line&apos;s --group names no group; %1 is the name given.</extracomment>
        <translation>keine Gruppe namens „%1“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A launcher for files, folders and web addresses. Each PATH or URL given is added as a shortcut, in the copy already running if there is one.</source>
        <translation>Ein Starter für Dateien, Ordner und Webadressen. Jeder angegebene PFAD oder jede URL wird als Verknüpfung hinzugefügt, in der bereits laufenden Instanz, falls es eine gibt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start hidden in the tray, when there is one.</source>
        <translation>Versteckt im Infobereich starten, wenn es einen gibt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the running copy, or hide it when it is the active window, as the show/hide key does (bind this to a key in the desktop&apos;s keyboard settings). Starts Tessaflow when none runs.</source>
        <translation>Die laufende Instanz zeigen oder, wenn sie das aktive Fenster ist, ausblenden, wie es die Taste zum Ein-/Ausblenden tut (in den Tastatureinstellungen der Arbeitsumgebung auf eine Taste legen). Startet Tessaflow, wenn es nicht läuft.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show the group of shortcuts named NAME (as its tab shows it), in the running copy if there is one; the PATHs and URLs given are added to that group.</source>
        <translation>Die Gruppe von Verknüpfungen namens NAME zeigen (wie ihr Reiter sie nennt), in der laufenden Instanz, falls es eine gibt; die angegebenen PFADE und URLs kommen in diese Gruppe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NAME</source>
        <extracomment>The value of --group in the help text.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import the shortcuts of another profile file, a browser&apos;s bookmarks file (HTML) or a folder of desktop entries, in the copy already running if there is one; what was added is printed.</source>
        <translation>Die Verknüpfungen einer anderen Profildatei, einer Lesezeichendatei eines Browsers (HTML) oder eines Ordners mit Desktop-Einträgen importieren, in der bereits laufenden Instanz, falls es eine gibt; was hinzukam, wird ausgegeben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PATH</source>
        <extracomment>The value of --import in the help text.</extracomment>
        <translation>PFAD</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files, folders or web addresses to add as shortcuts.</source>
        <translation>Dateien, Ordner oder Webadressen, die als Verknüpfungen hinzugefügt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[PATH|URL...]</source>
        <extracomment>The arguments in the usage line.</extracomment>
        <translation>[PFAD|URL...]</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>not found, not imported: %1</source>
        <translation>nicht gefunden, nicht importiert: %1</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <location filename="../ui/Commands.cpp" line="+55"/>
        <source>Popup</source>
        <extracomment>The context menu&apos;s title; most desktops do not show it.</extracomment>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <location filename="../ui/CommandTable.cpp" line="+49"/>
        <source>Other Application…</source>
        <translation>Andere Anwendung …</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;New Group…</source>
        <translation>&amp;Neue Gruppe …</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+81"/>
        <source>&amp;Undo</source>
        <extracomment>A menu item; %1 names the change it undoes, such as: Delete “report”.</extracomment>
        <translation>R&amp;ückgängig</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>&amp;Undo %1</source>
        <translation>R&amp;ückgängig: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+75"/>
        <source>&amp;Redo</source>
        <extracomment>A menu item; %1 names the change it makes again, such as: Delete “report”.</extracomment>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cop&amp;y Path</source>
        <translation>Pfad ko&amp;pieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cop&amp;y Address</source>
        <translation>Adresse ko&amp;pieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Shortcut</source>
        <translation>Verknüpfung ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Application</source>
        <extracomment>The first item of the menu of an installed application offered while typing.</extracomment>
        <translation>Anwendung ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Open &amp;With…</source>
        <translation>Öffnen &amp;mit …</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;how in Folder</source>
        <translation>Im Ordner &amp;zeigen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move to &amp;Group</source>
        <translation>In &amp;Gruppe verschieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Shortcut</source>
        <translation>Verknüpfung &amp;löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move &amp;Left</source>
        <translation>Nach lin&amp;ks verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move &amp;Right</source>
        <translation>Nach &amp;rechts verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Propert&amp;ies…</source>
        <translation>E&amp;igenschaften …</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add URL Shortcut</source>
        <translation>&amp;Webadresse hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files…</source>
        <translation>&amp;Dateien hinzufügen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Fo&amp;lder…</source>
        <translation>&amp;Ordner hinzufügen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Appli&amp;cation…</source>
        <translation>&amp;Anwendung hinzufügen …</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Options</source>
        <translation>Ein&amp;stellungen</translation>
    </message>
</context>
<context>
    <name>Deleting</name>
    <message>
        <location filename="../shortcuts/Deleting.cpp" line="+13"/>
        <source>Are you sure you want to delete “%1”?</source>
        <extracomment>%1 is the shortcut&apos;s caption, in the language&apos;s quotation marks.</extracomment>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only the shortcut is removed; the file, folder or web page it opens is not touched.</source>
        <translation>Nur die Verknüpfung wird entfernt; die Datei, der Ordner oder die Webseite, die sie öffnet, bleibt unberührt.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Remove %n shortcuts?</source>
        <translation>
            <numerusform>%n Verknüpfung entfernen?</numerusform>
            <numerusform>%n Verknüpfungen entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the shortcuts are removed; the files, folders or web pages they open are not touched.</source>
        <translation>Nur die Verknüpfungen werden entfernt; die Dateien, Ordner oder Webseiten, die sie öffnen, bleiben unberührt.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../platform/xdg/DesktopEntry.cpp" line="+221"/>
        <source>there is no program to start</source>
        <translation>es gibt kein Programm zum Starten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds characters a desktop entry cannot hold</source>
        <extracomment>%1 is a program or an argument given to it.</extracomment>
        <translation>%1 enthält Zeichen, die ein Desktop-Eintrag nicht enthalten kann</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 holds both &quot;%&quot; and &quot;=&quot;, which no desktop can start</source>
        <extracomment>%1 is the program&apos;s path.</extracomment>
        <translation>%1 enthält sowohl „%“ als auch „=“, was keine Arbeitsumgebung starten kann</translation>
    </message>
    <message>
        <location filename="../platform/xdg/EntryLaunch.cpp" line="+62"/>
        <source>The desktop entry&apos;s command holds %1, which is no field code.</source>
        <extracomment>%1 is what follows a &quot;%&quot; in the program&apos;s command, such as &quot;%z&quot;.</extracomment>
        <translation>Der Befehl des Desktop-Eintrags enthält %1, das kein Feldcode ist.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The desktop entry&apos;s command has a quote that is not closed.</source>
        <translation>Der Befehl des Desktop-Eintrags hat ein Anführungszeichen, das nicht geschlossen wird.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The desktop entry could not be read.</source>
        <translation>Der Desktop-Eintrag konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop entry is not an application.</source>
        <translation>Der Desktop-Eintrag ist keine Anwendung.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The desktop entry has no action %1.</source>
        <extracomment>%1 is the action&apos;s id as the desktop entry names it.</extracomment>
        <translation>Der Desktop-Eintrag hat keine Aktion %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+63"/>
        <source>The desktop entry names no program to start.</source>
        <translation>Der Desktop-Eintrag nennt kein Programm zum Starten.</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>In the desktop entry&apos;s command, %1 must stand as an argument of its own.</source>
        <extracomment>%1 is a field code such as &quot;%F&quot;.</extracomment>
        <translation>Im Befehl des Desktop-Eintrags muss %1 als eigenes Argument stehen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The program opens only files, and %1 is not one.</source>
        <extracomment>%1 is a web address or other link.</extracomment>
        <translation>Das Programm öffnet nur Dateien, und %1 ist keine.</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <location filename="../platform/globalkey/GlobalKey.cpp" line="+12"/>
        <source>%1 To show and hide Tessaflow with a key, bind the command &quot;tessaflow --toggle&quot; to it in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is a sentence saying why the key cannot be taken here.</extracomment>
        <translation>%1 Um Tessaflow per Tastenkürzel ein- und auszublenden, weisen Sie dem Befehl „tessaflow --toggle“ in den Tastatureinstellungen Ihrer Arbeitsumgebung ein Tastenkürzel zu.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 cannot be the show/hide key: every program would lose it for typing. Add Ctrl, Alt or the logo key, or choose a function key.</source>
        <extracomment>%1 is the key, such as A or Space.</extracomment>
        <translation>%1 kann nicht die Taste zum Zeigen/Verbergen sein: Jedes Programm könnte sie nicht mehr zum Tippen verwenden. Nehmen Sie Strg, Alt oder die Logo-Taste hinzu, oder wählen Sie eine Funktionstaste.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This desktop gives programs no global keys.</source>
        <translation>Diese Arbeitsumgebung stellt Programmen keine globalen Tastenkürzel bereit.</translation>
    </message>
</context>
<context>
    <name>Importing</name>
    <message>
        <location filename="../config/ProfileImport.cpp" line="+45"/>
        <source>an entry this version cannot read</source>
        <translation>ein Eintrag, den diese Version nicht lesen kann</translation>
    </message>
    <message>
        <location filename="../shortcuts/Bookmarks.cpp" line="+82"/>
        <source>not a web address</source>
        <translation>keine Webadresse</translation>
    </message>
    <message>
        <location filename="../shortcuts/Importing.cpp" line="+24"/>
        <source>not a readable desktop entry</source>
        <translation>kein lesbarer Desktop-Eintrag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an application</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+46"/>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>No shortcut was added.</source>
        <translation>Keine Verknüpfung wurde hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n added: %1</source>
        <extracomment>%1 is a list of the first few captions.</extracomment>
        <translation>
            <numerusform>%n hinzugefügt: %1</numerusform>
            <numerusform>%n hinzugefügt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n already there: %1</source>
        <extracomment>Shortcuts of the same target were there before the import. %1 is a list of captions.</extracomment>
        <translation>
            <numerusform>%n schon vorhanden: %1</numerusform>
            <numerusform>%n schon vorhanden: %1</numerusform>
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
            <numerusform>%n übersprungen: %1</numerusform>
            <numerusform>%n übersprungen: %1</numerusform>
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
        <translation>ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>is a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is a socket of another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation>ist ein Socket eines anderen Benutzers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a socket</source>
        <extracomment>Follows a path.</extracomment>
        <translation>ist kein Socket</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>is not a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>belongs to another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>may be used by other users (mode %1)</source>
        <extracomment>Follows a path; %1 is the folder&apos;s permissions in octal.</extracomment>
        <translation>darf von anderen Benutzern verwendet werden (Rechte %1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be written to (mode %1)</source>
        <extracomment>Follows a path; %1 is the folder&apos;s permissions in octal.</extracomment>
        <translation>ist nicht beschreibbar (Rechte %1)</translation>
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
        <translation>%1 kann nicht geöffnet werden: „%2“ fehlt.

Möchten Sie diese Verknüpfung entfernen?</translation>
    </message>
</context>
<context>
    <name>ListItemsModel</name>
    <message>
        <location filename="../platform/widgets/ShownItems.cpp" line="+21"/>
        <source>Alt+%1 opens it</source>
        <extracomment>A line of a shortcut&apos;s tooltip: %1 is a digit from 1 to 9; the key opens the shortcut.</extracomment>
        <translation>Alt+%1 öffnet sie</translation>
    </message>
</context>
<context>
    <name>Opener</name>
    <message>
        <location filename="../platform/process/Opener.cpp" line="+26"/>
        <source>“%1”</source>
        <extracomment>Quotation marks around a file name, folder or address.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No program to open it is installed (xdg-open is missing).</source>
        <translation>Es ist kein Programm installiert, das es öffnen kann (xdg-open fehlt).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop&apos;s opener (xdg-open) reported an error in its command line.</source>
        <translation>Das Öffnungsprogramm der Arbeitsumgebung (xdg-open) hat einen Fehler in seiner Befehlszeile gemeldet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file or folder does not exist.</source>
        <translation>Die Datei bzw. der Ordner existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No program to open it is installed.</source>
        <translation>Es ist kein Programm installiert, das es öffnen kann.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening it failed.</source>
        <translation>Das Öffnen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You do not have permission to open it.</source>
        <translation>Sie haben keine Berechtigung, es zu öffnen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 ended with code %2.</source>
        <extracomment>%1 is the program&apos;s file name, %2 the number it ended with.</extracomment>
        <translation>%1 wurde mit Code %2 beendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not open %1.

%2</source>
        <extracomment>%1 is the quoted target, %2 the reason it could not be opened.</extracomment>
        <translation>%1 konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+11"/>
        <source>There is nothing to open.</source>
        <translation>Es gibt nichts zu öffnen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file or folder %1 does not exist.</source>
        <translation>Die Datei bzw. der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file or folder %1 cannot be reached: %2.</source>
        <extracomment>%1 is the quoted path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Datei bzw. der Ordner %1 ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Its working folder %1 is not there.</source>
        <extracomment>%1 is the quoted folder.</extracomment>
        <translation>Sein Arbeitsordner %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>It is to run in a terminal, and no terminal was found. Install one (such as xterm), or name yours in the TERMINAL environment variable.</source>
        <translation>Es soll in einem Terminal laufen, aber es wurde kein Terminal gefunden. Installieren Sie eines (etwa xterm) oder nennen Sie Ihres in der Umgebungsvariablen TERMINAL.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The program %1 is not installed.</source>
        <extracomment>%1 is the quoted name of a program.</extracomment>
        <translation>Das Programm %1 ist nicht installiert.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is the quoted program, %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht gestartet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message numerus="yes">
        <location filename="../shortcuts/Paste.cpp" line="+132"/>
        <source>Only the first %1 of the %n lines pasted were taken.</source>
        <translation>
            <numerusform>Nur die ersten %1 der %n eingefügten Zeilen wurden übernommen.</numerusform>
            <numerusform>Nur die ersten %1 der %n eingefügten Zeilen wurden übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 line longer than %1 characters was not taken.</source>
        <extracomment>%1 is the longest line taken, in characters.</extracomment>
        <translation>1 Zeile mit mehr als %1 Zeichen wurde nicht übernommen.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines longer than %1 characters were not taken.</source>
        <translation>
            <numerusform>%n Zeile mit mehr als %1 Zeichen wurde nicht übernommen.</numerusform>
            <numerusform>%n Zeilen mit mehr als %1 Zeichen wurden nicht übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2</source>
        <extracomment>A paste&apos;s report and the lines it did not take: %1 is the report, %2 the first lines, each in quotes.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <location filename="../platform/profile/ProfileDocument.cpp" line="+161"/>
        <source>the key name is empty</source>
        <translation>der Schlüsselname ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a profile entry cannot hold a line break</source>
        <translation>ein Profileintrag kann keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key name &quot;%1&quot; cannot be stored in a profile</source>
        <translation>der Schlüsselname „%1“ kann nicht in einem Profil gespeichert werden</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <location filename="../platform/profile/ProfileFile.cpp" line="+36"/>
        <location line="+19"/>
        <location line="+30"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>only part of the data could be written (disk full?)</source>
        <translation>nur ein Teil der Daten konnte geschrieben werden (Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <location filename="../platform/profile/ProfileGuard.cpp" line="+36"/>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+4"/>
        <location line="+12"/>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 the reason.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Cannot keep the other version of %1 as %2: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 the backup&apos;s path, %3 the system&apos;s reason.</extracomment>
        <translation>Die andere Fassung von %1 kann nicht als %2 aufbewahrt werden: %3</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Cannot write %1: %2 is in the way of its lock: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 its lock file&apos;s path, %3 what is there instead of a file.</extracomment>
        <translation>%1 kann nicht geschrieben werden: Am Ort seiner Sperrdatei %2 liegt etwas anderes: %3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write %1: another program keeps it locked (%1.lock)</source>
        <translation>%1 kann nicht geschrieben werden: Ein anderes Programm hält es gesperrt (%1.lock)</translation>
    </message>
</context>
<context>
    <name>ProfileVersions</name>
    <message>
        <location filename="../platform/profile/ProfileVersions.cpp" line="+210"/>
        <source>Cannot keep an earlier version of %1 in %2: %3</source>
        <extracomment>%1 is the profile&apos;s path, %2 the folder of its earlier versions, %3 the reason.</extracomment>
        <translation>Eine frühere Version von %1 kann nicht in %2 aufbewahrt werden: %3</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Cannot read the earlier versions in %1: %2</source>
        <extracomment>%1 is the folder of the profile&apos;s earlier versions, %2 the reason.</extracomment>
        <translation>Die früheren Versionen in %1 können nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ShortcutList</name>
    <message>
        <location filename="../shortcuts/ShortcutList.cpp" line="+84"/>
        <source>This file or folder is missing.</source>
        <translation>Diese Datei bzw. dieser Ordner fehlt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No shortcuts</source>
        <translation>Keine Verknüpfungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 shortcut</source>
        <translation>1 Verknüpfung</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n Verknüpfung</numerusform>
            <numerusform>%n Verknüpfungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 of %n shortcuts match</source>
        <extracomment>Read out while typing finds shortcuts: %1 of (%n) all shortcuts match.</extracomment>
        <translation>
            <numerusform>%1 von %n Verknüpfung passt</numerusform>
            <numerusform>%1 von %n Verknüpfungen passen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShortcutModel</name>
    <message>
        <location filename="../shortcuts/ShortcutGroups.cpp" line="+13"/>
        <source>Shortcuts</source>
        <extracomment>The first group of shortcuts, until the user renames it.</extracomment>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>A group needs a name.</source>
        <translation>Eine Gruppe braucht einen Namen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is already a group called “%1”.</source>
        <extracomment>%1 is the name asked for.</extracomment>
        <translation>Es gibt schon eine Gruppe namens „%1“.</translation>
    </message>
</context>
<context>
    <name>StoredVersions</name>
    <message>
        <location filename="../config/StoredVersions.cpp" line="+76"/>
        <source>%1 holds no shortcuts section</source>
        <extracomment>%1 is the path of an earlier version of the profile.</extracomment>
        <translation>%1 enthält keinen Abschnitt mit Verknüpfungen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>other groups</source>
        <extracomment>In the list of earlier versions: the shortcuts are the same, only the groups differ.</extracomment>
        <translation>andere Gruppen</translation>
    </message>
</context>
<context>
    <name>TypedText</name>
    <message>
        <location filename="../shortcuts/TypedText.cpp" line="+38"/>
        <source>This is not a web address: it needs a host such as example.com.</source>
        <translation>Dies ist keine Webadresse: Es fehlt ein Host wie example.com.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing on this desktop opens %1: links.</source>
        <extracomment>%1 is the link&apos;s scheme, such as &quot;htp&quot;.</extracomment>
        <translation>Auf diesem Desktop öffnet kein Programm %1:-Links.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Type a web address, such as example.com, or press Cancel.</source>
        <translation>Geben Sie eine Webadresse ein, etwa example.com, oder klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is no file or folder at %1.</source>
        <extracomment>%1 is the path typed.</extracomment>
        <translation>Unter %1 gibt es keine Datei und keinen Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is not a web address: it has blanks and no scheme such as https://.</source>
        <translation>Das ist keine Webadresse: Sie enthält Leerzeichen und kein Schema wie https://.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is not a web address: it has no scheme such as https:// and no host such as example.com.</source>
        <translation>Das ist keine Webadresse: Sie hat weder ein Schema wie https:// noch einen Host wie example.com.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>No shortcut added</source>
        <translation>Keine Verknüpfung hinzugefügt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 shortcut added</source>
        <translation>1 Verknüpfung hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n shortcuts added</source>
        <translation>
            <numerusform>%n Verknüpfung hinzugefügt</numerusform>
            <numerusform>%n Verknüpfungen hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the clipboard holds no file, folder or web address</source>
        <translation>die Zwischenablage enthält keine Datei, keinen Ordner und keine Webadresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was not a file, folder or web address</source>
        <translation>1 Zeile war weder Datei noch Ordner noch Webadresse</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were not a file, folder or web address</source>
        <translation>
            <numerusform>%n Zeile war weder Datei noch Ordner noch Webadresse</numerusform>
            <numerusform>%n Zeilen waren weder Datei noch Ordner noch Webadresse</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; %2</source>
        <extracomment>A paste&apos;s report: %1 says how many shortcuts were added, %2 what of the clipboard was not taken.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>X11GlobalKey</name>
    <message>
        <location filename="../platform/globalkey/X11GlobalKey.cpp" line="+110"/>
        <source>%1 cannot be used as the show/hide key: this keyboard has no such key.</source>
        <extracomment>%1 is the key, such as Ctrl+Alt+T.</extracomment>
        <translation>%1 kann nicht als Tastenkürzel zum Ein-/Ausblenden dienen: Diese Tastatur hat keine solche Taste.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is already used by another program, so it cannot show and hide Tessaflow. Choose another key.</source>
        <extracomment>%1 is the key, such as Ctrl+Alt+T.</extracomment>
        <translation>%1 wird bereits von einem anderen Programm verwendet und kann Tessaflow daher nicht ein- und ausblenden. Wählen Sie ein anderes Tastenkürzel.</translation>
    </message>
</context>
<context>
    <name>launcher::Controller</name>
    <message>
        <location filename="../launcher/Controller.cpp" line="+92"/>
        <source>The shortcuts could not be read from %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be read.</extracomment>
        <translation>Die Verknüpfungen konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The shortcuts could not be saved to %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Die Verknüpfungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since Tessaflow read it. That version was kept as %2 before the shortcuts shown here were saved.</source>
        <extracomment>%1 is the profile&apos;s path, %2 the file that keeps the version found on disk.</extracomment>
        <translation>%1 wurde von einem anderen Programm geändert, nachdem Tessaflow die Datei gelesen hatte. Diese Fassung wurde als %2 aufbewahrt, bevor die hier angezeigten Verknüpfungen gespeichert wurden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The shortcuts were saved, but their earlier version could not be kept. %1</source>
        <extracomment>%1 why the shortcuts as they were could not be kept as an earlier version.</extracomment>
        <translation>Die Verknüpfungen wurden gespeichert, aber ihre frühere Version konnte nicht aufbewahrt werden. %1</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Properties of “%1”</source>
        <extracomment>An undo step: %1 is the shortcut&apos;s caption before its properties were edited.</extracomment>
        <translation>Eigenschaften von „%1“</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tessaflow - Add Files</source>
        <translation>Tessaflow - Dateien hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaflow - Add Folders</source>
        <translation>Tessaflow - Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Starting at login could not be changed: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Der Start beim Anmelden konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <location filename="../launcher/GroupCommands.cpp" line="+8"/>
        <source>Move to Group “%1”</source>
        <extracomment>An undo step: %1 is the group the shortcuts were moved to.</extracomment>
        <translation>In Gruppe „%1“ verschieben</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Tessaflow - New Group</source>
        <translation>Tessaflow - Neue Gruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name of the new group:</source>
        <extracomment>The prompt for a new group&apos;s name.</extracomment>
        <translation>Name der neuen Gruppe:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New Group “%1”</source>
        <extracomment>An undo step: %1 is the new group&apos;s name.</extracomment>
        <translation>Neue Gruppe „%1“</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Tessaflow - Rename Group</source>
        <translation>Tessaflow - Gruppe umbenennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New name of the group “%1”:</source>
        <extracomment>%1 is the group&apos;s name now.</extracomment>
        <translation>Neuer Name der Gruppe „%1“:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename Group “%1”</source>
        <extracomment>An undo step: %1 is the group&apos;s name before it was renamed.</extracomment>
        <translation>Gruppe „%1“ umbenennen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete the group “%1”? Its shortcuts move to “%2”.</source>
        <extracomment>%1 is the group to delete, %2 the group its shortcuts move to.</extracomment>
        <translation>Die Gruppe „%1“ löschen? Ihre Verknüpfungen kommen in „%2“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaflow - Delete Group</source>
        <translation>Tessaflow - Gruppe löschen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Delete Group “%1”</source>
        <extracomment>An undo step: %1 is the deleted group&apos;s name.</extracomment>
        <translation>Gruppe „%1“ löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Move Group “%1”</source>
        <extracomment>An undo step: %1 is the name of the group whose tab was moved.</extracomment>
        <translation>Gruppe „%1“ verschieben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore</source>
        <extracomment>An undo step: every shortcut replaced by an earlier version&apos;s.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../launcher/ImportCommands.cpp" line="+48"/>
        <location line="+4"/>
        <source>Nothing imported: %1 cannot be read.</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>Nichts importiert: %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing imported from %1: %2</source>
        <extracomment>%1 is a path, %2 why it could not be read.</extracomment>
        <translation>Nichts aus %1 importiert: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Tessaflow - Import</source>
        <translation>Tessaflow - Importieren</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Tessaflow - Export</source>
        <translation>Tessaflow - Exportieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could not export to %1: %2</source>
        <extracomment>%1 is a path, %2 why it could not be written.</extracomment>
        <translation>Export nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <location filename="../launcher/OutsideChanges.cpp" line="+114"/>
        <source>The shortcuts of %1 were taken in, but the file could not be put away: %2</source>
        <extracomment>%1 is a copy of the profile a sync tool left beside it, %2 why it stays.</extracomment>
        <translation>Die Verknüpfungen aus %1 wurden übernommen, aber die Datei konnte nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be removed</source>
        <translation>sie kann nicht entfernt werden</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 was changed by another program while the same shortcuts were changed here. %n shortcut(s) now show twice: the version made here, and the other one right after it.</source>
        <extracomment>%1 is the profile&apos;s path; %n how many shortcuts now show twice.</extracomment>
        <translation>
            <numerusform>%1 wurde von einem anderen Programm geändert, während dieselben Verknüpfungen hier geändert wurden. %n Verknüpfung erscheint nun doppelt: die hier gemachte Fassung und gleich danach die andere.</numerusform>
            <numerusform>%1 wurde von einem anderen Programm geändert, während dieselben Verknüpfungen hier geändert wurden. %n Verknüpfungen erscheinen nun doppelt: die hier gemachte Fassung und gleich danach die andere.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../launcher/UndoCommands.cpp" line="+59"/>
        <source>Rename “%1”</source>
        <extracomment>An undo step: %1 is the shortcut&apos;s caption before it was renamed.</extracomment>
        <translation>„%1“ umbenennen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Delete “%1”</source>
        <extracomment>An undo step: %1 is the deleted shortcut&apos;s caption.</extracomment>
        <translation>„%1“ löschen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Delete %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts deleted at once.</extracomment>
        <translation>
            <numerusform>%n Verknüpfung löschen</numerusform>
            <numerusform>%n Verknüpfungen löschen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Move “%1”</source>
        <extracomment>An undo step: %1 is the caption of the shortcut moved in the list or on the window.</extracomment>
        <translation>„%1“ verschieben</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Move %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts moved at once.</extracomment>
        <translation>
            <numerusform>%n Verknüpfung verschieben</numerusform>
            <numerusform>%n Verknüpfungen verschieben</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add “%1”</source>
        <extracomment>An undo step: %1 is the added shortcut&apos;s caption.</extracomment>
        <translation>„%1“ hinzufügen</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Add %n Shortcuts</source>
        <extracomment>An undo step: several shortcuts added at once.</extracomment>
        <translation>
            <numerusform>%n Verknüpfung hinzufügen</numerusform>
            <numerusform>%n Verknüpfungen hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change</source>
        <extracomment>An undo step that no other name fits.</extracomment>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>options::frmOptions</name>
    <message>
        <location filename="../options/frmOptions.cpp" line="+69"/>
        <source>Start at &amp;login</source>
        <translation>&amp;Beim Anmelden starten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A &amp;profile or bookmarks file…</source>
        <translation>Eine &amp;Profil- oder Lesezeichendatei …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A &amp;folder of desktop entries…</source>
        <translation>Einen &amp;Ordner mit Desktop-Einträgen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Docks and panels</source>
        <extracomment>Imports the launchers of other docks and panels found in the home folder.</extracomment>
        <translation>&amp;Docks und Leisten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A &amp;copy of the profile…</source>
        <extracomment>A copy of the profile file, tsw.ini.</extracomment>
        <translation>Eine &amp;Kopie des Profils …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The &amp;web addresses as bookmarks…</source>
        <extracomment>The shortcuts&apos; web addresses, as a file browsers import.</extracomment>
        <translation>Die &amp;Webadressen als Lesezeichen …</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tessaflow - Options</source>
        <translation>Tessaflow - Einstellungen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Manual Icons</source>
        <extracomment>How the icons are arranged: placed by hand.</extracomment>
        <translation>Manuell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Left</source>
        <extracomment>Arranged automatically, in columns from the left.</extracomment>
        <translation>Automatisch von links</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Top</source>
        <extracomment>Arranged automatically, in rows from the top.</extracomment>
        <translation>Automatisch von oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut Arrangement</source>
        <translation>Anordnung der Verknüpfungen wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Large Icons</source>
        <extracomment>A view of the shortcuts.</extracomment>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List View</source>
        <translation>Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut View</source>
        <translation>Ansicht der Verknüpfungen wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit %1</source>
        <extracomment>%1 is the program&apos;s web site.</extracomment>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Clear the key</source>
        <extracomment>What a screen reader calls the button that clears the show/hide key.</extracomment>
        <translation>Taste löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press the keys that show and hide Tessaflow from anywhere</source>
        <translation>Drücken Sie die Tasten, die Tessaflow von überall aus ein- und ausblenden</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Arrangement:</source>
        <translation>An&amp;ordnung:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View:</source>
        <translation>&amp;Ansicht:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find &amp;applications too</source>
        <extracomment>Typing in the main window offers installed applications after the shortcuts it finds.</extracomment>
        <translation>Auch Anwen&amp;dungen finden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show/hide &amp;key:</source>
        <translation>&amp;Taste zum Ein-/Ausblenden:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The desktop has bound it to %1.</source>
        <extracomment>%1 is how the desktop names the key it runs the show/hide key with, e.g. &quot;Ctrl+Alt+K&quot;.</extracomment>
        <translation>Die Arbeitsumgebung hat es auf %1 gelegt.</translation>
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Opens the shortcut</source>
        <extracomment>How a screen reader describes the action that opens a shortcut.</extracomment>
        <translation>Öffnet die Verknüpfung</translation>
    </message>
    <message>
        <location filename="../platform/widgets/ListViewOffers.cpp" line="+51"/>
        <source>Applications</source>
        <extracomment>What a screen reader calls the small list of applications offered while typing.</extracomment>
        <translation>Anwendungen</translation>
    </message>
</context>
<context>
    <name>platform::PortalGlobalKey</name>
    <message>
        <location filename="../platform/globalkey/PortalGlobalKey.cpp" line="+76"/>
        <source>There is no session bus to reach the desktop portal through.</source>
        <translation>Es gibt keinen Sitzungsbus, über den das Desktop-Portal erreichbar wäre.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The desktop did not bind the key. Choose one for “%1” in its settings (System Settings → Shortcuts).</source>
        <extracomment>%1 is the name of the show/hide key in the desktop&apos;s settings.</extracomment>
        <translation>Die Arbeitsumgebung hat das Tastenkürzel nicht vergeben. Wählen Sie eines für „%1“ in ihren Einstellungen (Systemeinstellungen → Kurzbefehle).</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No desktop portal answers here.</source>
        <translation>Hier antwortet kein Desktop-Portal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop portal here has no global shortcuts.</source>
        <translation>Das Desktop-Portal hier bietet keine globalen Tastenkürzel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop portal did not take the key (%1).</source>
        <extracomment>%1 is the portal&apos;s own error message.</extracomment>
        <translation>Das Desktop-Portal hat das Tastenkürzel nicht übernommen (%1).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The desktop portal did not answer in time.</source>
        <translation>Das Desktop-Portal hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The desktop portal stopped, so the key does nothing until the portal is back.</source>
        <translation>Das Desktop-Portal wurde beendet; das Tastenkürzel wirkt erst wieder, wenn das Portal zurück ist.</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>The desktop portal did not open a session for the key.</source>
        <translation>Das Desktop-Portal hat keine Sitzung für das Tastenkürzel geöffnet.</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Show or hide Tessaflow</source>
        <extracomment>How the desktop&apos;s keyboard settings name the show/hide key.</extracomment>
        <translation>Tessaflow ein- oder ausblenden</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The desktop did not allow the key.</source>
        <translation>Die Arbeitsumgebung hat das Tastenkürzel nicht erlaubt.</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <location filename="../platform/ipc/HandOver.cpp" line="+33"/>
        <source>no private folder for the running-copy socket (%1); going on without one</source>
        <extracomment>%1 says why there is none.</extracomment>
        <translation>kein privater Ordner für den Socket der laufenden Instanz (%1); Tessaflow läuft ohne ihn weiter</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>could not lock %1</source>
        <translation>%1 konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2, where the running copy&apos;s socket belongs; remove it and start again</source>
        <extracomment>%1 is a path, %2 what is there instead (&quot;is a folder&quot;).</extracomment>
        <translation>%1 %2, wo der Socket der laufenden Instanz hingehört; entfernen Sie es und starten Sie Tessaflow erneut</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+57"/>
        <source>the running copy does not answer</source>
        <translation>die laufende Instanz antwortet nicht</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is served by another user; nothing handed over</source>
        <translation>%1 wird von einem anderen Benutzer betrieben; nichts übergeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too many shortcuts to hand over at once</source>
        <translation>zu viele Verknüpfungen, um sie auf einmal zu übergeben</translation>
    </message>
    <message>
        <location filename="../platform/ipc/SingleInstance.cpp" line="+154"/>
        <source>could not listen on %1: %2</source>
        <extracomment>%1 is the socket&apos;s path, %2 why.</extracomment>
        <translation>%1 kann keine Verbindungen annehmen: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>1 more not added</source>
        <translation>1 weiterer Eintrag nicht hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n more not added</source>
        <translation>
            <numerusform>%n weiterer Eintrag nicht hinzugefügt</numerusform>
            <numerusform>%n weitere Einträge nicht hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing imported: %1</source>
        <translation>nichts importiert: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n more not added: at most %1 are taken at once</source>
        <extracomment>%1 is how many one start may hand over.</extracomment>
        <translation>
            <numerusform>%n weitere nicht hinzugefügt: höchstens %1 werden auf einmal übernommen</numerusform>
            <numerusform>%n weitere nicht hinzugefügt: höchstens %1 werden auf einmal übernommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shortcuts::ApplicationModel</name>
    <message>
        <location filename="../shortcuts/ApplicationList.cpp" line="+54"/>
        <source>(already added)</source>
        <extracomment>Beside an application in the Add Applications window that is a shortcut already.</extracomment>
        <translation>(schon hinzugefügt)</translation>
    </message>
</context>
<context>
    <name>shortcuts::Finder</name>
    <message>
        <location filename="../shortcuts/Finder.cpp" line="+50"/>
        <source>No exact match; 1 close match</source>
        <extracomment>Read out when nothing matches what was typed and the list shows shortcuts one typing slip away.</extracomment>
        <translation>Kein genauer Treffer; 1 ähnlicher Treffer</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>No exact match; %n close matches</source>
        <translation>
            <numerusform>Kein genauer Treffer; %n ähnlicher Treffer</numerusform>
            <numerusform>Kein genauer Treffer; %n ähnliche Treffer</numerusform>
        </translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 — no exact match; close matches:</source>
        <extracomment>The filter line when only captions one typing slip away from what was typed (%1) are shown.</extracomment>
        <translation>%1 — kein genauer Treffer; ähnliche Treffer:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No shortcut matches “%1”</source>
        <extracomment>Shown in the list when typing finds nothing; %1 is what was typed.</extracomment>
        <translation>Keine Verknüpfung passt zu „%1“</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No shortcut of this group matches “%1”; other groups&apos; matches are listed.</source>
        <extracomment>Shown in the list when typing finds shortcuts of other groups only; %1 is what was typed.</extracomment>
        <translation>Keine Verknüpfung dieser Gruppe passt zu „%1“; Treffer anderer Gruppen sind aufgeführt.</translation>
    </message>
</context>
<context>
    <name>shortcuts::OfferedApplications</name>
    <message>
        <location filename="../shortcuts/OfferedApplications.cpp" line="+118"/>
        <source>Application</source>
        <extracomment>Under an installed application that typing in the main window offers besides the shortcuts.</extracomment>
        <translation>Anwendung</translation>
    </message>
</context>
<context>
    <name>shortcuts::OtherGroupMatches</name>
    <message>
        <location filename="../shortcuts/OtherGroupMatches.cpp" line="+60"/>
        <source>In “%1”</source>
        <extracomment>Under a shortcut of another group that typing finds; %1 is that group&apos;s name.</extracomment>
        <translation>In „%1“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>In “%1”: %2</source>
        <extracomment>What screen readers say of a shortcut of another group that typing finds: %1 is that group&apos;s name, %2 what the shortcut opens.</extracomment>
        <translation>In „%1“: %2</translation>
    </message>
</context>
<context>
    <name>ui::AddApplications</name>
    <message>
        <location filename="../ui/AddApplications.cpp" line="+25"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tessaflow - Add Applications</source>
        <translation>Tessaflow - Anwendungen hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaflow - Open With</source>
        <translation>Tessaflow - Öffnen mit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Find:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name, kind or keyword</source>
        <extracomment>Shown in the empty filter field of the Add Applications window.</extracomment>
        <translation>Name, Art oder Stichwort</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Applications</source>
        <extracomment>What a screen reader calls the list of the Add Applications window.</extracomment>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ui::EarlierVersions</name>
    <message>
        <location filename="../ui/EarlierVersions.cpp" line="+22"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaflow - Earlier Versions</source>
        <translation>Tessaflow - Frühere Versionen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The shortcuts as they were before earlier changes, newest first:</source>
        <extracomment>Above the list of earlier versions of the shortcuts.</extracomment>
        <translation>Die Verknüpfungen, wie sie vor früheren Änderungen waren, die neuesten zuerst:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Earlier versions</source>
        <extracomment>What a screen reader calls the list of earlier versions.</extracomment>
        <translation>Frühere Versionen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Replaces the shortcuts with those of the chosen version</source>
        <extracomment>What a screen reader says the Restore button does.</extracomment>
        <translation>Ersetzt die Verknüpfungen durch die der gewählten Version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the same as now</source>
        <extracomment>In the list of earlier versions: one that holds the same shortcuts as now.</extracomment>
        <translation>wie jetzt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unreadable</source>
        <extracomment>In the list of earlier versions: one that cannot be read.</extracomment>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>changed by another program</source>
        <extracomment>In the list of earlier versions: one another program had written into the profile.</extracomment>
        <translation>von einem anderen Programm geändert</translation>
    </message>
</context>
<context>
    <name>ui::GroupTabs</name>
    <message>
        <location filename="../ui/GroupTabs.cpp" line="+68"/>
        <source>&amp;Rename Group…</source>
        <translation>Gruppe &amp;umbenennen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Group…</source>
        <translation>Gruppe &amp;löschen …</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;New Group…</source>
        <translation>&amp;Neue Gruppe …</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+48"/>
        <source>%1 by %2</source>
        <extracomment>The window title: %1 is the program&apos;s name, %2 its web site.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;SysTray</source>
        <translation>&amp;Infobereich</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Drag &amp; Drop files to Add</source>
        <translation>Ziehen Sie Dateien hierher, um sie hinzuzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop files, folders or links here — or press Insert or Ctrl+V, or right-click for Add Application…</source>
        <translation>Legen Sie Dateien, Ordner oder Webadressen hier ab – oder drücken Sie Einfg oder Strg+V, oder wählen Sie „Anwendung hinzufügen …“ im Kontextmenü</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shortcuts</source>
        <extracomment>What a screen reader calls the list of shortcuts.</extracomment>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start at &amp;Login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Earlier &amp;Versions…</source>
        <extracomment>Opens the list of the shortcuts as they were before earlier changes.</extracomment>
        <translation>Frühere &amp;Versionen …</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
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
        <translation>Im &amp;Terminal ausführen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaflow - Properties</source>
        <translation>Tessaflow - Eigenschaften</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--option &quot;a file name with blanks&quot;</source>
        <extracomment>Shown in the empty arguments field: each argument separated by blanks, quoted where it holds one.</extracomment>
        <translation>--option &quot;ein Dateiname mit Leerzeichen&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <extracomment>Shown in the empty icon field: the icon its kind of target gets.</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Icon preview</source>
        <extracomment>What a screen reader calls the picture of the icon the shortcut will show.</extracomment>
        <translation>Symbolvorschau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the working folder</source>
        <extracomment>What a screen reader says of the button beside the working folder field.</extracomment>
        <translation>Arbeitsordner wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose Image…</source>
        <translation>Bild aus&amp;wählen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reset</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset the icon to automatic</source>
        <extracomment>What a screen reader says of the button that gives the shortcut its automatic icon back.</extracomment>
        <translation>Das Symbol auf automatisch zurücksetzen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Caption:</source>
        <translation>&amp;Beschriftung:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Arguments:</source>
        <translation>&amp;Argumente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Working folder:</source>
        <translation>Arbeits&amp;ordner:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Icon:</source>
        <translation>&amp;Symbol:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;omment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Tessaflow - Working Folder</source>
        <translation>Tessaflow - Arbeitsordner</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaflow - Icon Image</source>
        <translation>Tessaflow - Symbolbild</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A shortcut needs a caption.</source>
        <translation>Eine Verknüpfung braucht eine Beschriftung.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This target names nothing that can be opened.</source>
        <translation>Dieses Ziel nennt nichts, das sich öffnen lässt.</translation>
    </message>
</context>
<context>
    <name>ui::ShowHide</name>
    <message>
        <location filename="../ui/ShowHide.cpp" line="+142"/>
        <source>&quot;%1&quot; in tsw.ini is not a key, so Tessaflow has no show/hide key. Choose one in Options.</source>
        <extracomment>%1 is the text of HotKey= in the profile, which names no key.</extracomment>
        <translation>&quot;%1&quot; in tsw.ini ist keine Taste, daher hat Tessaflow keine Taste zum Zeigen/Verbergen. Wählen Sie eine in den Optionen.</translation>
    </message>
</context>
</TS>
