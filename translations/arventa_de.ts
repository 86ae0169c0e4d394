<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AbstractDocument</name>
    <message>
        <source>%1 (read-only)</source>
        <comment>Window title</comment>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1 was opened read-only and cannot be saved.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde schreibgeschützt geöffnet und kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>It was open on another computer or in another program when you opened it. Close it here, and open it again once it has been closed there.</source>
        <comment>Error message informative text</comment>
        <translation>Beim Öffnen war es auf einem anderen Computer oder in einem anderen Programm geöffnet. Schließen Sie es hier und öffnen Sie es erneut, sobald es dort geschlossen wurde.</translation>
    </message>
</context>
<context>
    <name>AcIsolatorDiagramComponent</name>
    <message>
        <source>AC Isolator</source>
        <comment>Installation Diagram object name</comment>
        <translation>AC-Trennschalter</translation>
    </message>
</context>
<context>
    <name>CsvResultsModel</name>
    <message>
        <source>%1 is not a results file of a PV tester: its second line names no columns.</source>
        <comment>Error Message</comment>
        <translation>%1 ist keine Ergebnisdatei eines PV-Prüfgeräts: Ihre zweite Zeile nennt keine Spalten.</translation>
    </message>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a tester&apos;s memory holds.</source>
        <comment>Error Message</comment>
        <translation>%1 ist größer als %2 MB, mehr als der Speicher eines Prüfgeräts fasst.</translation>
    </message>
    <message>
        <source>Line %2 of %1 is longer than %3 KB; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation>Zeile %2 von %1 ist länger als %3 KB; die Datei ist beschädigt oder keine Ergebnisdatei.</translation>
    </message>
    <message>
        <source>%1 names more than %2 columns; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation>%1 nennt mehr als %2 Spalten; die Datei ist beschädigt oder keine Ergebnisdatei.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 results. Please split it into smaller files.</source>
        <comment>Error Message</comment>
        <translation>%1 enthält mehr als %2 Ergebnisse. Bitte teilen Sie die Datei in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>Line %2 of %1 holds a value longer than %3 characters; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation>Zeile %2 von %1 enthält einen Wert mit mehr als %3 Zeichen; die Datei ist beschädigt oder keine Ergebnisdatei.</translation>
    </message>
</context>
<context>
    <name>CsvResultsTestTypeDelegate</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Continuity</source>
        <comment>Test type</comment>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Positive-earth insulation</source>
        <comment>Test type</comment>
        <translation>Isolation Plus gegen Erde</translation>
    </message>
    <message>
        <source>Negative-earth insulation</source>
        <comment>Test type</comment>
        <translation>Isolation Minus gegen Erde</translation>
    </message>
    <message>
        <source>AutoTest &amp; Curve</source>
        <comment>Test type</comment>
        <translation>AutoTest &amp; Kennlinie</translation>
    </message>
</context>
<context>
    <name>CurveCollection</name>
    <message>
        <source>IV curve data not found in collection</source>
        <comment>Error Message</comment>
        <translation>Die IV-Kennlinie wurde in der Sammlung nicht gefunden</translation>
    </message>
</context>
<context>
    <name>CurveCsvImporter</name>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen.</translation>
    </message>
    <message>
        <source>String %1</source>
        <translation>String %1</translation>
    </message>
    <message>
        <source>Checksum failed on line number %1</source>
        <comment>Error Message</comment>
        <translation>Prüfsummenfehler in Zeile %1</translation>
    </message>
    <message>
        <source>Continue showing errors during this import</source>
        <comment>User prompt</comment>
        <translation>Weitere Fehler dieses Imports anzeigen</translation>
    </message>
    <message>
        <source>%1 cannot be imported: it is not a regular file.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht importiert werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Devices, pipes and folders hold no results. Choose the results file itself.</source>
        <comment>Error message informative text</comment>
        <translation>Geräte, Pipes und Ordner enthalten keine Ergebnisse. Wählen Sie die Ergebnisdatei selbst.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: it is larger than %2 MB, more than a tester&apos;s memory holds.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht importiert werden: Die Datei ist größer als %2 MB, mehr als der Speicher eines Prüfgeräts fasst.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: it has more than %2 lines. Please split it into smaller files.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht importiert werden: Die Datei hat mehr als %2 Zeilen. Bitte teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>%1 is not a results file of a PV tester: its second line names no columns of results.</source>
        <comment>Error Message</comment>
        <translation>%1 ist keine Ergebnisdatei eines PV-Prüfgeräts: Ihre zweite Zeile nennt keine Ergebnisspalten.</translation>
    </message>
    <message>
        <source>%1 holds no results: nothing has been imported.</source>
        <comment>Error Message</comment>
        <translation>%1 enthält keine Ergebnisse: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The tester wrote the file before any test was stored. Download its memory again.</source>
        <comment>Error message informative text</comment>
        <translation>Das Prüfgerät hat die Datei geschrieben, bevor eine Messung gespeichert war. Laden Sie seinen Speicher erneut herunter.</translation>
    </message>
    <message>
        <source>Choose the CSV file that the download program saved from the tester.</source>
        <comment>Error message informative text</comment>
        <translation>Wählen Sie die CSV-Datei, die das Download-Programm vom Prüfgerät gespeichert hat.</translation>
    </message>
    <message>
        <source>Line %2 of %1 holds more than %3 points; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation>Zeile %2 von %1 enthält mehr als %3 Punkte; die Datei ist beschädigt oder keine Ergebnisdatei.</translation>
    </message>
    <message>
        <source>%1 lines failed the checksum: %2</source>
        <comment>Error Message</comment>
        <translation>%1 Zeilen mit falscher Prüfsumme: %2</translation>
    </message>
    <message>
        <source>Their curves are marked in red. The tester may be faulty, or the file was changed after the download.</source>
        <comment>Error message informative text</comment>
        <translation>Ihre Kennlinien sind rot markiert. Das Prüfgerät ist möglicherweise defekt, oder die Datei wurde nach dem Download verändert.</translation>
    </message>
</context>
<context>
    <name>CurvePlotOutput</name>
    <message>
        <source>The file cannot be written.</source>
        <comment>Error message informative text</comment>
        <translation>Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Images can be saved as BMP, JPEG or PNG files.</source>
        <comment>Error message informative text</comment>
        <translation>Bilder können als BMP-, JPEG- oder PNG-Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>There was a problem trying to save the image %1</source>
        <comment>Error Message</comment>
        <translation>Beim Speichern des Bildes %1 ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <source>Exception details: %1</source>
        <comment>Error message informative text</comment>
        <translation>Details: %1</translation>
    </message>
</context>
<context>
    <name>DcIsolatorDiagramComponent</name>
    <message>
        <source>DC Isolator</source>
        <comment>Installation Diagram object name</comment>
        <translation>DC-Trennschalter</translation>
    </message>
</context>
<context>
    <name>DiagramComponent</name>
    <message>
        <source>Delete %1</source>
        <comment>Installation Diagram object removal</comment>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>DiagramConnection</name>
    <message>
        <source>Connection</source>
        <comment>Installation Diagram object name</comment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <comment>Installation Diagram object removal</comment>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>DiagramFile</name>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen</translation>
    </message>
    <message>
        <source>XML validation error in %1 on line %2, column %3</source>
        <comment>Error Message</comment>
        <translation>XML-Validierungsfehler in %1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Schreiben</translation>
    </message>
    <message>
        <source>Is the file read-only or has it been deleted?</source>
        <comment>Error message informative text</comment>
        <translation>Ist die Datei schreibgeschützt oder wurde sie gelöscht?</translation>
    </message>
    <message>
        <source>It is not a regular file: folders, devices and pipes cannot be opened as diagrams.</source>
        <comment>Error message informative text</comment>
        <translation>Es ist keine gewöhnliche Datei: Ordner, Geräte und Pipes können nicht als Anlagenschemata geöffnet werden.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <comment>Error message informative text</comment>
        <translation>Sie ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is damaged or holds more than a diagram can.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: Die Datei ist beschädigt oder enthält mehr, als ein Anlagenschema fassen kann.</translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be opened again.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde nicht gespeichert: Es ließe sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>%1 Remove some boxes or wires, or shorten long captions, then save again.</source>
        <comment>Error message informative text</comment>
        <translation>%1 Entfernen Sie einige Komponenten oder Leitungen oder kürzen Sie lange Beschriftungen, und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>It would be larger than %1 MB.</source>
        <comment>Error message informative text</comment>
        <translation>Sie wäre größer als %1 MB.</translation>
    </message>
</context>
<context>
    <name>DiagramGraphicsScene</name>
    <message>
        <source>Add Label</source>
        <translation>Notiz hinzufügen</translation>
    </message>
    <message>
        <source>Add Invertor</source>
        <translation>Wechselrichter hinzufügen</translation>
    </message>
    <message>
        <source>Add Generation Meter</source>
        <translation>Erzeugungszähler hinzufügen</translation>
    </message>
    <message>
        <source>Add Distribution Board</source>
        <translation>Unterverteilung hinzufügen</translation>
    </message>
    <message>
        <source>Add AC Isolator</source>
        <translation>AC-Trennschalter hinzufügen</translation>
    </message>
    <message>
        <source>Add DC Isolator</source>
        <translation>DC-Trennschalter hinzufügen</translation>
    </message>
    <message>
        <source>Add PV Panel</source>
        <translation>PV-Modul hinzufügen</translation>
    </message>
    <message>
        <source>Insert notes here</source>
        <comment>Example note text</comment>
        <translation>Notizen hier eingeben</translation>
    </message>
</context>
<context>
    <name>DiagramLabel</name>
    <message>
        <source>Set Label Text</source>
        <comment>Drop down menu option</comment>
        <translation>Beschriftung ändern</translation>
    </message>
    <message>
        <source>Delete Label</source>
        <comment>Drop down menu option</comment>
        <translation>Beschriftung löschen</translation>
    </message>
</context>
<context>
    <name>DiagramXmlGuard</name>
    <message>
        <source>it declares a document type, which diagrams never do</source>
        <translation>sie deklariert einen Dokumenttyp, was Anlagenschemata nie tun</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>a text is longer than %1 characters</source>
        <translation>ein Text ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>it holds more than %1 boxes and wires</source>
        <translation>sie enthält mehr als %1 Komponenten und Leitungen</translation>
    </message>
    <message>
        <source>the text of %1 is longer than %2 characters</source>
        <translation>der Text von %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>more than %1 wires end at one box</source>
        <translation>an einer Komponente enden mehr als %1 Leitungen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About %1</source>
        <comment>Window Title</comment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 for PV installers and inspectors, by %2.</source>
        <comment>About text</comment>
        <translation>%1 für PV-Errichter und Prüfer, von %2.</translation>
    </message>
