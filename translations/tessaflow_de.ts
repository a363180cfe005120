<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autostart</name>
    <message>
        <location filename="../app/Autostart.cpp" line="+51"/>
        <source>could not remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no login entry can start this copy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>could not create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+71"/>
        <source>an empty or broken name, not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not an absolute path, not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not found, not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <location filename="../app/InstanceSocket.cpp" line="+36"/>
        <location line="+17"/>
        <source>is a symbolic link</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>is a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is a socket of another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a socket</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>is not a folder</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>belongs to another user</source>
        <extracomment>Follows a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>may be used by other users (mode %1)</source>
        <extracomment>Follows a path; %1 is the folder&apos;s permissions in octal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>%1 %2</source>
        <extracomment>%1 is a folder&apos;s path, %2 what is wrong with it (&quot;is a symbolic link&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::SingleInstance</name>
    <message>
        <location filename="../app/SingleInstance.cpp" line="+147"/>
        <source>no private folder for the running-copy socket (%1); going on without one</source>
        <extracomment>%1 says why there is none.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>could not lock %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2, where the running copy&apos;s socket belongs; remove it and start again</source>
        <extracomment>%1 is a path, %2 what is there instead (&quot;is a folder&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+11"/>
        <source>the running copy does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 is served by another user; nothing handed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too many shortcuts to hand over at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>could not listen on %1: %2</source>
        <extracomment>%1 is the socket&apos;s path, %2 why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <source>1 more not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n more not added</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::frmTessaflow</name>
    <message>
        <location filename="../app/frmTessaflow.cpp" line="+49"/>
        <source>%1 by %2</source>
        <extracomment>The window title: %1 is the program&apos;s name, %2 its web site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;SysTray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drag &amp; Drop files to Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drop files, folders or links here — or press Insert or Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shortcuts</source>
        <extracomment>What a screen reader calls the list of shortcuts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source> - v%1.%2.%3</source>
        <extracomment>Appended to the window title: the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The shortcuts could not be read from %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 was changed by another program since Tessaflow read it. That version was kept as %2 before the shortcuts shown here were saved.</source>
        <extracomment>%1 is the profile&apos;s path, %2 the file that keeps the version found on disk.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The shortcuts could not be saved to %1: %2</source>
        <extracomment>%1 is the profile&apos;s path, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/frmTessaflowCommands.cpp" line="+141"/>
        <source>Start at &amp;Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tessaflow - Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaflow - Add Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Starting at login could not be changed: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>options::frmOptions</name>
    <message>
        <location filename="../options/frmOptions.cpp" line="+37"/>
        <source>Start at &amp;login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaflow - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Manual Icons</source>
        <extracomment>How the icons are arranged: placed by hand.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Left</source>
        <extracomment>Arranged automatically, in columns from the left.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Arrange Icons Top</source>
        <extracomment>Arranged automatically, in rows from the top.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut Arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Large Icons</source>
        <extracomment>A view of the shortcuts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Shortcut View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit %1</source>
        <extracomment>%1 is the program&apos;s web site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Press the keys that show and hide Tessaflow from anywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>&amp;Arrangement:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show/hide &amp;key:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
