<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Ошибка: проверка остановлена: %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>размер</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>хеш ed2k</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>хеши частей</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>хеш AICH</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>не удаётся открыть</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>слишком велик для списка</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>ошибка чтения: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>НЕТ ФАЙЛА</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>НЕ ПРОВЕРЕН</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>не совпадает: %1</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>не совпадают: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 ОШИБКА, %3 НЕТ ФАЙЛА</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 запись: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n запись: %1</numerusform>
            <numerusform>%n записи: %1</numerusform>
            <numerusform>%n записей: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 НЕ ПРОВЕРЕН</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Ошибка: не удаётся прочитать список «%1»: %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Ошибка: в списке «%1» нечего проверять.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Предупреждение: %1, строка %2: строка не относится ни к одному известному формату списков.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Примечание: %1: пропущена 1 строка с контрольными суммами, которые не проверяются (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Примечание: %1: пропущена %n строка с контрольными суммами, которые не проверяются (%2).</numerusform>
            <numerusform>Примечание: %1: пропущены %n строки с контрольными суммами, которые не проверяются (%2).</numerusform>
            <numerusform>Примечание: %1: пропущено %n строк с контрольными суммами, которые не проверяются (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>Создание ссылок ed2k</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>Создание ссылок ed2k на файлы и папки</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Открыть в Linkmint</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>Создать ссылки ed2k на выбранные файлы и папки</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Ошибка: %1 уже существует и создан не Linkmint; он оставлен без изменений.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Ошибка: не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Ошибка: не удалось записать %1.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Ошибка: путь к программе содержит управляющий символ и не может быть записан в пункт меню.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Ошибка: не удалось удалить %1.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1%; осталось %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>Пауза: остался 1 файл</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>Обработка: остался 1 файл</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>Пауза: остался %n файл</numerusform>
            <numerusform>Пауза: осталось %n файла</numerusform>
            <numerusform>Пауза: осталось %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>Обработка: остался %n файл</numerusform>
            <numerusform>Обработка: осталось %n файла</numerusform>
            <numerusform>Обработка: осталось %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Ожидание: щёлкните здесь, чтобы добавить файлы</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (ожидание)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Ошибка: не удаётся открыть файл «%1».</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Продолжить (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Пауза (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>Ошибка: поток обработки файлов завершился аварийно.  Нажмите кнопку «Продолжить», чтобы попробовать продолжить.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>В имени файла нет CRC.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>В имени файла найдена верная CRC.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Хеш для этого файла ещё не вычислен.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>В имени файла найдена возможная CRC, но она не совпадает.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>«%1» — недопустимая маска в позиции (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 МБ из %2 МБ</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 МБ/с, осталось %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>Ссылки ED2K (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Ошибка: папка «%1» не существует.</translation>
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
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Ошибка: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>Пр&amp;оверить файлы по списку…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>&amp;Сохранить файл ссылок ED2K</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Сохранить всю &amp;информацию</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Копировать все в буфер обмена</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Копировать все как magnet-&amp;ссылки</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Копировать &amp;выделенное в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>&amp;Удалить все из списка</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Удалить в&amp;ыделенное из списка</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>Сор&amp;тировать список</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Про&amp;должить</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Копировать выделенное как magnet-&amp;ссылки</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Добавить файлы (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Добавить папку (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Сохранить ссылки (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Выход (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Копировать все в буфер обмена (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Копировать выделенное в буфер обмена (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Удалить все (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Удалить выделенное (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Сортировать (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Пауза (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Выйти по завершении</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Ошибка: не удалось сохранить «%1»: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Ошибка: не удалось поместить ссылки в буфер обмена.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Ошибка: файл «%1» не найден</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Проверить файлы по списку</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>О программе Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>С заботой отчеканено разработчиками Linkmint.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Списки (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Что не совпало</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, строка %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Проверить файлы по списку</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v из %m файлов</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Список: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Списки: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Чтение списка…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Чтение списков…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Поиск файлов…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>Файл %1 из %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Нечего проверять.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Тип файлов</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Маска</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Ошибка: папка по умолчанию не существует.<byte value="xd"/>
Выберите существующую папку или оставьте поле пустым.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Типы файлов по умолчанию при выборе файлов и перетаскивании</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Примечание: некоторые системные звуки на вашем компьютере могут быть не назначены</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Восклицание</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Звёздочка</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Гудок</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Воспроизвести звук</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Добавить свой звук</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Фоновый</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>Самый низкий</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Приоритет потока хеширования (рекомендуется: Низкий или Обычный)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Добавить тип</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Добавить новый тип в список типов файлов</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Удалить тип</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Удалить выбранный тип файлов</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Убирать пути файлов</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Убирать путь файла из ссылок ED2K</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Показывать сведения о файлах</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Показывать остальные хеши файлов в отдельной панели</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Хеши строчными буквами</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Определяет, пишутся ли буквы в шестнадцатеричных значениях прописными или строчными</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Сворачивать в системный лоток</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>При сворачивании программа убирается в системный лоток</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Добавлять косую черту в конце</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Добавляет косую черту в конец ссылок ED2K (обычно не нужно)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Запуск из файлового менеджера</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Добавляет Linkmint в контекстное меню файлов</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* при перетаскивании</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Использовать *.* для папок, перетащенных в окно, вместо маски типа по умолчанию</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Сортировать добавленные файлы</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Добавляет файлы в список по порядку</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Выделять добавленные файлы</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Добавляет новые файлы выделенными</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Сохранять список при выходе</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>Добавлять хеш AICH</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Добавляет в ссылки ED2K корневой хеш AICH (h=), по которому клиенты восстанавливают повреждённые части</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Добавлять хеши частей</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Добавляет хеши частей (p=) в ссылки ED2K на файлы больше одной части</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Показывать общий прогресс</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Во время хеширования показывает в строке состояния и в подсказке значка в лотке, сколько МБ всех файлов прочитано, скорость и оставшееся время</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Перейти в режим ожидания (по умолчанию)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Копировать выделенное в буфер обмена</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>Копировать в буфер обмена и выйти</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Папка по умолчанию: (оставьте пустой, чтобы начинать с последней папки)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Тип файлов по умолчанию:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Звук по завершении:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Приоритет потока:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Типы файлов:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Другие параметры:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Когда все файлы прочитаны:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Выбор папки по умолчанию</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Файлы Wave (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>Файлы MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Число файлов: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Типы файлов:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Подсчитать</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Включая все подпапки</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Подсчитывать файлы автоматически</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Число файлов: %1</translation>
    </message>
</context>
</TS>