</context>
<context>
    <name>DialogComponentSettings</name>
    <message>
        <source>Component Settings</source>
        <comment>Window Title</comment>
        <translation>Komponenteneinstellungen</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
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
    <message>
        <source>Rows in red carry a fault flagged by the tester. For an insulation result, choose in its drop-down whether the positive or the negative pole was measured against earth.</source>
        <comment>Legend of the results table</comment>
        <translation>Rot dargestellte Zeilen enthalten einen vom Prüfgerät gemeldeten Fehler. Wählen Sie bei einem Isolationsergebnis in seiner Auswahlliste, ob der Plus- oder der Minuspol gegen Erde gemessen wurde.</translation>
    </message>
</context>
<context>
    <name>DialogSettings</name>
    <message>
        <source>Settings</source>
        <comment>Window Title</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Projects Directory</source>
        <comment>Window Title</comment>
        <translation>Projektverzeichnis</translation>
    </message>
    <message>
        <source>Report Favourites</source>
        <comment>Window Title</comment>
        <translation>Berichtsfavoriten</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>Menu option</comment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>The root directory of all projects:</source>
        <comment>User prompt</comment>
        <translation>Das Stammverzeichnis aller Projekte:</translation>
    </message>
    <message>
        <source>If a favourite has been saved for a particular report type, then this will be used when creating a new report. Use the buttons below to restore the reports to their defaults.</source>
        <comment>User prompt</comment>
        <translation>Wurde für eine Berichtsart ein Favorit gespeichert, wird er beim Anlegen eines neuen Berichts verwendet. Mit den Schaltflächen unten setzen Sie die Berichte auf den Auslieferungszustand zurück.</translation>
    </message>
    <message>
        <source>Restore Inspection Report</source>
        <comment>Menu option</comment>
        <translation>Prüfbericht Besichtigung zurücksetzen</translation>
    </message>
    <message>
        <source>Restore PV Array Test Report</source>
        <comment>Menu option</comment>
        <translation>Prüfbericht PV-Generator zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Vertification Certificate</source>
        <comment>Menu option</comment>
        <translation>Prüfbescheinigung zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Checklist</source>
        <comment>Menu option</comment>
        <translation>Checkliste zurücksetzen</translation>
    </message>
    <message>
        <source>File last modified on %1.</source>
        <comment>User prompt</comment>
        <translation>Datei zuletzt geändert am %1.</translation>
    </message>
    <message>
        <source>The default report has not been modified.</source>
        <comment>User prompt</comment>
        <translation>Der Standardbericht wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Select Projects Root Directory</source>
        <comment>Window Title</comment>
        <translation>Projekt-Stammverzeichnis wählen</translation>
    </message>
    <message>
        <source>Curve Report</source>
        <comment>Window Title</comment>
        <translation>Kennlinienbericht</translation>
    </message>
    <message>
        <source>The curve report marks the deviation of a string&apos;s STC power from its nominal power in colour when it is greater than:</source>
        <comment>User prompt</comment>
        <translation>Der Kennlinienbericht hebt die Abweichung der STC-Leistung eines Strings von seiner Nennleistung farbig hervor, wenn sie größer ist als:</translation>
    </message>
    <message>
        <source>Reopen the documents that were open when the program was last closed</source>
        <comment>User prompt</comment>
        <translation>Dokumente wieder öffnen, die beim letzten Beenden des Programms offen waren</translation>
    </message>
    <message>
        <source>Curve Diagnosis</source>
        <comment>Window Title</comment>
        <translation>Kennliniendiagnose</translation>
    </message>
</context>
<context>
    <name>DialogWelcome</name>
    <message>
        <source>Watch video tutorial now (recommended)</source>
        <comment>User prompt</comment>
        <translation>Jetzt die Einführung ansehen (empfohlen)</translation>
    </message>
    <message>
        <source>Continue using %1</source>
        <comment>User prompt</comment>
        <translation>Mit %1 weiterarbeiten</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Welcome to %1!</source>
        <comment>Window Title</comment>
        <translation>Willkommen bei %1!</translation>
    </message>
    <message>
        <source>Thank you for choosing %1.</source>
        <comment>User prompt</comment>
        <translation>Vielen Dank, dass Sie sich für %1 entschieden haben.</translation>
    </message>
    <message>
        <source>Please choose one of the following options:</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie eine der folgenden Möglichkeiten:</translation>
    </message>
</context>
<context>
    <name>DistributionBoardDiagramComponent</name>
    <message>
        <source>Distribution Board</source>
        <comment>Installation Diagram object name</comment>
        <translation>Unterverteilung</translation>
    </message>
</context>
<context>
    <name>DocumentCreator</name>
    <message>
        <source>You are creating an Array Test Report from a favourite that was created in an older version of %1. If you use this version then you will not be able to import data into it.</source>
        <comment>Warning Message</comment>
        <translation>Sie legen einen Prüfbericht PV-Generator aus einem Favoriten an, der mit einer älteren Version von %1 erstellt wurde. Wenn Sie diesen Favoriten verwenden, können Sie keine Messwerte in den Bericht importieren.</translation>
    </message>
    <message>
        <source>Would you like to replace the favourite with the new version of the report?</source>
        <comment>User prompt</comment>
        <translation>Möchten Sie den Favoriten durch die neue Version des Berichts ersetzen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation>„%1“ konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>DocumentFactory</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: this version of %2 has no window for this kind of document.</source>
        <comment>Error Message</comment>
        <translation>„%1“ kann nicht geöffnet werden: Diese Version von %2 hat kein Fenster für diese Dokumentart.</translation>
    </message>
    <message>
        <source>There was a problem trying to open %1</source>
        <comment>Error Message</comment>
        <translation>Beim Öffnen von %1 ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <source>Please make sure a program is associated with this file type.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte stellen Sie sicher, dass diesem Dateityp ein Programm zugeordnet ist.</translation>
    </message>
</context>
<context>
    <name>DocumentLock</name>
    <message>
        <source>Do you want to open it read-only? You can read and print it, but you cannot save it until it has been closed there.</source>
        <comment>User prompt</comment>
        <translation>Möchten Sie es schreibgeschützt öffnen? Sie können es lesen und drucken, aber erst speichern, wenn es dort geschlossen wurde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already open in %2 on the computer &quot;%3&quot; since %4.</source>
        <comment>User prompt</comment>
        <translation>„%1“ ist seit %4 in %2 auf dem Computer „%3“ geöffnet.</translation>
    </message>
</context>
<context>
    <name>DownloadLauncher</name>
    <message>
        <source>Could not find:
%1.
Please try re-installing %2 again</source>
        <comment>Error Message</comment>
        <translation>Folgende Datei wurde nicht gefunden:
%1.
Bitte installieren Sie %2 erneut</translation>
    </message>
    <message>
        <source>%1 failed to start. A file may be missing or corrupted. Please install %2 again.</source>
        <comment>Error Message</comment>
        <translation>%1 konnte nicht gestartet werden. Möglicherweise fehlt eine Datei oder sie ist beschädigt. Bitte installieren Sie %2 erneut.</translation>
    </message>
    <message>
        <source>Would you like to import the last file you just downloaded?</source>
        <comment>User prompt</comment>
        <translation>Möchten Sie die soeben heruntergeladene Datei importieren?</translation>
    </message>
    <message>
        <source>File: %1 was saved %2.</source>
        <comment>User prompt</comment>
        <translation>Datei: %1 wurde %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 seconds ago</source>
        <comment>User prompt</comment>
        <translation>vor %1 Sekunden</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment>User prompt</comment>
        <translation>vor %1 Minuten</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment>User prompt</comment>
        <translation>vor %1 Stunden</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment>User prompt</comment>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>%1 is still running. Going on closes it, and a download in progress is lost.</source>
        <comment>User prompt</comment>
        <translation>%1 läuft noch. Wenn Sie fortfahren, wird es geschlossen, und ein laufender Download geht verloren.</translation>
    </message>
    <message>
        <source>Choose No to finish the download in %1 first.</source>
        <comment>User prompt</comment>
        <translation>Wählen Sie Nein, um den Download in %1 zuerst abzuschließen.</translation>
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
    <name>FindInFiles</name>
    <message>
        <source>Find in Files</source>
        <comment>Window Title</comment>
        <translation>In Dateien suchen</translation>
    </message>
    <message>
        <source>Search by any or all of the criteria below.</source>
        <comment>User prompt</comment>
        <translation>Suchen Sie nach einem oder mehreren der folgenden Kriterien.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>Button</comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button</comment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>File search</source>
        <comment>Group title</comment>
        <translation>Dateisuche</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <comment>Check box</comment>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>All or part of the file name:</source>
        <comment>Field label</comment>
        <translation>Dateiname oder ein Teil davon:</translation>
    </message>
    <message>
        <source>Word / Phrase Search</source>
        <comment>Group title</comment>
        <translation>Wort- / Ausdruckssuche</translation>
    </message>
    <message>
        <source>A word or phrase in the reports:</source>
        <comment>Field label</comment>
        <translation>Ein Wort oder Ausdruck in den Berichten:</translation>
    </message>
    <message>
        <source>Looks into inspection reports, array test reports and verification certificates.</source>
        <comment>Tool tip hint</comment>
        <translation>Durchsucht Prüfberichte und Prüfbescheinigungen.</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Group title</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Created Date</source>
        <comment>Date kind</comment>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <comment>Date kind</comment>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Accessed Date</source>
        <comment>Date kind</comment>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>from</source>
        <comment>Field label</comment>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <comment>Field label</comment>
        <translation>bis</translation>
    </message>
    <message>
        <source>File Size</source>
        <comment>Group title</comment>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>greater than</source>
        <comment>Size comparison</comment>
        <translation>größer als</translation>
    </message>
    <message>
        <source>less than</source>
        <comment>Size comparison</comment>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source> KB</source>
        <comment>File size unit</comment>
        <translation> KB</translation>
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
    <name>FoundFilesModel</name>
    <message>
        <source>Its name is not valid UTF-8 text, so it cannot be opened or searched for a phrase from here. Rename it in the file manager, then search again.</source>
        <comment>Tool tip hint</comment>
        <translation>Sein Name ist kein gültiger UTF-8-Text, daher kann es von hier aus weder geöffnet noch nach einem Ausdruck durchsucht werden. Benennen Sie es im Dateimanager um und suchen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Search is complete. There are no results to display.</source>
        <comment>Search result</comment>
        <translation>Die Suche ist abgeschlossen. Es gibt keine Ergebnisse.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Column header</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>Column header</comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <comment>Column header</comment>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>%L1 KB</source>
        <comment>File size</comment>
        <translation>%L1 KB</translation>
    </message>
