<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Fehler: Die Prüfung wurde abgebrochen: %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>ed2k-Hash</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>Teil-Hashes</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>AICH-Hash</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>zu groß für eine Liste</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>Lesefehler: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>FEHLT</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>NICHT GEPRÜFT</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 weicht ab</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 weichen ab</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 FEHLER, %3 FEHLT</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 Eintrag: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n Eintrag: %1</numerusform>
            <numerusform>%n Einträge: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 NICHT GEPRÜFT</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Fehler: Die Liste „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Fehler: Die Liste „%1“ enthält nichts zu prüfen.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Warnung: %1, Zeile %2: keine Zeile eines bekannten Listenformats.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Hinweis: %1: 1 Zeile übersprungen, für Prüfsummen, die nicht geprüft werden (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Hinweis: %1: %n Zeile übersprungen, für Prüfsummen, die nicht geprüft werden (%2).</numerusform>
            <numerusform>Hinweis: %1: %n Zeilen übersprungen, für Prüfsummen, die nicht geprüft werden (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>ed2k-Link-Ersteller</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>ed2k-Links von Dateien und Ordnern erstellen</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Mit Linkmint öffnen</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>ed2k-Links der ausgewählten Dateien und Ordner erstellen</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Fehler: %1 existiert bereits und wurde nicht von Linkmint angelegt; es wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Fehler: Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Fehler: %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Fehler: Der Pfad des Programms enthält ein Steuerzeichen und kann nicht in einen Menüeintrag übernommen werden.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Fehler: %1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1 %; noch %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>Angehalten: noch 1 Datei</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>In Arbeit: noch 1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>Angehalten: noch %n Datei</numerusform>
            <numerusform>Angehalten: noch %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>In Arbeit: noch %n Datei</numerusform>
            <numerusform>In Arbeit: noch %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Bereit: hier klicken, um Dateien hinzuzufügen</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (bereit)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Fehler: Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Fortsetzen (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Anhalten (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>Fehler: Der Verarbeitungs-Thread ist abgestürzt.  Klicken Sie auf „Fortsetzen“, um es erneut zu versuchen.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>Keine CRC im Dateinamen gefunden.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>Korrekte CRC im Dateinamen gefunden.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Für diese Datei wurde noch kein Hash erzeugt.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>Mögliche CRC im Dateinamen gefunden, sie stimmt aber nicht überein.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>„%1“ ist eine ungültige Maske an Position (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 MB von %2 MB</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 MB/s, noch %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>ED2K-Links (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Fehler: Der Ordner „%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>lm::TStatBar</name>
    <message>
        <source>%1, %2%</source>
        <comment>the file being read and how far it has got</comment>
        <translation>%1, %2 %</translation>
    </message>
</context>
<context>
    <name>lm::TeD2KfrmMain</name>
    <message>
        <source>it is not a regular file</source>
        <comment>why a save failed: Error: Could not save &quot;%1&quot;: &lt;this&gt;</comment>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Dateien &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>Dateien mit Liste &amp;prüfen …</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>ED2K-Link-Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Alle &amp;Informationen speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Alle in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Alle als &amp;Magnet-Links kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Aus&amp;gewählte in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>Alle aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Ausgewählte aus der Liste ent&amp;fernen</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>Liste &amp;sortieren</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Ausgewählte als &amp;Magnet-Links kopieren</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Dateien hinzufügen (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Ordner hinzufügen (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Links speichern (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Beenden (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Alle in die Zwischenablage kopieren (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Ausgewählte in die Zwischenablage kopieren (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Alle entfernen (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Ausgewählte entfernen (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Sortieren (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Anhalten (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Danach beenden</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Fehler: „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Fehler: Die Links konnten nicht in die Zwischenablage gelegt werden.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Fehler: Die Datei „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Dateien mit Liste prüfen</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>Über Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Mit Sorgfalt geprägt von den Linkmint-Entwicklern.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Listen (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, Zeile %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Dateien mit Liste prüfen</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v von %m Dateien</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Listen: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Liste wird gelesen …</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Listen werden gelesen …</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Dateien werden gesucht …</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>Datei %1 von %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Nichts zu prüfen.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Dateimaske</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Fehler: Der Pfad des Standardordners existiert nicht.<byte value="xd"/>
Bitte wählen Sie einen vorhandenen Ordner oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Standard-Dateityp beim Auswählen von Dateien und beim Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Hinweis: Manchen Systemklängen ist auf Ihrem Rechner eventuell kein Klang zugeordnet</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Klang abspielen</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Eigenen Klang hinzufügen</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>Niedrigste</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Niedriger</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Priorität des Hash-Threads (empfohlen: Niedriger oder Normal)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Dateityp hinzufügen</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Einen neuen Dateityp zur Liste der Dateitypen hinzufügen</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Dateityp löschen</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Den ausgewählten Dateityp löschen</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Dateipfade entfernen</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Den Dateipfad aus ED2K-Links entfernen</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Dateiinformationen anzeigen</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Die übrigen Hashes der Dateien in einem eigenen Bereich anzeigen</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Hashes in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Legt fest, ob Buchstaben in Hex-Werten groß oder klein geschrieben werden</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>In den Systembereich minimieren</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>Beim Minimieren wird das Programm in den Systembereich gelegt</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Abschließenden Schrägstrich anfügen</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Fügt ED2K-Links einen abschließenden Schrägstrich an (meist nicht nötig)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Aus dem Dateimanager starten</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Nimmt Linkmint in das Kontextmenü von Dateien auf</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* beim Ziehen &amp;&amp; Ablegen</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Für abgelegte Ordner *.* statt der Maske des Standard-Dateityps verwenden</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Hinzugefügte Dateien sortieren</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Fügt Dateien sortiert in die Liste ein</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Hinzugefügte Dateien auswählen</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Fügt neue Dateien ausgewählt hinzu</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Dateien beim Beenden behalten</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>AICH-Hash anfügen</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Fügt ED2K-Links den AICH-Wurzelhash (h=) an, mit dem Clients beschädigte Teile reparieren</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Teil-Hashes anfügen</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Fügt ED2K-Links von Dateien, die größer als ein Teil sind, die Teil-Hashes (p=) an</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Gesamtfortschritt anzeigen</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Zeigt beim Hashen in der Statusleiste und im Tooltip des Symbols im Systembereich, wie viele MB aller Dateien gelesen sind, die Geschwindigkeit und die Restzeit</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Bereit bleiben (Standard)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Ausgewählte in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>In die Zwischenablage kopieren &amp;&amp; beenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Standardordner: (leer lassen, um im zuletzt verwendeten Ordner zu beginnen)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Standard-Dateityp:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Klang bei Abschluss:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Thread-Priorität:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Dateitypen:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Weitere Optionen:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Wenn alle Dateien gelesen sind:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Standardordner auswählen</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Wave-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>MIDI-Dateien (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Anzahl der Dateien: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Dateitypen:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Dateien zählen</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Alle Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Dateien automatisch zählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Anzahl der Dateien: %1</translation>
    </message>
</context>
</TS>
