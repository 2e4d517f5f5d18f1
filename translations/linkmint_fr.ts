<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Erreur : la vérification s&apos;est arrêtée : %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>hachage ed2k</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>hachages des parties</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>hachage AICH</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>trop grand pour une liste</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>erreur de lecture : %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>ABSENT</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>NON VÉRIFIÉ</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 diffère</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 diffèrent</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 ÉCHEC, %3 ABSENT</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 entrée : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n entrée : %1</numerusform>
            <numerusform>%n entrées : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 NON VÉRIFIÉ</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Erreur : impossible de lire la liste « %1 » : %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Erreur : la liste « %1 » ne contient rien à vérifier.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Avertissement : %1, ligne %2 : ce n&apos;est pas une ligne d&apos;un format de liste connu.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Remarque : %1 : 1 ligne ignorée, pour des empreintes qui ne sont pas vérifiées (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Remarque : %1 : %n ligne ignorée, pour des empreintes qui ne sont pas vérifiées (%2).</numerusform>
            <numerusform>Remarque : %1 : %n lignes ignorées, pour des empreintes qui ne sont pas vérifiées (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>Créateur de liens ed2k</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>Créer des liens ed2k de fichiers et de dossiers</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Ouvrir avec Linkmint</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>Créer des liens ed2k des fichiers et dossiers sélectionnés</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Erreur : %1 existe déjà et n&apos;a pas été créé par Linkmint ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Erreur : impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Erreur : impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Erreur : le chemin du programme contient un caractère de contrôle et ne peut pas figurer dans une entrée de menu.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Erreur : impossible de supprimer %1.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1 % ; encore %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>En pause : 1 fichier restant</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>En cours : 1 fichier restant</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>En pause : %n fichier restant</numerusform>
            <numerusform>En pause : %n fichiers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>En cours : %n fichier restant</numerusform>
            <numerusform>En cours : %n fichiers restants</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Inactif : cliquez ici pour ajouter des fichiers</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (inactif)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Erreur : impossible d&apos;ouvrir le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Reprendre (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pause (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>Erreur : le thread de traitement des fichiers s&apos;est arrêté.  Cliquez sur le bouton Reprendre pour essayer de continuer.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>Aucun CRC trouvé dans le nom du fichier.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>CRC correct trouvé dans le nom du fichier.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Aucun hachage n&apos;a encore été calculé pour ce fichier.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>Un CRC possible a été trouvé dans le nom du fichier, mais il ne correspond pas.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>« %1 » est un masque non valide à la position (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 Mo sur %2 Mo</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 Mo/s, %3 restant</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>Liens ED2K (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Erreur : le dossier « %1 » n&apos;existe pas.</translation>
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
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Erreur : </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>&amp;Vérifier des fichiers avec une liste…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>&amp;Enregistrer le fichier de liens ED2K</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Enregistrer toutes les &amp;informations</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Copier tout dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Copier tout en liens &amp;magnet</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Copier la &amp;sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>&amp;Retirer tout de la liste</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Retirer la sé&amp;lection de la liste</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>&amp;Trier la liste</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>Préfére&amp;nces</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Copier la sélection en liens ma&amp;gnet</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Ajouter des fichiers (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Ajouter un dossier (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Enregistrer les liens (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Quitter (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Copier tout dans le presse-papiers (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Copier la sélection dans le presse-papiers (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Retirer tout (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Retirer la sélection (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Trier (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pause (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Quitter à la fin</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Erreur : impossible d&apos;enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Erreur : impossible de placer les liens dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Erreur : fichier « %1 » introuvable</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Vérifier des fichiers avec une liste</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>À propos de Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Frappé avec soin par les développeurs de Linkmint.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Listes (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, ligne %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Vérifier des fichiers avec une liste</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v fichiers sur %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste : %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Listes : %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Lecture de la liste…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Lecture des listes…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Recherche des fichiers…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>Fichier %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Rien à vérifier.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Nom du type</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Erreur : le chemin du dossier par défaut n&apos;existe pas.<byte value="xd"/>
Veuillez choisir un dossier existant ou laisser le champ vide.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Types de fichiers par défaut pour la sélection de fichiers et le glisser-déposer</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Remarque : certains sons système peuvent ne pas être définis sur votre ordinateur</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Question</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Exclamation</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Astérisque</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Ajouter un son personnalisé</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>La plus basse</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Priorité du thread de hachage (recommandé : Basse ou Normale)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Ajouter un type</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Ajouter un nouveau type à la liste des types de fichiers</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Supprimer le type</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Supprimer le type de fichier sélectionné</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Retirer les chemins</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Retirer le chemin du fichier des liens ED2K</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Afficher les informations des fichiers</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Afficher les autres hachages des fichiers dans un volet séparé</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Hachages en minuscules</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Détermine si les lettres des valeurs hexadécimales sont en majuscules ou en minuscules</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>Réduire le programme le place dans la zone de notification</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Ajouter une barre oblique finale</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Ajoute une barre oblique à la fin des liens ED2K (rarement nécessaire)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Lancer depuis le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Ajoute Linkmint au menu contextuel des fichiers</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* pour le glisser-déposer</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Utiliser *.* pour les dossiers déposés sur la fenêtre au lieu du masque du type par défaut</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Trier les fichiers ajoutés</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Ajoute les fichiers à la liste à leur place dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Sélectionner les fichiers ajoutés</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Ajoute les nouveaux fichiers déjà sélectionnés</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Garder les fichiers en quittant</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>Ajouter le hachage AICH</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Ajoute aux liens ED2K le hachage racine AICH (h=), avec lequel les clients réparent les parties endommagées</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Ajouter les hachages des parties</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Ajoute les hachages des parties (p=) aux liens ED2K des fichiers de plus d&apos;une partie</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Afficher la progression globale</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Pendant le hachage, affiche dans la barre d&apos;état et l&apos;infobulle de l&apos;icône de notification combien de Mo de tous les fichiers sont lus, la vitesse et le temps restant</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Rester inactif (par défaut)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>Copier dans le presse-papiers &amp;&amp; quitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Dossier par défaut : (vide pour commencer dans le dernier dossier utilisé)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Type de fichier par défaut :</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Son de fin :</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Priorité du thread :</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Types de fichiers :</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Autres options :</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Quand tous les fichiers sont lus :</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Choisir le dossier par défaut</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Fichiers Wave (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>Fichiers MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Nombre de fichiers : ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Types de fichiers :</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Compter</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Inclure tous les sous-dossiers</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Compter les fichiers automatiquement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Nombre de fichiers : %1</translation>
    </message>
</context>
</TS>