</context>
<context>
    <name>GenerationMeterDiagramComponent</name>
    <message>
        <source>Generation Meter</source>
        <comment>Installation Diagram object name</comment>
        <translation>Erzeugungszähler</translation>
    </message>
</context>
<context>
    <name>GraphicalReportDocument</name>
    <message>
        <source>Undo</source>
        <comment>Tool tip hint</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tool tip hint</comment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As Favourite. Next time you create a new report it look like this report.</source>
        <comment>Tool tip hint</comment>
        <translation>Als Favorit speichern. Der nächste neue Bericht dieser Art sieht dann wie dieser Bericht aus.</translation>
    </message>
    <message>
        <source>Download data from tester</source>
        <comment>Tool tip hint</comment>
        <translation>Daten vom Prüfgerät herunterladen</translation>
    </message>
    <message>
        <source>Import data from file</source>
        <comment>Tool tip hint</comment>
        <translation>Daten aus Datei importieren</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Saving this document as a favourite means that every time you create a new document of this type it will look like this document.</source>
        <comment>Warning Message</comment>
        <translation>Wenn Sie dieses Dokument als Favorit speichern, sieht jedes neue Dokument dieses Typs wie dieses Dokument aus.</translation>
    </message>
    <message>
        <source>Are you sure you want to overwrite the favourite?
(NOTE: You may restore the default document at any time from the settings.)</source>
        <comment>Warning message text</comment>
        <translation>Möchten Sie den Favoriten wirklich überschreiben?
(HINWEIS: Sie können das Standarddokument jederzeit in den Einstellungen wiederherstellen.)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>GraphicsDocument</name>
    <message>
        <source>Zoom In</source>
        <comment>Tool tip hint</comment>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <comment>Tool tip hint</comment>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>GraphicsTextItem</name>
    <message>
        <source>Cut</source>
        <comment>Menu option</comment>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>Menu option</comment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Menu option</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Menu option</comment>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>IVCurve::CoefficientFitDialog</name>
    <message>
        <source>Determine Coefficients</source>
        <comment>Window Title</comment>
        <translation>Koeffizienten ermitteln</translation>
    </message>
    <message>
        <source>Store with the Curves</source>
        <comment>Button</comment>
        <translation>Bei den Kennlinien speichern</translation>
    </message>
    <message>
        <source>Convert the selected curves with these coefficients</source>
        <comment>Tool tip hint</comment>
        <translation>Die gewählten Kennlinien mit diesen Koeffizienten umrechnen</translation>
    </message>
    <message>
        <source>Store with the Module</source>
        <comment>Button</comment>
        <translation>Beim Modul speichern</translation>
    </message>
    <message>
        <source>Keep these coefficients with the string&apos;s module in the module database</source>
        <comment>Tool tip hint</comment>
        <translation>Diese Koeffizienten beim Modul des Strangs in der Moduldatenbank ablegen</translation>
    </message>
    <message>
        <source>The selected curves belong to different strings: their modules or their numbers of modules in series or in parallel differ. Select curves of one string only.</source>
        <comment>Error Message</comment>
        <translation>Die gewählten Kennlinien gehören zu verschiedenen Strängen: Ihre Module oder die Zahl der Module in Reihe oder parallel unterscheiden sich. Wählen Sie nur Kennlinien eines Strangs.</translation>
    </message>
    <message>
        <source>Fewer than two of the selected curves have points, an irradiance and a cell temperature. Select two or more curves of the string that were measured with both.</source>
        <comment>Error Message</comment>
        <translation>Weniger als zwei der gewählten Kennlinien haben Punkte, eine Einstrahlung und eine Zelltemperatur. Wählen Sie zwei oder mehr Kennlinien des Strangs, die mit beidem gemessen wurden.</translation>
    </message>
    <message>
        <source>The selected curves were measured under too similar conditions. Measure the string at irradiances at least %1 W/m² apart, or at cell temperatures at least %2 °C apart.</source>
        <comment>Error Message</comment>
        <translation>Die gewählten Kennlinien wurden unter zu ähnlichen Bedingungen gemessen. Messen Sie den Strang bei Einstrahlungen, die mindestens %1 W/m² auseinanderliegen, oder bei Zelltemperaturen, die mindestens %2 °C auseinanderliegen.</translation>
    </message>
    <message>
        <source>The selected curves, brought to STC, share no range of current near their maximum power point. Select complete curves of one string.</source>
        <comment>Error Message</comment>
        <translation>Die gewählten Kennlinien haben, auf STC umgerechnet, nahe ihrem Punkt maximaler Leistung keinen gemeinsamen Strombereich. Wählen Sie vollständige Kennlinien eines Strangs.</translation>
    </message>
    <message>
        <source>Rs: %1 Ω (of one module)</source>
        <comment>Label</comment>
        <translation>Rs: %1 Ω (eines Moduls)</translation>
    </message>
    <message>
        <source>Rs not found: the irradiances lie less than %1 W/m² apart; measure the string at irradiances further apart. Kept: %2 Ω</source>
        <comment>Label</comment>
        <translation>Rs nicht ermittelt: Die Einstrahlungen liegen weniger als %1 W/m² auseinander; messen Sie den Strang bei weiter auseinanderliegenden Einstrahlungen. Beibehalten: %2 Ω</translation>
    </message>
    <message>
        <source>κ: %1 Ω/°C (of one module)</source>
        <comment>Label</comment>
        <translation>κ: %1 Ω/°C (eines Moduls)</translation>
    </message>
    <message>
        <source>κ not found: the cell temperatures lie less than %1 °C apart, or changed together with the irradiance; measure the string at temperatures further apart. Kept: %2 Ω/°C</source>
        <comment>Label</comment>
        <translation>κ nicht ermittelt: Die Zelltemperaturen liegen weniger als %1 °C auseinander oder änderten sich zusammen mit der Einstrahlung; messen Sie den Strang bei weiter auseinanderliegenden Temperaturen. Beibehalten: %2 Ω/°C</translation>
    </message>
    <message>
        <source>Residual: %1 V (how far the curves brought to STC still lie apart)</source>
        <comment>Label</comment>
        <translation>Restabweichung: %1 V (wie weit die auf STC umgerechneten Kennlinien noch auseinanderliegen)</translation>
    </message>
    <message>
        <source>The string&apos;s module is no longer in the module database.</source>
        <comment>Error Message</comment>
        <translation>Das Modul des Strangs ist nicht mehr in der Moduldatenbank.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CoefficientPercentInput</name>
    <message>
        <source>Isc is missing or zero</source>
        <comment>Warning Message</comment>
        <translation>Isc fehlt oder ist null</translation>
    </message>
    <message>
        <source>Voc is missing or zero</source>
        <comment>Warning Message</comment>
        <translation>Voc fehlt oder ist null</translation>
    </message>
    <message>
        <source>Enter value in percent per centigrade</source>
        <comment>User prompt</comment>
        <translation>Wert in Prozent pro Grad Celsius eingeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a percentage from %2 to %3.</source>
        <comment>Warning Message</comment>
        <translation>&quot;%1&quot; ist kein Prozentwert von %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CommandGuard</name>
    <message>
        <source>Exception thrown: %1</source>
        <comment>Error Message</comment>
        <translation>Ausnahme aufgetreten: %1</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveDetailsDialog</name>
    <message>
        <source>Curve Details</source>
        <comment>Window Title</comment>
        <translation>Kennliniendetails</translation>
    </message>
    <message>
        <source>Test Details</source>
        <comment>Tab title</comment>
        <translation>Prüfdetails</translation>
    </message>
    <message>
        <source>Module Details</source>
        <comment>Tab title</comment>
        <translation>Moduldetails</translation>
    </message>
    <message>
        <source>Title:</source>
        <comment>Label</comment>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Tester Serial No:</source>
        <comment>Label</comment>
        <translation>Seriennr. des Prüfgeräts:</translation>
    </message>
    <message>
        <source>Tester Memory Location:</source>
        <comment>Label</comment>
        <translation>Speicherplatz im Prüfgerät:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <comment>Label</comment>
        <translation>Prüfdatum:</translation>
    </message>
    <message>
        <source>Irradiance: (W/m&lt;sup&gt;2&lt;/sup&gt;)</source>
        <comment>Label</comment>
        <translation>Einstrahlung: (W/m&lt;sup&gt;2&lt;/sup&gt;)</translation>
    </message>
    <message>
        <source>Cell Temperature: (°C)</source>
        <comment>Label</comment>
        <translation>Zelltemperatur: (°C)</translation>
    </message>
    <message>
        <source>Ambient Temperature: (°C)</source>
        <comment>Label</comment>
        <translation>Umgebungstemperatur: (°C)</translation>
    </message>
    <message>
        <source>Fill Factor:</source>
        <comment>Label</comment>
        <translation>Füllfaktor:</translation>
    </message>
    <message>
        <source>Open Circuit Voltage (V):</source>
        <comment>Label</comment>
        <translation>Leerlaufspannung (V):</translation>
    </message>
    <message>
        <source>Short Circuit Current (A):</source>
        <comment>Label</comment>
        <translation>Kurzschlussstrom (A):</translation>
    </message>
    <message>
        <source>Voltage at mpp (V):</source>
        <comment>Label</comment>
        <translation>Spannung im MPP (V):</translation>
    </message>
    <message>
        <source>Current at mpp (A):</source>
        <comment>Label</comment>
        <translation>Strom im MPP (A):</translation>
    </message>
    <message>
        <source>Clamp Current at mpp: (A)</source>
        <comment>Label</comment>
        <translation>Zangenstrom im MPP: (A)</translation>
    </message>
    <message>
        <source>Protective Earth R:  (Ω)</source>
        <comment>Label</comment>
        <translation>Schutzleiterwiderstand:  (Ω)</translation>
    </message>
    <message>
        <source>Isolation Voltage (V):</source>
        <comment>Label</comment>
        <translation>Isolationsprüfspannung (V):</translation>
    </message>
    <message>
        <source>Isolation Resistance: (MΩ)</source>
        <comment>Label</comment>
        <translation>Isolationswiderstand: (MΩ)</translation>
    </message>
    <message>
        <source>Choose Module</source>
        <comment>Label</comment>
        <translation>Modul wählen</translation>
    </message>
    <message>
        <source>Show favourite modules only</source>
        <comment>Tool tip hint</comment>
        <translation>Nur Favoriten-Module anzeigen</translation>
    </message>
    <message>
        <source>Vmpp:</source>
        <comment>Label</comment>
        <translation>Vmpp:</translation>
    </message>
    <message>
        <source>Impp:</source>
        <comment>Label</comment>
        <translation>Impp:</translation>
    </message>
    <message>
        <source>Voc:</source>
        <comment>Label</comment>
        <translation>Voc:</translation>
    </message>
    <message>
        <source>Isc:</source>
        <comment>Label</comment>
        <translation>Isc:</translation>
    </message>
    <message>
        <source>No. in Series:</source>
        <comment>Label</comment>
        <translation>Anzahl in Reihe:</translation>
    </message>
    <message>
        <source>No. in Parallel:</source>
        <comment>Label</comment>
        <translation>Anzahl parallel:</translation>
    </message>
    <message>
        <source>%/°C ...</source>
        <comment>Button</comment>
        <translation>%/°C ...</translation>
    </message>
    <message>
        <source>Enter value as a percentage of Isc</source>
        <comment>Tool tip hint</comment>
        <translation>Wert in Prozent von Isc eingeben</translation>
    </message>
    <message>
        <source>Enter value as a percentage of Voc</source>
        <comment>Tool tip hint</comment>
        <translation>Wert in Prozent von Voc eingeben</translation>
    </message>
    <message>
        <source>STC Calculation</source>
        <comment>Label</comment>
        <translation>STC-Umrechnung</translation>
    </message>
    <message>
        <source>Anderson</source>
        <comment>Label</comment>
        <translation>Anderson</translation>
    </message>
    <message>
        <source>IEC60891 procedure 1</source>
        <comment>Label</comment>
        <translation>IEC 60891 Verfahren 1</translation>
    </message>
    <message>
        <source>Blässer</source>
        <comment>Label</comment>
        <translation>Blässer</translation>
    </message>
    <message>
        <source>Rs: (Ω)</source>
        <comment>Label</comment>
        <translation>Rs: (Ω)</translation>
    </message>
    <message>
        <source>α: (A/°C)</source>
        <comment>Label</comment>
        <translation>α: (A/°C)</translation>
    </message>
    <message>
        <source>β: (V/°C)</source>
        <comment>Label</comment>
        <translation>β: (V/°C)</translation>
    </message>
    <message>
        <source>δ:</source>
        <comment>Label</comment>
        <translation>δ:</translation>
    </message>
    <message>
        <source>a:</source>
        <comment>Label</comment>
        <translation>a:</translation>
    </message>
    <message>
        <source>b: (1/°C)</source>
        <comment>Label</comment>
        <translation>b: (1/°C)</translation>
    </message>
    <message>
        <source>κ: (Ω/°C)</source>
        <comment>Label</comment>
        <translation>κ: (Ω/°C)</translation>
    </message>
    <message>
        <source>Anderson&apos;s delta coefficient:
