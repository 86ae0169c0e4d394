<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DialogLanguage</name>
    <message>
        <source>Please choose a language</source>
        <comment>Window Title</comment>
        <translation>Bitte wählen Sie eine Sprache</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <comment>Error message informative text</comment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 no longer exists. Save the document in another folder, or create the folder again and save once more.</source>
        <comment>Error message informative text</comment>
        <translation>Der Ordner %1 existiert nicht mehr. Speichern Sie das Dokument in einem anderen Ordner, oder legen Sie den Ordner wieder an und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The file is read-only. Remove its read-only mark, or save under another name.</source>
        <comment>Error message informative text</comment>
        <translation>Die Datei ist schreibgeschützt. Heben Sie den Schreibschutz auf, oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>It is not a regular file: folders, devices and pipes cannot be saved over.</source>
        <comment>Error message informative text</comment>
        <translation>Es ist keine gewöhnliche Datei: Ordner, Geräte und Pipes können nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>You may not change files in the folder %1. Ask for write access, or save in another folder.</source>
        <comment>Error message informative text</comment>
        <translation>Sie dürfen im Ordner %1 keine Dateien ändern. Fragen Sie nach Schreibrechten, oder speichern Sie in einem anderen Ordner.</translation>
    </message>
    <message>
        <source>The disk is full. Free some space on %1, or save to another drive, then save again.</source>
        <comment>Error message informative text</comment>
        <translation>Der Datenträger ist voll. Schaffen Sie Platz auf %1 oder speichern Sie auf einem anderen Laufwerk, dann speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The system reports: %1. Check the drive and save again.</source>
        <comment>Error message informative text</comment>
        <translation>Das System meldet: %1. Prüfen Sie das Laufwerk und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <comment>Error message informative text</comment>
        <translation>einen unbekannten Fehler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a port and connect your device</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie einen Anschluss und schließen Sie Ihr Gerät an</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>Window Title</comment>
        <translation>Geräteverbindung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Button text</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>Button text</comment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Downloaded Output</source>
        <comment>Window Title</comment>
        <translation>Heruntergeladene Daten</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Button text</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Button text</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>File</source>
        <comment>Menu option</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Menu option</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quits the application</source>
        <comment>Tool tip hint</comment>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>Menu option</comment>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Refresh Ports</source>
        <comment>Menu option</comment>
        <translation>Anschlüsse aktualisieren</translation>
    </message>
    <message>
        <source>Refreshes the list of COM ports</source>
        <comment>Tool tip hint</comment>
        <translation>Aktualisiert die Liste der seriellen Anschlüsse</translation>
    </message>
    <message>
        <source>Change Language...</source>
        <comment>Menu option</comment>
        <translation>Sprache ändern...</translation>
    </message>
    <message>
        <source>Change the language used in this application</source>
        <comment>Tool tip hint</comment>
        <translation>Ändert die Sprache dieses Programms</translation>
    </message>
    <message>
        <source>Country Settings</source>
        <comment>Menu option</comment>
        <translation>Ländereinstellungen</translation>
    </message>
    <message>
        <source>Convert CSV Data</source>
        <comment>Menu option</comment>
        <translation>CSV-Daten umwandeln</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Menu option</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Shows documentation</source>
        <comment>Tool tip hint</comment>
        <translation>Zeigt die Dokumentation</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Menu option</comment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Now initiate the download on the tester</source>
        <comment>User prompt</comment>
        <translation>Starten Sie jetzt die Übertragung am Prüfgerät</translation>
    </message>
    <message>
        <source>Failed to connect. Please check the device is connected and switched on</source>
        <comment>Error Message</comment>
        <translation>Verbindung fehlgeschlagen. Bitte prüfen Sie, ob das Gerät angeschlossen und eingeschaltet ist</translation>
    </message>
    <message>
        <source>Downloading... %1 characters, %2 extended</source>
        <comment>User prompt</comment>
        <translation>Herunterladen... %1 Zeichen, %2 erweitert</translation>
    </message>
    <message>
        <source>Save downloaded data to file</source>
        <comment>Window Title</comment>
        <translation>Heruntergeladene Daten in Datei speichern</translation>
    </message>
    <message>
        <source>Comma Separated Value files (*.csv)</source>
        <comment>File filter</comment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <comment>File filter</comment>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <comment>File filter</comment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>File successfully saved</source>
        <comment>User prompt</comment>
        <translation>Datei erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>The application must be restarted when the language is changed.</source>
        <comment>User prompt</comment>
        <translation>Das Programm muss nach dem Ändern der Sprache neu gestartet werden.</translation>
    </message>
    <message>
        <source>Error opening &quot;%1&quot; for writing. Is it open already or read only?</source>
        <comment>Warning Message</comment>
        <extracomment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</extracomment>
        <translation>„%1“ kann nicht zum Schreiben geöffnet werden. Ist die Datei bereits geöffnet oder schreibgeschützt?</translation>
    </message>
    <message>
        <source>No serial port was found. Please connect the tester and choose Refresh Ports in the Tools menu.</source>
        <comment>Error Message</comment>
        <translation>Es wurde kein serieller Anschluss gefunden. Bitte schließen Sie das Prüfgerät an und wählen Sie im Menü Extras den Punkt „Anschlüsse aktualisieren“.</translation>
    </message>
    <message>
        <source>You may not open the port &quot;%1&quot;: permission denied.</source>
        <comment>Error Message</comment>
        <translation>Sie dürfen den Anschluss „%1“ nicht öffnen: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot;, which owns the port (for example with &quot;sudo adduser $USER %1&quot;), then log out and log in again, so that the membership takes effect.</source>
        <comment>Error message informative text</comment>
        <translation>Treten Sie der Gruppe „%1“ bei, der der Anschluss gehört (zum Beispiel mit „sudo adduser $USER %1“), und melden Sie sich dann ab und wieder an, damit die Mitgliedschaft wirksam wird.</translation>
    </message>
    <message>
        <source>No port found: connect the tester and refresh</source>
        <comment>User prompt</comment>
        <translation>Kein Anschluss: Gerät anstecken, aktualisieren</translation>
    </message>
    <message>
        <source>The connection to the tester was lost after %1 bytes.</source>
        <comment>Error Message</comment>
        <translation>Die Verbindung zum Prüfgerät brach nach %1 Bytes ab.</translation>
    </message>
    <message>
        <source>The data may be incomplete. Save it if you wish, then check the cable and download again.</source>
        <comment>Error message informative text</comment>
        <translation>Die Daten sind womöglich unvollständig. Speichern Sie sie bei Bedarf, prüfen Sie dann das Kabel und laden Sie erneut herunter.</translation>
    </message>
    <message>
        <source>Saved, but the connection was lost after %1 bytes: the file may be incomplete</source>
        <comment>User prompt</comment>
        <translation>Gespeichert, doch die Verbindung brach nach %1 Bytes ab: die Datei ist womöglich unvollständig</translation>
    </message>
    <message>
        <source>TorvaneQuillet</source>
        <comment>Window Title</comment>
        <translation>TorvaneQuillet</translation>
    </message>
    <message>
        <source>Shows version information about TorvaneQuillet</source>
        <comment>Tool tip hint</comment>
        <translation>Zeigt Versionsinformationen zu TorvaneQuillet</translation>
    </message>
    <message>
        <source>About TorvaneQuillet</source>
        <comment>Window Title</comment>
        <extracomment>Title of the About box</extracomment>
        <translation>Über TorvaneQuillet</translation>
    </message>
    <message>
        <source>TorvaneQuillet

 %1
</source>
        <comment>About box</comment>
        <extracomment>The %1 is replaced with the version number so please don&apos;t remove it!</extracomment>
        <translation>TorvaneQuillet

 %1
</translation>
    </message>
</context>
<context>
    <name>StagedPdfFile</name>
    <message>
        <source>The temporary folder %1 is full or cannot be written. Free some space there, then try again.</source>
        <comment>Error message informative text</comment>
        <translation>Der temporäre Ordner %1 ist voll oder nicht beschreibbar. Schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Schreiben</translation>
    </message>
</context>
</TS>
