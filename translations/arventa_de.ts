<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CsvResultsTestTypeDelegate</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>DialogImportResults</name>
    <message>
        <source>Import Results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>The following data is available for import. Ensure a Array Test Report is open and active and click a row in the table below to import the data.</source>
        <translation>Die folgenden Daten stehen zum Import bereit. Stellen Sie sicher, dass ein PV-Generator-Prüfbericht geöffnet und aktiv ist, und klicken Sie in der Tabelle unten auf eine Zeile, um die Daten zu importieren.</translation>
    </message>
    <message>
        <source>Import row(s)</source>
        <translation>Zeile(n) importieren</translation>
    </message>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen.</translation>
    </message>
    <message>
        <source>Import Results - %1</source>
        <comment>Window Title</comment>
        <translation>Ergebnisse importieren - %1</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Could not find the projects root directory: %1</source>
        <comment>Error Message</comment>
        <translation>Der Projektordner wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Please select a new projects root directory.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte wählen Sie einen neuen Projektordner.</translation>
    </message>
    <message>
        <source>Select Projects Root Directory</source>
        <comment>Window Title</comment>
        <translation>Projektordner wählen</translation>
    </message>
    <message>
        <source>No projects directory was set. Defaulting to the public documents directory</source>
        <comment>Warning Message</comment>
        <translation>Es wurde kein Projektordner festgelegt. Es wird der öffentliche Dokumentenordner verwendet</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; does not exist. Would you like to create it?</source>
        <comment>User prompt</comment>
        <translation>Der Pfad „%1“ existiert nicht. Möchten Sie ihn anlegen?</translation>
    </message>
    <message>
        <source>Error creating &quot;%1&quot;</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Anlegen von „%1“</translation>
    </message>
    <message>
        <source>Check that you may create folders there, or choose another folder.</source>
        <comment>Error message informative text</comment>
        <translation>Prüfen Sie, ob Sie dort Ordner anlegen dürfen, oder wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Browser</source>
        <comment>Window Title</comment>
        <translation>Dokumente</translation>
    </message>
</context>
<context>
    <name>ProjectModel</name>
    <message>
        <source>&quot;%1&quot; is not a valid name. Names may not contain &quot;/&quot;.</source>
        <comment>Error Message</comment>
        <translation>„%1“ ist kein gültiger Name. Namen dürfen kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in &quot;%2&quot;. Please choose another name.</source>
        <comment>Error Message</comment>
        <translation>„%1“ gibt es in „%2“ bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed: the folder &quot;%2&quot; is read-only.</source>
        <comment>Error Message</comment>
        <translation>„%1“ kann nicht umbenannt werden: Der Ordner „%2“ ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>ProjectTreeView</name>
    <message>
        <source>Do you want to proceed?</source>
        <comment>User prompt</comment>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This will copy &quot;%1&quot; to you project area.</source>
        <comment>User prompt</comment>
        <translation>„%1“ wird in Ihren Projektbereich kopiert.</translation>
    </message>
    <message>
        <source>This will copy %1 files to your project area.</source>
        <comment>User prompt</comment>
        <translation>%1 Dateien werden in Ihren Projektbereich kopiert.</translation>
    </message>
</context>
<context>
    <name>RecycleBin</name>
    <message>
        <source>Could not move to the trash:
%1</source>
        <comment>Error Message</comment>
        <translation>Konnte nicht in den Papierkorb verschoben werden:
%1</translation>
    </message>
    <message>
        <source>Close any program that uses these files and check that you may change the folder, then try again.</source>
        <comment>Error message informative text</comment>
        <translation>Schließen Sie alle Programme, die diese Dateien verwenden, prüfen Sie, ob Sie den Ordner ändern dürfen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <comment>User prompt</comment>
        <translation>„%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Move these %1 items to the trash?
%2</source>
        <comment>User prompt</comment>
        <translation>Diese %1 Einträge in den Papierkorb verschieben?
%2</translation>
    </message>
    <message>
        <source>You can restore them from the trash.</source>
        <comment>User prompt</comment>
        <translation>Sie können sie aus dem Papierkorb wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>ReportContainer</name>
    <message>
        <source>Could not open &quot;%1&quot;. Check that the file exists and that you may access it.</source>
        <comment>Error Message</comment>
        <translation>„%1“ konnte nicht geöffnet werden. Prüfen Sie, ob die Datei existiert und ob Sie darauf zugreifen dürfen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or is not a report file.</source>
        <comment>Error Message</comment>
        <translation>„%1“ ist beschädigt oder keine Berichtsdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no report.</source>
        <comment>Error Message</comment>
        <translation>„%1“ enthält keinen Bericht.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;. Check that the disk has space and the folder is writable.</source>
        <comment>Error Message</comment>
        <translation>„%1“ konnte nicht geschrieben werden. Prüfen Sie, ob auf dem Datenträger Platz ist und der Ordner beschreibbar ist.</translation>
    </message>
</context>
</TS>