mono-Crystalline 0.085
multi-Crystalline 0.110
Thin-Film 0.063</source>
        <comment>Tool tip hint</comment>
        <translation>Delta-Koeffizient nach Anderson:
monokristallin 0,085
polykristallin 0,110
Dünnschicht 0,063</translation>
    </message>
    <message>
        <source>&lt;No module&gt;</source>
        <comment>Combo box entry</comment>
        <translation>&lt;Kein Modul&gt;</translation>
    </message>
    <message>
        <source>Changes to the PV string data are automatically saved when OK is pressed.
</source>
        <comment>User prompt</comment>
        <translation>Änderungen an den Daten des PV-Strings werden mit OK automatisch gespeichert.
</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>IEC 60891 procedure 1 is the standard&apos;s method; use it for values you sign. The standard covers neither Anderson nor Blässer, and the module database&apos;s δ values for Anderson are typical figures, two to three times what the module physics gives.</source>
        <comment>Label</comment>
        <translation>IEC 60891 Verfahren 1 ist das Verfahren der Norm; verwenden Sie es für Werte, die Sie unterschreiben. Anderson und Blässer deckt die Norm nicht ab, und die δ-Werte der Moduldatenbank für Anderson sind typische Angaben, zwei- bis dreimal so groß wie der Wert, den die Physik des Moduls ergibt.</translation>
    </message>
    <message>
        <source>IEC60891 procedure 2</source>
        <comment>Label</comment>
        <translation>IEC 60891 Verfahren 2</translation>
    </message>
    <message>
        <source>IEC60891 procedure 4</source>
        <comment>Label</comment>
        <translation>IEC 60891 Verfahren 4</translation>
    </message>
    <message>
        <source>N: cells in series per module</source>
        <comment>Label</comment>
        <translation>N: Zellen in Reihe je Modul</translation>
    </message>
    <message>
        <source>ε: bandgap (V)</source>
        <comment>Label</comment>
        <translation>ε: Bandlücke (V)</translation>
    </message>
    <message>
        <source>Leave empty to take the number from the module database, or from the module&apos;s Voc</source>
        <comment>Tool tip hint</comment>
        <translation>Leer lassen, um die Zahl aus der Moduldatenbank oder aus der Uoc des Moduls zu nehmen</translation>
    </message>
    <message>
        <source>Crystalline silicon: 1.232 V</source>
        <comment>Tool tip hint</comment>
        <translation>Kristallines Silizium: 1,232 V</translation>
    </message>
    <message>
        <source>Procedure 2 takes α and β relative to the module&apos;s Isc and Voc (α_rel = α / Isc, β_rel = β / Voc); a is its irradiance correction factor, 0.06 unless measured; Rs&apos; and κ&apos; are entered as Rs and κ.</source>
        <comment>Tool tip hint</comment>
        <translation>Verfahren 2 nimmt α und β bezogen auf Isc und Uoc des Moduls (α_rel = α / Isc, β_rel = β / Uoc); a ist sein Einstrahlungskorrekturfaktor, 0,06, sofern nicht gemessen; Rs&apos; und κ&apos; werden als Rs und κ eingegeben.</translation>
    </message>
    <message>
        <source>Procedure 4 needs neither β nor κ: the voltage follows the temperature through the bandgap ε of the N cells in series of each module.</source>
        <comment>Tool tip hint</comment>
        <translation>Verfahren 4 braucht weder β noch κ: Die Spannung folgt der Temperatur über die Bandlücke ε der N Zellen in Reihe jedes Moduls.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveDocument</name>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Export to Image</source>
        <comment>Tool tip hint</comment>
        <translation>Als Bild exportieren</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <comment>Tool tip hint</comment>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <comment>Tool tip hint</comment>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>Tool tip hint</comment>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>IV</source>
        <comment>Tool tip hint</comment>
        <translation>IV</translation>
    </message>
    <message>
        <source>Show IV Curves</source>
        <comment>Tool tip hint</comment>
        <translation>IV-Kennlinien anzeigen</translation>
    </message>
    <message>
        <source>PWR</source>
        <comment>Tool tip hint</comment>
        <translation>LEIST</translation>
    </message>
    <message>
        <source>Show VP Power Curves</source>
        <comment>Tool tip hint</comment>
        <translation>Leistungskurven (P über V) anzeigen</translation>
    </message>
    <message>
        <source>MEAS</source>
        <comment>Tool tip hint</comment>
        <translation>MESS</translation>
    </message>
    <message>
        <source>Show Measured Curve Data</source>
        <comment>Tool tip hint</comment>
        <translation>Gemessene Kennlinien anzeigen</translation>
    </message>
    <message>
        <source>STC</source>
        <comment>Tool tip hint</comment>
        <translation>STC</translation>
    </message>
    <message>
        <source>Show STC-corrected Curves</source>
        <comment>Tool tip hint</comment>
        <translation>Auf STC umgerechnete Kennlinien anzeigen</translation>
    </message>
    <message>
        <source>NOM</source>
        <comment>Tool tip hint</comment>
        <translation>NENN</translation>
    </message>
    <message>
        <source>Show Nominal Curve</source>
        <comment>Tool tip hint</comment>
        <translation>Nennkennlinie anzeigen</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>Tool tip hint</comment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download data from tester</source>
        <comment>Tool tip hint</comment>
        <translation>Daten vom Prüfgerät herunterladen</translation>
    </message>
    <message>
        <source>View Details</source>
        <comment>Tool tip hint</comment>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>View Details from tester</source>
        <comment>Tool tip hint</comment>
        <translation>Details der Messung anzeigen</translation>
    </message>
    <message>
        <source>Manage Module Database</source>
        <comment>Tool tip hint</comment>
        <translation>Moduldatenbank verwalten</translation>
    </message>
    <message>
        <source>Set PV Module Type</source>
        <comment>Tool tip hint</comment>
        <translation>PV-Modultyp festlegen</translation>
    </message>
    <message>
        <source>Curve Report</source>
        <comment>Tool tip hint</comment>
        <translation>Kennlinienbericht</translation>
    </message>
    <message>
        <source>Export MEAS IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Gemessene IV-Punkte exportieren</translation>
    </message>
    <message>
        <source>Export Measured IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Gemessene IV-Kennlinienpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Export STC IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>STC-IV-Punkte exportieren</translation>
    </message>
    <message>
        <source>Export STC IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>STC-IV-Kennlinienpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Export MEAS PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Gemessene Leistungspunkte exportieren</translation>
    </message>
    <message>
        <source>Export Measured Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Gemessene Leistungskurvenpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Export STC PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>STC-Leistungspunkte exportieren</translation>
    </message>
    <message>
        <source>Export STC Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>STC-Leistungskurvenpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Set Colour</source>
        <comment>Tool tip hint</comment>
        <translation>Farbe festlegen</translation>
    </message>
    <message>
        <source>Change the colour of lines on the graph associated with this string</source>
        <comment>Tool tip hint</comment>
        <translation>Farbe der Linien dieses Strings im Diagramm ändern</translation>
    </message>
    <message>
        <source>Export Points</source>
        <comment>Tool tip hint</comment>
        <translation>Punkte exportieren</translation>
    </message>
    <message>
        <source>Export the points of the selected string in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Die Punkte des gewählten Strings im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>Warning Message</comment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Please select a string with curve data first.</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie zuerst einen String mit Kennliniendaten.</translation>
    </message>
    <message>
        <source>Set Colour</source>
        <comment>Window Title</comment>
        <translation>Farbe festlegen</translation>
    </message>
    <message>
        <source>Please select the strings to report on in the tree first.</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie zuerst im Baum die Strings für den Bericht.</translation>
    </message>
    <message>
        <source>Please select the strings to assign a module to in the tree first.</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie zuerst im Baum die Strings, denen ein Modul zugeordnet werden soll.</translation>
    </message>
    <message>
        <source>no module assigned: STC values approximate</source>
        <comment>Graph footnote</comment>
        <translation>kein Modul zugeordnet: STC-Werte nur näherungsweise</translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Tool tip hint</comment>
        <translation>ERW</translation>
    </message>
    <message>
        <source>Show Expected Curve at Measured Conditions</source>
        <comment>Tool tip hint</comment>
        <translation>Erwartete Kennlinie bei den Messbedingungen anzeigen</translation>
    </message>
    <message>
        <source>Export EXP IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Erwartete IV-Punkte exportieren</translation>
    </message>
    <message>
        <source>Export Expected IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Erwartete IV-Kurvenpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Export EXP PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Erwartete Leistungspunkte exportieren</translation>
    </message>
    <message>
        <source>Export Expected Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Erwartete Leistungskurvenpunkte im CSV-Format exportieren</translation>
    </message>
    <message>
        <source>Determine Coefficients</source>
        <comment>Tool tip hint</comment>
        <translation>Koeffizienten ermitteln</translation>
    </message>
    <message>
        <source>Find Rs and κ from two or more curves of one string measured at different irradiances and temperatures</source>
        <comment>Tool tip hint</comment>
        <translation>Rs und κ aus zwei oder mehr Kennlinien eines Strangs ermitteln, die bei verschiedenen Einstrahlungen und Temperaturen gemessen wurden</translation>
    </message>
    <message>
        <source>Please select two or more curves of one string in the tree first.</source>
        <comment>User prompt</comment>
        <translation>Bitte wählen Sie zuerst im Baum zwei oder mehr Kennlinien eines Strangs.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveFileCheck</name>
    <message>
        <source>%1 cannot be opened: it is not a regular file.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Devices, pipes and folders are never opened as curve files. Choose the curve file itself.</source>
        <comment>Error message informative text</comment>
        <translation>Geräte, Pipes und Ordner werden nie als Kennliniendateien geöffnet. Wählen Sie die Kennliniendatei selbst.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file has been left as it is.</source>
        <comment>Error message informative text</comment>
        <translation>Die Datei wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the file is damaged.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The check of the file found: %1
