<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Errore: la verifica si è interrotta: %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>dimensione</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>hash ed2k</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>hash delle parti</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>hash AICH</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossibile aprirlo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>troppo grande per un elenco</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>errore di lettura: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ERRATO</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>MANCANTE</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>NON VERIFICATO</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 non corrisponde</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 non corrispondono</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 ERRATO, %3 MANCANTE</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 voce: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n voce: %1</numerusform>
            <numerusform>%n voci: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 NON VERIFICATO</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Errore: impossibile leggere l&apos;elenco «%1»: %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Errore: l&apos;elenco «%1» non contiene nulla da verificare.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Attenzione: %1, riga %2: non è una riga di un formato di elenco conosciuto.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Nota: %1: 1 riga saltata, per impronte che non vengono verificate (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Nota: %1: %n riga saltata, per impronte che non vengono verificate (%2).</numerusform>
            <numerusform>Nota: %1: %n righe saltate, per impronte che non vengono verificate (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>Generatore di collegamenti ed2k</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>Crea collegamenti ed2k di file e cartelle</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Apri con Linkmint</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>Crea collegamenti ed2k dei file e delle cartelle selezionati</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Errore: %1 esiste già e non è stato creato da Linkmint; è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Errore: impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Errore: impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Errore: il percorso del programma contiene un carattere di controllo e non può essere inserito in una voce di menu.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Errore: impossibile rimuovere %1.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1%; ne mancano %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>In pausa: manca 1 file</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>In corso: manca 1 file</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>In pausa: manca %n file</numerusform>
            <numerusform>In pausa: mancano %n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>In corso: manca %n file</numerusform>
            <numerusform>In corso: mancano %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Inattivo: fai clic qui per aggiungere file</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (inattivo)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Errore: impossibile aprire il file «%1».</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Riprendi (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pausa (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>Errore: il thread di elaborazione dei file si è interrotto.  Fai clic sul pulsante Riprendi per provare a continuare.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>Nessun CRC trovato nel nome del file.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>Trovato un CRC corretto nel nome del file.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Per questo file non è ancora stato calcolato alcun hash.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>Trovato un possibile CRC nel nome del file, ma non corrisponde.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>«%1» è una maschera non valida alla posizione (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 MB di %2 MB</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 MB/s, mancano %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>Collegamenti ED2K (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Errore: la cartella «%1» non esiste.</translation>
    </message>
</context>
<context>
    <name>lm::TStatBar</name>
    <message>
        <source>%1, %2%</source>
        <comment>the file being read and how far it has got</comment>
        <translation>%1, %2%</translation>
    </message>
</context>
<context>
    <name>lm::TeD2KfrmMain</name>
    <message>
        <source>it is not a regular file</source>
        <comment>why a save failed: Error: Could not save &quot;%1&quot;: &lt;this&gt;</comment>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Errore: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Aggiungi file</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>&amp;Verifica file con un elenco…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>&amp;Salva file di collegamenti ED2K</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Salva tutte le &amp;informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Copia tutto negli appunti</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Copia tutto come collegamenti &amp;magnet</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Copia la &amp;selezione negli appunti</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>&amp;Rimuovi tutto dall&apos;elenco</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Rimuovi la se&amp;lezione dall&apos;elenco</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>&amp;Ordina l&apos;elenco</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>Preferen&amp;ze</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Copia la selezione come collegamenti ma&amp;gnet</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Aggiungi file (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Aggiungi cartella (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Salva collegamenti (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Esci (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Copia tutto negli appunti (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Copia la selezione negli appunti (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Rimuovi tutto (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Rimuovi la selezione (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Ordina (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pausa (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Esci al termine</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Errore: impossibile salvare «%1»: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Errore: impossibile mettere i collegamenti negli appunti.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Errore: file «%1» non trovato</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Verifica file con un elenco</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>Informazioni su Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Coniato con cura dagli sviluppatori di Linkmint.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Elenchi (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, riga %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Verifica file con un elenco</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v di %m file</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Elenco: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Elenchi: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Lettura dell&apos;elenco…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Lettura degli elenchi…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Ricerca dei file…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>File %1 di %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Nulla da verificare.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Nome del tipo</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Errore: il percorso della cartella predefinita non esiste.<byte value="xd"/>
Scegli una cartella esistente o lascia il campo vuoto.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Tipi di file predefiniti per la selezione dei file e il trascinamento</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Nota: alcuni suoni di sistema potrebbero non essere assegnati sul tuo computer</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Esclamazione</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Asterisco</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Riproduci suono</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Aggiungi suono personalizzato</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>Minima</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Priorità del thread di calcolo (consigliata: Bassa o Normale)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Aggiungi tipo</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Aggiungi un nuovo tipo all&apos;elenco dei tipi di file</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Elimina tipo</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Elimina il tipo di file selezionato</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Rimuovi i percorsi</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Rimuovi il percorso del file dai collegamenti ED2K</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Mostra le informazioni dei file</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Mostra gli altri hash dei file in un riquadro separato</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Hash in minuscolo</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Stabilisce se le lettere dei valori esadecimali sono maiuscole o minuscole</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>Ridurre a icona il programma lo manda nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Includi barra finale</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Aggiunge una barra alla fine dei collegamenti ED2K (di solito non serve)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Avvia dal gestore file</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Aggiunge Linkmint al menu contestuale dei file</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* per il trascinamento</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Usa *.* per le cartelle trascinate sulla finestra invece della maschera del tipo predefinito</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Ordina i file aggiunti</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Aggiunge i file all&apos;elenco in ordine</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Seleziona i file aggiunti</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Aggiunge i nuovi file già selezionati</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Conserva i file all&apos;uscita</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>Aggiungi hash AICH</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Aggiunge ai collegamenti ED2K l&apos;hash radice AICH (h=), con cui i client riparano le parti danneggiate</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Aggiungi hash delle parti</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Aggiunge gli hash delle parti (p=) ai collegamenti ED2K dei file più grandi di una parte</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Mostra avanzamento totale</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Durante il calcolo mostra nella barra di stato e nel suggerimento dell&apos;icona di notifica quanti MB di tutti i file sono stati letti, la velocità e il tempo rimanente</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Resta inattivo (predefinito)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Copia la selezione negli appunti</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>Copia negli appunti ed esci</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Cartella predefinita: (vuota per iniziare dall&apos;ultima cartella usata)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Tipo di file predefinito:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Suono al termine:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Priorità del thread:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipi di file:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Altre opzioni:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Quando tutti i file sono letti:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Seleziona la cartella predefinita</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>File Wave (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>File MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Numero di file: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipi di file:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Conta file</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Includi tutte le sottocartelle</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Conta i file automaticamente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Numero di file: %1</translation>
    </message>
</context>
</TS>
