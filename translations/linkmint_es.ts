<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Error: la comprobación se detuvo: %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>hash ed2k</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>hashes de las partes</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>hash AICH</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>demasiado grande para una lista</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>error de lectura: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALLO</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>FALTA</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>SIN COMPROBAR</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 no coincide</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 no coinciden</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 FALLO, %3 FALTA</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 entrada: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n entrada: %1</numerusform>
            <numerusform>%n entradas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 SIN COMPROBAR</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Error: no se puede leer la lista «%1»: %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Error: la lista «%1» no contiene nada que comprobar.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Aviso: %1, línea %2: no es una línea de un formato de lista conocido.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Nota: %1: 1 línea omitida, de sumas que no se comprueban (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Nota: %1: %n línea omitida, de sumas que no se comprueban (%2).</numerusform>
            <numerusform>Nota: %1: %n líneas omitidas, de sumas que no se comprueban (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>Creador de enlaces ed2k</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>Crear enlaces ed2k de archivos y carpetas</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Abrir con Linkmint</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>Crear enlaces ed2k de los archivos y carpetas seleccionados</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Error: %1 ya existe y no lo creó Linkmint; se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Error: no se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Error: no se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Error: la ruta del programa contiene un carácter de control y no puede figurar en una entrada de menú.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Error: no se pudo eliminar %1.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1 %; faltan %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>En pausa: queda 1 archivo</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>Trabajando: queda 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>En pausa: queda %n archivo</numerusform>
            <numerusform>En pausa: quedan %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>Trabajando: queda %n archivo</numerusform>
            <numerusform>Trabajando: quedan %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Inactivo: pulse aquí para añadir archivos</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (inactivo)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Error: no se puede abrir el archivo «%1».</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Reanudar (F12)</translation>
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
        <translation>Error: el hilo de procesamiento de archivos se detuvo.  Pulse el botón Reanudar para intentar continuar.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>No se encontró ningún CRC en el nombre del archivo.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>Se encontró un CRC correcto en el nombre del archivo.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Todavía no se ha calculado el hash de este archivo.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>Se encontró un posible CRC en el nombre del archivo, pero no coincide.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>«%1» es una máscara no válida en la posición (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 MB de %2 MB</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 MB/s, faltan %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>Enlaces ED2K (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Error: la carpeta «%1» no existe.</translation>
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
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Error: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>Comprobar archivos con una &amp;lista…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>&amp;Guardar archivo de enlaces ED2K</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Guardar toda la &amp;información</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Copiar todo al portapapeles</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Copiar todo como enlaces &amp;magnet</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Copiar la &amp;selección al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>&amp;Quitar todo de la lista</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Quitar la selecció&amp;n de la lista</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>&amp;Ordenar la lista</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>Prefere&amp;ncias</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Copiar la selección como enlaces ma&amp;gnet</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Añadir archivos (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Añadir carpeta (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Guardar enlaces (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Salir (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Copiar todo al portapapeles (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Copiar la selección al portapapeles (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Quitar todo (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Quitar la selección (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Ordenar (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pausa (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Salir al terminar</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Error: no se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Error: no se pudieron poner los enlaces en el portapapeles.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Error: no se encontró el archivo «%1»</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Comprobar archivos con una lista</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>Acerca de Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Acuñado con esmero por los desarrolladores de Linkmint.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Listas (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, línea %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Comprobar archivos con una lista</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v de %m archivos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Lista: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Listas: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Leyendo la lista…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Leyendo las listas…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Buscando los archivos…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>Archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Nada que comprobar.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Nombre del tipo</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Error: la ruta de la carpeta predeterminada no existe.<byte value="xd"/>
Elija una carpeta que exista o deje el campo en blanco.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Tipos de archivo predeterminados al seleccionar archivos o al arrastrar y soltar</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Nota: puede que algunos sonidos del sistema no estén asignados en su equipo</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Exclamación</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Asterisco</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Añadir sonido personalizado</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>Mínima</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Prioridad del hilo de cálculo (recomendada: Baja o Normal)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Añadir tipo</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Añadir un tipo de archivo nuevo a la lista de tipos</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Eliminar tipo</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Eliminar el tipo de archivo seleccionado</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Quitar rutas de archivo</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Quitar la ruta del archivo de los enlaces ED2K</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Mostrar información de archivos</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Mostrar los demás hashes de los archivos en un panel aparte</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Hashes en minúsculas</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Determina si las letras de los valores hexadecimales van en mayúsculas o en minúsculas</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>Al minimizar, el programa pasa a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Incluir barra final</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Añade una barra al final de los enlaces ED2K (no suele hacer falta)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Abrir desde el gestor de archivos</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Añade Linkmint al menú contextual de los archivos</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* al arrastrar y soltar</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Usar *.* para las carpetas soltadas en la ventana en lugar de la máscara del tipo predeterminado</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Ordenar archivos añadidos</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Añade los archivos a la lista en orden</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Seleccionar archivos añadidos</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Añade los archivos nuevos ya seleccionados</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Conservar archivos al salir</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>Añadir hash AICH</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Añade a los enlaces ED2K el hash raíz AICH (h=), con el que los clientes reparan las partes dañadas</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Añadir hashes de las partes</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Añade los hashes de las partes (p=) a los enlaces ED2K de archivos de más de una parte</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Mostrar progreso total</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Muestra durante el cálculo, en la barra de estado y en la sugerencia del icono de la bandeja, cuántos MB de todos los archivos se han leído, la velocidad y el tiempo restante</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Quedar inactivo (predeterminado)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Copiar la selección al portapapeles</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>Copiar al portapapeles y salir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Carpeta predeterminada: (en blanco para empezar en la última carpeta usada)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Tipo de archivo predeterminado:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Sonido al terminar:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Prioridad del hilo:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipos de archivo:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Otras opciones:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Al terminar de leer todos los archivos:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Seleccionar carpeta predeterminada</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Archivos Wave (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>Archivos MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Número de archivos: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipos de archivo:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Contar archivos</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Incluir todas las subcarpetas</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Contar archivos automáticamente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Número de archivos: %1</translation>
    </message>
</context>
</TS>