The file has been left as it is. Open a backup copy of it instead.</source>
        <comment>Error message informative text</comment>
        <translation>Die Prüfung der Datei ergab: %1
Die Datei wurde unverändert gelassen. Öffnen Sie stattdessen eine Sicherungskopie.</translation>
    </message>
    <message>
        <source>%1 is read-only: nothing has been changed.</source>
        <comment>Error Message</comment>
        <translation>%1 ist schreibgeschützt: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>To change its curves or its tree, remove the read-only mark in the file&apos;s properties and open the file again.</source>
        <comment>Error message informative text</comment>
        <translation>Um ihre Kennlinien oder ihren Baum zu ändern, entfernen Sie den Schreibschutz in den Eigenschaften der Datei und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>%1 has been deleted, moved or replaced since it was opened: nothing has been saved.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde seit dem Öffnen gelöscht, verschoben oder ersetzt: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Put the file back in its place and try again, or close this document without saving and open the file where it is now.</source>
        <comment>Error message informative text</comment>
        <translation>Legen Sie die Datei wieder an ihren Platz und versuchen Sie es erneut, oder schließen Sie dieses Dokument ohne zu speichern und öffnen Sie die Datei an ihrem neuen Ort.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file is damaged or was not written by this program. It has been left as it is.</source>
        <comment>Error message informative text</comment>
        <translation>Die Datei ist beschädigt oder wurde nicht von diesem Programm geschrieben. Sie wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveFindingsSummary</name>
    <message>
        <source>PF %1 %</source>
        <comment>Curve report finding</comment>
        <translation>PF %1 %</translation>
    </message>
    <message>
        <source>STC/NOM %1 %</source>
        <comment>Curve report finding</comment>
        <translation>STC/NOM %1 %</translation>
    </message>
    <message>
        <source>step at %1 V</source>
        <comment>Curve report finding</comment>
        <translation>Stufe bei %1 V</translation>
    </message>
    <message>
        <source>Rs high %1 Ω</source>
        <comment>Curve report finding</comment>
        <translation>Rs hoch %1 Ω</translation>
    </message>
    <message>
        <source>Rsh low</source>
        <comment>Curve report finding</comment>
        <translation>Rsh niedrig</translation>
    </message>
    <message>
        <source>%1 % below others</source>
        <comment>Curve report finding</comment>
        <translation>%1 % unter den anderen</translation>
    </message>
    <message>
        <source>%1 (uncertain)</source>
        <comment>Curve report finding</comment>
        <translation>%1 (unsicher)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n string(s)</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>%1: %n String</numerusform>
            <numerusform>%1: %n Strings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Findings: none of the %n string(s) shows a finding.</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>Befunde: der %n String zeigt keinen Befund.</numerusform>
            <numerusform>Befunde: keiner der %n Strings zeigt einen Befund.</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings:</source>
        <comment>Curve report findings summary</comment>
        <translation>Befunde:</translation>
    </message>
    <message numerus="yes">
        <source>The findings of %n string(s) are uncertain: measured in low or uneven irradiance.</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>Die Befunde von %n String sind unsicher: bei geringer oder ungleichmäßiger Einstrahlung gemessen.</numerusform>
            <numerusform>Die Befunde von %n Strings sind unsicher: bei geringer oder ungleichmäßiger Einstrahlung gemessen.</numerusform>
        </translation>
    </message>
    <message>
        <source>low performance factor</source>
        <comment>Curve report findings summary</comment>
        <translation>niedriger Performance-Faktor</translation>
    </message>
    <message>
        <source>low power at STC</source>
        <comment>Curve report findings summary</comment>
        <translation>geringe Leistung bei STC</translation>
    </message>
    <message>
        <source>steps</source>
        <comment>Curve report findings summary</comment>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>high series resistance</source>
        <comment>Curve report findings summary</comment>
        <translation>hoher Serienwiderstand</translation>
    </message>
    <message>
        <source>low shunt resistance</source>
        <comment>Curve report findings summary</comment>
        <translation>niedriger Parallelwiderstand</translation>
    </message>
    <message>
        <source>below the other strings</source>
        <comment>Curve report findings summary</comment>
        <translation>unter den anderen Strings</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveGraph</name>
    <message>
        <source>IV Curve</source>
        <comment>Graph title</comment>
        <translation>IV-Kennlinie</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <comment>Graph axis title</comment>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <comment>Graph axis title</comment>
        <translation>Strom (A)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <comment>Graph axis title</comment>
        <translation>Leistung (W)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <comment>File Save Dialog</comment>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>File Save Dialog</comment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <comment>File Save Dialog</comment>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpeg *.png)</source>
        <comment>File Save Dialog</comment>
        <translation>Bilder (*.bmp *.jpeg *.png)</translation>
    </message>
    <message numerus="yes">
        <source>%n strings</source>
        <comment>Graph legend title</comment>
        <translation>
            <numerusform>%n String</numerusform>
            <numerusform>%n Strings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModuleDatabase</name>
    <message>
        <source>File is missing:
 %1</source>
        <comment>Error Message</comment>
        <translation>Datei fehlt:
 %1</translation>
    </message>
    <message>
        <source>%1

Module database: %2</source>
        <comment>Error Message</comment>
        <translation>%1

Moduldatenbank: %2</translation>
    </message>
    <message>
        <source>The module database %1 cannot be read: %2.

Replace it with the copy installed with the program.</source>
        <comment>Error Message</comment>
        <translation>Die Moduldatenbank %1 kann nicht gelesen werden: %2.

Ersetzen Sie sie durch die mit dem Programm installierte Kopie.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesChooser</name>
    <message>
        <source>Choose Module</source>
        <comment>Window Title</comment>
        <translation>Modul wählen</translation>
    </message>
    <message>
        <source>Show favourites only</source>
        <comment>Tool tip hint</comment>
        <translation>Nur Favoriten anzeigen</translation>
    </message>
    <message>
        <source>Number of modules in series:</source>
        <comment>User prompt</comment>
        <translation>Anzahl der Module in Reihe:</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesDlg</name>
    <message>
        <source>PV Modules</source>
        <comment>Window Title</comment>
        <translation>PV-Module</translation>
    </message>
    <message>
        <source>PV Module Database</source>
        <comment>Window Title</comment>
        <translation>PV-Moduldatenbank</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>User prompt</comment>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>Menu option</comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Menu option</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Menu option</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Menu option</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> (Copy)</source>
        <comment>User prompt</comment>
        <translation> (Kopie)</translation>
    </message>
    <message>
        <source>Deleting a preloaded module.
%1
Do you wish to continue?</source>
        <comment>Warning Message</comment>
        <translation>Ein mitgeliefertes Modul wird gelöscht.
%1
Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesEditDlg</name>
    <message>
        <source>Edit Module</source>
        <comment>Window Title</comment>
        <translation>Modul bearbeiten</translation>
    </message>
    <message>
        <source>Description:</source>
        <comment>User prompt</comment>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Favourite</source>
        <comment>Tool tip hint</comment>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Isc: (A)</source>
        <comment>User prompt</comment>
        <translation>Isc: (A)</translation>
    </message>
    <message>
        <source>Current at short-circuit</source>
        <comment>Tool tip hint</comment>
        <translation>Kurzschlussstrom</translation>
    </message>
    <message>
        <source>Voc: (V)</source>
        <comment>User prompt</comment>
        <translation>Voc: (V)</translation>
    </message>
    <message>
        <source>Voltage at open-circuit</source>
        <comment>Tool tip hint</comment>
        <translation>Leerlaufspannung</translation>
    </message>
    <message>
        <source>Impp: (A)</source>
        <comment>User prompt</comment>
        <translation>Impp: (A)</translation>
    </message>
    <message>
        <source>Current at maximum power point</source>
        <comment>Tool tip hint</comment>
        <translation>Strom im Punkt maximaler Leistung</translation>
    </message>
    <message>
        <source>Vmpp: (V)</source>
        <comment>User prompt</comment>
        <translation>Vmpp: (V)</translation>
    </message>
    <message>
        <source>Voltage at maximum power point</source>
        <comment>Tool tip hint</comment>
        <translation>Spannung im Punkt maximaler Leistung</translation>
    </message>
    <message>
        <source>α: (A/°C)</source>
        <comment>User prompt</comment>
        <translation>α: (A/°C)</translation>
    </message>
    <message>
        <source>Current-Temperature coefficient e.g. 0.003</source>
        <comment>Tool tip hint</comment>
        <translation>Temperaturkoeffizient des Stroms, z. B. 0,003</translation>
    </message>
    <message>
        <source>Enter value as a percentage of Isc</source>
        <comment>Tool tip hint</comment>
        <translation>Wert in Prozent von Isc eingeben</translation>
    </message>
    <message>
        <source>β: (V/°C)</source>
        <comment>User prompt</comment>
        <translation>β: (V/°C)</translation>
    </message>
    <message>
        <source>Voltage-Temperature coefficient e.g. -0.14</source>
        <comment>Tool tip hint</comment>
        <translation>Temperaturkoeffizient der Spannung, z. B. -0,14</translation>
    </message>
    <message>
        <source>Enter value as a percentage of Voc</source>
        <comment>Tool tip hint</comment>
        <translation>Wert in Prozent von Voc eingeben</translation>
    </message>
    <message>
        <source>delta:</source>
        <comment>User prompt</comment>
        <translation>Delta:</translation>
    </message>
    <message>
        <source>Anderson&apos;s delta coefficient:
mono-Crystalline 0.085
multi-Crystalline 0.110
Thin-Film 0.063</source>
        <comment>Tool tip hint</comment>
        <translation>Delta-Koeffizient nach Anderson:
monokristallin 0,085
polykristallin 0,110
Dünnschicht 0,063</translation>
    </message>
    <message>
        <source>Rs: (Ω)</source>
        <comment>User prompt</comment>
        <translation>Rs: (Ω)</translation>
    </message>
    <message>
        <source>series resistance e.g. 0.3</source>
        <comment>Tool tip hint</comment>
        <translation>Serienwiderstand, z. B. 0,3</translation>
    </message>
    <message>
        <source>%/°C ...</source>
        <comment>Menu option</comment>
        <translation>%/°C ...</translation>
    </message>
    <message>
        <source>Please enter a description of the module.</source>
        <comment>Warning Message</comment>
        <translation>Bitte geben Sie eine Bezeichnung des Moduls ein.</translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <comment>User prompt</comment>
        <translation>Zellen in Reihe:</translation>
    </message>
    <message>
        <source>Cells in series in one module, from the data sheet, e.g. 60; empty when unknown</source>
        <comment>Tool tip hint</comment>
        <translation>Zellen in Reihe in einem Modul, laut Datenblatt, z. B. 60; leer, wenn unbekannt</translation>
    </message>
    <message>
        <source>κ: (Ω/°C)</source>
        <comment>User prompt</comment>
        <translation>κ: (Ω/°C)</translation>
    </message>
    <message>
        <source>Curve-correction factor of IEC 60891, e.g. 0.00125; empty when unknown</source>
        <comment>Tool tip hint</comment>
        <translation>Kurvenkorrekturfaktor nach IEC 60891, z. B. 0,00125; leer, wenn unbekannt</translation>
    </message>
    <message>
        <source>cells in series</source>
        <comment>Warning Message</comment>
        <translation>Zellen in Reihe</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveNumberText</name>
    <message>
        <source>Your language setting writes decimals with a comma, for example %1.</source>
        <comment>Warning Message</comment>
        <translation>Ihre Spracheinstellung schreibt Dezimalzahlen mit Komma, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Your language setting writes decimals with a point, for example %1.</source>
        <comment>Warning Message</comment>
        <translation>Ihre Spracheinstellung schreibt Dezimalzahlen mit Punkt, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Your language setting writes decimals as in %1.</source>
        <comment>Warning Message</comment>
        <translation>Ihre Spracheinstellung schreibt Dezimalzahlen wie in %1.</translation>
    </message>
    <message>
        <source>The value of %1 is not a number: &quot;%2&quot;</source>
        <comment>Warning Message</comment>
        <translation>Der Wert von %1 ist keine Zahl: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The value of %1 must be a whole number from 1 to %2, or empty: &quot;%3&quot;</source>
        <comment>Warning Message</comment>
        <translation>Der Wert von %1 muss eine ganze Zahl von 1 bis %2 sein oder leer bleiben: &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurvePointsExport</name>
    <message>
        <source>STC</source>
        <translation>STC</translation>
    </message>
    <message>
        <source>MEAS</source>
        <translation>MESS</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>LEIST</translation>
    </message>
    <message>
        <source>Fill Factor</source>
        <translation>Füllfaktor</translation>
    </message>
    <message>
        <source>Cell Temp</source>
        <translation>Zelltemp.</translation>
    </message>
    <message>
        <source>Ambient Temp</source>
        <translation>Umgebungstemp.</translation>
    </message>
    <message>
        <source>Irradiance</source>
        <translation>Einstrahlung</translation>
    </message>
    <message>
        <source>Save CSV file</source>
        <comment>File Save Dialog</comment>
        <translation>CSV-Datei speichern</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <comment>File Save Dialog</comment>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source> Could not open file:
 %1</source>
        <comment>Error Message</comment>
        <translation> Datei konnte nicht geöffnet werden:
 %1</translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Export kind word: expected curve</comment>
        <translation>ERW</translation>
    </message>
    <message>
        <source>%1 has no expected curve: assign a PV module to the string and enter the irradiance and cell temperature of its measurement.</source>
        <comment>User prompt</comment>
        <translation>%1 hat keine erwartete Kennlinie: Ordnen Sie dem String ein PV-Modul zu und geben Sie die Einstrahlung und die Zelltemperatur seiner Messung ein.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveReport</name>
    <message>
        <source>Save PDF file</source>
        <comment>File Save Dialog</comment>
        <translation>PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <comment>File Save Dialog</comment>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Riso %1 MΩ at %2 V</source>
        <comment>Curve report</comment>
        <translation>Riso %1 MΩ bei %2 V</translation>
    </message>
    <message>
        <source>Riso %1 MΩ</source>
        <comment>Curve report</comment>
        <translation>Riso %1 MΩ</translation>
    </message>
    <message>
        <source>Rpe %1 Ω</source>
        <comment>Curve report</comment>
        <translation>Rpe %1 Ω</translation>
    </message>
    <message>
        <source>Iclamp %1 A</source>
        <comment>Curve report</comment>
        <translation>Iclamp %1 A</translation>
    </message>
    <message>
        <source>no IV curve</source>
        <comment>Curve report</comment>
        <translation>keine IV-Kennlinie</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>Curve report</comment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>The nominal total covers only the strings with a module assigned.</source>
        <comment>Curve report</comment>
        <translation>Die Summe der Nennleistung umfasst nur die Strings mit zugeordnetem Modul.</translation>
    </message>
    <message>
        <source>Deviations from the nominal power of more than %1 % are marked in colour.</source>
        <comment>Curve report</comment>
        <translation>Abweichungen von der Nennleistung über %1 % sind farbig hervorgehoben.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <comment>Report page foot</comment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTable</name>
    <message>
        <source>its points take more than %1 characters</source>
        <comment>Error Message</comment>
        <translation>ihre Punkte belegen mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>it has more than %1 points</source>
        <comment>Error Message</comment>
        <translation>sie hat mehr als %1 Punkte</translation>
    </message>
    <message>
        <source>Curve %1 of %2 cannot be shown: %3.</source>
        <comment>Error Message</comment>
        <translation>Kennlinie %1 aus %2 kann nicht angezeigt werden: %3.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTracker</name>
    <message numerus="yes">
        <source>… and %n more</source>
        <comment>Tracker text: lines not listed</comment>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>PF %1</source>
        <comment>Tracker text: measured over expected maximum power</comment>
        <translation>PF %1</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTreeModel</name>
    <message>
        <source>Item Description</source>
        <comment>Tree Control Header</comment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tester Index</source>
        <comment>Tree Control Header</comment>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Date Tested</source>
        <comment>Tree Control Header</comment>
        <translation>Prüfdatum</translation>
    </message>
    <message>
        <source>Irr</source>
        <comment>Tree Control Header</comment>
        <translation>Einstr.</translation>
    </message>
    <message>
        <source>Tcell</source>
        <comment>Tree Control Header</comment>
        <translation>TZelle</translation>
    </message>
    <message>
        <source>FF</source>
        <comment>Tree Control Header</comment>
        <translation>FF</translation>
    </message>
    <message>
        <source> </source>
        <comment>Tree Control Header</comment>
        <translation> </translation>
    </message>
    <message>
        <source>&lt;New Row&gt;</source>
        <translation>&lt;Neue Zeile&gt;</translation>
    </message>
    <message>
        <source>Invalid checksum. Internal error in test instrument or the CSV data has been modified</source>
        <comment>Tool tip hint</comment>
        <translation>Ungültige Prüfsumme. Interner Fehler im Prüfgerät, oder die CSV-Daten wurden verändert</translation>
    </message>
    <message>
        <source>Checksum ignored. Spreadsheet data modification was detected</source>
        <comment>Tool tip hint</comment>
        <translation>Prüfsumme nicht geprüft. Die Daten wurden mit einer Tabellenkalkulation verändert</translation>
    </message>
    <message>
        <source>Irradiance warning. Greater than 10% variance during test</source>
        <comment>Tool tip hint</comment>
        <translation>Einstrahlungswarnung. Mehr als 10 % Schwankung während der Messung</translation>
    </message>
    <message>
        <source>its curve tree is nested more than %1 levels deep</source>
        <translation>ihr Kennlinienbaum ist mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>node %1 of its curve tree comes more than once or lies below itself</source>
        <translation>Knoten %1 ihres Kennlinienbaums kommt mehrfach vor oder liegt unter sich selbst</translation>
    </message>
    <message>
        <source>its curve tree has more than %1 nodes</source>
        <translation>ihr Kennlinienbaum hat mehr als %1 Knoten</translation>
    </message>
    <message>
        <source>Status code of the test instrument: %1</source>
        <comment>Tool tip hint</comment>
        <translation>Statuscode des Prüfgeräts: %1</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTypeLegend</name>
    <message>
        <source>STC</source>
        <comment>Legend label</comment>
        <translation>STC</translation>
    </message>
    <message>
        <source>MEAS</source>
        <comment>Legend label</comment>
        <translation>MESS</translation>
    </message>
    <message>
        <source>NOM</source>
        <comment>Legend label</comment>
        <translation>NENN</translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Legend label</comment>
        <translation>ERW</translation>
    </message>
    <message>
        <source>all lines drawn plain: point at one to see its kind</source>
        <comment>Legend note</comment>
        <translation>alle Linien einfach gezeichnet: zeigen Sie auf eine, um ihre Art zu sehen</translation>
    </message>
</context>
<context>
    <name>IVCurve::DiagnosisFinding</name>
    <message>
        <source>%1 (uncertain: low or uneven irradiance)</source>
        <comment>Diagnosis finding</comment>
        <translation>%1 (unsicher: geringe oder ungleichmäßige Einstrahlung)</translation>
    </message>
    <message>
        <source>performance factor %1 % is below %2 %: less power than expected at the measured conditions</source>
        <comment>Diagnosis finding</comment>
        <translation>Performance-Faktor %1 % liegt unter %2 %: weniger Leistung als bei den gemessenen Bedingungen erwartet</translation>
    </message>
    <message>
        <source>power at STC is %1 % of the nominal power, below %2 %</source>
        <comment>Diagnosis finding</comment>
        <translation>Leistung bei STC beträgt %1 % der Nennleistung, weniger als %2 %</translation>
    </message>
    <message>
        <source>step in the curve from %1 V: shading or an active bypass diode</source>
        <comment>Diagnosis finding</comment>
        <translation>Stufe in der Kennlinie ab %1 V: Verschattung oder eine aktive Bypass-Diode</translation>
    </message>
    <message>
        <source>high series resistance (%1 Ω, more than %2 Ω): check connectors and cables</source>
        <comment>Diagnosis finding</comment>
        <translation>hoher Serienwiderstand (%1 Ω, mehr als %2 Ω): Steckverbinder und Leitungen prüfen</translation>
    </message>
    <message>
        <source>low shunt resistance (current falls by %1 % of Isc): possible cell or module damage</source>
        <comment>Diagnosis finding</comment>
        <translation>niedriger Parallelwiderstand (Strom fällt um %1 % von Isc): möglicher Zellen- oder Modulschaden</translation>
    </message>
    <message>
        <source>power at STC is %1 % below the median of the other strings</source>
        <comment>Diagnosis finding</comment>
        <translation>Leistung bei STC liegt %1 % unter dem Median der anderen Strings</translation>
    </message>
</context>
<context>
    <name>IVCurve::DiagnosisThresholdsPage</name>
    <message>
        <source>The curve window, the tree and the curve report mark a string&apos;s curve when it passes one of these limits:</source>
        <comment>User prompt</comment>
        <translation>Das Kennlinienfenster, der Baum und der Kennlinienbericht markieren die Kennlinie eines Strings, wenn sie eine dieser Grenzen überschreitet:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <comment>Button</comment>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Performance factor below:</source>
        <comment>Settings label</comment>
        <translation>Performance-Faktor unter:</translation>
    </message>
    <message>
        <source>Power at STC below (of nominal power):</source>
        <comment>Settings label</comment>
        <translation>Leistung bei STC unter (der Nennleistung):</translation>
    </message>
    <message>
        <source>Step: current drops by more than (of Isc):</source>
        <comment>Settings label</comment>
        <translation>Stufe: Strom fällt um mehr als (von Isc):</translation>
    </message>
    <message>
        <source>Series resistance above the modules&apos; own by a factor of:</source>
        <comment>Settings label</comment>
        <translation>Serienwiderstand über dem der Module um den Faktor:</translation>
    </message>
    <message>
        <source> ×</source>
        <comment>Settings unit</comment>
        <translation> ×</translation>
    </message>
    <message>
        <source>Shunt: current falls near Isc by more than:</source>
        <comment>Settings label</comment>
        <translation>Parallelwiderstand: Strom fällt nahe Isc um mehr als:</translation>
    </message>
    <message>
        <source>Power at STC below the other strings&apos; median by more than:</source>
        <comment>Settings label</comment>
        <translation>Leistung bei STC unter dem Median der anderen Strings um mehr als:</translation>
    </message>
    <message>
        <source>Findings uncertain below the irradiance:</source>
        <comment>Settings label</comment>
        <translation>Befunde unsicher unter der Einstrahlung:</translation>
    </message>
    <message>
        <source> W/m²</source>
        <comment>Settings unit</comment>
        <translation> W/m²</translation>
    </message>
</context>
<context>
    <name>IVCurve::ModuleDatabaseCheck</name>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its Modules are not a plain table</source>
        <translation>ihre Tabelle Modules ist keine einfache Tabelle</translation>
    </message>
    <message>
        <source>it holds more than %1 modules</source>
        <translation>sie enthält mehr als %1 Module</translation>
    </message>
    <message>
        <source>a module&apos;s description is longer than %1 characters, or one of its values longer than %2</source>
        <translation>die Beschreibung eines Moduls ist länger als %1 Zeichen oder einer seiner Werte länger als %2</translation>
    </message>
</context>
<context>
    <name>IVCurve::StcApproximation</name>
    <message>
        <source>approximate: %1</source>
        <comment>Warning Message</comment>
        <translation>genähert: %1</translation>
    </message>
    <message>
        <source>irradiance not measured</source>
        <comment>Warning Message</comment>
        <translation>Einstrahlung nicht gemessen</translation>
    </message>
    <message>
        <source>measured at %1 W/m²</source>
        <comment>Warning Message</comment>
        <translation>gemessen bei %1 W/m²</translation>
    </message>
    <message>
        <source>no module assigned</source>
        <comment>Warning Message</comment>
        <translation>kein Modul zugeordnet</translation>
    </message>
    <message>
        <source>Voc not reached by the measurement</source>
        <comment>Warning Message</comment>
        <translation>Uoc von der Messung nicht erreicht</translation>
    </message>
    <message>
        <source>Voc extrapolated by %1 %</source>
        <comment>Warning Message</comment>
        <translation>Uoc um %1 % extrapoliert</translation>
    </message>
</context>
<context>
    <name>InstallationDiagramDocument</name>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Wire</source>
        <comment>Tool tip hint</comment>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>Single wire</source>
        <comment>Tool tip hint</comment>
        <translation>Einzelader</translation>
    </message>
    <message>
        <source>DC cable</source>
        <comment>Tool tip hint</comment>
        <translation>DC-Kabel</translation>
    </message>
    <message>
        <source>AC cable</source>
        <comment>Tool tip hint</comment>
        <translation>AC-Kabel</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>Warning Message</comment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>InverterDiagramComponent</name>
    <message>
        <source>Inverter</source>
        <comment>Installation Diagram object name</comment>
        <translation>Wechselrichter</translation>
    </message>
</context>
<context>
    <name>LabelDiagramComponent</name>
    <message>
        <source>Label</source>
        <comment>Installation Diagram object name</comment>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>LanguageChange</name>
    <message>
        <source>Changing the language deletes any Report Favourites.
</source>
        <comment>Warning Message</comment>
        <translation>Beim Wechsel der Sprache werden alle Berichtsfavoriten gelöscht.
</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>The application must be restarted when the language is changed.</source>
        <comment>Warning Message</comment>
        <translation>Nach dem Wechsel der Sprache muss das Programm neu gestartet werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Browser</source>
        <comment>Window Title</comment>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Settings...</source>
        <comment>Menu option</comment>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>New Inspection Report</source>
        <comment>Menu option</comment>
        <translation>Neuer Prüfbericht Besichtigung</translation>
    </message>
    <message>
        <source>New PV Array Test Report</source>
        <comment>Menu option</comment>
        <translation>Neuer Prüfbericht PV-Generator</translation>
    </message>
    <message>
        <source>New Verification Certificate</source>
        <comment>Menu option</comment>
        <translation>Neue Prüfbescheinigung</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Menu option</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>Menu option</comment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Menu option</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>New Folder</source>
        <comment>Menu option</comment>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>About...</source>
        <comment>Menu option</comment>
        <translation>Über...</translation>
    </message>
    <message>
        <source>New Installation Diagram</source>
        <comment>Menu option</comment>
        <translation>Neues Anlagenschema</translation>
    </message>
    <message>
        <source>New Client Handover Pack</source>
        <comment>Menu option</comment>
        <translation>Neue Kundenübergabemappe</translation>
    </message>
    <message>
        <source>Create a new folder with a checklist in it</source>
        <comment>Tool tip hint</comment>
        <translation>Einen neuen Ordner mit einer Checkliste darin anlegen</translation>
    </message>
    <message>
        <source>New Checklist</source>
        <comment>Menu option</comment>
        <translation>Neue Checkliste</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Menu option</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Import...</source>
        <comment>Menu option</comment>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Download ...</source>
        <comment>Menu option</comment>
        <translation>Herunterladen ...</translation>
    </message>
    <message>
        <source>New Curve Data</source>
        <comment>Menu option</comment>
        <translation>Neue Kennliniendaten</translation>
    </message>
    <message>
        <source>PDF Instruction Manual</source>
        <comment>Menu option</comment>
        <translation>Bedienungsanleitung (PDF)</translation>
    </message>
    <message>
        <source>File</source>
        <comment>Menu option</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Menu option</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Menu option</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Menu option</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Document Search</source>
        <comment>Window Title</comment>
        <translation>Dokumentsuche</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check that the projects folder exists and that you may write to it.</source>
        <comment>Error message informative text</comment>
        <translation>Prüfen Sie, ob der Projektordner existiert und Sie darin schreiben dürfen.</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Menu option</comment>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Print...</source>
        <comment>Menu option</comment>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <comment>Menu option</comment>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <comment>Menu option</comment>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Menu option</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>Menu option</comment>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>Menu option</comment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Menu option</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Menu option</comment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <comment>Menu option</comment>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <comment>Menu option</comment>
        <translation>Keine zuletzt geöffneten Dokumente</translation>
    </message>
    <message>
        <source>Open Document</source>
        <comment>Window Title</comment>
        <translation>Dokument öffnen</translation>
    </message>
    <message>
        <source>Documents (*.arvir *.arvatr *.arvvc *.arvchk *.arvreport *.arvid *.arvcrv);;All Files (*)</source>
        <comment>File filter</comment>
        <translation>Dokumente (*.arvir *.arvatr *.arvvc *.arvchk *.arvreport *.arvid *.arvcrv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The instruction manual &quot;%1&quot; could not be found.</source>
        <comment>Error Message</comment>
        <translation>Die Bedienungsanleitung „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Please install %1 again.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte installieren Sie %1 erneut.</translation>
    </message>
    <message>
        <source>No program could show the instruction manual &quot;%1&quot;.</source>
        <comment>Error Message</comment>
        <translation>Kein Programm konnte die Bedienungsanleitung „%1“ anzeigen.</translation>
    </message>
    <message>
        <source>Install a program for PDF files, such as a document viewer, then open the manual again.</source>
        <comment>Error message informative text</comment>
        <translation>Installieren Sie ein Programm für PDF-Dateien, etwa einen Dokumentbetrachter, und öffnen Sie die Anleitung dann erneut.</translation>
    </message>
</context>
<context>
    <name>MdiWindow</name>
    <message>
        <source>Window</source>
        <comment>Menu option</comment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <comment>Menu option</comment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the active window</source>
        <comment>Tool tip hint</comment>
        <translation>Das aktive Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <comment>Menu option</comment>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Tile the windows</source>
        <comment>Tool tip hint</comment>
        <translation>Die Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <comment>Menu option</comment>
        <translation>Über&amp;lappend</translation>
    </message>
    <message>
        <source>Cascade the windows</source>
        <comment>Tool tip hint</comment>
        <translation>Die Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>&amp;Reset Window Layout</source>
        <comment>Menu option</comment>
        <translation>Fensteranordnung &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Restore the default Window layout</source>
        <comment>Tool tip hint</comment>
        <translation>Die ursprüngliche Fensteranordnung wiederherstellen</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <comment>Menu option</comment>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>Move the focus to the next window</source>
        <comment>Tool tip hint</comment>
        <translation>Zum nächsten Fenster wechseln</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <comment>Menu option</comment>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Move the focus to the previous window</source>
        <comment>Tool tip hint</comment>
        <translation>Zum vorherigen Fenster wechseln</translation>
    </message>
</context>
<context>
    <name>PanelDiagramComponent</name>
    <message>
        <source>PV Panel</source>
        <comment>Installation Diagram object name</comment>
        <translation>PV-Modul</translation>
    </message>
</context>
<context>
    <name>PdfExportChooser</name>
    <message>
        <source>Export PDF</source>
        <comment>Window Title</comment>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>File filter</comment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <source>Select Image</source>
        <comment>Window Title</comment>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.tif *.tiff *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.tif *.tiff *.svg)</translation>
    </message>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen</translation>
    </message>
    <message>
        <source>%1 has more than %2 million pixels. Please insert a smaller copy of the picture.</source>
        <comment>Error Message</comment>
        <translation>%1 hat mehr als %2 Millionen Pixel. Bitte fügen Sie eine verkleinerte Kopie des Bildes ein.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be shown.</source>
        <comment>Error Message</comment>
        <translation>%1 ist kein Bild, das angezeigt werden kann.</translation>
    </message>
    <message>
        <source>%1 was not added: a report holds at most %2 pictures.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde nicht eingefügt: Ein Bericht fasst höchstens %2 Bilder.</translation>
    </message>
    <message>
        <source>Please delete a picture you no longer need first.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte löschen Sie zuerst ein Bild, das Sie nicht mehr brauchen.</translation>
    </message>
    <message>
        <source>%1 was not added: the pictures of a report have at most %2 million pixels together.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde nicht eingefügt: Die Bilder eines Berichts haben zusammen höchstens %2 Millionen Pixel.</translation>
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
    <message>
        <source>&quot;%1&quot; cannot be renamed while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation>„%1“ kann nicht umbenannt werden, solange das Dokument „%2“ geöffnet ist. Bitte schließen Sie das Dokument und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation>„%1“ kann nicht verschoben werden, solange das Dokument „%2“ geöffnet ist. Bitte schließen Sie das Dokument und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be deleted while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation>„%1“ kann nicht gelöscht werden, solange das Dokument „%2“ geöffnet ist. Bitte schließen Sie das Dokument und versuchen Sie es erneut.</translation>
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
    <message>
        <source>You can restore it from the trash.</source>
        <comment>User prompt</comment>
        <translation>Sie können es aus dem Papierkorb wiederherstellen.</translation>
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
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be opened as reports.</source>
        <comment>Error Message</comment>
        <translation>„%1“ ist keine gewöhnliche Datei: Ordner, Geräte und Pipes können nicht als Bericht geöffnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a report can be (%2 MB).</source>
        <comment>Error Message</comment>
        <translation>„%1“ ist größer, als ein Bericht sein kann (%2 MB).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 pictures; it is damaged or is not a report file.</source>
        <comment>Error Message</comment>
        <translation>„%1“ enthält mehr als %2 Bilder; die Datei ist beschädigt oder keine Berichtsdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: with its pictures it would be larger than a report can be (%2 MB) and could not be opened again. Remove some pictures or insert smaller ones.</source>
        <comment>Error Message</comment>
        <translation>„%1“ wurde nicht gespeichert: Mit seinen Bildern wäre der Bericht größer als erlaubt (%2 MB) und ließe sich nicht wieder öffnen. Entfernen Sie einige Bilder oder fügen Sie kleinere ein.</translation>
    </message>
</context>
<context>
    <name>ReportFavourites</name>
    <message>
        <source>The default document &quot;%1&quot; is missing from this installation.</source>
        <comment>Error Message</comment>
        <translation>Das Standarddokument „%1“ fehlt in dieser Installation.</translation>
    </message>
    <message>
        <source>Please install %1 again.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte installieren Sie %1 erneut.</translation>
    </message>
    <message>
        <source>The favourite &quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation>Der Favorit „%1“ konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Lesen</translation>
    </message>
    <message>
        <source>XML validation error in %1 on line %2, column %3</source>
        <comment>Error Message</comment>
        <translation>XML-Validierungsfehler in %1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1 cannot be opened: its report template %2 could not be read.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: Die Berichtsvorlage %2 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation>Fehler beim Öffnen von %1 zum Schreiben</translation>
    </message>
    <message>
        <source>Picture %1 has more than %2 million pixels.</source>
        <translation>Bild %1 hat mehr als %2 Millionen Pixel.</translation>
    </message>
    <message>
        <source>Its pictures have more than %1 million pixels together.</source>
        <translation>Seine Bilder haben zusammen mehr als %1 Millionen Pixel.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is damaged or holds more than a report can.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden: Die Datei ist beschädigt oder enthält mehr, als ein Bericht fassen kann.</translation>
    </message>
    <message>
        <source>%1 was not saved: it holds more than a report can hold, so it could not be opened again.</source>
        <comment>Error Message</comment>
        <translation>%1 wurde nicht gespeichert: Die Datei enthielte mehr, als ein Bericht fassen kann, und ließe sich deshalb nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>Please shorten the longest texts or remove pictures, then save again.</source>
        <comment>Error message informative text</comment>
        <translation>Bitte kürzen Sie die längsten Texte oder entfernen Sie Bilder und speichern Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Add Image</source>
        <comment>Menu option</comment>
        <translation>Bild einfügen</translation>
    </message>
</context>
<context>
    <name>ReportPaths</name>
    <message>
        <source>%1 lies neither in the program&apos;s resources nor in the document&apos;s folder.</source>
        <translation>%1 liegt weder in den Ressourcen des Programms noch im Ordner des Dokuments.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 ist größer als %2 MB.</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Created by %1.</source>
        <translation>Erstellt mit %1.</translation>
    </message>
</context>
<context>
    <name>ReportResizableImage</name>
    <message>
        <source>Delete Image</source>
        <comment>Menu option</comment>
        <translation>Bild löschen</translation>
    </message>
</context>
<context>
    <name>ReportScene</name>
    <message>
        <source>Add Pictures</source>
        <comment>Undo command</comment>
        <translation>Bilder hinzufügen</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Font Settings...</source>
        <comment>Menu option</comment>
        <translation>Schriftart...</translation>
    </message>
    <message>
        <source>A field holds at most %1 characters.</source>
        <comment>Error Message</comment>
        <translation>Ein Feld fasst höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Longer text could not be read back when the report is opened again.</source>
        <comment>Error message informative text</comment>
        <translation>Längerer Text ließe sich beim erneuten Öffnen des Berichts nicht wieder lesen.</translation>
    </message>
</context>
<context>
    <name>ReportXmlGuard</name>
    <message>
        <source>the report text is larger than %1 MB</source>
        <translation>der Berichtstext ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it declares a document type, which reports never do</source>
        <translation>die Datei deklariert einen Dokumenttyp, was Berichte nie tun</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>a text is longer than %1 characters</source>
        <translation>ein Text ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation>die Datei enthält mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>it holds more than %1 pictures</source>
        <translation>die Datei enthält mehr als %1 Bilder</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1=&quot;%2&quot; ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>a table of %1 x %2 cells has more than %3 cells</source>
        <translation>eine Tabelle mit %1 x %2 Zellen hat mehr als %3 Zellen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>its texts together are longer than %1 characters</source>
        <translation>ihre Texte sind zusammen länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>ResultsFileChooser</name>
    <message>
        <source>Import CSV File</source>
        <comment>Window Title</comment>
        <translation>CSV-Datei importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <comment>File filter</comment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>ResultsImportMessages</name>
    <message>
        <source>No more room left in the report table. Please use another Array Test Report.</source>
        <comment>Error Message</comment>
        <translation>In der Berichtstabelle ist kein Platz mehr frei. Bitte verwenden Sie einen weiteren Prüfbericht PV-Generator.</translation>
    </message>
    <message>
        <source>Unable to find where to insert data. Please ensure an Array Test Report has focus before inserting the data.</source>
        <comment>Error Message</comment>
        <translation>Es wurde keine Stelle zum Einfügen der Daten gefunden. Bitte aktivieren Sie vor dem Einfügen einen Prüfbericht PV-Generator.</translation>
    </message>
    <message>
        <source>You are attempting to insert data into an older version of the Array Test Report document. 								   Please create a new Array Test Report if you would like to import data into it. 								   You may need to restore the Array Test Document in the favourites settings if the favourite 								   was created using an earlier version of %1.</source>
        <comment>Error Message</comment>
        <translation>Sie versuchen, Daten in eine ältere Version des Prüfberichts PV-Generator einzufügen. 								   Bitte legen Sie einen neuen Prüfbericht PV-Generator an, wenn Sie Daten importieren möchten. 								   Eventuell müssen Sie den Prüfbericht in den Favoriten-Einstellungen wiederherstellen, falls der Favorit 								   mit einer älteren Version von %1 erstellt wurde.</translation>
    </message>
    <message>
        <source>Programming error: Invalid row: %1</source>
        <comment>Error Message</comment>
        <translation>Programmfehler: Ungültige Zeile: %1</translation>
    </message>
</context>
<context>
    <name>SearchResultsDocument</name>
    <message>
        <source>%1 cannot be opened.</source>
        <comment>Error Message</comment>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>Window Title</comment>
        <translation>Suchergebnisse</translation>
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
